#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

#include "base/Clock.h"
#include "macros/EventLines.h"
#include "macros/KeyboardCapture.h"

namespace mousecfg {

enum class MouseButton { Left, Right, Middle, Forward, Backward };
inline constexpr size_t kMouseButtons = 5;

// The mouse hook's flags: one for each button going down and coming up. The input
// source sets them (and does nothing else); the recording pass takes them in the order
// left down, left up, right down, ..., backward up, and clears each one it takes.
class ButtonFlags {
 public:
  void set(MouseButton button, bool pressed);
  // What the mouse hook does with an event: only while recording, and never with a left
  // click on the commands that start and stop recording (the click that stops it).
  void hookEvent(bool recording, bool overRecordCommand, MouseButton button, bool pressed);
  bool isSet(size_t flag) const { return flags_[flag].load(); }
  void clear(size_t flag) { flags_[flag].store(false); }
  void clearAll();
  bool any() const;
  static MouseButton buttonOf(size_t flag) { return static_cast<MouseButton>(flag / 2); }
  static bool pressedOf(size_t flag) { return flag % 2 == 0; }
  static constexpr size_t kCount = 2 * kMouseButtons;

 private:
  std::array<std::atomic<bool>, kCount> flags_{};
};

// What a recording hears and how many bytes it may fill (a key costs 2, a button 1, a
// delay 3). A button event is taken only while the bytes used leave its reserve: the
// macro page's press keeps room for itself and its delay, and its release may take the
// last byte. The default is the macro page's recording.
struct RecordingRules {
  static constexpr int kMacroCapacity = 245;

  int capacity = kMacroCapacity;
  bool hearsKeys = true;
  std::optional<MouseButton> onlyButton;  // every button when unset
  int pressReserveWithDelay = 5;
  int pressReserveWithoutDelay = 2;
  int releaseReserveWithDelay = 0;
  int releaseReserveWithoutDelay = 0;

  bool hears(MouseButton button) const { return !onlyButton || *onlyButton == button; }
};

// Records key and mouse-button events into event lines as the macro page's Record
// does: a delay line before each event by the delay mode, and a budget of bytes after
// which the recording stops itself.
class MacroRecorder {
 public:
  static constexpr int kCapacity = RecordingRules::kMacroCapacity;

  explicit MacroRecorder(Clock& clock, RecordingRules rules = {}) : clock_(clock), rules_(rules) {}

  // A new recording: the lines are cleared.
  void start(const EditorSettings& settings);
  // A recording into existing lines at `position` (the insert panel's Record), with the
  // bytes the macro holds already counted as used.
  void startInsert(const EditorSettings& settings, size_t position, int alreadyUsed);
  void stop();
  bool recording() const { return recording_; }
  // Told when the recording stops itself because its budget is spent.
  std::function<void()> onStop;
  // Told after each line the recording adds (the page shows it at once).
  std::function<void()> onLineAdded;

  // A key event from the keyboard capture.
  void KeyboardHook1Receive(int virtualKey, KeyEventType type);
  // A button event; false when the budget refused it, or when the rules do not hear it.
  bool mouseButton(MouseButton button, bool pressed);
  // One pass of the recording worker over the flags.
  void pass(ButtonFlags& flags);

  EventLines lines;
  int used() const { return used_; }
  int capacity() const { return rules_.capacity; }
  bool full() const { return full_; }
  std::optional<size_t> insertPosition() const { return insertAt_; }

 private:
  int reserve(int withDelay, int withoutDelay) const;
  void addHeaderIfNone();
  void RefreshMacroMouseTime();
  void add(std::string line);
  void stopItself();

  Clock& clock_;
  RecordingRules rules_;
  EditorSettings settings_;
  bool recording_ = false;
  bool full_ = false;
  int used_ = 0;
  std::optional<int64_t> lastTick_;
  std::optional<int> lastKey_;
  std::optional<size_t> insertAt_;
};

}  // namespace mousecfg
