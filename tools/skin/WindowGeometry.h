#pragma once

#include <QRect>

namespace mousecfg::skin {

// The window frame in window pixels. The layout files place the controls at these
// same spots; the pictures leave room for them.
inline constexpr int kWindowWidth = 900;
inline constexpr int kWindowHeight = 600;
inline constexpr int kWindowRadius = 14;
inline constexpr int kHeaderHeight = 60;

inline constexpr QRect kBrandMark{14, 12, 36, 36};
inline constexpr QRect kNavigationColumn{12, 70, 166, 522};
inline constexpr QRect kContentPanel{184, 70, 700, 470};  // the page pictures
inline constexpr int kContentCardHeight = 438;            // visible card inside the panel
inline constexpr int kCardRadius = 10;

inline constexpr QSize kPageButtonSize{150, 40};
inline constexpr QSize kKeyLabelSize{160, 30};
inline constexpr QSize kPushButtonSize{120, 34};
inline constexpr QSize kWebButtonSize{130, 36};
inline constexpr QSize kFrameButtonSize{32, 32};
inline constexpr QSize kTickSize{18, 18};
inline constexpr QSize kMacroEventIconSize{20, 20};
inline constexpr QSize kGrooveSize{300, 8};
inline constexpr QSize kDialogSize{420, 260};
inline constexpr QSize kGunSize{96, 64};
inline constexpr QSize kAppIconSize{64, 64};

// Key labels: six on the left, six on the right, top to bottom.
inline constexpr int kKeyLeftX = 200;
inline constexpr int kKeyRightX = 710;
inline constexpr int kKeyFirstY = 86;
inline constexpr int kKeyRowStep = 46;
inline constexpr int kKeysPerSide = 6;

// The mouse drawing on the key page, in window pixels.
inline constexpr QRect kMouseBox{469, 82, 130, 290};

}  // namespace mousecfg::skin
