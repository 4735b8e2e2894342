#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <optional>
#include <string>

#include "app/QtEngineerGunTab.h"
#include "app/QtEngineerPageView.h"
#include "app/QtFunctionMenu.h"
#include "app/QtSettingsPageFixture.h"
#include "app/QtText.h"
#include "settings/KeyTables.h"
#include "support/FileFixtures.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

// What the "Password" dialog would return; the tests answer it without opening it.
constexpr const char* kFirstLevelCode = "TelvoraQX";
constexpr const char* kSecondLevelCode = "TelvoraQXMWD";
constexpr const char* kWrongCode = "TelvoraQX-wrong";
constexpr int kDoubleClicksPerAsk = 5;

class QtEngineerPageViewTest : public QtSettingsPageFixture {
 protected:
  void SetUp() override {
    connectAndOpen("Btn_Main");
    QTest::mouseClick(shell.window.findChild<QtPictureButton*>("Btn_Engineer"), Qt::LeftButton);
    view = shell.window.page(Page::Engineer)->findChild<QtEngineerPageView*>();
    ASSERT_NE(view, nullptr);
    shell.core.serviceAccess.askForCode = [this]() -> std::optional<std::string> {
      ++asked;
      return code;
    };
  }

  QStringList visibleTabs() const {
    QStringList texts;
    QTabWidget* tabs = view->tabs();
    for (int i = 0; i < tabs->count(); ++i)
      if (tabs->isTabVisible(i)) texts << tabs->tabText(i);
    return texts;
  }
  void doubleClickLogo(int times) {
    for (int n = 0; n < times; ++n) QTest::mouseDClick(view->logo(), Qt::LeftButton);
  }
  std::vector<std::string> directWrites() const {
    std::vector<std::string> writes;
    for (const std::string& line : mouse.trace())
      if (line.starts_with("S 40 05")) writes.push_back(line);
    return writes;
  }
  void readAgain() {
    mouse.unplug();
    ASSERT_TRUE(tickMonitorUntil(shell, [this] { return !shell.link.channel.isOpen(); }));
    mouse.plug();
    ASSERT_TRUE(tickMonitorUntilConnected(shell));
  }

  QtEngineerPageView* view = nullptr;
  std::string code = kSecondLevelCode;
  int asked = 0;
};

TEST_F(QtEngineerPageViewTest, ReachingThePageShowsTheOperatorTabOnly) {
  ASSERT_EQ(shell.state.visiblePage, Page::Engineer);
  EXPECT_TRUE(view->isVisible());
  EXPECT_EQ(visibleTabs(), QStringList{"  Operator  "});
  EXPECT_EQ(shell.window.size(), QSize(1256, 680));
}

TEST_F(QtEngineerPageViewTest, FiveLogoDoubleClicksWithTheSecondLevelCodeShowAllThreeTabs) {
  doubleClickLogo(kDoubleClicksPerAsk - 1);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(visibleTabs(), QStringList{"  Operator  "});
  doubleClickLogo(1);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(visibleTabs(), (QStringList{"  Operator  ", "  Advanced    ", "  Gun Confirm  "}));
  EXPECT_TRUE(widget<QWidget>("btn_Default")->isVisible());
  EXPECT_TRUE(widget<QWidget>("gb_Colours")->isVisible());
}

TEST_F(QtEngineerPageViewTest, AWrongCodeChangesNothing) {
  code = kWrongCode;
  doubleClickLogo(kDoubleClicksPerAsk);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(shell.core.serviceAccess.level(), ServiceLevel::Off);
  EXPECT_EQ(visibleTabs(), QStringList{"  Operator  "});
  EXPECT_FALSE(widget<QWidget>("btn_Default")->isVisible());
  EXPECT_FALSE(widget<QWidget>("edt_VendorID")->isVisible());
}

