#include "DefaultImage.h"

#include <gtest/gtest.h>

#include <string>

#include "device/ConfigImage.h"
#include "support/HexBytes.h"

namespace mousecfg {
namespace {

using test::hexRange;
using test::hexRepeat;

const std::array<uint8_t, 2048>& image() {
  return builtInDefaultImage();
}

std::string at(size_t offset, size_t length) {
  return hexRange(image(), offset, length);
}

TEST(DefaultImage, ChecksumBytesAreC6D87B7B) {
  EXPECT_EQ(at(163, 1), "C6");
  EXPECT_EQ(at(191, 1), "D8");
  EXPECT_EQ(at(240, 1), "7B");
  EXPECT_EQ(at(289, 1), "7B");
}

TEST(DefaultImage, EveryChecksummedSectionAddsUp) {
  const std::span<const uint8_t> bytes(image());
  EXPECT_TRUE(hasValidChecksum(bytes.subspan(0, 164)));
  EXPECT_TRUE(hasValidChecksum(bytes.subspan(164, 28)));
  EXPECT_TRUE(hasValidChecksum(bytes.subspan(192, 49)));
  EXPECT_TRUE(hasValidChecksum(bytes.subspan(241, 49)));
  EXPECT_TRUE(hasValidChecksum(bytes.subspan(1016, 8)));
}

TEST(DefaultImage, PassesAllFourChecksUnchanged) {
  ConfigImage config;
  config.buffer = image();
  // Inputs whose builders would give different bytes, so a rebuild would show.
  config.splitCheckedSections({"Sync", "KV204", 0});
  EXPECT_EQ(hexRange(config.vendor, 0, 164), at(0, 164));
  EXPECT_EQ(hexRange(config.user, 0, 28), at(164, 28));
  EXPECT_EQ(hexRange(config.profile1, 0, 49), at(192, 49));
  EXPECT_EQ(hexRange(config.profile2, 0, 49), at(241, 49));
  EXPECT_EQ(hexRange(config.fireKey, 0, 12), at(290, 12));
}

TEST(DefaultImage, VendorAndProductIds) {
  EXPECT_EQ(at(0, 4), "3A 7E 05 ED");
}

TEST(DefaultImage, OptionRegisters) {
  EXPECT_EQ(at(4, 5), "FF 0F 7F 7F AF");
}

TEST(DefaultImage, SensorRegisters) {
  EXPECT_EQ(at(9, 31),
            "0F FF 04 21 10 0A 08 10 45 02 98 10 FF 10 EF 10 FF 02 60 31 01 32 48 96 FA 10 1E 02 "
            "31 20 13");
}

TEST(DefaultImage, LedInitAndBreathingMode) {
  EXPECT_EQ(at(40, 3), "00 46 FE");
}

TEST(DefaultImage, SixDpiLevelsWithTheSecondActive) {
  EXPECT_EQ(at(43, 5), "05 63 A8 EB 00");
  EXPECT_EQ(at(166, 1), "01");
}

TEST(DefaultImage, ReportRateIs1000Hz) {
  EXPECT_EQ((image()[4] >> 4) & 0x03, 3);
}

TEST(DefaultImage, BreathingParameters) {
  EXPECT_EQ(at(48, 9), "00 00 00 FF 00 64 00 64 09");
}

TEST(DefaultImage, ColourTable) {
  // green, red, blue, cyan, yellow, orange, magenta, pink, violet, white
  EXPECT_EQ(at(57, 30),
            "00 FF 00 FF 00 00 00 00 FF 00 FF FF FF FF 00 FF 80 00 FF 00 FF FF 00 80 7F 00 FF FF "
            "FF FF");
}

TEST(DefaultImage, DpiLevelColours) {
  // red, green, blue, yellow, cyan, magenta, orange, grey
  EXPECT_EQ(at(87, 24), "FF 00 00 00 FF 00 00 00 FF FF FF 00 00 FF FF FF 00 FF FF 7F 00 7F 7F 7F");
}

TEST(DefaultImage, ProductString) {
  EXPECT_EQ(std::string(image().begin() + 111, image().begin() + 127), "USB Gaming Mouse");
}

TEST(DefaultImage, ComboKeys) {
  EXPECT_EQ(at(127, 36), "00 00 00 00 0E 00 00 00 07 80 00 18 " + hexRepeat(0x00, 24));
}

TEST(DefaultImage, UserSection) {
  EXPECT_EQ(at(164, 28), "00 81 01 " + hexRepeat(0x00, 24) + " D8");
}

TEST(DefaultImage, BothProfileTablesHoldTheDefaultButtons) {
  const std::string entries =
      "01 01 00 00 01 08 00 02 06 92 00 1E 01 02 00 00 01 10 00 00 09 01 00 00 "
      "01 04 00 00 09 00 00 00 09 02 00 00 0E 00 00 00 08 00 00 00 02 08 07 00 7B";
  EXPECT_EQ(at(192, 49), entries);
  EXPECT_EQ(at(241, 49), entries);
}

TEST(DefaultImage, FireKeyBlockHoldsCounts358At30Ms) {
  EXPECT_EQ(at(290, 12), "FF FF 02 00 1E 04 00 1E 07 00 1E E0");
}

TEST(DefaultImage, UninterpretedBytes) {
  EXPECT_EQ(at(302, 2), "05 00");
  EXPECT_EQ(at(472, 12), "00 00 " + hexRepeat(0xFF, 10));
}

TEST(DefaultImage, IdentityRecordExpectsGenericIdsOnI2cMemory) {
  EXPECT_EQ(at(484, 12), "FF FF 02 00 32 04 00 32 07 00 32 E0");
}

TEST(DefaultImage, GunPresets) {
  const std::string zeros = std::string(" ").append(hexRepeat(0x00, 7));
  EXPECT_EQ(at(304, 24), "A1 FE 00 06 FD 00 04 00 07 FE 00 14 FC 21 FE 00 06" + zeros);
  EXPECT_EQ(at(328, 24), "FD 00 A1 FE 00 18 04 00 0C FE 00 01 21 FE 00 18 FC" + zeros);
  EXPECT_EQ(at(352, 24), "A1 FE 00 06 FD 00 04 00 05 FE 00 10 FC 21 FE 00 06" + zeros);
  EXPECT_EQ(at(376, 24), "A1 FE 00 06 FD 00 04 00 05 FE 00 14 FC 21 FE 00 06" + zeros);
  EXPECT_EQ(at(400, 24), "A1 FE 00 06 FD 00 04 00 06 FE 00 14 FC 21 FE 00 06" + zeros);
  EXPECT_EQ(at(424, 24), "A1 FE 00 06 FD 00 04 00 0A FE 00 10 FC 21 FE 00 06" + zeros);
  EXPECT_EQ(at(448, 24), "A1 FE 00 06 FD 00 04 00 10 FE 00 14 FC 21 FE 00 06" + zeros);
}

TEST(DefaultImage, MacroBlockHoldsNoMacros) {
  EXPECT_EQ(at(496, 1008 - 496), hexRepeat(0x00, 1008 - 496));
}

TEST(DefaultImage, PatchRecordHoldsOnlyTheFlowingLedBlock) {
  EXPECT_EQ(at(1008, 16), "00 00 00 00 00 00 00 00 02 80 00 00 00 00 00 D8");
}

TEST(DefaultImage, PatchCodeAreaIsEmpty) {
  EXPECT_EQ(at(1024, 1024), hexRepeat(0x00, 1024));
}

}  // namespace
}  // namespace mousecfg
