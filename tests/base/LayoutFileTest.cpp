#include "base/LayoutFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace mousecfg {
namespace {

using namespace std::string_literals;

std::string hex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (unsigned char c : bytes) {
    if (!text.empty()) text += ' ';
    text += kDigits[c >> 4];
    text += kDigits[c & 0x0F];
  }
  return text;
}

bool isValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = text[i];
    const size_t length = lead < 0x80    ? 1
                          : lead >= 0xF0 ? 4
                          : lead >= 0xE0 ? 3
                          : lead >= 0xC2 ? 2
                                         : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

LayoutFile org(std::string_view text) {
  return LayoutFile(text, "org");
}

TEST(LayoutFileTest, CommentsAndBannersCarryNoKey) {
  const LayoutFile file =
      org("; Web_X=100\n"
          "//*****************************\n"
          "[org]\n"
          ";Web_Y=200\n"
          "   ; DPI_Count=3\n"
          "//******* banner *******\n"
          "Web_X=750\n"
          "\n");
  EXPECT_EQ(file.keyCount(), 1u);
  EXPECT_EQ(file.integer("Web_X", -7), 750);
  EXPECT_FALSE(file.contains("Web_Y"));
  EXPECT_FALSE(file.contains("DPI_Count"));
}

TEST(LayoutFileTest, NamesAndValuesAreTrimmedOfBlanks) {
  const LayoutFile file =
      org("[org]\r\n"
          "M_L_W = 190\r\n"
          "Btn_A2_Enable=1 \r\n"
          "\tKey1_X\t=\t12\t\r\n"
          "Web =  https://a.invalid/x  \r\n");
  EXPECT_EQ(file.integer("M_L_W", -7), 190);
  EXPECT_TRUE(file.enabled("Btn_A2_Enable"));
  EXPECT_EQ(file.integer("Key1_X", -7), 12);
  EXPECT_EQ(file.text("Web"), "https://a.invalid/x");
}

TEST(LayoutFileTest, ValueKeepsEverythingAfterTheFirstEqualsSign) {
  const LayoutFile file = org("[org]\nWeb=https://a.invalid/?a=b;c\n");
  EXPECT_EQ(file.text("Web"), "https://a.invalid/?a=b;c");
}

TEST(LayoutFileTest, LinesWithoutNameAreSkippedAndEmptyValuesKept) {
  const LayoutFile file = org("[org]\n=5\n  = 6\nPath=\n");
  EXPECT_EQ(file.keyCount(), 1u);
  EXPECT_TRUE(file.contains("Path"));
  EXPECT_EQ(file.text("Path"), "");
  EXPECT_EQ(file.integer("Path", 33), 33);
}

TEST(LayoutFileTest, KeepsOnlyTheChosenSection) {
  const std::string text =
      "Color_A_R=1\n"
      "[org1]\nColor_A_R=0\n"
      "[org2]\nColor_A_R=255\n"
      "[org3]\nColor_A_R=7\n";
  EXPECT_EQ(LayoutFile(text, "org1").integer("Color_A_R", -1), 0);
  EXPECT_EQ(LayoutFile(text, "org2").integer("Color_A_R", -1), 255);
  EXPECT_EQ(LayoutFile(text, "org3").integer("Color_A_R", -1), 7);
  EXPECT_EQ(LayoutFile(text, "org2").keyCount(), 1u);
  // Keys before the first header belong to no section.
  EXPECT_FALSE(LayoutFile(text, "").contains("Color_A_R"));
}

TEST(LayoutFileTest, SectionAndKeyNamesIgnoreCase) {
  const LayoutFile file = LayoutFile("[ ORG1 ] trailing text\nbtn_b8_enable=1\n", "org1");
  EXPECT_TRUE(file.hasSection());
  EXPECT_TRUE(file.enabled("Btn_B8_Enable"));
  EXPECT_TRUE(file.enabled("BTN_B8_ENABLE"));
}

TEST(LayoutFileTest, FirstOfDuplicateKeysWinsAcrossRepeatedHeaders) {
  const LayoutFile file =
      org("[org]\nWeb_X=1\nWeb_X=2\n"
          "[other]\nWeb_Y=9\n"
          "[org]\nWeb_X=3\nWeb_Y=4\n");
  EXPECT_EQ(file.integer("Web_X", -1), 1);
  EXPECT_EQ(file.integer("Web_Y", -1), 4);
}

TEST(LayoutFileTest, MissingSectionGivesFallbacks) {
  const LayoutFile file = org("[org1]\nWeb_X=1\n");
  EXPECT_FALSE(file.hasSection());
  EXPECT_EQ(file.keyCount(), 0u);
  EXPECT_EQ(file.integer("Web_X", 750), 750);
  EXPECT_FALSE(file.enabled("Web_X"));
  EXPECT_EQ(file.text("Web_X"), "");
}

TEST(LayoutFileTest, SkipsByteOrderMarkAtStart) {
  const LayoutFile file = org("\xEF\xBB\xBF[org]\nWeb_X=5\n");
  EXPECT_TRUE(file.hasSection());
  EXPECT_EQ(file.integer("Web_X", -1), 5);
}

TEST(LayoutFileTest, LastLineWithoutLineEndIsRead) {
  EXPECT_EQ(org("[org]\r\nWeb_X=5").integer("Web_X", -1), 5);
}

