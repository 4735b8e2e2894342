// Walks the window through its pages in languages 1 and 2 on the simulated mouse and
// saves a picture of each, with a profile saved and loaded again, then the engineer
// page again with Chinese captions:
// mousecfg_screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "app/QtEngineerPageView.h"
#include "app/QtMacroInputDialog.h"
#include "app/QtMacroList.h"
#include "app/QtMacroPageView.h"
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

// The window as the user sees it, with a popup or dialog that lies over it drawn in.
bool save(QtMainWindow& window, const QDir& folder, const QString& name, QWidget* over = nullptr) {
  window.render();
  settle(50);
  QPixmap picture = window.grab();
  if (over) {
    QPainter painter(&picture);
    painter.drawPixmap(over->frameGeometry().topLeft() - window.frameGeometry().topLeft(),
                       over->grab());
  }
  const QString path = folder.filePath(name + ".png");
  const bool saved = picture.save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  return saved;
}

// A macro of a key, a click and delays between, in the library and in the mouse.
void addExampleMacro(QtShell& shell) {
  MacroPageState& page = shell.core.macroPage;
  if (page.libraryNames().empty()) {
    (void)page.newMacro("Combo");
    shell.core.macroLibrary.library().setBody(
        0, std::vector<uint8_t>{0x82, 0x04, 0xFE, 0x00, 0x3C, 0xA1, 0xFE, 0x00, 0x50, 0x21, 0xFE,
                                0x00, 0x2A, 0x02, 0x04, 0xFE, 0x00, 0x64, 0x04, 0x0C, 0xF4, 0x00});
    (void)shell.core.macroLibrary.RefreshPCMacro();
    page.selectLibraryMacro(0);
    (void)page.addToMouse();
  }
  page.selectLibraryMacro(0);
}

bool macroPageStops(QtShell& shell, const QDir& folder, int language) {
  const auto name = [language](const char* stop) {
    return QStringLiteral("L%1-4-macro-%2").arg(language).arg(stop);
  };
  auto* view = shell.window.page(Page::Macro)->findChild<QtMacroPageView*>();
  if (!view) return false;
  addExampleMacro(shell);
  bool ok = save(shell.window, folder, name("selected"));
  const QRect list = view->libraryList()->geometry();
  QMenu* popup =
      view->popups().showLibraryPopup(shell.window.mapToGlobal(list.topLeft() + QPoint(60, 16)));
  ok = save(shell.window, folder, name("popup"), popup) && ok;
  view->popups().hideAll();
  auto* dialog = QtMacroInputDialog::open(&shell.window, MacroDialogKind::Name, true,
                                          shell.core.host, shell.core.languages);
  dialog->field(0)->setText("Sprint");
  ok = save(shell.window, folder, name("dialog"), dialog) && ok;
  dialog->close();
  if (shell.core.macroPage.openInsertPanel(0))
    ok = save(shell.window, folder, name("insert")) && ok;
  shell.core.macroPage.insertCancel();
  shell.core.macroPage.selectedLibrary.reset();  // the next language starts with none chosen
  shell.core.macroPage.clearEditor();
  return ok;
}

// The gun page's service editor on gun 3 with its fourth event selected. The tour opens
// it with a code of its own, so the program's codes stay out of its text.
constexpr const char* kTourCode = "screenshot-tour";
constexpr const char* kTourSecondCode = "screenshot-tour-second";

bool gunEditorStop(QtShell& shell, const QDir& folder, int language) {
  const ServiceAccess saved = shell.core.serviceAccess;
  shell.core.serviceAccess =
      ServiceAccess({ServiceAccess::codeHash(kTourCode), ServiceAccess::codeHash(kTourSecondCode)});
  shell.core.serviceAccess.askForCode = [] { return std::optional<std::string>(kTourCode); };
  for (int i = 0; i < ServiceAccess::kDoubleClicksPerAsk; ++i)
    shell.core.serviceAccess.gunPageDoubleClick();
  shell.core.gunEditor.selectPreset(3);
  shell.core.gunEditor.selectEntry(3);
  const bool ok = shell.core.serviceAccess.gunEditorShown() &&
                  save(shell.window, folder, QStringLiteral("L%1-6-guns-editor").arg(language));
  shell.core.serviceAccess = saved;
  shell.window.render();
  return ok;
}

