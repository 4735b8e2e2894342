#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "device/ImageMap.h"
#include "device/TransferResult.h"

namespace mousecfg {

class DeviceLink;
class GunPageState;

enum class OffsetAxis { X, Y };

// The X and Y offsets of the ten fire macros on the "  Gun Confirm  " tab (user bytes
// 7..16 and 17..26, signed). The first seven are the gun presets' offsets, which the
// gun page also edits. Each change is written to the mouse at once.
class FireMacroOffsets {
 public:
  static constexpr int kCount = static_cast<int>(image::kUserFireMacroCount);

  FireMacroOffsets(DeviceLink& link, GunPageState& gunPage) : link_(link), gunPage_(gunPage) {}

  // Fire macro 1..10's offset as the mouse holds it.
  int offset(int macro, OffsetAxis axis) const;
  // What the field shows for it.
  std::string text(int macro, OffsetAxis axis) const { return std::to_string(offset(macro, axis)); }

  // Typed text: an optional minus sign and digits ("" and "-" are still being typed and
  // send nothing). The value is clamped to -128..127, stored and sent with the user
  // section's checksum; returns the value stored, nullopt when nothing was.
  std::optional<int> offsetChange(int macro, OffsetAxis axis, std::string_view typed);

  // What the mouse made of the last change sent.
  TransferResult lastWrite;

 private:
  static size_t userIndex(int macro, OffsetAxis axis);

  DeviceLink& link_;
  GunPageState& gunPage_;
};

}  // namespace mousecfg
