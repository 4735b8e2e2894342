#include <gtest/gtest.h>

#include "device/ConfigImage.h"
#include "support/SettingsPagesFixture.h"

namespace mousecfg::test {
namespace {

using namespace image;

class ReportRateTest : public SettingsPagesFixture {
 protected:
  void SetUp() override { readDevice(); }
};

TEST_F(ReportRateTest, RateBitsAreBitsFourAndFiveOfByte4) {
  EXPECT_EQ(ReportRateControl::rateCodeOf(0xFF), 3);
  EXPECT_EQ(ReportRateControl::rateCodeOf(0xEF), 2);
  EXPECT_EQ(ReportRateControl::withRateCode(0xFF, 2), 0xEF);
  EXPECT_EQ(ReportRateControl::withRateCode(0xFF, 0), 0xCF);
  EXPECT_EQ(ReportRateControl::withRateCode(0x00, 1), 0x10);
}

TEST_F(ReportRateTest, Choosing500HzFrom1000HzClearsBit4AndRestartsAndReFindsTheMouse) {
  host.sleptMs = 0;
  dpi.ReportRate_OnClick(3);

  const auto writes = directWrites();
  ASSERT_GE(writes.size(), 2u);
  EXPECT_EQ(writes[0], directWrite(0x04, {0xEF})) << "bit 4 cleared, bit 5 kept";
  EXPECT_EQ(writes[1], directWrite(0xA3, {vendorChecksum()}));
  EXPECT_EQ(mouse.restartCount(), 1);
  EXPECT_EQ(host.sleptMs, (101 + 601 + 1001) * 10);
  const auto all = frames();
  const auto restart = std::find(all.begin(), all.end(), "S 40 0E 00 00 00 00 00 00");
  ASSERT_NE(restart, all.end());
  EXPECT_LT(std::find(all.begin(), all.end(), writes[1]), restart) << "the rate is stored first";
  EXPECT_TRUE(link.channel.isOpen()) << "found again";
  EXPECT_FALSE(rate.restartPending);
  EXPECT_EQ(dpi.ratePicture(3), "RdS_E");
  EXPECT_EQ(dpi.ratePicture(4), "RdS_D");
  EXPECT_EQ(engineerDpi.cb_RepRate(), 2);
}

TEST_F(ReportRateTest, TheNewRateIsWhatTheReFoundMouseHolds) {
  dpi.ReportRate_OnClick(3);
  EXPECT_EQ(link.image.vendor[kOptionRegister0], 0xEF) << "re-read after the restart";
  EXPECT_TRUE(hasValidChecksum(link.image.vendor));
  dpi.refreshFromImage();
  EXPECT_EQ(dpi.reportRateChoice(), 3);
}

TEST_F(ReportRateTest, TheSameRateAgainSendsByte4ButRestartsNothing) {
  dpi.ReportRate_OnClick(3);
  mouse.clearTrace();
  dpi.ReportRate_OnClick(3);
  EXPECT_EQ(mouse.restartCount(), 1);
  EXPECT_EQ(directWrites().front(), directWrite(0x04, {0xEF}));
  EXPECT_TRUE(framesStartingWith("S 40 0E").empty());
}

TEST_F(ReportRateTest, TheRateShownAtReadRestartsNothing) {
  dpi.ReportRate_OnClick(4);
  EXPECT_EQ(mouse.restartCount(), 0);
  EXPECT_EQ(directWrites().front(), directWrite(0x04, {0xFF}));
}

TEST_F(ReportRateTest, AfterTheDeviceWasGoneTheRemberedRateIsUnknown) {
  dpi.deviceGone();
  EXPECT_FALSE(rate.rememberedRate);
  EXPECT_EQ(dpi.reportRateChoice(), 4) << "the shown settings stay";
  dpi.ReportRate_OnClick(4);
  EXPECT_EQ(mouse.restartCount(), 1);
}

TEST_F(ReportRateTest, WithoutAMouseTheRateIsKeptAndNothingWaits) {
  link.channel.closeAll();
  host.sleptMs = 0;
  dpi.ReportRate_OnClick(1);
  EXPECT_EQ(dpi.reportRateChoice(), 1);
  EXPECT_EQ(link.image.vendor[kOptionRegister0], 0xCF);
  EXPECT_EQ(host.sleptMs, 0);
  EXPECT_EQ(mouse.restartCount(), 0);
}

TEST_F(ReportRateTest, AChoiceWhileTheRestartIsUnderWayStartsNoSecondRestart) {
  bool clicked = false;
  host.onSleep = [&] {
    if (clicked) return;
    clicked = true;
    dpi.ReportRate_OnClick(2);
  };
  dpi.ReportRate_OnClick(3);
  host.onSleep = nullptr;
  EXPECT_EQ(mouse.restartCount(), 1);
  EXPECT_EQ(rate.rememberedRate, 1);
}

TEST_F(ReportRateTest, EngineerRateListTakesTheSamePath) {
  engineerDpi.cb_RepRateChange(0);
  EXPECT_EQ(mouse.restartCount(), 1);
  EXPECT_EQ(link.image.vendor[kOptionRegister0], 0xCF);
  EXPECT_EQ(dpi.reportRateChoice(), 1);
}

TEST_F(ReportRateTest, InvalidChoicesAreIgnored) {
  dpi.ReportRate_OnClick(0);
  dpi.ReportRate_OnClick(5);
  engineerDpi.cb_RepRateChange(4);
  EXPECT_TRUE(frames().empty());
}

}  // namespace
}  // namespace mousecfg::test
