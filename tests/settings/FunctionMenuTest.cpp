#include "settings/FunctionMenu.h"

#include <gtest/gtest.h>

#include "base/LanguageTables.h"

namespace mousecfg {
namespace {

// Index of the item with identifier id (or of a category by its language key) in a panel.
size_t indexOf(const MenuPanelState& panel, int id, std::string_view key = {}) {
  for (size_t i = 0; i < panel.items.size(); ++i) {
    const MenuEntry* entry = panel.items[i].entry;
    if (entry && (key.empty() ? entry->id == id : entry->languageKey == key)) return i;
  }
  ADD_FAILURE() << "no item " << id << key;
  return 0;
}

class FunctionMenuTest : public ::testing::Test {
 protected:
  void size(int profile, bool gdEnable, bool beEnable) {
    menu.setSizing(functionMenuSizing(profile, gdEnable, beEnable), profile != 1, profile != 2);
  }
  bool reachable(MenuPanel panel, int id, std::string_view key = {}) {
    const MenuPanelState& state = menu.panel(panel);
    return state.reachable(indexOf(state, id, key));
  }
  // The key page's "Fire Macro" item (the gun page).
  bool gunPageReachable() {
    const MenuPanelState& main = menu.panel(MenuPanel::Main);
    for (size_t i = 0; i < main.items.size(); ++i)
      if (main.items[i].entry->action == MenuAction::GunPage) return main.reachable(i);
    return false;
  }
  void openOnKeyPage() { menu.openForKeyLabel({200, 110, 140, 40}, kWindow); }

