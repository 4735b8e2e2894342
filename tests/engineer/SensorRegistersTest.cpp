#include "engineer/SensorRegisters.h"

#include <gtest/gtest.h>

#include "DefaultImage.h"

namespace mousecfg::test {
namespace {

TEST(SensorRegistersTest, DefaultsAreTheBuiltInImages) {
  const auto& image = builtInDefaultImage();
  for (const HexRegister& sensor : kSensorRegisters)
    EXPECT_EQ(sensor.defaultValue, image[sensor.offset]) << sensor.caption;
  for (const HexRegister& led : kLedInitRegisters)
    EXPECT_EQ(led.defaultValue, image[led.offset]) << led.caption;
}

TEST(SensorRegistersTest, OneRegisterPerByteFrom9To41) {
  for (size_t offset = 9; offset <= 41; ++offset) {
    const HexRegister* found = hexRegisterAt(offset);
    ASSERT_NE(found, nullptr) << offset;
    EXPECT_EQ(found->offset, offset);
  }
  EXPECT_EQ(hexRegisterAt(8), nullptr);
  EXPECT_EQ(hexRegisterAt(42), nullptr);
}

TEST(SensorRegistersTest, CaptionsAsThePageShowsThem) {
  EXPECT_EQ(hexRegisterAt(9)->caption, "Smth_Misc:");
  EXPECT_EQ(hexRegisterAt(27)->caption, "CrpCntThr_LftBpsGainThr:");
  EXPECT_EQ(hexRegisterAt(35)->caption, "illumXledAvgThr:");
  EXPECT_EQ(hexRegisterAt(39)->caption, "SrchRgDlt_G8CorBit:");
  EXPECT_EQ(hexRegisterAt(40)->caption, "LED Init0:");
  EXPECT_EQ(hexRegisterAt(41)->caption, "LED Init1:");
}

}  // namespace
}  // namespace mousecfg::test
