#include "settings/FlowingLedBlock.h"

#include <gtest/gtest.h>

#include "DefaultImage.h"
#include "support/HexBytes.h"

namespace mousecfg {
namespace {

using test::hexBytes;
using test::hexRange;

TEST(FlowingLedBlockTest, DefaultSettingsEncodeAsTheBuiltInBlock) {
  EXPECT_EQ(hexBytes(encodeFlowingLed({2, true, 13})), "02 80 00 00 00 00 00 D8");
  EXPECT_EQ(hexRange(builtInDefaultImage(), image::kFlowingLedOffset, image::kFlowingLedLength),
            "02 80 00 00 00 00 00 D8");
}

TEST(FlowingLedBlockTest, SpeedBrightnessAndLedCountWithTheirChecksum) {
  EXPECT_EQ(hexBytes(encodeFlowingLed({5, true, 13})), "05 80 00 00 00 00 00 DF");
  EXPECT_EQ(hexBytes(encodeFlowingLed({7, false, 4})), "07 09 00 00 00 00 00 4A");
  EXPECT_EQ(hexBytes(encodeFlowingLed({0, false, 13})), "00 00 00 00 00 00 00 5A");
}

TEST(FlowingLedBlockTest, OutOfRangeSettingsAreClamped) {
  EXPECT_EQ(hexBytes(encodeFlowingLed({9, true, 20})), hexBytes(encodeFlowingLed({7, true, 13})));
  EXPECT_EQ(hexBytes(encodeFlowingLed({-1, true, 1})), hexBytes(encodeFlowingLed({0, true, 4})));
}

TEST(FlowingLedBlockTest, DecodeReadsBackWhatWasEncoded) {
  for (int step = 0; step < kFlowSpeedSteps; ++step)
    for (bool full : {false, true})
      for (int leds = kFewestFlowLeds; leds <= kMostFlowLeds; ++leds) {
        const FlowingLedSettings settings{step, full, leds};
        EXPECT_EQ(decodeFlowingLed(encodeFlowingLed(settings)), settings);
      }
  const FlowingLedBlock garbage{0xFF, 0x7F, 0, 0, 0, 0, 0, 0};
  const FlowingLedSettings read = decodeFlowingLed(garbage);
  EXPECT_EQ(read.speedStep, 7);
  EXPECT_FALSE(read.fullBrightness);
  EXPECT_EQ(read.ledCount, 4) << "count code 15 is below the fewest LEDs";
}

}  // namespace
}  // namespace mousecfg
