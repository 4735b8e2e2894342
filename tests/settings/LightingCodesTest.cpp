#include <gtest/gtest.h>

#include "device/ConfigImage.h"
#include "settings/DecimalField.h"
#include "settings/LightingCodes.h"

namespace mousecfg {
namespace {

TEST(LedEffectCodeTest, McuAndSpitLedNumberEffectsFromOneOthersFromZero) {
  EXPECT_EQ(withLedEffect(0x81, ledtype::kMcuLed, 3), 0x83);
  EXPECT_EQ(withLedEffect(0x81, ledtype::kSpitLed, 3), 0x83);
  EXPECT_EQ(withLedEffect(0x81, ledtype::kRgb, 3), 0x82);
  EXPECT_EQ(withLedEffect(0x81, ledtype::kSync, 3), 0x82);
  EXPECT_EQ(withLedEffect(0x81, "", 3), 0x82);
  EXPECT_EQ(withLedEffect(0x85, ledtype::kRgb, 1), 0x80) << "effect 1 on RGB clears the nibble";
  EXPECT_EQ(withLedEffect(0x4F, ledtype::kMcuLed, 7), 0x47) << "high nibble kept";
}

TEST(LedEffectCodeTest, EveryWrittenValueReadsBackAsTheEffectThatWroteIt) {
  for (const char* type : {"RGB", "Sync", "MCULED", "SPITLED", ""}) {
    for (int effect = 1; effect <= kLedEffectCount; ++effect) {
      for (uint8_t high : {0x00, 0x80, 0xF0}) {
        const uint8_t written = withLedEffect(high, type, effect);
        EXPECT_EQ(ledEffectOf(written, type), effect) << type << " effect " << effect;
      }
    }
  }
}

TEST(LedEffectCodeTest, NibblesNoEffectWritesShowNoChoice) {
  EXPECT_EQ(ledEffectOf(0x80, ledtype::kMcuLed), std::nullopt);
  EXPECT_EQ(ledEffectOf(0x88, ledtype::kMcuLed), std::nullopt);
  EXPECT_EQ(ledEffectOf(0x87, ledtype::kRgb), std::nullopt);
  EXPECT_EQ(ledEffectOf(0x0F, ledtype::kSync), std::nullopt);
}

TEST(BreathingSpeedTest, StepTimeShowsTheSpeedByFives) {
  EXPECT_EQ(speedOfStepTime(0), 1);
  EXPECT_EQ(speedOfStepTime(5), 1);
  EXPECT_EQ(speedOfStepTime(6), 2);
  EXPECT_EQ(speedOfStepTime(10), 2);
  EXPECT_EQ(speedOfStepTime(23), 5);
  EXPECT_EQ(speedOfStepTime(45), 9);
  EXPECT_EQ(speedOfStepTime(46), 10);
  EXPECT_EQ(speedOfStepTime(255), 10);
  for (int speed = 1; speed <= kBreathingSpeeds; ++speed)
    EXPECT_EQ(speedOfStepTime(stepTimeOfSpeed(speed)), speed);
}

TEST(BreathingSpeedTest, SliderStyleLightsOnePictureBarStyleLightsUpToTheChoice) {
  EXPECT_TRUE(speedPictureLit(4, 4, true));
  EXPECT_FALSE(speedPictureLit(3, 4, true));
  EXPECT_TRUE(speedPictureLit(1, 4, false));
  EXPECT_TRUE(speedPictureLit(4, 4, false));
  EXPECT_FALSE(speedPictureLit(5, 4, false));
}

TEST(DecimalFieldTest, ReadsDigitsOnlyEmptyIsZeroAndLongNumbersSaturate) {
  EXPECT_EQ(readDecimalField(""), 0);
  EXPECT_EQ(readDecimalField("0042"), 42);
  EXPECT_EQ(readDecimalField("-1"), std::nullopt);
  EXPECT_EQ(readDecimalField("12a"), std::nullopt);
  EXPECT_EQ(readDecimalField(" 1"), std::nullopt);
  EXPECT_GT(*readDecimalField("99999999999999999999999999"), 65535);
}

TEST(DecimalFieldTest, ClampShowsTheMaximumAndValuesOfZeroOrLessShowEmpty) {
  const auto clamped = clampDecimalField("70000", 65535);
  ASSERT_TRUE(clamped);
  EXPECT_EQ(clamped->value, 65535);
  EXPECT_EQ(clamped->text, "65535");
  const auto kept = clampDecimalField("023", 255);
  EXPECT_EQ(kept->value, 23);
  EXPECT_EQ(kept->text, "023");
  EXPECT_FALSE(clampDecimalField("x", 255));
  EXPECT_EQ(decimalFieldText(0), "");
  EXPECT_EQ(decimalFieldText(-5), "");
  EXPECT_EQ(decimalFieldText(255), "255");
}

}  // namespace
}  // namespace mousecfg