  static constexpr Size kWindow{800, 560};
  FunctionMenu menu;
};

TEST_F(FunctionMenuTest, OfficeModeReachesNeitherGunsNorFireMacroItems) {
  size(1, true, false);
  openOnKeyPage();
  EXPECT_EQ(menu.panel(MenuPanel::Main).rect.height, 170);
  EXPECT_FALSE(gunPageReachable());
  for (int id : {menu_id::kAimKey, menu_id::kLedMode, menu_id::kLedOnOff, menu_id::kReportRate,
                 menu_id::kKeyOff})
    EXPECT_TRUE(reachable(MenuPanel::Special, id)) << id;
  for (const char* key : {"Str230", "Str220", "Str240", "Str250"})
    EXPECT_TRUE(reachable(MenuPanel::Special, 0, key)) << key;
  for (int id : {menu_id::kButtonEffectSwitch, menu_id::kFireMacroKey, menu_id::kFireMacroOff})
    EXPECT_FALSE(reachable(MenuPanel::Special, id)) << id;
  EXPECT_FALSE(reachable(MenuPanel::Special, 0, "Str267"));
}

TEST_F(FunctionMenuTest, ButtonEffectSwitchIsOfferedWithBeEnable) {
  size(1, false, true);
  EXPECT_EQ(menu.panel(MenuPanel::Special).rect.height, 242);
  EXPECT_TRUE(reachable(MenuPanel::Special, menu_id::kButtonEffectSwitch));
  EXPECT_FALSE(reachable(MenuPanel::Special, menu_id::kFireMacroKey));
}

TEST_F(FunctionMenuTest, GameModeWithGdEnableOffersGunsAndFireMacroItems) {
  size(2, true, false);
  openOnKeyPage();
  EXPECT_EQ(menu.panel(MenuPanel::Main).rect.height, 194);
  EXPECT_TRUE(gunPageReachable());
  EXPECT_TRUE(reachable(MenuPanel::Special, menu_id::kFireMacroKey));
  EXPECT_TRUE(reachable(MenuPanel::Special, menu_id::kFireMacroOff));
  EXPECT_FALSE(reachable(MenuPanel::Special, menu_id::kButtonEffectSwitch));
  const MenuPanelState& special = menu.panel(MenuPanel::Special);
  EXPECT_EQ(special.items[indexOf(special, menu_id::kFireMacroKey)].top, 217);
  EXPECT_EQ(special.items[indexOf(special, menu_id::kButtonEffectSwitch)].top, 289);
  size(2, true, true);
  EXPECT_TRUE(reachable(MenuPanel::Special, menu_id::kButtonEffectSwitch));
}

TEST_F(FunctionMenuTest, GameModeWithoutGdEnableIsSizedAsOfficeMode) {
  size(2, false, false);
  openOnKeyPage();
  EXPECT_EQ(menu.panel(MenuPanel::Main).rect.height, 170);
  EXPECT_FALSE(gunPageReachable());
  EXPECT_FALSE(reachable(MenuPanel::Special, menu_id::kFireMacroKey));
}

TEST_F(FunctionMenuTest, ProfileSubMenuOffersTheOtherProfileFirst) {
  size(1, false, false);
  const MenuPanelState& profiles = menu.panel(MenuPanel::Profiles);
  EXPECT_FALSE(profiles.items[indexOf(profiles, menu_id::kOfficeMode)].visible);
  EXPECT_EQ(profiles.items[indexOf(profiles, menu_id::kGameMode)].top, 1);
  EXPECT_EQ(profiles.rect.height, 2 + 3 * 24);
  size(2, false, false);
  EXPECT_FALSE(profiles.items[indexOf(profiles, menu_id::kGameMode)].visible);
  EXPECT_EQ(profiles.items[indexOf(profiles, menu_id::kOfficeMode)].top, 1);
  EXPECT_EQ(profiles.items[indexOf(profiles, menu_id::kThirdMode)].top, 25);
}

TEST_F(FunctionMenuTest, EachPageShowsItsOwnFireMacroItem) {
  size(2, true, false);
  openOnKeyPage();
  const MenuPanelState& main = menu.panel(MenuPanel::Main);
  const size_t scriptItem = indexOf(main, 0, "Str208") + 1;
  ASSERT_EQ(main.items[scriptItem].entry->opens, MenuPanel::ScriptList);
  EXPECT_TRUE(main.items[scriptItem - 1].visible);
  EXPECT_FALSE(main.items[scriptItem].visible);
  menu.openForEngineerButton({100, 300, 80, 30}, {1256, 680});
  EXPECT_FALSE(main.items[scriptItem - 1].visible);
  EXPECT_TRUE(main.items[scriptItem].visible);
  EXPECT_EQ(main.items[scriptItem].top, main.items[scriptItem - 1].top);
}

TEST_F(FunctionMenuTest, CaptionsCarryTheMarker) {
  const LanguageTables languages = LanguageTables::builtIn();
  menu.setCaptions(languages);
  const MenuPanelState& dpi = menu.panel(MenuPanel::Dpi);
  EXPECT_EQ(dpi.items[indexOf(dpi, menu_id::kDpiUp)].caption, " * DPI +");
  EXPECT_EQ(menu.panel(MenuPanel::Main).items[0].caption, " * Standard Mouse Key");
}

// ---- Placement ----

TEST_F(FunctionMenuTest, KeyPageMenuOpensAtTheLabelCentreTowardsTheRoomLeft) {
  menu.openForKeyLabel({200, 110, 140, 40}, kWindow);
  EXPECT_EQ(menu.panel(MenuPanel::Main).rect, (Rect{270, 130, 190, 170}));
  menu.openForKeyLabel({710, 110, 140, 40}, kWindow);
  EXPECT_EQ(menu.panel(MenuPanel::Main).rect, (Rect{590, 130, 190, 170})) << "right edge at centre";
  menu.openForKeyLabel({200, 410, 140, 40}, kWindow);
  EXPECT_EQ(menu.panel(MenuPanel::Main).rect, (Rect{270, 260, 190, 170}))
      << "bottom edge at centre";
}

TEST_F(FunctionMenuTest, EngineerMenuOpensUpwardsBesideTheButton) {
  menu.openForEngineerButton({100, 300, 80, 30}, {1256, 680});
  EXPECT_EQ(menu.panel(MenuPanel::Main).rect, (Rect{110, 168, 190, 170}));
  menu.openForEngineerButton({1200, 300, 50, 30}, {1256, 680});
  EXPECT_EQ(menu.panel(MenuPanel::Main).rect.x, 1070) << "right edge 10 past the button's";
}

TEST_F(FunctionMenuTest, WidthsComeFromTheLayout) {
  const LayoutFile layout("[org1]\nM_L_W = 200\nSP_L_W=210\nO_L_W=150\nMarco_Menu_Width=230\n",
                          "org1");
  EXPECT_EQ(readMenuWidths(layout), (MenuWidths{200, 210, 150, 230}));
  EXPECT_EQ(readMenuWidths(LayoutFile{}), MenuWidths{});
  menu.setWidths(readMenuWidths(layout));
  menu.setMacroNames({"Burst"});
  EXPECT_EQ(menu.panel(MenuPanel::Main).rect.width, 200);
  EXPECT_EQ(menu.panel(MenuPanel::Special).rect.width, 210);
  EXPECT_EQ(menu.panel(MenuPanel::Media).rect.width, 150);
  EXPECT_EQ(menu.panel(MenuPanel::MacroList).rect.width, 230);
}

// ---- Hovering ----

TEST_F(FunctionMenuTest, HoveringACategoryOpensItsSubMenuBesideIt) {
  openOnKeyPage();                              // Pnl_Main at (270, 130)
  menu.KeyByTagMouseEnter(MenuPanel::Main, 1);  // Special Key, top 25
  EXPECT_TRUE(menu.panel(MenuPanel::Main).items[1].hovered);
  EXPECT_TRUE(menu.isShown(MenuPanel::Special));
  EXPECT_EQ(menu.panel(MenuPanel::Special).rect.x, 270 + 190 + 2);
  EXPECT_EQ(menu.panel(MenuPanel::Special).rect.y, 130 + 25) << "level with the item";
  menu.KeyByTagMouseLeave(MenuPanel::Main, 1);
  menu.KeyByTagMouseEnter(MenuPanel::Main, 0);
  EXPECT_FALSE(menu.panel(MenuPanel::Main).items[1].hovered);
  EXPECT_FALSE(menu.isShown(MenuPanel::Special)) << "the other sub-menus close";
  EXPECT_TRUE(menu.isShown(MenuPanel::MouseKeys));
  EXPECT_EQ(menu.panel(MenuPanel::MouseKeys).rect, (Rect{462, 131, 160, 2 + 5 * 24}));
}

TEST_F(FunctionMenuTest, NestedSubMenusOpenBesideSpecialKey) {
  openOnKeyPage();
  menu.KeyByTagMouseEnter(MenuPanel::Main, 1);
  const MenuPanelState& special = menu.panel(MenuPanel::Special);
  const size_t dpi = indexOf(special, 0, "Str220");
  menu.KeyByTagMouseEnter(MenuPanel::Special, dpi);
  ASSERT_TRUE(menu.isShown(MenuPanel::Dpi));
  // Pnl_Special at x 462: 462 + 190 + 2 + 160 passes 800, so DPI opens on its left.
  EXPECT_EQ(menu.panel(MenuPanel::Dpi).rect, (Rect{462 - 160, 155 + 145, 160, 2 + 3 * 24}));
  menu.KeyByTagMouseEnter(MenuPanel::Special, indexOf(special, 0, "Str240"));
  EXPECT_FALSE(menu.isShown(MenuPanel::Dpi));
  EXPECT_TRUE(menu.isShown(MenuPanel::Acpi));
  EXPECT_TRUE(menu.isShown(MenuPanel::Special)) << "the parent stays open";
}

TEST_F(FunctionMenuTest, SubMenuWithoutRoomOnTheRightOpensOnTheLeft) {
  menu.openForKeyLabel({710, 110, 140, 40}, kWindow);  // Pnl_Main at x 590
  menu.KeyByTagMouseEnter(MenuPanel::Main, 2);         // Media
  EXPECT_EQ(menu.panel(MenuPanel::Media).rect.x, 590 - 160);
}

TEST_F(FunctionMenuTest, SubMenuThatWouldPassTheBottomEndsAtTheItem) {
  menu.openForKeyLabel({200, 110, 140, 40}, {800, 360});  // Pnl_Main at y 130
  menu.KeyByTagMouseEnter(MenuPanel::Main, 1);            // Special Key, top 25
  // 155 + 218 passes 360: the panel ends at the item's bottom, 130 + 25 + 24.
  EXPECT_EQ(menu.panel(MenuPanel::Special).rect.y, 130 + 25 + 24 - 218);
}

TEST_F(FunctionMenuTest, BaseMacroOpensOnlyWithMacros) {
  openOnKeyPage();
  const size_t baseMacro = indexOf(menu.panel(MenuPanel::Main), 0, "Str206");
  menu.KeyByTagMouseEnter(MenuPanel::Main, baseMacro);
  EXPECT_FALSE(menu.isShown(MenuPanel::MacroList));
  menu.setMacroNames({"Burst", "Reload"});
  menu.KeyByTagMouseEnter(MenuPanel::Main, baseMacro);
  EXPECT_TRUE(menu.isShown(MenuPanel::MacroList));
  EXPECT_EQ(menu.panel(MenuPanel::MacroList).items[1].caption, "Reload");
}

TEST_F(FunctionMenuTest, UserDefinedOnlyClosesTheSubMenus) {
  openOnKeyPage();
  menu.KeyByTagMouseEnter(MenuPanel::Main, 0);
  ASSERT_TRUE(menu.isShown(MenuPanel::MouseKeys));
  menu.KeyByTagMouseEnter(MenuPanel::Main, indexOf(menu.panel(MenuPanel::Main), 0, "Str205"));
  for (const MenuPanelState& panel : menu.panels)
    EXPECT_EQ(panel.visible, panel.id == MenuPanel::Main) << menuPanelName(panel.id);
}

TEST_F(FunctionMenuTest, UnreachableItemsAndClosedPanelsIgnoreThePointer) {
  size(1, false, false);
  menu.KeyByTagMouseEnter(MenuPanel::Main, 0);
  EXPECT_FALSE(menu.isShown(MenuPanel::MouseKeys)) << "menu closed";
  openOnKeyPage();
  menu.KeyByTagMouseEnter(MenuPanel::Main, 1);
  const MenuPanelState& special = menu.panel(MenuPanel::Special);
  menu.KeyByTagMouseEnter(MenuPanel::Special, indexOf(special, 0, "Str267"));
  EXPECT_FALSE(menu.isShown(MenuPanel::AdjustXy));
  menu.KeyByTagMouseEnter(MenuPanel::Main, 99);
}

TEST_F(FunctionMenuTest, HideAllMenuClosesEverything) {
  openOnKeyPage();
  menu.KeyByTagMouseEnter(MenuPanel::Main, 1);
  menu.HideAllMenu();
  EXPECT_FALSE(menu.isOpen());
  for (const MenuPanelState& panel : menu.panels) {
    EXPECT_FALSE(panel.visible);
    for (const MenuItemState& item : panel.items) EXPECT_FALSE(item.hovered);
  }
}

}  // namespace
}  // namespace mousecfg
