#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "app/QtAssemblyKeyDialog.h"
#include "app/QtFunctionMenu.h"
#include "app/QtKeyPageView.h"
#include "app/QtMonitorTicks.h"
#include "app/QtShell.h"
#include "app/QtTickOption.h"
#include "device/SimulatedMouse.h"
#include "support/HexBytes.h"
#include "support/QtDialogCatcher.h"
#include "support/QtPrinters.h"
#include "support/VirtualClock.h"

namespace mousecfg::test {
namespace {

constexpr size_t kProfile1Button1 = 192;
constexpr size_t kProfile1Button2 = 196;
constexpr size_t kProfile1Button6 = 212;
constexpr size_t kComboKey2 = 131;

class QtKeyPageViewTest : public ::testing::Test {
 protected:
  QtKeyPageViewTest() : mouse({}, [this] { return clock.nowMs(); }), shell(mouse, clock) {
    view = shell.window.page(Page::Keys)->findChild<QtKeyPageView*>();
    if (!view) {  // until the shell builds the view itself
      view = new QtKeyPageView(shell.window, shell.core);
      shell.window.addPageView(view);
    }
    shell.window.render();
    showWithoutMonitorTimer(shell);
  }

  void SetUp() override { ASSERT_TRUE(waitForConnection()); }

  bool waitForConnection() { return tickMonitorUntilConnected(shell); }

  QtPictureButton* key(int k) { return shell.window.keyLabel(k - 1); }
  QWidget* panel(MenuPanel id) { return view->functionMenu().panel(id); }
  QWidget* item(MenuPanel id, const char* languageKey) {
    QWidget* found = panel(id)->findChild<QWidget*>(languageKey);
    EXPECT_NE(found, nullptr) << languageKey;
    return found;
  }
  void click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
  }
  void hover(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseMove(widget, widget->rect().center());
  }
  // Pnl_Main for key k, then a category of Pnl_Main, then (optionally) one of Pnl_Special.
  void openMenu(int k) { click(key(k)); }
  void choose(int k, std::initializer_list<std::pair<MenuPanel, const char*>> path) {
    openMenu(k);
    for (auto it = path.begin(); it != path.end(); ++it) {
      if (std::next(it) == path.end())
        click(item(it->first, it->second));
      else
        hover(item(it->first, it->second));
    }
  }
  std::string stored(size_t offset, size_t length = 4) {
    return hexRange(mouse.storedBlock(), offset, length);
  }
  // The mouse is read again from scratch, so the labels show what it stored.
  void readAgain() {
    EXPECT_TRUE(shell.link.transfer.Btn_Read());
    shell.window.render();
  }
  QtAssemblyKeyDialog* assemblyDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<QtAssemblyKeyDialog*>(widget); dialog && dialog->isVisible())
        return dialog;
    return nullptr;
  }

  VirtualClock clock;
  SimulatedMouse mouse;
  QtShell shell;
  QtKeyPageView* view = nullptr;
};

TEST_F(QtKeyPageViewTest, ClickingAKeyLabelOpensTheMainPanelBesideIt) {
  openMenu(6);
  ASSERT_TRUE(panel(MenuPanel::Main)->isVisible());
  const QRect label = key(6)->geometry();
  const QRect menu = panel(MenuPanel::Main)->geometry();
  EXPECT_EQ(menu.topLeft(), label.center() + QPoint(1, 1))
      << "left and top edge at the label's centre";
  EXPECT_EQ(menu.size(), QSize(190, 170));
  EXPECT_FALSE(panel(MenuPanel::Special)->isVisible());
  EXPECT_EQ(shell.core.assignment.target.index, 6);
}

TEST_F(QtKeyPageViewTest, AMenuOpenedForARightHandLabelOpensToItsLeft) {
  openMenu(12);
  const QRect label = key(12)->geometry();
  const QRect menu = panel(MenuPanel::Main)->geometry();
  EXPECT_EQ(menu.right() + 1, label.x() + label.width() / 2) << "right edge at the label's centre";
}

TEST_F(QtKeyPageViewTest, PointingAtACategoryOpensItsSubMenuOnly) {
  openMenu(6);
  hover(item(MenuPanel::Main, "Str202"));
  ASSERT_TRUE(panel(MenuPanel::Special)->isVisible());
  hover(item(MenuPanel::Special, "Str220"));
  EXPECT_TRUE(panel(MenuPanel::Dpi)->isVisible());
  const QRect special = panel(MenuPanel::Special)->geometry();
  EXPECT_EQ(panel(MenuPanel::Dpi)->x(), special.right() + 1 + FunctionMenu::kSubMenuGap);
  hover(item(MenuPanel::Main, "Str203"));
  EXPECT_TRUE(panel(MenuPanel::Media)->isVisible());
  EXPECT_FALSE(panel(MenuPanel::Special)->isVisible());
  EXPECT_FALSE(panel(MenuPanel::Dpi)->isVisible());
}

TEST_F(QtKeyPageViewTest, ChoosingAFunctionRelabelsTheKeyAndTheMouseStoresIt) {
  choose(6, {{MenuPanel::Main, "Str203"}, {MenuPanel::Media, "Str274"}});
  EXPECT_EQ(key(6)->caption(), "Volume +");
  EXPECT_FALSE(panel(MenuPanel::Main)->isVisible()) << "choosing closes the menu";
  EXPECT_EQ(stored(kProfile1Button6), "03 00 E9 00");

  choose(6,
         {{MenuPanel::Main, "Str202"}, {MenuPanel::Special, "Str220"}, {MenuPanel::Dpi, "Str222"}});
  EXPECT_EQ(key(6)->caption(), "DPI +");
  readAgain();
  EXPECT_EQ(key(6)->caption(), "DPI +");
  EXPECT_EQ(stored(kProfile1Button6, 3), "09 01 00");
}

