#include "settings/ModeSwitchOptions.h"

#include <gtest/gtest.h>

#include "support/HexBytes.h"
#include "support/SimulatedLinkFixture.h"

namespace mousecfg::test {
namespace {

using namespace modeswitch;

// Default tables (both profiles): 1 Left, 2 Backward (01 08 00 02), 3 Fire Key1, 4 Right,
// 5 Forward, 6 DPI +, 7 Middle, 8 DPI Loop, 9 DPI -, 10 LED Mode, 11 LED ON/OFF, 12 Desktop.
// Combo key 2 holds the LED-mode cycle: the right + back LED gesture is on.
class ModeSwitchOptionsTest : public SimulatedLinkFixture {
 protected:
  void SetUp() override {
    link.discovery.DevTimerTimer();
    ASSERT_TRUE(link.channel.isOpen());
    options.refreshFromImage();
    mouse.clearTrace();
  }

  std::string entry(const ProfileSection& table, int button) const {
    return hexRange(table, static_cast<size_t>(button - 1) * 4, 4);
  }
  std::string comboKey(int n) const {
    return hexRange(link.image.vendor, 127 + static_cast<size_t>(n - 1) * 4, 4);
  }
  // Byte 3 of Backward, Forward, DPI +, Middle, DPI Loop, DPI - (buttons 2, 5, 6, 7, 8, 9).
  std::string switchBytes(const ProfileSection& table) const {
    std::string text;
    for (int button : {2, 5, 6, 7, 8, 9})
      text +=
          (text.empty() ? "" : " ") + hexRange(table, static_cast<size_t>(button - 1) * 4 + 3, 1);
    return text;
  }

