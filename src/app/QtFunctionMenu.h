#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "app/QtFunctionMenuStyle.h"
#include "settings/FunctionMenu.h"

namespace mousecfg {

class QtMenuPanel;

// The function menu's panels (Pnl_Main, its sub-menus and the lists LB_Name, LB_Script)
// drawn over one page from the FunctionMenu model: each panel at its rect, its items
// stacked at their tops and cut off at the panel's height, the item under the pointer
// highlighted. The menu keeps no state: pointer and clicks go to the callbacks.
class QtFunctionMenu {
 public:
  QtFunctionMenu(QWidget* page, const FunctionMenu& menu);
  ~QtFunctionMenu();
  QtFunctionMenu(const QtFunctionMenu&) = delete;
  QtFunctionMenu& operator=(const QtFunctionMenu&) = delete;

  // `shown` is false while the menu is open for another page.
  void render(const FunctionMenuStyle& style, bool shown);

  QWidget* panel(MenuPanel id) const;
  // The item widget at `index` of a panel; nullptr past the end.
  QWidget* item(MenuPanel id, size_t index) const;
  // True for a panel or anything on one.
  bool contains(const QWidget* widget) const;

  std::function<void(MenuPanel, size_t)> onEnter;
  std::function<void(MenuPanel, size_t)> onLeave;
  std::function<void(MenuPanel, size_t)> onClick;

 private:
  const FunctionMenu& menu_;
  std::array<QPointer<QtMenuPanel>, kMenuPanelCount> panels_{};
};

}  // namespace mousecfg
