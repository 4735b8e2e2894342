#include "macros/MacroText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

using Bytes = std::vector<uint8_t>;

std::string parsedHex(std::string_view text) {
  const MacroTextParse parse = parseMacroText(text);
  EXPECT_TRUE(parse.ok) << parse.error;
  return hexBytes(parse.bytes);
}

std::string errorOf(std::string_view text) {
  const MacroTextParse parse = parseMacroText(text);
  EXPECT_FALSE(parse.ok) << text;
  EXPECT_TRUE(parse.bytes.empty()) << "nothing comes of a text with a mistake";
  return parse.error;
}

TEST(MacroText, EventsBecomeTheirBytes) {
  EXPECT_EQ(parsedHex("press A\nrelease A\n"), "82 04 02 04 00");
  EXPECT_EQ(parsedHex("press Ctrl\npress \"Left Windows\"\nrelease Ctrl"), "81 01 81 08 01 01 00");
  EXPECT_EQ(parsedHex("click left\ndown backward\nup backward"), "A1 21 B0 30 00");
  EXPECT_EQ(parsedHex("delay 50\ndelay 65535\nmove -128 127"), "FE 00 32 FE FF FF 04 80 7F 00");
  EXPECT_EQ(parsedHex("press \"Space bar\"   # a comment\n\n  # another\npress 0x2c"),
            "82 2C 82 2C 00");
  EXPECT_EQ(parsedHex(""), "00");
}

TEST(MacroText, ARepeatBlockWrapsTheWholeMacro) {
  EXPECT_EQ(parsedHex("repeat 3 {\n  click left\n}\n"), "FD 03 A1 21 FC 00");
  EXPECT_EQ(parsedHex("repeat until-end {\nclick left\n}"), "FD 80 A1 21 FC 00");
  EXPECT_EQ(parsedHex("repeat until-any-key {\nclick left\n}"), "FD 7F A1 21 FC 00");
  EXPECT_EQ(parsedHex("repeat until-released {\nclick left\n}"), "A1 21 00");
}

TEST(MacroText, MistakesNameTheirLineAndColumn) {
  EXPECT_EQ(errorOf("press A\n  pres B"),
            "line 2, column 3: \"pres\" is not an event; the events are press, release, down, "
            "up, click, delay and move");
  EXPECT_EQ(errorOf("press Backspce"),
            "line 1, column 7: no key \"Backspce\"; did you mean Backspace?");
  EXPECT_EQ(errorOf("press Space"),
            "line 1, column 7: no key \"Space\"; did you mean \"Space bar\"?");
  EXPECT_EQ(errorOf("press Space bar"),
            "line 1, column 7: a name with a blank goes in double quotes: \"Space bar\"");
  EXPECT_EQ(errorOf("delay 70000"),
            "line 1, column 7: a delay is a whole number from 0 to 65535, not \"70000\"");
  EXPECT_EQ(errorOf("move 1"), "line 1, column 1: write it as \"move X Y\"");
  EXPECT_EQ(errorOf("move 1 2 3"), "line 1, column 10: write it as \"move X Y\"");
  EXPECT_EQ(errorOf("click thumb"),
            "line 1, column 7: no mouse button \"thumb\"; the buttons are left, right, middle, "
            "forward and backward");
  EXPECT_EQ(errorOf("press \"Left"), "line 1, column 7: a quoted name is not closed");
  EXPECT_EQ(errorOf("repeat 127 {\n}"),
            "line 1, column 8: a repeat count is a whole number from 1 to 126, not \"127\"");
}

TEST(MacroText, TheRepeatBlockHasItsRules) {
  EXPECT_EQ(errorOf("click left\nrepeat 2 {\n}"),
            "line 2, column 1: the repeat block holds the whole macro: it comes first");
  EXPECT_EQ(errorOf("repeat 2 {\nrepeat 3 {\n}\n}"),
            "line 2, column 1: a macro has one repeat block at most");
  EXPECT_EQ(errorOf("repeat 2 {\nclick left\n"),
            "line 3: the repeat block opened on line 1 is not closed with \"}\"");
  EXPECT_EQ(errorOf("repeat 2 {\n}\nclick left"),
            "line 3, column 1: nothing may follow the repeat block");
  EXPECT_EQ(errorOf("}"), "line 1, column 1: no repeat block is open");
}

TEST(MacroText, AMacroMustFitIts256Bytes) {
  std::string text;
  for (int i = 0; i < 85; ++i) text += "delay 1\n";  // 255 bytes and the end byte
  EXPECT_TRUE(parseMacroText(text).ok);
  EXPECT_EQ(errorOf(text + "click left"),
            "the macro takes 258 bytes with its end; a macro holds at most 256");
}

