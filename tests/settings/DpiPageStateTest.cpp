#include <gtest/gtest.h>

#include "device/ConfigImage.h"
#include "support/SettingsPagesFixture.h"

namespace mousecfg::test {
namespace {

using namespace image;

class DpiPageStateTest : public SettingsPagesFixture {
 protected:
  void SetUp() override { readDevice(); }

  std::vector<std::string> levelTexts() const {
    std::vector<std::string> shown;
    for (int level = 1; level <= DpiPageState::kLevels; ++level)
      if (dpi.levels[level - 1].enabled) shown.push_back(dpi.levels[level - 1].valueText);
    return shown;
  }

  // Pixel x of a click on step `step` of a 280-pixel slider (15 steps, 20 pixels apart).
  static int clickOnStep(int step) { return step * 20; }
  static constexpr int kSliderPixels = 280;
};

TEST_F(DpiPageStateTest, RefreshShowsTheDefaultLevelsStepsActiveLevelAndRate) {
  EXPECT_EQ(dpi.enabledLevels, 6);
  EXPECT_EQ(levelTexts(),
            (std::vector<std::string>{"800", "1600", "2400", "4800", "6400", "12000"}));
  EXPECT_EQ(dpi.levels[0].sliderPosition, 300);
  EXPECT_EQ(dpi.levels[5].sliderPosition, 1400);
  EXPECT_FALSE(dpi.levels[6].enabled);
  EXPECT_EQ(dpi.activeLevel, 2);
  EXPECT_EQ(dpi.checkPicture(2), "CbS_E");
  EXPECT_EQ(dpi.checkPicture(1), "CbS_D");
  EXPECT_EQ(dpi.reportRateChoice(), 4);
  EXPECT_EQ(dpi.ratePicture(4), "RdS_E");
  EXPECT_EQ(dpi.ratePicture(3), "RdS_D");
  EXPECT_EQ(dpi.levelColour(7), 0xFF7F00u);
  EXPECT_EQ(dpi.aimValueText, "200");
  EXPECT_EQ(dpi.aimStepNumber, 1);
  EXPECT_EQ(dpi.sliderMax(), 1409);
}

TEST_F(DpiPageStateTest, EngineerListsMirrorTheImage) {
  EXPECT_EQ(engineerDpi.cb_CPISteps, 5);
  EXPECT_EQ(engineerDpi.cb_CPI, (std::array<int, 8>{3, 6, 8, 10, 11, 14, 0, 0}));
  EXPECT_EQ(engineerDpi.cpiListEnabled, (std::array<bool, 8>{1, 1, 1, 1, 1, 1, 0, 0}));
  EXPECT_EQ(engineerDpi.cb_CurrentCPI, 1);
  EXPECT_EQ(engineerDpi.edt_CPI[0], (std::array<std::string, 3>{"255", "", ""}))
      << "a component of 0 leaves its edit empty";
  EXPECT_EQ(engineerDpi.cb_RepRate(), 3);
}

TEST_F(DpiPageStateTest, MovingDpi1ToStep5WhileDpi2IsAtStep6Writes65ThenNudgesTheActiveLevel) {
  dpi.slider_DPIMouseUp(1, clickOnStep(5), kSliderPixels);

  const auto writes = directWrites();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[0], directWrite(0x2C, {0x65}));
  EXPECT_EQ(writes[1], directWrite(0xA6, {0x00})) << "the neighbour of level 2";
  EXPECT_EQ(writes[2], directWrite(0xA6, {0x01})) << "then the active level";
  EXPECT_EQ(writes[3], directWrite(0xA3, {vendorChecksum()}));
  EXPECT_EQ(dpi.levels[0].valueText, "1200");
  EXPECT_EQ(dpi.levels[0].sliderPosition, 500);
  EXPECT_EQ(engineerDpi.cb_CPI[0], 5);
  EXPECT_EQ(storedByte(44), 0x65);
  EXPECT_TRUE(storedVendorValid());
}

TEST_F(DpiPageStateTest, AStepChangeSurvivesTheNextRead) {
  dpi.chooseLevelStep(4, 2);
  readAgain();
  EXPECT_EQ(dpi.levels[3].valueText, "600");
  EXPECT_EQ(link.image.vendor[45], 0x28);
  EXPECT_EQ(dpi.levels[2].valueText, "2400") << "the partner level is kept";
}

TEST_F(DpiPageStateTest, WithTheFirstLevelActiveTheNudgeSendsOneThenZero) {
  dpi.CurrentDPI_OnClick(1);
  mouse.clearTrace();
  dpi.chooseLevelStep(3, 0);
  const auto writes = directWrites();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[0], directWrite(0x2D, {0xA0}));
  EXPECT_EQ(writes[1], directWrite(0xA6, {0x01}));
  EXPECT_EQ(writes[2], directWrite(0xA6, {0x00}));
}

