#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "device/ConfigImage.h"
#include "settings/ButtonEntry.h"
#include "settings/FireMacroNaming.h"

namespace mousecfg {

struct ProgramOptions;

// The seven gun presets: each a 24-byte record of macro events in the gun table (gun k at
// 304 + 24(k - 1)), with an X and a Y offset in the user section and a colour in the
// vendor section's colour table.
namespace gun {

inline constexpr int kFirstGun = 1;
inline constexpr int kLastGun = entry::kGunCount;
inline constexpr size_t kRecordLength = image::kGunRecordLength;
// The record's events may take this many bytes; the last byte stays the end byte.
inline constexpr size_t kMaxEventBytes = kRecordLength - 1;

inline constexpr int kMinMove = -128;
inline constexpr int kMaxMove = 127;
inline constexpr int kMaxFireCount = 255;
inline constexpr int kMaxDelay = 65535;

bool isGun(int gun);
// User-section index of gun k's X offset (7 + k - 1) and Y offset (17 + k - 1).
size_t xOffsetIndex(int gun);
size_t yOffsetIndex(int gun);
// Vendor-section offset of gun k's colour: colour slot k at 57 + 3(k - 1).
size_t colourOffset(int gun);

}  // namespace gun

// Gun k's record in a gun table.
std::span<uint8_t, gun::kRecordLength> gunRecord(GunTable& table, int gun);
std::span<const uint8_t, gun::kRecordLength> gunRecord(const GunTable& table, int gun);

// What the gun page shows of a record, and where each value sits in it. The last
// repeat start gives the fire count, the last move X and Y, and the first delay after
// that move the delay; a value with no position was not found and keeps 0.
struct GunRecordFields {
  int fireCount = 0;
  int x = 0;
  int y = 0;
  int delayMs = 0;
  std::optional<size_t> fireCountAt;
  std::optional<size_t> xAt;
  std::optional<size_t> yAt;
  std::optional<size_t> delayAt;  // the high byte
  // The first position i where three bytes in a row are zero gives i + 1; 24 without.
  size_t usedLength = gun::kRecordLength;
};

GunRecordFields scanGunRecord(std::span<const uint8_t, gun::kRecordLength> record);

// Gun k's offsets as signed values.
int gunXOffset(const UserSection& user, int gun);
int gunYOffset(const UserSection& user, int gun);
// Gun k's colour, 0xRRGGBB.
uint32_t gunColour(const VendorSection& vendor, int gun);

// The stage count a new gun k entry gets: Gun6_Num for gun 6, 1 for every other gun.
int gunStageCount(int gun, const ProgramOptions& options);
// Byte 3 of a new gun entry: that of the last gun or fire macro entry of profile 1 and
// then profile 2, or 0 without one.
uint8_t gunComboEnable(const ConfigImage& image, const FireMacroCodeSet& fireMacros);

}  // namespace mousecfg
