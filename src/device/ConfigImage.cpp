#include "device/ConfigImage.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

#include "DefaultImage.h"
#include "device/ImageSections.h"

namespace mousecfg {

using namespace image;

namespace {

enum class LedKind { Rgb, Sync, McuLed, SpitLed, Other };

LedKind ledKindOf(std::string_view ledType) {
  if (ledType == ledtype::kRgb) return LedKind::Rgb;
  if (ledType == ledtype::kSync) return LedKind::Sync;
  if (ledType == ledtype::kMcuLed) return LedKind::McuLed;
  if (ledType == ledtype::kSpitLed) return LedKind::SpitLed;
  return LedKind::Other;
}

bool isMcuOrSpit(LedKind led) {
  return led == LedKind::McuLed || led == LedKind::SpitLed;
}

// A plain loop on purpose: g++ 12 at -O3 dropped some of these stores when they were
// written with std::copy from the initializer list.
void put(std::span<uint8_t> target, size_t offset, std::initializer_list<uint8_t> values) {
  for (uint8_t value : values) target[offset++] = value;
}

void putBigEndian(std::span<uint8_t> target, size_t offset, uint16_t value) {
  put(target, offset, {static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)});
}

// Option register 0 for the interface the section is rebuilt for.
std::optional<uint8_t> optionRegister0For(std::string_view interfaceType) {
  if (interfaceType == kMemoryNameI2c) return 0xBF;
  if (interfaceType == kMemoryNameFlash) return 0xFF;
  if (interfaceType == kMemoryNameKv204) return 0x3F;
  return std::nullopt;
}

std::optional<uint8_t> memoryTypeFor(std::string_view interfaceType) {
  if (interfaceType == kMemoryNameI2c) return kMemoryI2c;
  if (interfaceType == kMemoryNameKv204) return kMemoryKv204;
  if (interfaceType == kMemoryNameFlash) return kMemoryFlash;
  return std::nullopt;
}

void buildOptionRegisters(VendorSection& v, LedKind led) {
  switch (led) {
    case LedKind::Sync:
      put(v, kOptionRegistersOffset, {0x3F, 0x7F, 0xBF, 0xAF});
      break;
    case LedKind::McuLed:
      put(v, kOptionRegistersOffset, {0x3F, 0x7F, 0xCF, 0xAF});
      break;
    case LedKind::SpitLed:
      put(v, kOptionRegistersOffset, {0xFF, 0x7F, 0xFF, 0xFF});
      break;
    case LedKind::Rgb:
    case LedKind::Other:
      put(v, kOptionRegistersOffset, {0xFF, 0x7F, 0x7F, 0xAF});
      break;
  }
}

void buildSensorRegisters(VendorSection& v) {
  put(v, kSensorRegistersOffset, {0x0F, 0xFF, 0x04, 0x21, 0x10, 0x0A, 0x08, 0x10, 0x45, 0x02, 0x98,
                                  0x10, 0xFF, 0x10, 0xEF, 0x10, 0xFF, 0x02, 0x60, 0x31, 0x01, 0x32,
                                  0x48, 0x96, 0xFA, 0x10, 0x1E, 0x02, 0x31, 0x20, 0x13});
}

void buildLedInit(VendorSection& v, const BuilderInputs& in) {
  if (in.interfaceType == kMemoryNameKv204) {
    put(v, kLedInitOffset, {0xF0, 0x0A});
  } else if (in.packageChoice == 0) {
    put(v, kLedInitOffset, {0x06, 0x87});
  } else if (in.packageChoice == 1) {
    put(v, kLedInitOffset, {0x00, 0x32});
  }
}

uint8_t breathingModeFor(LedKind led) {
  if (led == LedKind::Sync) return 0x05;
  if (isMcuOrSpit(led)) return 0x7F;
  return 0x3F;
}

// Four levels: 1000, 1600, 2400, 3200.
void buildDpiTable(VendorSection& v) {
  v[kDpiLevelCountOffset] = 0x03;
  put(v, kDpiStepTableOffset, {0x64, 0x98, 0x00, 0x00});
}

void buildBreathing(VendorSection& v, LedKind led) {
  if (led == LedKind::Sync) {
    put(v, kBreathingOffset, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x6D, 0x60, 0x08});
  } else if (isMcuOrSpit(led)) {
    put(v, kBreathingOffset, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x00, 0x64, 0x08});
  } else {
    put(v, kBreathingOffset, {0x01, 0x00, 0x80, 0x00, 0x00, 0x64, 0x00, 0x64, 0x08});
  }
}

