#include "settings/LabelMarquee.h"

#include <gtest/gtest.h>

#include <array>

namespace mousecfg {
namespace {

TEST(LabelMarqueeTest, FirstTickMovesTheFirstCharacterBehindAGap) {
  EXPECT_EQ(marqueeFirstStep("Volume +"), "olume +    V");
  EXPECT_EQ(rotateLeftOneCharacter("olume +    V"), "lume +    Vo");
  EXPECT_EQ(marqueeFirstStep(""), "");
  EXPECT_EQ(rotateLeftOneCharacter(""), "");
}

TEST(LabelMarqueeTest, CharactersAreWholeUtf8Sequences) {
  EXPECT_EQ(marqueeFirstStep("\xE5\xAE\x8F"
                             "A"),
            "A    \xE5\xAE\x8F");
  EXPECT_EQ(rotateLeftOneCharacter("\xC3\xA9"
                                   "b"),
            "b\xC3\xA9");
  EXPECT_EQ(rotateLeftOneCharacter("\xE5\xAE"), "\xE5\xAE") << "a cut sequence stays whole";
}

TEST(LabelMarqueeTest, TicksRotateOnlyTheRunningLabel) {
  std::array<std::string, 12> captions;
  captions.fill("Key");
  captions[4] = "Ctrl+A";
  LabelMarquee marquee;
  EXPECT_FALSE(LabelRun(marquee, captions)) << "stopped: nothing moves";
  startMarquee(marquee, 5, captions[4]);
  ASSERT_TRUE(LabelRun(marquee, captions));
  EXPECT_EQ(captions[4], "trl+A    C");
  ASSERT_TRUE(LabelRun(marquee, captions));
  EXPECT_EQ(captions[4], "rl+A    Ct");
  for (size_t i = 0; i < captions.size(); ++i) {
    if (i != 4) {
      EXPECT_EQ(captions[i], "Key") << i;
    }
  }
  stopMarquee(marquee, captions);
  EXPECT_EQ(captions[4], "Ctrl+A");
  EXPECT_FALSE(marquee.running());
}

TEST(LabelMarqueeTest, CounterRestartsAtTwoSoTheGapIsAddedOnce) {
  std::array<std::string, 12> captions{};
  captions[0] = "AB";
  LabelMarquee marquee;
  startMarquee(marquee, 1, "AB");
  LabelRun(marquee, captions);  // "B    A": six characters
  for (int tick = 2; tick <= 25; ++tick) LabelRun(marquee, captions);
  EXPECT_EQ(marquee.counter, 2 + (25 - 21)) << "21 -> 2, then on to 6";
  EXPECT_EQ(captions[0].size(), 6u);
  EXPECT_EQ(captions[0], "B    A") << "25 ticks: 1 gap step and 24 rotations of 6 characters";
}

TEST(LabelMarqueeTest, LabelNumbersOutsideTheCaptionsDoNothing) {
  std::array<std::string, 12> captions{};
  LabelMarquee marquee;
  startMarquee(marquee, 13, "text");
  EXPECT_FALSE(LabelRun(marquee, captions));
  stopMarquee(marquee, captions);
  for (const std::string& caption : captions) EXPECT_EQ(caption, "");
}

}  // namespace
}  // namespace mousecfg
