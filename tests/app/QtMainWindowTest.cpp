#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "app/QtMonitorTicks.h"
#include "app/QtShell.h"
#include "app/QtSingleInstance.h"
#include "device/SimulatedMouse.h"
#include "support/QtDialogCatcher.h"
#include "support/QtPrinters.h"
#include "support/VirtualClock.h"

namespace mousecfg::test {
namespace {

class QtMainWindowTest : public ::testing::Test {
 protected:
  QtMainWindowTest() : mouse({}, [this] { return clock.nowMs(); }), shell(mouse, clock) {
    showWithoutMonitorTimer(shell);
  }

  QtMainWindow& window() { return shell.window; }
  void click(const QString& name) {
    QtPictureButton* button = window().button(name);
    ASSERT_NE(button, nullptr) << name.toStdString();
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  }
  bool waitForConnection() { return tickMonitorUntilConnected(shell); }
  bool pageShown(Page page) { return window().page(page)->isVisible(); }

  VirtualClock clock;
  SimulatedMouse mouse;
  QtShell shell;
};

TEST_F(QtMainWindowTest, OpensBorderlessWithItsCaptionOnPageOne) {
  EXPECT_TRUE(window().isVisible());
  EXPECT_EQ(window().windowTitle(), "KVRM318x 062B Gaming Mouse v1.0");
  EXPECT_TRUE(window().windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(window().size(), QSize(900, 600));
  EXPECT_TRUE(pageShown(Page::Keys));
  EXPECT_FALSE(pageShown(Page::Advanced));
  EXPECT_FALSE(window().button("Btn_Lang3")->isVisible()) << "switched off by the layout";
  EXPECT_TRUE(window().button("Btn_Lang2")->isVisible());
  EXPECT_EQ(window().button("Btn_Main")->caption(), "Office Mode");
  EXPECT_FALSE(window().mask().isEmpty()) << "shaped by the background picture";
}

TEST_F(QtMainWindowTest, PageButtonsWithoutTheMouseSayItIsNotFound) {
  QtDialogCatcher dialogs;
  click("Btn_Adv");
  EXPECT_EQ(dialogs.texts, QStringList{"Not find the specified device"});
  EXPECT_TRUE(pageShown(Page::Keys));
}

TEST_F(QtMainWindowTest, FindsTheSimulatedMouseThenSwitchesPages) {
  ASSERT_TRUE(waitForConnection());
  click("Btn_Adv");
  EXPECT_TRUE(pageShown(Page::Advanced));
  EXPECT_FALSE(pageShown(Page::Keys));
  click("Btn_Breath");
  EXPECT_TRUE(pageShown(Page::Lighting));
  QTest::mouseClick(window().findChild<QtPictureButton*>("Btn_Engineer"), Qt::LeftButton);
  EXPECT_TRUE(pageShown(Page::Engineer));
  EXPECT_EQ(window().size(), QSize(1256, 680));
  click("Btn_Main");
  EXPECT_TRUE(pageShown(Page::Keys));
  EXPECT_EQ(window().size(), QSize(900, 600));
}

TEST_F(QtMainWindowTest, UnpluggedMouseIsNotFoundAndPluggedAgainIsReadAgain) {
  ASSERT_TRUE(waitForConnection());
  click("Btn_Adv");
  mouse.unplug();
  ASSERT_TRUE(tickMonitorUntil(shell, [this] { return !shell.link.channel.isOpen(); }));
  QtDialogCatcher dialogs;
  click("Btn_Main");
  EXPECT_EQ(dialogs.texts, QStringList{"Not find the specified device"});
  EXPECT_TRUE(pageShown(Page::Advanced)) << "the last settings stay on screen";
  mouse.plug();
  ASSERT_TRUE(waitForConnection());
  EXPECT_TRUE(pageShown(Page::Keys)) << "read again, back on page 1";
}

TEST_F(QtMainWindowTest, TheFooterSaysWhatIsMissingOnlyWhileNoMouseIsConnected) {
  QLabel* footer = window().footerLabel();
  EXPECT_TRUE(footer->isVisible());
  EXPECT_TRUE(footer->text().contains("Changes made now reach no mouse."))
      << footer->text().toStdString();
  ASSERT_TRUE(waitForConnection());
  EXPECT_FALSE(footer->isVisible());
  mouse.unplug();
  ASSERT_TRUE(tickMonitorUntil(shell, [this] { return !shell.link.channel.isOpen(); }));
  EXPECT_TRUE(footer->isVisible());
}

TEST_F(QtMainWindowTest, LanguageTwoRestylesTheWindow) {
  click("Btn_Lang2");
  EXPECT_EQ(shell.state.language(), 2);
  EXPECT_EQ(shell.state.layout().group('A').rgb, 0xFFFFFFu);
  click("Btn_Lang1");
  EXPECT_EQ(shell.state.language(), 1);
  EXPECT_EQ(shell.state.layout().group('A').rgb, 0x000000u);
}

TEST_F(QtMainWindowTest, HoveringAButtonShowsItsHint) {
  QtPictureButton* adv = window().button("Btn_Adv");
  QStatusTipEvent tip(adv->statusTip());
  QApplication::sendEvent(adv, &tip);
  EXPECT_EQ(window().hintLabel()->text(), "Advanced");
}

TEST(QtSingleInstance, ASecondStartFindsTheFirstAndAsksItToTheFront) {
  const QString caption = "mousecfg single instance test";
  EXPECT_FALSE(QtSingleInstance::activateRunning(caption));
  QtSingleInstance first(caption);
  int activations = 0;
  ASSERT_TRUE(first.listen([&] { ++activations; }));
  EXPECT_TRUE(QtSingleInstance::activateRunning(caption));
  EXPECT_TRUE(QTest::qWaitFor([&] { return activations == 1; }, 2000));
}

}  // namespace
}  // namespace mousecfg::test

namespace mousecfg::test {
namespace {

TEST(QtMainWindowProfileButton, TheMouseProfileButtonSwitchesTheShownTable) {
  VirtualClock clock;
  SimulatedMouse mouse({}, [&] { return clock.nowMs(); });
  auto stored = mouse.storedBlock();
  stored[241] = 0x01;  // profile 2, button 1: Middle Key
  stored[242] = 0x04;
  stored[289] = sectionChecksum(std::span(stored).subspan(241, 49));
  mouse.setStoredBlock(stored);
  QtShell shell(mouse, clock);
  showWithoutMonitorTimer(shell);
  ASSERT_TRUE(tickMonitorUntil(shell, [&] { return !shell.link.errorFlag(); }));
  EXPECT_EQ(shell.window.keyLabel(0)->caption(), "Left Key");
  ASSERT_TRUE(mouse.waitForBlockedReaders(1, VirtualClock::kWaiterGuard));
  mouse.pressProfileButton();
  ASSERT_TRUE(clock.advanceToNextDeadline()) << "the listener waits on the clock";
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return shell.window.keyLabel(0)->caption() == "Middle Key"; }, 3000));
  EXPECT_EQ(shell.state.checkedRadio, 2) << "the game-mode page button is the selected one";
}

}  // namespace
}  // namespace mousecfg::test