TEST_F(DpiPageStateTest, ClickingTheCurrentStepSendsNothing) {
  dpi.slider_DPIMouseUp(2, clickOnStep(6), kSliderPixels);
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(dpi.levels[1].valueText, "1600");
}

TEST_F(DpiPageStateTest, ClicksLeftOfTheFirstStepAndPastTheEndSnapToTheEnds) {
  dpi.slider_DPIMouseUp(1, -40, kSliderPixels);
  EXPECT_EQ(dpi.levels[0].valueText, "200");
  EXPECT_EQ(storedByte(44), 0x60);
  dpi.slider_DPIMouseUp(1, 1000, kSliderPixels);
  EXPECT_EQ(dpi.levels[0].valueText, "12000");
  EXPECT_EQ(dpi.levels[0].sliderPosition, 1400);
  EXPECT_EQ(storedByte(44), 0x6E);
}

TEST_F(DpiPageStateTest, DraggingShowsTheNearestStepAndTheReleaseTakesIt) {
  dpi.slider_DPIChange(1, 740);
  EXPECT_EQ(dpi.levels[0].valueText, "2000");
  EXPECT_TRUE(dpi.levels[0].dragged);
  EXPECT_TRUE(frames().empty()) << "dragging sends nothing";
  dpi.slider_DPIMouseUp(1, 0, kSliderPixels);  // the pointer's x no longer matters
  EXPECT_FALSE(dpi.levels[0].dragged);
  EXPECT_EQ(dpi.levels[0].sliderPosition, 700);
  EXPECT_EQ(directWrites().front(), directWrite(0x2C, {0x67}));
}

TEST_F(DpiPageStateTest, ADragThatKeepsTheTextLeavesTheReleaseToTheClick) {
  dpi.slider_DPIChange(1, 320);  // still "800"
  EXPECT_FALSE(dpi.levels[0].dragged);
  dpi.slider_DPIMouseUp(1, clickOnStep(9), kSliderPixels);
  EXPECT_EQ(dpi.levels[0].valueText, "3200");
}

TEST_F(DpiPageStateTest, SliderPositionsStayWithinTheRange) {
  dpi.slider_DPIChange(1, 5000);
  EXPECT_EQ(dpi.levels[0].sliderPosition, 1409);
  dpi.slider_DPIChange(1, -20);
  EXPECT_EQ(dpi.levels[0].sliderPosition, 0);
}

TEST_F(DpiPageStateTest, DisabledLevelsAndOutOfRangeLevelsIgnoreTheirControls) {
  dpi.slider_DPIMouseUp(7, clickOnStep(2), kSliderPixels);
  dpi.chooseLevelStep(9, 2);
  dpi.chooseLevelStep(0, 2);
  dpi.chooseLevelStep(1, 15);
  dpi.CurrentDPI_OnClick(8);
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(dpi.activeLevel, 2);
}

