#include "engineer/FireMacroOffsets.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "device/DeviceLink.h"
#include "fire/GunPageState.h"
#include "fire/GunPresets.h"
#include "settings/SectionFieldWrite.h"

namespace mousecfg {

namespace {

constexpr size_t kMaxTypedDigits = 6;  // more saturates like any long number

std::optional<int> signedValue(std::string_view typed) {
  const bool negative = !typed.empty() && typed.front() == '-';
  if (negative) typed.remove_prefix(1);
  if (typed.empty() ||
      !std::all_of(typed.begin(), typed.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  if (typed.size() > kMaxTypedDigits) typed = typed.substr(0, kMaxTypedDigits);
  int value = 0;
  std::from_chars(typed.data(), typed.data() + typed.size(), value);
  return std::clamp(negative ? -value : value, gun::kMinMove, gun::kMaxMove);
}

}  // namespace

size_t FireMacroOffsets::userIndex(int macro, OffsetAxis axis) {
  const size_t first = axis == OffsetAxis::X ? image::kUserXOffsets : image::kUserYOffsets;
  return first + static_cast<size_t>(macro - 1);
}

int FireMacroOffsets::offset(int macro, OffsetAxis axis) const {
  if (macro < 1 || macro > kCount) return 0;
  return static_cast<int8_t>(link_.image.user[userIndex(macro, axis)]);
}

std::optional<int> FireMacroOffsets::offsetChange(int macro, OffsetAxis axis,
                                                  std::string_view typed) {
  if (macro < 1 || macro > kCount || link_.refreshingFlag()) return std::nullopt;
  const std::optional<int> value = signedValue(typed);
  if (!value) return std::nullopt;
  const std::array byte{static_cast<uint8_t>(static_cast<int8_t>(*value))};
  lastWrite = writeUserField(link_, userIndex(macro, axis), byte);
  if (macro <= gun::kLastGun)
    gunPage_.offsetWrittenElsewhere(macro,
                                    axis == OffsetAxis::X ? GunField::XOffset : GunField::YOffset);
  return value;
}

}  // namespace mousecfg
