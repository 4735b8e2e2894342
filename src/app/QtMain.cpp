#include <QApplication>
#include <iostream>
#include <string>

#include "app/QtShell.h"
#include "app/QtSingleInstance.h"
#include "device/BackendSelection.h"

namespace {

// The mistakes in the environment go to standard error at once; the window shows the
// text returned once it is up.
std::string tellEnvironmentProblems(const mousecfg::SelectedBackend& selected) {
  std::string text;
  for (const std::string& problem : selected.problems) {
    std::cerr << "mousecfg: " << problem << '\n';
    text += (text.empty() ? "" : "\n") + problem;
  }
  return text;
}

// The simulated mouse saves its block while frames are sent, in the middle of a
// transfer, where a dialog would hold the transfer up.
void tellBlockFileErrors(mousecfg::SimulatedMouse* mouse) {
  if (!mouse) return;
  mouse->setBlockFileErrorSink(
      [](const std::string& error) { std::cerr << "mousecfg: " << error << '\n'; });
}

}  // namespace

int main(int argc, char** argv) {
  using namespace mousecfg;
  QApplication application(argc, argv);
  const QString caption = MainWindowState::kCaption;
  if (QtSingleInstance::activateRunning(caption)) return 0;
  QApplication::setApplicationName(MainWindowState::kApplicationTitle);
  // Lets the desktop match the window to its installed entry and icon (the Wayland app id).
  QGuiApplication::setDesktopFileName("org.mousecfg.mousecfg");

  SelectedBackend selected = selectBackendFromEnvironment();
  const std::string problems = tellEnvironmentProblems(selected);
  tellBlockFileErrors(selected.simulatedMouse);
  QtShell shell(*selected.backend, steadyClock(), true);
  QtSingleInstance instance(caption);
  instance.listen([&shell] {
    shell.window.showNormal();
    shell.window.raise();
    shell.window.activateWindow();
  });
  shell.show();
  if (!problems.empty()) shell.host.postToUi([&shell, problems] { shell.host.showText(problems); });
  return QApplication::exec();
}