TEST_F(QtEngineerPageViewTest, SensorSleepDisableWritesByte7AndShowsAfterARead) {
  auto* sleep = widget<QComboBox>("cb_SensorSleep");
  ASSERT_NE(sleep, nullptr);
  editStoredVendor([](std::span<uint8_t> vendor) { vendor[7] = 0x7D; });
  readAgain();
  ASSERT_EQ(sleep->currentText(), "Enable");
  mouse.clearTrace();
  sleep->setCurrentIndex(sleep->findText("Disable"));
  const std::vector<std::string> writes = directWrites();
  ASSERT_EQ(writes.size(), 2u) << "the byte, then the vendor checksum";
  EXPECT_EQ(writes[0], "S 40 05 00 07 7F 00 00 01");
  EXPECT_TRUE(writes[1].starts_with("S 40 05 00 A3")) << writes[1];
  readAgain();
  EXPECT_EQ(sleep->currentText(), "Disable");
}

TEST_F(QtEngineerPageViewTest, TypingTheProductStringSendsItInSixWrites) {
  auto* descriptor = widget<QLineEdit>("edt_USBDesc");
  ASSERT_NE(descriptor, nullptr);
  descriptor->selectAll();
  mouse.clearTrace();
  // The whole text at once, as a paste delivers it.
  descriptor->insert("Mouse");
  const std::vector<std::string> expected{"S 40 05 00 6F 4D 6F 75 03", "S 40 05 00 72 73 65 00 03",
                                          "S 40 05 00 75 00 00 00 03", "S 40 05 00 78 00 00 00 03",
                                          "S 40 05 00 7B 00 00 00 03", "S 40 05 00 7E 00 00 00 01"};
  std::vector<std::string> writes = directWrites();
  ASSERT_GE(writes.size(), 6u);
  writes.resize(6);
  EXPECT_EQ(writes, expected);
  EXPECT_EQ(hexRange(mouse.storedBlock(), 111, 16), "4D 6F 75 73 65 " + hexRepeat(0, 11));
}

TEST_F(QtEngineerPageViewTest, ATypedVendorIdIsShownAsTheStateKeepsIt) {
  auto* vid = widget<QLineEdit>("edt_VID");
  ASSERT_NE(vid, nullptr);
  EXPECT_EQ(vid->text(), "3A7E");
  vid->selectAll();
  QTest::keyClicks(vid, "12zz34");
  EXPECT_EQ(vid->text(), "1234") << "the hex field takes no other characters";
  EXPECT_EQ(hexRange(mouse.storedBlock(), 0, 2), "12 34");
}

TEST_F(QtEngineerPageViewTest, AProfileButtonOpensTheFunctionMenuOnThisPage) {
  doubleClickLogo(kDoubleClicksPerAsk);
  view->tabs()->setCurrentWidget(view->gunTab());
  auto* button = widget<QPushButton>("btn_Key101");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), qt(shell.core.assignment.engineerCaptions[0][0]));
  click(button);
  EXPECT_TRUE(shell.core.assignment.menu.isOpen());
  EXPECT_EQ(shell.core.assignment.menu.page, MenuPage::Engineer);
  QWidget* main = view->gunTab()->functionMenu().panel(MenuPanel::Main);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->isVisible());
}

TEST_F(QtEngineerPageViewTest, AddingAFireMacroCodeListsItAndStoresItsBytes) {
  doubleClickLogo(kDoubleClicksPerAsk);
  view->tabs()->setCurrentWidget(view->gunTab());
  widget<QComboBox>("cb_SOSLB")->setCurrentText("Enable");
  widget<QComboBox>("cb_SOSStartIndex")->setCurrentText("3");
  widget<QComboBox>("cb_SOSNumber")->setCurrentText("2");
  click(widget<QPushButton>("btn_AddScript"));
  auto* list = widget<QListWidget>("LB_ScriptName");
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), "Fire Macro1");
  EXPECT_EQ(shell.core.fireMacroScripts.codeString(1), "0B120200");
}

TEST_F(QtEngineerPageViewTest, TheFirstLevelCodeShowsTheDeviceCodesButNoFurtherTab) {
  code = kFirstLevelCode;
  EXPECT_FALSE(widget<QWidget>("edt_VendorID")->isVisible());
  doubleClickLogo(kDoubleClicksPerAsk);
  EXPECT_TRUE(widget<QWidget>("edt_VendorID")->isVisible());
  EXPECT_TRUE(widget<QWidget>("edt_ProductID")->isVisible());
  EXPECT_EQ(visibleTabs(), QStringList{"  Operator  "});
  doubleClickLogo(1);
  EXPECT_FALSE(widget<QWidget>("edt_VendorID")->isVisible()) << "a double-click turns it off";
}

