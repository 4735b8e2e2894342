#pragma once

namespace mousecfg {

// The Windows virtual-key code of an X keysym (an Xlib KeySym), on a US keyboard layout,
// or 0 for a keysym without one. It is given the keysym of a key's first level, so a
// letter comes lower case and a keypad digit as its navigation key unless Num Lock
// picked the digit's level.
//
// Shift, Ctrl and Alt give their generic codes whichever side they are on (AltGr is
// Alt): those are the codes the recorder takes for the modifiers. The Windows keys keep
// their sides. Everything else agrees with virtualKeyOfQtKey.
int virtualKeyOfKeysym(unsigned long keysym);

}  // namespace mousecfg
