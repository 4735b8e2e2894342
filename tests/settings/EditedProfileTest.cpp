#include "settings/EditedProfile.h"

#include <gtest/gtest.h>

#include "support/HexBytes.h"
#include "support/SimulatedLinkFixture.h"

namespace mousecfg::test {
namespace {

ProgramOptions optionsWith(bool gdEnable, bool beEnable) {
  ProgramOptions options;
  options.gdEnable = gdEnable;
  options.beEnable = beEnable;
  return options;
}

class EditedProfileTest : public SimulatedLinkFixture {
 protected:
  void SetUp() override {
    link.discovery.DevTimerTimer();
    ASSERT_TRUE(link.channel.isOpen());
    edited.showKeyPage = [this](int profile) { shownKeyPages.push_back(profile); };
    mouse.clearTrace();
  }

  EditedProfile edited{link, optionsWith(true, false)};
  std::vector<int> shownKeyPages;
};

TEST_F(EditedProfileTest, RefreshReadsTheActiveProfileByteAndShowsGameMode) {
  mouse.pressProfileButton();  // the mouse switches to profile 2 by itself
  mouse.clearTrace();

  edited.RefreshCurrentProfileStatus();

  EXPECT_EQ(frames(),
            (std::vector<std::string>{"S 40 09 00 A4 00 01 00 00", "G 41 01 00 00 00 00 00 00"}));
  EXPECT_EQ(edited.profile, 2);
  EXPECT_EQ(edited.cb_ProfileIndex(), 1);
  EXPECT_TRUE(edited.officeModeItemVisible);
  EXPECT_FALSE(edited.gameModeItemVisible);
  EXPECT_EQ(link.image.user[0], 0x01);
  EXPECT_EQ(shownKeyPages, std::vector<int>{2});
  EXPECT_TRUE(edited.menu.gunPresetsReachable);
}

TEST_F(EditedProfileTest, RefreshWithLowNibbleZeroShowsOfficeMode) {
  edited.selectMode(EditedProfile::kGameMode);
  mouse.pressProfileButton();  // back to profile 1
  shownKeyPages.clear();

  edited.RefreshCurrentProfileStatus();

  EXPECT_EQ(edited.profile, 1);
  EXPECT_FALSE(edited.officeModeItemVisible);
  EXPECT_TRUE(edited.gameModeItemVisible);
  EXPECT_EQ(shownKeyPages, std::vector<int>{1});
  EXPECT_FALSE(edited.menu.gunPresetsReachable);
}

TEST_F(EditedProfileTest, RefreshWithoutAStoredWriteInterfaceUsesTheUserCopy) {
  link.connection.interfaceType.clear();
  link.image.user[0] = 0x21;

  edited.RefreshCurrentProfileStatus();

  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(edited.profile, 2);
}

TEST_F(EditedProfileTest, RefreshKeepsTheProfileWhenTheMouseDoesNotAnswer) {
  edited.selectMode(EditedProfile::kGameMode);
  mouse.refuseFrames(true);

  edited.RefreshCurrentProfileStatus();

  EXPECT_EQ(edited.profile, 2);
  EXPECT_EQ(link.image.user[0], 0x01);
}

TEST_F(EditedProfileTest, AModeWithoutATableOfItsOwnLeavesTheEditedProfile) {
  link.connection.interfaceType.clear();
  link.image.user[0] = 0x02;
  edited.RefreshCurrentProfileStatus();
  EXPECT_EQ(edited.profile, 1);
  EXPECT_TRUE(shownKeyPages.empty());
}

TEST_F(EditedProfileTest, GameModeButtonWritesTheModeBytesWithTheGunFlag) {
  ASSERT_TRUE(edited.selectMode(EditedProfile::kGameMode));

  // Byte 3 gets the gun flag, the checksum follows, byte 0 goes last.
  EXPECT_EQ(frames(),
            (std::vector<std::string>{"S 40 05 00 A7 04 00 00 01", "S 40 05 00 BF DD 00 00 01",
                                      "S 40 05 00 A4 01 00 00 01"}));
  const auto stored = mouse.storedBlock();
  EXPECT_EQ(hexRange(stored, 164, 4), "01 81 01 04");
  EXPECT_TRUE(hasValidChecksum(std::span(stored).subspan(164, 28)));
  EXPECT_EQ(edited.profile, 2);
  EXPECT_EQ(shownKeyPages, std::vector<int>{2});
}

TEST_F(EditedProfileTest, OfficeModeButtonClearsTheGunFlagAndKeepsTheHighNibble) {
  link.image.user[0] = 0x31;
  edited.selectMode(EditedProfile::kGameMode);
  mouse.clearTrace();

  edited.selectMode(EditedProfile::kOfficeMode);

  EXPECT_EQ(frames(),
            (std::vector<std::string>{"S 40 05 00 A7 00 00 00 01", "S 40 05 00 BF E8 00 00 01",
                                      "S 40 05 00 A4 30 00 00 01"}));
  EXPECT_EQ(link.image.user[0], 0x30);
  EXPECT_EQ(edited.profile, 1);
}

TEST_F(EditedProfileTest, WithoutGunPresetsOnlyByteZeroAndTheChecksumAreWritten) {
  EditedProfile plain(link, optionsWith(false, false));
  plain.selectMode(EditedProfile::kGameMode);
  EXPECT_EQ(frames(),
            (std::vector<std::string>{"S 40 05 00 BF D9 00 00 01", "S 40 05 00 A4 01 00 00 01"}));
  EXPECT_FALSE(plain.menu.gunPresetsReachable);
}

TEST_F(EditedProfileTest, ThirdModeIsWrittenButTheEditedProfileStays) {
  edited.selectMode(EditedProfile::kThirdMode);
  EXPECT_EQ(mouse.storedBlock()[164], 0x02);
  EXPECT_EQ(edited.profile, 1);
  EXPECT_TRUE(shownKeyPages.empty());
}

TEST_F(EditedProfileTest, ModeButtonsSendNothingDuringABatchOrForAnUnknownMode) {
  {
    const auto batch = link.holdBatch();
    EXPECT_FALSE(edited.selectMode(EditedProfile::kGameMode));
  }
  EXPECT_FALSE(edited.selectMode(0));
  EXPECT_FALSE(edited.selectMode(4));
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(link.image.user[0], 0x00);
  EXPECT_EQ(edited.profile, 1);
}

TEST_F(EditedProfileTest, RefreshFromImageFollowsTheUserCopyWithoutFrames) {
  link.image.user[0] = 0x01;
  edited.refreshFromImage();
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(edited.profile, 2);
}

TEST(FunctionMenuSizing, OfficeModeHidesTheGunPage) {
  EXPECT_EQ(functionMenuSizing(1, true, true), (FunctionMenuSizing{170, 242, 217, 289, false}));
  EXPECT_EQ(functionMenuSizing(1, true, false),
            (FunctionMenuSizing{170, 218, std::nullopt, std::nullopt, false}));
}

TEST(FunctionMenuSizing, GameModeWithGunPresetsSwapsTheTwoSpecialItems) {
  EXPECT_EQ(functionMenuSizing(2, true, true), (FunctionMenuSizing{194, 314, 289, 217, true}));
  EXPECT_EQ(functionMenuSizing(2, true, false), (FunctionMenuSizing{194, 290, 289, 217, true}));
}

TEST(FunctionMenuSizing, GameModeWithoutGunPresetsIsSizedLikeOfficeMode) {
  EXPECT_EQ(functionMenuSizing(2, false, true), functionMenuSizing(1, false, true));
  EXPECT_EQ(functionMenuSizing(2, false, false), functionMenuSizing(1, false, false));
}

}  // namespace
}  // namespace mousecfg::test
