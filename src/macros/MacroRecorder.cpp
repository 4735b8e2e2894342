#include "macros/MacroRecorder.h"

#include <algorithm>

#include "base/HexText.h"
#include "device/MacroEvent.h"
#include "settings/KeyCodes.h"

namespace mousecfg {

namespace {

constexpr int kKeyCost = 2;
constexpr int kButtonCost = 1;
constexpr int kDelayCost = 3;
constexpr const char* kIgnoredKeyName = "255";

// The modifier bit a virtual key records as, if it is one of the five modifiers.
std::optional<uint8_t> modifierBitOf(int virtualKey) {
  switch (virtualKey) {
    case vk::kShift:
      return macro::kModifierShift;
    case vk::kControl:
      return macro::kModifierCtrl;
    case vk::kMenu:
      return macro::kModifierAlt;
    case vk::kLeftWin:
      return macro::kModifierLeftWindows;
    case vk::kRightWin:
      return macro::kModifierRightWindows;
    default:
      return std::nullopt;
  }
}

std::string keyLine(int virtualKey, bool press) {
  const int index = keyIndexOfVirtualKey(virtualKey);
  std::string code;
  if (const auto bit = modifierBitOf(virtualKey))
    code =
        hexDigits(press ? macro::kModifierPress : macro::kModifierRelease, 2) + hexDigits(*bit, 2);
  else
    code = std::string(press ? "82" : "02") + hexDigits(deviceCodeOfKeyIndex(index), 2);
  return std::string(1, press ? event_line::kPress : event_line::kRelease) + " " +
         nameOfKeyIndex(index) + event_line::kCodeMarker + code;
}

constexpr std::array<std::pair<const char*, uint8_t>, kMouseButtons> kButtonLines{{
    {"LeftKey", macro::kButtonLeft},
    {"RightKey", macro::kButtonRight},
    {"MiddleKey", macro::kButtonMiddle},
    {"Forward", macro::kButtonForward},
    {"Backward", macro::kButtonBackward},
}};

std::string buttonLine(MouseButton button, bool pressed) {
  const auto& [name, bit] = kButtonLines[static_cast<size_t>(button)];
  const uint8_t code = (pressed ? macro::kButtonPressBase : macro::kButtonReleaseBase) | bit;
  return std::string(1, pressed ? event_line::kPress : event_line::kRelease) + " " + name +
         event_line::kCodeMarker + "00" + hexDigits(code, 2);
}

}  // namespace

void ButtonFlags::set(MouseButton button, bool pressed) {
  flags_[2 * static_cast<size_t>(button) + (pressed ? 0 : 1)].store(true);
}

void ButtonFlags::hookEvent(bool recording, bool overRecordCommand, MouseButton button,
                            bool pressed) {
  if (!recording || (button == MouseButton::Left && overRecordCommand)) return;
  set(button, pressed);
}

void ButtonFlags::clearAll() {
  for (auto& flag : flags_) flag.store(false);
}

bool ButtonFlags::any() const {
  return std::ranges::any_of(flags_, [](const auto& flag) { return flag.load(); });
}

void MacroRecorder::start(const EditorSettings& settings) {
  lines.clear();
  startInsert(settings, 0, 0);
  insertAt_.reset();
}

void MacroRecorder::startInsert(const EditorSettings& settings, size_t position, int alreadyUsed) {
  settings_ = settings;
  recording_ = true;
  full_ = false;
  used_ = alreadyUsed;
  lastTick_.reset();
  lastKey_.reset();
  insertAt_ = std::min(position, lines.size());
}

void MacroRecorder::stop() {
  recording_ = false;
}

void MacroRecorder::stopItself() {
  stop();
  if (onStop) onStop();
}

int MacroRecorder::reserve(int withDelay, int withoutDelay) const {
  return settings_.delayMode == DelayMode::NoDelay ? withoutDelay : withDelay;
}

void MacroRecorder::addHeaderIfNone() {
  if (lines.empty()) lines.push_back(headerLine(settings_));
}

void MacroRecorder::add(std::string line) {
  if (!insertAt_) {
    lines.push_back(std::move(line));
  } else {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*insertAt_), std::move(line));
    ++*insertAt_;
  }
  if (onLineAdded) onLineAdded();
}

// The delay line before an event; the first event of a recording gets none.
void MacroRecorder::RefreshMacroMouseTime() {
  if (settings_.delayMode == DelayMode::NoDelay) return;
  const int64_t now = clock_.nowMs();
  if (lastTick_) {
    const int64_t ms = settings_.delayMode == DelayMode::FixedDelay
                           ? settings_.fixedDelayMs
                           : std::min<int64_t>(now - *lastTick_, EditorSettings::kMaxDelayMs);
    add(delayLine(ms));
    used_ += kDelayCost;
  }
  lastTick_ = now;
}

void MacroRecorder::KeyboardHook1Receive(int virtualKey, KeyEventType type) {
  if (!recording_ || !rules_.hearsKeys) return;
  if (nameOfKeyIndex(keyIndexOfVirtualKey(virtualKey)) == kIgnoredKeyName) return;
  addHeaderIfNone();
  const int keep = reserve(7, 4);
  if (full_) return;
  bool press = true;
  switch (type) {
    case KeyEventType::FurtherDown:
      if (lastKey_ == virtualKey) return;  // auto-repeat of the held key
      [[fallthrough]];
    case KeyEventType::FirstDown:
      if (rules_.capacity - keep < used_) {
        full_ = true;
        return;
      }
      break;
    case KeyEventType::KeyUp:
      if (used_ > rules_.capacity) {
        full_ = true;
        return;
      }
      press = false;
      break;
  }
  lastKey_ = virtualKey;
  if (used_ >= rules_.capacity) {
    stopItself();
    return;
  }
  RefreshMacroMouseTime();
  add(keyLine(virtualKey, press));
  used_ += kKeyCost;
}

bool MacroRecorder::mouseButton(MouseButton button, bool pressed) {
  if (!recording_ || !rules_.hears(button)) return false;
  const int keep = pressed
                       ? reserve(rules_.pressReserveWithDelay, rules_.pressReserveWithoutDelay)
                       : reserve(rules_.releaseReserveWithDelay, rules_.releaseReserveWithoutDelay);
  const bool refused = full_ || rules_.capacity - keep < used_;
  if (refused) {
    full_ = true;
    return false;
  }
  RefreshMacroMouseTime();
  add(buttonLine(button, pressed));
  used_ += kButtonCost;
  return true;
}

void MacroRecorder::pass(ButtonFlags& flags) {
  if (!recording_) return;
  addHeaderIfNone();
  for (size_t flag = 0; flag < ButtonFlags::kCount; ++flag) {
    if (!flags.isSet(flag)) continue;
    if (!rules_.hears(ButtonFlags::buttonOf(flag))) {
      flags.clear(flag);
      continue;
    }
    // A refused event leaves its flag set; the recording stops at the end of the pass.
    if (mouseButton(ButtonFlags::buttonOf(flag), ButtonFlags::pressedOf(flag))) flags.clear(flag);
  }
  if (used_ >= rules_.capacity || full_) stopItself();
}

}  // namespace mousecfg
