#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>

#include "app/QtColourSwatch.h"
#include "app/QtSettingsPageFixture.h"
#include "settings/KeyTables.h"
#include "settings/SystemMouseLevels.h"
#include "support/HexBytes.h"
#include "support/QtDialogCatcher.h"

namespace mousecfg::test {
namespace {

using namespace image;

constexpr int kLevelStepPixels = 10;  // the page's DPI slider: one step every 10 pixels
constexpr ButtonEntry kFireKey2Entry{0x06, 0x14, 0x00, 0x1E};  // the default key 2: 5 shots, 30 ms
constexpr int kFireKeyButton = 5;                              // bound to it in profile 1

class QtAdvancedPageViewTest : public QtSettingsPageFixture {
 protected:
  QString valueText(int level) {
    QLabel* label = widget<QLabel>(qPrintable(QStringLiteral("lbl_DPI%1Value").arg(level)));
    return label ? label->text() : QString();
  }
  QtSkinSlider* levelSlider(int level) {
    return widget<QtSkinSlider>(qPrintable(QStringLiteral("slider_DPI%1").arg(level)));
  }
  // A press at `fromPixel`, a drag to `toPixel` and a release there, as the pointer does
  // it; returns the value shown while the pointer was still down.
  QString drag(int level, int fromPixel, int toPixel) {
    QtSkinSlider* slider = levelSlider(level);
    const QPoint from = slider->pointOnTrack(fromPixel);
    const QPoint to = slider->pointOnTrack(toPixel);
    QTest::mousePress(slider, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), slider->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(slider, &move);
    const QString shownWhileDragging = valueText(level);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, to);
    return shownWhileDragging;
  }

