#include "app/QtFunctionMenu.h"

#include "app/QtMenuPanel.h"

namespace mousecfg {

QtFunctionMenu::QtFunctionMenu(QWidget* page, const FunctionMenu& menu) : menu_(menu) {
  for (size_t i = 0; i < panels_.size(); ++i) {
    const auto id = static_cast<MenuPanel>(i);
    auto* panel = new QtMenuPanel(page, id);
    panel->onEnter = [this, id](size_t index) {
      if (onEnter) onEnter(id, index);
    };
    panel->onLeave = [this, id](size_t index) {
      if (onLeave) onLeave(id, index);
    };
    panel->onClick = [this, id](size_t index) {
      if (onClick) onClick(id, index);
    };
    panels_[i] = panel;
  }
}

// The panels go with the menu, so no pointer reaches a view that is gone.
QtFunctionMenu::~QtFunctionMenu() {
  for (QPointer<QtMenuPanel>& panel : panels_) delete panel.data();
}

QWidget* QtFunctionMenu::panel(MenuPanel id) const {
  return panels_[static_cast<size_t>(id)].data();
}

QWidget* QtFunctionMenu::item(MenuPanel id, size_t index) const {
  const QtMenuPanel* panel = panels_[static_cast<size_t>(id)].data();
  return panel ? panel->item(index) : nullptr;
}

bool QtFunctionMenu::contains(const QWidget* widget) const {
  for (const QPointer<QtMenuPanel>& panel : panels_)
    if (panel && (widget == panel || panel->isAncestorOf(widget))) return true;
  return false;
}

// Sub-menus go above Pnl_Main, the nested ones above Pnl_Special: raised in table order.
void QtFunctionMenu::render(const FunctionMenuStyle& style, bool shown) {
  for (size_t i = 0; i < panels_.size(); ++i) {
    QtMenuPanel* panel = panels_[i];
    if (!panel) continue;
    const MenuPanelState& state = menu_.panels[i];
    const bool visible = shown && state.visible;
    if (visible) panel->render(state, menu_, style);
    panel->setVisible(visible);
    if (visible) panel->raise();
  }
}

}  // namespace mousecfg