void putColours(VendorSection& v, size_t offset, std::initializer_list<uint32_t> colours) {
  for (uint32_t rgb : colours) {
    put(v, offset, {uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb)});
    offset += kColourLength;
  }
}

// A Sync mouse keeps whatever colours the copy held.
void buildColourTables(VendorSection& v, LedKind led) {
  if (led == LedKind::Sync) return;
  putColours(v, kColourTableOffset,
             {0xFF0000, 0xFF8000, 0xFFFF00, 0x00FF00, 0x0000FF, 0x00FF80, 0x00FFFF, 0x8000FF,
              0xFF00FF, 0xFFFFFF});
  putColours(v, kDpiColourOffset,
             {0x00FF00, 0xFFFF00, 0xFF8000, 0xFF0000, 0xFF0080, 0xFF00FF, 0x8000FF, 0x0000FF});
}

void buildProductString(VendorSection& v) {
  constexpr std::string_view kProductString = "HID Gaming mouse";
  static_assert(kProductString.size() == kProductStringLength);
  std::copy(kProductString.begin(), kProductString.end(), v.begin() + kProductStringOffset);
}

void buildComboKeys(VendorSection& v) {
  std::fill_n(v.begin() + kComboKeysOffset, kComboKeyCount * kEntryLength, 0);
  put(v, kComboKeysOffset + 2 * kEntryLength, {0x08, 0x01, 0x00, 0x00});  // button effect switch
}

}  // namespace

uint8_t sectionChecksum(std::span<const uint8_t> section) {
  uint8_t sum = 0;
  for (size_t i = 0; i + 1 < section.size(); ++i) sum = static_cast<uint8_t>(sum + section[i]);
  return sum ^ kChecksumXor;
}

bool hasValidChecksum(std::span<const uint8_t> section) {
  return !section.empty() && section.back() == sectionChecksum(section);
}

void storeChecksum(std::span<uint8_t> section) {
  if (!section.empty()) section.back() = sectionChecksum(section);
}

void BuildDefaultVendorSection(VendorSection& vendor, const BuilderInputs& in) {
  const LedKind led = ledKindOf(in.ledType);
  putBigEndian(vendor, kUsbVendorIdOffset, kDefaultVendorId);
  putBigEndian(vendor, kUsbProductIdOffset, kDefaultProductId);
  if (auto option0 = optionRegister0For(in.interfaceType)) vendor[kOptionRegister0] = *option0;
  buildOptionRegisters(vendor, led);
  buildSensorRegisters(vendor);
  buildLedInit(vendor, in);
  vendor[kBreathingModeOffset] = breathingModeFor(led);
  buildDpiTable(vendor);
  buildBreathing(vendor, led);
  buildColourTables(vendor, led);
  buildProductString(vendor);
  buildComboKeys(vendor);
  storeChecksum(vendor);
}

void BuildDefaultUserSection(UserSection& user, const BuilderInputs& in) {
  user.fill(0);
  switch (ledKindOf(in.ledType)) {
    case LedKind::Sync:
      user[kUserLedEffect] = 0x42;
      break;
    case LedKind::McuLed:
      user[kUserLedEffect] = 0x81;
      break;
    case LedKind::SpitLed:
      user[kUserLedEffect] = 0x02;
      break;
    case LedKind::Rgb:
    case LedKind::Other:
      user[kUserLedEffect] = 0x05;
      break;
  }
  user[kUserActiveDpiLevel] = 1;
  user[kUserButtonEffect] = 1;
  storeChecksum(user);
}