// The Update page with a firmware file chosen (the tour never presses Program).
bool updatePageStop(QtShell& shell, const QDir& folder, int language) {
  QTemporaryDir files;
  const QString path = files.filePath(QStringLiteral("firmware-2.04.bin"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(2048, '\0')) != 2048) return false;
  file.close();
  const bool chosen = shell.core.updatePage.chooseFileAt(path.toStdString());
  const bool ok =
      chosen && save(shell.window, folder, QStringLiteral("L%1-5-update-chosen").arg(language));
  shell.core.updatePage.pageOpened();
  return ok;
}

// "Save Profile" and "Load Profile" from the Advanced page: each button while its dialog
// is open; page 1, which the read before writing the file shows; after a DPI change, page
// 1 again, which the restarted mouse is read into; then the Advanced page with the saved
// level back.
bool profileFileStops(QtShell& shell, const QDir& folder, int language) {
  const auto name = [language](const char* stop) {
    return QStringLiteral("L%1-8-profile-%2").arg(language).arg(stop);
  };
  QTemporaryDir files;
  const std::string chosen = files.filePath(QStringLiteral("my-settings")).toStdString();
  ProfileFiles& profileFiles = shell.core.profileFiles;
  const auto dialogs = std::pair(profileFiles.chooseSaveFile, profileFiles.chooseLoadFile);
  bool ok = true;
  const auto dialog = [&](const char* stop, const std::string& path) {
    return [&ok, &shell, &folder, name, stop, path] {
      ok = save(shell.window, folder, name(stop)) && ok;
      return std::optional<std::string>(path);
    };
  };
  profileFiles.chooseSaveFile = dialog("save-choosing", chosen);
  profileFiles.chooseLoadFile = dialog("load-choosing", ProfileFiles::savedFileName(chosen));
  shell.state.pageButtonClick(PageButton::Advanced);
  ok = shell.state.Btn_Save_0Click() == ProfileFiles::Outcome::Done && ok;
  ok = save(shell.window, folder, name("saved")) && ok;
  shell.state.pageButtonClick(PageButton::Advanced);
  shell.core.dpi.chooseLevelStep(3, 10);
  ok = shell.state.Btn_Load_0Click() == ProfileFiles::Outcome::Done && ok;
  ok = save(shell.window, folder, name("loaded")) && ok;
  shell.state.pageButtonClick(PageButton::Advanced);
  ok = save(shell.window, folder, name("loaded-advanced")) && ok;
  std::tie(profileFiles.chooseSaveFile, profileFiles.chooseLoadFile) = dialogs;
  return ok;
}

// The gun page as the key page's "Fire Macro" opens it for key 4 in game mode.
bool gunPageStop(QtShell& shell, const QDir& folder, int language) {
  constexpr int kButton = 4;
  shell.state.pageButtonClick(PageButton::Switch);
  const Rect& label = shell.state.layout().keys[kButton - 1].picture;
  shell.core.keyPage.ShowPnlMain_OnClick(kButton, label, shell.state.windowSize);
  shell.core.assignment.fireMacroItemClick();
  if (shell.state.visiblePage != Page::Guns) return false;
  bool ok = save(shell.window, folder, QStringLiteral("L%1-6-guns").arg(language));
  ok = gunEditorStop(shell, folder, language) && ok;
  shell.core.gunPage.Btn_CancelClick();
  return ok;
}

