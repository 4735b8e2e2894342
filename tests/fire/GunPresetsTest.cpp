#include "fire/GunPresets.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/ProgramOptions.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

std::array<uint8_t, gun::kRecordLength> record(std::vector<uint8_t> events) {
  std::array<uint8_t, gun::kRecordLength> bytes{};
  std::copy(events.begin(), events.end(), bytes.begin());
  return bytes;
}

const std::vector<uint8_t> kDefaultGun1{0xA1, 0xFE, 0x00, 0x06, 0xFD, 0x00, 0x04, 0x00, 0x07,
                                        0xFE, 0x00, 0x14, 0xFC, 0x21, 0xFE, 0x00, 0x06};

TEST(GunRecordScan, TheDefaultGunShowsTheDelayAfterItsMoveNotTheFirstOne) {
  const GunRecordFields fields = scanGunRecord(record(kDefaultGun1));
  EXPECT_EQ(fields.fireCount, 0);
  EXPECT_EQ(fields.x, 0);
  EXPECT_EQ(fields.y, 7);
  EXPECT_EQ(fields.delayMs, 20);
  EXPECT_EQ(fields.fireCountAt, 5u);
  EXPECT_EQ(fields.xAt, 7u);
  EXPECT_EQ(fields.yAt, 8u);
  EXPECT_EQ(fields.delayAt, 10u);
  EXPECT_EQ(fields.usedLength, 18u);
}

TEST(GunRecordScan, MovesAreSignedAndTheLastOneWins) {
  const GunRecordFields fields = scanGunRecord(
      record({0xFD, 0x03, 0x04, 0x05, 0x05, 0x04, 0x80, 0xFF, 0xFD, 0x09, 0xFE, 0x01, 0x2C}));
  EXPECT_EQ(fields.x, -128);
  EXPECT_EQ(fields.y, -1);
  EXPECT_EQ(fields.xAt, 6u);
  EXPECT_EQ(fields.fireCount, 9) << "the last repeat start";
  EXPECT_EQ(fields.delayMs, 300);
}

TEST(GunRecordScan, ADelayBeforeAnyMoveIsNotTheFireDelay) {
  const GunRecordFields fields = scanGunRecord(record({0xFE, 0x00, 0x30, 0xA1, 0x21}));
  EXPECT_FALSE(fields.delayAt);
  EXPECT_EQ(fields.delayMs, 0);
  EXPECT_FALSE(fields.xAt);
  EXPECT_FALSE(fields.fireCountAt);
}

TEST(GunRecordScan, UnknownBytesAreSteppedOverOneByOne) {
  // 0x33 is no event: the scan steps over it and still finds the move behind it.
  const GunRecordFields fields = scanGunRecord(record({0x33, 0x04, 0x02, 0x03, 0xFE, 0x00, 0x09}));
  EXPECT_EQ(fields.x, 2);
  EXPECT_EQ(fields.y, 3);
  EXPECT_EQ(fields.delayMs, 9);
}

TEST(GunRecordScan, AnEventCutOffByTheRecordsEndGivesNothing) {
  std::array<uint8_t, gun::kRecordLength> bytes{};
  bytes.fill(0xA1);
  bytes[22] = 0x04;  // a move whose Y would lie past the record
  bytes[23] = 0x11;
  const GunRecordFields cut = scanGunRecord(bytes);
  EXPECT_FALSE(cut.xAt);
  EXPECT_EQ(cut.usedLength, 24u);

  bytes[22] = 0xFD;  // a repeat start's count is the last byte: still inside
  EXPECT_EQ(scanGunRecord(bytes).fireCount, 0x11);
}

TEST(GunEntry, HoldsKeepLeftGunStagesAndComboByte) {
  EXPECT_EQ(hexBytes(gunPresetEntry(3, true, 1, 0x00)), "0B 12 01 00");
  EXPECT_EQ(hexBytes(gunPresetEntry(7, false, 1, 0x08)), "0B 06 01 08");
  ProgramOptions options;
  options.gun6Num = 2;
  EXPECT_EQ(gunStageCount(6, options), 2);
  EXPECT_EQ(gunStageCount(5, options), 1);
  options.gun7Num = 3;
  EXPECT_EQ(gunStageCount(7, options), 1) << "gun 7 entries are built with one stage";
}

TEST(GunEntry, TheComboByteComesFromTheLastGunEntryOfBothTables) {
  ConfigImage image;
  FireMacroCodeSet noCodes;
  EXPECT_EQ(gunComboEnable(image, noCodes), 0x00);
  std::copy_n(std::array<uint8_t, 4>{0x0B, 0x00, 0x01, 0x08}.begin(), 4, image.profile1.begin());
  EXPECT_EQ(gunComboEnable(image, noCodes), 0x08);
  std::copy_n(std::array<uint8_t, 4>{0x0B, 0x11, 0x01, 0x02}.begin(), 4,
              image.profile2.begin() + 8);
  EXPECT_EQ(gunComboEnable(image, noCodes), 0x02) << "profile 2 is scanned after profile 1";
  std::copy_n(std::array<uint8_t, 4>{0x0B, 0x09, 0x01, 0x80}.begin(), 4,
              image.profile2.begin() + 16);
  EXPECT_EQ(gunComboEnable(image, noCodes), 0x02) << "gun 10 is no gun preset";
}

TEST(GunEntry, WithFireMacroCodesTheCodesCount) {
  ConfigImage image;
  FireMacroCodeSet codes;
  codes.present = true;
  codes.codes[0] = {0x0B, 0x09, 0x01, 0x00};
  std::copy_n(std::array<uint8_t, 4>{0x0B, 0x09, 0x01, 0x20}.begin(), 4, image.profile1.begin());
  EXPECT_EQ(gunComboEnable(image, codes), 0x20);
}

TEST(GunOffsetsAndColours, AreSignedUserBytesAndVendorColourSlots) {
  UserSection user{};
  user[image::kUserXOffsets + 2] = 0xFB;
  user[image::kUserYOffsets + 2] = 0x05;
  EXPECT_EQ(gunXOffset(user, 3), -5);
  EXPECT_EQ(gunYOffset(user, 3), 5);
  VendorSection vendor{};
  vendor[57 + 6] = 0x00, vendor[58 + 6] = 0xFF, vendor[59 + 6] = 0xFF;
  EXPECT_EQ(gunColour(vendor, 3), 0x00FFFFu);
  EXPECT_EQ(gun::colourOffset(7), 75u);
}

}  // namespace
}  // namespace mousecfg::test
