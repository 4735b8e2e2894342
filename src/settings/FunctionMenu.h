#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/LayoutFile.h"
#include "base/WindowLayout.h"
#include "settings/FunctionMenuSizing.h"
#include "settings/MenuItems.h"

namespace mousecfg {

class LanguageTables;

// Widths of the menu panels from the layout (M_L_W, SP_L_W, O_L_W, Marco_Menu_Width).
struct MenuWidths {
  int main = 190;
  int special = 190;
  int other = 160;
  int macroList = 160;
  bool operator==(const MenuWidths&) const = default;
};

// Keys a layout lacks keep the widths above.
MenuWidths readMenuWidths(const LayoutFile& layout);

struct MenuItemState {
  const MenuEntry* entry = nullptr;  // nullptr for the names of the two lists
  std::string caption;
  bool visible = true;
  int top = 0;  // within the panel
  bool hovered = false;
};

struct MenuPanelState {
  MenuPanel id = MenuPanel::Main;
  bool visible = false;
  Rect rect;  // in the coordinates of the page the menu opened on
  std::vector<MenuItemState> items;

  // Shown and lying wholly inside the panel's height, so the pointer can reach it.
  bool reachable(size_t index) const;
};

// The two-level function menu as state: which panels are open where, each item's
// caption and whether it is shown, and which item the pointer is over. Items stack
// from the top in table order, hidden ones taking no room; the sizing of the edited
// profile then cuts Pnl_Main and Pnl_Special to the items meant for that profile.
class FunctionMenu {
 public:
  static constexpr int kItemHeight = 24;
  static constexpr int kItemInset = 1;
  static constexpr int kSubMenuGap = 2;
  // Engineer page: the menu opens upwards from the button.
  static constexpr int kEngineerOffsetX = 10;
  static constexpr int kEngineerBottomBelowTop = 38;

  FunctionMenu();

  std::array<MenuPanelState, kMenuPanelCount> panels;
  // The page the menu is open on decides which "Fire Macro" item it shows.
  MenuPage page = MenuPage::KeyPage;
  // The page's size, against which the sub-menus are placed.
  Size area;

  MenuPanelState& panel(MenuPanel id) { return panels[static_cast<size_t>(id)]; }
  const MenuPanelState& panel(MenuPanel id) const { return panels[static_cast<size_t>(id)]; }
  bool isOpen() const { return panel(MenuPanel::Main).visible; }

  void setWidths(const MenuWidths& widths);
  // Captions: a blank, the marker text (langkey::menu::kMarker), a blank and the item's text.
  void setCaptions(const LanguageTables& languages);
  // The edited profile's sizing, and which profile-switch items it offers.
  void setSizing(const FunctionMenuSizing& sizing, bool officeModeItemVisible,
                 bool gameModeItemVisible);
  // Entries of "Base Macro" (the device macros) and of the engineer page's "Fire Macro".
  void setMacroNames(const std::vector<std::string>& names);
  void setScriptNames(const std::vector<std::string>& names);

  // Key page: the menu's corner at the label's centre, turned towards the room left.
  void openForKeyLabel(const Rect& label, Size window);
  // Engineer page: 10 pixels right of the button, opening upwards.
  void openForEngineerButton(const Rect& button, Size page);
  void HideAllMenu();

  // The pointer enters or leaves item `index` of a panel.
  void KeyByTagMouseEnter(MenuPanel id, size_t index);
  void KeyByTagMouseLeave(MenuPanel id, size_t index);

  // The sub-menu a category item opens, when it is open.
  bool isShown(MenuPanel id) const { return panel(id).visible; }

 private:
  void openMain(MenuPage onPage);
  void applyItemVisibility();
  void layoutPanel(MenuPanelState& state);
  void layoutAll();
  void hideSubMenus(bool nestedOnly);
  void showSubMenu(MenuPanel id, const MenuPanelState& parent, const MenuItemState& item);
  void setListNames(MenuPanel id, const std::vector<std::string>& names);

  FunctionMenuSizing sizing_;
  MenuWidths widths_;
  bool officeModeItemVisible_ = false;
  bool gameModeItemVisible_ = true;
};

}  // namespace mousecfg
