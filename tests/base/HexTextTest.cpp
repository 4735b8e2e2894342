#include "base/HexText.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace mousecfg {
namespace {

TEST(HexDigits, PadsWithZerosToTheWidth) {
  EXPECT_EQ(hexDigits(0x5ED, 4), "05ED");
  EXPECT_EQ(hexDigits(0x0A, 2), "0A");
  EXPECT_EQ(hexDigits(0, 4), "0000");
  EXPECT_EQ(hexDigits(0x00AB12, 6), "00AB12");
}

TEST(HexDigits, KeepsEveryDigitOfAWiderValue) {
  EXPECT_EQ(hexDigits(0x12345, 4), "12345");
  EXPECT_EQ(hexDigits(0xFFFFFFFF, 2), "FFFFFFFF");
  EXPECT_EQ(hexDigits(0, 0), "0");
}

TEST(HexDigits, WritesLowerCaseLettersWhenAsked) {
  EXPECT_EQ(hexDigits(0x3A7E, 4, HexLetters::Lower), "3a7e");
  EXPECT_EQ(hexDigits(0xBEEF, 6, HexLetters::Lower), "00beef");
  EXPECT_EQ(hexDigits(0xBEEF, 6), "00BEEF");
}

TEST(HexBytes, SeparatesTwoDigitBytes) {
  const std::array<uint8_t, 4> ids{0x3A, 0x7E, 0x05, 0xED};
  EXPECT_EQ(hexBytes(ids), "3A 7E 05 ED");
  EXPECT_EQ(hexBytes(ids, ""), "3A7E05ED");
  EXPECT_EQ(hexBytes(ids, ", "), "3A, 7E, 05, ED");
}

TEST(HexBytes, OneByteHasNoSeparatorAndNoBytesGiveNothing) {
  const std::array<uint8_t, 1> one{0xF0};
  EXPECT_EQ(hexBytes(one), "F0");
  EXPECT_EQ(hexBytes(std::vector<uint8_t>{}), "");
}

}  // namespace
}  // namespace mousecfg
