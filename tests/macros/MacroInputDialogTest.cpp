#include "macros/MacroInputDialog.h"

#include <gtest/gtest.h>

#include "settings/KeyCodes.h"
#include "support/FakeHost.h"

namespace mousecfg::test {
namespace {

class MacroInputDialogTest : public ::testing::Test {
 protected:
  FakeHost host;
};

TEST_F(MacroInputDialogTest, ANinthNameCharacterCannotBeTyped) {
  MacroInputDialog dialog(MacroDialogKind::Name, host);
  dialog.type(0, "Rapidfir");
  dialog.type(0, "Rapidfire");
  EXPECT_EQ(dialog.field(0), "Rapidfir");
  dialog.type(0, "Äöü");
  EXPECT_EQ(dialog.Confirm(), "Äöü");
}

TEST_F(MacroInputDialogTest, TheDelayFieldKeepsItsRange) {
  MacroInputDialog dialog(MacroDialogKind::Delay, host);
  dialog.type(0, "70000");
  EXPECT_EQ(dialog.field(0), "65535");
  dialog.type(0, "0");
  EXPECT_EQ(dialog.field(0), "1");
  dialog.type(0, "");
  EXPECT_EQ(dialog.field(0), "1");
  dialog.type(0, "12a");
  EXPECT_EQ(dialog.field(0), "1") << "digits only";
  dialog.type(0, "250");
  EXPECT_EQ(dialog.Confirm(), "0 250");
}

TEST_F(MacroInputDialogTest, TheRepeatCountKeepsItsRange) {
  MacroInputDialog dialog(MacroDialogKind::RepeatCount, host);
  dialog.type(0, "200");
  EXPECT_EQ(dialog.field(0), "127");
  dialog.type(0, "0");
  EXPECT_EQ(dialog.field(0), "1");
  dialog.type(0, "3");
  EXPECT_EQ(dialog.Confirm(), "7 FD03");
}

TEST_F(MacroInputDialogTest, XAndYKeepALoneMinusAndTheirRange) {
  MacroInputDialog dialog(MacroDialogKind::Move, host);
  EXPECT_STREQ(dialog.titleKeys()[0], "Str524");
  EXPECT_STREQ(dialog.titleKeys()[1], "Str525");
  dialog.type(0, "-");
  EXPECT_EQ(dialog.field(0), "-");
  dialog.type(0, "-300");
  EXPECT_EQ(dialog.field(0), "-128");
  dialog.type(1, "200");
  EXPECT_EQ(dialog.field(1), "127");
  dialog.type(1, "");
  EXPECT_EQ(dialog.field(1), "0");
  dialog.type(1, "1-2");
  EXPECT_EQ(dialog.field(1), "0");
  dialog.type(0, "-12");
  dialog.type(1, "12");
  EXPECT_EQ(dialog.Confirm(), "3 04F40C");
}

TEST_F(MacroInputDialogTest, TheKeyDialogTakesTheLastKeyDown) {
  MacroInputDialog press(MacroDialogKind::Key, host, true);
  press.keyDown(vk::kShift);
  EXPECT_EQ(press.field(0), "Shift");
  press.keyDown(vk::kA);
  EXPECT_EQ(press.field(0), "A");
  press.type(0, "typed text is not taken");
  EXPECT_EQ(press.field(0), "A");
  EXPECT_EQ(press.Confirm(), "1 A CODE:8204");
  MacroInputDialog release(MacroDialogKind::Key, host, false);
  release.keyDown(vk::kA);
  EXPECT_EQ(release.Confirm(), "2 A CODE:0204");
}

TEST_F(MacroInputDialogTest, AnEmptyFieldConfirmsNothingAndEveryDialogUncoversThePage) {
  MacroInputDialog dialog(MacroDialogKind::Key, host);
  EXPECT_TRUE(host.overlaysVisible);
  EXPECT_FALSE(dialog.listsEnabled());
  dialog.keyDown(vk::kA);
  dialog.Clear();
  EXPECT_EQ(dialog.field(0), "");
  EXPECT_EQ(dialog.Confirm(), std::nullopt);
  EXPECT_FALSE(host.overlaysVisible);
  EXPECT_TRUE(dialog.listsEnabled());
  {
    MacroInputDialog closed(MacroDialogKind::Delay, host);
    closed.type(0, "40");
    closed.Close();
    EXPECT_EQ(closed.Confirm(), std::nullopt) << "closed without a change";
  }
  EXPECT_FALSE(host.overlaysVisible);
  { MacroInputDialog dropped(MacroDialogKind::Name, host); }
  EXPECT_FALSE(host.overlaysVisible) << "a dialog that goes away uncovers the page too";
}

}  // namespace
}  // namespace mousecfg::test