  ModeSwitchOptions options{link};
};

TEST_F(ModeSwitchOptionsTest, TheDefaultImageHasTheLedGestureAndNoGameModeSwitch) {
  EXPECT_EQ(options.cb_ChangeLEDModeFun, kLedGestureOn);
  EXPECT_EQ(options.cb_ChangeFireFun, kNone);
  EXPECT_FALSE(options.cb_IsGunFireMode);
}

TEST_F(ModeSwitchOptionsTest, HoldDpiPlusMarksItInBothTablesAndSetsComboKey4) {
  options.cb_ChangeFireFunChange(kHoldDpiPlus);

  EXPECT_EQ(switchBytes(link.image.profile1), "02 00 08 00 00 00");
  EXPECT_EQ(switchBytes(link.image.profile2), "02 00 08 00 00 00");
  EXPECT_EQ(comboKey(2), "0E 00 00 00") << "the ticked LED gesture keeps working";
  EXPECT_EQ(comboKey(4), "07 D1 F0 18");
  EXPECT_EQ(link.codes.keys[5], "09010008");
  EXPECT_EQ(link.codes.keys[17], "09010008");
  EXPECT_EQ(link.codes.combos[3], "07D1F018");
}

TEST_F(ModeSwitchOptionsTest, AChangeWritesTheVendorSectionThenTheKeyTablesAndReloads) {
  options.cb_ChangeFireFunChange(kHoldMiddle);

  const auto sent = framesStartingWith("S 40");
  ASSERT_EQ(sent.size(), 55u + 1 + 1 + 2);
  EXPECT_EQ(sent[0], "S 40 05 00 00 3A 7E 05 03");
  EXPECT_EQ(sent[54].substr(0, 19), "S 40 05 00 A2 00 " + hexRange(link.image.vendor, 163, 1));
  EXPECT_EQ(sent[54].substr(sent[54].size() - 2), "02") << "the last two bytes";
  EXPECT_EQ(sent[55], "S 40 07 00 C0 00 62 00 00");
  EXPECT_EQ(sent[56], "S 40 06 00 A4 00 1C 00 00");
  EXPECT_EQ(sent[57], "S 40 05 00 A4 0F 00 00 01");
  EXPECT_EQ(sent[58], "S 40 05 00 A4 00 00 00 01");
  EXPECT_EQ(framesStartingWith("S 41").size(), 14u);

  const auto stored = mouse.storedBlock();
  EXPECT_EQ(hexRange(stored, 0, 164), hexBytes(link.image.vendor));
  EXPECT_TRUE(hasValidChecksum(std::span(stored).subspan(0, 164)));
  EXPECT_EQ(hexRange(stored, 192, 98),
            hexBytes(link.image.profile1) + " " + hexBytes(link.image.profile2));
  EXPECT_TRUE(hasValidChecksum(std::span(stored).subspan(192, 49)));
  EXPECT_EQ(hexRange(stored, 127 + 12, 4), "07 D1 F0 18");
  EXPECT_EQ(hexRange(stored, 192 + 6 * 4, 4), "01 04 00 08");
}

// With the LED gesture off, each game-mode switch item marks only its own key and sets
// combo key 4 (none clears it); combo key 2 stays clear.
TEST_F(ModeSwitchOptionsTest, EachSwitchItemSetsItsKeysByteAndTheComboKeys) {
  options.cb_ChangeLEDModeFunChange(kLedGestureOff);
  struct Case {
    int item;
    const char* switchBytes;  // Backward, Forward, DPI +, Middle, DPI Loop, DPI -
    const char* comboKey4;
  };
  const Case cases[] = {
      {1, "00 00 00 08 00 00", "07 D1 F0 18"}, {2, "00 00 00 00 08 00", "07 D1 F0 18"},
      {3, "00 00 08 00 00 00", "07 D1 F0 18"}, {4, "00 00 00 00 00 08", "07 D1 F0 18"},
      {5, "02 00 00 00 00 00", "07 D1 F0 18"}, {6, "00 02 00 00 00 00", "07 D1 F0 18"},
      {0, "00 00 00 00 00 00", "00 00 00 00"},
  };
  for (const Case& c : cases) {
    options.cb_ChangeFireFunChange(c.item);
    EXPECT_EQ(switchBytes(link.image.profile1), c.switchBytes) << "item " << c.item;
    EXPECT_EQ(switchBytes(link.image.profile2), c.switchBytes) << "item " << c.item;
    EXPECT_EQ(comboKey(4), c.comboKey4) << "item " << c.item;
    EXPECT_EQ(comboKey(2), "00 00 00 00") << "item " << c.item;
    EXPECT_EQ(hexRange(mouse.storedBlock(), 192, 98),
              hexBytes(link.image.profile1) + " " + hexBytes(link.image.profile2))
        << "item " << c.item;
  }
}

TEST_F(ModeSwitchOptionsTest, TheOffsetFieldIsTheLastByteOfComboKey4) {
  options.offset = 0x2A;
  options.cb_ChangeFireFunChange(kHoldDpiLoop);
  EXPECT_EQ(comboKey(4), "07 D1 F0 2A");
}

TEST_F(ModeSwitchOptionsTest, ARightButtonSwitchTurnsTheLedGestureOff) {
  options.cb_ChangeFireFunChange(kBackwardWithRight);

  EXPECT_EQ(options.cb_ChangeLEDModeFun, kLedGestureOff);
  EXPECT_EQ(comboKey(2), "00 00 00 00");
  EXPECT_EQ(comboKey(4), "07 D1 F0 18");
  EXPECT_EQ(switchBytes(link.image.profile1), "02 00 00 00 00 00");

  options.cb_ChangeFireFunChange(kForwardWithRight);
  EXPECT_EQ(switchBytes(link.image.profile2), "00 02 00 00 00 00");
}

TEST_F(ModeSwitchOptionsTest, TheLedGestureTakesTheBackButtonFromARightButtonSwitch) {
  options.cb_ChangeFireFunChange(kBackwardWithRight);

  options.cb_ChangeLEDModeFunChange(kLedGestureOn);

  EXPECT_EQ(options.cb_ChangeFireFun, kNone);
  EXPECT_EQ(comboKey(2), "0E 00 00 00");
  EXPECT_EQ(comboKey(4), "00 00 00 00") << "the switch is gone from the mouse too";
  EXPECT_EQ(entry(link.image.profile1, 2), "01 08 00 02");
  EXPECT_EQ(entry(link.image.profile2, 2), "01 08 00 02");
  EXPECT_EQ(mouse.storedBlock()[127 + 12], 0x00);
}

TEST_F(ModeSwitchOptionsTest, LedOffClearsComboKey2AndTheBackwardEntries) {
  link.image.profile2[4 + 2] = 0x33;  // a stray byte 2 in a Backward entry
  options.cb_ChangeLEDModeFunChange(kLedGestureOff);

  EXPECT_EQ(comboKey(2), "00 00 00 00");
  EXPECT_EQ(entry(link.image.profile1, 2), "01 08 00 00");
  EXPECT_EQ(entry(link.image.profile2, 2), "01 08 00 00");
  EXPECT_EQ(hexRange(mouse.storedBlock(), 127 + 4, 4), "00 00 00 00");
}

TEST_F(ModeSwitchOptionsTest, LedAndAHoldSwitchGiveTheSameBytesInEitherOrder) {
  options.cb_ChangeLEDModeFunChange(kLedGestureOff);
  options.cb_ChangeFireFunChange(kHoldDpiMinus);
  options.cb_ChangeLEDModeFunChange(kLedGestureOn);
  const std::string holdThenLed = hexBytes(link.image.vendor) + hexBytes(link.image.profile1);

  options.cb_ChangeFireFunChange(kNone);
  options.cb_ChangeFireFunChange(kHoldDpiMinus);  // LED already on
  EXPECT_EQ(hexBytes(link.image.vendor) + hexBytes(link.image.profile1), holdThenLed);
  EXPECT_EQ(switchBytes(link.image.profile1), "02 00 00 00 00 08");
}

TEST_F(ModeSwitchOptionsTest, GunButtonsTakeTheSwitchValueOnlyWhileTicked) {
  const std::array<uint8_t, 4> gun{0x0B, 0x12, 0x01, 0x00};           // gun 3, keep left
  const std::array<uint8_t, 4> fireMacroOff{0x0B, 0x8F, 0x00, 0x00};  // not a gun preset
  std::copy(gun.begin(), gun.end(), link.image.profile2.begin() + 11 * 4);
  std::copy(fireMacroOff.begin(), fireMacroOff.end(), link.image.profile2.begin() + 10 * 4);

  options.cb_ChangeFireFunChange(kHoldMiddle);
  EXPECT_EQ(entry(link.image.profile2, 12), "0B 12 01 00") << "gun mode is not ticked";

  options.cb_IsGunFireModeClick(true);
  EXPECT_EQ(entry(link.image.profile2, 12), "0B 12 01 08");
  EXPECT_EQ(entry(link.image.profile2, 11), "0B 8F 00 00");
  EXPECT_EQ(hexRange(mouse.storedBlock(), 241 + 11 * 4, 4), "0B 12 01 08");

  options.cb_ChangeFireFunChange(kForwardWithRight);
  EXPECT_EQ(entry(link.image.profile2, 12), "0B 12 01 02");

  options.cb_IsGunFireModeClick(false);
  EXPECT_EQ(entry(link.image.profile2, 12), "0B 12 01 00");
}

TEST_F(ModeSwitchOptionsTest, WithFireMacroCodesTheCodesNameTheGunButtons) {
  options.fireMacros.present = true;
  options.fireMacros.codes[0] = {0x0B, 0x05, 0x02, 0x00};
  const std::array<uint8_t, 4> fireMacro{0x0B, 0x05, 0x02, 0x00};  // gun 6, two stages
  const std::array<uint8_t, 4> otherGun{0x0B, 0x00, 0x01, 0x00};   // no code of the file
  std::copy(fireMacro.begin(), fireMacro.end(), link.image.profile1.begin() + 11 * 4);
  std::copy(otherGun.begin(), otherGun.end(), link.image.profile1.begin() + 10 * 4);
  options.cb_IsGunFireMode = true;

  options.cb_ChangeFireFunChange(kHoldDpiLoop);

  EXPECT_EQ(entry(link.image.profile1, 12), "0B 05 02 08");
  EXPECT_EQ(entry(link.image.profile1, 11), "0B 00 01 00");
}

TEST_F(ModeSwitchOptionsTest, DuringABatchTheCopiesChangeButNothingIsSent) {
  const auto batch = link.holdBatch();
  options.cb_ChangeFireFunChange(kHoldMiddle);
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(comboKey(4), "07 D1 F0 18");
}

TEST_F(ModeSwitchOptionsTest, WhileRefreshingAndForUnknownItemsNothingHappens) {
  const std::string before = hexBytes(link.image.vendor) + hexBytes(link.image.profile1);
  {
    const auto refreshing = link.holdRefreshing();
    options.cb_ChangeFireFunChange(kHoldMiddle);
    options.cb_ChangeLEDModeFunChange(kLedGestureOff);
  }
  options.cb_ChangeFireFunChange(7);
  options.cb_ChangeFireFunChange(-1);
  options.cb_ChangeLEDModeFunChange(2);

  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(hexBytes(link.image.vendor) + hexBytes(link.image.profile1), before);
  EXPECT_EQ(options.cb_ChangeFireFun, kNone);
  EXPECT_EQ(options.cb_ChangeLEDModeFun, kLedGestureOn);
}

TEST_F(ModeSwitchOptionsTest, TheOptionsAreReadBackFromTheMouse) {
  options.cb_IsGunFireMode = true;
  const std::array<uint8_t, 4> gun{0x0B, 0x00, 0x01, 0x00};
  std::copy(gun.begin(), gun.end(), link.image.profile2.begin() + 11 * 4);
  options.cb_ChangeFireFunChange(kForwardWithRight);
  ASSERT_TRUE(link.transfer.Btn_Read());

  ModeSwitchOptions readBack(link);
  readBack.refreshFromImage();

  EXPECT_EQ(readBack.cb_ChangeFireFun, kForwardWithRight);
  EXPECT_EQ(readBack.cb_ChangeLEDModeFun, kLedGestureOff);
  EXPECT_TRUE(readBack.cb_IsGunFireMode);
}

TEST_F(ModeSwitchOptionsTest, ABackwardSwitchIsToldApartFromTheLedGesture) {
  options.cb_ChangeFireFunChange(kBackwardWithRight);
  ModeSwitchOptions readBack(link);
  readBack.refreshFromImage();
  EXPECT_EQ(readBack.cb_ChangeFireFun, kBackwardWithRight);
  EXPECT_EQ(readBack.cb_ChangeLEDModeFun, kLedGestureOff);

  options.cb_ChangeLEDModeFunChange(kLedGestureOn);
  readBack.refreshFromImage();
  EXPECT_EQ(readBack.cb_ChangeFireFun, kNone);
  EXPECT_EQ(readBack.cb_ChangeLEDModeFun, kLedGestureOn);
}

TEST(ModeSwitchKeys, SwitchKeysAreRecognisedByTheirFirstTwoBytes) {
  const std::array<uint8_t, 4> middle{0x01, 0x04, 0x00, 0x08};
  const std::array<uint8_t, 4> dpiMinus{0x09, 0x02, 0x00, 0x00};
  const std::array<uint8_t, 4> right{0x01, 0x02, 0x00, 0x00};
  const std::array<uint8_t, 4> aim{0x05, 0x01, 0x00, 0x00};
  EXPECT_EQ(switchKeyOf(middle), SwitchKey::Middle);
  EXPECT_EQ(switchKeyOf(dpiMinus), SwitchKey::DpiMinus);
  EXPECT_EQ(switchKeyOf(right), std::nullopt);
  EXPECT_EQ(switchKeyOf(aim), std::nullopt);
}

TEST(ModeSwitchKeys, OnlyTheChosenKeyTakesTheItemsByte) {
  EXPECT_EQ(comboEnableOfKey(SwitchKey::DpiLoop, kHoldDpiLoop), kHoldToSwitch);
  EXPECT_EQ(comboEnableOfKey(SwitchKey::Forward, kForwardWithRight), kWithRightButton);
  EXPECT_EQ(comboEnableOfKey(SwitchKey::Middle, kHoldDpiLoop), kNoPart);
  EXPECT_EQ(comboEnableOfKey(SwitchKey::Middle, kNone), kNoPart);
}

TEST(ModeSwitchKeys, GunPresetsNeedAStageCountTheirGunHas) {
  const FireMacroCodeSet noFile;
  const auto isGun = [&](std::array<uint8_t, 4> bytes) {
    return isGunOrFireMacroEntry(bytes, noFile);
  };
  EXPECT_TRUE(isGun({0x0B, 0x00, 0x01, 0x00}));
  EXPECT_TRUE(isGun({0x0B, 0x16, 0x03, 0x08}));   // gun 7, keep left, three stages
  EXPECT_FALSE(isGun({0x0B, 0x04, 0x02, 0x00}));  // gun 5 has one stage
  EXPECT_FALSE(isGun({0x0B, 0x07, 0x01, 0x00}));  // there is no gun 8
  EXPECT_FALSE(isGun({0x0B, 0x8F, 0x00, 0x00}));  // "Fire Macro Off"
  EXPECT_FALSE(isGun({0x06, 0x00, 0x01, 0x00}));
}

}  // namespace
}  // namespace mousecfg::test
