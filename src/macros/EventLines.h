#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace mousecfg {

// The macro editor's view of a macro: text lines, line 0 the delay-mode header and each
// further line one event, its kind in the first character:
//   "0 50"                  delay of 50 ms
//   "1 A CODE:8204"         press (key 82 + usage, modifier 81 + bit, button 00A1 ...)
//   "2 A CODE:0204"         release (02 + usage, 01 + bit, 0021 ...)
//   "3 04F40C"              pointer movement X = -12, Y = 12
//   "7 FD03", "8 FC"        start and end of a repeated block
// The editor never edits bytes; it decodes a macro into lines and compiles the lines back.
using EventLines = std::vector<std::string>;

enum class DelayMode { RealRecord, FixedDelay, NoDelay };
enum class RepeatSetting { UntilKeyReleased, UntilMacroEnd, UntilAnyKey, Circles };

struct EditorSettings {
  static constexpr int kDefaultDelayMs = 50;
  static constexpr int kMinDelayMs = 1;
  static constexpr int kMaxDelayMs = 65535;

  DelayMode delayMode = DelayMode::RealRecord;
  int fixedDelayMs = kDefaultDelayMs;
  RepeatSetting repeat = RepeatSetting::UntilKeyReleased;
  int repeatCount = 1;  // with Circles: 1..126

  bool operator==(const EditorSettings&) const = default;
};

namespace event_line {
inline constexpr char kDelay = '0';
inline constexpr char kPress = '1';
inline constexpr char kRelease = '2';
inline constexpr char kMove = '3';
inline constexpr char kRepeatStart = '7';
inline constexpr char kRepeatEnd = '8';
inline constexpr const char* kCodeMarker = " CODE:";
// Header line texts: recorded delays, a fixed delay (followed by its value), no delay.
inline constexpr const char* kRecordedDelays = "10";
inline constexpr const char* kFixedDelay = "01";
inline constexpr const char* kNoDelay = "00";
// A movement's X and Y are one signed byte each.
inline constexpr int kMinMove = -128;
inline constexpr int kMaxMove = 127;
}  // namespace event_line

struct DecodedMacro {
  EventLines lines;         // the header and one line per event
  EditorSettings settings;  // the delay mode and repeat setting the macro implies
};

// A macro's events (without the end byte) as lines. The walk follows the event lengths
// and ends at a code outside the encoding or at a cut-off event.
DecodedMacro decodeMacro(std::span<const uint8_t> events);

struct CompiledMacro {
  std::vector<uint8_t> bytes;  // the events wrapped as the repeat setting says, then 0x00
  std::string script;          // the same bytes as upper-case hex
  bool fits() const;           // within a macro body (256 bytes)
};

// The lines (from line 1) as bytes.
CompiledMacro compileMacro(const EventLines& lines, RepeatSetting repeat, int repeatCount);

// The hex one event line compiles to under a repeat setting, not wrapped; empty for a
// line that gives no bytes.
std::string eventLineHex(const std::string& line, RepeatSetting repeat);

// The fixed line of a mouse button event ("1 LeftKey CODE:00A1" for 0xA1); nullopt for
// any other code.
std::optional<std::string> buttonEventLine(uint8_t code);

// A delay line ("0 50") and a pointer movement line ("3 04F40C": X and Y as two's
// complement bytes).
std::string delayLine(int ms);
std::string moveLine(int x, int y);

// The header line for a delay mode ("10", "01" + the delay, "00").
std::string headerLine(const EditorSettings& settings);

// What deleting event line `line` removes: the line alone, or a press with the first
// later release of the same key (a release with the nearest earlier press). nullopt
// when a press or release has no partner ("Macro Content Error").
std::optional<std::vector<size_t>> linesToDelete(const EventLines& lines, size_t line);

// The name of a press or release line's key ("A" of "1 A CODE:8204").
std::string keyNameOf(const std::string& line);
// What the event list shows for a line: the key name, "50 ms", "X: -12  Y: 12",
// "Rep-Start  3" or "Rep-Stop".
std::string entryText(const std::string& line);

}  // namespace mousecfg
