#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "app/QtMacroInputDialog.h"
#include "app/QtMacroInsertPanel.h"
#include "app/QtMacroList.h"
#include "app/QtMacroPageView.h"
#include "app/QtPictureButton.h"
#include "app/QtSettingsPageFixture.h"
#include "base/LanguageKeys.h"
#include "core/ApplicationCore.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

// The macro page in the window, on the simulated mouse, its library in a private folder.
class QtMacroPageViewTest : public QtSettingsPageFixture {
 protected:
  void SetUp() override {
    connectAndOpen("Btn_Macro");
    view = shell.window.page(Page::Macro)->findChild<QtMacroPageView*>();
    ASSERT_NE(view, nullptr);
  }
  MacroPageState& page() { return shell.core.macroPage; }

  void rightClick(QtMacroList* list, int row) {
    const QPoint at(20, row * QtMacroList::kEntryHeight + QtMacroList::kEntryHeight / 2);
    QTest::mouseClick(list, Qt::RightButton, {}, at);
  }
  // The popup's commands: caption -> enabled.
  std::map<QString, bool> popupCommands() {
    std::map<QString, bool> commands;
    QMenu* popup = view->popups().openPopup();
    if (!popup) return commands;
    for (QAction* action : popup->actions())
      if (!action->isSeparator()) commands[action->text()] = action->isEnabled();
    return commands;
  }
  void trigger(const QString& caption) {
    QMenu* popup = view->popups().openPopup();
    ASSERT_NE(popup, nullptr);
    for (QAction* action : popup->actions())
      if (action->text() == caption) action->trigger();
    QCoreApplication::processEvents();  // the command runs after the popup has gone
  }
  // A library macro "Tap" of A down and up, selected.
  void tapMacro() {
    ASSERT_EQ(page().newMacro("Tap"), LibraryChange::Done);
    shell.core.macroLibrary.library().setBody(
        0, std::vector<uint8_t>{0x82, 0x04, 0xFE, 0x00, 0x32, 0x02, 0x04, 0x00});
    ASSERT_TRUE(shell.core.macroLibrary.RefreshPCMacro().empty());
    page().selectLibraryMacro(0);
    shell.window.render();
  }
  std::string savedBody(size_t length) {
    MacroLibraryFile file(shell.core.macroLibrary.path());
    (void)file.CheckPCMacro();
    return hexRange(file.library().slot(0).body, 0, length);
  }

  bool overlayShown() { return widget<QWidget>("Disable_All")->isVisible(); }

  QtMacroPageView* view = nullptr;
};

TEST_F(QtMacroPageViewTest, TheLibraryPopupOffersWhatTheSelectionAllows) {
  rightClick(view->libraryList(), 0);
  std::map<QString, bool> commands = popupCommands();
  EXPECT_TRUE(commands.at("New Macro"));
  EXPECT_TRUE(commands.at("Import One"));
  EXPECT_TRUE(commands.at("Import All"));
  EXPECT_TRUE(commands.at("Export All"));
  EXPECT_FALSE(commands.at("Rename")) << "nothing is selected";
  EXPECT_FALSE(commands.at("Export One"));
  EXPECT_FALSE(commands.at("Delect Macro"));
  EXPECT_FALSE(commands.at("Add to Mouse"));

  tapMacro();
  rightClick(view->libraryList(), 0);
  commands = popupCommands();
  EXPECT_TRUE(commands.at("Rename"));
  EXPECT_TRUE(commands.at("Add to Mouse"));
  EXPECT_EQ(view->libraryList()->selected(), 0);
}

