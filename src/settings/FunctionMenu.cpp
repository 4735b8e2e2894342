#include "settings/FunctionMenu.h"

#include "base/LanguageTables.h"
#include "settings/MenuItems.h"

namespace mousecfg {

namespace {

// Before the edited profile is known the menu is sized as for profile 1 without the
// optional features.
constexpr int kStartProfile = 1;

bool isList(MenuPanel id) {
  return id == MenuPanel::MacroList || id == MenuPanel::ScriptList;
}

}  // namespace

MenuWidths readMenuWidths(const LayoutFile& layout) {
  MenuWidths widths;
  widths.main = layout.integer("M_L_W", widths.main);
  widths.special = layout.integer("SP_L_W", widths.special);
  widths.other = layout.integer("O_L_W", widths.other);
  widths.macroList = layout.integer("Marco_Menu_Width", widths.macroList);
  return widths;
}

bool MenuPanelState::reachable(size_t index) const {
  if (index >= items.size() || !items[index].visible) return false;
  return items[index].top + FunctionMenu::kItemHeight <= rect.height;
}

FunctionMenu::FunctionMenu() : sizing_(functionMenuSizing(kStartProfile, false, false)) {
  for (size_t i = 0; i < panels.size(); ++i) panels[i].id = static_cast<MenuPanel>(i);
  for (const MenuEntry& entry : menuEntries()) {
    MenuItemState item;
    item.entry = &entry;
    panel(entry.panel).items.push_back(item);
  }
  applyItemVisibility();
  layoutAll();
}

void FunctionMenu::setWidths(const MenuWidths& widths) {
  widths_ = widths;
  layoutAll();
}

void FunctionMenu::setCaptions(const LanguageTables& languages) {
  for (MenuPanelState& state : panels)
    for (MenuItemState& item : state.items)
      if (item.entry) item.caption = languages.menuItemText(item.entry->languageKey);
}

void FunctionMenu::setSizing(const FunctionMenuSizing& sizing, bool officeModeItemVisible,
                             bool gameModeItemVisible) {
  sizing_ = sizing;
  officeModeItemVisible_ = officeModeItemVisible;
  gameModeItemVisible_ = gameModeItemVisible;
  applyItemVisibility();
  layoutAll();
}

void FunctionMenu::setListNames(MenuPanel id, const std::vector<std::string>& names) {
  MenuPanelState& state = panel(id);
  state.items.clear();
  for (const std::string& name : names) {
    MenuItemState item;
    item.caption = name;
    state.items.push_back(item);
  }
  if (state.items.empty()) state.visible = false;
  layoutPanel(state);
}

void FunctionMenu::setMacroNames(const std::vector<std::string>& names) {
  setListNames(MenuPanel::MacroList, names);
}

void FunctionMenu::setScriptNames(const std::vector<std::string>& names) {
  setListNames(MenuPanel::ScriptList, names);
}

void FunctionMenu::applyItemVisibility() {
  for (MenuPanelState& state : panels) {
    for (MenuItemState& item : state.items) {
      if (!item.entry) continue;
      const MenuEntry& entry = *item.entry;
      bool visible = entry.page == MenuPage::Both || entry.page == page;
      if (entry.id == menu_id::kOfficeMode) visible = officeModeItemVisible_;
      if (entry.id == menu_id::kGameMode) visible = gameModeItemVisible_;
      item.visible = visible;
    }
  }
}

void FunctionMenu::layoutPanel(MenuPanelState& state) {
  int shown = 0;
  for (MenuItemState& item : state.items) {
    if (!item.visible) continue;
    item.top = kItemInset + kItemHeight * shown++;
    if (!item.entry) continue;
    if (item.entry->id == menu_id::kButtonEffectSwitch && sizing_.buttonEffectTop)
      item.top = *sizing_.buttonEffectTop;
    if (item.entry->id == menu_id::kFireMacroKey && sizing_.fireMacroKeyTop)
      item.top = *sizing_.fireMacroKeyTop;
  }
  const int stackedHeight = 2 * kItemInset + kItemHeight * shown;
  switch (state.id) {
    case MenuPanel::Main:
      state.rect.width = widths_.main;
      state.rect.height = sizing_.mainHeight;
      break;
    case MenuPanel::Special:
      state.rect.width = widths_.special;
      state.rect.height = sizing_.specialHeight;
      break;
    default:
      state.rect.width = isList(state.id) ? widths_.macroList : widths_.other;
      state.rect.height = stackedHeight;
      break;
  }
}

void FunctionMenu::layoutAll() {
  for (MenuPanelState& state : panels) layoutPanel(state);
}

void FunctionMenu::HideAllMenu() {
  for (MenuPanelState& state : panels) {
    state.visible = false;
    for (MenuItemState& item : state.items) item.hovered = false;
  }
}

void FunctionMenu::openMain(MenuPage onPage) {
  HideAllMenu();
  page = onPage;
  applyItemVisibility();
  layoutAll();
  panel(MenuPanel::Main).visible = true;
}

void FunctionMenu::openForKeyLabel(const Rect& label, Size window) {
  openMain(MenuPage::KeyPage);
  area = window;
  Rect& menu = panel(MenuPanel::Main).rect;
  const int centreX = label.x + label.width / 2;
  const int centreY = label.y + label.height / 2;
  const bool roomRight = label.x + label.width + menu.width < window.width;
  const bool roomBelow = label.y + label.height + menu.height < window.height;
  menu.x = roomRight ? centreX : centreX - menu.width;
  menu.y = roomBelow ? centreY : centreY - menu.height;
}

void FunctionMenu::openForEngineerButton(const Rect& button, Size pageSize) {
  openMain(MenuPage::Engineer);
  area = pageSize;
  Rect& menu = panel(MenuPanel::Main).rect;
  menu.x = button.x + kEngineerOffsetX;
  if (menu.x + menu.width > pageSize.width)
    menu.x = button.x + button.width + kEngineerOffsetX - menu.width;
  menu.y = button.y + kEngineerBottomBelowTop - menu.height;
}

void FunctionMenu::hideSubMenus(bool nestedOnly) {
  for (MenuPanelState& state : panels) {
    if (state.id == MenuPanel::Main) continue;
    if (nestedOnly && !isNestedPanel(state.id)) continue;
    state.visible = false;
  }
}

// Beside the item when there is room to its right, else on the parent's left side;
// level with the item, or ending at its bottom when it would pass the page's bottom.
void FunctionMenu::showSubMenu(MenuPanel id, const MenuPanelState& parent,
                               const MenuItemState& item) {
  MenuPanelState& sub = panel(id);
  if (isList(id) && sub.items.empty()) return;
  Rect& rect = sub.rect;
  rect.x = parent.rect.x + parent.rect.width + kSubMenuGap;
  if (rect.x + rect.width > area.width) rect.x = parent.rect.x - rect.width;
  rect.y = parent.rect.y + item.top;
  if (rect.y + rect.height > area.height)
    rect.y = parent.rect.y + item.top + kItemHeight - rect.height;
  sub.visible = true;
}

void FunctionMenu::KeyByTagMouseEnter(MenuPanel id, size_t index) {
  MenuPanelState& state = panel(id);
  if (!state.visible || !state.reachable(index)) return;
  MenuItemState& item = state.items[index];
  item.hovered = true;
  if (!item.entry || (id != MenuPanel::Main && id != MenuPanel::Special)) return;
  const MenuEntry& entry = *item.entry;
  if (id == MenuPanel::Main && entry.action != MenuAction::Assign) hideSubMenus(false);
  if (id == MenuPanel::Special && entry.action == MenuAction::OpenPanel) hideSubMenus(true);
  if (entry.action == MenuAction::OpenPanel) showSubMenu(entry.opens, state, item);
}

void FunctionMenu::KeyByTagMouseLeave(MenuPanel id, size_t index) {
  MenuPanelState& state = panel(id);
  if (index < state.items.size()) state.items[index].hovered = false;
}

}  // namespace mousecfg
