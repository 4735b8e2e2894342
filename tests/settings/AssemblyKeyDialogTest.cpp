#include "settings/AssemblyKeyDialog.h"

#include <gtest/gtest.h>

#include "settings/KeyCodes.h"

namespace mousecfg {
namespace {

constexpr int kB = vk::kA + 1;
constexpr int kC = vk::kA + 2;
constexpr int kD = vk::kA + 3;

class AssemblyKeyDialogTest : public ::testing::Test {
 protected:
  AssemblyKeyDialogTest() { dialog.FormCreate(); }

  void type(int virtualKey) { dialog.Edt_AssemblyKeyDown(virtualKey, false, false, false); }
  std::string confirmedCode() { return dialog.IB_ConfirmClick().codeString; }

  AssemblyKeyDialog dialog;
};

TEST_F(AssemblyKeyDialogTest, OpensEmpty) {
  EXPECT_TRUE(dialog.isOpen());
  EXPECT_FALSE(dialog.blockingPanelReleased());
  EXPECT_EQ(dialog.editText, "");
  EXPECT_EQ(dialog.keyCount, 0);
  EXPECT_FALSE(dialog.result.has_value());
}

TEST_F(AssemblyKeyDialogTest, CtrlThenAGivesCtrlPlusA) {
  dialog.CB_CtrlClick();
  EXPECT_EQ(dialog.editText, "Ctrl");
  type(vk::kA);
  EXPECT_EQ(dialog.editText, "Ctrl+A");
  EXPECT_EQ(dialog.keyCount, 1);
  EXPECT_EQ(dialog.key1, 0x04);
  EXPECT_EQ(dialog.modifierByte(), 0x01);
  const AssemblyKeyResult result = dialog.IB_ConfirmClick();
  EXPECT_EQ(result.displayText, "Ctrl+A");
  EXPECT_EQ(result.codeString, "02010400");
}

TEST_F(AssemblyKeyDialogTest, TwoKeysAreJoinedAndFillBothKeyBytes) {
  type(vk::kA);
  type(vk::kF12);
  EXPECT_EQ(dialog.keysText, "A+F12");
  EXPECT_EQ(dialog.editText, "A+F12");
  EXPECT_EQ(dialog.keyCount, 2);
  EXPECT_EQ(confirmedCode(), "02000445");
}

TEST_F(AssemblyKeyDialogTest, ThirdKeyStartsOverAfterTheModifiers) {
  dialog.CB_ShiftClick();
  type(vk::kA);
  type(kB);
  type(kC);
  EXPECT_EQ(dialog.editText, "Shift+C");
  EXPECT_EQ(dialog.keysText, "C");
  EXPECT_EQ(dialog.keyCount, 1);
  EXPECT_EQ(dialog.key1, 0x06);
  EXPECT_EQ(dialog.key2, 0);
  EXPECT_EQ(confirmedCode(), "02020600");
}

TEST_F(AssemblyKeyDialogTest, HeldShiftCtrlOrAltSwallowTheKey) {
  dialog.Edt_AssemblyKeyDown(vk::kA, true, false, false);
  dialog.Edt_AssemblyKeyDown(vk::kA, false, true, false);
  dialog.Edt_AssemblyKeyDown(vk::kA, false, false, true);
  EXPECT_EQ(dialog.editText, "");
  EXPECT_EQ(dialog.keyCount, 0);
  EXPECT_EQ(dialog.key1, 0);
}

TEST_F(AssemblyKeyDialogTest, WindowsKeysAreSwallowed) {
  type(vk::kLeftWin);
  type(vk::kRightWin);
  EXPECT_EQ(dialog.editText, "");
  EXPECT_EQ(dialog.keyCount, 0);
}

TEST_F(AssemblyKeyDialogTest, KeysWithoutDeviceCodeAreSwallowed) {
  for (int key : {vk::kOem8, vk::kLaunchApp1, vk::kLaunchApp2, vk::k255, 0x07, vk::kOem102})
    type(key);
  EXPECT_EQ(dialog.editText, "");
  EXPECT_EQ(dialog.keyCount, 0);
  EXPECT_EQ(confirmedCode(), "00000000");
}

TEST_F(AssemblyKeyDialogTest, SwallowedKeyAfterTwoKeysStillStartsOver) {
  dialog.CB_AltClick();
  type(vk::kA);
  type(kB);
  dialog.Edt_AssemblyKeyDown(kC, true, false, false);
  EXPECT_EQ(dialog.editText, "Alt");
  EXPECT_EQ(dialog.keyCount, 0);
  EXPECT_EQ(dialog.key1, 0);
  EXPECT_EQ(dialog.key2, 0);
}

TEST_F(AssemblyKeyDialogTest, KeysAreNamedByKeyIndexAndSentByDeviceCode) {
  type(vk::kShift);
  type(vk::kVolumeUp);
  EXPECT_EQ(dialog.editText, "Shift+Volume_Up");
  EXPECT_EQ(confirmedCode(), "0200E1C5");
}

TEST_F(AssemblyKeyDialogTest, ModifiersAreListedCtrlShiftAltWinWhateverTheTickOrder) {
  dialog.CB_WinClick();
  dialog.CB_AltClick();
  dialog.CB_ShiftClick();
  dialog.CB_CtrlClick();
  EXPECT_EQ(dialog.modifiersText, "Ctrl+Shift+Alt+Win");
  type(kD);
  EXPECT_EQ(dialog.editText, "Ctrl+Shift+Alt+Win+D");
  EXPECT_EQ(dialog.modifierByte(), 0x0F);
  EXPECT_EQ(confirmedCode(), "020F0700");
}

TEST_F(AssemblyKeyDialogTest, TickingAfterTheKeysPutsTheModifiersFirst) {
  type(vk::kA);
  dialog.CB_WinClick();
  EXPECT_EQ(dialog.editText, "Win+A");
  dialog.CB_CtrlClick();
  EXPECT_EQ(dialog.editText, "Ctrl+Win+A");
  EXPECT_EQ(confirmedCode(), "02090400");
}

TEST_F(AssemblyKeyDialogTest, UntickingTheFirstModifierLeavesTheRest) {
  dialog.CB_CtrlClick();
  dialog.CB_ShiftClick();
  type(vk::kA);
  ASSERT_EQ(dialog.editText, "Ctrl+Shift+A");
  dialog.CB_CtrlClick();
  EXPECT_FALSE(dialog.ctrlChecked);
  EXPECT_EQ(dialog.editText, "Shift+A");
  EXPECT_EQ(confirmedCode(), "02020400");
}

TEST_F(AssemblyKeyDialogTest, UntickingAMiddleOrLastModifier) {
  dialog.CB_CtrlClick();
  dialog.CB_ShiftClick();
  dialog.CB_WinClick();
  type(vk::kA);
  dialog.CB_ShiftClick();
  EXPECT_EQ(dialog.editText, "Ctrl+Win+A");
  dialog.CB_WinClick();
  EXPECT_EQ(dialog.editText, "Ctrl+A");
}

TEST_F(AssemblyKeyDialogTest, UntickingTheOnlyModifierEmptiesTheField) {
  dialog.CB_AltClick();
  dialog.CB_AltClick();
  EXPECT_EQ(dialog.editText, "");
  EXPECT_EQ(dialog.modifiersText, "");
  EXPECT_EQ(confirmedCode(), "00000000");
}

// Unticking must not cut into a typed key that carries a modifier's name.
TEST_F(AssemblyKeyDialogTest, UntickingLeavesAKeyNamedLikeTheModifier) {
  dialog.CB_AltClick();
  type(vk::kMenu);  // the generic Alt key, named "Alt"
  ASSERT_EQ(dialog.editText, "Alt+Alt");
  dialog.CB_AltClick();
  EXPECT_EQ(dialog.editText, "Alt");
  EXPECT_EQ(confirmedCode(), "0200E200");
}

TEST_F(AssemblyKeyDialogTest, UntickingWithoutModifierFirstKeepsTheKeyName) {
  type(vk::kControl);  // "Ctrl" typed as a key, no box ticked
  dialog.CB_CtrlClick();
  ASSERT_EQ(dialog.editText, "Ctrl+Ctrl");
  dialog.CB_CtrlClick();
  EXPECT_EQ(dialog.editText, "Ctrl");
  EXPECT_EQ(dialog.keysText, "Ctrl");
}

// An unticked modifier must not come back when a third key starts the keys over.
TEST_F(AssemblyKeyDialogTest, RestartShowsOnlyTheModifiersStillTicked) {
  dialog.CB_CtrlClick();
  dialog.CB_ShiftClick();
  dialog.CB_CtrlClick();
  type(vk::kA);
  type(kB);
  type(kC);
  EXPECT_EQ(dialog.editText, "Shift+C");
  EXPECT_EQ(confirmedCode(), "02020600");
}

TEST_F(AssemblyKeyDialogTest, ConfirmingAnEmptyFieldGivesNoEntry) {
  const AssemblyKeyResult result = dialog.IB_ConfirmClick();
  EXPECT_EQ(result.displayText, "");
  EXPECT_EQ(result.codeString, "00000000");
}

TEST_F(AssemblyKeyDialogTest, ModifiersAloneMakeAnEntryWithoutKeys) {
  dialog.CB_ShiftClick();
  dialog.CB_AltClick();
  const AssemblyKeyResult result = dialog.IB_ConfirmClick();
  EXPECT_EQ(result.displayText, "Shift+Alt");
  EXPECT_EQ(result.codeString, "02060000");
}

TEST_F(AssemblyKeyDialogTest, ConfirmStoresTheResultReleasesThePanelAndCloses) {
  type(vk::kEscape);
  const AssemblyKeyResult result = dialog.IB_ConfirmClick();
  ASSERT_TRUE(dialog.result.has_value());
  EXPECT_EQ(*dialog.result, result);
  EXPECT_EQ(dialog.result->codeString, "02002900");
  EXPECT_EQ(dialog.result->displayText, "Esc");
  EXPECT_FALSE(dialog.isOpen());
  EXPECT_TRUE(dialog.blockingPanelReleased());
}

TEST_F(AssemblyKeyDialogTest, CodeStringIsUpperCaseHex) {
  dialog.CB_WinClick();
  type(vk::kF12);
  type(vk::kRightMenu);
  EXPECT_EQ(confirmedCode(), "020845E6");
}

TEST_F(AssemblyKeyDialogTest, ClearEmptiesEverythingAndStaysOpen) {
  dialog.CB_CtrlClick();
  dialog.CB_WinClick();
  type(vk::kA);
  type(kB);
  dialog.IB_CancelClick();
  EXPECT_TRUE(dialog.isOpen());
  EXPECT_FALSE(dialog.blockingPanelReleased());
  EXPECT_EQ(dialog.editText, "");
  EXPECT_EQ(dialog.keysText, "");
  EXPECT_EQ(dialog.modifiersText, "");
  EXPECT_EQ(dialog.keyCount, 0);
  EXPECT_EQ(dialog.key1, 0);
  EXPECT_EQ(dialog.key2, 0);
  EXPECT_FALSE(dialog.ctrlChecked || dialog.shiftChecked || dialog.altChecked || dialog.winChecked);
  EXPECT_FALSE(dialog.result.has_value());
  type(kC);
  EXPECT_EQ(dialog.editText, "C") << "the next key is key 1 again";
  EXPECT_EQ(confirmedCode(), "02000600");
}

TEST_F(AssemblyKeyDialogTest, CloseReleasesThePanelWithoutAResult) {
  type(vk::kA);
  dialog.IB_CloseClick();
  EXPECT_FALSE(dialog.isOpen());
  EXPECT_TRUE(dialog.blockingPanelReleased());
  EXPECT_FALSE(dialog.result.has_value());
}

TEST_F(AssemblyKeyDialogTest, ReopeningClearsTheLastEntryAndResult) {
  dialog.CB_ShiftClick();
  type(vk::kA);
  dialog.IB_ConfirmClick();
  dialog.FormCreate();
  EXPECT_TRUE(dialog.isOpen());
  EXPECT_FALSE(dialog.blockingPanelReleased());
  EXPECT_FALSE(dialog.result.has_value());
  EXPECT_FALSE(dialog.shiftChecked);
  EXPECT_EQ(dialog.editText, "");
  EXPECT_EQ(dialog.keyCount, 0);
  EXPECT_EQ(dialog.key1, 0);
}

TEST_F(AssemblyKeyDialogTest, AClosedDialogIgnoresKeysAndBoxes) {
  dialog.IB_CloseClick();
  type(vk::kA);
  dialog.CB_CtrlClick();
  EXPECT_EQ(dialog.editText, "");
  EXPECT_FALSE(dialog.ctrlChecked);
}

}  // namespace
}  // namespace mousecfg
