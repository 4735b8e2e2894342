#include "app/QtVirtualKeys.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>

#include "settings/KeyCodes.h"

namespace mousecfg {
namespace {

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

int plain(int qtKey) {
  return virtualKeyOfQtKey(qtKey, kNone, 0);
}
int keypad(int qtKey) {
  return virtualKeyOfQtKey(qtKey, kKeypad, 0);
}

// "41 42 43": the codes of a row of keys, so a failure shows the whole row.
QString codes(std::initializer_list<int> qtKeys, Qt::KeyboardModifiers modifiers = kNone) {
  QStringList list;
  for (int key : qtKeys)
    list << QString("%1").arg(virtualKeyOfQtKey(key, modifiers, 0), 2, 16, QChar('0')).toUpper();
  return list.join(' ');
}

TEST(QtVirtualKeysTest, LettersAndDigits) {
  for (int i = 0; i < 26; ++i) EXPECT_EQ(plain(Qt::Key_A + i), 0x41 + i) << i;
  for (int i = 0; i < 10; ++i) EXPECT_EQ(plain(Qt::Key_0 + i), 0x30 + i) << i;
}

TEST(QtVirtualKeysTest, FunctionKeysUpToF24) {
  for (int i = 0; i < 24; ++i) EXPECT_EQ(plain(Qt::Key_F1 + i), 0x70 + i) << "F" << i + 1;
  EXPECT_EQ(plain(Qt::Key_F25), 0);
}

TEST(QtVirtualKeysTest, KeypadDigitsAndOperators) {
  for (int i = 0; i < 10; ++i) EXPECT_EQ(keypad(Qt::Key_0 + i), 0x60 + i) << i;
  EXPECT_EQ(codes({Qt::Key_Asterisk, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Period, Qt::Key_Slash},
                  kKeypad),
            "6A 6B 6D 6E 6F");
  EXPECT_EQ(keypad(Qt::Key_Comma), vk::kDecimal) << "decimal key of a comma locale";
  EXPECT_EQ(virtualKeyOfQtKey(Qt::Key_Comma, kKeypad, keysym::kKeypadSeparator), vk::kSeparator);
  EXPECT_EQ(keypad(Qt::Key_Enter), vk::kReturn);
}

TEST(QtVirtualKeysTest, KeypadWithoutNumLockGivesTheNavigationKeys) {
  EXPECT_EQ(
      codes({Qt::Key_Home, Qt::Key_Up, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Clear, Qt::Key_Right,
             Qt::Key_End, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Insert, Qt::Key_Delete},
            kKeypad),
      "24 26 21 25 0C 27 23 28 22 2D 2E");
}

TEST(QtVirtualKeysTest, NavigationAndEditingKeys) {
  EXPECT_EQ(codes({Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Clear, Qt::Key_Return,
                   Qt::Key_Enter, Qt::Key_Pause, Qt::Key_CapsLock, Qt::Key_Escape, Qt::Key_Space}),
            "08 09 09 0C 0D 0D 13 14 1B 20");
  EXPECT_EQ(codes({Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_Left,
                   Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Select, Qt::Key_Print,
                   Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Help}),
            "21 22 23 24 25 26 27 28 29 2C 2D 2E 2F");
  EXPECT_EQ(codes({Qt::Key_Menu, Qt::Key_NumLock, Qt::Key_ScrollLock, Qt::Key_SysReq}),
            "5D 90 91 2C");
}

TEST(QtVirtualKeysTest, ModifiersTakeTheirSideFromTheKeysym) {
  EXPECT_EQ(virtualKeyOfQtKey(Qt::Key_Shift, Qt::ShiftModifier, keysym::kShiftLeft), 0xA0);
  EXPECT_EQ(virtualKeyOfQtKey(Qt::Key_Shift, Qt::ShiftModifier, keysym::kShiftRight), 0xA1);
  EXPECT_EQ(virtualKeyOfQtKey(Qt::Key_Control, kNone, keysym::kControlLeft), 0xA2);
  EXPECT_EQ(virtualKeyOfQtKey(Qt::Key_Control, kNone, keysym::kControlRight), 0xA3);
  EXPECT_EQ(virtualKeyOfQtKey(Qt::Key_Alt, kNone, keysym::kAltLeft), 0xA4);
  EXPECT_EQ(virtualKeyOfQtKey(Qt::Key_Alt, kNone, keysym::kAltRight), 0xA5);
  EXPECT_EQ(virtualKeyOfQtKey(Qt::Key_Alt, kNone, keysym::kIsoLevel3Shift), 0xA5);
  EXPECT_EQ(plain(Qt::Key_AltGr), 0xA5);
}

TEST(QtVirtualKeysTest, ModifiersWithoutAKnownSideAreGeneric) {
  EXPECT_EQ(codes({Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt}), "10 11 12");
  EXPECT_EQ(virtualKeyOfQtKey(Qt::Key_Shift, kNone, 0x41), 0x10) << "a keysym of another key";
}

TEST(QtVirtualKeysTest, MetaAndSuperAreTheWindowsKeys) {
  EXPECT_EQ(plain(Qt::Key_Meta), vk::kLeftWin);
  EXPECT_EQ(virtualKeyOfQtKey(Qt::Key_Meta, kNone, keysym::kSuperLeft), vk::kLeftWin);
  EXPECT_EQ(virtualKeyOfQtKey(Qt::Key_Meta, kNone, keysym::kSuperRight), vk::kRightWin);
  EXPECT_EQ(virtualKeyOfQtKey(Qt::Key_Meta, kNone, keysym::kMetaRight), vk::kRightWin);
  EXPECT_EQ(plain(Qt::Key_Super_L), vk::kLeftWin);
  EXPECT_EQ(plain(Qt::Key_Super_R), vk::kRightWin);
}

TEST(QtVirtualKeysTest, UsPunctuationGivesItsOemKeyShiftedOrNot) {
  EXPECT_EQ(codes({Qt::Key_Semicolon, Qt::Key_Equal, Qt::Key_Comma, Qt::Key_Minus, Qt::Key_Period,
                   Qt::Key_Slash, Qt::Key_QuoteLeft, Qt::Key_BracketLeft, Qt::Key_Backslash,
                   Qt::Key_BracketRight, Qt::Key_Apostrophe}),
            "BA BB BC BD BE BF C0 DB DC DD DE");
  EXPECT_EQ(codes({Qt::Key_Colon, Qt::Key_Plus, Qt::Key_Less, Qt::Key_Underscore, Qt::Key_Greater,
                   Qt::Key_Question, Qt::Key_AsciiTilde, Qt::Key_BraceLeft, Qt::Key_Bar,
                   Qt::Key_BraceRight, Qt::Key_QuoteDbl},
                  Qt::ShiftModifier),
            "BA BB BC BD BE BF C0 DB DC DD DE");
}

TEST(QtVirtualKeysTest, ShiftedDigitsGiveTheirDigitKey) {
  EXPECT_EQ(codes({Qt::Key_ParenRight, Qt::Key_Exclam, Qt::Key_At, Qt::Key_NumberSign,
                   Qt::Key_Dollar, Qt::Key_Percent, Qt::Key_AsciiCircum, Qt::Key_Ampersand,
                   Qt::Key_Asterisk, Qt::Key_ParenLeft},
                  Qt::ShiftModifier),
            "30 31 32 33 34 35 36 37 38 39");
}

TEST(QtVirtualKeysTest, BrowserMediaAndLaunchKeys) {
  EXPECT_EQ(codes({Qt::Key_Back, Qt::Key_Forward, Qt::Key_Refresh, Qt::Key_Stop, Qt::Key_Search,
                   Qt::Key_Favorites, Qt::Key_HomePage}),
            "A6 A7 A8 A9 AA AB AC");
  EXPECT_EQ(codes({Qt::Key_VolumeMute, Qt::Key_VolumeDown, Qt::Key_VolumeUp, Qt::Key_MediaNext,
                   Qt::Key_MediaPrevious, Qt::Key_MediaStop, Qt::Key_MediaTogglePlayPause}),
            "AD AE AF B0 B1 B2 B3");
  EXPECT_EQ(codes({Qt::Key_MediaPlay, Qt::Key_MediaPause}), "B3 B3");
  EXPECT_EQ(codes({Qt::Key_LaunchMail, Qt::Key_LaunchMedia, Qt::Key_Launch0, Qt::Key_Launch1,
                   Qt::Key_Calculator}),
            "B4 B5 B6 B7 B7");
}

TEST(QtVirtualKeysTest, KeysWithoutAWindowsCodeGiveZero) {
  EXPECT_EQ(codes({Qt::Key_unknown, Qt::Key_Adiaeresis, Qt::Key_Eject, Qt::Key_PowerOff, 0, -1}),
            "00 00 00 00 00 00");
}

// The chain the combination-key dialog uses: a Qt key to the code the mouse is sent.
TEST(QtVirtualKeysTest, MappedKeysReachTheDeviceCodes) {
  EXPECT_EQ(deviceCodeOfVirtualKey(plain(Qt::Key_A)), 0x04);
  EXPECT_EQ(deviceCodeOfVirtualKey(keypad(Qt::Key_0)), 0x62);
  EXPECT_EQ(deviceCodeOfVirtualKey(plain(Qt::Key_F24)), 0x73);
  EXPECT_EQ(deviceCodeOfVirtualKey(plain(Qt::Key_VolumeUp)), 0xC5);
  EXPECT_EQ(
      deviceCodeOfVirtualKey(virtualKeyOfQtKey(Qt::Key_Control, kNone, keysym::kControlRight)),
      0xE4);
}

}  // namespace
}  // namespace mousecfg