void BuildDefaultProfileSection(ProfileSection& profile, const BuilderInputs& in) {
  if (in.packageChoice != 0 && in.packageChoice != 1) return;
  put(profile, 0, {0x01, 0x01, 0x00, 0x00,  // left
                   0x01, 0x08, 0x00, 0x00,  // backward
                   0x06, 0x12, 0x00, 0x10,  // fire key: count 3, 16 ms
                   0x01, 0x02, 0x00, 0x00,  // right
                   0x01, 0x10, 0x00, 0x00,  // forward
                   0x02, 0x08, 0x07, 0x00,  // Win + D
                   0x01, 0x04, 0x00, 0x00,  // middle
                   0x09, 0x00, 0x00, 0x00,  // DPI loop
                   0x08, 0x00, 0x00, 0x00,  // LED on/off
                   0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00});
}

void BuildDefaultFireKeyBlock(FireKeyBlock& fireKey, const BuilderInputs& in) {
  put(fireKey, 0, {0xFF, 0xFF, 0x01, 0x00, 0x3C, 0x03, 0x00, 0x78, 0x07, 0x00, 0xC8});
  if (auto memoryType = memoryTypeFor(in.interfaceType)) fireKey[kFireKeyMemoryType] = *memoryType;
}

void ConfigImage::CheckVendorSection(const BuilderInputs& in) {
  repairSection(*this, imageSection(SectionId::Vendor), in);
}

void ConfigImage::CheckUserSection(const BuilderInputs& in) {
  repairSection(*this, imageSection(SectionId::User), in);
}

void ConfigImage::CheckProfile1Section(const BuilderInputs& in) {
  repairSection(*this, imageSection(SectionId::Profile1), in);
}

void ConfigImage::CheckProfile2Section(const BuilderInputs& in) {
  repairSection(*this, imageSection(SectionId::Profile2), in);
}

void ConfigImage::UpdateVendorChecksum() {
  storeChecksum(vendor);
}

void ConfigImage::UpdateUserChecksum() {
  storeChecksum(user);
}

void ConfigImage::UpdateProfileChecksum() {
  storeChecksum(profile1);
  storeChecksum(profile2);
}

void ConfigImage::splitCheckedSections(const BuilderInputs& in) {
  for (const ImageSection& section : kImageSections) {
    if (!section.buildDefaults) continue;
    splitSection(*this, section);
    if (section.checksum == SectionChecksum::LastByte) repairSection(*this, section, in);
  }
}

void ConfigImage::splitGunTable() {
  splitSection(*this, imageSection(SectionId::GunPresets));
  for (size_t record = 0; record < kGunRecordCount; ++record) {
    const auto from = committedGunTable.begin() + record * kGunRecordLength;
    std::copy_n(from, kGunRecordLength, workingGunTable.begin() + record * kGunRecordLength);
  }
}

void ConfigImage::splitPatchRecord() {
  splitSection(*this, imageSection(SectionId::Patch));
}

uint16_t ConfigImage::patchCheckValue() const {
  return static_cast<uint16_t>(patchRecord[kPatchCheckInRecord] << 8 |
                               patchRecord[kPatchCheckInRecord + 1]);
}

// "Flash" memory would be loaded as 32 pages per store; the built-in image has one
// page, so that memory type is not supported and leaves the stores as they were.
void DefaultStores::LoadDefaultImages(const std::string& configuredMemoryType) {
  if (configuredMemoryType != kMemoryNameI2c && configuredMemoryType != kMemoryNameKv204) return;
  for (ImageBuffer& one : store) one = builtInDefaultImage();
}

}  // namespace mousecfg