// The engineer page's three tabs at the second service level, opened with a code of the
// tour's own, then the program's access again: PREFIX-tab1 to PREFIX-tab3.
bool engineerTabStops(QtShell& shell, const QDir& folder, const QString& prefix) {
  constexpr const char* kTourFirstLevel = "tour-first-level";
  constexpr const char* kTourSecondLevel = "tour-second-level";
  auto* view = shell.window.page(Page::Engineer)->findChild<QtEngineerPageView*>();
  if (!view) return false;
  const ServiceAccess saved = shell.core.serviceAccess;
  shell.core.serviceAccess = ServiceAccess(
      {ServiceAccess::codeHash(kTourFirstLevel), ServiceAccess::codeHash(kTourSecondLevel)});
  shell.core.serviceAccess.enterCode(kTourSecondLevel);
  bool ok = true;
  for (int tab = 0; tab < view->tabs()->count(); ++tab) {
    view->tabs()->setCurrentIndex(tab);
    shell.window.render();
    settle(50);
    ok = save(shell.window, folder, QStringLiteral("%1-tab%2").arg(prefix).arg(tab + 1)) && ok;
  }
  shell.core.serviceAccess = saved;
  view->tabs()->setCurrentIndex(0);
  shell.window.render();
  return ok;
}

bool waitForConnection(QtShell& shell) {
  QElapsedTimer waited;
  waited.start();
  while (shell.link.errorFlag() && waited.elapsed() < kConnectTimeoutMs) settle(50);
  if (!shell.link.errorFlag()) return true;
  std::fprintf(stderr, "the simulated mouse was not read\n");
  return false;
}

bool languageStops(QtShell& shell, const QDir& folder, int language) {
  bool ok = true;
  shell.state.languageButtonClick(language);
  for (const Stop& stop : kStops) {
    shell.state.pageButtonClick(stop.button);
    ok = save(shell.window, folder, QStringLiteral("L%1-%2").arg(language).arg(stop.name)) && ok;
    if (stop.button == PageButton::Macro) ok = macroPageStops(shell, folder, language) && ok;
    if (stop.button == PageButton::Update)
      ok = updatePageStop(shell, folder, language) && gunPageStop(shell, folder, language) &&
           profileFileStops(shell, folder, language) && ok;
    if (stop.button == PageButton::Engineer)
      ok = engineerTabStops(shell, folder, QStringLiteral("L%1-7-engineer").arg(language)) && ok;
  }
  return ok;
}

// Every page in languages 1 and 2, with the engineer page's captions in English whatever
// the desktop's locale, so the pictures are the same on every machine.
bool mainTour(SimulatedMouse& mouse, const QDir& folder) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  mouse.unplug();
  QtShell shell(mouse);
  shell.show();
  bool ok = save(shell.window, folder, "L1-0-no-device");
  mouse.plug();
  if (!waitForConnection(shell)) return false;
  for (int language : {1, 2}) ok = languageStops(shell, folder, language) && ok;
  return ok;
}

// The engineer page as a Chinese desktop shows it, in a window of its own since the
// captions are chosen when the page is built.
bool chineseEngineerTour(SimulatedMouse& mouse, const QDir& folder) {
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  QtShell shell(mouse);
  shell.show();
  if (!waitForConnection(shell)) return false;
  shell.state.languageButtonClick(1);
  shell.state.pageButtonClick(PageButton::Engineer);
  const QString prefix = QStringLiteral("L1-7-engineer-zh");
  const bool ok = save(shell.window, folder, prefix);
  return engineerTabStops(shell, folder, prefix) && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The tour's macros stay out of the user's own library.
  QTemporaryDir data;
  qputenv("XDG_DATA_HOME", data.path().toUtf8());
  QApplication application(argc, argv);
  const QDir folder(argc > 1 ? argv[1] : "shots");
  if (!QDir().mkpath(folder.path())) return 1;

  SimulatedMouse mouse;
  const bool mainOk = mainTour(mouse, folder);
  const bool chineseOk = chineseEngineerTour(mouse, folder);
  return mainOk && chineseOk ? 0 : 1;
}
