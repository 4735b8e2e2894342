#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace mousecfg::test {

// A folder of its own for one test, removed afterwards with whatever it holds, even
// when the test left parts of it read-only.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::path(::testing::TempDir()) /
            ("mousecfg-" + std::string(test->test_suite_name()) + "-" + test->name() + "-" +
             std::to_string(::getpid()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  ~TemporaryFolder() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
      if (entry.is_directory(ignored)) ::chmod(entry.path().c_str(), 0700);
    std::filesystem::remove_all(path_, ignored);
  }

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  // The names in the folder, sorted: what a failed save must leave as it found.
  std::vector<std::string> names(const std::string& folder = {}) const {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(path_ / folder))
      found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
  }

 private:
  std::filesystem::path path_;
};

inline std::string fileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

inline void writeText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline mode_t typeOf(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 ? (status.st_mode & S_IFMT) : 0;
}

inline mode_t permissionsOf(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 ? (status.st_mode & 07777) : 0;
}

// The read end of a FIFO, opened without waiting for a writer. Whatever is written to
// the FIFO while it is open stays there for read(), even after the writer closed.
class FifoReadEnd {
 public:
  explicit FifoReadEnd(const std::string& path)
      : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
  FifoReadEnd(const FifoReadEnd&) = delete;
  FifoReadEnd& operator=(const FifoReadEnd&) = delete;
  ~FifoReadEnd() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool isOpen() const { return fd_ >= 0; }
  // What the FIFO holds now, without waiting.
  std::string available() {
    std::string bytes;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;) bytes.append(buffer, n);
    return bytes;
  }

 private:
  int fd_;
};

// Puts bytes into a FIFO and closes the write end again, so a reader finds the bytes and
// then the end of the file: a writer that has finished. `keeper` must stay open while
// the bytes are read, since a FIFO nobody has open forgets what it held.
inline bool fillFifo(const std::string& path, const std::string& bytes, const FifoReadEnd& keeper) {
  if (!keeper.isOpen()) return false;
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  const bool written =
      ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  return ::close(fd) == 0 && written;
}

// Runs work in a child process and gives its exit status: for changes to the process
// (limits, signals) the test must not keep. As root the child first becomes nobody,
// since root may write into any folder and any file.
inline int exitStatusOfChild(const std::function<int()>& work, bool unprivileged = false) {
  constexpr uid_t kNobody = 65534;
  constexpr int kCannotDropPrivileges = 100;
  const pid_t child = ::fork();
  if (child == 0) {
    if (unprivileged && ::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
      ::_exit(kCannotDropPrivileges);
    ::_exit(work());
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace mousecfg::test
