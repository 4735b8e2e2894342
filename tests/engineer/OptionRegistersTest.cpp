#include "engineer/OptionRegisters.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/ReportRateControl.h"

namespace mousecfg::test {
namespace {

using enum OptionRegister;

std::string itemText(OptionRegister option, int item) {
  return std::string(optionField(option).items[static_cast<size_t>(item)].text);
}

TEST(OptionRegistersTest, EveryItemMapsToItsBitsAndBack) {
  for (const OptionField& field : optionFields()) {
    for (int item = 0; item < static_cast<int>(field.items.size()); ++item) {
      for (uint8_t before : {0x00, 0xFF, 0xA5, 0x5A}) {
        const uint8_t after = withOptionItem(field, before, item);
        EXPECT_EQ(optionItemOf(field, after), item) << field.control << " item " << item;
        EXPECT_EQ(after & ~optionMask(field), before & ~optionMask(field))
            << field.control << ": the other bits stay";
      }
    }
  }
}

TEST(OptionRegistersTest, EachListHasItsOwnBitsAndItsItemsDistinctValues) {
  std::array<uint8_t, 9> used{};
  for (const OptionField& field : optionFields()) {
    ASSERT_GE(field.offset, 4u);
    ASSERT_LE(field.offset, 8u);
    EXPECT_EQ(used[field.offset] & optionMask(field), 0) << field.control << " overlaps";
    used[field.offset] |= optionMask(field);
    std::set<uint8_t> values;
    for (const OptionItem& item : field.items) {
      EXPECT_LT(item.bits, 1u << field.width) << field.control << " " << item.text;
      values.insert(item.bits);
    }
    EXPECT_EQ(values.size(), field.items.size()) << field.control;
  }
  EXPECT_EQ(used[4], 0xF8);
  EXPECT_EQ(used[5], 0xFF);
  EXPECT_EQ(used[6], 0xFF);
  EXPECT_EQ(used[7], 0xFF);
  EXPECT_EQ(used[8], 0x0F);
}

TEST(OptionRegistersTest, IcTypeAndReportRateShareByte4) {
  EXPECT_EQ(withOptionItem(optionField(ICType), 0xFF, 1), 0x7F) << "3709";
  EXPECT_EQ(withOptionItem(optionField(RepRate), 0xFF, 2), 0xEF) << "500Hz";
  EXPECT_EQ(withOptionItem(optionField(SensorEnhance), 0xFF, 0), 0xF7);
  for (int rate = 0; rate < ReportRateControl::kRateCount; ++rate)
    EXPECT_EQ(withOptionItem(optionField(RepRate), 0x9A, rate),
              ReportRateControl::withRateCode(0x9A, rate));
}

TEST(OptionRegistersTest, ListsWhoseItemsAreNotInBitOrder) {
  EXPECT_EQ(withOptionItem(optionField(Package), 0x00, 1), 0x80) << "Single LED is 2";
  EXPECT_EQ(withOptionItem(optionField(CPISet), 0x00, 0), 0x0C) << "800,1200,1600,2400 is 3";
  EXPECT_EQ(withOptionItem(optionField(CPILevel), 0x00, 3), 0x03) << "2nd is 3";
  EXPECT_EQ(withOptionItem(optionField(CPIPrescaleSel), 0xFF, 3), 0xCF) << "1.33x is 0";
  EXPECT_EQ(withOptionItem(optionField(SensorSleep), 0x00, 1), 0x02) << "Disable is 1";
  EXPECT_EQ(withOptionItem(optionField(LEDPower), 0x00, 1), 0x01) << "open drain is 1";
  EXPECT_EQ(withOptionItem(optionField(ProfileLEDFlash), 0xAE, 1), 0xAF);
}

TEST(OptionRegistersTest, BitsNoItemStandsForShowNoItem) {
  EXPECT_EQ(optionItemOf(optionField(Package), 0x4F), kNoOptionItem) << "bits 7..6 = 1";
  EXPECT_EQ(optionItemOf(optionField(CPIIndication), 0x0F), kNoOptionItem) << "bits 5..4 = 0";
  EXPECT_EQ(optionItemOf(optionField(CPIIndication), 0x2F), 1) << "Fade";
}

TEST(OptionRegistersTest, AnItemOutsideTheListLeavesTheByte) {
  EXPECT_EQ(withOptionItem(optionField(ICType), 0x3C, 4), 0x3C);
  EXPECT_EQ(withOptionItem(optionField(ICType), 0x3C, -1), 0x3C);
}

TEST(OptionRegistersTest, TextsAreThePagesOwn) {
  EXPECT_EQ(itemText(CPIIndication, 1), "Fade ");
  EXPECT_EQ(optionField(FireKeyCount).caption, "Frie Key Count:");
  EXPECT_EQ(optionField(FireKeyFreq).caption, "Fire Key  Freq:");
  EXPECT_EQ(optionField(LEDPower).caption, "Usb Msc Mode:");
  EXPECT_EQ(itemText(LEDModeFuse, 3), "4/2(28s Sync LED)");
  EXPECT_EQ(itemText(SensorRotation, 0), "270°");
  EXPECT_EQ(optionField(EFTrelug).control, "cb_EFTrelug");
  EXPECT_EQ(kOptionByteCaptions[0].caption, "Option 0 (0x70E0)");
  EXPECT_EQ(kOptionByteCaptions[4].offset, 8u);
  EXPECT_EQ(kOptionByteCaptions[4].caption, "Option 7 (0x70E7)");
}

}  // namespace
}  // namespace mousecfg::test
