#include "settings/EntryNames.h"

#include <gtest/gtest.h>

#include <array>

#include "base/LanguageTables.h"
#include "device/DeviceMacroBlock.h"

namespace mousecfg {
namespace {

const LanguageTables& builtInTables() {
  static const LanguageTables tables = LanguageTables::builtIn();
  return tables;
}

// The naming context of the default image: fire keys 3, 5 and 8 shots at 30 ms, no fire
// macro file, no device macros.
class EntryNamesTest : public ::testing::Test {
 protected:
  NamingContext context() const {
    return NamingContext{languages, fireKeys, fireMacros, macros, macrosAvailable};
  }
  std::string nameOf(std::string_view code) const { return DecodeEntryName(code, context()).text; }

  LanguageTables languages = builtInTables();
  FireKeySettings fireKeys{{{3, 30, false}, {5, 30, false}, {8, 30, false}}};
  FireMacroCodeSet fireMacros;
  DeviceMacroBlock macros;
  bool macrosAvailable = true;
};

struct NamingCase {
  const char* code;
  const char* language1;
  const char* language2;
};

// Every rule of the naming table, in both built-in languages.
constexpr NamingCase kNamingTable[] = {
    {"00000000", "Key Off", "Key Off"},
    {"01010000", "Left Key", "Left Key"},
    {"01020000", "Right Key", "Right Key"},
    {"01040008", "Middle Key", "Middle Key"},
    {"01080002", "Backward", "Backward"},
    {"01100020", "Forward", "Forward"},
    {"05030000", "AIM Key", "AIM Key"},
    {"0E000000", "LED Mode", "LED Mode"},
    {"08000000", "LED ON/OFF", "LED ON/OFF"},
    {"08010000", "Button Effect Switch", "Button Effect Switch"},
    {"0C000000", "Report Rate", "Report Rate"},
    {"100710FF", "Fire Macro Key", "Fire Macro Key"},
    {"107000FF", "Fire Macro Key", "Fire Macro Key"},
    {"100130FF", "Fire Macro Key", "Fire Macro Key"},
    {"09000010", "DPI Loop", "DPI Loop"},
    {"09010000", "DPI +", "DPI +"},
    {"09020040", "DPI -", "DPI -"},
    {"0692001E", "Fire Key1", "Fire Key1"},
    {"0614001E", "Fire Key2", "Fire Key2"},
    {"0697001E", "Fire Key3", "Fire Key3"},
    {"04010000", "Power Down", "Power Down"},
    {"04020000", "Sleep", "Sleep"},
    {"04030000", "Wake Up", "Wake Up"},
    {"07800000", "Office Mode", "Mode A"},
    {"07810000", "Game Mode", "Mode B"},
    {"07820000", "Third Mode", "Third Mode"},
    {"07D1F018", "Game Mode", "Mode B"},
    {"07800018", "Office Mode", "Mode A"},
    {"07000000", "KB Switch Loop", "KB Switch Loop"},
    {"0300CD00", "Play/Pause", "Play/Pause"},
    {"0300B700", "Stop", "Stop"},
    {"0300B600", "Previous Track", "Previous Track"},
    {"0300B500", "Next Track", "Next Track"},
    {"0300E900", "Volume +", "Volume +"},
    {"0300EA00", "Volume -", "Volume -"},
    {"0300E200", "Mute", "Mute"},
    {"03022300", "Home", "Home"},
    {"03022100", "Search", "Search"},
    {"03022400", "Web Back", "Web Back"},
    {"03022500", "Web Forward", "Web Forward"},
    {"03022600", "Stop", "Stop"},
    {"03022700", "Refresh", "Refresh"},
    {"03022A00", "Favorites", "Favorites"},
    {"03019400", "My Computer", "My Computer"},
    {"03019200", "Calculator", "Calculator"},
    {"03018A00", "E-Mail", "E-Mail"},
    {"02080700", "Desktop", "Desktop"},
    {"0A000000", "Adjust XY Fn", "Adjust XY Fn"},
    {"0A010000", "Adjust XY Switch", "Adjust XY Switch"},
    {"0B8F0000", "Fire Macro Off", "Fire Macro Off"},
    {"02000000", "User-defined", "User-defined"},
    {"02030405", "Ctrl+Shift+A+B", "Ctrl+Shift+A+B"},
    {"020F1E00", "Ctrl+Shift+Alt+Win+1", "Ctrl+Shift+Alt+Win+1"},
    {"0B000100", "AKM Fire", "AKM Fire"},
    {"0B160100", "UZI Fire", "UZI Fire"},
    {"0B050200", "TOMPSON Fire", "TOMPSON Fire"},
    {"0B060300", "UZI Fire", "UZI Fire"},
};

TEST_F(EntryNamesTest, EveryRuleNamesItsEntryInLanguage1) {
  for (const NamingCase& row : kNamingTable) EXPECT_EQ(nameOf(row.code), row.language1) << row.code;
}

TEST_F(EntryNamesTest, EveryRuleNamesItsEntryInLanguage2) {
  ASSERT_TRUE(languages.selectLanguage(2));
  for (const NamingCase& row : kNamingTable) EXPECT_EQ(nameOf(row.code), row.language2) << row.code;
}

TEST_F(EntryNamesTest, EntriesNoRuleKnowsHaveNoName) {
  for (const char* code : {"07830000", "01200000", "01010005", "09030000", "0D000000", "FF000000",
                           "0B000200", "0B070100", "0B200100", "0B050300", "06120020", "0E000001"})
    EXPECT_EQ(nameOf(code), "") << code;
}

TEST_F(EntryNamesTest, UnreadableCodeStringsHaveNoName) {
  for (const char* code : {"", "0101", "0101000000", "XYZ00000"})
    EXPECT_EQ(nameOf(code), "") << code;
}

TEST_F(EntryNamesTest, KeyboardKeysWithoutANameAddNoStrayPlus) {
  EXPECT_EQ(nameOf("0201C500"), "Ctrl") << "0xC5 (volume up) has no device-code name";
  EXPECT_EQ(nameOf("0200C500"), "User-defined");
  EXPECT_EQ(nameOf("02003200"), "User-defined") << "0x32 has no name either";
  EXPECT_EQ(nameOf("0200E3E7"), "Win+Win");
}

TEST_F(EntryNamesTest, FireKeyNameReportsTheMatchedKeyAndItsContinuousBit) {
  const EntryName continuous = DecodeEntryName("0692001E", context());
  ASSERT_EQ(continuous.fireKey, 1);
  EXPECT_TRUE(continuous.fireKeyContinuous);
  const EntryName single = DecodeEntryName("0617001E", context());
  ASSERT_EQ(single.fireKey, 3);
  EXPECT_FALSE(single.fireKeyContinuous);
}

TEST_F(EntryNamesTest, TwoFireKeysWithTheSameSettingsNameTheFirst) {
  fireKeys[1] = {3, 30, false};
  EXPECT_EQ(nameOf("0612001E"), "Fire Key1");
  fireKeys[0] = {2, 30, false};
  EXPECT_EQ(nameOf("0612001E"), "Fire Key2");
}

TEST_F(EntryNamesTest, ProfileSwitchNamesReportTargetAndByte2) {
  const EntryName name = DecodeEntryName("07D1F018", context());
  EXPECT_EQ(name.profileTarget, 1);
  EXPECT_EQ(name.profileColourByte, 0xF0);
  EXPECT_FALSE(DecodeEntryName("07000000", context()).profileTarget.has_value());
}

TEST_F(EntryNamesTest, WithTheFireMacroFileGunEntriesAreNamedByTheirCode) {
  fireMacros.present = true;
  fireMacros.codes[0] = {0x0B, 0x12, 0x02, 0x00};
  fireMacros.codes[1] = {0x0B, 0x00, 0x01, 0x00};
  EXPECT_EQ(nameOf("0B120208"), "Fire Macro1") << "byte 3 is not compared";
  EXPECT_EQ(nameOf("0B000100"), "Fire Macro2") << "instead of the gun name";
  EXPECT_EQ(nameOf("0B010100"), "") << "no code of that start";
  EXPECT_EQ(nameOf("0B8F0000"), "Fire Macro Off");
}

// A device macro "Burst" stored first: its events start at 0x200.
TEST_F(EntryNamesTest, MacroEntriesAreNamedByTheStoredMacro) {
  const std::array<uint8_t, 16> name{0, 'B', 0, 'u', 0, 'r', 0, 's', 0, 't'};
  const std::array<uint8_t, 3> events{0xA1, 0x21, 0x00};
  ASSERT_TRUE(macros.setSlot(0, name, events));
  ASSERT_TRUE(macros.PackMacroBlock());
  macros.ReadAndRefreshMacroBlock();
  EXPECT_EQ(nameOf("10020000"), "Burst");
  EXPECT_EQ(nameOf("10021400"), "") << "no macro starts at 0x214";
  macrosAvailable = false;
  EXPECT_EQ(nameOf("10020000"), "") << "only for the memories that store macros";
  EXPECT_EQ(nameOf("100130FF"), "Fire Macro Key");
}

}  // namespace
}  // namespace mousecfg