TEST_F(QtMacroPageViewTest, TheEventPopupIsOnlyForALibraryMacroWithThePanelClosed) {
  tapMacro();
  ASSERT_EQ(view->eventList()->count(), 3);
  EXPECT_EQ(view->eventList()->entry(1), "50 ms");
  rightClick(view->eventList(), 1);
  EXPECT_EQ(view->eventList()->selected(), 1) << "a right click selects first";
  EXPECT_EQ(popupCommands(),
            (std::map<QString, bool>{{"Edit", true}, {"Delete", true}, {"Insert", true}}));
  QTest::mouseClick(view->eventList(), Qt::LeftButton, {}, QPoint(20, 300));
  EXPECT_EQ(view->popups().openPopup(), nullptr) << "a click below the last entry hides it";
  EXPECT_FALSE(view->eventList()->selected());

  ASSERT_TRUE(page().openInsertPanel(0));
  shell.window.render();
  rightClick(view->eventList(), 1);
  EXPECT_EQ(view->popups().openPopup(), nullptr) << "not while the insert panel is open";
}

TEST_F(QtMacroPageViewTest, NewMacroAsksForANameOfAtMostEightCharacters) {
  click(widget<QtPictureButton>("Btn_NewMacro"));
  QtMacroInputDialog* dialog = view->openDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(overlayShown());
  QTest::keyClicks(dialog->field(0), "Sprint123");
  EXPECT_EQ(dialog->field(0)->text(), "Sprint12");
  dialog->confirm();
  EXPECT_EQ(view->openDialog(), nullptr);
  EXPECT_FALSE(overlayShown());
  EXPECT_EQ(view->libraryList()->entry(0), "Sprint12");
  EXPECT_EQ(view->libraryList()->selected(), 0);
}

TEST_F(QtMacroPageViewTest, EditingADelayClampsWhatIsTypedAndSavesAtOnce) {
  tapMacro();
  rightClick(view->eventList(), 1);
  trigger("Edit");
  QtMacroInputDialog* dialog = view->openDialog();
  ASSERT_NE(dialog, nullptr);
  QTest::keyClicks(dialog->field(0), "70000");
  EXPECT_EQ(dialog->field(0)->text(), "65535");
  dialog->confirm();
  EXPECT_EQ(page().lines[2], "0 65535");
  EXPECT_EQ(savedBody(8), "82 04 FE FF FF 02 04 00");
  EXPECT_EQ(view->eventList()->entry(1), "65535 ms");
}

TEST_F(QtMacroPageViewTest, DeletingAPressTakesItsReleaseAndSaves) {
  tapMacro();
  rightClick(view->eventList(), 0);
  trigger("Delete");
  EXPECT_EQ(view->eventList()->count(), 1);
  EXPECT_EQ(savedBody(4), "FE 00 32 00");
}

TEST_F(QtMacroPageViewTest, InsertCancelPutsBackTheMacroAsItWas) {
  tapMacro();
  rightClick(view->eventList(), 0);
  trigger("Insert");
  QtMacroInsertPanel* panel = view->insertPanel();
  ASSERT_TRUE(panel->isVisible());
  EXPECT_EQ(widget<QLabel>("lbl_DelayMode")->text(), "Insert Event");
  panel->choices()->setCurrentIndex(static_cast<int>(InsertChoice::KeyBack));
  emit panel->choices()->activated(static_cast<int>(InsertChoice::KeyBack));
  page().insertPanel.settings.delayMode = DelayMode::NoDelay;
  click(panel->recordButton());
  ASSERT_TRUE(page().insertRecording());
  EXPECT_FALSE(widget<QtPictureButton>("Btn_InsertOk")->isEnabled()) << "greyed while recording";
  QTest::keyClick(shell.window.windowHandle(), Qt::Key_B);  // as the desktop delivers it
  click(panel->recordButton());
  ASSERT_EQ(view->eventList()->count(), 5) << "B went in after the first line";
  EXPECT_EQ(view->eventList()->entry(1), "B");
  click(widget<QtPictureButton>("Btn_InsertCancel"));
  EXPECT_FALSE(panel->isVisible());
  EXPECT_EQ(view->eventList()->count(), 3);
  EXPECT_EQ(page().lines, (EventLines{"10", "1 A CODE:8204", "0 50", "2 A CODE:0204"}));
  EXPECT_EQ(savedBody(8), "82 04 FE 00 32 02 04 00");
}

