#include "app/QtShell.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>

#include "app/QtAdvancedPageView.h"
#include "app/QtDesktopInputSource.h"
#include "app/QtEngineerPageView.h"
#include "app/QtGunPageView.h"
#include "app/QtKeyPageView.h"
#include "app/QtLightingPageView.h"
#include "app/QtMacroPageView.h"
#include "app/QtSkin.h"
#include "app/QtUpdatePageView.h"

namespace mousecfg {

namespace {

ApplicationCore::Setup shellSetup(bool lockMouse) {
  ApplicationCore::Setup setup;
  setup.pictureSizes = &QtSkin::size;
  setup.lockMouse = lockMouse;
  setup.inputSource = makeDesktopInputSource();
  return setup;
}

}  // namespace

QtShell::QtShell(HidBackend& backend, Clock& clock, bool lockMouse)
    : host(clock),
      core(backend, host, shellSetup(lockMouse)),
      link(core.link),
      state(core.shell),
      window(state) {
  host.attach(&window, nullptr);
  window.addPageView(new QtAdvancedPageView(window, core.dpi, core.systemMouse, core.fireKeys,
                                            window.page(Page::Advanced)));
  window.addPageView(new QtLightingPageView(window, core.lighting, window.page(Page::Lighting)));
  window.addPageView(new QtKeyPageView(window, core));
  window.addPageView(new QtMacroPageView(window, core, window.page(Page::Macro)));
  window.addPageView(new QtGunPageView(window, core, window.page(Page::Guns)));
  window.addPageView(new QtEngineerPageView(window, core, window.page(Page::Engineer)));
  window.addPageView(new QtUpdatePageView(window, core, window.page(Page::Update)));
  connectProfileFileDialogs();
  state.FormCreate();
  window.render();
}

// The save dialog asks before it lets an existing file be chosen; the name chosen gets
// ".bin" appended all the same.
void QtShell::connectProfileFileDialogs() {
  const auto chosen = [](const QString& path) {
    return path.isEmpty() ? std::nullopt : std::optional(path.toStdString());
  };
  core.profileFiles.chooseSaveFile = [this, chosen] {
    return chosen(QFileDialog::getSaveFileName(&window, QString(), QString(),
                                               QString::fromUtf8(ProfileFiles::kSaveFilter)));
  };
  core.profileFiles.chooseLoadFile = [this, chosen] {
    return chosen(QFileDialog::getOpenFileName(&window, QString(), QString(),
                                               QString::fromUtf8(ProfileFiles::kLoadFilter)));
  };
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
