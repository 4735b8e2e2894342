#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "DefaultImage.h"
#include "device/StoredBlockFile.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

namespace fs = std::filesystem;

struct RunResult {
  int status = -1;
  std::string output;  // standard output and standard error together
};

// Runs the built mousectl on the simulated mouse whose stored block lives in simFile.
RunResult runMousectl(const std::string& arguments, const fs::path& simFile) {
  const std::string command = "MOUSECFG_BACKEND=sim MOUSECFG_SIM_FILE='" + simFile.string() +
                              "' '" MOUSECTL_PATH "' " + arguments + " 2>&1";
  RunResult result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return result;
  std::array<char, 512> chunk;
  while (size_t read = std::fread(chunk.data(), 1, chunk.size(), pipe))
    result.output.append(chunk.data(), read);
  const int status = ::pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

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
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string simBlock() const {
    const auto block = loadStoredBlockFile(simFile.string());
    return block ? hexBytes(*block) : "missing";
  }

  fs::path folder;
  fs::path simFile;
  std::array<uint8_t, 2048> changed{};
};

TEST_F(RestoreCommandTest, WithoutYesItOnlySaysWhatItWouldDo) {
  const RunResult result = runMousectl("restore 2", simFile);
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.output.find("would overwrite"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("restore 2 --yes"), std::string::npos) << result.output;
  EXPECT_EQ(simBlock(), hexBytes(changed));
}

TEST_F(RestoreCommandTest, WrongArgumentsGiveTheUsage) {
  for (const char* arguments : {"restore", "restore 4", "restore 1 2", "restore one --yes"}) {
    const RunResult result = runMousectl(arguments, simFile);
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_NE(result.output.find("usage: mousectl restore 1|2|3 --yes"), std::string::npos)
        << arguments << ": " << result.output;
  }
  EXPECT_EQ(simBlock(), hexBytes(changed));
}

TEST_F(RestoreCommandTest, HelpExplainsTheCommand) {
  const RunResult result = runMousectl("restore --help", simFile);
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.output.find("Confirm1"), std::string::npos) << result.output;
}

// Takes about 17 seconds: mousectl really waits for the restart.
TEST_F(RestoreCommandTest, YesRestoresTheDefaultsRestartsAndReadsBack) {
  const RunResult result = runMousectl("restore 1 --yes", simFile);
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_NE(result.output.find("restored default configuration 1"), std::string::npos)
      << result.output;
  EXPECT_EQ(simBlock(), hexBytes(builtInDefaultImage()));
}

}  // namespace
}  // namespace mousecfg::test
