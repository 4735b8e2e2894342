#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "device/ImageMap.h"

namespace mousecfg {

using ImageBuffer = std::array<uint8_t, image::kImageLength>;
using VendorSection = std::array<uint8_t, image::kVendorLength>;
using UserSection = std::array<uint8_t, image::kUserLength>;
using ProfileSection = std::array<uint8_t, image::kProfileLength>;
using FireKeyBlock = std::array<uint8_t, image::kFireKeyLength>;
using GunTable = std::array<uint8_t, image::kGunTableLength>;
using PatchRecord = std::array<uint8_t, image::kPatchRecordLength>;

// The lighting hardware names a layout may give.
namespace ledtype {
inline constexpr std::string_view kRgb = "RGB";
inline constexpr std::string_view kSync = "Sync";
inline constexpr std::string_view kMcuLed = "MCULED";
inline constexpr std::string_view kSpitLed = "SPITLED";
}  // namespace ledtype

// What the default builders depend on: the lighting hardware named by the layout
// ("RGB", "Sync", "MCULED", "SPITLED" or another value), the interface type of the
// connected device ("I2C", "KV204", "Flash" or empty) and the engineer page's
// package choice (list index; 0 and 1 are its first two entries, -1 none).
struct BuilderInputs {
  std::string ledType;
  std::string interfaceType;
  int packageChoice = -1;
};

// Section checksum over all bytes but the last: (sum modulo 256) XOR 0x5A.
uint8_t sectionChecksum(std::span<const uint8_t> section);
bool hasValidChecksum(std::span<const uint8_t> section);
void storeChecksum(std::span<uint8_t> section);

// Default builders. They overwrite only the bytes their rules name; a byte whose
// rule says "unchanged" keeps what the copy held. The vendor and user builders store
// their checksum; the profile builder writes only the 48 entry bytes (it leaves the
// whole copy alone for a package choice other than the first two), so its caller
// stores the checksum.
void BuildDefaultVendorSection(VendorSection& vendor, const BuilderInputs& in);
void BuildDefaultUserSection(UserSection& user, const BuilderInputs& in);
void BuildDefaultProfileSection(ProfileSection& profile, const BuilderInputs& in);
void BuildDefaultFireKeyBlock(FireKeyBlock& fireKey, const BuilderInputs& in);

// The image buffer and the working copies of its sections that the pages edit.
// The macro block buffer belongs to the device macro model.
struct ConfigImage {
  ImageBuffer buffer{};
  VendorSection vendor{};
  UserSection user{};
  ProfileSection profile1{};
  ProfileSection profile2{};
  FireKeyBlock fireKey{};
  GunTable committedGunTable{};
  GunTable workingGunTable{};
  PatchRecord patchRecord{};

  // Verify a working copy; when its checksum is wrong rebuild it with the default
  // builder and store a fresh checksum. The image buffer is never touched.
  void CheckVendorSection(const BuilderInputs& in);
  void CheckUserSection(const BuilderInputs& in);
  void CheckProfile1Section(const BuilderInputs& in);
  void CheckProfile2Section(const BuilderInputs& in);

  void UpdateVendorChecksum();
  void UpdateUserChecksum();
  void UpdateProfileChecksum();  // both profile tables

  // Copies vendor, user, profile 1 and profile 2 (each followed by its check) and the
  // fire-key block from the buffer into the working copies.
  void splitCheckedSections(const BuilderInputs& in);
  // committed gun table := buffer 304..471, then each record into the working table.
  void splitGunTable();
  void splitPatchRecord();
  // The patch check value of the patch record (bytes 1014..1015, big-endian).
  uint16_t patchCheckValue() const;
};

// The three default stores that feed "no device" and the restore-default choices.
struct DefaultStores {
  std::array<ImageBuffer, 3> store{};
  // Re-reads the built-in images into the stores when the configured memory type is
  // "I2C" or "KV204". "Flash" would need 32 pages per store, which the built-in image
  // does not have, so it and every other memory type leave the stores as they are.
  void LoadDefaultImages(const std::string& configuredMemoryType);
};

}  // namespace mousecfg
