#pragma once

#include <cstdint>
#include <string>

namespace mousecfg {

// Windows virtual-key codes: what a key-down reports on the PC side. The program numbers
// every key it knows with a key index (0..143) and sends the mouse a device key code
// (the keyboard usage of the HID tables; the browser and media keys use the mouse's own
// codes 0xC0..0xD1). Names are short English texts that are never translated.
namespace vk {
inline constexpr int kBack = 0x08;
inline constexpr int kTab = 0x09;
inline constexpr int kClear = 0x0C;
inline constexpr int kReturn = 0x0D;
inline constexpr int kShift = 0x10;
inline constexpr int kControl = 0x11;
inline constexpr int kMenu = 0x12;  // Alt
inline constexpr int kPause = 0x13;
inline constexpr int kCapital = 0x14;  // Caps Lock
inline constexpr int kEscape = 0x1B;
inline constexpr int kSpace = 0x20;
inline constexpr int kPrior = 0x21;  // Page Up
inline constexpr int kNext = 0x22;   // Page Down
inline constexpr int kEnd = 0x23;
inline constexpr int kHome = 0x24;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kSelect = 0x29;
inline constexpr int kSnapshot = 0x2C;  // Print Screen
inline constexpr int kInsert = 0x2D;
inline constexpr int kDelete = 0x2E;
inline constexpr int kHelp = 0x2F;
inline constexpr int kDigit0 = 0x30;  // "0".."9" are 0x30..0x39
inline constexpr int kDigit9 = 0x39;
inline constexpr int kA = 0x41;  // "A".."Z" are 0x41..0x5A
inline constexpr int kZ = 0x5A;
inline constexpr int kLeftWin = 0x5B;
inline constexpr int kRightWin = 0x5C;
inline constexpr int kApps = 0x5D;
inline constexpr int kNumpad0 = 0x60;  // keypad "0".."9" are 0x60..0x69
inline constexpr int kNumpad9 = 0x69;
inline constexpr int kMultiply = 0x6A;
inline constexpr int kAdd = 0x6B;
inline constexpr int kSeparator = 0x6C;
inline constexpr int kSubtract = 0x6D;
inline constexpr int kDecimal = 0x6E;
inline constexpr int kDivide = 0x6F;
inline constexpr int kF1 = 0x70;  // F1..F24 are 0x70..0x87
inline constexpr int kF12 = 0x7B;
inline constexpr int kF13 = 0x7C;
inline constexpr int kF24 = 0x87;
inline constexpr int kNumLock = 0x90;
inline constexpr int kScroll = 0x91;
inline constexpr int kLeftShift = 0xA0;
inline constexpr int kRightShift = 0xA1;
inline constexpr int kLeftControl = 0xA2;
inline constexpr int kRightControl = 0xA3;
inline constexpr int kLeftMenu = 0xA4;
inline constexpr int kRightMenu = 0xA5;
inline constexpr int kBrowserBack = 0xA6;
inline constexpr int kBrowserForward = 0xA7;
inline constexpr int kBrowserRefresh = 0xA8;
inline constexpr int kBrowserStop = 0xA9;
inline constexpr int kBrowserSearch = 0xAA;
inline constexpr int kBrowserFavorites = 0xAB;
inline constexpr int kBrowserHome = 0xAC;
inline constexpr int kVolumeMute = 0xAD;
inline constexpr int kVolumeDown = 0xAE;
inline constexpr int kVolumeUp = 0xAF;
inline constexpr int kMediaNextTrack = 0xB0;
inline constexpr int kMediaPrevTrack = 0xB1;
inline constexpr int kMediaStop = 0xB2;
inline constexpr int kMediaPlayPause = 0xB3;
inline constexpr int kLaunchMail = 0xB4;
inline constexpr int kLaunchMediaSelect = 0xB5;
inline constexpr int kLaunchApp1 = 0xB6;
inline constexpr int kLaunchApp2 = 0xB7;
inline constexpr int kOem1 = 0xBA;  // ";:" on a US keyboard
inline constexpr int kOemPlus = 0xBB;
inline constexpr int kOemComma = 0xBC;
inline constexpr int kOemMinus = 0xBD;
inline constexpr int kOemPeriod = 0xBE;
inline constexpr int kOem2 = 0xBF;  // "/?"
inline constexpr int kOem3 = 0xC0;  // "`~"
inline constexpr int kOem4 = 0xDB;  // "[{"
inline constexpr int kOem5 = 0xDC;  // "\|"
inline constexpr int kOem6 = 0xDD;  // "]}"
inline constexpr int kOem7 = 0xDE;  // "'\""
inline constexpr int kOem8 = 0xDF;
inline constexpr int kOem102 = 0xE2;  // the extra "<>" key of ISO keyboards
inline constexpr int k255 = 0xFF;
}  // namespace vk

inline constexpr int kKeyIndexCount = 144;
inline constexpr int kKeyIndexNone = 0;
inline constexpr int kKeyIndexDemo = 1;
inline constexpr int kKeyIndex255 = 2;

// The key index of a virtual-key code; 0 ("None") for a code the program does not know
// and for any number outside 0..255.
int keyIndexOfVirtualKey(int virtualKey);

// The device key code of a key index; 0 (no key) for "None", "Demo", "255", OEM_8,
// Launch_App1, Launch_App2 and any number outside 0..143.
uint8_t deviceCodeOfKeyIndex(int keyIndex);

// The device key code a virtual key sends: deviceCodeOfKeyIndex(keyIndexOfVirtualKey(v)).
uint8_t deviceCodeOfVirtualKey(int virtualKey);

// The name shown for a device key code in a button entry; empty when the code has none
// (0x32, the browser and media codes, and every code outside the table).
std::string nameOfDeviceCode(uint8_t code);

// The name of a key index (0 "None", 1 "Demo", 2 "255", ...); empty for a number outside
// 0..143, which is no key at all.
std::string nameOfKeyIndex(int keyIndex);

}  // namespace mousecfg
