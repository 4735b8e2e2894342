#pragma once

#include <QtCore/qnamespace.h>
#include <QtGlobal>

namespace mousecfg {

// X keysyms (as Qt reports them in QKeyEvent::nativeVirtualKey on X11 and Wayland) that
// tell the sides of the modifiers and the keypad's separator apart.
namespace keysym {
inline constexpr quint32 kShiftLeft = 0xFFE1;
inline constexpr quint32 kShiftRight = 0xFFE2;
inline constexpr quint32 kControlLeft = 0xFFE3;
inline constexpr quint32 kControlRight = 0xFFE4;
inline constexpr quint32 kMetaLeft = 0xFFE7;
inline constexpr quint32 kMetaRight = 0xFFE8;
inline constexpr quint32 kAltLeft = 0xFFE9;
inline constexpr quint32 kAltRight = 0xFFEA;
inline constexpr quint32 kSuperLeft = 0xFFEB;
inline constexpr quint32 kSuperRight = 0xFFEC;
inline constexpr quint32 kIsoLevel3Shift = 0xFE03;  // AltGr
inline constexpr quint32 kKeypadSeparator = 0xFFAC;
}  // namespace keysym

// The Windows virtual-key code of a Qt key event, on a US keyboard layout: what the key
// tables expect. 0 for a key without one.
//
// - Letters and digits keep their codes; with Qt::KeypadModifier digits and the
//   operators become the keypad's codes. The keypad's Enter is Enter, and its navigation
//   keys (Num Lock off) are the navigation keys, as Windows reports them.
// - Punctuation, shifted or not, gives its key's OEM code ("!" is "1", "?" is OEM_2).
// - Shift, Ctrl and Alt give the left or right key's code when `nativeVirtualKey` is the
//   X keysym of one side, the generic code otherwise. Meta and Super give the left
//   Windows key unless the keysym says right; AltGr is the right Alt.
int virtualKeyOfQtKey(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeVirtualKey);

}  // namespace mousecfg
