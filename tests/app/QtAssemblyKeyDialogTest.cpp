#include "app/QtAssemblyKeyDialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include "base/LanguageTables.h"
#include "base/LayoutFile.h"
#include "base/LayoutSet.h"
#include "support/QtPrinters.h"

namespace mousecfg::test {
namespace {

class QtAssemblyKeyDialogTest : public ::testing::Test {
 protected:
  QtAssemblyKeyDialogTest()
      : languages(LanguageTables::builtIn()),
        dialog(QtAssemblyKeyDialog::open(&owner, languages)),
        confirmedSpy(dialog, &QtAssemblyKeyDialog::confirmed),
        closedSpy(dialog, &QtAssemblyKeyDialog::closed) {}
  ~QtAssemblyKeyDialogTest() override { delete dialog; }

  QLineEdit* edit() { return dialog->findChild<QLineEdit*>("Edt_Assembly"); }
  QCheckBox* box(const char* name) { return dialog->findChild<QCheckBox*>(name); }
  void click(const char* name) {
    QWidget* widget = dialog->findChild<QWidget*>(name);
    ASSERT_NE(widget, nullptr) << name;
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
  }
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(edit(), key, modifiers);
  }

  QWidget owner;
  LanguageTables languages;
  QPointer<QtAssemblyKeyDialog> dialog;
  QSignalSpy confirmedSpy;
  QSignalSpy closedSpy;
};

TEST_F(QtAssemblyKeyDialogTest, OpensBorderlessOnTopWithItsTexts) {
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(dialog->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(dialog->size(), QSize(420, 260));
  EXPECT_EQ(dialog->findChild<QLabel*>("AssemblyKeyTitle")->text(), "Assembly Key");
  EXPECT_EQ(box("CB_Ctrl")->text(), "Ctrl");
  EXPECT_EQ(box("CB_Shift")->text(), "Shift");
  EXPECT_EQ(box("CB_Alt")->text(), "Alt");
  EXPECT_EQ(box("CB_Win")->text(), "Win");
  EXPECT_TRUE(edit()->text().isEmpty());
  EXPECT_TRUE(edit()->isReadOnly());
  ASSERT_NE(dialog->findChild<QWidget*>("IB_Confirm"), nullptr);
  ASSERT_NE(dialog->findChild<QWidget*>("IB_Cancel"), nullptr);
  ASSERT_NE(dialog->findChild<QWidget*>("IB_Close"), nullptr);
}

TEST_F(QtAssemblyKeyDialogTest, ControlsSitWhereTheLayoutPutsThem) {
  const AssemblyKeyDialogPlaces places =
      assemblyKeyDialogPlaces(builtInLayout(1).value_or(LayoutFile()), 1);
  EXPECT_EQ(edit()->geometry(), places.edit);
  EXPECT_EQ(box("CB_Ctrl")->pos(), places.ctrl);
  EXPECT_EQ(box("CB_Win")->pos(), places.win);
  EXPECT_EQ(dialog->findChild<QWidget*>("IB_Confirm")->pos(), places.confirm);
  EXPECT_EQ(dialog->findChild<QWidget*>("IB_Close")->pos(), places.close);
  for (QWidget* child : dialog->findChildren<QWidget*>())
    EXPECT_TRUE(dialog->rect().contains(child->geometry())) << child->objectName().toStdString();
}

TEST_F(QtAssemblyKeyDialogTest, TypedKeysAndTickedBoxesFillTheField) {
  press(Qt::Key_A);
  EXPECT_EQ(edit()->text(), "A");
  click("CB_Ctrl");
  EXPECT_TRUE(box("CB_Ctrl")->isChecked());
  EXPECT_EQ(edit()->text(), "Ctrl+A");
  press(Qt::Key_F5);
  EXPECT_EQ(edit()->text(), "Ctrl+A+F5");
  click("CB_Ctrl");
  EXPECT_FALSE(box("CB_Ctrl")->isChecked());
  EXPECT_EQ(edit()->text(), "A+F5");
}

TEST_F(QtAssemblyKeyDialogTest, KeysTypedWithAModifierHeldAreSwallowed) {
  press(Qt::Key_A, Qt::ShiftModifier);
  press(Qt::Key_A, Qt::ControlModifier);
  press(Qt::Key_A, Qt::AltModifier);
  press(Qt::Key_Shift);
  press(Qt::Key_Meta);
  EXPECT_EQ(edit()->text(), "");
}

TEST_F(QtAssemblyKeyDialogTest, EscapeAndTabAreKeysNotCommands) {
  press(Qt::Key_Escape);
  press(Qt::Key_Tab);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(edit()->text(), "Esc+Tab");
  EXPECT_EQ(dialog->focusWidget(), edit());
}

TEST_F(QtAssemblyKeyDialogTest, KeypadKeysAreTheNumericPadKeys) {
  press(Qt::Key_7, Qt::KeypadModifier);
  EXPECT_EQ(edit()->text(), "7 (numeric pad)");
}

TEST_F(QtAssemblyKeyDialogTest, ConfirmHandsBackTextAndCodeThenCloses) {
  click("CB_Ctrl");
  press(Qt::Key_A);
  click("IB_Confirm");
  ASSERT_EQ(confirmedSpy.count(), 1);
  EXPECT_EQ(confirmedSpy.at(0).at(0).toString(), "Ctrl+A");
  EXPECT_EQ(confirmedSpy.at(0).at(1).toString(), "02010400");
  EXPECT_EQ(closedSpy.count(), 1);
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(QtAssemblyKeyDialogTest, ConfirmingNothingHandsBackNoEntry) {
  click("IB_Confirm");
  ASSERT_EQ(confirmedSpy.count(), 1);
  EXPECT_EQ(confirmedSpy.at(0).at(0).toString(), "");
  EXPECT_EQ(confirmedSpy.at(0).at(1).toString(), "00000000");
}

TEST_F(QtAssemblyKeyDialogTest, ClearEmptiesTheFieldAndBoxesAndStaysOpen) {
  click("CB_Shift");
  click("CB_Win");
  press(Qt::Key_B);
  click("IB_Cancel");
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(edit()->text(), "");
  EXPECT_FALSE(box("CB_Shift")->isChecked());
  EXPECT_FALSE(box("CB_Win")->isChecked());
  EXPECT_EQ(closedSpy.count(), 0);
  press(Qt::Key_C);
  EXPECT_EQ(edit()->text(), "C");
}

TEST_F(QtAssemblyKeyDialogTest, CloseGivesNoResult) {
  press(Qt::Key_A);
  click("IB_Close");
  EXPECT_EQ(confirmedSpy.count(), 0);
  EXPECT_EQ(closedSpy.count(), 1);
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(QtAssemblyKeyDialogTest, ClosedByTheWindowSystemStillReleasesThePanel) {
  dialog->close();
  EXPECT_EQ(confirmedSpy.count(), 0);
  EXPECT_EQ(closedSpy.count(), 1);
}

TEST(QtAssemblyKeyDialogPlacesTest, LayoutKeysPlaceTheControls) {
  const LayoutFile layout(
      "[org1]\nAKT_X=5\nAKT_Y=6\nAKC_X=11\nAKC_Y=12\nAKC_W=200\nMK_C_X=21\nMK_C_Y=22\n"
      "MK_S_X=31\nMK_S_Y=32\nMK_A_X=41\nMK_A_Y=42\nMK_W_X=51\nMK_W_Y=52\nAK_Cfm_X=61\n"
      "AK_Cfm_Y=62\nAK_Clear_X=71\nAK_Clear_Y=72\nAK_Close_X=81\nAK_Close_Y=82\nSize_J=13\n"
      "Color_K_R=1\nColor_K_G=2\nColor_K_B=3\nColor_K_AK_R=4\nColor_K_AK_G=5\nColor_K_AK_B=6\n",
      "org1");
  const AssemblyKeyDialogPlaces places = assemblyKeyDialogPlaces(layout, 1);
  EXPECT_EQ(places.title, QPoint(5, 6));
  EXPECT_EQ(places.edit, QRect(11, 12, 200, 28));
  EXPECT_EQ(places.ctrl, QPoint(21, 22));
  EXPECT_EQ(places.shift, QPoint(31, 32));
  EXPECT_EQ(places.alt, QPoint(41, 42));
  EXPECT_EQ(places.win, QPoint(51, 52));
  EXPECT_EQ(places.confirm, QPoint(61, 62));
  EXPECT_EQ(places.clear, QPoint(71, 72));
  EXPECT_EQ(places.close, QPoint(81, 82));
  EXPECT_EQ(places.fontSize, 13);
  EXPECT_EQ(places.textColour, QColor(1, 2, 3));
  EXPECT_EQ(places.titleColour, QColor(4, 5, 6));
}

TEST(QtAssemblyKeyDialogPlacesTest, MissingKeysFallBackInsideTheDialog) {
  for (int language = 1; language <= 3; ++language) {
    const AssemblyKeyDialogPlaces places = assemblyKeyDialogPlaces(LayoutFile(), language);
    const QRect dialog(0, 0, 420, 260);
    EXPECT_TRUE(dialog.contains(places.edit));
    for (QPoint point : {places.title, places.ctrl, places.shift, places.alt, places.win,
                         places.confirm, places.clear, places.close})
      EXPECT_TRUE(dialog.contains(point));
    EXPECT_EQ(places.fontSize, 10);
    EXPECT_EQ(places.titleColour, QColor(230, 234, 239));
    EXPECT_EQ(places.textColour, language == 2 ? QColor(230, 234, 239) : QColor(30, 34, 40))
        << "light text on the dark content of set 2";
  }
}

TEST(QtAssemblyKeyDialogPlacesTest, ColourComponentsAreClamped) {
  const LayoutFile layout("[org1]\nColor_K_R=300\nColor_K_G=-5\nColor_K_B=x\n", "org1");
  EXPECT_EQ(assemblyKeyDialogPlaces(layout, 1).textColour, QColor(255, 0, 40));
}

}  // namespace
}  // namespace mousecfg::test
