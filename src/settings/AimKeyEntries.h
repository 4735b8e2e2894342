#pragma once

#include "device/TransferResult.h"

#include <cstdint>
#include <optional>

#include "device/ConfigImage.h"

namespace mousecfg {

class DeviceLink;

// The AIM DPI lives in byte 1 of every AIM-key entry (category entry::kCategoryAim);
// an entry whose byte 1 is this value carries no step.
inline constexpr uint8_t kAimNoStep = 0xFF;

// Sets every AIM-key entry of both profiles to 05 step 00 00 (profile 1 first) with its
// code string and, unless a batch runs, writes the key tables when there was one.
// Returns how many entries are AIM keys.
int reencodeAimEntries(DeviceLink& link, uint8_t step, TransferResult& written);

// The AIM step of a profile table: byte 1 of its last AIM-key entry whose byte 1 is not
// 0xFF; nullopt when it has none.
std::optional<uint8_t> aimStepOfProfile(const ProfileSection& profile);

}  // namespace mousecfg
