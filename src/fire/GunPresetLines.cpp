#include "fire/GunPresetLines.h"

#include <algorithm>
#include <optional>

#include "base/HexText.h"
#include "device/MacroEvent.h"

namespace mousecfg {

namespace {

constexpr size_t kRepeatStartDigits = 4;  // "FD" and the repeat byte

// The length of the event a preset code starts; a code that is no preset event is one
// byte long.
size_t gunEventLength(uint8_t code) {
  switch (code) {
    case macro::kMove:
    case macro::kDelay:
      return 3;
    case macro::kRepeatStart:
      return 2;
    default:
      return 1;
  }
}

std::optional<std::string> lineOfGunEvent(std::span<const uint8_t> event) {
  switch (event[0]) {
    case macro::kLeftPress:
    case macro::kLeftRelease:
      return buttonEventLine(event[0]);
    case macro::kMove:
      return moveLine(static_cast<int8_t>(event[1]), static_cast<int8_t>(event[2]));
    case macro::kDelay:
      return delayLine(event[1] << 8 | event[2]);
    case macro::kRepeatStart:
      return repeatStartLine(event[1]);
    case macro::kRepeatEnd:
      return repeatEndLine();
    default:
      return std::nullopt;
  }
}

std::vector<uint8_t> bytesOfHex(const std::string& hex) {
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes.push_back(static_cast<uint8_t>(readHexDigits(hex.substr(i, 2)).value_or(0)));
  return bytes;
}

}  // namespace

EventLines decodeGunRecord(std::span<const uint8_t, gun::kRecordLength> record) {
  const size_t used = scanGunRecord(record).usedLength;
  if (used <= 1) return {};
  EventLines lines{event_line::kNoDelay};
  for (size_t at = 0; at + 1 < used;) {
    const size_t length = gunEventLength(record[at]);
    if (at + length > record.size()) break;
    if (std::optional<std::string> line = lineOfGunEvent(record.subspan(at, length)))
      lines.push_back(std::move(*line));
    at += length;
  }
  return lines;
}

std::string repeatStartLine(int count) {
  return std::string(1, event_line::kRepeatStart) + " " + hexDigits(macro::kRepeatStart, 2) +
         hexDigits(static_cast<uint32_t>(count) & 0xFF, 2);
}

std::string repeatEndLine() {
  return std::string(1, event_line::kRepeatEnd) + " " + hexDigits(macro::kRepeatEnd, 2);
}

// The repeat byte is a plain number here; the macro editor's repeat modes play no part.
std::vector<uint8_t> gunLineBytes(const std::string& line) {
  if (line.starts_with(event_line::kRepeatStart))
    return line.size() < kRepeatStartDigits
               ? std::vector<uint8_t>{}
               : bytesOfHex(line.substr(line.size() - kRepeatStartDigits));
  return bytesOfHex(eventLineHex(line, RepeatSetting::UntilKeyReleased));
}

CompiledGunLines compileGunLines(const EventLines& lines) {
  CompiledGunLines compiled;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::vector<uint8_t> bytes = gunLineBytes(lines[i]);
    if (compiled.events.size() + bytes.size() > gun::kMaxEventBytes) {
      compiled.complete = false;
      break;
    }
    compiled.events.insert(compiled.events.end(), bytes.begin(), bytes.end());
    ++compiled.linesTaken;
  }
  return compiled;
}

void storeGunEvents(std::span<uint8_t, gun::kRecordLength> record,
                    std::span<const uint8_t> events) {
  std::ranges::fill(record, macro::kEventEnd);
  std::copy_n(events.begin(), std::min(events.size(), gun::kMaxEventBytes), record.begin());
}

}  // namespace mousecfg
