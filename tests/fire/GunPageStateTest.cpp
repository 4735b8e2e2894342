#include "fire/GunPageState.h"

#include <gtest/gtest.h>

#include "fire/FireFixture.h"
#include "settings/MenuItems.h"

namespace mousecfg::test {
namespace {

// "05@39": a command frame by its command and address, for checking the order of writes.
std::string commandAt(const std::string& frame) {
  return frame.substr(5, 2) + "@" + frame.substr(8, 2) + frame.substr(11, 2);
}

class GunPageStateTest : public FireFixture {
 protected:
  // The key page in game mode, button k's menu, "Fire Macro".
  void openFromGameMode(int button) {
    assignment.setEditedProfile(2);
    assignment.openForKeyLabel(button, {200, 110, 140, 40}, {800, 560});
    assignment.fireMacroItemClick();
    mouse.clearTrace();
  }

  void type(GunField which, const std::string& text) { guns.fieldChange(which, text); }
  const std::string& shown(GunField which) const { return guns.field(which); }

  std::string workingRecordHex(int gun) const {
    return hexBytes(gunRecord(link.image.workingGunTable, gun));
  }

  std::vector<std::string> commandOrder() const {
    std::vector<std::string> order;
    for (const std::string& frame : commands()) order.push_back(commandAt(frame));
    return order;
  }