TEST(LayoutFileTest, IntegerReadsSignedDecimalValues) {
  const struct {
    const char* value;
    int expected;
  } cases[] = {{"7", 7},
               {" 7 ", 7},
               {"-1", -1},
               {"+3", 3},
               {"007", 7},
               {"0", 0},
               {"-0", 0},
               {"9790", 9790},
               {"2147483647", 2147483647},
               {"-2147483648", -2147483647 - 1}};
  for (const auto& c : cases) {
    const LayoutFile file = org("[org]\nK=" + std::string(c.value) + "\n");
    EXPECT_EQ(file.integer("K", 4242), c.expected) << "value \"" << c.value << "\"";
  }
}

TEST(LayoutFileTest, IntegerGivesFallbackForAnythingElse) {
  const char* values[] = {"12abc",
                          "abc",
                          "1.0",
                          "0x10",
                          "$10",
                          "",
                          "+",
                          "-",
                          "+-5",
                          "--5",
                          "1 2",
                          "1e3",
                          "12;c",
                          "\xD6\xD0",
                          "2147483648",
                          "-2147483649",
                          "99999999999999999999"};
  for (const char* value : values) {
    const LayoutFile file = org("[org]\nK=" + std::string(value) + "\n");
    EXPECT_EQ(file.integer("K", 4242), 4242) << "value \"" << value << "\"";
  }
  EXPECT_EQ(org("[org]\n").integer("Missing", -5), -5);
}

TEST(LayoutFileTest, EnabledOnlyForExactlyOne) {
  EXPECT_TRUE(org("[org]\nK=1\n").enabled("K"));
  EXPECT_TRUE(org("[org]\nK = 1 \n").enabled("K"));
  for (const char* value : {"01", "1.0", "+1", "yes", "true", "on", "2", "-1", "0", "", "1 1"}) {
    const LayoutFile file = org("[org]\nK=" + std::string(value) + "\n");
    EXPECT_FALSE(file.enabled("K")) << "value \"" << value << "\"";
  }
  EXPECT_FALSE(org("[org]\n").enabled("K"));
}

TEST(LayoutFileTest, TextDecodesGbkToUtf8) {
  // "D:\宏文件\" in GBK.
  const LayoutFile file = org("[org]\nPath=D:\\\xBA\xEA\xCE\xC4\xBC\xFE\\\n");
  EXPECT_EQ(hex(file.text("Path")), hex("D:\\\u5B8F\u6587\u4EF6\\"));
}

TEST(LayoutFileTest, TextKeepsGbkTrailByteThatLooksLikeBackslash) {
  // 0x95 0x5C is one character; its second byte is not a path separator.
  const LayoutFile file = org("[org]\nPath=C:\\\x95\x5C\\\n");
  EXPECT_EQ(hex(file.text("Path")), hex("C:\\\u661E\\"));
}

TEST(LayoutFileTest, TextReplacesInvalidGbk) {
  // A lead byte before a blank, a byte that is never GBK, a lead byte cut off at the end.
  const LayoutFile file =
      org("[org]\nWeb=\x81 a\xFF"
          "b\x81\n");
  EXPECT_EQ(hex(file.text("Web")), hex("\uFFFD a\uFFFDb\uFFFD"));
}

TEST(LayoutFileTest, GbkCommentLinesAreSkipped) {
  // "; 程序通用设置" in GBK, then a banner with GBK text and no "=".
  const LayoutFile file =
      org("; \xB3\xCC\xD0\xF2\xCD\xA8\xD3\xC3\xC9\xE8\xD6\xC3\r\n"
          "[org]\r\n"
          "// \xB3\xCC\xD0\xF2 ****\r\n"
          "Web_X=1\r\n");
  EXPECT_EQ(file.keyCount(), 1u);
  EXPECT_EQ(file.integer("Web_X", -1), 1);
}

TEST(LayoutFileTest, NulBytesAreData) {
  const LayoutFile file =
      org("[org]\nWeb=a\0b\nWeb_X=\0"
          "1\n"s);
  EXPECT_EQ(hex(file.text("Web")), "61 00 62");
  EXPECT_EQ(file.integer("Web_X", -1), -1);
}

TEST(LayoutFileTest, GarbageBeforeTheSectionDoesNotStopTheRead) {
  std::mt19937 random(20240601);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 600);
  for (int round = 0; round < 500; ++round) {
    std::string garbage;
    const int size = length(random);
    for (int i = 0; i < size; ++i) garbage += static_cast<char>(byte(random));
    const LayoutFile file = org(garbage + "\n[org]\nWeb_X=5\nWeb=\xD6\xD0\n");
    ASSERT_EQ(file.integer("Web_X", -1), 5) << "round " << round;
    ASSERT_EQ(file.text("Web"), "\u4E2D") << "round " << round;
    // Whatever keys the garbage made up must read without harm.
    file.text("Path");
    file.integer("DPI_Count", 15);
  }
}

TEST(LayoutFileTest, GarbageValuesDecodeToValidUtf8) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0x20, 0xFF);
  for (int round = 0; round < 500; ++round) {
    std::string value;
    for (int i = 0; i < 40; ++i) value += static_cast<char>(byte(random));
    const LayoutFile file = org("[org]\nWeb=" + value + "\n");
    const std::string text = file.text("Web");
    ASSERT_TRUE(isValidUtf8(text)) << "round " << round << ": " << hex(text);
    // Each input byte gives at most one 3-byte UTF-8 sequence.
    ASSERT_LE(text.size(), 3 * value.size()) << "round " << round;
  }
}

}  // namespace
}  // namespace mousecfg
