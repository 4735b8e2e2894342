#include "engineer/ProfileSettingState.h"

#include <gtest/gtest.h>

#include "fire/FireFixture.h"
#include "settings/EditedProfile.h"

namespace mousecfg::test {
namespace {

using namespace image;

constexpr size_t kByte0 = kUserOffset + kUserActiveProfile;

class ProfileSettingStateTest : public FireFixture {
 protected:
  ProfileSettingState& setting = core.profileSetting;
};

TEST_F(ProfileSettingStateTest, ProfileColourGoesToTheHighNibbleOfByte0WithTheChecksumFirst) {
  ASSERT_EQ(link.image.user[kUserActiveProfile] & 0x0F, kProfile1Code);
  setting.cb_ProfileColorChange(3);
  const uint8_t byte0 = link.image.user[kUserActiveProfile];
  EXPECT_EQ(byte0, 0x30);
  const std::vector<std::string> expected{
      "S 40 05 00 BF " + hexBytes(std::array{link.image.user[kUserLength - 1]}) + " 00 00 01",
      "S 40 05 00 A4 30 00 00 01"};
  EXPECT_EQ(commands(), expected);
  EXPECT_EQ(storedHex(kByte0, 1), "30");
  EXPECT_TRUE(storedUserValid());
  EXPECT_EQ(setting.cb_ProfileColor(), 3);
  EXPECT_EQ(setting.cb_Profile(), 0) << "the profile code stays";
  EXPECT_TRUE(setting.lastWrite.ok());
}

TEST_F(ProfileSettingStateTest, TheLastColourItemIsTheFixedColourAndItemsOutsideAreIgnored) {
  setting.cb_ProfileColorChange(10);
  EXPECT_EQ(link.image.user[kUserActiveProfile], 0xF0);
  EXPECT_EQ(setting.cb_ProfileColor(), 10);
  mouse.clearTrace();
  setting.cb_ProfileColorChange(11);
  setting.cb_ProfileColorChange(-1);
  setting.cb_RTZChange(2);
  EXPECT_TRUE(commands().empty());
  EXPECT_EQ(link.image.user[kUserActiveProfile], 0xF0);
  EXPECT_EQ(setting.cb_RTZ(), ProfileSettingState::kDisable);
}

TEST_F(ProfileSettingStateTest,
       ChoosingGameModeSwitchesTheMouseAndTheEditedProfileKeepingTheColour) {
  setting.cb_ProfileColorChange(2);
  setting.cb_ProfileChange(1);
  EXPECT_EQ(storedHex(kByte0, 1), "21");
  EXPECT_EQ(core.editedProfile.profile, EditedProfile::kGameMode);
  EXPECT_EQ(setting.cb_Profile(), 1);
  EXPECT_EQ(commands().back(), "S 40 05 00 A4 21 00 00 01") << "byte 0 goes last";
}

TEST_F(ProfileSettingStateTest, AProfileColourRewritesEverySwitchToThatProfileInBothTables) {
  bindButton(1, 9, {0x07, 0x81, 0x00, 0x00});
  bindButton(2, 3, {0x07, 0x81, 0x00, 0x00});
  bindButton(2, 4, {0x07, 0x80, 0x00, 0x00});
  ASSERT_EQ(assignment.engineerCaptions[0][8], "Game Mode");
  setting.cb_RTZChange(ProfileSettingState::kEnable);
  setting.cb_CCChange(ProfileSettingState::kEnable);
  EXPECT_TRUE(commands().empty()) << "the options shape later entries only";
  setting.profileSwitchColourChange(1, 3);
  EXPECT_EQ(storedEntryHex(1, 9), "07 D1 30 18");
  EXPECT_EQ(storedEntryHex(2, 3), "07 D1 30 18");
  EXPECT_EQ(storedEntryHex(2, 4), "07 80 00 00") << "a switch to office mode is left";
  EXPECT_EQ(assignment.engineerCaptions[1][2], "Game Mode") << "the name stays";
  EXPECT_EQ(setting.profileSwitchColour(1), 3);
  EXPECT_TRUE(setting.lastWrite.ok());
}

TEST_F(ProfileSettingStateTest, TheSwitchEntriesTakeTheOffsetOfTheModeSwitchGroup) {
  bindButton(1, 9, {0x07, 0x80, 0x00, 0x00});
  core.modeSwitch.offset = 0x2C;
  setting.profileSwitchColourChange(0, 10);
  EXPECT_EQ(storedEntryHex(1, 9), "07 80 F0 2C");
}

TEST_F(ProfileSettingStateTest, AColourForAProfileNoButtonSwitchesToSendsNothingButIsKept) {
  setting.profileSwitchColourChange(2, 4);
  EXPECT_TRUE(commands().empty());
  EXPECT_EQ(setting.profileSwitchColour(2), 4);
  setting.profileSwitchColourChange(3, 1);
  EXPECT_EQ(setting.profileSwitchColour(3), 0) << "no fourth target";
}

TEST_F(ProfileSettingStateTest, ARefusedColourWriteIsReportedAndTheImageKeepsTheColour) {
  mouse.refuseCommandFrames(true);
  setting.cb_ProfileColorChange(5);
  EXPECT_FALSE(setting.lastWrite.ok());
  EXPECT_EQ(setting.cb_ProfileColor(), 5);
}

}  // namespace
}  // namespace mousecfg::test
