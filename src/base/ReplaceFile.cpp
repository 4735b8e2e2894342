#include "base/ReplaceFile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <optional>

#include "base/FileDescriptor.h"
#include "base/FileErrorText.h"

namespace mousecfg {

namespace {

constexpr int kMaxSymlinkHops = 40;  // as the kernel allows
constexpr int kMaxNameAttempts = 100;
constexpr size_t kMaxKeptNameLength = 200;  // leaves room for the suffix within NAME_MAX
constexpr mode_t kNewFileMode = 0644;       // less the umask

FileWritten failure(std::string error) {
  FileWritten result;
  result.error = std::move(error);
  return result;
}

// "a/b/" for "a/b/c", "" for "c".
std::string folderPrefix(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string folderOf(const std::string& path) {
  const std::string prefix = folderPrefix(path);
  if (prefix.empty()) return ".";
  return prefix.size() == 1 ? prefix : prefix.substr(0, prefix.size() - 1);
}

struct Target {
  std::string path;  // the file itself, no longer a link
  std::optional<struct stat> existing;
  std::string error;
};

// Follows the links at path to the file they name, which may not exist yet.
Target followSymlinks(const std::string& path) {
  Target target{path, std::nullopt, {}};
  for (int hop = 0; hop <= kMaxSymlinkHops; ++hop) {
    struct stat status {};
    if (::lstat(target.path.c_str(), &status) != 0) {
      if (errno != ENOENT) target.error = systemErrorText("cannot write", path, errno);
      return target;
    }
    if (!S_ISLNK(status.st_mode)) {
      target.existing = status;
      return target;
    }
    char link[PATH_MAX];
    const ssize_t length = ::readlink(target.path.c_str(), link, sizeof link - 1);
    if (length < 0) {
      target.error = systemErrorText("cannot follow", target.path, errno);
      return target;
    }
    const std::string linked(link, static_cast<size_t>(length));
    target.path =
        !linked.empty() && linked.front() == '/' ? linked : folderPrefix(target.path) + linked;
  }
  target.error = systemErrorText("cannot write", path, ELOOP);
  return target;
}

// A file of ours beside the target, removed when it goes out of scope unless it was
// renamed over the target.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const std::string prefix = folderPrefix(target);
    const std::string name = target.substr(prefix.size()).substr(0, kMaxKeptNameLength);
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
      path_ = prefix + '.' + name + '.' + std::to_string(::getpid()) + '-' +
              std::to_string(counter++) + ".tmp";
      fd_ =
          ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
      if (fd_ >= 0 || errno != EEXIST) break;
    }
    if (fd_ < 0) {
      error_ = errno;
      path_.clear();
    }
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }

  bool isOpen() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  int creationError() const { return error_; }
  // Closes the file; 0 or the errno.
  int close() {
    FileDescriptor owned(std::exchange(fd_, -1));
    return owned.close();
  }
  // Renames the closed file over target; 0 or the errno. Afterwards nothing is removed.
  int renameOver(const std::string& target) {
    if (std::rename(path_.c_str(), target.c_str()) != 0) return errno;
    path_.clear();
    return 0;
  }

 private:
  std::string path_;
  int fd_ = -1;
  int error_ = 0;
};

// Gives the new file the old one's permissions and, where the system lets us, owner.
int keepModeAndOwner(int fd, const struct stat& old) {
  if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
    // Only root may give a file away; anyone else keeps the new file as their own.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM) return errno;
  }
  return ::fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

int flushFolder(const std::string& folder) {
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.isOpen()) return errno;
  // Some file systems cannot flush a folder (EINVAL); the rename stands all the same.
  if (::fsync(fd.get()) != 0 && errno != EINVAL) return errno;
  return fd.close();
}

}  // namespace

FileWritten replaceRegularFile(const std::string& path, std::span<const uint8_t> bytes) {
  const Target target = followSymlinks(path);
  if (!target.error.empty()) return failure(target.error);
  if (target.existing) {
    if (!S_ISREG(target.existing->st_mode))
      return failure("cannot write " + path + ": it is " + fileTypeName(target.existing->st_mode));
    // Renaming over a file needs only the folder's permission; the file's own is kept.
    if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0)
      return failure(systemErrorText("cannot write", path, errno));
  }
  TemporaryFile temporary(target.path);
  if (!temporary.isOpen())
    return failure(systemErrorText("cannot create a file beside", path, temporary.creationError()));
  if (target.existing) {
    if (const int error = keepModeAndOwner(temporary.fd(), *target.existing))
      return failure(systemErrorText("cannot keep the permissions of", path, error));
  }
  int error = writeAll(temporary.fd(), bytes);
  if (error == 0 && ::fsync(temporary.fd()) != 0) error = errno;
  if (const int closeError = temporary.close(); error == 0) error = closeError;
  if (error != 0) return failure(systemErrorText("cannot write", path, error));
  if (const int renameError = temporary.renameOver(target.path))
    return failure(systemErrorText("cannot replace", path, renameError));
  if (const int flushError = flushFolder(folderOf(target.path)))
    return failure(systemErrorText("wrote " + path + " but cannot flush its folder",
                                   folderOf(target.path), flushError));
  FileWritten written;
  written.ok = true;
  return written;
}

}  // namespace mousecfg
