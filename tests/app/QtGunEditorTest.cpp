#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/QtFunctionMenu.h"
#include "app/QtGunEditor.h"
#include "app/QtGunPageView.h"
#include "app/QtKeyPageView.h"
#include "app/QtMacroInputDialog.h"
#include "app/QtMacroList.h"
#include "app/QtSettingsPageFixture.h"
#include "engineer/ServiceAccess.h"
#include "settings/EntryNames.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

// The tests use codes of their own; the program's codes are never written out.
constexpr const char* kFirstCode = "first-level";
constexpr const char* kSecondCode = "first-level-plus";
constexpr int kButton = 4;
constexpr size_t kGunRecord = 24;
// A point of the page's background between the gun rack and the settings frame.
constexpr QPoint kBackground{447, 300};
// Gun 3 of the default image: a press, its release and delays, moves and repeats between.
constexpr const char* kGun3Default =
    "A1 FE 00 06 FD 00 04 00 05 FE 00 10 FC 21 FE 00 06 00 00 00 00 00 00 00";
constexpr const char* kGun3WithoutPressAndRelease =
    "FE 00 06 FD 00 04 00 05 FE 00 10 FC FE 00 06 00 00 00 00 00 00 00 00 00";

class QtGunEditorTest : public QtSettingsPageFixture {
 protected:
  // The window in game mode on the gun page, as key 4's "Fire Macro" opens it.
  void SetUp() override {
    shell.core.serviceAccess =
        ServiceAccess({ServiceAccess::codeHash(kFirstCode), ServiceAccess::codeHash(kSecondCode)});
    shell.core.serviceAccess.askForCode = [this]() -> std::optional<std::string> {
      ++asked;
      return answer;
    };
    connectAndOpen("Btn_Switch");
    auto* keyPage = existingView<QtKeyPageView>(Page::Keys);
    ASSERT_NE(keyPage, nullptr);
    guns = existingView<QtGunPageView>(Page::Guns);
    ASSERT_NE(guns, nullptr);
    editor = guns->editor();
    ASSERT_NE(editor, nullptr);
    click(shell.window.keyLabel(kButton - 1));
    QWidget* fireMacro = keyPage->functionMenu()
                             .panel(MenuPanel::Main)
                             ->findChild<QWidget*>(langkey::menu::kFireMacro);
    ASSERT_NE(fireMacro, nullptr);
    click(fireMacro);
    ASSERT_EQ(shell.state.visiblePage, Page::Guns);
  }

  void backgroundDoubleClicks(int count) {
    for (int i = 0; i < count; ++i) QTest::mouseDClick(guns, Qt::LeftButton, {}, kBackground);
  }
  void showEditor() {
    answer = kFirstCode;
    backgroundDoubleClicks(ServiceAccess::kDoubleClicksPerAsk);
    ASSERT_TRUE(editor->isVisible());
  }
  static void clickRow(QtMacroList* list, int row) {
    QTest::mouseClick(list, Qt::LeftButton, {},
                      QPoint(QtMacroList::kEntryHeight,
                             row * QtMacroList::kEntryHeight + QtMacroList::kEntryHeight / 2));
  }
  void retype(QLineEdit* field, const QString& keys) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, keys);
  }
  std::string workingGun(int gun) {
    return hexRange(shell.link.image.workingGunTable, kGunRecord * static_cast<size_t>(gun - 1),
                    kGunRecord);
  }

  QtGunPageView* guns = nullptr;
  QtGunEditor* editor = nullptr;
  int asked = 0;
  std::optional<std::string> answer;
};

TEST_F(QtGunEditorTest, IsHiddenUntilTheFifthBackgroundDoubleClickBringsTheCode) {
  EXPECT_FALSE(editor->isVisible());
  answer = kFirstCode;
  backgroundDoubleClicks(ServiceAccess::kDoubleClicksPerAsk - 1);
  EXPECT_EQ(asked, 0);
  EXPECT_FALSE(editor->isVisible());
  backgroundDoubleClicks(1);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(editor->presetList()->count(), gun::kLastGun);
}

TEST_F(QtGunEditorTest, StaysHiddenForAWrongCodeAndHidesOnTheNextDoubleClick) {
  answer = "wrong";
  backgroundDoubleClicks(ServiceAccess::kDoubleClicksPerAsk);
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(editor->isVisible());
  answer = kFirstCode;
  backgroundDoubleClicks(ServiceAccess::kDoubleClicksPerAsk);
  ASSERT_TRUE(editor->isVisible());
  backgroundDoubleClicks(1);
  EXPECT_FALSE(editor->isVisible());
}

TEST_F(QtGunEditorTest, ShowsTheSelectedPresetsEventsAndRecordCaption) {
  showEditor();
  clickRow(editor->presetList(), 2);
  EXPECT_EQ(shell.core.gunEditor.selectedPreset(), 3);
  ASSERT_EQ(editor->eventList()->count(), 8);
  EXPECT_EQ(editor->recordButton()->caption(), QString::fromUtf8("录制"));
  EXPECT_TRUE(editor->recordButton()->isEnabled());
}

