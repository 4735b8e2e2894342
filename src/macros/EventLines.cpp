#include "macros/EventLines.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/HexText.h"
#include "device/MacroEvent.h"
#include "macros/MacroLibrary.h"
#include "settings/KeyCodes.h"

namespace mousecfg {

using namespace event_line;

namespace {

struct NamedCode {
  uint8_t code;
  std::string_view name;
};

// Modifier bits and the names their lines carry.
constexpr std::array<NamedCode, 5> kModifiers{{{macro::kModifierCtrl, "Ctrl"},
                                               {macro::kModifierShift, "Shift"},
                                               {macro::kModifierAlt, "Alt"},
                                               {macro::kModifierLeftWindows, "Left Windows"},
                                               {macro::kModifierRightWindows, "Right Windows"}}};

// Mouse button bits and the names of their fixed lines.
constexpr std::array<NamedCode, 5> kButtons{{{macro::kButtonLeft, "LeftKey"},
                                             {macro::kButtonRight, "RightKey"},
                                             {macro::kButtonMiddle, "MiddleKey"},
                                             {macro::kButtonForward, "Forward"},
                                             {macro::kButtonBackward, "Backward"}}};

std::string hex2(uint32_t value) {
  return hexDigits(value & 0xFF, 2);
}

std::string eventLine(bool press, std::string_view name, const std::string& code) {
  return std::string(1, press ? kPress : kRelease) + " " + std::string(name) + kCodeMarker + code;
}

std::optional<std::string> modifierLine(uint8_t code, uint8_t bit) {
  for (const NamedCode& modifier : kModifiers)
    if (modifier.code == bit)
      return eventLine(code == macro::kModifierPress, modifier.name, hex2(code) + hex2(bit));
  return std::nullopt;
}

// The header from the first four delays, and the repeat setting from the mode byte.
EditorSettings impliedSettings(const std::vector<int>& delays, std::optional<uint8_t> mode) {
  EditorSettings settings;
  std::array<int, 4> firstFour{};
  std::copy_n(delays.begin(), std::min<size_t>(delays.size(), 4), firstFour.begin());
  const bool anyDelay = std::ranges::any_of(firstFour, [](int ms) { return ms != 0; });
  const bool allEqual = std::ranges::all_of(firstFour, [&](int ms) { return ms == firstFour[0]; });
  if (!anyDelay) {
    settings.delayMode = DelayMode::NoDelay;
  } else if (allEqual) {
    settings.delayMode = DelayMode::FixedDelay;
    settings.fixedDelayMs = firstFour[0];
  }
  if (!mode) {
    settings.repeat = RepeatSetting::UntilKeyReleased;
  } else if (*mode == macro::kRepeatUntilMacroEnd) {
    settings.repeat = RepeatSetting::UntilMacroEnd;
  } else if (*mode == macro::kRepeatUntilAnyKey) {
    settings.repeat = RepeatSetting::UntilAnyKey;
  } else if (*mode >= macro::kRepeatCountMin && *mode <= macro::kRepeatCountMax) {
    settings.repeat = RepeatSetting::Circles;
    settings.repeatCount = *mode;
  }
  return settings;
}

// The line of one event, or nothing for the repeat markers (and for events the editor
// has no line for).
std::optional<std::string> lineOf(std::span<const uint8_t> event, std::vector<int>& delays) {
  const uint8_t code = event[0];
  switch (code) {
    case macro::kModifierPress:
    case macro::kModifierRelease:
      return modifierLine(code, event[1]);
    case macro::kKeyPress:
    case macro::kKeyRelease:
      return eventLine(code == macro::kKeyPress, nameOfDeviceCode(event[1]),
                       hex2(code) + hex2(event[1]));
    case macro::kMove:
      return moveLine(static_cast<int8_t>(event[1]), static_cast<int8_t>(event[2]));
    case macro::kDelay: {
      const int ms = event[1] << 8 | event[2];
      delays.push_back(ms);
      return delayLine(ms);
    }
    default:
      return buttonEventLine(code);
  }
}

std::string lastDigits(const std::string& line, size_t count) {
  return line.size() >= count ? line.substr(line.size() - count) : std::string();
}

}  // namespace

DecodedMacro decodeMacro(std::span<const uint8_t> events) {
  DecodedMacro decoded;
  decoded.lines.push_back(kNoDelay);
  std::vector<int> delays;
  std::optional<uint8_t> mode;
  for (size_t at = 0; at < events.size();) {
    const std::optional<size_t> length = macro::eventLength(events[at]);
    if (!length || events[at] == macro::kEventEnd || at + *length > events.size()) break;
    const auto event = events.subspan(at, *length);
    at += *length;
    if (event[0] == macro::kRepeatStart) {
      mode = event[1];
    } else if (event[0] != macro::kRepeatEnd) {
      if (std::optional<std::string> line = lineOf(event, delays)) decoded.lines.push_back(*line);
    }
  }
  decoded.settings = impliedSettings(delays, mode);
  decoded.lines[0] = headerLine(decoded.settings);
  return decoded;
}

std::string eventLineHex(const std::string& line, RepeatSetting repeat) {
  switch (line.empty() ? ' ' : line[0]) {
    case kPress:
    case kRelease: {
      const std::string code = lastDigits(line, 4);
      return code.starts_with("00") ? code.substr(2) : code;
    }
    case kMove:
    case '4':
    case '5':
    case '6':
      return lastDigits(line, 6);
    case kDelay: {
      const std::string number = line.size() > 2 ? line.substr(2) : std::string();
      long ms = 0;
      for (char c : number) {
        if (c < '0' || c > '9') break;
        ms = std::min<long>(ms * 10 + (c - '0'), EditorSettings::kMaxDelayMs);
      }
      return hexDigits(macro::kDelay, 2) + hexDigits(static_cast<uint32_t>(ms), 4);
    }
    case kRepeatEnd:
      return lastDigits(line, 2);
    case kRepeatStart: {
      const uint32_t n = readHexDigits(lastDigits(line, 2)).value_or(0);
      if (repeat == RepeatSetting::UntilKeyReleased) return "FD" + hex2(n % 128);
      if (repeat == RepeatSetting::UntilMacroEnd) return "FD80";
      return {};
    }
    default:
      return {};
  }
}

// A button event is its press or release base (the top three bits) plus one button bit.
std::optional<std::string> buttonEventLine(uint8_t code) {
  constexpr uint8_t kBaseBits = 0xE0;
  const uint8_t base = code & kBaseBits;
  if (base != macro::kButtonPressBase && base != macro::kButtonReleaseBase) return std::nullopt;
  const uint8_t bit = code & static_cast<uint8_t>(~kBaseBits);
  for (const NamedCode& button : kButtons)
    if (button.code == bit)
      return eventLine(base == macro::kButtonPressBase, button.name, "00" + hex2(code));
  return std::nullopt;
}

std::string delayLine(int ms) {
  return std::string(1, kDelay) + " " + std::to_string(ms);
}

std::string moveLine(int x, int y) {
  return std::string(1, kMove) + " 04" + hex2(static_cast<uint32_t>(x)) +
         hex2(static_cast<uint32_t>(y));
}

std::string headerLine(const EditorSettings& settings) {
  switch (settings.delayMode) {
    case DelayMode::RealRecord:
      return kRecordedDelays;
    case DelayMode::FixedDelay:
      return kFixedDelay + std::to_string(settings.fixedDelayMs);
    case DelayMode::NoDelay:
      break;
  }
  return kNoDelay;
}

bool CompiledMacro::fits() const {
  return bytes.size() <= macro_library::kBodyLength;
}

CompiledMacro compileMacro(const EventLines& lines, RepeatSetting repeat, int repeatCount) {
  std::string hex;
  bool repeatLine = false;
  for (size_t i = 1; i < lines.size(); ++i) {
    repeatLine = repeatLine || lines[i].starts_with(kRepeatStart);
    hex += eventLineHex(lines[i], repeat);
  }
  if (!repeatLine) {
    if (repeat == RepeatSetting::UntilMacroEnd) hex = "FD80" + hex + "FC";
    if (repeat == RepeatSetting::UntilAnyKey) hex = "FD7F" + hex + "FC";
    if (repeat == RepeatSetting::Circles)
      hex = "FD" + hex2(static_cast<uint32_t>(std::clamp(repeatCount, 1, 126))) + hex + "FC";
  }
  hex += "00";
  CompiledMacro compiled;
  compiled.script = hex;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    compiled.bytes.push_back(static_cast<uint8_t>(readHexDigits(hex.substr(i, 2)).value_or(0)));
  return compiled;
}

std::string keyNameOf(const std::string& line) {
  const size_t marker = line.find(kCodeMarker);
  if (line.size() < 2 || marker == std::string::npos) return {};
  return line.substr(2, marker - 2);
}

std::optional<std::vector<size_t>> linesToDelete(const EventLines& lines, size_t line) {
  if (line == 0 || line >= lines.size()) return std::nullopt;
  const char kind = lines[line].empty() ? ' ' : lines[line][0];
  if (kind != kPress && kind != kRelease) return std::vector<size_t>{line};
  const std::string name = keyNameOf(lines[line]);
  const char partner = kind == kPress ? kRelease : kPress;
  const auto matches = [&](size_t i) {
    return !lines[i].empty() && lines[i][0] == partner && keyNameOf(lines[i]) == name;
  };
  if (kind == kPress) {
    for (size_t i = line + 1; i < lines.size(); ++i)
      if (matches(i)) return std::vector<size_t>{line, i};
  } else {
    for (size_t i = line - 1; i >= 1; --i)
      if (matches(i)) return std::vector<size_t>{i, line};
  }
  return std::nullopt;
}

std::string entryText(const std::string& line) {
  const char kind = line.empty() ? ' ' : line[0];
  const auto signedByte = [&](size_t at) {
    return std::to_string(static_cast<int8_t>(readHexDigits(line.substr(at, 2)).value_or(0)));
  };
  switch (kind) {
    case kPress:
    case kRelease:
      return keyNameOf(line);
    case kDelay:
      return line.substr(std::min<size_t>(2, line.size())) + " ms";
    case kMove:
      if (line.size() < 8) return {};
      return "X: " + signedByte(4) + "  Y: " + signedByte(6);
    case kRepeatStart:
      return "Rep-Start  " + std::to_string(readHexDigits(lastDigits(line, 2)).value_or(0));
    case kRepeatEnd:
      return "Rep-Stop";
    default:
      return {};
  }
}

}  // namespace mousecfg
