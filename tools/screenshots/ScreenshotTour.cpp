// Walks the window through its pages in languages 1 and 2 on the simulated mouse and
// saves a picture of each: mousecfg_screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>

#include "app/QtShell.h"
#include "device/SimulatedMouse.h"

namespace {

using namespace mousecfg;

constexpr int kConnectTimeoutMs = 10000;

struct Stop {
  const char* name;
  PageButton button;
};

constexpr Stop kStops[] = {
    {"1-keys", PageButton::Main},       {"2-advanced", PageButton::Advanced},
    {"3-lighting", PageButton::Breath}, {"4-macro", PageButton::Macro},
    {"5-update", PageButton::Update},   {"7-engineer", PageButton::Engineer},
};

void settle(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
}

bool save(QtMainWindow& window, const QDir& folder, const QString& name) {
  window.render();
  settle(50);
  const QString path = folder.filePath(name + ".png");
  const bool saved = window.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QDir folder(argc > 1 ? argv[1] : "shots");
  if (!QDir().mkpath(folder.path())) return 1;

  SimulatedMouse mouse;
  mouse.unplug();
  QtShell shell(mouse);
  shell.show();
  bool ok = save(shell.window, folder, "L1-0-no-device");
  mouse.plug();
  QElapsedTimer waited;
  waited.start();
  while (shell.link.errorFlag() && waited.elapsed() < kConnectTimeoutMs) settle(50);
  if (shell.link.errorFlag()) {
    std::fprintf(stderr, "the simulated mouse was not read\n");
    return 1;
  }
  for (int language : {1, 2}) {
    shell.state.languageButtonClick(language);
    for (const Stop& stop : kStops) {
      shell.state.pageButtonClick(stop.button);
      ok = save(shell.window, folder, QStringLiteral("L%1-%2").arg(language).arg(stop.name)) && ok;
    }
  }
  return ok ? 0 : 1;
}
