#include "app/QtMacroPopups.h"

#include "app/QtMainWindow.h"
#include "base/LanguageKeys.h"
#include "macros/MacroPageState.h"

namespace mousecfg {

namespace {

// The function menu's look: a dark panel with a thin border and the accent under the
// pointer.
constexpr const char* kPopupSheet =
    "QMenu { background: #1b1f26; border: 1px solid #3b424e; border-radius: 6px;"
    " padding: 4px; color: #e6e9ee; }"
    "QMenu::item { padding: 5px 22px 5px 14px; border-radius: 4px; }"
    "QMenu::item:selected { background: #19c6d1; color: #0b0e12; }"
    "QMenu::item:disabled { color: #68707c; }"
    "QMenu::item:disabled:selected { background: transparent; }";

}  // namespace

QtMacroPopups::QtMacroPopups(QtMainWindow& window, const MacroPageState& page,
                             MacroPopupHandlers handlers)
    : window_(window), page_(page), handlers_(std::move(handlers)) {}

QPoint QtMacroPopups::placeFor(QPoint at, QSize size, const QRect& window) {
  if (at.y() + size.height() > window.bottom()) at.ry() -= size.height();
  return at;
}

QMenu* QtMacroPopups::menu() {
  hideAll();
  auto* menu = new QMenu(&window_);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->setStyleSheet(kPopupSheet);
  menu->setFont(QFont(window_.fontName(), 9));
  open_ = menu;
  return menu;
}

QAction* QtMacroPopups::add(QMenu& menu, const char* languageKey,
                            const std::function<void()>& handler, bool enabled) {
  QAction* action = menu.addAction(window_.text(languageKey));
  action->setEnabled(enabled && handler);
  // Queued, so that the handler runs after the popup has gone (it may open a dialog).
  QObject::connect(
      action, &QAction::triggered, &window_, [handler] { handler(); }, Qt::QueuedConnection);
  return action;
}

QMenu* QtMacroPopups::show(QMenu* menu, QPoint at) {
  menu->ensurePolished();
  menu->popup(placeFor(at, menu->sizeHint(), window_.frameGeometry()));
  return menu;
}

QMenu* QtMacroPopups::showLibraryPopup(QPoint at) {
  using namespace langkey::caption;
  QMenu* popup = menu();
  const bool selected = page_.selectedLibrary.has_value();
  add(*popup, kNewMacro, handlers_.newMacro, page_.newMacroEnabled());
  add(*popup, kRename, handlers_.rename, selected);
  popup->addSeparator();
  add(*popup, kImportOne, handlers_.importOne, page_.importOneEnabled());
  add(*popup, kImportAll, handlers_.importAll, true);
  add(*popup, kExportOne, handlers_.exportOne, selected);
  add(*popup, kExportAll, handlers_.exportAll, true);
  popup->addSeparator();
  add(*popup, kDeleteMacro, handlers_.deleteLibraryMacro, selected);
  add(*popup, kAddToMouse, handlers_.addToMouse, selected);
  return show(popup, at);
}

QMenu* QtMacroPopups::showDevicePopup(QPoint at) {
  QMenu* popup = menu();
  add(*popup, langkey::caption::kDeleteMacro, handlers_.deleteDeviceMacro,
      page_.selectedDevice.has_value());
  return show(popup, at);
}

QMenu* QtMacroPopups::showEventPopup(QPoint at, bool editable) {
  using namespace langkey::caption;
  QMenu* popup = menu();
  add(*popup, kEditEvent, handlers_.editEvent, editable);
  add(*popup, kDeleteEvent, handlers_.deleteEvent, true);
  add(*popup, kInsertEvent, handlers_.insertEvent, true);
  return show(popup, at);
}

void QtMacroPopups::hideAll() {
  if (open_) open_->close();
  open_ = nullptr;
}

}  // namespace mousecfg
