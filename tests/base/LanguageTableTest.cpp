#include "base/LanguageTable.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace mousecfg {
namespace {

// UTF-16LE bytes of `text`, with or without the byte-order mark.
std::vector<uint8_t> utf16(std::u16string_view text, bool withBom = true) {
  std::vector<uint8_t> bytes;
  if (withBom) bytes = {0xFF, 0xFE};
  for (char16_t unit : text) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

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

// Every key with its text, in file order: "key=text|key=text|...".
std::string dump(const LanguageTable& table) {
  std::string result;
  for (const std::string& key : table.keys()) {
    if (!result.empty()) result += '|';
    result += key + "=" + table.text(key);
  }
  return result;
}

LanguageTable lang1(std::u16string_view text) {
  return LanguageTable::fromUtf16Ini(utf16(text), "lang1");
}

constexpr std::u16string_view kSmallTable =
    u"[lang1]\r\n"
    u"\"FontName=Calibri\"\r\n"
    u"\"Title=USB Gaming Mouse\"\r\n"
    u"\r\n"
    u"\"Str001=Default\"\r\n"
    u"\"Str009=Save Profile\"\r\n";

constexpr std::string_view kSmallTableDump =
    "FontName=Calibri|Title=USB Gaming Mouse|Str001=Default|Str009=Save Profile";

TEST(LanguageTableDecodeTest, ByteOrderMarkIsSkippedAndOtherwiseReadAsText) {
  EXPECT_EQ(hex(decodeUtf16Le(utf16(u"Ab", true))), "41 62");
  EXPECT_EQ(hex(decodeUtf16Le(utf16(u"Ab", false))), "41 62");
  // Without the mark the first two bytes are the first character.
  const std::vector<uint8_t> noMark = {0xFE, 0xFF, 0x41, 0x00};
  EXPECT_EQ(hex(decodeUtf16Le(noMark)), "EF BF BE 41");
}

TEST(LanguageTableDecodeTest, CharactersBecomeUtf8) {
  EXPECT_EQ(hex(decodeUtf16Le(utf16(u"\u00fc\u4e2d"))), "C3 BC E4 B8 AD");
  EXPECT_EQ(hex(decodeUtf16Le(utf16(u"\U0001F600"))), "F0 9F 98 80");
}

TEST(LanguageTableDecodeTest, BrokenInputNeverReadsPastTheEnd) {
  EXPECT_EQ(decodeUtf16Le({}), "");
  const std::vector<uint8_t> markOnly = {0xFF, 0xFE};
  EXPECT_EQ(decodeUtf16Le(markOnly), "");
  const std::vector<uint8_t> oneByte = {0x41};
  EXPECT_EQ(decodeUtf16Le(oneByte), "");
  const std::vector<uint8_t> oddTail = {0xFF, 0xFE, 0x41, 0x00, 0x42};
  EXPECT_EQ(hex(decodeUtf16Le(oddTail)), "41");
  // A high surrogate as the last unit, a lone low surrogate, a high one followed by
  // a normal character: each becomes U+FFFD and nothing is lost after it.
  const std::vector<uint8_t> highAtEnd = {0x41, 0x00, 0x3D, 0xD8};
  EXPECT_EQ(hex(decodeUtf16Le(highAtEnd)), "41 EF BF BD");
  const std::vector<uint8_t> highAtEndOdd = {0x3D, 0xD8, 0x00};
  EXPECT_EQ(hex(decodeUtf16Le(highAtEndOdd)), "EF BF BD");
  const std::vector<uint8_t> loneLow = {0x00, 0xDE, 0x41, 0x00};
  EXPECT_EQ(hex(decodeUtf16Le(loneLow)), "EF BF BD 41");
  const std::vector<uint8_t> highThenText = {0x3D, 0xD8, 0x41, 0x00};
  EXPECT_EQ(hex(decodeUtf16Le(highThenText)), "EF BF BD 41");
}

TEST(LanguageTableSplitTest, BlanksAndLineBreaksSeparateQuotesGroup) {
  const std::vector<std::string> entries =
      splitLanguageEntries("\"A=x y\"  B=1\tC=2\r\nD=\"q\" \"E=\"\"hi\"\"\" \"\" \"F=end");
  const std::vector<std::string> expected = {"A=x y",    "B=1", "C=2",  "D=\"q\"",
                                             "E=\"hi\"", "",    "F=end"};
  EXPECT_EQ(entries, expected);
}

TEST(LanguageTableSplitTest, ClosingQuoteEndsTheEntryEvenWithoutSeparator) {
  const std::vector<std::string> expected = {"A=1", "B=2"};
  EXPECT_EQ(splitLanguageEntries("\"A=1\"B=2"), expected);
}

TEST(LanguageTableParseTest, TableWithAndWithoutByteOrderMarkReadAlike) {
  const LanguageTable withMark = LanguageTable::fromUtf16Ini(utf16(kSmallTable, true), "lang1");
  const LanguageTable withoutMark = LanguageTable::fromUtf16Ini(utf16(kSmallTable, false), "lang1");
  EXPECT_EQ(dump(withMark), kSmallTableDump);
  EXPECT_EQ(dump(withoutMark), kSmallTableDump);
  EXPECT_EQ(withMark.fontName(), "Calibri");
  EXPECT_EQ(withMark.title(), "USB Gaming Mouse");
}

TEST(LanguageTableParseTest, LineEndsAndFinalNewlineDoNotMatter) {
  EXPECT_EQ(dump(lang1(u"[lang1]\n\"FontName=Calibri\"\n\"Title=USB Gaming Mouse\"\n\n"
                       u"\"Str001=Default\"\n\"Str009=Save Profile\"")),
            kSmallTableDump);
  std::vector<uint8_t> oddTail = utf16(kSmallTable);
  oddTail.push_back(0x22);
  EXPECT_EQ(dump(LanguageTable::fromUtf16Ini(oddTail, "lang1")), kSmallTableDump);
}

TEST(LanguageTableParseTest, UnquotedEntryIsCutAtItsFirstBlank) {
  const LanguageTable table = lang1(u"[lang1]\r\nStr009=Save Profile\r\nStr010 = Load\r\n");
  EXPECT_EQ(table.text("Str009"), "Save");
  // "Str010", "=" and "Load" are three entries: no key without "=", no empty key.
  EXPECT_FALSE(table.contains("Str010"));
  EXPECT_EQ(dump(table), "Str009=Save");
}

TEST(LanguageTableParseTest, QuotedEntryIsTrimmedAroundKeyAndValue) {
  const LanguageTable table = lang1(u"[lang1]\r\n\"  Str001 =  Default \"\r\n");
  EXPECT_EQ(dump(table), "Str001=Default");
}

TEST(LanguageTableParseTest, KeyMayHoldBlanksWhenQuoted) {
  const LanguageTable table = lang1(u"[lang1]\r\n\"My Key=Some Text\"\r\n");
  EXPECT_EQ(table.text("My Key"), "Some Text");
  EXPECT_FALSE(table.contains("My"));
}

TEST(LanguageTableParseTest, ValueIsCutAtTheFirstEqualsSign) {
  EXPECT_EQ(lang1(u"[lang1]\r\n\"Str001=a=b\"\r\n").text("Str001"), "a=b");
}

TEST(LanguageTableParseTest, QuotesAreRemovedOnlyAroundAWholeEntry) {
  const LanguageTable table =
      lang1(u"[lang1]\r\nStr001=\"Quoted\"\r\n\"Str002=Say \"\"Hi\"\"\"\r\n");
  EXPECT_EQ(table.text("Str001"), "\"Quoted\"");
  EXPECT_EQ(table.text("Str002"), "Say \"Hi\"");
}

TEST(LanguageTableParseTest, UnterminatedQuoteRunsToTheEnd) {
  const LanguageTable table = lang1(u"[lang1]\r\n\"Str001=One\"\r\n\"Str002=open end\r\n");
  EXPECT_EQ(dump(table), "Str001=One|Str002=open end");
}

TEST(LanguageTableParseTest, EntriesWithoutKeyOrEqualsAndCommentsCarryNothing) {
  const LanguageTable table = lang1(
      u"[lang1]\r\n\"; Str001=Hidden\"\r\n\"Loose words\"\r\n\"=Nameless\"\r\n\"Str002=\"\r\n");
  EXPECT_EQ(dump(table), "Str002=");
  EXPECT_TRUE(table.contains("Str002"));
}

TEST(LanguageTableParseTest, OnlyTheWantedSectionCounts) {
  const LanguageTable table = lang1(
      u"\"Str001=Before\"\r\n"
      u"[LANG1]\r\n\"Str001=First\"\r\n"
      u"[lang2]\r\n\"Str002=Other\"\r\n"
      u"\"[ lang1 ]\"\r\n\"Str003=Again\"\r\n");
  EXPECT_EQ(dump(table), "Str001=First|Str003=Again");
}

TEST(LanguageTableParseTest, KeysMatchWithoutCaseAndTheFirstOfTwoCounts) {
  const LanguageTable table = lang1(u"[lang1]\r\n\"Str001=First\"\r\n\"STR001=Second\"\r\n");
  EXPECT_EQ(table.text("str001"), "First");
  EXPECT_EQ(table.size(), 1u);
}

TEST(LanguageTableParseTest, MissingKeyGivesEmptyText) {
  const LanguageTable table = lang1(kSmallTable);
  EXPECT_EQ(table.text("Str999"), "");
  EXPECT_FALSE(table.contains("Str999"));
  EXPECT_EQ(LanguageTable().text("Str001"), "");
  EXPECT_EQ(LanguageTable().fontName(), "");
}

TEST(LanguageTableParseTest, NonAsciiTextIsKeptAsUtf8) {
  EXPECT_EQ(hex(lang1(u"[lang1]\r\n\"Str210=Linke T\u00e4ste\"").text("Str210")),
            hex("Linke T\xC3\xA4ste"));
}

TEST(LanguageTableParseTest, GarbageBeforeTheSectionDoesNotHideIt) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 200; ++round) {
    std::u16string garbage;
    const int length = static_cast<int>(random() % 300);
    for (int i = 0; i < length; ++i) {
      char16_t unit = static_cast<char16_t>(random() & 0xFFFF);
      if (unit == u'"') unit = u'x';  // an open quote would swallow the rest by design
      garbage += unit;
    }
    const LanguageTable table =
        lang1(garbage + u"\r\n[lang1]\r\n\"Str001=Default\"\r\n\"Str002=Ok\"");
    ASSERT_EQ(table.text("Str001"), "Default") << "round " << round;
    ASSERT_EQ(table.text("Str002"), "Ok") << "round " << round;
  }
}

TEST(LanguageTableParseTest, RandomBytesGiveAConsistentTable) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    std::vector<uint8_t> bytes(random() % 400);
    for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(random());
    // Seed some structure so sections and entries do occur.
    const std::vector<uint8_t> header = utf16(u"[lang1]\r\n", round % 2 == 0);
    bytes.insert(bytes.begin(), header.begin(), header.end());
    const LanguageTable table = LanguageTable::fromUtf16Ini(bytes, "lang1");
    for (const std::string& key : table.keys()) {
      ASSERT_FALSE(key.empty());
      ASSERT_TRUE(table.contains(key));
    }
  }
}

}  // namespace
}  // namespace mousecfg
