#include "base/MouseLock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace mousecfg::test {
namespace {

namespace fs = std::filesystem;

class MouseLockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::path(::testing::TempDir()) /
             ("mousecfg-lock-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    path = MouseLock::pathFor("3a7e-05ed", [this](const char* name) -> std::optional<std::string> {
      if (std::string(name) == "XDG_RUNTIME_DIR") return folder.string();
      return std::nullopt;
    });
  }
  void TearDown() override {
    fs::permissions(folder, fs::perms::owner_all);
    fs::remove_all(folder);
  }

  fs::path folder;
  std::string path;
};

TEST_F(MouseLockTest, TheLockFileLivesInTheRuntimeFolderOrElseInTmp) {
  EXPECT_EQ(path, (folder / "mousecfg" / "3a7e-05ed.lock").string());
  const std::string fallback =
      MouseLock::pathFor("sim/../x", [](const char*) { return std::optional<std::string>(); });
  EXPECT_EQ(fallback, "/tmp/mousecfg-" + std::to_string(::getuid()) + "/sim_.._x.lock")
      << "a key never leaves the lock folder";
}

TEST_F(MouseLockTest, ASecondTryWhileHeldNamesTheHolder) {
  MouseLock::Attempt first = MouseLock::tryAcquire(path, "mousecfg");
  ASSERT_TRUE(first.lock.has_value()) << first.error;
  const MouseLock::Attempt second = MouseLock::tryAcquire(path, "mousectl");
  EXPECT_FALSE(second.lock.has_value());
  ASSERT_TRUE(second.holder.has_value());
  EXPECT_EQ(second.holder->pid, ::getpid());
  EXPECT_EQ(second.holder->program, "mousecfg");
  EXPECT_EQ(second.error, "");
}

TEST_F(MouseLockTest, AReleasedLockCanBeTakenAgainAndNamesNobody) {
  { const MouseLock::Attempt first = MouseLock::tryAcquire(path, "mousectl"); }
  std::ifstream left(path);
  std::string text;
  std::getline(left, text);
  EXPECT_EQ(text, "") << "the released file names no holder";
  const MouseLock::Attempt again = MouseLock::tryAcquire(path, "mousectl");
  EXPECT_TRUE(again.lock.has_value()) << again.error;
}

TEST_F(MouseLockTest, AFolderThatCannotBeWrittenIsAnErrorNotAHolder) {
  fs::create_directories(folder / "mousecfg");
  fs::permissions(folder / "mousecfg", fs::perms::owner_read | fs::perms::owner_exec);
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
  const MouseLock::Attempt attempt = MouseLock::tryAcquire(path, "mousectl");
  EXPECT_FALSE(attempt.lock.has_value());
  EXPECT_FALSE(attempt.holder.has_value());
  EXPECT_NE(attempt.error.find("cannot open the lock file"), std::string::npos) << attempt.error;
}

TEST_F(MouseLockTest, ASymlinkInPlaceOfTheLockFileIsNotFollowed) {
  fs::create_directories(folder / "mousecfg");
  const fs::path target = folder / "elsewhere";
  fs::create_symlink(target, path);
  const MouseLock::Attempt attempt = MouseLock::tryAcquire(path, "mousectl");
  EXPECT_FALSE(attempt.lock.has_value());
  EXPECT_FALSE(fs::exists(target)) << "nothing was created through the link";
}

}  // namespace
}  // namespace mousecfg::test
