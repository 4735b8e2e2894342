#include "engineer/ServiceAccess.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace mousecfg::test {
namespace {

// The tests use codes of their own; the program's codes are never written out.
constexpr const char* kFirstCode = "first-level";
constexpr const char* kSecondCode = "first-level-plus";

class ServiceAccessTest : public ::testing::Test {
 protected:
  ServiceAccessTest() {
    access.askForCode = [this]() -> std::optional<std::string> {
      ++asked;
      return answer;
    };
  }

  void logoDoubleClicks(int count) {
    for (int i = 0; i < count; ++i) access.logoDoubleClick();
  }
  void gunPageDoubleClicks(int count) {
    for (int i = 0; i < count; ++i) access.gunPageDoubleClick();
  }
  void expectEngineerPageHidden() const {
    EXPECT_EQ(access.level(), ServiceLevel::Off);
    EXPECT_FALSE(access.vendorProductCodesShown());
    EXPECT_FALSE(access.gunConfirmTabShown());
    EXPECT_FALSE(access.advancedTabShown());
    EXPECT_FALSE(access.defaultAndImportButtonsShown());
    EXPECT_FALSE(access.lightingGroupsShown());
  }

  ServiceAccess access{{ServiceAccess::codeHash(kFirstCode), ServiceAccess::codeHash(kSecondCode)}};
  std::optional<std::string> answer;
  int asked = 0;
};

// ---- Asking ----

TEST_F(ServiceAccessTest, TheFifthDoubleClickAsksAndTheFourthDoesNot) {
  logoDoubleClicks(4);
  EXPECT_EQ(asked, 0);
  access.logoDoubleClick();
  EXPECT_EQ(asked, 1);
}

TEST_F(ServiceAccessTest, EveryFifthDoubleClickOfTheRunAsks) {
  answer = "wrong";
  logoDoubleClicks(9);
  EXPECT_EQ(asked, 1);
  access.logoDoubleClick();
  EXPECT_EQ(asked, 2);
}

TEST_F(ServiceAccessTest, WithoutADialogNothingIsAsked) {
  access.askForCode = nullptr;
  logoDoubleClicks(5);
  expectEngineerPageHidden();
}

// ---- Levels ----

TEST_F(ServiceAccessTest, TheFirstLevelShowsTheManufacturerAndProductCodes) {
  answer = kFirstCode;
  logoDoubleClicks(5);
  EXPECT_EQ(access.level(), ServiceLevel::First);
  EXPECT_TRUE(access.vendorProductCodesShown());
  EXPECT_FALSE(access.gunConfirmTabShown());
  EXPECT_FALSE(access.advancedTabShown());
  EXPECT_FALSE(access.defaultAndImportButtonsShown());
  EXPECT_FALSE(access.lightingGroupsShown());
}

TEST_F(ServiceAccessTest, TheSecondLevelShowsTheTabsButtonsAndGroupsToo) {
  answer = kSecondCode;
  logoDoubleClicks(5);
  EXPECT_EQ(access.level(), ServiceLevel::Second);
  EXPECT_TRUE(access.vendorProductCodesShown());
  EXPECT_TRUE(access.gunConfirmTabShown());
  EXPECT_TRUE(access.advancedTabShown());
  EXPECT_TRUE(access.defaultAndImportButtonsShown());
  EXPECT_TRUE(access.lightingGroupsShown());
}

TEST_F(ServiceAccessTest, WrongOrCancelledCodesChangeNothing) {
  for (const std::optional<std::string>& entered :
       {std::optional<std::string>("wrong"), std::optional<std::string>(""),
        std::optional<std::string>("FIRST-LEVEL"), std::optional<std::string>("first-leve"),
        std::optional<std::string>(" first-level"), std::optional<std::string>()}) {
    answer = entered;
    logoDoubleClicks(5);
    expectEngineerPageHidden();
  }
  EXPECT_EQ(asked, 6);
}

TEST_F(ServiceAccessTest, ADoubleClickWhileOnTurnsItOffWithoutAsking) {
  answer = kSecondCode;
  logoDoubleClicks(5);
  ASSERT_EQ(access.level(), ServiceLevel::Second);
  access.logoDoubleClick();
  expectEngineerPageHidden();
  EXPECT_EQ(asked, 1);
}

TEST_F(ServiceAccessTest, TurningOffDoesNotCountTowardsTheNextAsk) {
  answer = kFirstCode;
  logoDoubleClicks(5);
  access.logoDoubleClick();  // off
  logoDoubleClicks(4);
  EXPECT_EQ(asked, 1);
  access.logoDoubleClick();
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(access.level(), ServiceLevel::First);
}

TEST_F(ServiceAccessTest, AnEnteredCodeSetsTheLevelAWrongOneKeepsIt) {
  access.enterCode(kSecondCode);
  EXPECT_EQ(access.level(), ServiceLevel::Second);
  access.enterCode("wrong");
  EXPECT_EQ(access.level(), ServiceLevel::Second);
  access.enterCode(kFirstCode);
  EXPECT_EQ(access.level(), ServiceLevel::First);
}

// ---- The gun page ----

TEST_F(ServiceAccessTest, TheFirstLevelCodeOnTheGunPageShowsTheEditor) {
  answer = kFirstCode;
  gunPageDoubleClicks(4);
  EXPECT_FALSE(access.gunEditorShown());
  access.gunPageDoubleClick();
  EXPECT_TRUE(access.gunEditorShown());
  EXPECT_EQ(access.level(), ServiceLevel::Off) << "the engineer page keeps its own mode";
}

TEST_F(ServiceAccessTest, OnlyTheFirstLevelCodeOpensTheGunEditor) {
  for (const char* entered : {kSecondCode, "wrong"}) {
    answer = entered;
    gunPageDoubleClicks(5);
    EXPECT_FALSE(access.gunEditorShown()) << entered;
  }
}

TEST_F(ServiceAccessTest, ADoubleClickOnTheGunPageWhileShownHidesTheEditor) {
  answer = kFirstCode;
  gunPageDoubleClicks(5);
  access.gunPageDoubleClick();
  EXPECT_FALSE(access.gunEditorShown());
  EXPECT_EQ(asked, 1);
}

TEST_F(ServiceAccessTest, TheGunPageAndTheLogoCountApart) {
  answer = kFirstCode;
  logoDoubleClicks(3);
  gunPageDoubleClicks(2);
  EXPECT_EQ(asked, 0);
  EXPECT_FALSE(access.gunEditorShown());
  EXPECT_EQ(access.level(), ServiceLevel::Off);
}

// ---- The codes themselves ----

TEST_F(ServiceAccessTest, CodesAreToldByTheirHashesAlone) {
  const ServiceAccess::CodeHashes hashes{ServiceAccess::codeHash(kFirstCode),
                                         ServiceAccess::codeHash(kSecondCode)};
  EXPECT_EQ(ServiceAccess::acceptsServiceCode(kFirstCode, hashes), ServiceLevel::First);
  EXPECT_EQ(ServiceAccess::acceptsServiceCode(kSecondCode, hashes), ServiceLevel::Second);
  EXPECT_EQ(ServiceAccess::acceptsServiceCode("first-level-plu", hashes), ServiceLevel::Off);
}

TEST_F(ServiceAccessTest, TheProgramsCodesAreNotTheTestsOrEmpty) {
  for (const char* text : {kFirstCode, kSecondCode, "", "Password", "0"})
    EXPECT_EQ(ServiceAccess::acceptsServiceCode(text), ServiceLevel::Off) << text;
}

// The stored hashes were computed once with this salt and algorithm: a change to either
// would lock the codes out.
TEST_F(ServiceAccessTest, TheHashIsTheSaltedFnv1aTheStoredHashesWereMadeWith) {
  EXPECT_EQ(ServiceAccess::codeHash("x"), 0x85CA62332CBF30AFu);
  EXPECT_NE(ServiceAccess::codeHash("a"), 0xAF63DC4C8601EC8Cu) << "plain FNV-1a of \"a\"";
}

}  // namespace
}  // namespace mousecfg::test
