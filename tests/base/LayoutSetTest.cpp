#include "base/LayoutSet.h"

#include <gtest/gtest.h>

namespace mousecfg {
namespace {

TEST(LayoutSetTest, LanguageIndexNamesResourceAndSection) {
  EXPECT_EQ(layoutResourceName(1), "ORG1");
  EXPECT_EQ(layoutSectionName(1), "org1");
  EXPECT_EQ(layoutResourceName(3), "ORG3");
  EXPECT_EQ(layoutSectionName(3), "org3");
}

TEST(LayoutSetTest, EveryLanguageHasItsBuiltInLayout) {
  for (int language = kFirstLanguage; language <= kLastLanguage; ++language) {
    const auto layout = builtInLayout(language);
    ASSERT_TRUE(layout.has_value()) << "language " << language;
    EXPECT_TRUE(layout->hasSection()) << "language " << language;
  }
}

TEST(LayoutSetTest, NoLayoutOutsideLanguagesOneToThree) {
  EXPECT_FALSE(builtInLayout(0).has_value());
  EXPECT_FALSE(builtInLayout(4).has_value());
  EXPECT_FALSE(builtInLayout(-1).has_value());
}

TEST(LayoutSetTest, BuiltInLayoutOneHidesTheLanguageThreeButton) {
  const auto layout = builtInLayout(1);
  ASSERT_TRUE(layout.has_value());
  EXPECT_TRUE(layout->contains("Btn_B10_Enable"));
  EXPECT_FALSE(layout->enabled("Btn_B10_Enable"));
  EXPECT_TRUE(layout->enabled("Btn_B8_Enable"));
  EXPECT_TRUE(layout->enabled("Btn_B9_Enable"));
}

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

void PrintTo(const Rgb& c, std::ostream* os) {
  *os << c.r << "," << c.g << "," << c.b;
}

Rgb textColour(const LayoutFile& layout, std::string_view group) {
  const std::string key = "Color_" + std::string(group) + "_";
  return {layout.integer(key + "R", -1), layout.integer(key + "G", -1),
          layout.integer(key + "B", -1)};
}

TEST(LayoutSetTest, LanguageTwoWritesGroupsAAndBInWhite) {
  const auto one = builtInLayout(1);
  const auto two = builtInLayout(2);
  const auto three = builtInLayout(3);
  ASSERT_TRUE(one && two && three);
  for (const char* group : {"A", "B"}) {
    EXPECT_EQ(textColour(*one, group), (Rgb{0, 0, 0})) << "group " << group;
    EXPECT_EQ(textColour(*two, group), (Rgb{255, 255, 255})) << "group " << group;
    EXPECT_EQ(textColour(*three, group), (Rgb{0, 0, 0})) << "group " << group;
  }
}

TEST(LayoutSetTest, LayoutSectionsDoNotLeakIntoTheGeneralFile) {
  const LayoutFile general = builtInGeneralLayout();
  EXPECT_TRUE(general.hasSection());
  EXPECT_FALSE(general.contains("Btn_B8_Enable"));
  EXPECT_FALSE(builtInLayout(1)->contains("Web"));
}

}  // namespace
}  // namespace mousecfg
