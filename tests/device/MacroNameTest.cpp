#include "device/MacroName.h"

#include <gtest/gtest.h>

#include <array>

namespace mousecfg::macro {
namespace {

using Name = std::array<uint8_t, kNameLength>;

TEST(MacroNameDecode, AsciiStopsAtTheFirstZeroUnit) {
  const Name name = {0x00, 'F', 0x00, 'i', 0x00, 'r', 0x00, 'e', 0, 0, 0x00, 'X'};
  EXPECT_EQ(decodeMacroName(name), "Fire");
}

TEST(MacroNameDecode, EightUnitsWithoutTerminatorAreAllUsed) {
  const Name name = {0, 'A', 0, 'B', 0, 'C', 0, 'D', 0, 'E', 0, 'F', 0, 'G', 0, 'H'};
  EXPECT_EQ(decodeMacroName(name), "ABCDEFGH");
}

TEST(MacroNameDecode, NonAsciiUnitsBecomeUtf8) {
  // U+00E9, U+5B8F, U+0031
  const Name name = {0x00, 0xE9, 0x5B, 0x8F, 0x00, 0x31};
  EXPECT_EQ(decodeMacroName(name),
            "\xC3\xA9\xE5\xAE\x8F"
            "1");
}

TEST(MacroNameDecode, SurrogatePairsAndStraySurrogates) {
  // U+1F600 as D83D DE00, then a lone low surrogate, then a high surrogate in the last unit.
  const Name name = {0xD8, 0x3D, 0xDE, 0x00, 0xDC, 0x01, 0x00, 'a',
                     0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
  EXPECT_EQ(decodeMacroName(name),
            "\xF0\x9F\x98\x80\xEF\xBF\xBD"
            "a");
  const Name trailingHigh = {0, 'z', 0, 'z', 0, 'z', 0, 'z', 0, 'z', 0, 'z', 0, 'z', 0xD8, 0x3D};
  EXPECT_EQ(decodeMacroName(trailingHigh), "zzzzzzz\xEF\xBF\xBD");
}

}  // namespace
}  // namespace mousecfg::macro