TEST(MacroText, WrittenTextReadsBackAsTheSameBytes) {
  const std::vector<Bytes> macros = {
      {0x00},
      {0x82, 0x04, 0xFE, 0x00, 0x32, 0x02, 0x04, 0x00},
      {0xFD, 0x05, 0x81, 0x80, 0xA4, 0x24, 0xA8, 0x01, 0x80, 0xFC, 0x00},
      {0xFD, 0x7F, 0x04, 0xFF, 0x01, 0x82, 0x32, 0x02, 0x32, 0xFC, 0x00},
      {0x21, 0xA2, 0x82, 0x2C, 0x00}};
  for (const Bytes& bytes : macros) {
    const MacroTextWrite write = writeMacroText(bytes, "Jump");
    ASSERT_TRUE(write.ok) << write.error;
    EXPECT_TRUE(write.text.starts_with("# Jump\n")) << write.text;
    EXPECT_EQ(parsedHex(write.text), hexBytes(bytes)) << write.text;
  }
  EXPECT_EQ(writeMacroText(Bytes{0xFD, 0x03, 0xA1, 0x21, 0xFC, 0x00}).text,
            "repeat 3 {\n  click left\n}\n");
  EXPECT_EQ(writeMacroText(Bytes{0x82, 0x2C, 0x02, 0x2C, 0x00}).text,
            "press \"Space bar\"\nrelease \"Space bar\"\n");
}

TEST(MacroText, BytesWithoutATextFormAreRefused) {
  EXPECT_FALSE(writeMacroText(Bytes{0xA1, 0x21}).ok) << "no end byte";
  EXPECT_FALSE(writeMacroText(Bytes{0xA1, 0xFD, 0x02, 0x21, 0xFC, 0x00}).ok) << "a block inside";
  EXPECT_FALSE(writeMacroText(Bytes{0x81, 0x03, 0x00}).ok) << "two modifier bits";
  EXPECT_FALSE(writeMacroText(Bytes{0x55, 0x00}).ok);
  const MacroTextWrite title = writeMacroText(Bytes{0x00}, "a\nclick left");
  EXPECT_EQ(parsedHex(title.text), "00") << "a line break in the name stays in the comment";
}

// ---- gun presets ----

using Record = std::array<uint8_t, 24>;

Record recordOf(std::initializer_list<uint8_t> events) {
  Record record{};
  std::copy(events.begin(), events.end(), record.begin());
  return record;
}

// The built-in first gun: its repeat block stands between the press and the release.
const Record kDefaultGun1 = recordOf({0xA1, 0xFE, 0x00, 0x06, 0xFD, 0x00, 0x04, 0x00, 0x07, 0xFE,
                                      0x00, 0x14, 0xFC, 0x21, 0xFE, 0x00, 0x06});

constexpr const char* kDefaultGun1Text =
    "down left\n"
    "delay 6\n"
    "repeat 0 {\n"
    "  move 0 7\n"
    "  delay 20\n"
    "}\n"
    "up left\n"
    "delay 6\n";

std::string gunHex(std::string_view text) {
  const MacroTextParse parse = parseGunPresetText(text);
  EXPECT_TRUE(parse.ok) << parse.error;
  return hexBytes(parse.bytes);
}

std::string gunErrorOf(std::string_view text) {
  const MacroTextParse parse = parseGunPresetText(text);
  EXPECT_FALSE(parse.ok) << text;
  EXPECT_TRUE(parse.bytes.empty()) << "nothing comes of a text with a mistake";
  return parse.error;
}

TEST(GunPresetText, ARepeatBlockAmongTheEventsGivesTheDefaultRecord) {
  EXPECT_EQ(gunHex(kDefaultGun1Text), hexBytes(kDefaultGun1));
}

