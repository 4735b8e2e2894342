#include "base/ProgramOptions.h"

#include <gtest/gtest.h>

#include <string>

#include "base/LayoutSet.h"

namespace mousecfg {
namespace {

ProgramOptions optionsFrom(const std::string& keys) {
  return readProgramOptions(LayoutFile("[org]\n" + keys, "org"));
}

TEST(ProgramOptionsTest, BuiltInFileGivesTheBuiltInValues) {
  const ProgramOptions options = builtInProgramOptions();
  EXPECT_TRUE(options.webEnable);
  EXPECT_EQ(options.web, "https://mousecfg.invalid/");
  EXPECT_EQ(options.webX, 750);
  EXPECT_EQ(options.webY, 520);
  EXPECT_EQ(options.revManuId, 0);
  EXPECT_EQ(options.revProId, 0);
  EXPECT_EQ(options.path, "");
  EXPECT_FALSE(options.trEnable);
  EXPECT_FALSE(options.beEnable);
  EXPECT_TRUE(options.gdEnable);
  EXPECT_TRUE(options.dpiLedStatus);
  EXPECT_EQ(options.gun6Num, 1);
  EXPECT_EQ(options.gun7Num, 1);
  EXPECT_EQ(options.numOrder, -1);
  EXPECT_EQ(options.numMouseOrder, 0);
  EXPECT_EQ(options.dpiCount, 15);
  EXPECT_EQ(options.dpiSliderMax(), 1409);
}

TEST(ProgramOptionsTest, BuiltInFileWritesEveryOptionOut) {
  const LayoutFile general = builtInGeneralLayout();
  EXPECT_EQ(general.keyCount(), 16u);
  for (const char* key : {"Web_Enable", "Web", "Web_X", "Web_Y", "Rev_Manu_ID", "Rev_Pro_ID",
                          "Path", "TR_Enable", "BE_Enable", "GD_Enable", "DPILED_Status",
                          "Gun6_Num", "Gun7_Num", "Num_Order", "Num_Mouse_Order", "DPI_Count"})
    EXPECT_TRUE(general.contains(key)) << key;
}

TEST(ProgramOptionsTest, MissingKeysTakeTheBuiltInValues) {
  EXPECT_EQ(readProgramOptions(LayoutFile()), builtInProgramOptions());
  EXPECT_EQ(optionsFrom("Unrelated=5\n"), builtInProgramOptions());
}

TEST(ProgramOptionsTest, NonNumericValuesTakeTheBuiltInValues) {
  const ProgramOptions options =
      optionsFrom("Web_X=left\nWeb_Y=12abc\nNum_Order=x\nDPI_Count=\nGun6_Num=two\n");
  EXPECT_EQ(options.webX, 750);
  EXPECT_EQ(options.webY, 520);
  EXPECT_EQ(options.numOrder, -1);
  EXPECT_EQ(options.dpiCount, 15);
  EXPECT_EQ(options.gun6Num, 1);
}

TEST(ProgramOptionsTest, ReadsEveryOptionFromTheFile) {
  const ProgramOptions options = optionsFrom(
      "Web_Enable=0\nWeb=https://a.invalid/p\nWeb_X=10\nWeb_Y=-20\nRev_Manu_ID=3\n"
      "Rev_Pro_ID=258\nPath=/home/u/macros/\nTR_Enable=1\nBE_Enable=1\nGD_Enable=1\n"
      "DPILED_Status=0\nGun6_Num=2\nGun7_Num=2\nNum_Order=1\nNum_Mouse_Order=-1\n"
      "DPI_Count=8\n");
  EXPECT_FALSE(options.webEnable);
  EXPECT_EQ(options.web, "https://a.invalid/p");
  EXPECT_EQ(options.webX, 10);
  EXPECT_EQ(options.webY, -20);
  EXPECT_EQ(options.revManuId, 3);
  EXPECT_EQ(options.revProId, 258);
  EXPECT_EQ(options.path, "/home/u/macros/");
  EXPECT_TRUE(options.trEnable);
  EXPECT_TRUE(options.beEnable);
  EXPECT_TRUE(options.gdEnable);
  EXPECT_FALSE(options.dpiLedStatus);
  EXPECT_EQ(options.gun6Num, 2);
  EXPECT_EQ(options.gun7Num, 2);
  EXPECT_EQ(options.numOrder, 1);
  EXPECT_EQ(options.numMouseOrder, -1);
  EXPECT_EQ(options.dpiCount, 8);
  EXPECT_EQ(options.dpiSliderMax(), 709);
}

TEST(ProgramOptionsTest, FlagsAreOnOnlyForOne) {
  const ProgramOptions options =
      optionsFrom("Web_Enable=01\nTR_Enable=yes\nGD_Enable=1.0\nBE_Enable=2\nDPILED_Status=true\n");
  EXPECT_FALSE(options.webEnable);
  EXPECT_FALSE(options.trEnable);
  EXPECT_FALSE(options.gdEnable);
  EXPECT_FALSE(options.beEnable);
  EXPECT_FALSE(options.dpiLedStatus);
}

TEST(ProgramOptionsTest, GunSixHasOneOrTwoStages) {
  const struct {
    const char* value;
    int stages;
  } cases[] = {{"0", 1}, {"-3", 1}, {"1", 1}, {"2", 2}, {"3", 2}, {"7", 2}};
  for (const auto& c : cases)
    EXPECT_EQ(optionsFrom(std::string("Gun6_Num=") + c.value + "\n").gun6Num, c.stages)
        << "Gun6_Num=" << c.value;
}

TEST(ProgramOptionsTest, GunSevenHasOneToThreeStages) {
  const struct {
    const char* value;
    int stages;
  } cases[] = {{"0", 1}, {"-1", 1}, {"1", 1}, {"2", 2}, {"3", 3}, {"7", 3}};
  for (const auto& c : cases)
    EXPECT_EQ(optionsFrom(std::string("Gun7_Num=") + c.value + "\n").gun7Num, c.stages)
        << "Gun7_Num=" << c.value;
}

TEST(ProgramOptionsTest, DpiCountStaysWithinTheCpiTable) {
  const struct {
    const char* value;
    int count;
    int sliderMax;
  } cases[] = {{"15", 15, 1409}, {"2", 2, 109},    {"1", 2, 109},     {"0", 2, 109},
               {"-4", 2, 109},   {"16", 15, 1409}, {"1000", 15, 1409}};
  for (const auto& c : cases) {
    const ProgramOptions options = optionsFrom(std::string("DPI_Count=") + c.value + "\n");
    EXPECT_EQ(options.dpiCount, c.count) << "DPI_Count=" << c.value;
    EXPECT_EQ(options.dpiSliderMax(), c.sliderMax) << "DPI_Count=" << c.value;
  }
}

TEST(ProgramOptionsTest, PathIsDecodedFromGbk) {
  // "D:\鼠标宏\" in GBK.
  const ProgramOptions options = optionsFrom("Path=D:\\\xCA\xF3\xB1\xEA\xBA\xEA\\\n");
  EXPECT_EQ(options.path, "D:\\\u9F20\u6807\u5B8F\\");
}

TEST(ProgramOptionsTest, EmptyWebValueIsKeptEmpty) {
  EXPECT_EQ(optionsFrom("Web=\n").web, "");
}

}  // namespace
}  // namespace mousecfg