TEST_F(QtEngineerPageViewTest, ServiceModeShowsTheCodesTheMouseWasFoundWithReadOnly) {
  code = kFirstLevelCode;
  doubleClickLogo(kDoubleClicksPerAsk);
  auto* vendorNo = widget<QLineEdit>("edt_VendorID_Rd");
  auto* productNo = widget<QLineEdit>("edt_ProductID_Rd");
  ASSERT_NE(vendorNo, nullptr);
  ASSERT_NE(productNo, nullptr);
  EXPECT_TRUE(vendorNo->isVisible());
  EXPECT_TRUE(vendorNo->isReadOnly());
  ASSERT_TRUE(shell.link.connection.deviceIds.has_value());
  EXPECT_EQ(vendorNo->text().toStdString(), std::to_string(shell.link.connection.deviceIds->first));
  EXPECT_EQ(productNo->text().toStdString(),
            std::to_string(shell.link.connection.deviceIds->second));
}

TEST_F(QtEngineerPageViewTest, AFireMacroOffsetTypedOnTheGunConfirmTabIsStoredSigned) {
  doubleClickLogo(kDoubleClicksPerAsk);
  view->tabs()->setCurrentWidget(view->gunTab());
  auto* x9 = widget<QLineEdit>("edt_FireMacroX9");
  ASSERT_NE(x9, nullptr);
  x9->selectAll();
  QTest::keyClicks(x9, "-3");
  // Fire macro 9's X offset lies at 164 + 7 + 8.
  EXPECT_EQ(mouse.storedBlock()[179], 0xFD);
  EXPECT_EQ(x9->text(), "-3");
  QTest::keyClicks(x9, "00");
  EXPECT_EQ(x9->text(), "-128") << "clamped where it stands";
  EXPECT_EQ(mouse.storedBlock()[179], 0x80);
}

TEST_F(QtEngineerPageViewTest, AProfileSwitchColourRewritesTheSwitchButtons) {
  doubleClickLogo(kDoubleClicksPerAsk);
  view->tabs()->setCurrentWidget(view->gunTab());
  ASSERT_TRUE(
      storeProfileEntry(shell.link.image, shell.link.codes, 1, 9, {0x07, 0x81, 0x00, 0x00}));
  shell.core.assignment.refreshFromImage();
  widget<QComboBox>("cb_Profile2Color")->setCurrentIndex(4);
  EXPECT_EQ(hexRange(mouse.storedBlock(), 192 + 8 * 4, 4), "07 81 40 18");
  EXPECT_EQ(widget<QPushButton>("btn_Key109")->text(), "Game Mode");
}

TEST_F(QtEngineerPageViewTest, SaveConfigurationSavesTheMousesBlockUnderTheChosenNamePlusBin) {
  TemporaryFolder folder;
  shell.core.profileFiles.chooseSaveFile = [&] { return std::optional(folder.file("factory")); };
  click(widget<QPushButton>("btn_SaveConfig"));
  const std::string saved = fileText(folder.file("factory.bin"));
  const auto block = mouse.storedBlock();
  EXPECT_EQ(saved, std::string(block.begin(), block.end()));
}

TEST_F(QtEngineerPageViewTest, ASensorRegisterTypedOnTheAdvancedTabSendsItsByte) {
  doubleClickLogo(kDoubleClicksPerAsk);
  view->tabs()->setCurrentIndex(1);
  auto* smoothing = widget<QLineEdit>("edt_Sensor9");
  ASSERT_NE(smoothing, nullptr);
  smoothing->selectAll();
  mouse.clearTrace();
  QTest::keyClicks(smoothing, "3C");
  // Each key sends the field's value, followed by the vendor checksum.
  std::vector<std::string> registerWrites;
  for (const std::string& write : directWrites())
    if (!write.starts_with("S 40 05 00 A3")) registerWrites.push_back(write);
  const std::vector<std::string> expected{"S 40 05 00 09 03 00 00 01", "S 40 05 00 09 3C 00 00 01"};
  EXPECT_EQ(registerWrites, expected);
  EXPECT_EQ(smoothing->text(), "3C");
}

}  // namespace
}  // namespace mousecfg::test
