#include "settings/KeyCodes.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

#include "support/HexBytes.h"

namespace mousecfg {
namespace {

// Key indexes of the virtual keys first..last, as "78 79 80".
std::string keyIndexesOf(int first, int last) {
  std::string text;
  for (int key = first; key <= last; ++key)
    text += (text.empty() ? "" : " ") + std::to_string(keyIndexOfVirtualKey(key));
  return text;
}

std::string keyIndexesOf(const std::vector<int>& keys) {
  std::string text;
  for (int key : keys)
    text += (text.empty() ? "" : " ") + std::to_string(keyIndexOfVirtualKey(key));
  return text;
}

// Device codes the virtual keys send, as "04 05 06".
std::string deviceCodesOf(const std::vector<int>& keys) {
  std::vector<uint8_t> codes;
  for (int key : keys) codes.push_back(deviceCodeOfVirtualKey(key));
  return test::hexBytes(codes);
}

std::vector<int> range(int first, int last) {
  std::vector<int> keys;
  for (int key = first; key <= last; ++key) keys.push_back(key);
  return keys;
}

std::string indexNames(int first, int last) {
  std::string text;
  for (int index = first; index <= last; ++index)
    text += (index == first ? "" : "|") + nameOfKeyIndex(index);
  return text;
}

std::string deviceCodeNames(int first, int last) {
  std::string text;
  for (int code = first; code <= last; ++code)
    text += (code == first ? "" : "|") + nameOfDeviceCode(static_cast<uint8_t>(code));
  return text;
}

std::string deviceCodesOfIndexes(int first, int last) {
  std::vector<uint8_t> codes;
  for (int index = first; index <= last; ++index) codes.push_back(deviceCodeOfKeyIndex(index));
  return test::hexBytes(codes);
}

TEST(KeyCodesTest, LettersAndDigits) {
  EXPECT_EQ(keyIndexesOf(0x41, 0x5A),
            "78 79 80 81 82 83 84 85 86 87 88 89 90 91 92 93 94 95 96 97 98 99 100 101 102 103");
  EXPECT_EQ(deviceCodesOf(range(0x41, 0x5A)),
            "04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D");
  EXPECT_EQ(indexNames(78, 103), "A|B|C|D|E|F|G|H|I|J|K|L|M|N|O|P|Q|R|S|T|U|V|W|X|Y|Z");
  EXPECT_EQ(keyIndexesOf(0x30, 0x39), "104 105 106 107 108 109 110 111 112 113");
  EXPECT_EQ(deviceCodesOf(range(0x30, 0x39)), "27 1E 1F 20 21 22 23 24 25 26");
  EXPECT_EQ(indexNames(104, 113), "0|1|2|3|4|5|6|7|8|9");
}

TEST(KeyCodesTest, VirtualKey3AIsAnotherNine) {
  EXPECT_EQ(keyIndexOfVirtualKey(0x3A), 113);
  EXPECT_EQ(deviceCodeOfVirtualKey(0x3A), 0x26);
  EXPECT_EQ(keyIndexOfVirtualKey(0x3B), 0);
}

TEST(KeyCodesTest, FunctionKeys) {
  EXPECT_EQ(keyIndexesOf(0x70, 0x87),
            "46 47 48 49 50 51 52 53 54 55 56 57 58 59 60 61 62 63 64 65 66 67 68 69");
  EXPECT_EQ(deviceCodesOf(range(0x70, 0x7B)), "3A 3B 3C 3D 3E 3F 40 41 42 43 44 45");
  EXPECT_EQ(deviceCodesOf(range(0x7C, 0x87)), "68 69 6A 6B 6C 6D 6E 6F 70 71 72 73");
  EXPECT_EQ(indexNames(46, 69),
            "F1|F2|F3|F4|F5|F6|F7|F8|F9|F10|F11|F12|F13|F14|F15|F16|F17|F18|F19|F20|F21|F22|"
            "F23|F24");
}

TEST(KeyCodesTest, Keypad) {
  EXPECT_EQ(keyIndexesOf(0x60, 0x6F), "30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45");
  EXPECT_EQ(deviceCodesOf(range(0x60, 0x69)), "62 59 5A 5B 5C 5D 5E 5F 60 61");
  EXPECT_EQ(deviceCodesOf(range(0x6A, 0x6F)), "55 57 58 56 63 54");
  EXPECT_EQ(indexNames(30, 39),
            "0 (numeric pad)|1 (numeric pad)|2 (numeric pad)|3 (numeric pad)|4 (numeric pad)|"
            "5 (numeric pad)|6 (numeric pad)|7 (numeric pad)|8 (numeric pad)|9 (numeric pad)");
  EXPECT_EQ(indexNames(40, 45),
            "Multiply (numeric pad)|Add (numeric pad)|Separator (numeric pad)|"
            "Subtract (numeric pad)|Decimal (numeric pad)|Divide (numeric pad)");
}

TEST(KeyCodesTest, EditingAndNavigationKeys) {
  EXPECT_EQ(keyIndexesOf({0x08, 0x09, 0x0C, 0x0D, 0x10, 0x11, 0x12, 0x13, 0x14, 0x1B, 0x20}),
            "3 4 5 6 7 8 9 10 11 12 13");
  EXPECT_EQ(deviceCodesOf({0x08, 0x09, 0x0C, 0x0D, 0x10, 0x11, 0x12, 0x13, 0x14, 0x1B, 0x20}),
            "2A 2B 9C 28 E1 E0 E2 48 39 29 2C");
  EXPECT_EQ(indexNames(3, 13),
            "Backspace|Tab|Clear|Enter|Shift|Ctrl|Alt|Pause|Caps Lock|Esc|Space bar");
  EXPECT_EQ(
      keyIndexesOf({0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2C, 0x2D, 0x2E, 0x2F}),
      "14 15 16 17 18 19 20 21 22 23 24 25 26");
  EXPECT_EQ(
      deviceCodesOf({0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2C, 0x2D, 0x2E, 0x2F}),
      "4B 4E 4D 4A 50 52 4F 51 77 46 49 4C 75");
  EXPECT_EQ(indexNames(14, 26),
            "Page Up|Page Down|End|Home|Left Arrow|Up Arrow|Right Arrow|Down Arrow|Select|"
            "Print Screen|Insert|Delete|Help");
}

TEST(KeyCodesTest, WindowsLocksAndSidedModifiers) {
  EXPECT_EQ(keyIndexesOf({0x5B, 0x5C, 0x5D, 0x90, 0x91}), "27 28 29 70 71");
  EXPECT_EQ(deviceCodesOf({0x5B, 0x5C, 0x5D, 0x90, 0x91}), "E3 E7 65 53 47");
  EXPECT_EQ(indexNames(27, 29), "Left Windows|Right Windows|Applications");
  EXPECT_EQ(indexNames(70, 71), "Num Lock|Scroll Lock");
  EXPECT_EQ(keyIndexesOf(0xA0, 0xA5), "72 73 74 75 76 77");
  EXPECT_EQ(deviceCodesOf(range(0xA0, 0xA5)), "E1 E5 E0 E4 E2 E6");
  EXPECT_EQ(indexNames(72, 77), "Left Shift|Right Shift|Left Ctrl|Right Ctrl|Left Alt|Right Alt");
}

TEST(KeyCodesTest, OemKeys) {
  EXPECT_EQ(keyIndexesOf({0xBA, 0xBF, 0xC0, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF}),
            "114 115 116 117 118 119 120 121");
  EXPECT_EQ(deviceCodesOf({0xBA, 0xBF, 0xC0, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF}),
            "33 38 35 2F 31 30 34 00");
  EXPECT_EQ(indexNames(114, 121), "OEM_1|OEM_2|OEM_3|OEM_4|OEM_5|OEM_6|OEM_7|OEM_8");
  EXPECT_EQ(keyIndexesOf(0xBB, 0xBE), "122 123 124 125");
  EXPECT_EQ(deviceCodesOf(range(0xBB, 0xBE)), "2E 36 2D 37");
  EXPECT_EQ(indexNames(122, 125), "OEM_Plus|OEM_Comma|OEM_Minus|OEM_Period");
}

TEST(KeyCodesTest, BrowserMediaAndLaunchKeys) {
  EXPECT_EQ(keyIndexesOf(0xA6, 0xB7),
            "126 127 128 129 130 131 132 133 134 135 136 137 138 139 140 141 142 143");
  EXPECT_EQ(deviceCodesOf(range(0xA6, 0xAC)), "CA CB CD CC C8 CE C9");
  EXPECT_EQ(deviceCodesOf(range(0xAD, 0xB3)), "C4 C6 C5 C0 C1 C2 C3");
  EXPECT_EQ(deviceCodesOf(range(0xB4, 0xB7)), "C7 D1 00 00");
  EXPECT_EQ(indexNames(126, 132),
            "Browser_Back|Browser_Forward|Browser_Refresh|Browser_Stop|Browser_Search|"
            "Browser_Favorites|Browser_Home");
  EXPECT_EQ(indexNames(133, 139),
            "Volume_Mute|Volume_Down|Volume_Up|Media_Next_Track|Media_Prev_Track|Media_Stop|"
            "Media_Play_Pause");
  EXPECT_EQ(indexNames(140, 143), "Launch_Mail|Launch_Media_Select|Launch_App1|Launch_App2");
}

TEST(KeyCodesTest, SpecialIndexes) {
  EXPECT_EQ(indexNames(0, 2), "None|Demo|255");
  EXPECT_EQ(keyIndexOfVirtualKey(0xFF), 2);
  EXPECT_EQ(deviceCodesOfIndexes(0, 2), "00 00 00");
  EXPECT_EQ(deviceCodesOfIndexes(142, 143), "00 00");
}

// Every index's device code in index order: a row shifted by one shows up here.
TEST(KeyCodesTest, DeviceCodeOfEveryKeyIndex) {
  EXPECT_EQ(deviceCodesOfIndexes(0, 29),
            "00 00 00 2A 2B 9C 28 E1 E0 E2 48 39 29 2C 4B 4E 4D 4A 50 52 4F 51 77 46 49 4C 75 "
            "E3 E7 65");
  EXPECT_EQ(deviceCodesOfIndexes(30, 45), "62 59 5A 5B 5C 5D 5E 5F 60 61 55 57 58 56 63 54");
  EXPECT_EQ(deviceCodesOfIndexes(46, 69),
            "3A 3B 3C 3D 3E 3F 40 41 42 43 44 45 68 69 6A 6B 6C 6D 6E 6F 70 71 72 73");
  EXPECT_EQ(deviceCodesOfIndexes(70, 77), "53 47 E1 E5 E0 E4 E2 E6");
  EXPECT_EQ(deviceCodesOfIndexes(78, 103),
            "04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D");
  EXPECT_EQ(deviceCodesOfIndexes(104, 125),
            "27 1E 1F 20 21 22 23 24 25 26 33 38 35 2F 31 30 34 00 2E 36 2D 37");
  EXPECT_EQ(deviceCodesOfIndexes(126, 143),
            "CA CB CD CC C8 CE C9 C4 C6 C5 C0 C1 C2 C3 C7 D1 00 00");
}

TEST(KeyCodesTest, EveryIndexFromTwoUpIsReachedByExactlyOneVirtualKeyExceptNine) {
  std::map<int, std::vector<int>> keysOfIndex;
  for (int key = 0; key <= 0xFF; ++key) {
    const int index = keyIndexOfVirtualKey(key);
    ASSERT_GE(index, 0);
    ASSERT_LT(index, kKeyIndexCount);
    if (index != 0) keysOfIndex[index].push_back(key);
  }
  EXPECT_EQ(keysOfIndex.size(), 142u);
  for (const auto& [index, keys] : keysOfIndex) {
    EXPECT_GE(index, 2);
    EXPECT_EQ(keys.size(), index == 113 ? 2u : 1u) << "index " << index;
  }
}

TEST(KeyCodesTest, UnknownAndOutOfRangeVirtualKeysAreNone) {
  for (int key : {0x00, 0x01, 0x07, 0x0A, 0x0E, 0x15, 0x1C, 0x2A, 0x2B, 0x3B, 0x40, 0x5E,
                  0x5F, 0x88, 0x8F, 0x92, 0x9F, 0xB8, 0xB9, 0xC1, 0xDA, 0xE0, 0xE2, 0xFE}) {
    EXPECT_EQ(keyIndexOfVirtualKey(key), 0) << std::hex << key;
    EXPECT_EQ(deviceCodeOfVirtualKey(key), 0) << std::hex << key;
  }
  for (int key : {-1, 0x100, 0x141, INT_MAX, INT_MIN}) {
    EXPECT_EQ(keyIndexOfVirtualKey(key), 0) << key;
    EXPECT_EQ(deviceCodeOfVirtualKey(key), 0) << key;
  }
}

TEST(KeyCodesTest, IndexesOutsideTheTableHaveNoCodeAndNoName) {
  for (int index : {-1, 144, 255, 256, INT_MAX, INT_MIN}) {
    EXPECT_EQ(deviceCodeOfKeyIndex(index), 0) << index;
    EXPECT_EQ(nameOfKeyIndex(index), "") << index;
  }
}

TEST(KeyCodesTest, GenericShiftSendsLeftShift) {
  EXPECT_EQ(deviceCodeOfVirtualKey(0x10), 0xE1);
  EXPECT_EQ(nameOfDeviceCode(0xE1), "Left Shift");
  EXPECT_EQ(nameOfKeyIndex(keyIndexOfVirtualKey(0x10)), "Shift");
  EXPECT_EQ(nameOfDeviceCode(deviceCodeOfVirtualKey(0x11)), "Left Ctrl");
  EXPECT_EQ(nameOfDeviceCode(deviceCodeOfVirtualKey(0x12)), "Left Alt");
}

TEST(KeyCodesTest, BothWindowsKeysReadWinByDeviceCode) {
  EXPECT_EQ(nameOfDeviceCode(deviceCodeOfVirtualKey(0x5B)), "Win");
  EXPECT_EQ(nameOfDeviceCode(deviceCodeOfVirtualKey(0x5C)), "Win");
  EXPECT_EQ(nameOfKeyIndex(keyIndexOfVirtualKey(0x5B)), "Left Windows");
  EXPECT_EQ(nameOfKeyIndex(keyIndexOfVirtualKey(0x5C)), "Right Windows");
}

TEST(KeyCodesTest, VolumeUpHasACodeButNoDeviceCodeName) {
  EXPECT_EQ(deviceCodeOfVirtualKey(0xAF), 0xC5);
  EXPECT_EQ(nameOfDeviceCode(0xC5), "");
  EXPECT_EQ(nameOfKeyIndex(keyIndexOfVirtualKey(0xAF)), "Volume_Up");
}

TEST(KeyCodesTest, Oem8HasNoDeviceCode) {
  EXPECT_EQ(deviceCodeOfVirtualKey(0xDF), 0);
}

TEST(KeyCodesTest, DeviceCodeNamesInCodeOrder) {
  EXPECT_EQ(deviceCodeNames(0x00, 0x03), "|||");
  EXPECT_EQ(deviceCodeNames(0x04, 0x1D), "A|B|C|D|E|F|G|H|I|J|K|L|M|N|O|P|Q|R|S|T|U|V|W|X|Y|Z");
  EXPECT_EQ(deviceCodeNames(0x1E, 0x27), "1|2|3|4|5|6|7|8|9|0");
  EXPECT_EQ(deviceCodeNames(0x28, 0x39),
            "Enter|Esc|Backspace|Tab|Space bar|OEM_Minus|OEM_Plus|OEM_4|OEM_6|OEM_5||OEM_1|"
            "OEM_7|OEM_3|OEM_Comma|OEM_Period|OEM_2|Caps Lock");
  EXPECT_EQ(deviceCodeNames(0x3A, 0x45), "F1|F2|F3|F4|F5|F6|F7|F8|F9|F10|F11|F12");
  EXPECT_EQ(deviceCodeNames(0x46, 0x53),
            "Print Screen|Scroll Lock|Pause|Insert|Home|Page Up|Delete|End|Page Down|"
            "Right Arrow|Left Arrow|Down Arrow|Up Arrow|Num Lock");
  EXPECT_EQ(deviceCodeNames(0x54, 0x58),
            "Divide (numeric pad)|Multiply (numeric pad)|Subtract (numeric pad)|"
            "Add (numeric pad)|Separator (numeric pad)");
  EXPECT_EQ(deviceCodeNames(0x59, 0x67),
            "1 (numeric pad)|2 (numeric pad)|3 (numeric pad)|4 (numeric pad)|5 (numeric pad)|"
            "6 (numeric pad)|7 (numeric pad)|8 (numeric pad)|9 (numeric pad)|0 (numeric pad)|"
            "Decimal (numeric pad)||Applications||");
  EXPECT_EQ(deviceCodeNames(0x68, 0x78),
            "F13|F14|F15|F16|F17|F18|F19|F20|F21|F22|F23|F24||Help||Select|");
  EXPECT_EQ(deviceCodeNames(0xE0, 0xE8),
            "Left Ctrl|Left Shift|Left Alt|Win|Right Ctrl|Right Shift|Right Alt|Win|");
}

TEST(KeyCodesTest, DeviceCode32HasNoName) {
  EXPECT_EQ(nameOfDeviceCode(0x32), "");
}

TEST(KeyCodesTest, OnlyTheListedDeviceCodesHaveNames) {
  int named = 0;
  for (int code = 0; code <= 0xFF; ++code) {
    const std::string name = nameOfDeviceCode(static_cast<uint8_t>(code));
    if (name.empty()) continue;
    ++named;
    const bool listed = (code >= 0x04 && code <= 0x31) || (code >= 0x33 && code <= 0x63) ||
                        code == 0x65 || (code >= 0x68 && code <= 0x73) || code == 0x75 ||
                        code == 0x77 || code == 0x9C || (code >= 0xE0 && code <= 0xE7);
    EXPECT_TRUE(listed) << std::hex << code << " " << name;
  }
  // 118 different names: both Windows keys read "Win".
  EXPECT_EQ(named, 119);
  for (int code = 0xC0; code <= 0xD1; ++code)
    EXPECT_EQ(nameOfDeviceCode(static_cast<uint8_t>(code)), "") << std::hex << code;
}

// A key's index name and the name its device code shows agree, except where the
// device-code table names keys its own way.
TEST(KeyCodesTest, IndexNamesAgreeWithDeviceCodeNamesOutsideTheKnownDifferences) {
  const std::map<int, std::string> differences = {
      {7, "Left Shift"}, {8, "Left Ctrl"}, {9, "Left Alt"}, {27, "Win"}, {28, "Win"}};
  for (int index = 0; index < kKeyIndexCount; ++index) {
    const uint8_t code = deviceCodeOfKeyIndex(index);
    if (code == 0) continue;
    const std::string shown = nameOfDeviceCode(code);
    if (index >= 126 && index <= 141) {
      EXPECT_EQ(shown, "") << index;
    } else if (differences.contains(index)) {
      EXPECT_EQ(shown, differences.at(index)) << index;
    } else {
      EXPECT_EQ(shown, nameOfKeyIndex(index)) << index;
    }
  }
}

}  // namespace
}  // namespace mousecfg
