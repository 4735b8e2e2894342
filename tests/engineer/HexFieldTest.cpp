#include "engineer/HexField.h"

#include <gtest/gtest.h>

namespace mousecfg::test {
namespace {

TEST(HexFieldTest, TakesOnlyHexDigitsOfEitherCase) {
  EXPECT_TRUE(isHexFieldText("09afAF"));
  EXPECT_TRUE(isHexFieldText(""));
  EXPECT_FALSE(isHexFieldText("1g"));
  EXPECT_FALSE(isHexFieldText("0x1F"));
  EXPECT_FALSE(isHexFieldText(" 1"));
  EXPECT_FALSE(clampHexField("-1", 0xFF));
}

TEST(HexFieldTest, AValueAboveTheMaximumShowsTheMaximum) {
  const auto clamped = clampHexField("1FF", 0xFF);
  ASSERT_TRUE(clamped);
  EXPECT_EQ(clamped->value, 0xFFu);
  EXPECT_EQ(clamped->text, "FF");
  const auto huge = clampHexField("123456789ABC", 0xFF);
  ASSERT_TRUE(huge) << "more digits than a number holds still clamp";
  EXPECT_EQ(huge->text, "FF");
}

TEST(HexFieldTest, AValueInRangeKeepsTheTypedText) {
  const auto typed = clampHexField("0a", 0xFF);
  ASSERT_TRUE(typed);
  EXPECT_EQ(typed->value, 0x0Au);
  EXPECT_EQ(typed->text, "0a");
  const auto padded = clampHexField("0000000000fe", 0xFF);
  ASSERT_TRUE(padded) << "leading zeros carry no value";
  EXPECT_EQ(padded->value, 0xFEu);
}

TEST(HexFieldTest, AnEmptyFieldReadsAsZero) {
  const auto empty = clampHexField("", 0xFF);
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->value, 0u);
  EXPECT_EQ(empty->text, "");
}

}  // namespace
}  // namespace mousecfg::test
