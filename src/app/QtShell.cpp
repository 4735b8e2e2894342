#include "QtShell.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/QtSkin.h"

namespace mousecfg {

QtShell::QtShell(HidBackend& backend)
    : link(backend, host),
      state(link, LanguageTables::builtIn(), builtInProgramOptions(), &QtSkin::size),
      pages(state),
      window(state) {
  state.attachPages(&pages);
  host.attach(&window, nullptr);
  state.FormCreate();
  window.render();
}

QtShell::~QtShell() {
  window.devTimer().stop();
  link.listener.stop();
}

void QtShell::show() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect free = screen->availableGeometry();
    window.move(free.left() + (free.width() - window.width()) / 2,
                free.top() + (free.height() - window.height()) / 2);
  }
  window.show();
  progress = std::make_unique<QtProgressWindow>(&window);
  progress->placeBelowCentre();
  host.attach(&window, progress.get());
  state.startMonitor();
  window.devTimer().start();
}

}  // namespace mousecfg