TEST(GunPresetText, TheRecordIsFilledWithZerosToItsTwentyFourBytes) {
  EXPECT_EQ(gunHex(""), hexBytes(Record{}));
  EXPECT_EQ(gunHex("repeat 255 {\n  click left\n}"),
            "FD FF A1 21 FC 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
}

TEST(GunPresetText, TheRepeatCountIsAPlainByte) {
  EXPECT_EQ(gunHex("repeat 0 {\n}").substr(0, 8), "FD 00 FC");
  EXPECT_EQ(gunErrorOf("repeat 256 {\n}"),
            "line 1, column 8: a repeat count is a whole number from 0 to 255, not \"256\"");
  EXPECT_EQ(gunErrorOf("repeat until-end {\n}"),
            "line 1, column 8: a repeat count is a whole number from 0 to 255, not \"until-end\"");
  EXPECT_EQ(gunErrorOf("repeat until-released {\n}"),
            "line 1, column 8: a repeat count is a whole number from 0 to 255, not "
            "\"until-released\"");
  EXPECT_EQ(gunErrorOf("repeat {\n}"), "line 1, column 1: write it as \"repeat N {\"");
}

TEST(GunPresetText, OneRepeatBlockAtMost) {
  EXPECT_EQ(gunErrorOf("repeat 1 {\n}\nrepeat 2 {\n}"),
            "line 3, column 1: a gun preset has one repeat block at most");
  EXPECT_EQ(gunErrorOf("repeat 1 {\nrepeat 2 {\n}\n}"),
            "line 2, column 1: a gun preset has one repeat block at most");
  EXPECT_EQ(gunErrorOf("repeat 1 {\n}\n}"), "line 3, column 1: no repeat block is open");
  EXPECT_EQ(gunErrorOf("click left\nrepeat 1 {\n"),
            "line 3: the repeat block opened on line 2 is not closed with \"}\"");
}

TEST(GunPresetText, TwentyThreeEventBytesAtMost) {
  const std::string seven = "delay 1\ndelay 1\ndelay 1\ndelay 1\ndelay 1\ndelay 1\ndelay 1\n";
  EXPECT_EQ(gunHex(seven + "click left").substr(63), "A1 21 00") << "23 event bytes and the end";
  EXPECT_EQ(gunErrorOf(seven + "move 1 1"),
            "the gun preset takes 24 event bytes; a gun preset holds at most 23 (its last byte "
            "is the end byte)");
}

TEST(GunPresetText, MistakesNameTheirLineAndColumnAsInMacros) {
  EXPECT_EQ(gunErrorOf("down left\n  move 0 200"),
            "line 2, column 10: Y is a whole number from -128 to 127, not \"200\"");
  EXPECT_EQ(gunErrorOf("shoot"),
            "line 1, column 1: \"shoot\" is not an event; the events are press, release, down, "
            "up, click, delay and move");
}

TEST(GunPresetText, WrittenTextReadsBackAsTheSameRecord) {
  const std::vector<Record> records = {
      kDefaultGun1,
      // the built-in second gun: the block holds everything
      recordOf({0xFD, 0x00, 0xA1, 0xFE, 0x00, 0x18, 0x04, 0x00, 0x0C, 0xFE, 0x00, 0x01, 0x21, 0xFE,
                0x00, 0x18, 0xFC}),
      recordOf({0xFD, 0xFF, 0x04, 0x80, 0x7F, 0xFC, 0x82, 0x2C, 0x02, 0x2C}),
      recordOf({0x04, 0xFF, 0x01}), Record{}};
  for (const Record& record : records) {
    const MacroTextWrite write = writeGunPresetText(record, "AKM Fire");
    ASSERT_TRUE(write.ok) << write.error;
    EXPECT_TRUE(write.text.starts_with("# AKM Fire\n")) << write.text;
    EXPECT_EQ(gunHex(write.text), hexBytes(record)) << write.text;
  }
  EXPECT_EQ(writeGunPresetText(kDefaultGun1).text, kDefaultGun1Text);
}

TEST(GunPresetText, RecordsWithoutATextFormAreRefusedWithTheReason) {
  Record full{};
  for (size_t at = 0; at + 3 <= full.size(); at += 3) {
    full[at] = 0xFE;
    full[at + 1] = 0x00;
    full[at + 2] = 0x01;
  }
  EXPECT_EQ(writeGunPresetText(full).error,
            "the gun preset's events take more than 23 bytes: its last byte must be the end byte");
  EXPECT_EQ(writeGunPresetText(recordOf({0xA1, 0x55, 0x21})).error,
            "byte 55 at position 1 is no event's code");
  Record trailing = recordOf({0xA1, 0x21});
  trailing[20] = 0x07;
  EXPECT_EQ(writeGunPresetText(trailing).error,
            "byte 07 at position 20 follows the end byte; after it the gun preset's bytes are "
            "zero");
  EXPECT_EQ(writeGunPresetText(recordOf({0xFD, 0x01, 0xFC, 0xFD, 0x02, 0xFC})).error,
            "the gun preset has more than one repeat block");
  EXPECT_EQ(writeGunPresetText(recordOf({0xA1, 0xFC, 0x21})).error,
            "the gun preset's repeat block ends where none is open");
  EXPECT_EQ(writeGunPresetText(recordOf({0xFD, 0x01, 0xA1})).error,
            "the gun preset's repeat block is not closed");
}

TEST(MacroText, AMacrosRepeatBlockStillHoldsEverything) {
  EXPECT_EQ(writeMacroText(Bytes{0xA1, 0xFD, 0x02, 0x21, 0xFC, 0x00}).error,
            "the macro's repeat block does not hold all of its events");
  EXPECT_EQ(writeMacroText(Bytes{0xFD, 0x02, 0xFC, 0x21, 0x00}).error,
            "the macro's repeat block does not hold all of its events");
  EXPECT_EQ(writeMacroText(Bytes{0xFD, 0x00, 0xFC, 0x00}).error, "repeat byte 0 has no text form");
}

}  // namespace
}  // namespace mousecfg::test
