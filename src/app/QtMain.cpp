#include <QApplication>

#include "app/QtShell.h"
#include "app/QtSingleInstance.h"
#include "device/BackendSelection.h"

int main(int argc, char** argv) {
  using namespace mousecfg;
  QApplication application(argc, argv);
  const QString caption = MainWindowState::kCaption;
  if (QtSingleInstance::activateRunning(caption)) return 0;
  QApplication::setApplicationName(MainWindowState::kApplicationTitle);

  SelectedBackend selected = selectBackendFromEnvironment();
  QtShell shell(*selected.backend);
  QtSingleInstance instance(caption);
  instance.listen([&shell] {
    shell.window.showNormal();
    shell.window.raise();
    shell.window.activateWindow();
  });
  shell.show();
  return QApplication::exec();
}