TEST_F(QtGunEditorTest, InsertingAMoveOfMinus3And5PutsItsBytesInTheWorkingTableAndSendsNothing) {
  showEditor();
  clickRow(editor->presetList(), 0);
  const std::string before = workingGun(1);
  clickRow(editor->eventList(), 0);
  mouse.clearTrace();
  editor->insertActions()->setCurrentIndex(static_cast<int>(GunInsertAction::MoveBefore));
  click(editor->insertButton());
  ASSERT_TRUE(shell.core.gunEditor.insert.active);
  EXPECT_FALSE(editor->presetList()->isEnabled());
  retype(editor->insertField(GunInsertField::X), "-3");
  retype(editor->insertField(GunInsertField::Y), "5");
  click(editor->okButton());

  EXPECT_FALSE(shell.core.gunEditor.insert.active);
  EXPECT_EQ(workingGun(1), "04 FD 05 " + before.substr(0, before.size() - 9));
  EXPECT_EQ(editor->eventList()->selected(), 0);
  EXPECT_TRUE(mouse.trace().empty());
}

TEST_F(QtGunEditorTest, CancelDropsTheInsertion) {
  showEditor();
  clickRow(editor->presetList(), 2);
  clickRow(editor->eventList(), 0);
  click(editor->insertButton());
  ASSERT_TRUE(shell.core.gunEditor.insert.active);
  click(editor->cancelButton());
  EXPECT_FALSE(shell.core.gunEditor.insert.active);
  EXPECT_EQ(workingGun(3), kGun3Default);
}

TEST_F(QtGunEditorTest, DeletingAPressLineRemovesItsReleaseToo) {
  showEditor();
  clickRow(editor->presetList(), 2);
  ASSERT_EQ(workingGun(3), kGun3Default);
  clickRow(editor->eventList(), 0);
  mouse.clearTrace();
  click(editor->deleteButton());
  EXPECT_EQ(workingGun(3), kGun3WithoutPressAndRelease);
  EXPECT_EQ(editor->eventList()->count(), 6);
  EXPECT_TRUE(mouse.trace().empty());
}

TEST_F(QtGunEditorTest, RecordClearsThePresetAndStopGivesTheCaptionBack) {
  showEditor();
  clickRow(editor->presetList(), 2);
  click(editor->recordButton());
  ASSERT_TRUE(shell.core.gunEditor.recording());
  EXPECT_EQ(editor->recordButton()->caption(), shell.window.text(langkey::caption::kStop));
  EXPECT_FALSE(editor->presetList()->isEnabled());
  EXPECT_FALSE(editor->delayMode(0)->isEnabled());
  click(editor->recordButton());
  EXPECT_FALSE(shell.core.gunEditor.recording());
  EXPECT_EQ(editor->recordButton()->caption(), QString::fromUtf8("录制"));
  EXPECT_TRUE(editor->presetList()->isEnabled());
  // Record cleared the preset, and no press or release came between.
  EXPECT_EQ(workingGun(3), hexRepeat(0x00, kGunRecord));
}

TEST_F(QtGunEditorTest, AnInsertionPastTheTwentyThirdByteIsRefusedWithTheNotice) {
  showEditor();
  clickRow(editor->presetList(), 2);  // 17 event bytes: two delays of 3 bytes still fit
  const auto insertDelay = [this] {
    clickRow(editor->eventList(), 0);
    editor->insertActions()->setCurrentIndex(static_cast<int>(GunInsertAction::DelayBefore));
    click(editor->insertButton());
    click(editor->okButton());
  };
  insertDelay();
  insertDelay();
  EXPECT_TRUE(editor->notice()->text().isEmpty());
  const std::string full = workingGun(3);
  insertDelay();
  EXPECT_EQ(editor->notice()->text(), QString(GunPresetEditor::kFullText));
  EXPECT_EQ(workingGun(3), full);
}

TEST_F(QtGunEditorTest, RenameThroughTheNameDialogRelabelsThePreset) {
  showEditor();
  clickRow(editor->presetList(), 1);
  click(editor->renameButton());
  QtMacroInputDialog* dialog = editor->openDialog();
  ASSERT_NE(dialog, nullptr);
  QTest::keyClicks(dialog->field(0), "Burst");
  dialog->confirm();
  EXPECT_EQ(editor->openDialog(), nullptr);
  EXPECT_EQ(editor->presetList()->entry(1), "Burst");
  EXPECT_EQ(editor->presetList()->entry(0), shell.window.text(gunNameKey(1)));
}

TEST_F(QtGunEditorTest, AGunPageFieldEditShowsInTheEditorsLines) {
  showEditor();
  clickRow(editor->presetList(), 0);
  const QString moves = "X: 0  Y: 9";
  QLineEdit* fireY = guns->field(GunField::FireY);
  fireY->setFocus();
  fireY->selectAll();
  QTest::keyClicks(fireY, "9");
  bool shown = false;
  for (int row = 0; row < editor->eventList()->count(); ++row)
    shown = shown || editor->eventList()->entry(row) == moves;
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace mousecfg::test