TEST_F(QtMacroPageViewTest, AddToMouseListsTheMacroAmongTheMousesOwn) {
  tapMacro();
  rightClick(view->libraryList(), 0);
  trigger("Add to Mouse");
  EXPECT_EQ(view->deviceList()->count(), 1);
  EXPECT_EQ(view->deviceList()->entry(0), "Tap");
  rightClick(view->deviceList(), 0);
  trigger("Delect Macro");
  EXPECT_EQ(view->deviceList()->count(), 0);
}

TEST_F(QtMacroPageViewTest, ExportOneAsksForAFileAndWritesTheMacroUnderTheNameWithBin) {
  tapMacro();
  QString filterAsked;
  const QString entered = desktop.folder.path() + "/tap.bin";
  view->chooseFileToSave = [&](const QString& filter) {
    filterAsked = filter;
    return entered;
  };
  rightClick(view->libraryList(), 0);
  trigger("Export One");
  EXPECT_EQ(filterAsked, "SaveFile(*.bin)");
  QFile written(entered + ".bin");
  ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << "a name ending in .bin gets it twice";
  EXPECT_EQ(written.size(), 272);

  view->chooseFileToOpen = [&](const QString& filter) {
    filterAsked = filter;
    return entered + ".bin";
  };
  rightClick(view->libraryList(), 0);
  trigger("Delect Macro");
  ASSERT_EQ(view->libraryList()->count(), 0);
  rightClick(view->libraryList(), 0);
  trigger("Import One");
  EXPECT_EQ(filterAsked, "LoadFile(*.bin)");
  ASSERT_EQ(view->libraryList()->count(), 1);
  EXPECT_EQ(view->libraryList()->entry(0), "Tap");
  EXPECT_EQ(savedBody(8), "82 04 FE 00 32 02 04 00");
}

TEST_F(QtMacroPageViewTest, TheKeyDialogShowsEachKeyByNameAndHandsBackItsLine) {
  auto* dialog = QtMacroInputDialog::open(&shell.window, MacroDialogKind::Key, true,
                                          shell.core.host, shell.core.languages);
  QString handedBack;
  QObject::connect(dialog, &QtMacroInputDialog::confirmed,
                   [&](const QString& line) { handedBack = line; });
  QTest::keyClick(dialog->field(0), Qt::Key_Shift);
  EXPECT_EQ(dialog->field(0)->text(), "Shift");
  QTest::keyClick(dialog->field(0), Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(dialog->field(0)->text(), "A");
  dialog->confirm();
  EXPECT_EQ(handedBack, "1 A CODE:8204");
}

TEST_F(QtMacroPageViewTest, TheMovementDialogKeepsALoneMinusAndClampsBothFields) {
  auto* dialog = QtMacroInputDialog::open(&shell.window, MacroDialogKind::Move, true,
                                          shell.core.host, shell.core.languages);
  QTest::keyClicks(dialog->field(0), "-");
  EXPECT_EQ(dialog->field(0)->text(), "-");
  QTest::keyClicks(dialog->field(0), "300");
  EXPECT_EQ(dialog->field(0)->text(), "-128");
  QTest::keyClicks(dialog->field(1), "200");
  EXPECT_EQ(dialog->field(1)->text(), "127");
  QTest::keyClicks(dialog->field(1), "x");
  EXPECT_EQ(dialog->field(1)->text(), "127") << "a letter is not taken";
  dialog->close();
  EXPECT_FALSE(overlayShown()) << "closing uncovers the page";
}

TEST(QtMacroPopupsPlace, APopupThatWouldPassTheBottomMovesUpByItsHeight) {
  const QRect window(100, 100, 900, 600);
  EXPECT_EQ(QtMacroPopups::placeFor({300, 400}, {160, 200}, window), QPoint(300, 400));
  EXPECT_EQ(QtMacroPopups::placeFor({300, 560}, {160, 200}, window), QPoint(300, 360));
}

}  // namespace
}  // namespace mousecfg::test
