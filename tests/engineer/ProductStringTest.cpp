#include "engineer/ProductString.h"

#include <gtest/gtest.h>

#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

TEST(ProductStringTest, CharactersOneByteEachAndTheRestZero) {
  const auto typed = productStringOf("Mouse");
  ASSERT_TRUE(typed);
  EXPECT_EQ(hexBytes(typed->bytes), "4D 6F 75 73 65 " + hexRepeat(0x00, 11));
  EXPECT_EQ(typed->text, "Mouse");
}

TEST(ProductStringTest, AtMostSixteenCharactersAreTaken) {
  const auto typed = productStringOf("ABCDEFGHIJKLMNOPQR");
  ASSERT_TRUE(typed);
  EXPECT_EQ(typed->text, "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(typed->bytes[15], 'P');
}

TEST(ProductStringTest, LatinOneCharactersAreSingleBytes) {
  const auto typed = productStringOf("Souris é");
  ASSERT_TRUE(typed);
  EXPECT_EQ(typed->bytes[7], 0xE9);
  EXPECT_EQ(typed->bytes[8], 0x00);
  EXPECT_EQ(typed->text, "Souris é");
  EXPECT_EQ(productStringText(typed->bytes), "Souris é");
}

TEST(ProductStringTest, ACharacterWithoutASingleByteFormIsNotTaken) {
  EXPECT_FALSE(productStringOf("鼠标"));
  EXPECT_FALSE(productStringOf("Mouse \xFF")) << "not UTF-8";
}

TEST(ProductStringTest, TheTextEndsAtTheFirstZeroByte) {
  const std::array<uint8_t, 16> field{'U', 'S', 'B', 0, 'X', 'Y'};
  EXPECT_EQ(productStringText(field), "USB");
  std::array<uint8_t, 16> full;
  full.fill('A');
  EXPECT_EQ(productStringText(full), std::string(16, 'A')) << "no zero: all sixteen";
}

}  // namespace
}  // namespace mousecfg::test