TEST_F(DpiPageStateTest, DuringABatchOrARefreshNothingIsSentOrChanged) {
  {
    const auto batch = link.holdBatch();
    dpi.chooseLevelStep(1, 5);
    dpi.DPILevel_OnClick(7);
    dpi.CurrentDPI_OnClick(3);
    dpi.ReportRate_OnClick(1);
  }
  {
    const auto refreshing = link.holdRefreshing();
    dpi.slider_DPIChange(1, 900);
  }
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(dpi.enabledLevels, 6);
  EXPECT_EQ(dpi.activeLevel, 2);
  EXPECT_EQ(dpi.levels[0].valueText, "800");
  EXPECT_EQ(dpi.reportRateChoice(), 4);
}

TEST_F(DpiPageStateTest, EnablingTheNextLevelMakesItActiveAndWritesCountAndActiveLevel) {
  dpi.DPILevel_OnClick(7);
  EXPECT_TRUE(dpi.levels[6].enabled);
  EXPECT_EQ(dpi.enabledLevels, 7);
  EXPECT_EQ(dpi.activeLevel, 7);
  EXPECT_EQ(dpi.checkPicture(7), "CbS_E");
  EXPECT_EQ(dpi.checkPicture(2), "CbS_D");
  EXPECT_EQ(engineerDpi.cb_CPISteps, 6);
  EXPECT_EQ(engineerDpi.cb_CurrentCPI, 6);
  EXPECT_TRUE(engineerDpi.cpiListEnabled[6]);
  EXPECT_FALSE(dpi.blockingPanelVisible);
  const auto writes = directWrites();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[0], directWrite(0x2B, {0x06}));
  EXPECT_EQ(writes[1], directWrite(0xA3, {vendorChecksum()}));
  EXPECT_EQ(writes[2], directWrite(0xA6, {0x06}));
  EXPECT_EQ(writes[3], directWrite(0xBF, {userChecksum()}));
  EXPECT_TRUE(storedVendorValid());
  EXPECT_TRUE(storedUserValid());
}

TEST_F(DpiPageStateTest, ClickingDpi3WithTwoLevelsEnablesItThenDpi5DoesNothing) {
  for (int level = 6; level > 2; --level) dpi.DPILevel_OnClick(level);
  ASSERT_EQ(dpi.enabledLevels, 2);
  dpi.DPILevel_OnClick(3);
  EXPECT_EQ(dpi.enabledLevels, 3);
  EXPECT_EQ(dpi.activeLevel, 3);
  mouse.clearTrace();
  dpi.DPILevel_OnClick(5);
  EXPECT_EQ(dpi.enabledLevels, 3);
  EXPECT_FALSE(dpi.levels[4].enabled);
  EXPECT_TRUE(frames().empty());
}

TEST_F(DpiPageStateTest, ClickingTheOnlyLevelDoesNothing) {
  for (int level = 6; level > 1; --level) dpi.DPILevel_OnClick(level);
  ASSERT_EQ(dpi.enabledLevels, 1);
  EXPECT_EQ(storedByte(43), 0);
  mouse.clearTrace();
  dpi.DPILevel_OnClick(1);
  EXPECT_EQ(dpi.enabledLevels, 1);
  EXPECT_TRUE(dpi.levels[0].enabled);
  EXPECT_TRUE(frames().empty());
}

TEST_F(DpiPageStateTest, DisablingTheActiveLastLevelMovesTheMarkToTheLevelBefore) {
  dpi.CurrentDPI_OnClick(6);
  mouse.clearTrace();
  dpi.DPILevel_OnClick(6);
  EXPECT_EQ(dpi.enabledLevels, 5);
  EXPECT_EQ(dpi.activeLevel, 5);
  EXPECT_EQ(engineerDpi.cb_CurrentCPI, 4);
  EXPECT_EQ(storedByte(43), 4);
  EXPECT_EQ(storedByte(166), 4);
}

TEST_F(DpiPageStateTest, DisablingAnInactiveLastLevelKeepsTheActiveOneAndDoesNotSendIt) {
  dpi.DPILevel_OnClick(6);
  EXPECT_EQ(dpi.activeLevel, 2);
  EXPECT_EQ(directWrites().size(), 2u) << "count and checksum only";
}

