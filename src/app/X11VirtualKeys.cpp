#include "app/X11VirtualKeys.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <algorithm>
#include <array>

#include "settings/KeyCodes.h"

namespace mousecfg {

namespace {

struct KeysymPair {
  unsigned long keysym;
  int virtualKey;
};

constexpr std::array kKeys = std::to_array<KeysymPair>({
    {XK_BackSpace, vk::kBack},
    {XK_Tab, vk::kTab},
    {XK_ISO_Left_Tab, vk::kTab},
    {XK_Clear, vk::kClear},
    {XK_Return, vk::kReturn},
    {XK_Pause, vk::kPause},
    {XK_Caps_Lock, vk::kCapital},
    {XK_Escape, vk::kEscape},
    {XK_space, vk::kSpace},
    {XK_Prior, vk::kPrior},
    {XK_Next, vk::kNext},
    {XK_End, vk::kEnd},
    {XK_Home, vk::kHome},
    {XK_Left, vk::kLeft},
    {XK_Up, vk::kUp},
    {XK_Right, vk::kRight},
    {XK_Down, vk::kDown},
    {XK_Select, vk::kSelect},
    {XK_Print, vk::kSnapshot},
    {XK_Sys_Req, vk::kSnapshot},
    {XK_Insert, vk::kInsert},
    {XK_Delete, vk::kDelete},
    {XK_Help, vk::kHelp},
    {XK_Menu, vk::kApps},
    {XK_Num_Lock, vk::kNumLock},
    {XK_Scroll_Lock, vk::kScroll},
    // Modifiers.
    {XK_Shift_L, vk::kShift},
    {XK_Shift_R, vk::kShift},
    {XK_Control_L, vk::kControl},
    {XK_Control_R, vk::kControl},
    {XK_Alt_L, vk::kMenu},
    {XK_Alt_R, vk::kMenu},
    {XK_ISO_Level3_Shift, vk::kMenu},
    {XK_Super_L, vk::kLeftWin},
    {XK_Meta_L, vk::kLeftWin},
    {XK_Super_R, vk::kRightWin},
    {XK_Meta_R, vk::kRightWin},
    // The keypad; its navigation keys (Num Lock off) are the navigation keys, and the
    // middle key is Clear, as Windows reports them.
    {XK_KP_Home, vk::kHome},
    {XK_KP_Up, vk::kUp},
    {XK_KP_Prior, vk::kPrior},
    {XK_KP_Left, vk::kLeft},
    {XK_KP_Begin, vk::kClear},
    {XK_KP_Right, vk::kRight},
    {XK_KP_End, vk::kEnd},
    {XK_KP_Down, vk::kDown},
    {XK_KP_Next, vk::kNext},
    {XK_KP_Insert, vk::kInsert},
    {XK_KP_Delete, vk::kDelete},
    {XK_KP_Multiply, vk::kMultiply},
    {XK_KP_Add, vk::kAdd},
    {XK_KP_Separator, vk::kSeparator},
    {XK_KP_Subtract, vk::kSubtract},
    {XK_KP_Decimal, vk::kDecimal},
    {XK_KP_Divide, vk::kDivide},
    {XK_KP_Enter, vk::kReturn},
    // US layout punctuation.
    {XK_semicolon, vk::kOem1},
    {XK_equal, vk::kOemPlus},
    {XK_comma, vk::kOemComma},
    {XK_minus, vk::kOemMinus},
    {XK_period, vk::kOemPeriod},
    {XK_slash, vk::kOem2},
    {XK_grave, vk::kOem3},
    {XK_bracketleft, vk::kOem4},
    {XK_backslash, vk::kOem5},
    {XK_bracketright, vk::kOem6},
    {XK_apostrophe, vk::kOem7},
    // Browser, media and launch keys.
    {XF86XK_Back, vk::kBrowserBack},
    {XF86XK_Forward, vk::kBrowserForward},
    {XF86XK_Refresh, vk::kBrowserRefresh},
    {XF86XK_Stop, vk::kBrowserStop},
    {XF86XK_Search, vk::kBrowserSearch},
    {XF86XK_Favorites, vk::kBrowserFavorites},
    {XF86XK_HomePage, vk::kBrowserHome},
    {XF86XK_AudioMute, vk::kVolumeMute},
    {XF86XK_AudioLowerVolume, vk::kVolumeDown},
    {XF86XK_AudioRaiseVolume, vk::kVolumeUp},
    {XF86XK_AudioNext, vk::kMediaNextTrack},
    {XF86XK_AudioPrev, vk::kMediaPrevTrack},
    {XF86XK_AudioStop, vk::kMediaStop},
    {XF86XK_AudioPlay, vk::kMediaPlayPause},
    {XF86XK_AudioPause, vk::kMediaPlayPause},
    {XF86XK_Mail, vk::kLaunchMail},
    {XF86XK_AudioMedia, vk::kLaunchMediaSelect},
    {XF86XK_MyComputer, vk::kLaunchApp1},
    {XF86XK_Calculator, vk::kLaunchApp2},
});

struct KeysymRange {
  unsigned long first;
  unsigned long last;
  int firstVirtualKey;
};

constexpr std::array kRanges = std::to_array<KeysymRange>({
    {XK_a, XK_z, vk::kA},
    {XK_A, XK_Z, vk::kA},
    {XK_0, XK_9, vk::kDigit0},
    {XK_F1, XK_F24, vk::kF1},
    {XK_KP_0, XK_KP_9, vk::kNumpad0},
});

}  // namespace

int virtualKeyOfKeysym(unsigned long keysym) {
  for (const KeysymRange& range : kRanges) {
    if (keysym >= range.first && keysym <= range.last)
      return range.firstVirtualKey + static_cast<int>(keysym - range.first);
  }
  const auto found = std::ranges::find(kKeys, keysym, &KeysymPair::keysym);
  return found == kKeys.end() ? 0 : found->virtualKey;
}

}  // namespace mousecfg
