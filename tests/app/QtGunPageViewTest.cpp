#include <QLabel>
#include <QLineEdit>

#include "app/QtColourSwatch.h"
#include "app/QtFunctionMenu.h"
#include "app/QtGunPageView.h"
#include "app/QtKeyPageView.h"
#include "app/QtSettingsPageFixture.h"
#include "fire/GunPresets.h"
#include "settings/KeyTables.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

constexpr size_t kGunTable = 304;
constexpr size_t kGunRecord = 24;
constexpr int kButton = 4;
// Gun 3 of the default image, before and after its Y step became 6.
constexpr const char* kGun3Default =
    "A1 FE 00 06 FD 00 04 00 05 FE 00 10 FC 21 FE 00 06 00 00 00 00 00 00 00";
constexpr const char* kGun3WithY6 =
    "A1 FE 00 06 FD 00 04 00 06 FE 00 10 FC 21 FE 00 06 00 00 00 00 00 00 00";

class QtGunPageViewTest : public QtSettingsPageFixture {
 protected:
  // The window in game mode, key 4's menu, "Fire Macro".
  void SetUp() override {
    connectAndOpen("Btn_Switch");
    keyPage = existingView<QtKeyPageView>(Page::Keys);
    ASSERT_NE(keyPage, nullptr);
    guns = existingView<QtGunPageView>(Page::Guns);
    ASSERT_NE(guns, nullptr);
    click(shell.window.keyLabel(kButton - 1));
    QWidget* fireMacro = keyPage->functionMenu()
                             .panel(MenuPanel::Main)
                             ->findChild<QWidget*>(langkey::menu::kFireMacro);
    ASSERT_NE(fireMacro, nullptr);
    click(fireMacro);
    ASSERT_EQ(shell.state.visiblePage, Page::Guns);
  }

  QLineEdit* field(GunField which) { return guns->field(which); }
  std::array<QString, kGunFieldCount> fieldTexts() {
    std::array<QString, kGunFieldCount> texts;
    for (size_t i = 0; i < kGunFieldCount; ++i) texts[i] = field(static_cast<GunField>(i))->text();
    return texts;
  }
  // Replaces a field's text by typing, as the user does after selecting it.
  void typeInto(GunField which, const QString& keys) {
    QLineEdit* edit = field(which);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, keys);
  }
  QString gunPicture(int gun) { return guns->gunButton(gun)->pictureName(); }
  std::string storedHex(size_t offset, size_t length) {
    return hexRange(mouse.storedBlock(), offset, length);
  }
  std::string storedGun(int gun) {
    return storedHex(kGunTable + kGunRecord * static_cast<size_t>(gun - 1), kGunRecord);
  }
  std::string storedEntry() {
    return storedHex(key_tables::profileEntryOffset(key_tables::kLastProfile, kButton), 4);
  }
  size_t framesStartingWith(const std::string& prefix) {
    size_t count = 0;
    for (const std::string& line : mouse.trace()) count += line.starts_with(prefix) ? 1 : 0;
    return count;
  }
  std::string workingTable() { return hexBytes(shell.link.image.workingGunTable); }
  void confirm() { click(widget<QtPictureButton>("Btn_Confirm")); }

  QtKeyPageView* keyPage = nullptr;
  QtGunPageView* guns = nullptr;
};

TEST_F(QtGunPageViewTest, OpeningFromTheGameModeMenuShowsGun1) {
  EXPECT_TRUE(guns->isVisible());
  EXPECT_FALSE(shell.window.page(Page::Keys)->isVisible());
  EXPECT_EQ(fieldTexts(), (std::array<QString, kGunFieldCount>{"0", "0", "0", "7", "0", "20"}));
  EXPECT_EQ(gunPicture(1), "Gun1_02");
  for (int gun = 2; gun <= gun::kLastGun; ++gun)
    EXPECT_EQ(gunPicture(gun), QStringLiteral("Gun%1_01").arg(gun)) << gun;
  EXPECT_EQ(widget<QLabel>("lbl_GunName")->text(), "AKM Fire");
  EXPECT_EQ(widget<QLabel>("lbl_GunSetting")->text(), "Gun Setting");
  EXPECT_EQ(widget<QLabel>("lbl_FireY1")->text(), "Fire Y-Axis");
  EXPECT_EQ(widget<QtColourSwatch>("FireColor1")->colour(), QColor(0, 255, 0)) << "slot 1";
  EXPECT_EQ(picture("IsHasLK"), "CbS_D");
  EXPECT_EQ(widget<QtPictureButton>("Btn_Confirm")->caption(), "Confirm");
}

TEST_F(QtGunPageViewTest, ClickingGun3SelectsItAndShowsItsRecord) {
  click(guns->gunButton(3));
  EXPECT_EQ(gunPicture(3), "Gun3_02");
  EXPECT_EQ(gunPicture(1), "Gun1_01");
  EXPECT_EQ(fieldTexts(), (std::array<QString, kGunFieldCount>{"0", "0", "0", "5", "0", "16"}));
  EXPECT_EQ(widget<QLabel>("lbl_GunName")->text(), "M4 Fire");
  EXPECT_EQ(widget<QtColourSwatch>("FireColor1")->colour(), QColor(0, 0, 255)) << "slot 3";
}