TEST_F(QtKeyPageViewTest, UserDefinedOpensTheDialogAndItsConfirmRelabelsTheKey) {
  choose(6, {{MenuPanel::Main, "Str205"}});
  QtAssemblyKeyDialog* dialog = assemblyDialog();
  ASSERT_NE(dialog, nullptr);
  QWidget* blocker = shell.window.findChild<QWidget*>("Disable_All_1");
  ASSERT_NE(blocker, nullptr);
  EXPECT_TRUE(blocker->isVisible()) << "the window is blocked while the dialog is open";
  click(dialog->findChild<QCheckBox*>("CB_Ctrl"));
  QTest::keyClick(dialog->findChild<QLineEdit*>("Edt_Assembly"), Qt::Key_A);
  click(dialog->findChild<QWidget*>("IB_Confirm"));
  EXPECT_EQ(key(6)->caption(), "Ctrl+A");
  EXPECT_FALSE(blocker->isVisible());
  EXPECT_EQ(stored(kProfile1Button6), "02 01 04 00");
}

TEST_F(QtKeyPageViewTest, ClosingTheDialogChangesNothing) {
  choose(6, {{MenuPanel::Main, "Str205"}});
  QtAssemblyKeyDialog* dialog = assemblyDialog();
  ASSERT_NE(dialog, nullptr);
  QTest::keyClick(dialog->findChild<QLineEdit*>("Edt_Assembly"), Qt::Key_B);
  click(dialog->findChild<QWidget*>("IB_Close"));
  EXPECT_FALSE(shell.window.findChild<QWidget*>("Disable_All_1")->isVisible());
  EXPECT_EQ(key(6)->caption(), "DPI +");
  EXPECT_EQ(stored(kProfile1Button6), "09 01 00 00");
}

TEST_F(QtKeyPageViewTest, TheOnlyLeftKeyIsKept) {
  QtDialogCatcher dialogs;
  choose(1, {{MenuPanel::Main, "Str203"}, {MenuPanel::Media, "Str274"}});
  EXPECT_EQ(dialogs.texts, QStringList{"Please keep a Left Key"});
  EXPECT_EQ(key(1)->caption(), "Left Key");
  EXPECT_EQ(stored(kProfile1Button1), "01 01 00 00");
}

TEST_F(QtKeyPageViewTest, AGestureTickTogglesItsPictureAndWrites) {
  auto* ledGesture = view->findChild<QtTickOption*>("IB_ComboKey1");
  ASSERT_NE(ledGesture, nullptr);
  EXPECT_EQ(ledGesture->caption(), "Right Key + Backward Switch LED Mode");
  EXPECT_EQ(ledGesture->pictureName(), "CbS_E") << "on in the default image";
  click(ledGesture);
  EXPECT_EQ(ledGesture->pictureName(), "CbS_D");
  EXPECT_EQ(stored(kComboKey2), "00 00 00 00");
  EXPECT_EQ(stored(kProfile1Button2), "01 08 00 00");
  click(ledGesture);
  EXPECT_EQ(ledGesture->pictureName(), "CbS_E");
  EXPECT_EQ(stored(kComboKey2), "0E 00 00 00");
  EXPECT_EQ(stored(kProfile1Button2), "01 08 00 02");
}

TEST_F(QtKeyPageViewTest, AGestureWithoutItsButtonStaysUnticked) {
  choose(6, {{MenuPanel::Main, "Str203"}, {MenuPanel::Media, "Str274"}});  // no "DPI +" left
  auto* dpiUpGesture = view->findChild<QtTickOption*>("IB_ComboKey4");
  ASSERT_NE(dpiUpGesture, nullptr);
  const auto before = mouse.storedBlock();
  click(dpiUpGesture);
  EXPECT_EQ(dpiUpGesture->pictureName(), "CbS_D");
  EXPECT_EQ(hexBytes(mouse.storedBlock()), hexBytes(before));
}

TEST_F(QtKeyPageViewTest, TheGunKeyGestureIsHiddenWithoutTheGunPresets) {
  for (int n = 1; n <= 7; ++n)
    EXPECT_TRUE(view->findChild<QtTickOption*>(QStringLiteral("IB_ComboKey%1").arg(n))->isVisible())
        << n;
  EXPECT_FALSE(view->findChild<QtTickOption*>("IB_ComboKey8")->isVisible());
}

TEST_F(QtKeyPageViewTest, AClickOnThePageBackgroundClosesTheMenus) {
  openMenu(6);
  hover(item(MenuPanel::Main, "Str202"));
  ASSERT_TRUE(panel(MenuPanel::Special)->isVisible());
  QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(620, 90));
  EXPECT_FALSE(panel(MenuPanel::Main)->isVisible());
  EXPECT_FALSE(panel(MenuPanel::Special)->isVisible());
  EXPECT_FALSE(shell.core.assignment.menu.isOpen());
}

TEST_F(QtKeyPageViewTest, PointingAtAKeyLabelMarksItUntilThePointerLeaves) {
  hover(key(4));
  EXPECT_EQ(shell.core.keyPage.markerPictures[3], "KeyS_02");
  hover(key(5));
  EXPECT_EQ(shell.core.keyPage.markerPictures[3], "KeyS_01");
  EXPECT_EQ(shell.core.keyPage.markerPictures[4], "KeyS_02");
}

}  // namespace
}  // namespace mousecfg::test
