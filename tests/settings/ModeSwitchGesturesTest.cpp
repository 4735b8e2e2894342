#include "settings/ModeSwitchGestures.h"

#include <gtest/gtest.h>

#include "settings/EditedProfile.h"
#include "settings/ModeSwitchOptions.h"
#include "support/HexBytes.h"
#include "support/SimulatedLinkFixture.h"

namespace mousecfg::test {
namespace {

using namespace modeswitch;

ProgramOptions withGunPresets() {
  ProgramOptions options;
  options.gdEnable = true;
  return options;
}

class ModeSwitchGesturesTest : public SimulatedLinkFixture {
 protected:
  void SetUp() override {
    link.discovery.DevTimerTimer();
    ASSERT_TRUE(link.channel.isOpen());
    gestures.refreshFromImage();
    mouse.clearTrace();
  }

  void setEntry(ProfileSection& table, int button, std::array<uint8_t, 4> bytes) {
    std::copy(bytes.begin(), bytes.end(), table.begin() + (button - 1) * 4);
  }
  std::string tickedGestures() const {
    std::string text;
    for (int n = 1; n <= 8; ++n) text += gestures.ticked[static_cast<size_t>(n - 1)] ? '1' : '0';
    return text;
  }

  ProgramOptions programOptions = withGunPresets();
  ModeSwitchOptions options{link};
  EditedProfile edited{link, programOptions};
  ModeSwitchGestures gestures{link, options, edited, programOptions, true};
};

TEST_F(ModeSwitchGesturesTest, TheDefaultImageShowsOnlyTheLedGestureTicked) {
  EXPECT_EQ(tickedGestures(), "10000000");
  EXPECT_EQ(gestures.tickPicture(1), "CbS_E");
  EXPECT_EQ(gestures.tickPicture(2), "CbS_D");
  EXPECT_EQ(ModeSwitchGestures::captionKey(1), "Str700");
  EXPECT_EQ(ModeSwitchGestures::captionKey(8), "Str707");
}

TEST_F(ModeSwitchGesturesTest, HoldDpiPlusDoesNothingWithoutADpiPlusButton) {
  setEntry(link.image.profile1, 6, {0x01, 0x02, 0x00, 0x00});  // "DPI +" becomes "Right Key"
  const std::string before = hexBytes(link.image.vendor) + hexBytes(link.image.profile1);

  gestures.comboKeyClick(4);

  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(tickedGestures(), "10000000");
  EXPECT_EQ(options.cb_ChangeFireFun, kNone);
  EXPECT_EQ(hexBytes(link.image.vendor) + hexBytes(link.image.profile1), before);
}

TEST_F(ModeSwitchGesturesTest, OnlyTheEditedProfileCounts) {
  setEntry(link.image.profile1, 6, {0x01, 0x02, 0x00, 0x00});
  gestures.comboKeyClick(4);
  EXPECT_EQ(options.cb_ChangeFireFun, kNone);

  edited.selectMode(EditedProfile::kGameMode);  // profile 2 still has "DPI +"
  gestures.comboKeyClick(4);
  EXPECT_EQ(options.cb_ChangeFireFun, kHoldDpiPlus);
  EXPECT_EQ(tickedGestures(), "10010000");
}

TEST_F(ModeSwitchGesturesTest, ClickingTheTickedGestureAgainUnticksItAndSetsTheListToNone) {
  gestures.comboKeyClick(4);
  ASSERT_EQ(options.cb_ChangeFireFun, kHoldDpiPlus);
  ASSERT_EQ(hexRange(mouse.storedBlock(), 139, 4), "07 D1 F0 18");

  gestures.comboKeyClick(4);

  EXPECT_EQ(options.cb_ChangeFireFun, kNone);
  EXPECT_EQ(tickedGestures(), "10000000");
  EXPECT_EQ(hexRange(mouse.storedBlock(), 139, 4), "00 00 00 00");
  EXPECT_EQ(link.image.profile1[5 * 4 + 3], 0x00);
}

TEST_F(ModeSwitchGesturesTest, TheSwitchGesturesExcludeEachOther) {
  gestures.comboKeyClick(2);
  gestures.comboKeyClick(5);
  EXPECT_EQ(tickedGestures(), "10001000");
  EXPECT_EQ(options.cb_ChangeFireFun, kHoldDpiMinus);
  EXPECT_EQ(link.image.profile1[6 * 4 + 3], 0x00) << "Middle no longer switches";
  EXPECT_EQ(link.image.profile1[8 * 4 + 3], 0x08) << "DPI - does";
}

TEST_F(ModeSwitchGesturesTest, TheLedGestureUnticksBackPlusRightAndTakesTheBackwardButtons) {
  gestures.comboKeyClick(1);  // off
  gestures.comboKeyClick(6);  // back + right switches office/game
  ASSERT_EQ(tickedGestures(), "00000100");
  ASSERT_EQ(hexRange(link.image.vendor, 131, 4), "00 00 00 00");

  gestures.comboKeyClick(1);

  EXPECT_EQ(tickedGestures(), "10000000");
  EXPECT_EQ(options.cb_ChangeFireFun, kNone);
  EXPECT_EQ(hexRange(link.image.vendor, 131, 4), "0E 00 00 00");
  EXPECT_EQ(hexRange(link.image.profile1, 4, 4), "01 08 00 02");
  EXPECT_EQ(hexRange(link.image.profile2, 4, 4), "01 08 00 02");
  EXPECT_EQ(hexRange(mouse.storedBlock(), 131, 4), "0E 00 00 00");
  EXPECT_EQ(hexRange(mouse.storedBlock(), 241 + 4, 4), "01 08 00 02");
}

TEST_F(ModeSwitchGesturesTest, TheGunGestureIsOfferedOnlyInGameModeWithGunPresets) {
  setEntry(link.image.profile2, 12, {0x0B, 0x01, 0x01, 0x00});
  EXPECT_FALSE(gestures.comboKey8Visible());
  gestures.comboKeyClick(8);
  EXPECT_FALSE(options.cb_IsGunFireMode) << "hidden in office mode";

  edited.selectMode(EditedProfile::kGameMode);
  EXPECT_TRUE(gestures.comboKey8Visible());
  gestures.comboKeyClick(8);
  EXPECT_TRUE(options.cb_IsGunFireMode);
  EXPECT_EQ(tickedGestures(), "10000001");

  gestures.setComboKey8Enable(false);
  EXPECT_FALSE(gestures.comboKey8Visible());
  ProgramOptions noGuns;
  noGuns.gdEnable = false;
  ModeSwitchGestures withoutGuns(link, options, edited, noGuns, true);
  EXPECT_FALSE(withoutGuns.comboKey8Visible());
}

TEST_F(ModeSwitchGesturesTest, TheGunGestureNeedsAGunButtonInTheEditedProfile) {
  edited.selectMode(EditedProfile::kGameMode);
  mouse.clearTrace();
  gestures.comboKeyClick(8);
  EXPECT_FALSE(options.cb_IsGunFireMode);
  EXPECT_TRUE(frames().empty());
}

TEST_F(ModeSwitchGesturesTest, OutOfRangeGesturesAreIgnored) {
  gestures.comboKeyClick(0);
  gestures.comboKeyClick(9);
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(tickedGestures(), "10000000");
  EXPECT_EQ(gestures.tickPicture(9), "CbS_D");
}

}  // namespace
}  // namespace mousecfg::test
