#include "settings/ButtonEntry.h"

#include <gtest/gtest.h>

#include "settings/EntryBuilder.h"
#include "settings/KeyTables.h"
#include "settings/MenuItems.h"
#include "settings/ProfileSwitchEntry.h"
#include "support/HexBytes.h"

namespace mousecfg {
namespace {

using test::hexBytes;

std::string hexOf(const ButtonEntry& entry) {
  return hexBytes(entry);
}

TEST(ButtonEntryCodeTest, CodeStringsAreUpperCaseHexByteZeroFirst) {
  EXPECT_EQ(codeOfEntry({0x06, 0x92, 0x00, 0x1E}), "0692001E");
  EXPECT_EQ(hexOf(*entryOfCode("0692001e")), "06 92 00 1E");
  EXPECT_EQ(hexOf(*entryOfCode("100130FF")), "10 01 30 FF");
}

TEST(ButtonEntryCodeTest, AnythingButEightHexDigitsIsNoEntry) {
  for (const char* code : {"", "0692001", "0692001E0", "0692G01E", " 692001E", "06-2001E"})
    EXPECT_FALSE(entryOfCode(code).has_value()) << '"' << code << '"';
}

TEST(ButtonEntryBuildersTest, FireKeyCountsAndIntervals) {
  EXPECT_EQ(hexOf(fireKeyEntry(3, 30, true)), "06 92 00 1E");
  EXPECT_EQ(hexOf(fireKeyEntry(3, 30, false)), "06 12 00 1E");
  EXPECT_EQ(hexOf(fireKeyEntry(15, 4094, false)), "06 1E 0F FE");
  EXPECT_EQ(hexOf(fireKeyEntry(0, -5, false)), "06 10 00 00") << "clamped to count 1, 0 ms";
  EXPECT_EQ(hexOf(fireKeyEntry(40, 70000, true)), "06 9E FF FF") << "clamped to 15, 65535 ms";
}

TEST(ButtonEntryBuildersTest, FireKeyEntriesReadBackWhatTheyWereBuiltFrom) {
  struct Setting {
    int count;
    int interval;
    bool continuous;
  };
  for (const Setting& s : {Setting{3, 30, true}, Setting{1, 0, false}, Setting{15, 4094, false},
                           Setting{8, 65535, true}}) {
    const ButtonEntry entry = fireKeyEntry(s.count, s.interval, s.continuous);
    EXPECT_EQ(fireKeyCountOf(entry), s.count);
    EXPECT_EQ(fireKeyIntervalOf(entry), s.interval);
    EXPECT_EQ(fireKeyContinuousOf(entry), s.continuous);
  }
  const ButtonEntry stored{0x06, 0x0F, 0x01, 0x00};  // no count base, count nibble 15
  EXPECT_EQ(fireKeyCountOf(stored), 16);
  EXPECT_EQ(fireKeyIntervalOf(stored), 256);
  EXPECT_FALSE(fireKeyContinuousOf(stored));
}

TEST(ButtonEntryBuildersTest, OtherCategories) {
  EXPECT_EQ(hexOf(mouseButtonEntry(entry::kBackwardButton, 0x02)), "01 08 00 02");
  EXPECT_EQ(hexOf(keyboardEntry(0x03, 0x04, 0x05)), "02 03 04 05");
  EXPECT_EQ(hexOf(consumerEntry(0x0223)), "03 02 23 00");
  EXPECT_EQ(hexOf(aimEntry(4)), "05 04 00 00");
  EXPECT_EQ(hexOf(dpiEntry(entry::kDpiDown, 0x40)), "09 02 00 40");
  EXPECT_EQ(hexOf(macroEntry(0x0239)), "10 02 39 00");
}

// Every function item of the menu with the parameters of a typical moment.
TEST(EntryBuilderTest, EveryMenuItemBuildsItsEntry) {
  EntryParameters parameters;
  parameters.comboEnable.set(ComboEnableList::Middle, 0x08);
  parameters.comboEnable.set(ComboEnableList::Back, 0x02);
  parameters.comboEnable.set(ComboEnableList::Forward, 0x04);
  parameters.comboEnable.set(ComboEnableList::Cpi, 0x10);
  parameters.comboEnable.set(ComboEnableList::CpiUp, 0x20);
  parameters.comboEnable.set(ComboEnableList::CpiDown, 0x40);
  parameters.aimStepNumber = 6;
  parameters.fireKeys = {{{3, 30, true}, {5, 300, false}, {8, 4094, true}}};
  const std::vector<std::pair<int, std::string>> expected{
      {900, "01 01 00 00"},  {901, "01 02 00 00"},  {902, "01 04 00 08"},  {903, "01 08 00 02"},
      {904, "01 10 00 04"},  {1000, "05 05 00 00"}, {1001, "0E 00 00 00"}, {1002, "08 00 00 00"},
      {1003, "08 01 00 00"}, {1004, "0C 00 00 00"}, {1005, "10 01 30 FF"}, {1006, "0B 8F 00 00"},
      {1007, "00 00 00 00"}, {1100, "03 00 CD 00"}, {1101, "03 00 B7 00"}, {1102, "03 00 B6 00"},
      {1103, "03 00 B5 00"}, {1104, "03 00 E9 00"}, {1105, "03 00 EA 00"}, {1106, "03 00 E2 00"},
      {1200, "03 02 23 00"}, {1201, "03 02 21 00"}, {1202, "03 02 24 00"}, {1203, "03 02 25 00"},
      {1204, "03 02 26 00"}, {1205, "03 02 27 00"}, {1206, "03 02 2A 00"}, {1300, "03 01 94 00"},
      {1301, "03 01 92 00"}, {1302, "03 01 8A 00"}, {1303, "02 08 07 00"}, {2000, "09 00 00 10"},
      {2001, "09 01 00 20"}, {2002, "09 02 00 40"}, {2100, "06 92 00 1E"}, {2101, "06 14 01 2C"},
      {2102, "06 97 0F FE"}, {2200, "04 01 00 00"}, {2201, "04 02 00 00"}, {2202, "04 03 00 00"},
      {2300, "07 80 00 00"}, {2301, "07 81 00 00"}, {2302, "07 82 00 00"}, {2303, "07 00 00 00"},
      {2400, "0A 00 00 00"}, {2401, "0A 01 00 00"},
  };
  size_t functionItems = 0;
  for (const MenuEntry& item : menuEntries())
    if (item.action == MenuAction::Assign) ++functionItems;
  EXPECT_EQ(functionItems, expected.size()) << "every function item is listed here";
  for (const auto& [id, entry] : expected) {
    EXPECT_NE(menuEntryOfId(id), nullptr) << id;
    EXPECT_EQ(hexOf(buildEntry(id, parameters)), entry) << "item " << id;
  }
}

TEST(EntryBuilderTest, UnknownIdentifiersGiveKeyOff) {
  for (int id : {0, 899, 905, 1008, 1107, 2003, 2304, 2402, 9999})
    EXPECT_EQ(hexOf(buildEntry(id, EntryParameters{})), "00 00 00 00") << id;
}

TEST(ProfileSwitchEntryTest, GunDisplayFormForOfficeAndGameOnly) {
  EntryParameters parameters;
  parameters.gunDisplay = true;
  parameters.profileSwitch.offset = 0x18;
  EXPECT_EQ(hexOf(buildEntry(menu_id::kOfficeMode, parameters)), "07 D0 F0 18");
  EXPECT_EQ(hexOf(buildEntry(menu_id::kGameMode, parameters)), "07 D1 F0 18");
  EXPECT_EQ(hexOf(buildEntry(menu_id::kThirdMode, parameters)), "07 82 00 00");
  EXPECT_EQ(hexOf(buildEntry(menu_id::kKbSwitchLoop, parameters)), "07 00 00 00");
}

TEST(ProfileSwitchEntryTest, ComboKeyFormCarriesOptionsColourAndOffset) {
  EntryParameters parameters;
  ProfileSwitchOptions& options = parameters.profileSwitch;
  options.returnToZero = true;
  options.colourChange = true;
  options.offset = 0x0123;
  options.colourItems = {3, 10, 0};
  EXPECT_EQ(hexOf(buildEntry(menu_id::kOfficeMode, parameters, EntryTarget::ComboKey)),
            "07 D0 31 23")
      << "0x80 + RTZ 0x40 + CC 0x10; colour 0x30 + offset high 1";
  EXPECT_EQ(hexOf(buildEntry(menu_id::kGameMode, parameters, EntryTarget::ComboKey)), "07 D1 F1 23")
      << "the last colour item gives 0xF0";
  options.adjustXy = true;
  options.ledModeSecondEntry = true;
  EXPECT_EQ(hexOf(buildEntry(menu_id::kThirdMode, parameters, EntryTarget::ComboKey)),
            "07 F2 F1 23")
      << "LED type's second entry: every colour code is 0xF0";
}

TEST(ProfileSwitchEntryTest, ColourItemsOfCodes) {
  EXPECT_EQ(colourItemOfCode(0x00), 0);
  EXPECT_EQ(colourItemOfCode(0x90), 9);
  EXPECT_EQ(colourItemOfCode(0xF0), 10);
  EXPECT_FALSE(colourItemOfCode(0xA0).has_value());
  EXPECT_FALSE(colourItemOfCode(0x18).has_value());
}

TEST(ProfileSwitchEntryTest, TheColourCodeOfByte2LeavesTheOffsetBitsOut) {
  EXPECT_EQ(switchColourCode(0x31), 0x30);
  EXPECT_EQ(switchColourCode(0xF1), 0xF0);
  EXPECT_EQ(switchColourCode(0x0F), 0x00);
  EXPECT_EQ(colourItemOfCode(switchColourCode(0x92)), 9);
}

TEST(KeyTablesTest, OffsetsOfEntries) {
  EXPECT_EQ(key_tables::profileEntryOffset(1, 1), 192u);
  EXPECT_EQ(key_tables::profileEntryOffset(1, 12), 236u);
  EXPECT_EQ(key_tables::profileEntryOffset(2, 1), 241u);
  EXPECT_EQ(key_tables::profileEntryOffset(2, 12), 285u);
  EXPECT_EQ(key_tables::comboKeyOffset(1), 127u);
  EXPECT_EQ(key_tables::comboKeyOffset(9), 159u);
}

TEST(KeyTablesTest, StoringKeepsEntryAndCodeStringTogether) {
  ConfigImage image;
  CodeStrings codes;
  ASSERT_TRUE(storeProfileEntry(image, codes, 2, 12, {0x09, 0x01, 0x00, 0x08}));
  EXPECT_EQ(test::hexRange(image.profile2, 44, 4), "09 01 00 08");
  EXPECT_EQ(codes.keys[23], "09010008");
  EXPECT_EQ(hexOf(profileEntry(image, 2, 12)), "09 01 00 08");
  ASSERT_TRUE(storeComboKeyEntry(image, codes, 3, {0x07, 0x80, 0x00, 0x18}));
  EXPECT_EQ(test::hexRange(image.vendor, 135, 4), "07 80 00 18");
  EXPECT_EQ(codes.combos[2], "07800018");
}

TEST(KeyTablesTest, NumbersOutsideTheTablesChangeNothing) {
  ConfigImage image;
  CodeStrings codes;
  const ConfigImage before = image;
  EXPECT_FALSE(storeProfileEntry(image, codes, 3, 1, {1, 1, 0, 0}));
  EXPECT_FALSE(storeProfileEntry(image, codes, 1, 0, {1, 1, 0, 0}));
  EXPECT_FALSE(storeProfileEntry(image, codes, 1, 13, {1, 1, 0, 0}));
  EXPECT_FALSE(storeComboKeyEntry(image, codes, 10, {1, 1, 0, 0}));
  EXPECT_EQ(hexBytes(image.profile1), hexBytes(before.profile1));
  EXPECT_EQ(hexBytes(image.vendor), hexBytes(before.vendor));
  EXPECT_EQ(profileCode(codes, 0, 1), "");
  EXPECT_EQ(hexOf(profileEntry(image, 1, 13)), "00 00 00 00");
}

}  // namespace
}  // namespace mousecfg