  // The writes of a Confirm with a key-table interface: seven colours and the vendor
  // checksum, the user section (ten frames), tables, block, gun table, reload.
  static std::vector<std::string> confirmWrites() {
    std::vector<std::string> order{"05@0039", "05@003C", "05@003F", "05@0042",
                                   "05@0045", "05@0048", "05@004B", "05@00A3"};
    for (int frame = 0; frame < 10; ++frame) {
      char address[8];
      std::snprintf(address, sizeof address, "05@00%02X", 0xA4 + 3 * frame);
      order.emplace_back(address);
    }
    order.insert(order.end(), {"07@00C0", "07@0122", "07@0130", "06@00A4", "05@00A4", "05@00A4"});
    return order;
  }
};

TEST_F(GunPageStateTest, FireMacroOpensTheGunPageOnGun1ForTheEditedButton) {
  openFromGameMode(4);
  EXPECT_EQ(core.shell.visiblePage, Page::Guns);
  EXPECT_EQ(guns.button, 4);
  EXPECT_EQ(guns.selectedGun, 1);
  EXPECT_EQ(guns.fields, (std::array<std::string, 6>{"0", "0", "0", "7", "0", "20"}));
  EXPECT_EQ(guns.gunPicture(1), "Gun1_02");
  EXPECT_EQ(guns.gunPicture(2), "Gun2_01");
  EXPECT_EQ(guns.keepLeftPicture(), "CbS_D");
  EXPECT_TRUE(frames().empty());
}

TEST_F(GunPageStateTest, ChoosingAGunShowsItsRecordOffsetsAndColour) {
  link.image.user[image::kUserXOffsets + 1] = 0xFE;
  guns.Btn_FireClick(2);
  EXPECT_EQ(guns.fields, (std::array<std::string, 6>{"0", "0", "-2", "12", "0", "1"}));
  EXPECT_EQ(guns.swatchColour(), gunColour(link.image.vendor, 2));
  EXPECT_EQ(guns.gunPicture(2), "Gun2_02");
  EXPECT_EQ(guns.gunPicture(1), "Gun1_01");
  guns.Btn_FireClick(8);
  EXPECT_EQ(guns.selectedGun, 2) << "there is no gun 8";
}

TEST_F(GunPageStateTest, FieldsAreClampedWhereTheyStandAndWrittenIntoTheWorkingCopy) {
  guns.Btn_FireClick(1);
  type(GunField::FireDelay, "300");
  EXPECT_EQ(workingRecordHex(1).substr(0, 35), "A1 FE 00 06 FD 00 04 00 07 FE 01 2C");
  type(GunField::FireDelay, "70000");
  EXPECT_EQ(shown(GunField::FireDelay), "65535");
  type(GunField::FireCount, "300");
  EXPECT_EQ(shown(GunField::FireCount), "255");
  type(GunField::FireCount, "");
  EXPECT_EQ(shown(GunField::FireCount), "0");
  type(GunField::FireX, "-200");
  EXPECT_EQ(shown(GunField::FireX), "-128");
  EXPECT_EQ(link.image.workingGunTable[7], 0x80);
  type(GunField::FireY, "1a2");
  EXPECT_EQ(shown(GunField::FireY), "12") << "only digits and a leading minus";
  type(GunField::FireY, "-");
  EXPECT_EQ(shown(GunField::FireY), "-") << "the start of a negative number";
  EXPECT_EQ(link.image.workingGunTable[8], 12) << "a lone minus stores nothing";
  EXPECT_EQ(hexRange(link.image.committedGunTable, 0, 12), "A1 FE 00 06 FD 00 04 00 07 FE 00 14");
  EXPECT_TRUE(frames().empty()) << "nothing is sent before Confirm";
}

TEST_F(GunPageStateTest, AnAxisAndItsOffsetStayWithinASignedByte) {
  guns.Btn_FireClick(1);
  type(GunField::FireX, "100");
  type(GunField::XOffset, "50");
  EXPECT_EQ(shown(GunField::XOffset), "27");
  type(GunField::FireX, "127");
  EXPECT_EQ(shown(GunField::FireX), "100") << "the axis gives way to the offset as well";
  type(GunField::FireY, "-100");
  type(GunField::YOffset, "-50");
  EXPECT_EQ(shown(GunField::YOffset), "-28");
  guns.Btn_ConfirmClick();
  EXPECT_EQ(storedHex(164 + image::kUserXOffsets, 1), "1B");
  EXPECT_EQ(storedHex(164 + image::kUserYOffsets, 1), "E4");
}

// The fields show a gun as they would take it: an offset that would carry its axis out
// of a signed byte is shown cut down, and nothing is written back meanwhile.
TEST_F(GunPageStateTest, ShowingAGunCouplesItsOffsetsWithoutWritingThemBack) {
  link.image.workingGunTable[7] = 100;  // gun 1's X
  link.image.user[image::kUserXOffsets] = 50;
  const GunTable before = link.image.workingGunTable;
  guns.Btn_FireClick(1);
  EXPECT_EQ(shown(GunField::FireX), "100");
  EXPECT_EQ(shown(GunField::XOffset), "27");
  EXPECT_EQ(link.image.user[image::kUserXOffsets], 50);
  EXPECT_EQ(link.image.workingGunTable, before);
}

// Offsets and colours wait on the page until Confirm, whatever else is sent meanwhile:
// a fire-key change reads the user section back and sends the key tables.
TEST_F(GunPageStateTest, WhatWaitsForConfirmSurvivesOtherChangesAndKeepsChecksumsRight) {
  guns.pickColour = [](uint32_t) { return std::optional<uint32_t>(0x123456); };
  guns.Btn_FireClick(2);
  type(GunField::YOffset, "-4");
  guns.FireColorClick();
  guns.Btn_CancelClick();
  core.fireKeys.FKCntChange(3, "9");
  EXPECT_EQ(link.image.user[image::kUserYOffsets + 1], 0) << "not in the image before Confirm";

  guns.Btn_FireClick(2);
  EXPECT_EQ(shown(GunField::YOffset), "-4");
  EXPECT_EQ(guns.swatchColour(), 0x123456u);
  guns.Btn_ConfirmClick();

  EXPECT_EQ(storedHex(164 + image::kUserYOffsets + 1, 1), "FC");
  EXPECT_EQ(storedHex(60, 3), "12 34 56");
  const auto stored = mouse.storedBlock();
  EXPECT_TRUE(hasValidChecksum(std::span(stored).subspan(0, image::kVendorLength)));
  EXPECT_TRUE(hasValidChecksum(std::span(stored).subspan(image::kUserOffset, image::kUserLength)));
}

TEST_F(GunPageStateTest, Gun6TakesItsStageCountFromTheLayoutOption) {
  core.options.gun6Num = 2;
  openFromGameMode(6);
  guns.Btn_FireClick(6);
  guns.Btn_ConfirmClick();
  EXPECT_EQ(storedEntryHex(2, 6), "0B 05 02 00");
  EXPECT_EQ(assignment.keyCaptions[5], "TOMPSON Fire");
}

TEST_F(GunPageStateTest, ConfirmForNoButtonChangesNoEntry) {
  assignment.setEditedProfile(2);
  guns.open(0);
  const ProfileSection before = link.image.profile2;
  guns.Btn_ConfirmClick();
  EXPECT_EQ(link.image.profile2, before);
  EXPECT_EQ(commandOrder(), confirmWrites());
}

TEST_F(GunPageStateTest, ConfirmOnGun3WithKeepLeftInGameModePutsTheGunOnTheButton) {
  openFromGameMode(4);
  guns.Btn_FireClick(3);
  guns.IsHasLKClick();
  type(GunField::FireY, "6");

  guns.Btn_ConfirmClick();

  EXPECT_EQ(core.shell.visiblePage, Page::Keys);
  EXPECT_EQ(entryHex(2, 4), "0B 12 01 00");
  EXPECT_EQ(link.codes.keys[12 + 3], "0B120100");
  EXPECT_EQ(storedEntryHex(2, 4), "0B 12 01 00");
  EXPECT_EQ(assignment.keyCaptions[3], "M4 Fire");
  EXPECT_EQ(storedHex(304 + 48, 24), hexBytes(gunRecord(link.image.committedGunTable, 3)));
  EXPECT_EQ(storedHex(304 + 48 + 8, 1), "06");
  EXPECT_EQ(commandOrder(), confirmWrites());
  EXPECT_TRUE(guns.lastWrite.ok());
}

TEST_F(GunPageStateTest, ConfirmFromTheOfficeTableChangesNoEntryButWritesEverything) {
  assignment.setEditedProfile(1);
  assignment.openForKeyLabel(4, {200, 110, 140, 40}, {800, 560});
  assignment.fireMacroItemClick();
  const ProfileSection profile1 = link.image.profile1;
  const ProfileSection profile2 = link.image.profile2;
  guns.Btn_FireClick(2);
  type(GunField::FireCount, "4");
  mouse.clearTrace();

  guns.Btn_ConfirmClick();

  EXPECT_EQ(std::vector<uint8_t>(link.image.profile1.begin(), link.image.profile1.end() - 1),
            std::vector<uint8_t>(profile1.begin(), profile1.end() - 1));
  EXPECT_EQ(std::vector<uint8_t>(link.image.profile2.begin(), link.image.profile2.end() - 1),
            std::vector<uint8_t>(profile2.begin(), profile2.end() - 1));
  EXPECT_EQ(link.image.committedGunTable, link.image.workingGunTable);
  EXPECT_EQ(storedHex(304 + 24, 2), "FD 04");
  EXPECT_EQ(commandOrder(), confirmWrites());
}

TEST_F(GunPageStateTest, TheComboByteOfANewGunEntryFollowsTheExistingGunEntries) {
  bindButton(1, 7, ButtonEntry{0x0B, 0x00, 0x01, 0x08});
  openFromGameMode(5);
  guns.Btn_FireClick(6);
  guns.Btn_ConfirmClick();
  EXPECT_EQ(entryHex(2, 5), "0B 05 01 08");
  EXPECT_EQ(assignment.keyCaptions[4], "TOMPSON Fire");
}

TEST_F(GunPageStateTest, CancelSendsNothingAndKeepsWhatWasTypedForTheNextConfirm) {
  openFromGameMode(4);
  guns.Btn_FireClick(3);
  type(GunField::FireY, "9");
  const std::string entryBefore = entryHex(2, 4);

  guns.Btn_CancelClick();

  EXPECT_EQ(core.shell.visiblePage, Page::Keys);
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(entryHex(2, 4), entryBefore);
  guns.Btn_FireClick(3);
  EXPECT_EQ(shown(GunField::FireY), "9");
  EXPECT_EQ(storedHex(304 + 48 + 8, 1), "05");
  guns.Btn_ConfirmClick();
  EXPECT_EQ(storedHex(304 + 48 + 8, 1), "09");
}

TEST_F(GunPageStateTest, AChosenColourWaitsForConfirmAndKeepsTheVendorChecksumRight) {
  guns.pickColour = [](uint32_t) { return std::optional<uint32_t>(0x00FFFF); };
  guns.Btn_FireClick(3);
  guns.FireColorClick();
  EXPECT_EQ(guns.swatchColour(), 0x00FFFFu);
  EXPECT_EQ(core.engineerLed.edt_Col[2], (std::array<std::string, 3>{"", "255", "255"}));
  EXPECT_EQ(gunColour(link.image.vendor, 3), 0x0000FFu) << "the image takes it with Confirm";
  EXPECT_TRUE(frames().empty());

  guns.Btn_ConfirmClick();

  EXPECT_EQ(storedHex(63, 3), "00 FF FF");
  EXPECT_EQ(core.lighting.slotColour(3), 0x00FFFFu);
  const auto stored = mouse.storedBlock();
  EXPECT_TRUE(hasValidChecksum(std::span(stored).subspan(0, image::kVendorLength)));
  EXPECT_TRUE(hasValidChecksum(std::span(stored).subspan(image::kUserOffset, image::kUserLength)));
}

TEST_F(GunPageStateTest, TheColourDialogIsNotOpenedWhileTheWindowIsRefreshed) {
  bool asked = false;
  guns.pickColour = [&](uint32_t) {
    asked = true;
    return std::optional<uint32_t>(0x123456);
  };
  const auto refreshing = link.holdRefreshing();
  guns.FireColorClick();
  EXPECT_FALSE(asked);
}

TEST_F(GunPageStateTest, ConfirmWhileRefreshedCommitsButSendsNothing) {
  guns.Btn_FireClick(1);
  type(GunField::FireY, "3");
  {
    const auto refreshing = link.holdRefreshing();
    guns.Btn_ConfirmClick();
  }
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(link.image.committedGunTable[8], 3);
}

TEST_F(GunPageStateTest, AReadShowsTheSelectedGunAgainFromTheMouse) {
  guns.Btn_FireClick(4);
  type(GunField::FireY, "30");
  ASSERT_TRUE(link.transfer.Btn_Read());
  EXPECT_EQ(guns.selectedGun, 4);
  EXPECT_EQ(shown(GunField::FireY), "5") << "what the mouse stores";
  EXPECT_EQ(link.image.workingGunTable, link.image.committedGunTable);
}

TEST_F(GunPageStateTest, AMouseUnpluggedDuringConfirmIsReported) {
  guns.Btn_FireClick(1);
  type(GunField::FireY, "3");
  mouse.unplugAfterFrames(4);
  guns.Btn_ConfirmClick();
  EXPECT_FALSE(guns.lastWrite.ok());
  EXPECT_EQ(link.image.committedGunTable[8], 3) << "kept for a later write";
}

// --- The page and the service editor show one gun ---

TEST_F(GunPageStateTest, ChoosingAGunOnThePageChoosesItsPresetInTheEditor) {
  openFromGameMode(4);
  guns.Btn_FireClick(5);
  EXPECT_EQ(core.gunEditor.selectedPreset(), 5);
}

TEST_F(GunPageStateTest, ChoosingAPresetInTheEditorShowsThatGunOnThePage) {
  openFromGameMode(4);
  core.gunEditor.selectPreset(2);
  EXPECT_EQ(guns.selectedGun, 2);
  EXPECT_EQ(guns.gunPicture(2), "Gun2_02");
}

TEST_F(GunPageStateTest, AnEditorChangeKeepsTheOffsetsWaitingForConfirm) {
  openFromGameMode(4);
  guns.Btn_FireClick(2);
  type(GunField::XOffset, "9");
  core.gunEditor.selectEntry(0);
  ASSERT_TRUE(core.gunEditor.deleteEntry());
  EXPECT_EQ(shown(GunField::XOffset), "9");
  guns.Btn_ConfirmClick();
  EXPECT_EQ(storedHex(image::kUserOffset + image::kUserXOffsets + 1, 1), "09");
}

}  // namespace
}  // namespace mousecfg::test
