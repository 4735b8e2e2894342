#include "engineer/EngineerKeyButtons.h"

#include <gtest/gtest.h>

#include "settings/ButtonAssignmentFixture.h"
#include "settings/MenuItems.h"

namespace mousecfg::test {
namespace {

class EngineerKeyButtonsTest : public ButtonAssignmentFixture {
 protected:
  void chooseOnEngineer(std::string_view button, int id) {
    buttons.TLShowPnlMain_OnClick(button, kButton);
    assignment.KeyStatusOnClick(id);
  }

  static constexpr Rect kButton{100, 300, 80, 30};
  EngineerKeyButtons buttons{assignment};
};

TEST_F(EngineerKeyButtonsTest, ButtonNumbersAreTheLastThreeDigits) {
  EXPECT_EQ(EngineerKeyButtons::buttonNumberOfName("btn_Key101"), 101);
  EXPECT_EQ(EngineerKeyButtons::buttonNumberOfName("btn_Key212"), 212);
  EXPECT_EQ(EngineerKeyButtons::buttonNumberOfName("btn_ComboKey007"), 7);
  EXPECT_FALSE(EngineerKeyButtons::buttonNumberOfName("btn_Key1").has_value());
  EXPECT_FALSE(EngineerKeyButtons::buttonNumberOfName("btn_KeyA01").has_value());
  EXPECT_FALSE(EngineerKeyButtons::buttonNumberOfName("").has_value());
}

TEST_F(EngineerKeyButtonsTest, CaptionsByControlName) {
  EXPECT_EQ(buttons.caption("btn_Key101"), "Left Key");
  EXPECT_EQ(buttons.caption("btn_Key212"), "Desktop");
  EXPECT_EQ(buttons.caption("btn_ComboKey002"), "LED Mode");
  EXPECT_EQ(buttons.caption("btn_ComboKey003"), "Office Mode");
  EXPECT_EQ(buttons.caption("btn_Key301"), "") << "the hidden group has no table";
  EXPECT_EQ(buttons.caption("btn_ComboKey010"), "");
  EXPECT_EQ(buttons.caption("btn_Other101"), "");
}

TEST_F(EngineerKeyButtonsTest, ClickOpensTheMenuForTheNamedButton) {
  buttons.TLShowPnlMain_OnClick("btn_Key208", kButton);
  EXPECT_EQ(assignment.target, (MenuTarget{MenuTargetKind::EngineerProfileButton, 2, 8}));
  EXPECT_TRUE(assignment.menu.isOpen());
  EXPECT_EQ(assignment.menu.page, MenuPage::Engineer);
  EXPECT_EQ(assignment.menu.panel(MenuPanel::Main).rect.x, 110);
  buttons.TLShowPnlMain_OnClick("btn_ComboKey009", kButton);
  EXPECT_EQ(assignment.target, (MenuTarget{MenuTargetKind::ComboKey, 0, 9}));
}

TEST_F(EngineerKeyButtonsTest, NamesOutsideTheGroupsOpenNothing) {
  for (const char* name : {"btn_Key301", "btn_Key113", "btn_Key001", "btn_ComboKey101",
                           "btn_ComboKey000", "Key101", "btn_Key1"}) {
    buttons.TLShowPnlMain_OnClick(name, kButton);
    EXPECT_FALSE(assignment.menu.isOpen()) << name;
  }
}

TEST_F(EngineerKeyButtonsTest, ComboEnableListsOfferNineBytes) {
  EXPECT_EQ(EngineerKeyButtons::comboEnableListItems(),
            (std::vector<std::string>{"0x00", "0x01", "0x02", "0x04", "0x08", "0x10", "0x20",
                                      "0x40", "0x80"}));
  EXPECT_EQ(comboEnableItemOfValue(0x20), 6);
  EXPECT_FALSE(comboEnableItemOfValue(0x03).has_value());
}

// Middle Key with the Middle Button list at 0x08, then the list turned to 0x20.
TEST_F(EngineerKeyButtonsTest, MiddleButtonListRewritesEveryMiddleKey) {
  buttons.comboEnableChange(ComboEnableList::Middle, 4);  // 0x08
  chooseOnEngineer("btn_Key203", menu_id::kMiddleKey);
  EXPECT_EQ(entryHex(2, 3), "01 04 00 08");
  mouse.clearTrace();

  buttons.comboEnableChange(ComboEnableList::Middle, 6);  // 0x20
  EXPECT_EQ(buttons.comboEnableItems[0], 6);
  EXPECT_EQ(entryHex(1, 7), "01 04 00 20");
  EXPECT_EQ(entryHex(2, 7), "01 04 00 20");
  EXPECT_EQ(entryHex(2, 3), "01 04 00 20");
  EXPECT_EQ(link.codes.keys[12 + 2], "01040020");
  EXPECT_EQ(entryHex(1, 2), "01 08 00 00") << "Backward takes the Back Button list: 0x00";
  EXPECT_EQ(framesStartingWith("S 40 07").size(), 1u) << "the tables are written once";
  EXPECT_EQ(storedHex(216, 4), "01 04 00 20");
}

TEST_F(EngineerKeyButtonsTest, CpiListsRewriteTheirDpiEntries) {
  buttons.comboEnableChange(ComboEnableList::CpiDown, 8);  // 0x80
  EXPECT_EQ(entryHex(1, 9), "09 02 00 80");
  EXPECT_EQ(entryHex(1, 6), "09 01 00 00");
  EXPECT_EQ(entryHex(1, 8), "09 00 00 00");
}

TEST_F(EngineerKeyButtonsTest, GunListReplacesOnlyByte3OfGunEntries) {
  assignment.setEditedProfile(2);
  assignment.openForKeyLabel(4, kLabel, kWindow);
  assignment.assignCode("0B150200");  // gun 6, keep-left, two stages
  ASSERT_EQ(buttons.caption("btn_Key204"), "TOMPSON Fire");
  buttons.comboEnableChange(ComboEnableList::Gun, 3);  // 0x04
  EXPECT_EQ(entryHex(2, 4), "0B 15 02 04");
  EXPECT_EQ(entryHex(2, 12), "02 08 07 00") << "Desktop untouched";
}

TEST_F(EngineerKeyButtonsTest, ListChangesWhileRefreshingStoreOnlyTheChoice) {
  const auto refreshing = link.holdRefreshing();
  buttons.comboEnableChange(ComboEnableList::Back, 2);
  EXPECT_EQ(assignment.parameters.comboEnable.of(ComboEnableList::Back), 0x02);
  EXPECT_EQ(entryHex(1, 2), "01 08 00 02") << "default entry kept";
  EXPECT_TRUE(frames().empty());
  buttons.comboEnableChange(ComboEnableList::Back, 9);
  EXPECT_EQ(buttons.comboEnableItems[1], 2) << "an item outside the list is ignored";
}

TEST_F(EngineerKeyButtonsTest, ComboKeyChoicesReachTheVendorSection) {
  chooseOnEngineer("btn_ComboKey005", menu_id::kLedOnOff);
  EXPECT_EQ(hexRange(link.image.vendor, 143, 4), "08 00 00 00");
  EXPECT_EQ(buttons.caption("btn_ComboKey005"), "LED ON/OFF");
  EXPECT_EQ(storedHex(143, 4), "08 00 00 00");
}

}  // namespace
}  // namespace mousecfg::test
