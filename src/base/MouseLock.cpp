#include "base/MouseLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <sstream>
#include <utility>

namespace mousecfg {

namespace {

std::string safeFileName(const std::string& key) {
  std::string name;
  for (char c : key) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.' || c == '_';
    name += plain ? c : '_';
  }
  return name.empty() ? std::string("mouse") : name;
}

std::string folderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string errorText(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

// The holder's line, "PID PROGRAM"; a holder that has not written it yet is unnamed.
LockHolder readHolder(int fd) {
  std::array<char, 256> text{};
  const ssize_t length = ::pread(fd, text.data(), text.size() - 1, 0);
  LockHolder holder{0, "another program"};
  if (length <= 0) return holder;
  std::istringstream line(std::string(text.data(), static_cast<size_t>(length)));
  long pid = 0;
  std::string program;
  if (line >> pid >> program && pid > 0) holder = {pid, program};
  return holder;
}

}  // namespace

std::string MouseLock::pathFor(const std::string& mouseKey, const EnvironmentLookup& environment) {
  const std::optional<std::string> runtime = environment("XDG_RUNTIME_DIR");
  const std::string folder = runtime && !runtime->empty()
                                 ? *runtime + "/mousecfg"
                                 : "/tmp/mousecfg-" + std::to_string(::getuid());
  return folder + "/" + safeFileName(mouseKey) + ".lock";
}

MouseLock::Attempt MouseLock::tryAcquire(const std::string& path, const std::string& program) {
  Attempt attempt;
  const std::string folder = folderOf(path);
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    attempt.error = errorText("cannot create the lock folder", folder);
    return attempt;
  }
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) {
    attempt.error = errorText("cannot open the lock file", path);
    return attempt;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK)
      attempt.holder = readHolder(fd);
    else
      attempt.error = errorText("cannot lock", path);
    ::close(fd);
    return attempt;
  }
  const std::string line = std::to_string(::getpid()) + " " + program + "\n";
  // The name only helps others say who holds the mouse; the lock holds without it.
  if (::ftruncate(fd, 0) == 0) (void)::pwrite(fd, line.data(), line.size(), 0);
  attempt.lock.emplace(MouseLock(fd));
  return attempt;
}

MouseLock::MouseLock(MouseLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

MouseLock::~MouseLock() {
  if (fd_ < 0) return;
  // Cleared while still held, so the next holder never reads a stale name.
  (void)::ftruncate(fd_, 0);
  ::close(fd_);
}

}  // namespace mousecfg
