#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "cli/InProcessMousectl.h"

namespace mousecfg {
namespace {

using test::CommandRun;

// Runs mousectl against a simulated mouse that keeps its stored block in a file of this
// test, so one run sees what the one before stored.
class ButtonsCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::path(::testing::TempDir()) /
             (std::string("mousectl-buttons-") + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    runner = std::make_unique<test::InProcessMousectl>(folder / "mouse.bin", folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  CommandRun mousectl(const std::string& arguments) { return runner->run(arguments); }

  std::filesystem::path folder;
  std::unique_ptr<test::InProcessMousectl> runner;
};

TEST_F(ButtonsCommandTest, ListsBothProfilesAndTheComboKeys) {
  const CommandRun run = mousectl("buttons");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("profile 1 (Office Mode), active:\n   1  01010000  Left Key\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("profile 2 (Game Mode):\n"), std::string::npos);
  EXPECT_NE(run.out.find("   3  0692001E  Fire Key1\n"), std::string::npos);
  EXPECT_NE(run.out.find("  12  02080700  Desktop\n"), std::string::npos);
  EXPECT_NE(run.out.find("combo keys:\n   1  00000000  Key Off\n   2  0E000000  LED Mode\n"
                         "   3  07800018  Office Mode\n"),
            std::string::npos);
}

TEST_F(ButtonsCommandTest, SetsAFunctionByMenuTextAndReadsItBack) {
  CommandRun run = mousectl("button 6 'volume +'");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "profile 1 button 6: Volume + (0300E900)\n");
  run = mousectl("buttons");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("   6  0300E900  Volume +\n"), std::string::npos) << run.out;
}

TEST_F(ButtonsCommandTest, SetsACodeStringOnProfile2) {
  CommandRun run = mousectl("button --profile 2 1 02030405");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "profile 2 button 1: Ctrl+Shift+A+B (02030405)\n");
  run = mousectl("buttons");
  const size_t profile2 = run.out.find("profile 2");
  ASSERT_NE(profile2, std::string::npos);
  EXPECT_EQ(run.out.find("   1  02030405  Ctrl+Shift+A+B\n"), run.out.find('\n', profile2) + 1);
}

TEST_F(ButtonsCommandTest, KeepsTheOnlyLeftKeyOfProfile1) {
  const CommandRun run = mousectl("button 1 Mute");
  EXPECT_EQ(run.status, 6) << "the configuration does not allow the change";
  EXPECT_NE(run.err.find("profile 1 must keep one"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("nothing was changed"), std::string::npos);
  EXPECT_NE(mousectl("buttons").out.find("   1  01010000  Left Key\n"), std::string::npos);
}

TEST_F(ButtonsCommandTest, UnknownFunctionsListCloseMatches) {
  const CommandRun run = mousectl("button 3 'Volume+'");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("no function is called \"Volume+\""), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("did you mean: \"Volume +\""), std::string::npos) << run.err;
  const CommandRun ambiguous = mousectl("button 3 Stop");
  EXPECT_EQ(ambiguous.status, 2);
  EXPECT_NE(ambiguous.err.find("\"Media/Stop\" \"Internet Explorer/Stop\""), std::string::npos)
      << ambiguous.err;
}

TEST_F(ButtonsCommandTest, ButtonNumbersAndProfilesOutsideTheirRange) {
  for (const char* arguments : {"button 0 Mute", "button 13 Mute", "button x Mute"}) {
    const CommandRun run = mousectl(arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_NE(run.err.find("buttons are numbered 1..12"), std::string::npos) << run.err;
  }
  const CommandRun profile = mousectl("button 2 Mute --profile 3");
  EXPECT_EQ(profile.status, 2);
  EXPECT_NE(profile.err.find("use 1 or 2"), std::string::npos) << profile.err;
  EXPECT_EQ(mousectl("button 2").status, 2);
  EXPECT_EQ(mousectl("buttons extra").status, 2);
  EXPECT_FALSE(std::filesystem::exists(folder / "mouse.bin")) << "nothing was stored";
}

TEST_F(ButtonsCommandTest, HelpDescribesTheForms) {
  const CommandRun run = mousectl("button --help");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("Usage: mousectl button [OPTIONS] N FUNCTION"), std::string::npos);
  EXPECT_NE(run.out.find("-p,--profile 1|2"), std::string::npos) << run.out;
  EXPECT_EQ(mousectl("buttons --help").status, 0);
}

}  // namespace
}  // namespace mousecfg
