#include "app/QtVirtualKeys.h"

#include <algorithm>
#include <array>
#include <optional>

#include "settings/KeyCodes.h"

namespace mousecfg {

namespace {

struct KeyPair {
  int qtKey;
  int virtualKey;
};

// Keys whose code does not depend on the keypad or on a side.
constexpr std::array kPlainKeys = std::to_array<KeyPair>({
    {Qt::Key_Backspace, vk::kBack},
    {Qt::Key_Tab, vk::kTab},
    {Qt::Key_Backtab, vk::kTab},
    {Qt::Key_Clear, vk::kClear},
    {Qt::Key_Return, vk::kReturn},
    {Qt::Key_Enter, vk::kReturn},
    {Qt::Key_Pause, vk::kPause},
    {Qt::Key_CapsLock, vk::kCapital},
    {Qt::Key_Escape, vk::kEscape},
    {Qt::Key_Space, vk::kSpace},
    {Qt::Key_PageUp, vk::kPrior},
    {Qt::Key_PageDown, vk::kNext},
    {Qt::Key_End, vk::kEnd},
    {Qt::Key_Home, vk::kHome},
    {Qt::Key_Left, vk::kLeft},
    {Qt::Key_Up, vk::kUp},
    {Qt::Key_Right, vk::kRight},
    {Qt::Key_Down, vk::kDown},
    {Qt::Key_Select, vk::kSelect},
    {Qt::Key_Print, vk::kSnapshot},
    {Qt::Key_SysReq, vk::kSnapshot},
    {Qt::Key_Insert, vk::kInsert},
    {Qt::Key_Delete, vk::kDelete},
    {Qt::Key_Help, vk::kHelp},
    {Qt::Key_Menu, vk::kApps},
    {Qt::Key_NumLock, vk::kNumLock},
    {Qt::Key_ScrollLock, vk::kScroll},
    {Qt::Key_Super_L, vk::kLeftWin},
    {Qt::Key_Super_R, vk::kRightWin},
    {Qt::Key_AltGr, vk::kRightMenu},
    // US layout punctuation, with the shifted symbol of the same key.
    {Qt::Key_Semicolon, vk::kOem1},
    {Qt::Key_Colon, vk::kOem1},
    {Qt::Key_Equal, vk::kOemPlus},
    {Qt::Key_Plus, vk::kOemPlus},
    {Qt::Key_Comma, vk::kOemComma},
    {Qt::Key_Less, vk::kOemComma},
    {Qt::Key_Minus, vk::kOemMinus},
    {Qt::Key_Underscore, vk::kOemMinus},
    {Qt::Key_Period, vk::kOemPeriod},
    {Qt::Key_Greater, vk::kOemPeriod},
    {Qt::Key_Slash, vk::kOem2},
    {Qt::Key_Question, vk::kOem2},
    {Qt::Key_QuoteLeft, vk::kOem3},
    {Qt::Key_AsciiTilde, vk::kOem3},
    {Qt::Key_BracketLeft, vk::kOem4},
    {Qt::Key_BraceLeft, vk::kOem4},
    {Qt::Key_Backslash, vk::kOem5},
    {Qt::Key_Bar, vk::kOem5},
    {Qt::Key_BracketRight, vk::kOem6},
    {Qt::Key_BraceRight, vk::kOem6},
    {Qt::Key_Apostrophe, vk::kOem7},
    {Qt::Key_QuoteDbl, vk::kOem7},
    // Shifted digits.
    {Qt::Key_ParenRight, vk::kDigit0},
    {Qt::Key_Exclam, vk::kDigit0 + 1},
    {Qt::Key_At, vk::kDigit0 + 2},
    {Qt::Key_NumberSign, vk::kDigit0 + 3},
    {Qt::Key_Dollar, vk::kDigit0 + 4},
    {Qt::Key_Percent, vk::kDigit0 + 5},
    {Qt::Key_AsciiCircum, vk::kDigit0 + 6},
    {Qt::Key_Ampersand, vk::kDigit0 + 7},
    {Qt::Key_Asterisk, vk::kDigit0 + 8},
    {Qt::Key_ParenLeft, vk::kDigit0 + 9},
    // Browser, media and launch keys.
    {Qt::Key_Back, vk::kBrowserBack},
    {Qt::Key_Forward, vk::kBrowserForward},
    {Qt::Key_Refresh, vk::kBrowserRefresh},
    {Qt::Key_Stop, vk::kBrowserStop},
    {Qt::Key_Search, vk::kBrowserSearch},
    {Qt::Key_Favorites, vk::kBrowserFavorites},
    {Qt::Key_HomePage, vk::kBrowserHome},
    {Qt::Key_VolumeMute, vk::kVolumeMute},
    {Qt::Key_VolumeDown, vk::kVolumeDown},
    {Qt::Key_VolumeUp, vk::kVolumeUp},
    {Qt::Key_MediaNext, vk::kMediaNextTrack},
    {Qt::Key_MediaPrevious, vk::kMediaPrevTrack},
    {Qt::Key_MediaStop, vk::kMediaStop},
    {Qt::Key_MediaPlay, vk::kMediaPlayPause},
    {Qt::Key_MediaPause, vk::kMediaPlayPause},
    {Qt::Key_MediaTogglePlayPause, vk::kMediaPlayPause},
    {Qt::Key_LaunchMail, vk::kLaunchMail},
    {Qt::Key_LaunchMedia, vk::kLaunchMediaSelect},
    {Qt::Key_Launch0, vk::kLaunchApp1},
    {Qt::Key_Launch1, vk::kLaunchApp2},
    {Qt::Key_Calculator, vk::kLaunchApp2},
});

// Keys that read differently on the keypad; the rest of the keypad is plain.
constexpr std::array kKeypadKeys = std::to_array<KeyPair>({
    {Qt::Key_Asterisk, vk::kMultiply},
    {Qt::Key_Plus, vk::kAdd},
    {Qt::Key_Minus, vk::kSubtract},
    {Qt::Key_Period, vk::kDecimal},
    {Qt::Key_Comma, vk::kDecimal},
    {Qt::Key_Slash, vk::kDivide},
});

template <size_t N>
std::optional<int> lookUp(const std::array<KeyPair, N>& pairs, int qtKey) {
  const auto found = std::find_if(pairs.begin(), pairs.end(),
                                  [qtKey](const KeyPair& p) { return p.qtKey == qtKey; });
  if (found == pairs.end()) return std::nullopt;
  return found->virtualKey;
}

bool inRange(int value, int first, int last) {
  return value >= first && value <= last;
}

std::optional<int> keypadKey(int qtKey, quint32 nativeVirtualKey) {
  if (nativeVirtualKey == keysym::kKeypadSeparator) return vk::kSeparator;
  if (inRange(qtKey, Qt::Key_0, Qt::Key_9)) return vk::kNumpad0 + (qtKey - Qt::Key_0);
  return lookUp(kKeypadKeys, qtKey);
}

int sidedKey(quint32 nativeVirtualKey, quint32 leftSym, quint32 rightSym, int leftKey, int rightKey,
             int genericKey) {
  if (nativeVirtualKey == leftSym) return leftKey;
  if (nativeVirtualKey == rightSym) return rightKey;
  return genericKey;
}

std::optional<int> modifierKey(int qtKey, quint32 nativeVirtualKey) {
  using namespace keysym;
  switch (qtKey) {
    case Qt::Key_Shift:
      return sidedKey(nativeVirtualKey, kShiftLeft, kShiftRight, vk::kLeftShift, vk::kRightShift,
                      vk::kShift);
    case Qt::Key_Control:
      return sidedKey(nativeVirtualKey, kControlLeft, kControlRight, vk::kLeftControl,
                      vk::kRightControl, vk::kControl);
    case Qt::Key_Alt:
      if (nativeVirtualKey == kIsoLevel3Shift) return vk::kRightMenu;
      return sidedKey(nativeVirtualKey, kAltLeft, kAltRight, vk::kLeftMenu, vk::kRightMenu,
                      vk::kMenu);
    case Qt::Key_Meta:
      return nativeVirtualKey == kSuperRight || nativeVirtualKey == kMetaRight ? vk::kRightWin
                                                                               : vk::kLeftWin;
    default:
      return std::nullopt;
  }
}

}  // namespace

int virtualKeyOfQtKey(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeVirtualKey) {
  if (modifiers.testFlag(Qt::KeypadModifier)) {
    if (const auto key = keypadKey(qtKey, nativeVirtualKey)) return *key;
  }
  if (inRange(qtKey, Qt::Key_A, Qt::Key_Z)) return vk::kA + (qtKey - Qt::Key_A);
  if (inRange(qtKey, Qt::Key_0, Qt::Key_9)) return vk::kDigit0 + (qtKey - Qt::Key_0);
  if (inRange(qtKey, Qt::Key_F1, Qt::Key_F24)) return vk::kF1 + (qtKey - Qt::Key_F1);
  if (const auto key = modifierKey(qtKey, nativeVirtualKey)) return *key;
  return lookUp(kPlainKeys, qtKey).value_or(0);
}

}  // namespace mousecfg
