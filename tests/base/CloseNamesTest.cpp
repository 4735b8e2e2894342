#include "base/CloseNames.h"

#include <gtest/gtest.h>

namespace mousecfg::test {
namespace {

const std::vector<std::string> kNames{"Space bar", "Page Up", "Page Down", "Backspace", "Tab"};

TEST(CloseNames, SmallSlipsAreCloseWithoutRegardToCase) {
  EXPECT_EQ(closeNames("backspce", kNames), std::vector<std::string>{"Backspace"});
  EXPECT_EQ(closeNames("TAB", kNames), std::vector<std::string>{"Tab"});
  EXPECT_TRUE(closeNames("Insert", kNames).empty());
}

TEST(CloseNames, TheFirstWordOfALongerNameIsClose) {
  EXPECT_EQ(closeNames("space", kNames), std::vector<std::string>{"Space bar"});
  EXPECT_EQ(closeNames("Page", kNames), (std::vector<std::string>{"Page Up", "Page Down"}));
  EXPECT_TRUE(closeNames("Spa", kNames).empty()) << "a part of a word is not";
}

TEST(CloseNames, TheClosestComeFirstAndAtMostAsManyAsAsked) {
  EXPECT_EQ(closeNames("Page Dow", kNames, 1), std::vector<std::string>{"Page Down"});
  EXPECT_EQ(editDistance("kitten", "sitting"), 3u);
  EXPECT_EQ(editDistance("", "abc"), 3u);
}

}  // namespace
}  // namespace mousecfg::test
