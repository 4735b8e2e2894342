#include "QtShell.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/QtSkin.h"
#include "settings/QtAdvancedPageView.h"
#include "settings/QtKeyPageView.h"
#include "settings/QtLightingPageView.h"

namespace mousecfg {

QtShell::QtShell(HidBackend& backend)
    : link(backend, host),
      state(link, LanguageTables::builtIn(), builtInProgramOptions(), &QtSkin::size),
      pages(state),
      window(state) {
  state.attachPages(&pages);
  host.attach(&window, nullptr);
  window.addPageView(
      new QtAdvancedPageView(window, pages.dpi, pages.systemMouse, window.page(Page::Advanced)));
  window.addPageView(new QtLightingPageView(window, pages.lighting, window.page(Page::Lighting)));
  window.addPageView(new QtKeyPageView(window, pages));
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