TEST_F(DpiPageStateTest, ClickingALevelInTheMiddleChangesNothing) {
  dpi.DPILevel_OnClick(3);
  EXPECT_EQ(dpi.enabledLevels, 6);
  EXPECT_TRUE(dpi.levels[2].enabled);
  EXPECT_TRUE(frames().empty());
}

TEST_F(DpiPageStateTest, ChoosingTheActiveLevelWritesByte166) {
  dpi.CurrentDPI_OnClick(4);
  EXPECT_EQ(dpi.activeLevel, 4);
  EXPECT_EQ(dpi.checkPicture(4), "CbS_E");
  EXPECT_EQ(engineerDpi.cb_CurrentCPI, 3);
  const auto writes = directWrites();
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0], directWrite(0xA6, {0x03}));
  EXPECT_EQ(writes[1], directWrite(0xBF, {userChecksum()}));
  EXPECT_EQ(mouse.workingParameters()[166], 3);
}

TEST_F(DpiPageStateTest, RefreshCurrentDpiStatusReadsTheLevelTheMouseButtonChose) {
  mouse.pressDpiButton();
  mouse.clearTrace();
  dpi.RefreshCurrentDPIStatus();
  EXPECT_EQ(frames().front(), "S 40 09 00 A6 00 01 00 00") << "a one-byte block read at 166";
  EXPECT_EQ(dpi.activeLevel, 3);
  EXPECT_EQ(engineerDpi.cb_CurrentCPI, 2);
  EXPECT_EQ(link.image.user[kUserActiveDpiLevel], 2);
  EXPECT_TRUE(hasValidChecksum(link.image.user));
}

TEST_F(DpiPageStateTest, RefreshCurrentDpiStatusRunsOnlyForSupportedInterfacesAndOutsideBatches) {
  link.connection.interfaceType.clear();
  dpi.RefreshCurrentDPIStatus();
  link.connection.interfaceType = "I2C";
  {
    const auto batch = link.holdBatch();
    dpi.RefreshCurrentDPIStatus();
  }
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(dpi.activeLevel, 2);
}

TEST_F(DpiPageStateTest, RefreshCurrentDpiStatusIgnoresALevelBeyondEight) {
  ASSERT_TRUE(link.channel.DirectWriteBytes(166, 9, 0, 0, 1));
  dpi.RefreshCurrentDPIStatus();
  EXPECT_EQ(dpi.activeLevel, 2);
}

TEST_F(DpiPageStateTest, LevelColourFromTheDialogGoesToTheEditsAndTheMouse) {
  uint32_t offered = 0;
  dpi.pickColour = [&offered](uint32_t current) {
    offered = current;
    return std::optional<uint32_t>(0x123456);
  };
  dpi.lbl_DPIColClick(3);
  EXPECT_EQ(offered, 0x0000FFu);
  EXPECT_EQ(dpi.levelColour(3), 0x123456u);
  EXPECT_EQ(engineerDpi.edt_CPI[2], (std::array<std::string, 3>{"18", "52", "86"}));
  const auto writes = directWrites();
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0], directWrite(0x5D, {0x12, 0x34, 0x56}));
  EXPECT_EQ(writes[1], directWrite(0xA3, {vendorChecksum()}));
  EXPECT_TRUE(storedVendorValid());
}

TEST_F(DpiPageStateTest, CancelledColourDialogChangesNothing) {
  dpi.pickColour = [](uint32_t) { return std::optional<uint32_t>(); };
  dpi.lbl_DPIColClick(1);
  dpi.pickColour = nullptr;
  dpi.lbl_DPIColClick(1);
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(dpi.levelColour(1), 0xFF0000u);
}