TEST_F(QtGunPageViewTest, TypingYThenConfirmPutsTheGunOnTheButtonAndSendsTheTable) {
  click(guns->gunButton(3));
  typeInto(GunField::FireY, "6");
  EXPECT_EQ(field(GunField::FireY)->text(), "6");
  EXPECT_EQ(storedGun(3), kGun3Default) << "nothing is sent before Confirm";
  const std::string gun2 = storedGun(2);
  mouse.clearTrace();
  confirm();
  EXPECT_EQ(framesStartingWith("S 40 07 01 30 00 A8"), 1u) << "the gun table, once";
  EXPECT_EQ(framesStartingWith("S 40 07 00 C0 00 62"), 1u) << "the key tables, once";
  EXPECT_EQ(storedGun(3), kGun3WithY6);
  EXPECT_EQ(storedGun(2), gun2);
  EXPECT_EQ(storedEntry().substr(0, 8), "0B 02 01");
  EXPECT_EQ(shell.state.visiblePage, Page::Keys);
  EXPECT_FALSE(guns->isVisible());
  EXPECT_EQ(shell.window.keyLabel(kButton - 1)->caption(), "M4 Fire");
}

TEST_F(QtGunPageViewTest, KeepLeftTicksAndConfirmSetsItsFlag) {
  const std::string entry = storedEntry();
  click(widget<QtTickOption>("IsHasLK"));
  EXPECT_EQ(picture("IsHasLK"), "CbS_E");
  EXPECT_EQ(storedEntry(), entry) << "nothing is sent before Confirm";
  confirm();
  EXPECT_EQ(storedEntry().substr(0, 8), "0B 10 01");
}

TEST_F(QtGunPageViewTest, CancelSendsNothingAndLeavesTheButtonAsItWas) {
  click(guns->gunButton(3));
  typeInto(GunField::FireY, "6");
  const std::string entry = storedEntry();
  const QString caption = shell.window.keyLabel(kButton - 1)->caption();
  mouse.clearTrace();
  click(widget<QtPictureButton>("Btn_Cancel"));
  EXPECT_TRUE(mouse.trace().empty());
  EXPECT_EQ(shell.state.visiblePage, Page::Keys);
  EXPECT_EQ(storedEntry(), entry);
  EXPECT_EQ(shell.window.keyLabel(kButton - 1)->caption(), caption);
  EXPECT_EQ(storedGun(3), kGun3Default);
}

TEST_F(QtGunPageViewTest, ALetterChangesNothing) {
  const std::string before = workingTable();
  typeInto(GunField::FireY, "a");
  EXPECT_EQ(field(GunField::FireY)->text(), "7");
  EXPECT_EQ(shell.core.gunPage.field(GunField::FireY), "7");
  EXPECT_EQ(workingTable(), before);
}

TEST_F(QtGunPageViewTest, AMinusIsTakenOnlyByTheSignedFields) {
  typeInto(GunField::FireX, "-5");
  EXPECT_EQ(field(GunField::FireX)->text(), "-5");
  EXPECT_EQ(hexRange(shell.link.image.workingGunTable, 7, 1), "FB") << "X of gun 1";
  typeInto(GunField::FireCount, "-");
  EXPECT_EQ(field(GunField::FireCount)->text(), "0");
}

TEST_F(QtGunPageViewTest, TheFieldShowsTheClampedValue) {
  typeInto(GunField::FireCount, "300");
  EXPECT_EQ(field(GunField::FireCount)->text(), "255");
  typeInto(GunField::FireX, "100");
  typeInto(GunField::XOffset, "50");
  EXPECT_EQ(field(GunField::XOffset)->text(), "27") << "X and its offset stay within a byte";
}

TEST_F(QtGunPageViewTest, AChosenColourIsShownAndWaitsForConfirm) {
  shell.core.gunPage.pickColour = [](uint32_t) -> std::optional<uint32_t> { return 0x102030; };
  mouse.clearTrace();
  click(widget<QtColourSwatch>("FireColor1"));
  EXPECT_EQ(widget<QtColourSwatch>("FireColor1")->colour(), QColor(0x10, 0x20, 0x30));
  EXPECT_EQ(widget<QtColourSwatch>("lbl_Col1")->colour(), QColor(0x10, 0x20, 0x30))
      << "the lighting page's slot 1";
  EXPECT_TRUE(mouse.trace().empty());
  confirm();
  EXPECT_EQ(storedHex(image::kColourTableOffset, 3), "10 20 30");
}

TEST_F(QtGunPageViewTest, ALayoutWithoutGunKeysPlacesThePageAsDesigned) {
  const QRect gun7 = guns->gunButton(7)->geometry();
  const QRect delay = field(GunField::FireDelay)->geometry();
  shell.state.languageButtonClick(3);  // layout 3 has no gun page keys
  shell.window.render();
  EXPECT_EQ(guns->gunButton(7)->geometry(), gun7);
  EXPECT_EQ(field(GunField::FireDelay)->geometry(), delay);
}

}  // namespace
}  // namespace mousecfg::test
