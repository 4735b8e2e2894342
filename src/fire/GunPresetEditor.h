#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/ScopedFlag.h"
#include "fire/GunPresets.h"
#include "macros/EventLines.h"
#include "macros/MacroInputDialog.h"
#include "macros/MacroRecorder.h"

namespace mousecfg {

class Clock;
class DeviceLink;
class LanguageTables;

// The six insertions: a delay or a pointer movement before or after the selected line,
// the start of the repeated block before it and its end after it.
enum class GunInsertAction {
  DelayBefore,
  DelayAfter,
  MoveBefore,
  MoveAfter,
  RepeatStartBefore,
  RepeatEndAfter
};
inline constexpr size_t kGunInsertActions = 6;

// The insert state's value fields, as typed.
enum class GunInsertField { Delay, X, Y, RepeatCount };
inline constexpr size_t kGunInsertFields = 4;

struct GunInsertState {
  static constexpr const char* kDefaultDelay = "50";
  static constexpr size_t kMaxDelayDigits = 5;

  bool active = false;
  GunInsertAction action = GunInsertAction::DelayBefore;
  std::array<std::string, kGunInsertFields> fields{kDefaultDelay, "0", "0", "0"};

  const std::string& field(GunInsertField which) const {
    return fields[static_cast<size_t>(which)];
  }
};

// The gun page's service editor: a gun preset of the working gun table as event lines,
// recorded from the left button or edited line by line, and compiled back into the
// preset's 24 bytes after every change. It never talks to the mouse; the gun page's
// Confirm sends what it made. A preset holds 23 bytes of events and its end byte, and
// recording, inserting and compiling all stop there.
class GunPresetEditor {
 public:
  static constexpr const char* kFullText =
      "A gun preset holds 23 bytes of events; this one is full.";
  static constexpr const char* kRecordCaption = "录制";
  static constexpr std::array<const char*, kGunInsertActions> kInsertActionTexts{
      "在此之前延时",      "在此之后延时",     "在此之前插入X/Y轴",
      "在此之后插入X/Y轴", "在此之前开始循环", "在此之后停止循环"};
  static constexpr const char* kInsertOkCaption = "OK";
  static constexpr const char* kInsertCancelCaption = "Cancel";

  // The recording's budget: the left button alone, within the preset's event bytes. A
  // press keeps room for its release, each with its delay.
  static RecordingRules recordingRules();

  GunPresetEditor(DeviceLink& link, const LanguageTables& languages, Clock& clock);
  GunPresetEditor(const GunPresetEditor&) = delete;
  GunPresetEditor& operator=(const GunPresetEditor&) = delete;

  // The preset list: one entry per gun, named as the gun page names it unless renamed.
  std::vector<std::string> presetNames() const;
  std::optional<int> selectedPreset() const { return selected_; }
  void selectPreset(int gun);
  // After a read: the selected preset is shown again from the working copy.
  void refreshFromImage();

  // The event list. Entry i is line i + 1; while a recording runs it shows the lines
  // the recording has made so far.
  EventLines lines;
  const EventLines& shownLines() const { return recorder.recording() ? recorder.lines : lines; }
  std::optional<size_t> selectedEntry() const { return selectedEntry_; }
  void selectEntry(size_t entry);
  // The event bytes the preset holds (or the recording has used).
  size_t usedBytes() const;
  // Delete: the selected line, a press with its release, a release with its press.
  bool deleteEntry();

  // Insert: with an entry selected (or in a preset with no events), the state holds the
  // action and its fields until OK inserts the line or Cancel drops it.
  GunInsertState insert;
  bool beginInsert(GunInsertAction action = GunInsertAction::DelayBefore);
  void chooseInsertAction(GunInsertAction action);
  // A field's text changed: it keeps what the field takes (the delay up to five digits,
  // X and Y a signed byte, the count 0..255).
  void typeInsertField(GunInsertField which, std::string_view typed);
  bool insertOk();
  void insertCancel();

  // Rename, through the macro-name dialog. The gun table holds no names, so the new
  // name labels the preset in this list for as long as the program runs; the button
  // labels keep the gun's language text.
  std::optional<MacroInputDialog> nameDialog;
  bool openRename();
  bool renameConfirm();
  void renameClose();

  // Record / Stop, with the delay mode and fixed delay of `settings`. While a recording
  // runs the connection monitor is held off, and `recordingChanged` tells whoever feeds
  // the recorder its input.
  EditorSettings settings;
  MacroRecorder recorder;
  bool recordClick();
  bool recording() const { return recorder.recording(); }
  std::string recordCaption() const;
  void setDelayMode(DelayMode mode);
  void setFixedDelay(int ms);
  std::function<void(bool recording)> recordingChanged = [](bool) {};

  // What may be used while recording or inserting.
  bool presetListEnabled() const { return !recording() && !insert.active; }
  bool recordEnabled() const { return selected_.has_value() && !insert.active; }
  bool eventListEnabled() const { return !recording(); }
  bool delayModeEnabled() const { return !recording(); }

  // The lines into the selected preset's record of the working copy: zeroed, the events
  // that fit, the end byte. Lines past the 23rd event byte are dropped and the notice
  // says so; false then.
  bool compile();
  // Told after the editor changed gun k's record, so that what shows it reads it again.
  std::function<void(int gun)> presetChanged = [](int) {};
  // Told when another preset is chosen, so that the gun page shows the same gun.
  std::function<void(int gun)> presetChosen = [](int) {};

  // What the editor has to tell the user about its last command; empty when nothing.
  std::string notice;

 private:
  std::span<uint8_t, gun::kRecordLength> record();
  bool editable() const;
  std::optional<std::string> insertLine() const;
  size_t insertPosition() const;
  void finishRecording();

  DeviceLink& link_;
  const LanguageTables& languages_;
  std::optional<int> selected_;
  std::optional<size_t> selectedEntry_;
  std::array<std::optional<std::string>, gun::kLastGun> names_;
  std::optional<ScopedFlag> monitorHeld_;
};

}  // namespace mousecfg
