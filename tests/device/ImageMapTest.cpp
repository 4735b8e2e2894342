#include "device/ImageMap.h"

#include <gtest/gtest.h>

namespace mousecfg {
namespace {

using namespace image;

TEST(UserSectionNibbles, TheActiveProfileIsTheLowNibbleOfByte0) {
  EXPECT_EQ(activeProfileCode(0x00), kProfile1Code);
  EXPECT_EQ(activeProfileCode(0x01), kProfile2Code);
  EXPECT_EQ(activeProfileCode(0xF1), kProfile2Code) << "the high nibble is not the profile";
  EXPECT_EQ(activeProfileCode(0x42), 2) << "the third mode";
}

TEST(UserSectionNibbles, SettingTheActiveProfileKeepsTheHighNibble) {
  EXPECT_EQ(withActiveProfileCode(0xA0, kProfile2Code), 0xA1);
  EXPECT_EQ(withActiveProfileCode(0xA1, kProfile1Code), 0xA0);
  EXPECT_EQ(withActiveProfileCode(0x0F, 2), 0x02);
  EXPECT_EQ(withActiveProfileCode(0x30, 0x15), 0x35) << "a code never reaches the high nibble";
}

TEST(UserSectionNibbles, TheLedEffectIsTheLowNibbleOfByte1) {
  EXPECT_EQ(ledEffectCodeOf(0x81), 0x01);
  EXPECT_EQ(ledEffectCodeOf(0x4F), 0x0F);
  EXPECT_EQ(withLedEffectCode(0x81, 0x05), 0x85);
  EXPECT_EQ(withLedEffectCode(0x4F, 0x00), 0x40);
  EXPECT_EQ(withLedEffectCode(0x40, 0x17), 0x47);
}

}  // namespace
}  // namespace mousecfg
