#include "settings/DpiSlider.h"

#include <gtest/gtest.h>

#include "base/LanguageTables.h"
#include "base/ProgramOptions.h"

namespace mousecfg {
namespace {

TEST(DpiSliderTest, RulerGivesThePositionWhoseRangeHoldsTheClick) {
  // start 10, width 20: position i covers 10 + 20i < x <= 10 + 20(i + 1).
  EXPECT_EQ(GetSliderRulerByX(10, 5, 10, 20), 0) << "at start";
  EXPECT_EQ(GetSliderRulerByX(-500, 5, 10, 20), 0) << "left of start";
  EXPECT_EQ(GetSliderRulerByX(11, 5, 10, 20), 0);
  EXPECT_EQ(GetSliderRulerByX(30, 5, 10, 20), 0) << "upper edge belongs to the range";
  EXPECT_EQ(GetSliderRulerByX(31, 5, 10, 20), 1);
  EXPECT_EQ(GetSliderRulerByX(110, 5, 10, 20), 4);
  EXPECT_EQ(GetSliderRulerByX(111, 5, 10, 20), 5);
  EXPECT_EQ(GetSliderRulerByX(130, 5, 10, 20), 5) << "last range";
  EXPECT_EQ(GetSliderRulerByX(100000, 5, 10, 20), 5) << "past the last range";
}

TEST(DpiSliderTest, RulerWithoutRangesGivesZeroAndSurvivesExtremes) {
  EXPECT_EQ(GetSliderRulerByX(50, 5, 0, 0), 0) << "zero width";
  EXPECT_EQ(GetSliderRulerByX(50, 0, 0, 20), 0) << "no positions";
  EXPECT_EQ(GetSliderRulerByX(INT32_MAX, 14, -50, 100), 14);
  EXPECT_EQ(GetSliderRulerByX(INT32_MIN, 14, 50, 100), 0);
}

TEST(DpiSliderTest, ClickSnapsToTheNearestStep) {
  // 15 steps on 280 pixels: 14 gaps of 20 pixels, each step owns 10 pixels either side.
  EXPECT_EQ(GetValueBySliderClick(-30, 280, 15), 0) << "left of the first step";
  EXPECT_EQ(GetValueBySliderClick(0, 280, 15), 0);
  EXPECT_EQ(GetValueBySliderClick(10, 280, 15), 0);
  EXPECT_EQ(GetValueBySliderClick(11, 280, 15), 1);
  EXPECT_EQ(GetValueBySliderClick(100, 280, 15), 5);
  EXPECT_EQ(GetValueBySliderClick(280, 280, 15), 14);
  EXPECT_EQ(GetValueBySliderClick(900, 280, 15), 14) << "past the end";
}

TEST(DpiSliderTest, FifteenStepsGiveSlidersFromZeroTo1409AndEveryHundredIsItsStep) {
  const ProgramOptions options = builtInProgramOptions();
  ASSERT_EQ(options.dpiCount, 15);
  EXPECT_EQ(options.dpiSliderMax(), 1409);
  for (int step = 0; step < 15; ++step)
    EXPECT_EQ(GetValueBySliderClick(step * 100, options.dpiSliderMax(), 15), step) << step;
  EXPECT_EQ(GetValueBySliderClick(150, 1409, 15), 1) << "half way rounds down";
  EXPECT_EQ(GetValueBySliderClick(151, 1409, 15), 2);
  EXPECT_EQ(GetValueBySliderClick(1409, 1409, 15), 14);
}

TEST(DpiSliderTest, DegenerateStepCountsGiveTheFirstStep) {
  EXPECT_EQ(GetValueBySliderClick(100, 280, 1), 0);
  EXPECT_EQ(GetValueBySliderClick(100, 280, 0), 0);
  EXPECT_EQ(GetValueBySliderClick(100, 5, 15), 0) << "narrower than the gaps";
}

TEST(DpiSliderTest, DisplayByIndexGivesTheStepTextsOneBased) {
  const LanguageTables texts = LanguageTables::builtIn();
  EXPECT_EQ(GetDisplayByIndex(1, texts), "200");
  EXPECT_EQ(GetDisplayByIndex(4, texts), "800");
  EXPECT_EQ(GetDisplayByIndex(15, texts), "12000");
  EXPECT_EQ(GetDisplayByIndex(0, texts), "");
  EXPECT_EQ(GetDisplayByIndex(16, texts), "");
  EXPECT_EQ(GetDisplayByIndex(-3, texts), "");
}

TEST(DpiSliderTest, AimSliderHasFifteenPositionsTwentyPixelsApartFromMinus14) {
  EXPECT_EQ(aimPositionAtX(-14), 0);
  EXPECT_EQ(aimPositionAtX(6), 0);
  EXPECT_EQ(aimPositionAtX(7), 1);
  EXPECT_EQ(aimPositionAtX(100), 5);
  EXPECT_EQ(aimPositionAtX(266), 13);
  EXPECT_EQ(aimPositionAtX(267), 14);
  EXPECT_EQ(aimPositionAtX(5000), 14);
}

TEST(DpiSliderTest, FlowSliderHasEightPositions33PixelsApartFromMinus16) {
  EXPECT_EQ(flowSpeedAtX(-16), 0);
  EXPECT_EQ(flowSpeedAtX(17), 0);
  EXPECT_EQ(flowSpeedAtX(18), 1);
  EXPECT_EQ(flowSpeedAtX(215), 6);
  EXPECT_EQ(flowSpeedAtX(216), 7);
  EXPECT_EQ(flowSpeedAtX(900), 7);
}

}  // namespace
}  // namespace mousecfg
