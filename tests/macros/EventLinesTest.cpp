#include "macros/EventLines.h"

#include <gtest/gtest.h>

#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

using Bytes = std::vector<uint8_t>;

std::string compiledHex(const EventLines& lines,
                        RepeatSetting repeat = RepeatSetting::UntilKeyReleased, int count = 1) {
  return hexBytes(compileMacro(lines, repeat, count).bytes);
}

TEST(EventLines, AKeyPressAndReleaseDecodeAndCompileBack) {
  const DecodedMacro decoded = decodeMacro(Bytes{0x82, 0x04, 0x02, 0x04});
  EXPECT_EQ(decoded.lines, (EventLines{"00", "1 A CODE:8204", "2 A CODE:0204"}));
  EXPECT_EQ(decoded.settings.delayMode, DelayMode::NoDelay);
  EXPECT_EQ(decoded.settings.repeat, RepeatSetting::UntilKeyReleased);
  EXPECT_EQ(compiledHex(decoded.lines), "82 04 02 04 00");
  const CompiledMacro circles = compileMacro(decoded.lines, RepeatSetting::Circles, 3);
  EXPECT_EQ(hexBytes(circles.bytes), "FD 03 82 04 02 04 FC 00");
  EXPECT_EQ(circles.script, "FD0382040204FC00");
  EXPECT_EQ(compiledHex(decoded.lines, RepeatSetting::UntilMacroEnd), "FD 80 82 04 02 04 FC 00");
  EXPECT_EQ(compiledHex(decoded.lines, RepeatSetting::UntilAnyKey), "FD 7F 82 04 02 04 FC 00");
}

TEST(EventLines, FourEqualDelaysMeanAFixedDelayAndFewerMeanRecordedOnes) {
  const Bytes four{0xFE, 0x00, 0x32, 0xA1, 0xFE, 0x00, 0x32, 0x21,
                   0xFE, 0x00, 0x32, 0xA2, 0xFE, 0x00, 0x32, 0x22};
  const DecodedMacro fixed = decodeMacro(four);
  EXPECT_EQ(fixed.lines[0], "0150");
  EXPECT_EQ(fixed.settings.delayMode, DelayMode::FixedDelay);
  EXPECT_EQ(fixed.settings.fixedDelayMs, 50);
  EXPECT_EQ(fixed.lines[1], "0 50");
  EXPECT_EQ(fixed.lines[2], "1 LeftKey CODE:00A1");
  EXPECT_EQ(fixed.lines[8], "2 RightKey CODE:0022");
  EXPECT_EQ(compiledHex(fixed.lines), hexBytes(four) + " 00");

  const DecodedMacro two = decodeMacro(Bytes{0xFE, 0x00, 0x32, 0xA1, 0xFE, 0x00, 0x32, 0x21});
  EXPECT_EQ(two.lines[0], "10");
  EXPECT_EQ(two.settings.delayMode, DelayMode::RealRecord);
}

TEST(EventLines, RepeatModesDecodeIntoTheRepeatSetting) {
  const DecodedMacro circles = decodeMacro(Bytes{0xFD, 0x05, 0xA1, 0x21, 0xFC});
  EXPECT_EQ(circles.settings.repeat, RepeatSetting::Circles);
  EXPECT_EQ(circles.settings.repeatCount, 5);
  EXPECT_EQ(circles.lines.size(), 3u) << "the repeat markers give no lines";
  EXPECT_EQ(decodeMacro(Bytes{0xFD, 0x7F, 0xA1, 0xFC}).settings.repeat, RepeatSetting::UntilAnyKey);
  EXPECT_EQ(decodeMacro(Bytes{0xFD, 0x80, 0xA1, 0xFC}).settings.repeat,
            RepeatSetting::UntilMacroEnd);
}