TEST_F(DpiPageStateTest, TypedColourComponentIsClampedStoredRepaintedAndWritten) {
  engineerDpi.colourEdited(2, EngineerDpiState::Green, "300");
  EXPECT_EQ(engineerDpi.edt_CPI[1][1], "255");
  EXPECT_EQ(dpi.levelColour(2), 0x00FF00u);
  engineerDpi.colourEdited(2, EngineerDpiState::Blue, "17");
  EXPECT_EQ(dpi.levelColour(2), 0x00FF11u);
  const auto writes = directWrites();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[0], directWrite(0x5B, {0xFF}));
  EXPECT_EQ(writes[2], directWrite(0x5C, {0x11}));
  EXPECT_EQ(writes[3], directWrite(0xA3, {vendorChecksum()}));
}

TEST_F(DpiPageStateTest, TypedColourThatIsNotANumberIsIgnored) {
  engineerDpi.colourEdited(1, EngineerDpiState::Red, "12x");
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(engineerDpi.edt_CPI[0][0], "255");
}

TEST_F(DpiPageStateTest, RefreshLeavesALevelWithNibble15AsItWas) {
  dpi.chooseLevelStep(1, 9);
  link.image.vendor[44] = 0x6F;
  link.image.vendor[43] = 9;  // beyond eight levels: the count stays
  dpi.refreshFromImage();
  EXPECT_EQ(dpi.levels[0].valueText, "3200");
  EXPECT_EQ(dpi.levels[0].sliderPosition, 900);
  EXPECT_EQ(dpi.levels[1].valueText, "1600");
  EXPECT_EQ(dpi.enabledLevels, 6);
}

TEST_F(DpiPageStateTest, AStepChangeKeepsAPartnerWithoutStep) {
  link.image.vendor[44] = 0xF3;
  link.image.UpdateVendorChecksum();
  dpi.chooseLevelStep(1, 4);
  EXPECT_EQ(directWrites().front(), directWrite(0x2C, {0xF4}));
}

TEST_F(DpiPageStateTest, EngineerStepListWritesTheNibblePairAndThePageFollows) {
  engineerDpi.cb_CPIChange(3, 8);  // step 4 holds 10
  const auto writes = directWrites();
  ASSERT_GE(writes.size(), 3u);
  EXPECT_EQ(writes[0], directWrite(0x2D, {0xA8}));
  EXPECT_EQ(writes[1], directWrite(0xA6, {0x00}));
  EXPECT_EQ(writes[2], directWrite(0xA6, {0x01}));
  engineerDpi.cb_CPIChange(3, 9);
  EXPECT_EQ(dpi.levels[2].valueText, "3200") << "the Advanced page follows";
  engineerDpi.cb_CPIChange(4, 0);
  EXPECT_EQ(dpi.levels[3].valueText, "200");
  EXPECT_EQ(storedByte(45), 0x09) << "step 3 kept";
}

TEST_F(DpiPageStateTest, EngineerCountAndActiveListsWriteTheirBytesAndThePageFollows) {
  engineerDpi.cb_CPIStepsChange(2);
  EXPECT_EQ(dpi.enabledLevels, 3);
  EXPECT_FALSE(dpi.levels[3].enabled);
  engineerDpi.cb_CurrentCPIChange(0);
  EXPECT_EQ(dpi.activeLevel, 1);
  EXPECT_EQ(storedByte(43), 2);
  EXPECT_EQ(storedByte(166), 0);
}

class DpiAimTest : public DpiPageStateTest {
 protected:
  // Profile 1 button 3 and profile 2 button 4 become AIM keys at step 2.
  void assignAimKeys() {
    for (auto* profile : {&link.image.profile1, &link.image.profile2}) {
      const size_t at = (profile == &link.image.profile1 ? 2 : 3) * kEntryLength;
      (*profile)[at] = 0x05;
      (*profile)[at + 1] = 0x02;
      (*profile)[at + 2] = 0;
      (*profile)[at + 3] = 0;
    }
  }
};

