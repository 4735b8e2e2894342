#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "DefaultImage.h"
#include "device/SimulatedMouse.h"
#include "support/FileFixtures.h"

namespace mousecfg::test {
namespace {

SimulatedMouse::Options keptIn(const std::string& path) {
  SimulatedMouse::Options options;
  options.persistPath = path;
  return options;
}

std::array<uint8_t, 2048> changedBlock() {
  auto block = builtInDefaultImage();
  block[600] ^= 0xFF;
  return block;
}

// The simulated mouse's block file (MOUSECFG_SIM_FILE): a file that cannot be used is
// told and left as it is, and a block that cannot be saved is told.
class SimulatedMouseBlockFileTest : public ::testing::Test {
 protected:
  TemporaryFolder folder;
};

TEST_F(SimulatedMouseBlockFileTest, AMissingFileIsStartedFromTheDefaults) {
  const std::string path = folder.file("mouse.bin");
  SimulatedMouse mouse(keptIn(path));
  EXPECT_EQ(mouse.blockFileProblem(), "");
  EXPECT_EQ(mouse.storedBlock(), builtInDefaultImage());
  mouse.setStoredBlock(changedBlock());
  const auto changed = changedBlock();
  EXPECT_EQ(fileText(path), std::string(changed.begin(), changed.end()));
}

TEST_F(SimulatedMouseBlockFileTest, AFileOfAnotherSizeIsToldAndLeftAsItIs) {
  const std::string path = folder.file("mouse.bin");
  writeText(path, std::string(100, 'x'));
  SimulatedMouse mouse(keptIn(path));
  EXPECT_EQ(mouse.blockFileProblem(), path + " holds 100 bytes; a stored block has exactly 2048");
  EXPECT_EQ(mouse.storedBlock(), builtInDefaultImage());
  mouse.setStoredBlock(changedBlock());
  EXPECT_EQ(fileText(path), std::string(100, 'x')) << "a file chosen by mistake is not overwritten";
}

TEST_F(SimulatedMouseBlockFileTest, AFileTooLongIsTold) {
  const std::string path = folder.file("mouse.bin");
  writeText(path, std::string(4096, 'x'));
  const SimulatedMouse mouse(keptIn(path));
  EXPECT_EQ(mouse.blockFileProblem(), path + " is larger than 2048 bytes");
}

TEST_F(SimulatedMouseBlockFileTest, AFifoIsToldWithoutWaitingForAWriter) {
  const std::string fifo = folder.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  SimulatedMouse mouse(keptIn(fifo));
  EXPECT_EQ(mouse.blockFileProblem(), "cannot read " + fifo + ": it is a FIFO, not a regular file");
  mouse.setStoredBlock(changedBlock());
  EXPECT_EQ(typeOf(fifo), static_cast<mode_t>(S_IFIFO));
}

TEST_F(SimulatedMouseBlockFileTest, AFolderIsTold) {
  const SimulatedMouse mouse(keptIn(folder.path().string()));
  EXPECT_EQ(mouse.blockFileProblem(), "cannot read " + folder.path().string() + ": it is a folder");
}

TEST_F(SimulatedMouseBlockFileTest, AFileInAFolderThatDoesNotExistIsTold) {
  const std::string path = folder.file("missing/mouse.bin");
  const SimulatedMouse mouse(keptIn(path));
  EXPECT_EQ(mouse.blockFileProblem(), path + ": its folder does not exist");
}

TEST_F(SimulatedMouseBlockFileTest, AnUnreadableFileIsTold) {
  const std::string path = folder.file("mouse.bin");
  const auto block = builtInDefaultImage();
  writeText(path, std::string(block.begin(), block.end()));
  ASSERT_EQ(::chmod(path.c_str(), 0000), 0);
  const std::string expected = "cannot open " + path + ": " + std::strerror(EACCES);
  const int status = exitStatusOfChild(
      [&] { return SimulatedMouse(keptIn(path)).blockFileProblem() == expected ? 0 : 1; },
      /*unprivileged=*/true);
  EXPECT_EQ(status, 0) << "expected the problem: " << expected;
}

TEST_F(SimulatedMouseBlockFileTest, ABlockThatCannotBeSavedIsToldOnceUntilASaveSucceeds) {
  const std::filesystem::path blocks = folder.path() / "blocks";
  std::filesystem::create_directories(blocks);
  const std::string path = (blocks / "mouse.bin").string();
  SimulatedMouse mouse(keptIn(path));
  std::vector<std::string> told;
  mouse.setBlockFileErrorSink([&told](const std::string& error) { told.push_back(error); });
  std::filesystem::remove_all(blocks);
  mouse.setStoredBlock(changedBlock());
  mouse.setStoredBlock(builtInDefaultImage());
  const std::string expected =
      "the simulated mouse could not save its stored block: cannot create "
      "a file beside " +
      path + ": " + std::strerror(ENOENT);
  EXPECT_EQ(told, std::vector<std::string>{expected});
  std::filesystem::create_directories(blocks);
  mouse.setStoredBlock(changedBlock());
  EXPECT_TRUE(std::filesystem::exists(path));
  std::filesystem::remove_all(blocks);
  mouse.setStoredBlock(builtInDefaultImage());
  EXPECT_EQ(told, (std::vector<std::string>{expected, expected}));
}

}  // namespace
}  // namespace mousecfg::test
