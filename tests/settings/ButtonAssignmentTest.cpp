#include "settings/ButtonAssignment.h"

#include <gtest/gtest.h>

#include "device/ConfigImage.h"
#include "settings/ButtonAssignmentFixture.h"
#include "settings/MenuItems.h"

namespace mousecfg::test {
namespace {

using ButtonAssignmentTest = ButtonAssignmentFixture;

std::vector<std::string> dataFrames(std::span<const uint8_t> bytes, const std::string& report) {
  std::vector<std::string> frames;
  for (size_t at = 0; at < bytes.size(); at += 7)
    frames.push_back(report + " " + hexRange(bytes, at, 7));
  return frames;
}

TEST_F(ButtonAssignmentTest, CaptionsShowTheDefaultTables) {
  EXPECT_EQ(assignment.keyCaptions,
            (std::array<std::string, 12>{"Left Key", "Backward", "Fire Key1", "Right Key",
                                         "Forward", "DPI +", "Middle Key", "DPI Loop", "DPI -",
                                         "LED Mode", "LED ON/OFF", "Desktop"}));
  EXPECT_EQ(assignment.engineerCaptions[1], assignment.keyCaptions);
  EXPECT_EQ(assignment.comboCaptions[1], "LED Mode");
  EXPECT_EQ(assignment.comboCaptions[2], "Office Mode");
  EXPECT_EQ(assignment.comboCaptions[0], "Key Off");
  EXPECT_TRUE(assignment.parameters.fireKeys[0].continuous) << "from 06 92 00 1E";
}

// The end-to-end change: the entry, both tables in one block write with fresh
// checksums, the user-section read-back and the reload sequence, frame by frame.
TEST_F(ButtonAssignmentTest, DpiPlusOnButton6SendsTablesReadBackAndReload) {
  const auto before = mouse.storedBlock();
  std::vector<uint8_t> tables(before.begin() + 192, before.begin() + 290);
  tables[20] = 0x09, tables[21] = 0x01, tables[22] = 0x00, tables[23] = 0x00;
  storeChecksum(std::span(tables).first(49));
  storeChecksum(std::span(tables).subspan(49, 49));
  const std::vector<uint8_t> user(before.begin() + 164, before.begin() + 192);

  choose(6, menu_id::kDpiUp);

  std::vector<std::string> expected{"S 40 07 00 C0 00 62 00 00"};
  for (const std::string& frame : dataFrames(tables, "S 41")) expected.push_back(frame);
  expected.push_back("S 40 06 00 A4 00 1C 00 00");
  for (const std::string& frame : dataFrames(user, "G 41")) expected.push_back(frame);
  expected.push_back("S 40 05 00 A4 0F 00 00 01");
  expected.push_back("S 40 05 00 A4 " + hexBytes(std::span(user).first(1)) + " 00 00 01");
  EXPECT_EQ(frames(), expected);
  EXPECT_EQ(expected.size(), 1u + 14u + 1u + 4u + 2u);
  EXPECT_EQ(entryHex(1, 6), "09 01 00 00");
  EXPECT_EQ(link.codes.keys[5], "09010000");
  EXPECT_EQ(storedHex(192, 98), hexBytes(tables));
  EXPECT_EQ(assignment.keyCaptions[5], "DPI +");
  EXPECT_EQ(assignment.engineerCaptions[0][5], "DPI +");
  EXPECT_FALSE(assignment.menu.isOpen());
  EXPECT_TRUE(assignment.lastWrite.ok());
}

TEST_F(ButtonAssignmentTest, ARefusedDataFrameOfTheTablesReachesTheAssignment) {
  mouse.refuseOneFrameAfter(1 + 7);
  choose(6, menu_id::kDpiUp);
  EXPECT_FALSE(assignment.lastWrite);
  EXPECT_EQ(assignment.lastWrite.failedFrames(), 1);
  EXPECT_EQ(entryHex(1, 6), "09 01 00 00") << "the window shows what was chosen";
}

TEST_F(ButtonAssignmentTest, DpiPlusTakesTheCpiPlusComboEnableByte) {
  assignment.parameters.comboEnable.set(ComboEnableList::CpiUp, 0x08);
  choose(2, menu_id::kDpiUp);
  EXPECT_EQ(entryHex(1, 2), "09 01 00 08");
  EXPECT_EQ(storedHex(196, 4), "09 01 00 08");
}

TEST_F(ButtonAssignmentTest, ReassigningTheOnlyLeftKeyOfProfile1IsRefused) {
  choose(1, menu_id::kVolumeUp);
  EXPECT_EQ(host.messages, (std::vector<std::string>{"Str108"}));
  EXPECT_EQ(assignment.keyCaptions[0], "Left Key");
  EXPECT_EQ(assignment.engineerCaptions[0][0], "Left Key");
  EXPECT_EQ(entryHex(1, 1), "01 01 00 00");
  EXPECT_EQ(link.codes.keys[0], "01010000");
  EXPECT_TRUE(frames().empty()) << "nothing is sent";
}

TEST_F(ButtonAssignmentTest, ReassigningTheOnlyLeftKeyOfProfile2IsAccepted) {
  assignment.setEditedProfile(2);
  choose(1, menu_id::kVolumeUp);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(assignment.keyCaptions[0], "Volume +");
  EXPECT_EQ(assignment.engineerCaptions[1][0], "Volume +");
  EXPECT_EQ(assignment.engineerCaptions[0][0], "Left Key") << "profile 1 untouched";
  EXPECT_EQ(entryHex(2, 1), "03 00 E9 00");
  EXPECT_EQ(link.codes.keys[12], "0300E900");
  EXPECT_EQ(storedHex(241, 4), "03 00 E9 00");
}

TEST_F(ButtonAssignmentTest, ALeftKeyMayMoveWhileAnotherRemains) {
  choose(4, menu_id::kLeftKey);
  choose(1, menu_id::kVolumeUp);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(entryHex(1, 1), "03 00 E9 00");
  EXPECT_EQ(entryHex(1, 4), "01 01 00 00");
  choose(4, menu_id::kKeyOff);
  EXPECT_EQ(host.messages, (std::vector<std::string>{"Str108"}));
  EXPECT_EQ(entryHex(1, 4), "01 01 00 00");
}

TEST_F(ButtonAssignmentTest, DuringABatchTheEntryIsStoredButNotSent) {
  const auto batch = link.holdBatch();
  choose(9, menu_id::kMute);
  EXPECT_EQ(entryHex(1, 9), "03 00 E2 00");
  EXPECT_TRUE(frames().empty());
}

TEST_F(ButtonAssignmentTest, FireKeyItemsTakeCountIntervalAndContinuous) {
  assignment.parameters.fireKeys[1] = {5, 300, true};
  choose(5, menu_id::kFireKey2);
  EXPECT_EQ(entryHex(1, 5), "06 94 01 2C");
  EXPECT_EQ(assignment.keyCaptions[4], "Fire Key2");
}

TEST_F(ButtonAssignmentTest, ParametersAreUpdatedBeforeTheEntryIsBuilt) {
  assignment.updateParameters = [](EntryParameters& parameters) { parameters.aimStepNumber = 4; };
  choose(10, menu_id::kAimKey);
  EXPECT_EQ(entryHex(1, 10), "05 03 00 00");
}

TEST_F(ButtonAssignmentTest, FireMacroKeyNeedsAMemoryThatStoresMacros) {
  link.connection.interfaceType.clear();
  choose(12, menu_id::kFireMacroKey);
  EXPECT_EQ(entryHex(1, 12), "02 08 07 00");
  EXPECT_EQ(assignment.keyCaptions[11], "Desktop");
  EXPECT_TRUE(frames().empty());
  link.connection.interfaceType = "KV204";
  choose(12, menu_id::kFireMacroKey);
  EXPECT_EQ(entryHex(1, 12), "10 01 30 FF");
  EXPECT_EQ(assignment.keyCaptions[11], "Fire Macro Key");
}

TEST_F(ButtonAssignmentTest, WithoutAnOpenMenuChoicesDoNothing) {
  EXPECT_EQ(assignment.KeyStatusOnClick(menu_id::kMute), AssignOutcome::Ignored);
  assignment.openForKeyLabel(3, kLabel, kWindow);
  EXPECT_EQ(assignment.KeyStatusOnClick(4242), AssignOutcome::Ignored);
  EXPECT_EQ(entryHex(1, 3), "06 92 00 1E");
  EXPECT_TRUE(frames().empty());
}

// ---- Edited profile ----

TEST_F(ButtonAssignmentTest, TheEditedProfileSelectsTableCaptionsAndMenuSizing) {
  choose(2, menu_id::kMute);
  assignment.setEditedProfile(2);
  EXPECT_EQ(assignment.keyCaptions[1], "Backward");
  EXPECT_FALSE(assignment.menu.panel(MenuPanel::Profiles).items[1].visible) << "Game Mode hidden";
  assignment.setEditedProfile(1);
  EXPECT_EQ(assignment.keyCaptions[1], "Mute");
  EXPECT_FALSE(assignment.menu.panel(MenuPanel::Profiles).items[0].visible) << "Office Mode hidden";
  assignment.setEditedProfile(3);
  EXPECT_EQ(assignment.editedProfile, 1);
}

// ---- The combination-key dialog ----

TEST_F(ButtonAssignmentTest, UserDefinedOpensTheDialogAndStoresItsResult) {
  int opened = 0;
  assignment.openAssemblyKeyDialog = [&] { ++opened; };
  assignment.openForKeyLabel(7, kLabel, kWindow);
  assignment.Key_AssemblyClick();
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(assignment.blockingPanelVisible);
  EXPECT_FALSE(assignment.menu.isOpen());
  EXPECT_EQ(assignment.assemblyKeyConfirmed("Ctrl+A", "02010400"), AssignOutcome::Stored);
  EXPECT_FALSE(assignment.blockingPanelVisible);
  EXPECT_EQ(entryHex(1, 7), "02 01 04 00");
  EXPECT_EQ(assignment.keyCaptions[6], "Ctrl+A");
  EXPECT_EQ(storedHex(216, 4), "02 01 04 00");
}

TEST_F(ButtonAssignmentTest, AnEmptyDialogResultIsKeyOff) {
  assignment.openForKeyLabel(7, kLabel, kWindow);
  assignment.Key_AssemblyClick();
  assignment.assemblyKeyConfirmed("", "00000000");
  EXPECT_EQ(assignment.keyCaptions[6], "Key Off");
  EXPECT_EQ(entryHex(1, 7), "00 00 00 00");
}

TEST_F(ButtonAssignmentTest, ClosingOrAForeignResultChangesNothing) {
  assignment.openForKeyLabel(7, kLabel, kWindow);
  assignment.Key_AssemblyClick();
  assignment.assemblyKeyClosed();
  EXPECT_FALSE(assignment.blockingPanelVisible);
  EXPECT_EQ(assignment.assemblyKeyConfirmed("Ctrl+A", "02010400"), AssignOutcome::Ignored)
      << "no dialog open";
  assignment.Key_AssemblyClick();
  EXPECT_EQ(assignment.assemblyKeyConfirmed("?", "02ZZ0400"), AssignOutcome::Ignored);
  EXPECT_EQ(entryHex(1, 7), "01 04 00 00");
  EXPECT_TRUE(frames().empty());
}

TEST_F(ButtonAssignmentTest, UserDefinedOnTheOnlyLeftKeyOfProfile1StaysShut) {
  int opened = 0;
  assignment.openAssemblyKeyDialog = [&] { ++opened; };
  assignment.openForKeyLabel(1, kLabel, kWindow);
  assignment.Key_AssemblyClick();
  EXPECT_EQ(opened, 0);
  EXPECT_FALSE(assignment.blockingPanelVisible);
  EXPECT_TRUE(host.messages.empty()) << "silently";
}

// ---- Device macros ----

TEST_F(ButtonAssignmentTest, MacroChoiceStoresTheMacroEntryAndShowsItsName) {
  addMacro(0, "Burst", 3);
  addMacro(1, "Reload");
  assignment.refreshFromImage();
  assignment.openForKeyLabel(5, kLabel, kWindow);
  EXPECT_EQ(assignment.menu.panel(MenuPanel::MacroList).items.size(), 2u);
  EXPECT_EQ(assignment.LB_NameClick(1), AssignOutcome::Stored);
  EXPECT_EQ(entryHex(1, 5), "10 02 14 00") << "second record starts 0x200 + 16 + 4";
  EXPECT_EQ(assignment.keyCaptions[4], "Reload");
  EXPECT_EQ(assignment.engineerCaptions[0][4], "Reload");
  EXPECT_EQ(storedHex(208, 4), "10 02 14 00");
  assignment.refreshFromImage();
  EXPECT_EQ(assignment.keyCaptions[4], "Reload") << "decoded by the macro's identifier";
}

TEST_F(ButtonAssignmentTest, MacroChoiceOnTheOnlyLeftKeyIsSilentlyRefusedOnBothProfiles) {
  addMacro(0, "Burst");
  for (int profile : {1, 2}) {
    assignment.setEditedProfile(profile);
    assignment.openForKeyLabel(1, kLabel, kWindow);
    EXPECT_EQ(assignment.LB_NameClick(0), AssignOutcome::Ignored) << profile;
    EXPECT_EQ(entryHex(profile, 1), "01 01 00 00");
  }
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(frames().empty());
}

TEST_F(ButtonAssignmentTest, MacroChoicesNeedAMemoryThatStoresMacros) {
  addMacro(0, "Burst");
  link.connection.interfaceType = "Flash";
  assignment.openForKeyLabel(5, kLabel, kWindow);
  EXPECT_TRUE(assignment.menu.panel(MenuPanel::MacroList).items.empty());
  EXPECT_EQ(assignment.LB_NameClick(0), AssignOutcome::Ignored);
  EXPECT_EQ(assignment.keyCaptions[4], "Forward");
  EXPECT_EQ(entryHex(1, 5), "01 10 00 00");
}

TEST_F(ButtonAssignmentTest, MacroPositionsPastTheListAreIgnored) {
  addMacro(0, "Burst");
  assignment.openForKeyLabel(5, kLabel, kWindow);
  EXPECT_EQ(assignment.LB_NameClick(1), AssignOutcome::Ignored);
  EXPECT_EQ(entryHex(1, 5), "01 10 00 00");
}

TEST_F(ButtonAssignmentTest, ButtonsFollowTheirMacroWhenTheStoreChanges) {
  addMacro(0, "Burst", 3);
  addMacro(1, "Reload");
  assignment.refreshFromImage();
  assignment.openForKeyLabel(5, kLabel, kWindow);
  assignment.LB_NameClick(0);  // Burst at 0x200
  assignment.setEditedProfile(2);
  assignment.openForKeyLabel(8, kLabel, kWindow);
  assignment.LB_NameClick(1);  // Reload at 0x214
  assignment.setEditedProfile(1);
  assignment.openForKeyLabel(9, kLabel, kWindow);
  assignment.Key_AssemblyClick();
  assignment.assemblyKeyConfirmed("Burst", "02000500");  // a key combination named like the macro
  mouse.clearTrace();

  assignment.InitKeysParameters();
  link.macros.clearSlot(0);
  ASSERT_TRUE(link.macros.PackMacroBlock());
  link.macros.ReadAndRefreshMacroBlock();
  assignment.RefreshKeysParameters();

  EXPECT_EQ(entryHex(1, 5), "00 00 00 00") << "its macro is gone";
  EXPECT_EQ(assignment.keyCaptions[4], "Key Off");
  EXPECT_EQ(entryHex(2, 8), "10 02 00 00") << "Reload moved to the front";
  EXPECT_EQ(assignment.engineerCaptions[1][7], "Reload");
  EXPECT_EQ(link.codes.keys[12 + 7], "10020000");
  EXPECT_EQ(entryHex(1, 9), "02 00 05 00") << "not a macro entry";
  EXPECT_TRUE(frames().empty()) << "the caller writes the tables";
}

// ---- AIM key ----

TEST_F(ButtonAssignmentTest, SettingAimKeyReencodesEveryAimEntry) {
  choose(11, menu_id::kAimKey);
  assignment.setEditedProfile(2);
  choose(3, menu_id::kAimKey);
  mouse.clearTrace();
  EXPECT_TRUE(assignment.SettingAIMKey(7));
  EXPECT_EQ(entryHex(1, 11), "05 06 00 00");
  EXPECT_EQ(entryHex(2, 3), "05 06 00 00");
  EXPECT_EQ(framesStartingWith("S 40 07").size(), 1u);
  EXPECT_EQ(storedHex(249, 4), "05 06 00 00");
  choose(4, menu_id::kAimKey);
  EXPECT_EQ(entryHex(2, 4), "05 06 00 00") << "new AIM keys take the step";
}

TEST_F(ButtonAssignmentTest, SettingAimKeyWithoutAnAimKeyResetsTheStep) {
  EXPECT_FALSE(assignment.SettingAIMKey(5));
  EXPECT_EQ(host.messages, (std::vector<std::string>{"Str105"}));
  EXPECT_EQ(assignment.parameters.aimStepNumber, 1);
  EXPECT_TRUE(framesStartingWith("S 40 07").empty());
}

// ---- Engineer page targets ----

TEST_F(ButtonAssignmentTest, EngineerProfileButtonsStoreInTheirOwnTable) {
  ASSERT_TRUE(assignment.openForEngineerButton(206, {100, 300, 80, 30}, {1256, 680}));
  EXPECT_EQ(assignment.KeyStatusOnClick(menu_id::kDpiLoop), AssignOutcome::Stored);
  EXPECT_EQ(entryHex(2, 6), "09 00 00 00");
  EXPECT_EQ(assignment.engineerCaptions[1][5], "DPI Loop");
  EXPECT_EQ(assignment.keyCaptions[5], "DPI +") << "the key page edits profile 1";
  EXPECT_EQ(storedHex(261, 4), "09 00 00 00");
}

TEST_F(ButtonAssignmentTest, EngineerProfile1ButtonsHaveNoLeftKeyGuard) {
  assignment.openForEngineerButton(101, {}, {1256, 680});
  EXPECT_EQ(assignment.KeyStatusOnClick(menu_id::kMute), AssignOutcome::Stored);
  EXPECT_EQ(entryHex(1, 1), "03 00 E2 00");
  EXPECT_EQ(assignment.keyCaptions[0], "Mute") << "the key page shows the same table";
}

TEST_F(ButtonAssignmentTest, ComboKeysTakeTheComboFormAndADirectWriteWithTheVendorChecksum) {
  assignment.parameters.profileSwitch.colourItems = {0, 2, 0};
  ASSERT_TRUE(assignment.openForEngineerButton(4, {}, {1256, 680}));
  EXPECT_EQ(assignment.KeyStatusOnClick(menu_id::kGameMode), AssignOutcome::Stored);
  EXPECT_EQ(hexRange(link.image.vendor, 139, 4), "07 81 20 18");
  EXPECT_EQ(link.codes.combos[3], "07812018");
  EXPECT_EQ(assignment.comboCaptions[3], "Game Mode");
  EXPECT_TRUE(hasValidChecksum(link.image.vendor));
  const auto sent = framesStartingWith("S 40");
  ASSERT_GE(sent.size(), 3u);
  EXPECT_EQ(sent[0], "S 40 05 01 8B 07 81 20 18");
  EXPECT_EQ(sent[1], "S 40 05 00 A3 " + hexRange(link.image.vendor, 163, 1) + " 00 00 01");
  EXPECT_EQ(sent[2], "S 40 07 00 C0 00 62 00 00") << "then the key tables";
  const auto stored = mouse.storedBlock();
  EXPECT_TRUE(hasValidChecksum(std::span(stored).first(164)))
      << "the next read keeps the vendor section";
}

TEST_F(ButtonAssignmentTest, EngineerNumbersOutsideTheGroupsOpenNoMenu) {
  for (int number : {0, 10, 100, 113, 200, 213, 301, 312})
    EXPECT_FALSE(assignment.openForEngineerButton(number, {}, {1256, 680})) << number;
  EXPECT_FALSE(assignment.menu.isOpen());
}

TEST_F(ButtonAssignmentTest, FireMacroCodesGoToEngineerProfileButtons) {
  assignment.fireMacros.present = true;
  assignment.fireMacros.codes[0] = {0x0B, 0x12, 0x02, 0x00};
  assignment.openForEngineerButton(203, {}, {1256, 680});
  EXPECT_EQ(assignment.menu.panel(MenuPanel::ScriptList).items.at(0).caption, "Fire Macro1");
  EXPECT_EQ(assignment.LB_ScriptClick(0), AssignOutcome::Stored);
  EXPECT_EQ(entryHex(2, 3), "0B 12 02 00");
  EXPECT_EQ(assignment.engineerCaptions[1][2], "Fire Macro1");
  assignment.openForKeyLabel(3, kLabel, kWindow);
  EXPECT_EQ(assignment.LB_ScriptClick(0), AssignOutcome::Ignored) << "engineer buttons only";
  EXPECT_EQ(entryHex(1, 3), "06 92 00 1E");
}

TEST_F(ButtonAssignmentTest, KeyPageFireMacroItemOpensTheGunPageForItsButton) {
  int gunPageButton = 0;
  assignment.openGunPage = [&](int button) { gunPageButton = button; };
  assignment.openForKeyLabel(8, kLabel, kWindow);
  assignment.fireMacroItemClick();
  EXPECT_EQ(gunPageButton, 8);
  EXPECT_FALSE(assignment.menu.isOpen());
}

// ---- Codes and languages ----

TEST_F(ButtonAssignmentTest, AssignCodeFollowsTheMenuPathWithItsGuard) {
  assignment.openForKeyLabel(1, kLabel, kWindow);
  EXPECT_EQ(assignment.assignCode("0300E900"), AssignOutcome::LeftKeyKept);
  assignment.openForKeyLabel(8, kLabel, kWindow);
  EXPECT_EQ(assignment.assignCode("02030405"), AssignOutcome::Stored);
  EXPECT_EQ(assignment.keyCaptions[7], "Ctrl+Shift+A+B");
  assignment.openForKeyLabel(8, kLabel, kWindow);
  EXPECT_EQ(assignment.assignCode("nonsense"), AssignOutcome::Ignored);
}

TEST_F(ButtonAssignmentTest, LanguageChangeRelabelsCaptionsAndMenu) {
  choose(2, menu_id::kGameMode);
  ASSERT_TRUE(languages.selectLanguage(2));
  assignment.applyLanguage();
  EXPECT_EQ(assignment.keyCaptions[1], "Mode B");
  EXPECT_EQ(assignment.engineerCaptions[0][1], "Mode B");
  EXPECT_EQ(assignment.comboCaptions[2], "Mode A");
  EXPECT_EQ(assignment.menu.panel(MenuPanel::Main).items[3].caption, " * Web");
}

}  // namespace
}  // namespace mousecfg::test
