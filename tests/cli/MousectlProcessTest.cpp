#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "DefaultImage.h"
#include "device/StoredBlockFile.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

namespace fs = std::filesystem;

struct ProcessRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string readText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The built mousectl as a separate process, as a user starts it: its own main, the real
// environment and exit status. Only commands that do not restart the mouse run here;
// the others run in-process on a virtual clock.
class MousectlProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("mousectl-process-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    simFile = folder / "mouse.bin";
  }
  void TearDown() override { fs::remove_all(folder); }

  ProcessRun mousectl(const std::string& arguments) const {
    const fs::path out = folder / "out.txt";
    const fs::path err = folder / "err.txt";
    const std::string command = "MOUSECFG_BACKEND=sim MOUSECFG_SIM_FILE='" + simFile.string() +
                                "' '" MOUSECTL_PATH "' " + arguments + " >'" + out.string() +
                                "' 2>'" + err.string() + "' </dev/null";
    const int raw = std::system(command.c_str());
    ProcessRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readText(out);
    run.err = readText(err);
    return run;
  }

  // The same with standard output a pipe the test reads, as in "mousectl ... | od", and
  // standard input the file `input`.
  ProcessRun mousectlPiped(const std::string& arguments, const fs::path& input) const {
    const fs::path err = folder / "err.txt";
    const std::string command = "MOUSECFG_BACKEND=sim MOUSECFG_SIM_FILE='" + simFile.string() +
                                "' '" MOUSECTL_PATH "' " + arguments + " 2>'" + err.string() +
                                "' <'" + input.string() + "'";
    ProcessRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.err = readText(err);
    return run;
  }

  fs::path folder;
  fs::path simFile;
};

TEST_F(MousectlProcessTest, ListMarksTheMouseAmongTheSimulatedCollections) {
  const ProcessRun run = mousectl("list");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("sim:vendor  <- mouse\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("3 collection(s)\n"), std::string::npos) << run.out;
}

TEST_F(MousectlProcessTest, ReadWritesTheStoredBlockToTheFile) {
  auto block = builtInDefaultImage();
  block[600] = 0xAB;
  ASSERT_TRUE(saveStoredBlockFile(simFile.string(), block));
  const fs::path saved = folder / "saved.bin";
  const ProcessRun run = mousectl("read -o '" + saved.string() + "'");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("wrote 2048 bytes to " + saved.string()), std::string::npos) << run.out;
  const auto read = loadStoredBlockFile(saved.string());
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(hexBytes(*read), hexBytes(block));
}

TEST_F(MousectlProcessTest, AnUnknownCommandExitsWithTheUsageStatus) {
  const ProcessRun run = mousectl("frobnicate");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("unknown command \"frobnicate\""), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Run \"mousectl --help\""), std::string::npos) << run.err;
  EXPECT_TRUE(run.out.empty()) << run.out;
}

TEST_F(MousectlProcessTest, ReadOntoDevStdoutSendsOnlyTheBytesDownThePipe) {
  auto block = builtInDefaultImage();
  block[600] = 0xAB;
  ASSERT_TRUE(saveStoredBlockFile(simFile.string(), block));
  const ProcessRun run = mousectlPiped("read -o /dev/stdout", "/dev/null");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, std::string(block.begin(), block.end()));
  EXPECT_EQ(run.err, "wrote 2048 bytes to /dev/stdout\n");
}

TEST_F(MousectlProcessTest, CheckOfADashReadsStandardInput) {
  const fs::path saved = folder / "saved.bin";
  ASSERT_TRUE(saveStoredBlockFile(saved.string(), builtInDefaultImage()));
  const ProcessRun run = mousectlPiped("check -", saved);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("all sections ok\n"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace mousecfg::test