  QLineEdit* repeatField(int key) {
    return widget<QLineEdit>(qPrintable(QStringLiteral("FK%1Cnt").arg(key)));
  }
  QLineEdit* intervalField(int key) {
    return widget<QLineEdit>(qPrintable(QStringLiteral("FK%1Delay").arg(key)));
  }
  QtTickOption* continuousOption(int key) {
    return widget<QtTickOption>(qPrintable(QStringLiteral("FK%1Continue").arg(key)));
  }
  // Replaces the field's text by typing over it, key by key, as the user does.
  void typeOver(QLineEdit* field, const QString& typed) {
    ASSERT_NE(field, nullptr);
    field->selectAll();
    if (typed.isEmpty())
      QTest::keyClick(field, Qt::Key_Backspace);
    else
      QTest::keyClicks(field, typed);
  }
  // Profile 1's button 5 gets the entry of fire key 2, and the labels are named again.
  void bindButtonToFireKey2() {
    ASSERT_TRUE(
        storeProfileEntry(shell.link.image, shell.link.codes, 1, kFireKeyButton, kFireKey2Entry));
    shell.core.assignment.refreshFromImage();
    shell.window.render();
    ASSERT_EQ(shell.window.keyLabel(kFireKeyButton - 1)->caption(), "Fire Key2");
  }
  std::string storedFireKeyButton() {
    return hexRange(mouse.storedBlock(), key_tables::profileEntryOffset(1, kFireKeyButton), 4);
  }
  // Fire key j's count - 1 and interval in the mouse's fire-key block.
  std::string storedFireKey(int key) {
    return hexRange(mouse.storedBlock(),
                    kFireKeyOffset + kFireKeyParamsOffset + kFireKeyParamsLength * (key - 1),
                    kFireKeyParamsLength);
  }
  // A click that the window routes to whatever lies at the widget's centre.
  void clickThroughWindow(QWidget* target) {
    ASSERT_NE(target, nullptr);
    const QPoint at = target->mapTo(&shell.window, target->rect().center());
    QTest::mouseClick(shell.window.windowHandle(), Qt::LeftButton, {}, at);
  }
};

TEST_F(QtAdvancedPageViewTest, ShowsTheLevelsOfTheMouse) {
  connectAndOpen("Btn_Adv");
  EXPECT_TRUE(advanced->isVisible());
  // The default image: six levels at 800, 1600, 2400, 4800, 6400, 12000; level 2 active.
  const QStringList values{"800", "1600", "2400", "4800", "6400", "12000"};
  for (int level = 1; level <= 6; ++level) {
    EXPECT_EQ(valueText(level), values[level - 1]) << level;
    EXPECT_TRUE(levelSlider(level)->isEnabled()) << level;
  }
  EXPECT_FALSE(levelSlider(7)->isEnabled());
  EXPECT_TRUE(widget<QtTickOption>("Img_DPI7")->dimmed());
  EXPECT_EQ(picture("Img_DPI2"), "CbS_E");
  EXPECT_EQ(picture("Img_DPI1"), "CbS_D");
  EXPECT_EQ(widget<QtColourSwatch>("lbl_DPI3Col")->colour(), QColor(0, 0, 255));
  EXPECT_EQ(picture("lbl_Rep4"), "RdS_E") << "1000Hz";
  EXPECT_EQ(widget<QLabel>("lbl_DPISetting")->text(), "DPI Setting");
}

TEST_F(QtAdvancedPageViewTest, LevelThreeTickSwitchesItOnAndTheMouseCountFollows) {
  editStoredVendor([](std::span<uint8_t> vendor) { vendor[kDpiLevelCountOffset] = 1; });
  connectAndOpen("Btn_Adv");
  ASSERT_FALSE(levelSlider(3)->isEnabled());
  click(widget<QtTickOption>("Img_DPI3"));
  EXPECT_EQ(stored(kDpiLevelCountOffset), 2) << "three levels";
  EXPECT_EQ(stored(kUserOffset + kUserActiveDpiLevel), 2) << "level 3 is the active one";
  EXPECT_TRUE(levelSlider(3)->isEnabled());
  EXPECT_FALSE(widget<QtTickOption>("Img_DPI3")->dimmed());
  EXPECT_EQ(picture("Img_DPI3"), "CbS_E");
  EXPECT_EQ(picture("Img_DPI2"), "CbS_D");
}

TEST_F(QtAdvancedPageViewTest, TickOfAnotherLevelMakesItActiveWithoutChangingTheCount) {
  connectAndOpen("Btn_Adv");
  click(widget<QtTickOption>("Img_DPI5"));
  EXPECT_EQ(stored(kUserOffset + kUserActiveDpiLevel), 4);
  EXPECT_EQ(stored(kDpiLevelCountOffset), 5);
  EXPECT_EQ(picture("Img_DPI5"), "CbS_E");
}

TEST_F(QtAdvancedPageViewTest, TickOfTheActiveLastLevelSwitchesItOff) {
  connectAndOpen("Btn_Adv");
  click(widget<QtTickOption>("Img_DPI6"));  // active
  click(widget<QtTickOption>("Img_DPI6"));  // off again
  EXPECT_EQ(stored(kDpiLevelCountOffset), 4) << "five levels";
  EXPECT_EQ(stored(kUserOffset + kUserActiveDpiLevel), 4) << "the tick moved to level 5";
  EXPECT_FALSE(levelSlider(6)->isEnabled());
  EXPECT_EQ(picture("Img_DPI5"), "CbS_E");
}

TEST_F(QtAdvancedPageViewTest, LevelNameSwitchesOnlyTheNextLevelOn) {
  connectAndOpen("Btn_Adv");
  click(widget<QtTickOption>("lbl_DPI8"));  // level 7 is off: nothing happens
  EXPECT_EQ(stored(kDpiLevelCountOffset), 5);
  click(widget<QtTickOption>("lbl_DPI7"));
  EXPECT_EQ(stored(kDpiLevelCountOffset), 6);
  EXPECT_TRUE(levelSlider(7)->isEnabled());
}

TEST_F(QtAdvancedPageViewTest, ReleasingALevelSliderAtAStepWritesItsNibble) {
  connectAndOpen("Btn_Adv");
  ASSERT_EQ(hexRange(mouse.storedBlock(), kDpiStepTableOffset, 1), "63");
  clickTrack(levelSlider(1), 5 * kLevelStepPixels);
  EXPECT_EQ(hexRange(mouse.storedBlock(), kDpiStepTableOffset, 1), "65")
      << "level 1 at step 5, level 2 kept at step 6";
  EXPECT_EQ(valueText(1), "1200");
  EXPECT_EQ(levelSlider(1)->position(), 500);
}

TEST_F(QtAdvancedPageViewTest, ClicksOutsideTheStepsSnapToTheEnds) {
  connectAndOpen("Btn_Adv");
  clickTrack(levelSlider(2), -8);
  EXPECT_EQ(valueText(2), "200");
  clickTrack(levelSlider(3), 14 * kLevelStepPixels + 8);
  EXPECT_EQ(valueText(3), "12000");
  EXPECT_EQ(hexRange(mouse.storedBlock(), kDpiStepTableOffset, 2), "03 AE")
      << "level 2 at step 0, level 3 at step 14";
}

TEST_F(QtAdvancedPageViewTest, DraggingShowsTheStepAndTheReleaseWritesIt) {
  connectAndOpen("Btn_Adv");
  EXPECT_EQ(drag(2, 6 * kLevelStepPixels, 9 * kLevelStepPixels + 2), "3200")
      << "the value follows the drag";
  EXPECT_EQ(hexRange(mouse.storedBlock(), kDpiStepTableOffset, 1), "93");
  EXPECT_EQ(valueText(2), "3200");
}

TEST_F(QtAdvancedPageViewTest, SwitchedOffLevelTakesNoSliderClicks) {
  connectAndOpen("Btn_Adv");
  const std::string before = hexRange(mouse.storedBlock(), kDpiStepTableOffset, 4);
  clickTrack(levelSlider(7), 3 * kLevelStepPixels);
  EXPECT_EQ(hexRange(mouse.storedBlock(), kDpiStepTableOffset, 4), before);
}

TEST_F(QtAdvancedPageViewTest, LevelColourComesFromTheColourDialog) {
  connectAndOpen("Btn_Adv");
  uint32_t offered = 0;
  shell.core.dpi.pickColour = [&](uint32_t current) -> std::optional<uint32_t> {
    offered = current;
    return 0x123456;
  };
  click(widget<QtColourSwatch>("lbl_DPI4Col"));
  EXPECT_EQ(offered, 0xFFFF00u) << "the dialog starts at level 4's yellow";
  EXPECT_EQ(hexRange(mouse.storedBlock(), kDpiColourOffset + 9, 3), "12 34 56");
  EXPECT_EQ(widget<QtColourSwatch>("lbl_DPI4Col")->colour(), QColor(0x12, 0x34, 0x56));
}

TEST_F(QtAdvancedPageViewTest, CancelledColourDialogChangesNothing) {
  connectAndOpen("Btn_Adv");
  shell.core.dpi.pickColour = [](uint32_t) -> std::optional<uint32_t> { return std::nullopt; };
  mouse.clearTrace();
  click(widget<QtColourSwatch>("lbl_DPI1Col"));
  EXPECT_TRUE(mouse.trace().empty());
  EXPECT_EQ(hexRange(mouse.storedBlock(), kDpiColourOffset, 3), "FF 00 00");
}

TEST_F(QtAdvancedPageViewTest, TheMouseDpiButtonMovesTheActiveMarkAfterItsRelease) {
  connectAndOpen("Btn_Adv");
  ASSERT_EQ(picture("Img_DPI2"), "CbS_E");
  ASSERT_TRUE(mouse.waitForBlockedReaders(1, VirtualClock::kWaiterGuard));
  const int64_t pressedAt = clock.nowMs();
  const auto elapsed = [&] { return clock.nowMs() - pressedAt; };
  mouse.pressDpiButton();
  ASSERT_TRUE(clock.advanceToNextDeadline()) << "the listener waits on the clock";
  ASSERT_TRUE(QTest::qWaitFor([this] { return picture("Img_DPI3") == "CbS_E"; }, 3000));
  EXPECT_GE(elapsed(), 190) << "read back 200 ms after the button was released";
  EXPECT_EQ(picture("Img_DPI2"), "CbS_D");
}

TEST_F(QtAdvancedPageViewTest, AimSliderWithoutAnAimKeyAsksForOneAndGoesBack) {
  connectAndOpen("Btn_Adv");
  QtDialogCatcher dialogs;
  auto* aim = widget<QtSkinSlider>("slider_AIMDPI");
  clickTrack(aim, aim->trackLength());
  EXPECT_EQ(dialogs.texts, QStringList{"Please select a AIM Key"});
  EXPECT_EQ(widget<QLabel>("lbl_AIMDPIValue")->text(), "200");
  EXPECT_EQ(aim->position(), 0);
}

TEST_F(QtAdvancedPageViewTest, PointerSpeedScaleStoresTheLevelUnderTheClick) {
  connectAndOpen("Btn_Adv");
  auto* speed = widget<QtSkinSlider>("slider_spd");
  const int distance = speed->trackLength() / 10;
  clickTrack(speed, 2 * distance);  // level 3
  EXPECT_EQ(shell.core.systemMouse.speedLevel, 3);
  EXPECT_EQ(speed->position(), 2);
  EXPECT_EQ(shell.core.mouseStore.value(systemmouse::kMouseKey, systemmouse::kMouseSensitivity),
            "4");
  EXPECT_TRUE(widget<QLabel>("lbl_spd_11")->isVisible()) << "numbered by Num_Mouse_Order 0";
}

TEST_F(QtAdvancedPageViewTest, OneScreenAtATimeGreysTheRollingScale) {
  connectAndOpen("Btn_Adv");
  const bool before = shell.core.systemMouse.oneScreenAtATime;
  click(widget<QtTickOption>("lbl_IsScreen"));
  EXPECT_NE(shell.core.systemMouse.oneScreenAtATime, before);
  EXPECT_EQ(widget<QtSkinSlider>("slider_ScrSpd")->isEnabled(), before);
  EXPECT_EQ(picture("lbl_IsScreen"), before ? "CbS_D" : "CbS_E");
}

TEST_F(QtAdvancedPageViewTest, ReportRate500HzRestartsTheMouse) {
  connectAndOpen("Btn_Adv");
  ASSERT_EQ(stored(kOptionRegister0) & 0x30, 0x30) << "1000Hz";
  click(widget<QtTickOption>("lbl_Rep3"));  // waits for the restart, about 17 s
  EXPECT_EQ(stored(kOptionRegister0) & 0x30, 0x20) << "500Hz: bit 4 cleared, bit 5 kept";
  EXPECT_EQ(mouse.restartCount(), 1);
  EXPECT_EQ(picture("lbl_Rep3"), "RdS_E");
  EXPECT_EQ(picture("lbl_Rep4"), "RdS_D");
  EXPECT_TRUE(QTest::qWaitFor([this] { return shell.link.channel.isOpen(); }, kConnectTimeoutMs))
      << "found again";
}

TEST_F(QtAdvancedPageViewTest, FireKeyRowsShowTheKeysOfTheMouse) {
  connectAndOpen("Btn_Adv");
  // The default block: 3, 5 and 8 shots at 30 ms; button 3 is 06 92 00 1E (key 1, Continuous).
  const QStringList repeats{"3", "5", "8"};
  for (int key = 1; key <= 3; ++key) {
    EXPECT_EQ(widget<QLabel>(qPrintable(QStringLiteral("lbl_FK%1Name").arg(key)))->text(),
              QStringLiteral("Fire Key%1").arg(key));
    EXPECT_EQ(repeatField(key)->text(), repeats[key - 1]) << key;
    EXPECT_EQ(intervalField(key)->text(), "30") << key;
    EXPECT_TRUE(repeatField(key)->isVisible()) << key;
  }
  EXPECT_EQ(picture("FK1Continue"), "CbS_E");
  EXPECT_EQ(picture("FK2Continue"), "CbS_D");
  EXPECT_EQ(widget<QLabel>("lbl_FireKeySetting")->text(), "Fire Key Setting");
  EXPECT_EQ(widget<QLabel>("lbl_FK2Ms")->text(), "ms");
}

TEST_F(QtAdvancedPageViewTest, TypedRepeatAndIntervalReencodeTheButtonsOfTheKey) {
  connectAndOpen("Btn_Adv");
  bindButtonToFireKey2();
  typeOver(repeatField(2), "7");
  EXPECT_EQ(storedFireKeyButton(), "06 16 00 1E") << "7 shots";
  typeOver(repeatField(2), "5");
  typeOver(intervalField(2), "40");
  EXPECT_EQ(storedFireKeyButton(), "06 14 00 28");
  EXPECT_EQ(storedFireKey(2), "04 00 28");
  EXPECT_EQ(storedFireKey(1), "02 00 1E") << "key 1 is left alone";
  EXPECT_EQ(shell.window.keyLabel(kFireKeyButton - 1)->caption(), "Fire Key2");
  EXPECT_EQ(repeatField(2)->text(), "5");
  EXPECT_EQ(intervalField(2)->text(), "40");
}

TEST_F(QtAdvancedPageViewTest, RepeatShowsTwoWhenEmptiedAndFifteenAboveIt) {
  connectAndOpen("Btn_Adv");
  typeOver(repeatField(2), "");
  EXPECT_EQ(repeatField(2)->text(), "2");
  EXPECT_EQ(storedFireKey(2), "01 00 1E");
  typeOver(repeatField(2), "99");
  EXPECT_EQ(repeatField(2)->text(), "15");
  EXPECT_EQ(storedFireKey(2), "0E 00 1E");
}

TEST_F(QtAdvancedPageViewTest, LeavingARepeatOfOneShowsTwo) {
  connectAndOpen("Btn_Adv");
  typeOver(repeatField(2), "1");
  EXPECT_EQ(repeatField(2)->text(), "1") << "a 1 may start a longer number";
  QTest::keyClick(repeatField(2), Qt::Key_Return);
  EXPECT_EQ(repeatField(2)->text(), "2");
  EXPECT_EQ(storedFireKey(2), "01 00 1E");
}

TEST_F(QtAdvancedPageViewTest, RepeatAndIntervalTakeDigitsOnly) {
  connectAndOpen("Btn_Adv");
  mouse.clearTrace();
  QTest::keyClicks(repeatField(2), "x-");
  QTest::keyClicks(intervalField(2), " a");
  EXPECT_EQ(repeatField(2)->text(), "5");
  EXPECT_EQ(intervalField(2)->text(), "30");
  EXPECT_TRUE(mouse.trace().empty()) << "nothing was sent";
}

TEST_F(QtAdvancedPageViewTest, IntervalShowsOneForZeroAnd4094AboveIt) {
  connectAndOpen("Btn_Adv");
  typeOver(intervalField(2), "0");
  EXPECT_EQ(intervalField(2)->text(), "1");
  EXPECT_EQ(storedFireKey(2), "04 00 01");
  typeOver(intervalField(2), "5000");
  EXPECT_EQ(intervalField(2)->text(), "4094");
  EXPECT_EQ(storedFireKey(2), "04 0F FE");
}

TEST_F(QtAdvancedPageViewTest, ContinuousTogglesItsPictureAndBit7OfTheButtons) {
  connectAndOpen("Btn_Adv");
  bindButtonToFireKey2();
  click(continuousOption(2));
  EXPECT_EQ(picture("FK2Continue"), "CbS_E");
  EXPECT_EQ(storedFireKeyButton(), "06 94 00 1E");
  EXPECT_EQ(shell.window.keyLabel(kFireKeyButton - 1)->caption(), "Fire Key2");
  click(continuousOption(2));
  EXPECT_EQ(picture("FK2Continue"), "CbS_D");
  EXPECT_EQ(storedFireKeyButton(), "06 14 00 1E");
}

TEST_F(QtAdvancedPageViewTest, ThePageIsCoveredWhileAContinuousChangeIsSent) {
  connectAndOpen("Btn_Adv");
  auto* cover = widget<QWidget>("Disable_All_2");
  ASSERT_NE(cover, nullptr);
  std::vector<bool> coveredDuringWrites;
  shell.link.channel.setWriteWatcher(
      [&](const TransferResult&) { coveredDuringWrites.push_back(cover->isVisible()); });
  click(continuousOption(2));
  shell.link.channel.setWriteWatcher({});
  ASSERT_FALSE(coveredDuringWrites.empty());
  EXPECT_TRUE(coveredDuringWrites.front()) << "the first write already ran under the cover";
  EXPECT_FALSE(cover->isVisible()) << "uncovered once sent";
}

TEST_F(QtAdvancedPageViewTest, ACoveredPageTakesNoClicks) {
  connectAndOpen("Btn_Adv");
  shell.core.fireKeys.coverVisible = true;
  shell.window.render();
  clickThroughWindow(continuousOption(2));
  EXPECT_FALSE(shell.core.fireKeys.fields[1].continuous);
  EXPECT_EQ(picture("FK2Continue"), "CbS_D");

  shell.core.fireKeys.coverVisible = false;
  shell.window.render();
  clickThroughWindow(continuousOption(2));
  EXPECT_TRUE(shell.core.fireKeys.fields[1].continuous) << "the same click, uncovered";
}

TEST_F(QtAdvancedPageViewTest, ALayoutWithoutFireKeyPlacesPutsThemAtTheirDesign) {
  connectAndOpen("Btn_Adv");
  const QRect inLayout1 = repeatField(3)->geometry();
  const QRect continuousInLayout1 = continuousOption(3)->geometry();
  shell.state.languageButtonClick(3);  // layout 3 has no FKn keys
  shell.window.render();
  EXPECT_EQ(repeatField(3)->geometry(), inLayout1);
  EXPECT_EQ(continuousOption(3)->geometry(), continuousInLayout1);
  EXPECT_EQ(repeatField(3)->text(), "8");
}

}  // namespace
}  // namespace mousecfg::test
