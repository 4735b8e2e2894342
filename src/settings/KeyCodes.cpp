#include "settings/KeyCodes.h"

#include <array>
#include <string_view>

namespace mousecfg {

namespace {

struct KnownKey {
  std::string_view name;
  uint8_t deviceCode;
};

// By key index. The generic Shift, Ctrl and Alt keys send the left-hand modifiers; OEM_8,
// Launch_App1, Launch_App2 and "255" have no key on the mouse's side.
constexpr std::array<KnownKey, kKeyIndexCount> kKeys = {{
    {"None", 0x00},
    {"Demo", 0x00},
    {"255", 0x00},
    {"Backspace", 0x2A},
    {"Tab", 0x2B},
    {"Clear", 0x9C},
    {"Enter", 0x28},
    {"Shift", 0xE1},
    {"Ctrl", 0xE0},
    {"Alt", 0xE2},
    {"Pause", 0x48},  // 10
    {"Caps Lock", 0x39},
    {"Esc", 0x29},
    {"Space bar", 0x2C},
    {"Page Up", 0x4B},
    {"Page Down", 0x4E},
    {"End", 0x4D},
    {"Home", 0x4A},
    {"Left Arrow", 0x50},
    {"Up Arrow", 0x52},
    {"Right Arrow", 0x4F},  // 20
    {"Down Arrow", 0x51},
    {"Select", 0x77},
    {"Print Screen", 0x46},
    {"Insert", 0x49},
    {"Delete", 0x4C},
    {"Help", 0x75},
    {"Left Windows", 0xE3},
    {"Right Windows", 0xE7},
    {"Applications", 0x65},
    {"0 (numeric pad)", 0x62},  // 30
    {"1 (numeric pad)", 0x59},
    {"2 (numeric pad)", 0x5A},
    {"3 (numeric pad)", 0x5B},
    {"4 (numeric pad)", 0x5C},
    {"5 (numeric pad)", 0x5D},
    {"6 (numeric pad)", 0x5E},
    {"7 (numeric pad)", 0x5F},
    {"8 (numeric pad)", 0x60},
    {"9 (numeric pad)", 0x61},
    {"Multiply (numeric pad)", 0x55},  // 40
    {"Add (numeric pad)", 0x57},
    {"Separator (numeric pad)", 0x58},
    {"Subtract (numeric pad)", 0x56},
    {"Decimal (numeric pad)", 0x63},
    {"Divide (numeric pad)", 0x54},
    {"F1", 0x3A},
    {"F2", 0x3B},
    {"F3", 0x3C},
    {"F4", 0x3D},
    {"F5", 0x3E},  // 50
    {"F6", 0x3F},
    {"F7", 0x40},
    {"F8", 0x41},
    {"F9", 0x42},
    {"F10", 0x43},
    {"F11", 0x44},
    {"F12", 0x45},
    {"F13", 0x68},
    {"F14", 0x69},
    {"F15", 0x6A},  // 60
    {"F16", 0x6B},
    {"F17", 0x6C},
    {"F18", 0x6D},
    {"F19", 0x6E},
    {"F20", 0x6F},
    {"F21", 0x70},
    {"F22", 0x71},
    {"F23", 0x72},
    {"F24", 0x73},
    {"Num Lock", 0x53},  // 70
    {"Scroll Lock", 0x47},
    {"Left Shift", 0xE1},
    {"Right Shift", 0xE5},
    {"Left Ctrl", 0xE0},
    {"Right Ctrl", 0xE4},
    {"Left Alt", 0xE2},
    {"Right Alt", 0xE6},
    {"A", 0x04},
    {"B", 0x05},
    {"C", 0x06},  // 80
    {"D", 0x07},
    {"E", 0x08},
    {"F", 0x09},
    {"G", 0x0A},
    {"H", 0x0B},
    {"I", 0x0C},
    {"J", 0x0D},
    {"K", 0x0E},
    {"L", 0x0F},
    {"M", 0x10},  // 90
    {"N", 0x11},
    {"O", 0x12},
    {"P", 0x13},
    {"Q", 0x14},
    {"R", 0x15},
    {"S", 0x16},
    {"T", 0x17},
    {"U", 0x18},
    {"V", 0x19},
    {"W", 0x1A},  // 100
    {"X", 0x1B},
    {"Y", 0x1C},
    {"Z", 0x1D},
    {"0", 0x27},
    {"1", 0x1E},
    {"2", 0x1F},
    {"3", 0x20},
    {"4", 0x21},
    {"5", 0x22},
    {"6", 0x23},  // 110
    {"7", 0x24},
    {"8", 0x25},
    {"9", 0x26},
    {"OEM_1", 0x33},
    {"OEM_2", 0x38},
    {"OEM_3", 0x35},
    {"OEM_4", 0x2F},
    {"OEM_5", 0x31},
    {"OEM_6", 0x30},
    {"OEM_7", 0x34},  // 120
    {"OEM_8", 0x00},
    {"OEM_Plus", 0x2E},
    {"OEM_Comma", 0x36},
    {"OEM_Minus", 0x2D},
    {"OEM_Period", 0x37},
    {"Browser_Back", 0xCA},
    {"Browser_Forward", 0xCB},
    {"Browser_Refresh", 0xCD},
    {"Browser_Stop", 0xCC},
    {"Browser_Search", 0xC8},  // 130
    {"Browser_Favorites", 0xCE},
    {"Browser_Home", 0xC9},
    {"Volume_Mute", 0xC4},
    {"Volume_Down", 0xC6},
    {"Volume_Up", 0xC5},
    {"Media_Next_Track", 0xC0},
    {"Media_Prev_Track", 0xC1},
    {"Media_Stop", 0xC2},
    {"Media_Play_Pause", 0xC3},
    {"Launch_Mail", 0xC7},  // 140
    {"Launch_Media_Select", 0xD1},
    {"Launch_App1", 0x00},
    {"Launch_App2", 0x00},
}};

using VirtualKeyTable = std::array<uint8_t, 256>;

constexpr void setRange(VirtualKeyTable& table, int firstKey, int lastKey, int firstIndex) {
  for (int key = firstKey; key <= lastKey; ++key)
    table[key] = static_cast<uint8_t>(firstIndex + key - firstKey);
}

constexpr VirtualKeyTable buildKeyIndexOfVirtualKey() {
  VirtualKeyTable table{};
  table[vk::kBack] = 3;
  table[vk::kTab] = 4;
  table[vk::kClear] = 5;
  table[vk::kReturn] = 6;
  setRange(table, vk::kShift, vk::kMenu, 7);
  table[vk::kPause] = 10;
  table[vk::kCapital] = 11;
  table[vk::kEscape] = 12;
  table[vk::kSpace] = 13;
  setRange(table, vk::kPrior, vk::kDown, 14);  // Page Up .. Down Arrow: 14..21
  table[vk::kSelect] = 22;
  setRange(table, vk::kSnapshot, vk::kHelp, 23);
  setRange(table, vk::kLeftWin, vk::kApps, 27);
  setRange(table, vk::kNumpad0, vk::kDivide, 30);  // keypad digits and operators: 30..45
  setRange(table, vk::kF1, vk::kF24, 46);
  table[vk::kNumLock] = 70;
  table[vk::kScroll] = 71;
  setRange(table, vk::kLeftShift, vk::kRightMenu, 72);
  setRange(table, vk::kA, vk::kZ, 78);
  setRange(table, vk::kDigit0, vk::kDigit9, 104);
  table[0x3A] = 113;  // shares the index of "9"
  table[vk::kOem1] = 114;
  table[vk::kOem2] = 115;
  table[vk::kOem3] = 116;
  setRange(table, vk::kOem4, vk::kOem8, 117);
  setRange(table, vk::kOemPlus, vk::kOemPeriod, 122);
  setRange(table, vk::kBrowserBack, vk::kLaunchApp2, 126);  // browser, media, launch: 126..143
  table[vk::k255] = kKeyIndex255;
  return table;
}

constexpr VirtualKeyTable kKeyIndexOfVirtualKey = buildKeyIndexOfVirtualKey();

using DeviceNameTable = std::array<std::string_view, 256>;

// The names a button entry shows for its keys. They follow the key names except that
// both Windows keys read "Win", the generic modifiers read as the left-hand ones, and
// the browser and media codes stay unnamed.
constexpr DeviceNameTable buildNameOfDeviceCode() {
  DeviceNameTable table{};
  constexpr std::string_view kLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                           "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                           "S", "T", "U", "V", "W", "X", "Y", "Z"};
  for (int i = 0; i < 26; ++i) table[0x04 + i] = kLetters[i];
  constexpr std::string_view kDigits[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"};
  for (int i = 0; i < 10; ++i) table[0x1E + i] = kDigits[i];
  table[0x28] = "Enter";
  table[0x29] = "Esc";
  table[0x2A] = "Backspace";
  table[0x2B] = "Tab";
  table[0x2C] = "Space bar";
  table[0x2D] = "OEM_Minus";
  table[0x2E] = "OEM_Plus";
  table[0x2F] = "OEM_4";
  table[0x30] = "OEM_6";
  table[0x31] = "OEM_5";
  table[0x33] = "OEM_1";
  table[0x34] = "OEM_7";
  table[0x35] = "OEM_3";
  table[0x36] = "OEM_Comma";
  table[0x37] = "OEM_Period";
  table[0x38] = "OEM_2";
  table[0x39] = "Caps Lock";
  constexpr std::string_view kFunctionKeys[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                                "F7", "F8", "F9", "F10", "F11", "F12"};
  for (int i = 0; i < 12; ++i) table[0x3A + i] = kFunctionKeys[i];
  table[0x46] = "Print Screen";
  table[0x47] = "Scroll Lock";
  table[0x48] = "Pause";
  table[0x49] = "Insert";
  table[0x4A] = "Home";
  table[0x4B] = "Page Up";
  table[0x4C] = "Delete";
  table[0x4D] = "End";
  table[0x4E] = "Page Down";
  table[0x4F] = "Right Arrow";
  table[0x50] = "Left Arrow";
  table[0x51] = "Down Arrow";
  table[0x52] = "Up Arrow";
  table[0x53] = "Num Lock";
  table[0x54] = "Divide (numeric pad)";
  table[0x55] = "Multiply (numeric pad)";
  table[0x56] = "Subtract (numeric pad)";
  table[0x57] = "Add (numeric pad)";
  table[0x58] = "Separator (numeric pad)";
  constexpr std::string_view kKeypadDigits[] = {
      "1 (numeric pad)", "2 (numeric pad)", "3 (numeric pad)", "4 (numeric pad)",
      "5 (numeric pad)", "6 (numeric pad)", "7 (numeric pad)", "8 (numeric pad)",
      "9 (numeric pad)", "0 (numeric pad)"};
  for (int i = 0; i < 10; ++i) table[0x59 + i] = kKeypadDigits[i];
  table[0x63] = "Decimal (numeric pad)";
  table[0x65] = "Applications";
  constexpr std::string_view kHighFunctionKeys[] = {"F13", "F14", "F15", "F16", "F17", "F18",
                                                    "F19", "F20", "F21", "F22", "F23", "F24"};
  for (int i = 0; i < 12; ++i) table[0x68 + i] = kHighFunctionKeys[i];
  table[0x75] = "Help";
  table[0x77] = "Select";
  table[0x9C] = "Clear";
  table[0xE0] = "Left Ctrl";
  table[0xE1] = "Left Shift";
  table[0xE2] = "Left Alt";
  table[0xE3] = "Win";
  table[0xE4] = "Right Ctrl";
  table[0xE5] = "Right Shift";
  table[0xE6] = "Right Alt";
  table[0xE7] = "Win";
  return table;
}

constexpr DeviceNameTable kNameOfDeviceCode = buildNameOfDeviceCode();

bool isKeyIndex(int keyIndex) {
  return keyIndex >= 0 && keyIndex < kKeyIndexCount;
}

}  // namespace

int keyIndexOfVirtualKey(int virtualKey) {
  if (virtualKey < 0 || virtualKey >= static_cast<int>(kKeyIndexOfVirtualKey.size()))
    return kKeyIndexNone;
  return kKeyIndexOfVirtualKey[virtualKey];
}

uint8_t deviceCodeOfKeyIndex(int keyIndex) {
  return isKeyIndex(keyIndex) ? kKeys[keyIndex].deviceCode : 0;
}

uint8_t deviceCodeOfVirtualKey(int virtualKey) {
  return deviceCodeOfKeyIndex(keyIndexOfVirtualKey(virtualKey));
}

std::string nameOfDeviceCode(uint8_t code) {
  return std::string(kNameOfDeviceCode[code]);
}

std::string nameOfKeyIndex(int keyIndex) {
  return isKeyIndex(keyIndex) ? std::string(kKeys[keyIndex].name) : std::string();
}

}  // namespace mousecfg
