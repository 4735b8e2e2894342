#include "app/X11VirtualKeys.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>

#include "app/QtVirtualKeys.h"
#include "settings/KeyCodes.h"
#include "support/QtPrinters.h"

namespace mousecfg {
namespace {

constexpr unsigned long kNoSymbol = 0;  // what Xlib gives a key's empty level

// "41 42 43": the codes of a row of keysyms, so a failure shows the whole row.
QString codes(std::initializer_list<unsigned long> keysyms) {
  QStringList list;
  for (unsigned long keysym : keysyms)
    list << QString("%1").arg(virtualKeyOfKeysym(keysym), 2, 16, QChar('0')).toUpper();
  return list.join(' ');
}

TEST(X11VirtualKeysTest, LettersOfEitherCaseAndDigits) {
  for (int i = 0; i < 26; ++i) {
    EXPECT_EQ(virtualKeyOfKeysym(XK_a + i), 0x41 + i) << i;
    EXPECT_EQ(virtualKeyOfKeysym(XK_A + i), 0x41 + i) << i;
  }
  for (int i = 0; i < 10; ++i) EXPECT_EQ(virtualKeyOfKeysym(XK_0 + i), 0x30 + i) << i;
}

TEST(X11VirtualKeysTest, FunctionKeysUpToF24) {
  for (int i = 0; i < 24; ++i) EXPECT_EQ(virtualKeyOfKeysym(XK_F1 + i), 0x70 + i) << "F" << i + 1;
  EXPECT_EQ(virtualKeyOfKeysym(XK_F25), 0);
}

TEST(X11VirtualKeysTest, ModifiersAreGenericWhicheverSide) {
  EXPECT_EQ(codes({XK_Shift_L, XK_Shift_R, XK_Control_L, XK_Control_R, XK_Alt_L, XK_Alt_R,
                   XK_ISO_Level3_Shift}),
            "10 10 11 11 12 12 12");
}

TEST(X11VirtualKeysTest, WindowsKeysKeepTheirSide) {
  EXPECT_EQ(codes({XK_Super_L, XK_Meta_L, XK_Super_R, XK_Meta_R, XK_Menu}), "5B 5B 5C 5C 5D");
}

TEST(X11VirtualKeysTest, NavigationAndEditingKeys) {
  EXPECT_EQ(codes({XK_BackSpace, XK_Tab, XK_ISO_Left_Tab, XK_Clear, XK_Return, XK_Pause,
                   XK_Caps_Lock, XK_Escape, XK_space}),
            "08 09 09 0C 0D 13 14 1B 20");
  EXPECT_EQ(codes({XK_Prior, XK_Next, XK_End, XK_Home, XK_Left, XK_Up, XK_Right, XK_Down, XK_Select,
                   XK_Print, XK_Insert, XK_Delete, XK_Help}),
            "21 22 23 24 25 26 27 28 29 2C 2D 2E 2F");
  EXPECT_EQ(codes({XK_Num_Lock, XK_Scroll_Lock, XK_Sys_Req}), "90 91 2C");
}

TEST(X11VirtualKeysTest, KeypadDigitsAndOperators) {
  for (int i = 0; i < 10; ++i) EXPECT_EQ(virtualKeyOfKeysym(XK_KP_0 + i), 0x60 + i) << i;
  EXPECT_EQ(codes({XK_KP_Multiply, XK_KP_Add, XK_KP_Separator, XK_KP_Subtract, XK_KP_Decimal,
                   XK_KP_Divide, XK_KP_Enter}),
            "6A 6B 6C 6D 6E 6F 0D");
}

TEST(X11VirtualKeysTest, KeypadWithoutNumLockGivesTheNavigationKeys) {
  EXPECT_EQ(codes({XK_KP_Home, XK_KP_Up, XK_KP_Prior, XK_KP_Left, XK_KP_Begin, XK_KP_Right,
                   XK_KP_End, XK_KP_Down, XK_KP_Next, XK_KP_Insert, XK_KP_Delete}),
            "24 26 21 25 0C 27 23 28 22 2D 2E");
}

TEST(X11VirtualKeysTest, UsPunctuationGivesItsOemKey) {
  EXPECT_EQ(codes({XK_semicolon, XK_equal, XK_comma, XK_minus, XK_period, XK_slash, XK_grave,
                   XK_bracketleft, XK_backslash, XK_bracketright, XK_apostrophe}),
            "BA BB BC BD BE BF C0 DB DC DD DE");
}

TEST(X11VirtualKeysTest, BrowserMediaAndLaunchKeysInTheWindowsOrder) {
  EXPECT_EQ(codes({XF86XK_Back, XF86XK_Forward, XF86XK_Refresh, XF86XK_Stop, XF86XK_Search,
                   XF86XK_Favorites, XF86XK_HomePage}),
            "A6 A7 A8 A9 AA AB AC");
  EXPECT_EQ(
      codes({XF86XK_AudioMute, XF86XK_AudioLowerVolume, XF86XK_AudioRaiseVolume, XF86XK_AudioNext,
             XF86XK_AudioPrev, XF86XK_AudioStop, XF86XK_AudioPlay, XF86XK_AudioPause}),
      "AD AE AF B0 B1 B2 B3 B3");
  EXPECT_EQ(codes({XF86XK_Mail, XF86XK_AudioMedia, XF86XK_MyComputer, XF86XK_Calculator}),
            "B4 B5 B6 B7");
}

TEST(X11VirtualKeysTest, KeysymsWithoutAWindowsCodeGiveZero) {
  EXPECT_EQ(codes({kNoSymbol, XK_adiaeresis, XK_less, XK_Mode_switch, XK_F25, XF86XK_Eject,
                   XF86XK_PowerOff, XK_VoidSymbol}),
            "00 00 00 00 00 00 00 00");
}

// The same key gives the same code whether Qt or the raw events report it, the sides
// of Shift, Ctrl and Alt aside.
TEST(X11VirtualKeysTest, AgreesWithTheQtKeyTable) {
  const std::pair<unsigned long, Qt::Key> plain[] = {
      {XK_q, Qt::Key_Q},
      {XK_7, Qt::Key_7},
      {XK_F13, Qt::Key_F13},
      {XK_Prior, Qt::Key_PageUp},
      {XK_Print, Qt::Key_Print},
      {XK_Menu, Qt::Key_Menu},
      {XK_Super_R, Qt::Key_Super_R},
      {XK_grave, Qt::Key_QuoteLeft},
      {XK_apostrophe, Qt::Key_Apostrophe},
      {XF86XK_Favorites, Qt::Key_Favorites},
      {XF86XK_AudioMedia, Qt::Key_LaunchMedia},
      {XF86XK_Calculator, Qt::Key_Calculator},
  };
  for (const auto& [keysym, qtKey] : plain)
    EXPECT_EQ(virtualKeyOfKeysym(keysym), virtualKeyOfQtKey(qtKey, Qt::NoModifier, 0)) << keysym;
  const std::pair<unsigned long, Qt::Key> keypad[] = {
      {XK_KP_5, Qt::Key_5},
      {XK_KP_Add, Qt::Key_Plus},
      {XK_KP_Decimal, Qt::Key_Period},
      {XK_KP_Begin, Qt::Key_Clear},
      {XK_KP_End, Qt::Key_End},
      {XK_KP_Enter, Qt::Key_Enter},
      {XK_KP_Separator, Qt::Key_Comma},
  };
  for (const auto& [keysym, qtKey] : keypad)
    EXPECT_EQ(virtualKeyOfKeysym(keysym), virtualKeyOfQtKey(qtKey, Qt::KeypadModifier, keysym))
        << keysym;
}

}  // namespace
}  // namespace mousecfg
