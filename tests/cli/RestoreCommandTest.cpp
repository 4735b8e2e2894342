#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <memory>

#include "DefaultImage.h"
#include "cli/InProcessMousectl.h"
#include "device/StoredBlockFile.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

namespace fs = std::filesystem;

struct RunResult {
  int status = -1;
  std::string output;  // standard output and standard error together
};

class RestoreCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("mousecfg-restore-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    simFile = folder / "mouse.bin";
    changed = builtInDefaultImage();
    changed[192 + 5 * 4] = 0x01;  // button 6 of profile 1 (DPI +) becomes Middle Key
    changed[192 + 5 * 4 + 1] = 0x04;
    changed[240] ^= 0x07;  // and the table's checksum no longer fits
    changed[600] = 0xAB;
    ASSERT_TRUE(saveStoredBlockFile(simFile.string(), changed));
    mousectl = std::make_unique<InProcessMousectl>(simFile, folder);
  }

  // Runs mousectl on the simulated mouse whose stored block lives in simFile.
  RunResult run(const std::string& arguments) {
    const CommandRun merged = mousectl->runMerged(arguments);
    return {merged.status, merged.out};
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string simBlock() const {
    const auto block = loadStoredBlockFile(simFile.string());
    return block ? hexBytes(*block) : "missing";
  }

  fs::path folder;
  fs::path simFile;
  std::unique_ptr<InProcessMousectl> mousectl;
  std::array<uint8_t, 2048> changed{};
};

TEST_F(RestoreCommandTest, WithoutYesItOnlySaysWhatItWouldDo) {
  const RunResult result = run("restore 2");
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.output.find("would overwrite"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("restore 2 --yes"), std::string::npos) << result.output;
  EXPECT_EQ(simBlock(), hexBytes(changed));
}

TEST_F(RestoreCommandTest, WrongArgumentsGiveTheUsage) {
  for (const char* arguments : {"restore", "restore 4", "restore 1 2", "restore one --yes"}) {
    const RunResult result = run(arguments);
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_NE(result.output.find("Run \"mousectl restore --help\""), std::string::npos)
        << arguments << ": " << result.output;
  }
  EXPECT_EQ(simBlock(), hexBytes(changed));
}

TEST_F(RestoreCommandTest, HelpExplainsTheCommand) {
  const RunResult result = run("restore --help");
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.output.find("Confirm1"), std::string::npos) << result.output;
}

// The restart's 17 seconds pass on the virtual clock.
TEST_F(RestoreCommandTest, YesRestoresTheDefaultsRestartsAndReadsBack) {
  const RunResult result = run("restore 1 --yes");
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_NE(result.output.find("restored default configuration 1"), std::string::npos)
      << result.output;
  EXPECT_EQ(simBlock(), hexBytes(builtInDefaultImage()));
  EXPECT_GE(mousectl->clock.nowMs(), 17000) << "the restart was waited out";
}

}  // namespace
}  // namespace mousecfg::test
