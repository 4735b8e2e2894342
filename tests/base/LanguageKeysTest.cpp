#include "base/LanguageKeys.h"

#include <gtest/gtest.h>

namespace mousecfg {
namespace {

TEST(LanguageKeys, TheNumberOfAKeyIsWhatFollowsThePrefix) {
  EXPECT_EQ(langkey::keyNumber("Str602"), 602);
  EXPECT_EQ(langkey::keyNumber("Str022"), 22);
  EXPECT_EQ(langkey::keyNumber(langkey::menu::kFireKey1), 231);
}

TEST(LanguageKeys, KeysOfNumbersHaveThreeDigits) {
  EXPECT_EQ(langkey::keyOfNumber(22), "Str022");
  EXPECT_EQ(langkey::keyOfNumber(800), "Str800");
  EXPECT_EQ(langkey::keyOfNumber(1003), "Str1003");
}

TEST(LanguageKeys, ARunIsCountedFromItsFirstKey) {
  EXPECT_EQ(langkey::keyAfter(langkey::caption::kGunName1, 0), "Str600");
  EXPECT_EQ(langkey::keyAfter(langkey::caption::kGunName1, 6), "Str606");
  EXPECT_EQ(langkey::keyAfter(langkey::menu::kOfficeMode, 1), langkey::menu::kGameMode);
  EXPECT_EQ(langkey::keyAfter(langkey::menu::kFireKey1, 2), langkey::menu::kFireKey3);
  EXPECT_EQ(langkey::keyAfter("Str008", 2), "Str010");
}

}  // namespace
}  // namespace mousecfg
