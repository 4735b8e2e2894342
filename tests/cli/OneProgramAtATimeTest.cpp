#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "base/MouseLock.h"
#include "cli/InProcessMousectl.h"
#include "core/MouseAccess.h"
#include "device/ImageMap.h"
#include "device/StoredBlockFile.h"

namespace mousecfg::test {
namespace {

namespace fs = std::filesystem;

// mousectl while another program holds the simulated mouse's lock.
class OneProgramAtATimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::path(::testing::TempDir()) /
             ("mousecfg-one-at-a-time-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    runner = std::make_unique<InProcessMousectl>(folder / "mouse.bin", folder);
    ASSERT_EQ(runner->run("info").status, kExitOk) << "the block file exists";
    lockPath =
        *mouseLockPath(runner->environment(), image::kDefaultVendorId, image::kDefaultProductId);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string storedBlock() const {
    const auto block = loadStoredBlockFile((folder / "mouse.bin").string());
    return block ? std::string(block->begin(), block->end()) : std::string("missing");
  }

  fs::path folder;
  std::unique_ptr<InProcessMousectl> runner;
  std::string lockPath;
};

TEST_F(OneProgramAtATimeTest, WhileTheWindowHasTheMouseAChangeIsRefusedNamingTheWindow) {
  const MouseLock::Attempt window = MouseLock::tryAcquire(lockPath, "mousecfg");
  ASSERT_TRUE(window.lock.has_value()) << window.error;
  const std::string before = storedBlock();
  const CommandRun run = runner->run("button 6 'Middle Key'");
  EXPECT_EQ(run.status, kExitBusy);
  EXPECT_NE(run.err.find("in use by mousecfg (process " + std::to_string(::getpid()) + ")"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(storedBlock(), before) << "nothing reached the mouse";
  EXPECT_EQ(runner->clock.nowMs(), 0) << "refused at once, without waiting";
}

TEST_F(OneProgramAtATimeTest, AnotherMousectlIsWaitedForAndTheWaitIsTold) {
  const MouseLock::Attempt other = MouseLock::tryAcquire(lockPath, "mousectl");
  ASSERT_TRUE(other.lock.has_value()) << other.error;
  const CommandRun run = runner->run("dpi --active 3");
  EXPECT_EQ(run.status, kExitBusy);
  EXPECT_NE(run.err.find("waiting for mousectl"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("gave up waiting"), std::string::npos) << run.err;
  EXPECT_GE(runner->clock.nowMs(), 30000) << "it waited half a minute before giving up";
}

TEST_F(OneProgramAtATimeTest, AFreeMouseIsTakenAndLeftFreeAfterTheCommand) {
  EXPECT_EQ(runner->run("button 6 'Middle Key'").status, kExitOk);
  const MouseLock::Attempt after = MouseLock::tryAcquire(lockPath, "mousecfg");
  EXPECT_TRUE(after.lock.has_value()) << "the command let go of the mouse when it ended";
}

}  // namespace
}  // namespace mousecfg::test
