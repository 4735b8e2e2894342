#include "settings/SystemMouseLevels.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace mousecfg::test {
namespace {

using namespace systemmouse;

std::string forLevels(const std::function<int(int)>& valueOf) {
  std::string text;
  for (int level = kMinLevel; level <= kMaxLevel; ++level)
    text += (text.empty() ? "" : " ") + std::to_string(valueOf(level));
  return text;
}

TEST(SystemMouseLevels, SpeedLevelsWriteTheseSensitivities) {
  EXPECT_EQ(forLevels(sensitivityOfSpeedLevel), "1 2 4 6 8 10 12 14 16 18 20");
  EXPECT_EQ(sensitivityOfSpeedLevel(3), 4);
  EXPECT_EQ(sensitivityOfSpeedLevel(0), 1);
  EXPECT_EQ(sensitivityOfSpeedLevel(40), 20);
}

TEST(SystemMouseLevels, SensitivitiesReadBackAsLevels) {
  EXPECT_EQ(speedLevelOfSensitivity(0), 1);
  EXPECT_EQ(speedLevelOfSensitivity(1), 1);
  EXPECT_EQ(speedLevelOfSensitivity(2), 2);
  EXPECT_EQ(speedLevelOfSensitivity(3), 2);
  EXPECT_EQ(speedLevelOfSensitivity(4), 3);
  EXPECT_EQ(speedLevelOfSensitivity(10), 6);
  EXPECT_EQ(speedLevelOfSensitivity(19), 10);
  EXPECT_EQ(speedLevelOfSensitivity(20), 11);
  EXPECT_EQ(speedLevelOfSensitivity(21), 6);
  EXPECT_EQ(speedLevelOfSensitivity(-3), 6);
  EXPECT_EQ(
      forLevels([](int level) { return speedLevelOfSensitivity(sensitivityOfSpeedLevel(level)); }),
      "1 2 3 4 5 6 7 8 9 10 11");
}

TEST(SystemMouseLevels, DoubleClickLevelsWriteTheseTimes) {
  EXPECT_EQ(forLevels(doubleClickTimeOfLevel), "900 830 760 690 620 550 480 410 340 270 200");
}

TEST(SystemMouseLevels, DoubleClickTimesReadBackAsLevels) {
  EXPECT_EQ(doubleClickLevelOfTime(500), 7);
  EXPECT_EQ(doubleClickLevelOfTime(480), 7);
  EXPECT_EQ(doubleClickLevelOfTime(549), 7);
  EXPECT_EQ(doubleClickLevelOfTime(550), 6);
  EXPECT_EQ(doubleClickLevelOfTime(479), 8);
  EXPECT_EQ(doubleClickLevelOfTime(900), 1);
  EXPECT_EQ(doubleClickLevelOfTime(5000), 1);
  EXPECT_EQ(doubleClickLevelOfTime(899), 2);
  EXPECT_EQ(doubleClickLevelOfTime(270), 10);
  EXPECT_EQ(doubleClickLevelOfTime(269), 11);
  EXPECT_EQ(doubleClickLevelOfTime(-1), 11);
}

TEST(SystemMouseLevels, PrecisionIsSpeedOneWithThresholdsSixAndTen) {
  EXPECT_EQ(accelerationFor(true), (Acceleration{1, 6, 10}));
  EXPECT_EQ(accelerationFor(false), (Acceleration{0, 0, 0}));
}

TEST(SystemMouseLevels, ScalePixelsSnapToTheNearestLevel) {
  EXPECT_EQ(levelAtPixel(-40), 1);
  EXPECT_EQ(levelAtPixel(-14), 1);
  EXPECT_EQ(levelAtPixel(14), 1);
  EXPECT_EQ(levelAtPixel(15), 2);
  EXPECT_EQ(levelAtPixel(42), 2);
  EXPECT_EQ(levelAtPixel(43), 3);
  EXPECT_EQ(levelAtPixel(266), 10);
  EXPECT_EQ(levelAtPixel(267), 11);
  EXPECT_EQ(levelAtPixel(5000), 11);
}

}  // namespace
}  // namespace mousecfg::test
