#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Map of the 2048-byte configuration image. Image offset, stored-block address and
// direct-write address are the same numbers.
namespace mousecfg::image {

inline constexpr size_t kImageLength = 2048;

inline constexpr size_t kVendorOffset = 0;
inline constexpr size_t kVendorLength = 164;
inline constexpr size_t kUserOffset = 164;
inline constexpr size_t kUserLength = 28;
inline constexpr size_t kProfile1Offset = 192;
inline constexpr size_t kProfile2Offset = 241;
inline constexpr size_t kProfileLength = 49;  // 12 entries of 4 bytes, then the checksum
inline constexpr size_t kButtonCount = 12;
inline constexpr size_t kEntryLength = 4;
inline constexpr size_t kKeyTablesOffset = kProfile1Offset;
inline constexpr size_t kKeyTablesLength = 2 * kProfileLength;  // 98
// A macro change writes the key tables together with what follows them up to the gun
// table's 35th byte: the fire keys and two spare bytes ride along unchanged.
inline constexpr size_t kMacroProfilesLength = 147;
inline constexpr size_t kFireKeyOffset = 290;
inline constexpr size_t kFireKeyLength = 12;
inline constexpr size_t kGunTableOffset = 304;
inline constexpr size_t kGunTableLength = 168;
inline constexpr size_t kGunRecordCount = 7;
inline constexpr size_t kGunRecordLength = 24;
// Two bytes after the fire-key block and twelve after the gun table that the mouse
// keeps but nobody interprets.
inline constexpr size_t kFireKeyTrailerOffset = 302;
inline constexpr size_t kFireKeyTrailerLength = 2;
inline constexpr size_t kGunTrailerOffset = 472;
inline constexpr size_t kGunTrailerLength = 12;
inline constexpr size_t kIdentityOffset = 484;
inline constexpr size_t kIdentityLength = 12;
inline constexpr size_t kExpectedManufacturerOffset = 484;
inline constexpr size_t kExpectedProductOffset = 485;
inline constexpr size_t kMemoryTypeOffset = 495;
inline constexpr size_t kMacroBlockOffset = 496;
inline constexpr size_t kMacroBlockLength = 656;
inline constexpr size_t kPatchRecordOffset = 1008;
inline constexpr size_t kPatchRecordLength = 16;
inline constexpr size_t kPatchCheckOffset = 1014;  // big-endian, two bytes
inline constexpr size_t kFlowingLedOffset = 1016;
inline constexpr size_t kFlowingLedLength = 8;  // last byte is its own checksum
inline constexpr size_t kPatchCodeOffset = 1024;
inline constexpr size_t kPatchCodeLength = 1024;

// On a "KV204" device the manufacturer and product codes sit here instead of in the
// fire-key block.
inline constexpr size_t kKv204IdOffset = 340;
inline constexpr size_t kIdRecordLength = 12;

// Within the vendor section.
inline constexpr size_t kVendorIdsOffset = 0;  // vendor id, product id, big-endian
inline constexpr size_t kVendorIdsLength = 4;
inline constexpr size_t kUsbVendorIdOffset = kVendorIdsOffset;
inline constexpr size_t kUsbProductIdOffset = kVendorIdsOffset + 2;
inline constexpr size_t kOptionRegister0 = 4;        // IC type, report rate (bits 4..5), enhance
inline constexpr size_t kOptionRegistersOffset = 5;  // option registers 4..7
inline constexpr size_t kOptionRegistersLength = 4;
inline constexpr size_t kSensorRegistersOffset = 9;
inline constexpr size_t kSensorRegistersLength = 31;
inline constexpr size_t kLedInitOffset = 40;  // "LED Init0", "LED Init1"
inline constexpr size_t kLedInitLength = 2;
inline constexpr size_t kBreathingModeOffset = 42;
inline constexpr size_t kDpiLevelCountOffset = 43;  // number of DPI levels - 1
inline constexpr size_t kDpiStepTableOffset = 44;   // two levels per byte, low nibble first
inline constexpr size_t kDpiStepTableLength = 4;
inline constexpr size_t kBreathingOffset = 48;  // lower, upper, lower time, upper time, step
inline constexpr size_t kBreathingLength = 9;
inline constexpr size_t kBreathingStepTimeOffset = 56;
inline constexpr size_t kColourLength = 3;  // R, G, B
inline constexpr size_t kColourTableOffset = 57;
inline constexpr size_t kColourSlotCount = 10;
// Vendor-section offset of colour slot 1..10: R, G, B at 57 + 3(slot - 1).
constexpr size_t colourSlotOffset(int slot) {
  return kColourTableOffset + kColourLength * static_cast<size_t>(slot - 1);
}
inline constexpr size_t kDpiColourOffset = 87;
inline constexpr size_t kDpiColourCount = 8;
inline constexpr size_t kProductStringOffset = 111;  // single-byte characters, zero-filled
inline constexpr size_t kProductStringLength = 16;
inline constexpr size_t kComboKeysOffset = 127;  // nine 4-byte combo-key entries
inline constexpr size_t kComboKeyCount = 9;

// Within the user section.
inline constexpr size_t kUserActiveProfile = 0;   // low nibble: 0 profile 1, 1 profile 2
inline constexpr size_t kUserLedEffect = 1;       // low nibble: effect code
inline constexpr size_t kUserActiveDpiLevel = 2;  // active level - 1
inline constexpr size_t kUserButtonEffect = 3;
inline constexpr size_t kUserFireMacroCount = 10;  // X offsets from byte 7, Y offsets from 17
inline constexpr size_t kUserXOffsets = 7;
inline constexpr size_t kUserYOffsets = 17;
// The low nibbles of bytes 0 and 1; the high nibbles belong to others and are kept.
inline constexpr uint8_t kActiveProfileMask = 0x0F;
inline constexpr uint8_t kLedEffectMask = 0x0F;
// Active profile codes; code 2 is the third mode, which has no table of its own.
inline constexpr uint8_t kProfile1Code = 0;
inline constexpr uint8_t kProfile2Code = 1;

constexpr uint8_t activeProfileCode(uint8_t userByte0) {
  return userByte0 & kActiveProfileMask;
}
constexpr uint8_t withActiveProfileCode(uint8_t userByte0, uint8_t code) {
  return static_cast<uint8_t>((userByte0 & ~kActiveProfileMask) | (code & kActiveProfileMask));
}
constexpr uint8_t ledEffectCodeOf(uint8_t userByte1) {
  return userByte1 & kLedEffectMask;
}
constexpr uint8_t withLedEffectCode(uint8_t userByte1, uint8_t code) {
  return static_cast<uint8_t>((userByte1 & ~kLedEffectMask) | (code & kLedEffectMask));
}

// Within the fire-key block.
inline constexpr size_t kFireKeyManufacturer = 0;
inline constexpr size_t kFireKeyProduct = 1;
inline constexpr size_t kFireKeyParamsOffset = 2;  // per key: count - 1, interval big-endian
inline constexpr size_t kFireKeyParamsLength = 3;
inline constexpr size_t kFireKeyCount = 3;
inline constexpr size_t kFireKeyMemoryType = 11;

// Within the patch record.
inline constexpr size_t kPatchCheckInRecord = kPatchCheckOffset - kPatchRecordOffset;

// Byte 495 of the built-in image: the memory the configuration is made for.
inline constexpr uint8_t kMemoryI2c = 0xE0;
inline constexpr uint8_t kMemoryKv204 = 0x58;
inline constexpr uint8_t kMemoryFlash = 0xF0;
// The names of those memory types, which are also the interface types a device reports.
inline constexpr std::string_view kMemoryNameI2c = "I2C";
inline constexpr std::string_view kMemoryNameKv204 = "KV204";
inline constexpr std::string_view kMemoryNameFlash = "Flash";

// The identities the built-in image carries: the USB vendor and product id the program
// looks for (vendor section bytes 0..3), the manufacturer and product codes a mouse must
// carry to be accepted (bytes 484 and 485; 255, 255 is the generic pair) and the memory
// the configuration is made for (byte 495).
inline constexpr uint16_t kDefaultVendorId = 0x3A7E;
inline constexpr uint16_t kDefaultProductId = 0x05ED;
inline constexpr uint8_t kDefaultManufacturerCode = 0xFF;
inline constexpr uint8_t kDefaultProductCode = 0xFF;
inline constexpr uint8_t kDefaultMemoryType = kMemoryI2c;

// Section checksum: sum of the other bytes modulo 256, XOR this value, in the last byte.
inline constexpr uint8_t kChecksumXor = 0x5A;

// Report rate in bits 4..5 of option register 0: 0 = 125 Hz .. 3 = 1000 Hz.
inline constexpr int kReportRateShift = 4;
inline constexpr uint8_t kReportRateMask = 0x30;
// DPI levels and their step table.
inline constexpr size_t kDpiLevelCount = 8;
inline constexpr uint8_t kDpiNoStep = 0x0F;  // a step-table nibble with no step stored
// The 16-bit breathing fields (big-endian) within the vendor section.
inline constexpr size_t kBreathingLowerOffset = 48;
inline constexpr size_t kBreathingUpperOffset = 50;
inline constexpr size_t kBreathingLowerTimeOffset = 52;
inline constexpr size_t kBreathingUpperTimeOffset = 54;
// Within the flowing-LED block: speed step, then brightness bit and LED count code.
inline constexpr size_t kFlowingLedSpeed = 0;
inline constexpr size_t kFlowingLedControl = 1;
inline constexpr size_t kFlowingLedInRecord = kFlowingLedOffset - kPatchRecordOffset;

}  // namespace mousecfg::image