TEST_F(DpiAimTest, WithoutAnAimKeyTheSliderReturnsTo200AndTheMessageIsShown) {
  dpi.slider_AIMDPIMouseUp(100);
  EXPECT_EQ(dpi.aimSliderPosition, 0);
  EXPECT_EQ(dpi.aimStepNumber, 1);
  EXPECT_EQ(dpi.aimValueText, "200");
  EXPECT_EQ(engineerDpi.cb_AIM, 0);
  EXPECT_EQ(host.messages, (std::vector<std::string>{"Str105"}));
  EXPECT_TRUE(framesStartingWith("S 40 07").empty()) << "no key tables written";
}

TEST_F(DpiAimTest, TheAimSliderReencodesEveryAimKeyAndWritesTheKeyTables) {
  assignAimKeys();
  dpi.slider_AIMDPIMouseUp(100);  // position 5
  EXPECT_EQ(dpi.aimSliderPosition, 500);
  EXPECT_EQ(dpi.aimStepNumber, 6);
  EXPECT_EQ(dpi.aimValueText, "1200");
  EXPECT_EQ(engineerDpi.cb_AIM, 5);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(hexRange(link.image.profile1, 8, 4), "05 05 00 00");
  EXPECT_EQ(hexRange(link.image.profile2, 12, 4), "05 05 00 00");
  EXPECT_EQ(link.codes.keys[2], "05050000");
  EXPECT_EQ(link.codes.keys[12 + 3], "05050000");
  EXPECT_EQ(framesStartingWith("S 40 07").front(), "S 40 07 00 C0 00 62 00 00");
  const auto stored = mouse.storedBlock();
  EXPECT_EQ(hexRange(stored, kProfile1Offset + 8, 4), "05 05 00 00");
  EXPECT_EQ(hexRange(stored, kProfile2Offset + 12, 4), "05 05 00 00");
  EXPECT_TRUE(hasValidChecksum(std::span(stored).subspan(kProfile1Offset, kProfileLength)));
}

TEST_F(DpiAimTest, DraggingTheAimSliderMovesOnlyTheLabel) {
  assignAimKeys();
  dpi.slider_AIMDPIChange(760);
  EXPECT_EQ(dpi.aimValueText, "2400");
  EXPECT_TRUE(frames().empty());
}

TEST_F(DpiAimTest, RefreshAimKeyFollowsTheActiveProfile) {
  assignAimKeys();
  link.image.profile2[12 + 1] = 9;
  link.image.user[kUserActiveProfile] = 0x01;
  dpi.RefreshAIMKey();
  EXPECT_EQ(dpi.aimSliderPosition, 900);
  EXPECT_EQ(dpi.aimStepNumber, 10);
  EXPECT_EQ(dpi.aimValueText, "3200");
  link.image.user[kUserActiveProfile] = 0x40;  // high nibble ignored: profile 1
  dpi.RefreshAIMKey();
  EXPECT_EQ(dpi.aimValueText, "600");
}

TEST_F(DpiAimTest, RefreshAimKeySkipsEntriesWithoutStepAndFallsBackTo200) {
  assignAimKeys();
  link.image.profile1[8 + 1] = 0xFF;
  dpi.RefreshAIMKey();
  EXPECT_EQ(dpi.aimSliderPosition, 0);
  EXPECT_EQ(dpi.aimStepNumber, 1);
  EXPECT_EQ(dpi.aimValueText, "200");
}

TEST_F(DpiAimTest, EngineerAimListKeepsItsEntryWhenNoButtonIsAnAimKey) {
  engineerDpi.cb_AIM = 3;
  EXPECT_FALSE(engineerDpi.cb_AIMChange(7));
  EXPECT_EQ(engineerDpi.cb_AIM, 3);
  EXPECT_EQ(host.messages, (std::vector<std::string>{"Str105"}));
  assignAimKeys();
  EXPECT_TRUE(engineerDpi.cb_AIMChange(7));
  EXPECT_EQ(engineerDpi.cb_AIM, 7);
  EXPECT_EQ(dpi.aimValueText, "2000") << "the Advanced page follows";
  EXPECT_EQ(hexRange(mouse.storedBlock(), kProfile1Offset + 8, 4), "05 07 00 00");
}

}  // namespace
}  // namespace mousecfg::test
