#include "macros/MacroInputDialog.h"

#include <algorithm>

#include "base/HexText.h"
#include "base/Host.h"
#include "base/LanguageKeys.h"
#include "base/Utf16Text.h"
#include "macros/EventLines.h"
#include "settings/KeyCodes.h"

namespace mousecfg {

namespace {

constexpr long kMaxRepeatCount = 127;
constexpr long kMinMove = event_line::kMinMove;
constexpr long kMaxMove = event_line::kMaxMove;

bool allDigits(std::string_view text) {
  return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// The digits as a number, saturating far beyond any limit the dialogs use.
long numberOf(std::string_view digits) {
  long value = 0;
  for (char c : digits) value = std::min(value * 10 + (c - '0'), 10'000'000L);
  return value;
}

std::string clampedText(long value, long low, long high) {
  return std::to_string(std::clamp(value, low, high));
}

std::string byteHex(long value) {
  return hexDigits(static_cast<uint32_t>(value) & 0xFF, 2);
}

}  // namespace

MacroInputDialog::MacroInputDialog(MacroDialogKind kind, Host& host, bool pressLine)
    : kind_(kind), host_(host), pressLine_(pressLine) {
  host_.setOverlaysVisible(true);
}

MacroInputDialog::~MacroInputDialog() {
  if (open_) uncover();
}

std::array<const char*, 2> MacroInputDialog::titleKeys() const {
  using namespace langkey::macro_dialog;
  switch (kind_) {
    case MacroDialogKind::Name:
      return {kMacroName, nullptr};
    case MacroDialogKind::Key:
      return {kInputOneKey, nullptr};
    case MacroDialogKind::Delay:
      return {kInputDelay, nullptr};
    case MacroDialogKind::Move:
      return {kInputX, kInputY};
    case MacroDialogKind::RepeatCount:
      break;
  }
  return {kInputValue, nullptr};
}

// What a field keeps of `text`; the field's current text when `text` is not allowed at all.
std::string MacroInputDialog::limited(const std::string& text) const {
  switch (kind_) {
    case MacroDialogKind::Name:
      return utf16FromUtf8(text).size() <= kMaxNameLength ? text : std::string();
    case MacroDialogKind::Key:
      return {};  // filled by key-downs only
    case MacroDialogKind::Delay:
      if (!allDigits(text)) return {};
      return clampedText(numberOf(text), EditorSettings::kMinDelayMs, EditorSettings::kMaxDelayMs);
    case MacroDialogKind::RepeatCount:
      if (!allDigits(text)) return {};
      return clampedText(numberOf(text), 1, kMaxRepeatCount);
    case MacroDialogKind::Move: {
      if (text == "-") return text;
      const bool negative = text.starts_with('-');
      const std::string_view digits = std::string_view(text).substr(negative ? 1 : 0);
      if (!allDigits(digits)) return {};
      const long value = negative ? -numberOf(digits) : numberOf(digits);
      return clampedText(value, kMinMove, kMaxMove);
    }
  }
  return {};
}

void MacroInputDialog::type(size_t field, const std::string& text) {
  if (!open_ || field >= (kind_ == MacroDialogKind::Move ? 2u : 1u)) return;
  const std::string kept = limited(text);
  // A name that would grow past 8 characters, or a number with other characters,
  // leaves the field as it was.
  if (kept.empty() && kind_ != MacroDialogKind::Name) return;
  if (kept.empty() && !text.empty()) return;
  fields_[field] = kept;
}

void MacroInputDialog::keyDown(int virtualKey) {
  if (!open_ || kind_ != MacroDialogKind::Key) return;
  const int index = keyIndexOfVirtualKey(virtualKey);
  fields_[0] = nameOfKeyIndex(index);
  keyResult_ = fields_[0] + event_line::kCodeMarker + (pressLine_ ? "82" : "02") +
               hexDigits(deviceCodeOfKeyIndex(index), 2);
}

void MacroInputDialog::Clear() {
  fields_ = {};
  keyResult_.clear();
}

std::optional<std::string> MacroInputDialog::Confirm() {
  if (!open_) return std::nullopt;
  uncover();
  const std::string& first = fields_[0];
  switch (kind_) {
    case MacroDialogKind::Name:
      if (first.empty()) return std::nullopt;
      return first;
    case MacroDialogKind::Key:
      if (keyResult_.empty() || first.empty()) return std::nullopt;
      return std::string(1, pressLine_ ? event_line::kPress : event_line::kRelease) + " " +
             keyResult_;
    case MacroDialogKind::Delay:
      if (first.empty()) return std::nullopt;
      return delayLine(static_cast<int>(numberOf(first)));
    case MacroDialogKind::RepeatCount:
      if (first.empty()) return std::nullopt;
      return std::string(1, event_line::kRepeatStart) + " FD" + byteHex(numberOf(first));
    case MacroDialogKind::Move: {
      if (first.empty() || fields_[1].empty()) return std::nullopt;
      const auto value = [](const std::string& text) {
        return text == "-"             ? 0L
               : text.starts_with('-') ? -numberOf(text.substr(1))
                                       : numberOf(text);
      };
      return moveLine(static_cast<int>(value(first)), static_cast<int>(value(fields_[1])));
    }
  }
  return std::nullopt;
}

void MacroInputDialog::Close() {
  if (open_) uncover();
}

void MacroInputDialog::uncover() {
  open_ = false;
  host_.setOverlaysVisible(false);
}

}  // namespace mousecfg
