#include "device/ConfigImage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DefaultImage.h"
#include "support/HexBytes.h"

namespace mousecfg {
namespace {

using test::hexRange;
using test::hexRepeat;

template <typename Bytes>
std::string hexAll(const Bytes& bytes) {
  return hexRange(bytes, 0, bytes.size());
}

// A copy whose every byte is 0xAA, so bytes a builder leaves alone stand out.
template <typename Section>
Section filledWithAA() {
  Section section;
  section.fill(0xAA);
  return section;
}

// ---- Checksum ----

TEST(SectionChecksum, OfZeroBytesIsTheXorValue) {
  const std::vector<uint8_t> section(164, 0x00);  // 163 data bytes and the checksum slot
  EXPECT_EQ(sectionChecksum(section), 0x5A);
}

TEST(SectionChecksum, SumsModulo256AndIgnoresTheLastByte) {
  const std::vector<uint8_t> section = {0xFF, 0x02, 0x77};
  EXPECT_EQ(sectionChecksum(section), 0x01 ^ 0x5A);
}

TEST(SectionChecksum, StoreThenValidate) {
  std::vector<uint8_t> section = {0x10, 0x20, 0x30, 0x00};
  EXPECT_FALSE(hasValidChecksum(section));
  storeChecksum(section);
  EXPECT_EQ(section.back(), 0x60 ^ 0x5A);
  EXPECT_TRUE(hasValidChecksum(section));
  section[1] ^= 0x01;
  EXPECT_FALSE(hasValidChecksum(section));
}

TEST(SectionChecksum, EmptySectionIsNeverValidAndNotWritten) {
  std::vector<uint8_t> empty;
  EXPECT_FALSE(hasValidChecksum(empty));
  storeChecksum(empty);  // must not touch memory
  EXPECT_TRUE(empty.empty());
}

// ---- Vendor builder ----

const std::string kSensorRegisters =
    "0F FF 04 21 10 0A 08 10 45 02 98 10 FF 10 EF 10 FF 02 60 31 01 32 48 96 FA 10 1E 02 31 20 13";
const std::string kBuilderColours =
    "FF 00 00 FF 80 00 FF FF 00 00 FF 00 00 00 FF 00 FF 80 00 FF FF 80 00 FF FF 00 FF FF FF FF";
const std::string kBuilderDpiColours =
    "00 FF 00 FF FF 00 FF 80 00 FF 00 00 FF 00 80 FF 00 FF 80 00 FF 00 00 FF";

VendorSection builtVendor(const BuilderInputs& in) {
  VendorSection vendor = filledWithAA<VendorSection>();
  BuildDefaultVendorSection(vendor, in);
  return vendor;
}

TEST(VendorBuilder, RgbI2cFirstPackageGivesTheWholeSection) {
  const std::string expected =
      "3A 7E 05 ED BF FF 7F 7F AF " + kSensorRegisters +
      " 06 87 3F 03 64 98 00 00 01 00 80 00 00 64 00 64 08 " + kBuilderColours + " " +
      kBuilderDpiColours +
      " 48 49 44 20 47 61 6D 69 6E 67 20 6D 6F 75 73 65 "  // "HID Gaming mouse"
      "00 00 00 00 00 00 00 00 08 01 00 00 " +
      hexRepeat(0x00, 24) + " 1F";
  EXPECT_EQ(hexAll(builtVendor({"RGB", "I2C", 0})), expected);
}

TEST(VendorBuilder, SyncKeepsBothColourTables) {
  const VendorSection v = builtVendor({"Sync", "I2C", 0});
  EXPECT_EQ(hexRange(v, 5, 4), "3F 7F BF AF");
  EXPECT_EQ(hexRange(v, 42, 1), "05");
  EXPECT_EQ(hexRange(v, 48, 9), "00 00 00 FF 00 64 6D 60 08");
  EXPECT_EQ(hexRange(v, 57, 54), hexRepeat(0xAA, 54));
  EXPECT_TRUE(hasValidChecksum(v));
}

TEST(VendorBuilder, McuLed) {
  const VendorSection v = builtVendor({"MCULED", "I2C", 0});
  EXPECT_EQ(hexRange(v, 5, 4), "3F 7F CF AF");
  EXPECT_EQ(hexRange(v, 42, 1), "7F");
  EXPECT_EQ(hexRange(v, 48, 9), "00 00 00 FF 00 64 00 64 08");
  EXPECT_EQ(hexRange(v, 57, 30), kBuilderColours);
  EXPECT_EQ(hexRange(v, 87, 24), kBuilderDpiColours);
}

TEST(VendorBuilder, SpitLed) {
  const VendorSection v = builtVendor({"SPITLED", "I2C", 0});
  EXPECT_EQ(hexRange(v, 5, 4), "FF 7F FF FF");
  EXPECT_EQ(hexRange(v, 42, 1), "7F");
  EXPECT_EQ(hexRange(v, 48, 9), "00 00 00 FF 00 64 00 64 08");
  EXPECT_EQ(hexRange(v, 57, 30), kBuilderColours);
}

TEST(VendorBuilder, UnknownLedTypeBuildsAsRgb) {
  EXPECT_EQ(hexAll(builtVendor({"Laser", "I2C", 0})), hexAll(builtVendor({"RGB", "I2C", 0})));
  EXPECT_EQ(hexAll(builtVendor({"", "I2C", 0})), hexAll(builtVendor({"RGB", "I2C", 0})));
}

TEST(VendorBuilder, OptionRegister0FollowsTheInterface) {
  EXPECT_EQ(hexRange(builtVendor({"RGB", "I2C", 0}), 4, 1), "BF");
  EXPECT_EQ(hexRange(builtVendor({"RGB", "Flash", 0}), 4, 1), "FF");
  EXPECT_EQ(hexRange(builtVendor({"RGB", "KV204", 0}), 4, 1), "3F");
  EXPECT_EQ(hexRange(builtVendor({"RGB", "", 0}), 4, 1), "AA");
}

TEST(VendorBuilder, LedInitFollowsKv204OrThePackageChoice) {
  EXPECT_EQ(hexRange(builtVendor({"RGB", "I2C", 0}), 40, 2), "06 87");
  EXPECT_EQ(hexRange(builtVendor({"RGB", "I2C", 1}), 40, 2), "00 32");
  EXPECT_EQ(hexRange(builtVendor({"RGB", "I2C", 2}), 40, 2), "AA AA");
  EXPECT_EQ(hexRange(builtVendor({"RGB", "I2C", -1}), 40, 2), "AA AA");
  EXPECT_EQ(hexRange(builtVendor({"RGB", "KV204", 0}), 40, 2), "F0 0A");
  EXPECT_EQ(hexRange(builtVendor({"RGB", "KV204", -1}), 40, 2), "F0 0A");
}

TEST(VendorBuilder, ChecksumCoversTheKeptBytes) {
  for (const BuilderInputs& in : {BuilderInputs{"Sync", "", -1}, BuilderInputs{"RGB", "", 3}}) {
    EXPECT_TRUE(hasValidChecksum(builtVendor(in))) << in.ledType;
  }
}

// ---- User builder ----

UserSection builtUser(const std::string& led) {
  UserSection user = filledWithAA<UserSection>();
  BuildDefaultUserSection(user, {led, "I2C", 0});
  return user;
}

TEST(UserBuilder, RgbGivesTheWholeSection) {
  EXPECT_EQ(hexAll(builtUser("RGB")), "00 05 01 01 " + hexRepeat(0x00, 23) + " 5D");
}

TEST(UserBuilder, LedEffectByteFollowsTheLedType) {
  EXPECT_EQ(hexRange(builtUser("Sync"), 1, 1), "42");
  EXPECT_EQ(hexRange(builtUser("MCULED"), 1, 1), "81");
  EXPECT_EQ(hexRange(builtUser("SPITLED"), 1, 1), "02");
  EXPECT_EQ(hexRange(builtUser("other"), 1, 1), "05");
  EXPECT_TRUE(hasValidChecksum(builtUser("Sync")));
}

// ---- Profile builder ----

const std::string kBuilderEntries =
    "01 01 00 00 01 08 00 00 06 12 00 10 01 02 00 00 01 10 00 00 02 08 07 00 "
    "01 04 00 00 09 00 00 00 08 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00";

TEST(ProfileBuilder, FirstTwoPackageChoicesWriteTheEntriesOnly) {
  for (int choice : {0, 1}) {
    ProfileSection profile = filledWithAA<ProfileSection>();
    BuildDefaultProfileSection(profile, {"RGB", "I2C", choice});
    EXPECT_EQ(hexAll(profile), kBuilderEntries + " AA") << "choice " << choice;
  }
}

TEST(ProfileBuilder, OtherPackageChoicesLeaveTheCopyUnchanged) {
  for (int choice : {-1, 2, 5}) {
    ProfileSection profile = filledWithAA<ProfileSection>();
    BuildDefaultProfileSection(profile, {"RGB", "I2C", choice});
    EXPECT_EQ(hexAll(profile), hexRepeat(0xAA, 49)) << "choice " << choice;
  }
}

// ---- Fire-key block builder ----

std::string builtFireKey(const std::string& interfaceType) {
  FireKeyBlock block = filledWithAA<FireKeyBlock>();
  BuildDefaultFireKeyBlock(block, {"RGB", interfaceType, 0});
  return hexAll(block);
}

TEST(FireKeyBuilder, MemoryByteFollowsTheInterface) {
  const std::string keys = "FF FF 01 00 3C 03 00 78 07 00 C8 ";
  EXPECT_EQ(builtFireKey("I2C"), keys + "E0");
  EXPECT_EQ(builtFireKey("KV204"), keys + "58");
  EXPECT_EQ(builtFireKey("Flash"), keys + "F0");
  EXPECT_EQ(builtFireKey(""), keys + "AA");
}

// ---- Checks and the split ----

ConfigImage splitDefault(const BuilderInputs& in, size_t alteredOffset) {
  ConfigImage config;
  config.buffer = builtInDefaultImage();
  config.buffer[alteredOffset] ^= 0x01;
  config.splitCheckedSections(in);
  return config;
}

TEST(CheckSections, AlteredVendorByteRebuildsOnlyTheVendorCopy) {
  const BuilderInputs in{"RGB", "I2C", 0};
  const ConfigImage config = splitDefault(in, 50);
  const auto& image = builtInDefaultImage();

  // For these inputs the builder sets every byte, whatever the copy held.
  VendorSection expected = filledWithAA<VendorSection>();
  BuildDefaultVendorSection(expected, in);
  EXPECT_EQ(hexAll(config.vendor), hexAll(expected));
  EXPECT_EQ(hexRange(config.vendor, 163, 1), "1F");
  EXPECT_TRUE(hasValidChecksum(config.vendor));

  EXPECT_EQ(hexAll(config.user), hexRange(image, 164, 28));
  EXPECT_EQ(hexAll(config.profile1), hexRange(image, 192, 49));
  EXPECT_EQ(hexAll(config.profile2), hexRange(image, 241, 49));
  EXPECT_EQ(hexAll(config.fireKey), hexRange(image, 290, 12));
}

TEST(CheckSections, RebuildKeepsTheBytesTheBuilderLeavesAlone) {
  // A Sync mouse with no interface type and no package: colours, option 0 and LED init
  // come from the damaged copy.
  const ConfigImage config = splitDefault({"Sync", "", -1}, 0);
  const auto& image = builtInDefaultImage();
  EXPECT_EQ(hexRange(config.vendor, 0, 4), "3A 7E 05 ED");
  EXPECT_EQ(hexRange(config.vendor, 4, 1), hexRange(image, 4, 1));
  EXPECT_EQ(hexRange(config.vendor, 40, 2), hexRange(image, 40, 2));
  EXPECT_EQ(hexRange(config.vendor, 57, 54), hexRange(image, 57, 54));
  EXPECT_TRUE(hasValidChecksum(config.vendor));
}

TEST(CheckSections, ChecksNeverTouchTheImageBuffer) {
  const ConfigImage config = splitDefault({"RGB", "I2C", 0}, 170);
  std::array<uint8_t, 2048> expected = builtInDefaultImage();
  expected[170] ^= 0x01;
  EXPECT_EQ(hexAll(config.buffer), hexAll(expected));
}

TEST(CheckSections, AlteredUserByteRebuildsTheUserCopy) {
  const ConfigImage config = splitDefault({"MCULED", "I2C", 0}, 170);
  EXPECT_EQ(hexAll(config.user), "00 81 01 01 " + hexRepeat(0x00, 23) + " D9");
  EXPECT_EQ(hexAll(config.vendor), hexRange(builtInDefaultImage(), 0, 164));
}

TEST(CheckSections, AlteredProfileEntryGetsTheBuilderEntries) {
  const ConfigImage config = splitDefault({"RGB", "I2C", 1}, 241 + 5);
  EXPECT_EQ(hexRange(config.profile2, 0, 48), kBuilderEntries);
  EXPECT_TRUE(hasValidChecksum(config.profile2));
  EXPECT_EQ(hexAll(config.profile1), hexRange(builtInDefaultImage(), 192, 49));
}

TEST(CheckSections, ProfileWithoutBuilderPackageKeepsItsEntriesWithAFreshChecksum) {
  const ConfigImage config = splitDefault({"RGB", "I2C", -1}, 192 + 5);
  std::array<uint8_t, 49> expected;
  std::copy_n(builtInDefaultImage().begin() + 192, 49, expected.begin());
  expected[5] ^= 0x01;
  storeChecksum(expected);
  EXPECT_EQ(hexAll(config.profile1), hexAll(expected));
}

TEST(CheckSections, ValidSectionIsKeptEvenWhenItDiffersFromTheDefaults) {
  ConfigImage config;
  config.user.fill(0x33);
  storeChecksum(config.user);
  const UserSection before = config.user;
  config.CheckUserSection({"RGB", "I2C", 0});
  EXPECT_EQ(hexAll(config.user), hexAll(before));
}

TEST(UpdateChecksums, EachStoresItsSectionsChecksum) {
  ConfigImage config;
  config.vendor[0] = 0x01;
  config.user[0] = 0x02;
  config.profile1[0] = 0x03;
  config.profile2[0] = 0x04;
  config.UpdateVendorChecksum();
  config.UpdateUserChecksum();
  config.UpdateProfileChecksum();
  EXPECT_EQ(hexRange(config.vendor, 163, 1), "5B");
  EXPECT_EQ(hexRange(config.user, 27, 1), "58");
  EXPECT_EQ(hexRange(config.profile1, 48, 1), "59");
  EXPECT_EQ(hexRange(config.profile2, 48, 1), "5E");
}

// A buffer whose bytes differ from their neighbours, with valid section checksums.
ImageBuffer patternedBuffer() {
  ImageBuffer buffer;
  for (size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<uint8_t>(i * 7 + 3);
  storeChecksum(std::span<uint8_t>(buffer).subspan(0, 164));
  storeChecksum(std::span<uint8_t>(buffer).subspan(164, 28));
  storeChecksum(std::span<uint8_t>(buffer).subspan(192, 49));
  storeChecksum(std::span<uint8_t>(buffer).subspan(241, 49));
  return buffer;
}

TEST(SplitImage, CheckedSectionsAndFireKeyBlockCopyTheirRanges) {
  ConfigImage config;
  config.buffer = patternedBuffer();
  config.splitCheckedSections({"RGB", "I2C", 0});
  EXPECT_EQ(hexAll(config.vendor), hexRange(config.buffer, 0, 164));
  EXPECT_EQ(hexAll(config.user), hexRange(config.buffer, 164, 28));
  EXPECT_EQ(hexAll(config.profile1), hexRange(config.buffer, 192, 49));
  EXPECT_EQ(hexAll(config.profile2), hexRange(config.buffer, 241, 49));
  EXPECT_EQ(hexAll(config.fireKey), hexRange(config.buffer, 290, 12));
}

TEST(SplitImage, GunTableFillsTheCommittedAndTheWorkingCopy) {
  ConfigImage config;
  config.buffer = patternedBuffer();
  config.workingGunTable.fill(0xEE);
  config.splitGunTable();
  EXPECT_EQ(hexAll(config.committedGunTable), hexRange(config.buffer, 304, 168));
  EXPECT_EQ(hexAll(config.workingGunTable), hexRange(config.buffer, 304, 168));
}

TEST(SplitImage, PatchRecordAndItsCheckValue) {
  ConfigImage config;
  config.buffer = patternedBuffer();
  config.buffer[1014] = 0x12;
  config.buffer[1015] = 0xAB;
  config.splitPatchRecord();
  EXPECT_EQ(hexAll(config.patchRecord), hexRange(config.buffer, 1008, 16));
  EXPECT_EQ(config.patchCheckValue(), 0x12AB);
}

// ---- Default stores ----

TEST(DefaultStores, I2cAndKv204LoadTheBuiltInImageIntoAllThreeStores) {
  for (const char* memoryType : {"I2C", "KV204"}) {
    DefaultStores stores;
    for (ImageBuffer& one : stores.store) one.fill(0x11);
    stores.LoadDefaultImages(memoryType);
    for (const ImageBuffer& one : stores.store) {
      EXPECT_EQ(hexAll(one), hexAll(builtInDefaultImage())) << memoryType;
    }
  }
}

TEST(DefaultStores, OtherMemoryTypesLeaveTheStoresAsTheyWere) {
  for (const char* memoryType : {"Flash", "", "i2c"}) {
    DefaultStores stores;
    for (ImageBuffer& one : stores.store) one.fill(0x11);
    stores.LoadDefaultImages(memoryType);
    for (const ImageBuffer& one : stores.store) {
      EXPECT_EQ(hexAll(one), hexRepeat(0x11, 2048)) << memoryType;
    }
  }
}

}  // namespace
}  // namespace mousecfg
