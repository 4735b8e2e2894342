#pragma once

#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <functional>

namespace mousecfg {

class MacroPageState;
class QtMainWindow;

// The macro page's three popups. Each command is enabled by the page's state when the
// popup opens; choosing one runs the handler the page gave for it.
struct MacroPopupHandlers {
  std::function<void()> newMacro, rename, importOne, importAll, exportOne, exportAll,
      deleteLibraryMacro, addToMouse;
  std::function<void()> deleteDeviceMacro;
  std::function<void()> editEvent, deleteEvent, insertEvent;
};

class QtMacroPopups {
 public:
  QtMacroPopups(QtMainWindow& window, const MacroPageState& page, MacroPopupHandlers handlers);

  // Right click on the library list, the device list, an event entry (`editable`: the
  // entry is not a repeat end, which has nothing to edit).
  QMenu* showLibraryPopup(QPoint at);
  QMenu* showDevicePopup(QPoint at);
  QMenu* showEventPopup(QPoint at, bool editable);
  void hideAll();
  // The popup now open, if any.
  QMenu* openPopup() const { return open_; }

  // Where a popup of `size` opens for a click at `at`: there, or moved up by its own
  // height when it would pass the bottom of `window` (all in global coordinates).
  static QPoint placeFor(QPoint at, QSize size, const QRect& window);

 private:
  QMenu* menu();
  QAction* add(QMenu& menu, const char* languageKey, const std::function<void()>& handler,
               bool enabled);
  QMenu* show(QMenu* menu, QPoint at);

  QtMainWindow& window_;
  const MacroPageState& page_;
  MacroPopupHandlers handlers_;
  // Follows the popup, which closes and deletes itself; it may outlive the page.
  QPointer<QMenu> open_;
};

}  // namespace mousecfg