TEST(EventLines, ModifiersMovesAndButtonsHaveTheirLines) {
  const DecodedMacro decoded =
      decodeMacro(Bytes{0x81, 0x01, 0x01, 0x01, 0x81, 0x80, 0x04, 0xF4, 0x0C, 0xB0, 0x30});
  EXPECT_EQ(decoded.lines,
            (EventLines{"00", "1 Ctrl CODE:8101", "2 Ctrl CODE:0101", "1 Right Windows CODE:8180",
                        "3 04F40C", "1 Backward CODE:00B0", "2 Backward CODE:0030"}));
  EXPECT_EQ(entryText(decoded.lines[4]), "X: -12  Y: 12");
  EXPECT_EQ(entryText(decoded.lines[1]), "Ctrl");
  EXPECT_EQ(entryText("0 50"), "50 ms");
  EXPECT_EQ(entryText("7 FD03"), "Rep-Start  3");
  EXPECT_EQ(entryText("8 FC"), "Rep-Stop");
}

TEST(EventLines, TheWalkEndsAtAnUnknownCodeOrACutEvent) {
  EXPECT_EQ(decodeMacro(Bytes{0xA1, 0x55, 0x21}).lines.size(), 2u);
  EXPECT_EQ(decodeMacro(Bytes{0xA1, 0xFE, 0x00}).lines.size(), 2u);
  EXPECT_EQ(decodeMacro(Bytes{0x81, 0x03}).lines, EventLines{"00"}) << "not one modifier bit";
  EXPECT_EQ(decodeMacro({}).lines, EventLines{"00"});
}

TEST(EventLines, ADelayAbove65535IsStoredAs65535) {
  EXPECT_EQ(compiledHex({"10", "0 70000", "1 LeftKey CODE:00A1"}), "FE FF FF A1 00");
}

TEST(EventLines, RepeatLinesFollowTheRepeatSetting) {
  const EventLines lines{"00", "7 FD03", "1 LeftKey CODE:00A1", "8 FC"};
  EXPECT_EQ(compiledHex(lines, RepeatSetting::UntilKeyReleased), "FD 03 A1 FC 00");
  EXPECT_EQ(compiledHex(lines, RepeatSetting::UntilMacroEnd), "FD 80 A1 FC 00");
  EXPECT_EQ(compiledHex(lines, RepeatSetting::Circles, 9), "A1 FC 00")
      << "with a repeat line the setting wraps nothing";
}

TEST(EventLines, DeletingAPressOrReleaseTakesItsPartner) {
  const EventLines lines{"00",           "1 A CODE:8204", "0 20", "1 B CODE:8205", "2 A CODE:0204",
                         "2 B CODE:0205"};
  EXPECT_EQ(linesToDelete(lines, 4), (std::vector<size_t>{1, 4})) << "release of the first";
  EXPECT_EQ(linesToDelete(lines, 3), (std::vector<size_t>{3, 5}));
  EXPECT_EQ(linesToDelete(lines, 2), (std::vector<size_t>{2}));
  const EventLines unpaired{"00", "2 A CODE:0204", "1 B CODE:8205"};
  EXPECT_EQ(linesToDelete(unpaired, 1), std::nullopt) << "Macro Content Error";
  EXPECT_EQ(linesToDelete(unpaired, 2), std::nullopt);
  EXPECT_EQ(linesToDelete(unpaired, 0), std::nullopt) << "the header is not an event";
}

TEST(EventLines, EveryDecodedMacroCompilesBackToItsBytes) {
  const std::vector<Bytes> macros = {
      {0x82, 0x2C, 0xFE, 0x01, 0x00, 0x02, 0x2C},
      {0xFD, 0x7E, 0x04, 0x80, 0x7F, 0xA4, 0x24, 0xFC},
      {0xFD, 0x80, 0x81, 0x04, 0x82, 0x3A, 0x02, 0x3A, 0x01, 0x04, 0xFC},
      {0xA8, 0x28, 0xFE, 0xFF, 0xFF, 0xA2, 0x22}};
  for (const Bytes& events : macros) {
    const DecodedMacro decoded = decodeMacro(events);
    EXPECT_EQ(compiledHex(decoded.lines, decoded.settings.repeat, decoded.settings.repeatCount),
              hexBytes(events) + " 00");
  }
}

}  // namespace
}  // namespace mousecfg::test
