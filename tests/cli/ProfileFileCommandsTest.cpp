#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <memory>

#include "DefaultImage.h"
#include "base/WholeFile.h"
#include "cli/InProcessMousectl.h"
#include "device/ConfigImage.h"
#include "device/StoredBlockFile.h"
#include "support/FileFixtures.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

namespace fs = std::filesystem;

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class ProfileFileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    simFile = fs::path(folder.file("mouse.bin"));
    ASSERT_TRUE(saveStoredBlockFile(simFile.string(), builtInDefaultImage()));
    mousectl = std::make_unique<InProcessMousectl>(simFile, folder.path());
  }

  CommandRun run(const std::string& arguments) { return mousectl->runMerged(arguments); }
  std::string simBlock() const {
    const auto block = loadStoredBlockFile(simFile.string());
    return block ? hexBytes(*block) : "missing";
  }
  // The built-in image with DPI level 1 on another step, its checksum kept right.
  std::array<uint8_t, 2048> changedImage() const {
    auto block = builtInDefaultImage();
    block[44] = 0x64;
    storeChecksum(std::span(block).subspan(0, 164));
    return block;
  }
  void writeFile(const std::string& name, std::span<const uint8_t> bytes) {
    ASSERT_TRUE(writeWholeFile(folder.file(name), bytes));
  }

  TemporaryFolder folder;
  fs::path simFile;
  std::unique_ptr<InProcessMousectl> mousectl;
};

TEST_F(ProfileFileCommandsTest, SaveWritesTheStoredBlockToExactlyTheFile) {
  const CommandRun result = run("save " + folder.file("backup"));
  EXPECT_EQ(result.status, 0) << result.out;
  const std::string saved = fileText(folder.file("backup"));
  EXPECT_EQ(hexBytes(std::vector<uint8_t>(saved.begin(), saved.end())), simBlock());
  EXPECT_FALSE(fs::exists(folder.file("backup.bin"))) << "no .bin added on the command line";
}

TEST_F(ProfileFileCommandsTest, SaveIntoAMissingFolderFailsWithTheFileStatus) {
  const CommandRun result = run("save " + folder.file("none/backup"));
  EXPECT_EQ(result.status, 5) << result.out;
  EXPECT_TRUE(contains(result.out, "could not be saved")) << result.out;
}

TEST_F(ProfileFileCommandsTest, LoadWithoutYesShowsTheDifferencesAndSendsNothing) {
  writeFile("changed.bin", changedImage());
  const std::string before = simBlock();
  const CommandRun result = run("load " + folder.file("changed.bin"));
  EXPECT_EQ(result.status, 2) << result.out;
  EXPECT_TRUE(contains(result.out, "vendor (bytes 0..163): 2 bytes differ")) << result.out;
  EXPECT_TRUE(contains(result.out, "--yes")) << result.out;
  EXPECT_EQ(simBlock(), before);
  EXPECT_LT(mousectl->clock.nowMs(), 17000) << "no restart";
}

TEST_F(ProfileFileCommandsTest, DryRunShowsTheFilesProblemsAndExitsZero) {
  auto block = changedImage();
  block[240] ^= 0x01;  // profile 1's checksum no longer fits
  writeFile("broken.bin", std::span(block).first(1000));
  const std::string before = simBlock();
  const CommandRun result = run("load --dry-run " + folder.file("broken.bin"));
  EXPECT_EQ(result.status, 0) << result.out;
  EXPECT_TRUE(contains(result.out, "holds 1000 of 2048 bytes")) << result.out;
  EXPECT_TRUE(contains(result.out, "profile 1 section's checksum")) << result.out;
  EXPECT_EQ(simBlock(), before);
}

TEST_F(ProfileFileCommandsTest, LoadWithYesWritesTheFileRestartsAndReadsBack) {
  writeFile("changed.bin", changedImage());
  const CommandRun result = run("load " + folder.file("changed.bin") + " --yes");
  EXPECT_EQ(result.status, 0) << result.out;
  EXPECT_TRUE(contains(result.out, "restarted and was read back")) << result.out;
  EXPECT_EQ(simBlock(), hexBytes(changedImage()));
  EXPECT_GE(mousectl->clock.nowMs(), 17000) << "the restart was waited out";
}

// A dot a second of the restart wait, and one per 32 frames, on a line of their own.
TEST_F(ProfileFileCommandsTest, LoadAndUpdateShowProgressOnStandardError) {
  writeFile("changed.bin", changedImage());
  writeFile("fw.bin", std::vector<uint8_t>(2048, 0x3C));
  for (const std::string file : {"changed.bin", "fw.bin"}) {
    const CommandRun result = mousectl->run(std::string(file == "fw.bin" ? "update " : "load ") +
                                            folder.file(file) + " --yes");
    EXPECT_EQ(result.status, 0) << result.err;
    const size_t dots = result.err.find_first_not_of('.');
    EXPECT_GE(dots, 17u) << "at least the seconds of the restart: " << result.err;
    EXPECT_EQ(result.err.substr(std::min(dots, result.err.size())), "\n") << result.err;
  }
}

TEST_F(ProfileFileCommandsTest, LoadOfAMissingFileFailsBeforeTheMouseIsTouched) {
  const CommandRun result = run("load " + folder.file("gone.bin") + " --yes");
  EXPECT_EQ(result.status, 5) << result.out;
  EXPECT_EQ(simBlock(), hexBytes(builtInDefaultImage()));
}

TEST_F(ProfileFileCommandsTest, SaveThenLoadOfTheSameMouseSaysNothingDiffers) {
  ASSERT_EQ(run("save " + folder.file("same.bin")).status, 0);
  const CommandRun result = run("load -n " + folder.file("same.bin"));
  EXPECT_EQ(result.status, 0) << result.out;
  EXPECT_TRUE(contains(result.out, "nothing in the file differs")) << result.out;
}

// --- update ---

TEST_F(ProfileFileCommandsTest, UpdateShowsBothRecordsAndSendsNothingWithoutYes) {
  const std::vector<uint8_t> firmware(4096, 0x3C);
  writeFile("fw.bin", firmware);
  const std::string before = simBlock();
  const CommandRun result = run("update " + folder.file("fw.bin"));
  EXPECT_EQ(result.status, 2) << result.out;
  EXPECT_TRUE(contains(result.out, "patch record to program:   3C 3C")) << result.out;
  EXPECT_EQ(simBlock(), before);
}

TEST_F(ProfileFileCommandsTest, UpdateWithYesProgramsOnlyTheFirst16Bytes) {
  std::vector<uint8_t> firmware(2048, 0x3C);
  firmware[16] = 0x99;
  writeFile("fw.bin", firmware);
  const CommandRun result = run("update " + folder.file("fw.bin") + " --yes");
  EXPECT_EQ(result.status, 0) << result.out;
  auto expected = builtInDefaultImage();
  std::fill_n(expected.begin() + 1008, 16, uint8_t{0x3C});
  EXPECT_EQ(simBlock(), hexBytes(expected)) << "nothing but bytes 1008..1023 changed";
  EXPECT_GE(mousectl->clock.nowMs(), 17000) << "the restart was waited out";
}

TEST_F(ProfileFileCommandsTest, UpdateOfAMissingFileSaysSoAndSendsNothing) {
  const CommandRun result = run("update " + folder.file("none.bin") + " --yes");
  EXPECT_EQ(result.status, 5) << result.out;
  EXPECT_TRUE(contains(result.out, "could not be read")) << result.out;
  EXPECT_EQ(simBlock(), hexBytes(builtInDefaultImage()));
}

}  // namespace
}  // namespace mousecfg::test
