#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <istream>

#include "base/FileDescriptor.h"
#include "base/FileErrorText.h"
#include "base/WholeFile.h"

namespace mousecfg {

namespace {

constexpr size_t kChunkBytes = 64 * 1024;

FileContents failure(std::string error, int systemError = 0) {
  FileContents result;
  result.error = std::move(error);
  result.systemError = systemError;
  return result;
}

FileContents systemFailure(const std::string& what, const std::string& path, int error) {
  return failure(systemErrorText(what, path, error), error);
}

FileContents tooLarge(const std::string& name, size_t maxBytes) {
  return failure(name + " is larger than " + std::to_string(maxBytes) + " bytes");
}

// open() cannot open a socket and says only "No such device or address".
FileContents openFailure(const std::string& path, int error) {
  struct stat status {};
  if (error == ENXIO && ::stat(path.c_str(), &status) == 0 && S_ISSOCK(status.st_mode))
    return failure("cannot read " + path + ": it is a socket");
  return systemFailure("cannot open", path, error);
}

// Why a file of this type is not read; empty when it is.
std::string refusal(const std::string& path, mode_t mode, ReadFrom from) {
  if (S_ISREG(mode)) return {};
  const bool streamLike = S_ISFIFO(mode) || S_ISCHR(mode);
  if (streamLike && from == ReadFrom::AnyFile) return {};
  return "cannot read " + path + ": it is " + fileTypeName(mode) +
         (streamLike ? ", not a regular file" : "");
}

// Reads up to limit bytes. A FIFO or device stays non-blocking: the first read tells a
// FIFO without a writer (end of file at once) from one whose writer is still to write
// (EAGAIN), and only the latter is waited for.
FileContents readUpTo(int fd, const std::string& path, size_t limit, bool isFifo) {
  FileContents result;
  bool waited = false;
  while (result.bytes.size() < limit) {
    const size_t had = result.bytes.size();
    result.bytes.resize(had + std::min(kChunkBytes, limit - had));
    const ssize_t n = ::read(fd, result.bytes.data() + had, result.bytes.size() - had);
    result.bytes.resize(had + static_cast<size_t>(std::max<ssize_t>(n, 0)));
    if (n > 0) continue;
    if (n == 0) {
      if (isFifo && had == 0 && !waited)
        return failure("cannot read " + path + ": it is a FIFO with no writer");
      break;
    }
    if (errno == EINTR) continue;
    if (errno != EAGAIN) return systemFailure("cannot read", path, errno);
    pollfd readable{fd, POLLIN, 0};
    if (::poll(&readable, 1, -1) < 0 && errno != EINTR)
      return systemFailure("cannot read", path, errno);
    waited = true;
  }
  result.ok = true;
  return result;
}

}  // namespace

FileContents readWholeFile(const std::string& path, size_t maxBytes, ReadFrom from) {
  const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd.isOpen()) return openFailure(path, errno);
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0) return systemFailure("cannot read", path, errno);
  if (std::string refused = refusal(path, status.st_mode, from); !refused.empty())
    return failure(std::move(refused));
  if (S_ISREG(status.st_mode)) {
    if (const int error = clearNonBlocking(fd.get()))
      return systemFailure("cannot read", path, error);
  }
  FileContents result = readUpTo(fd.get(), path, maxBytes + 1, S_ISFIFO(status.st_mode));
  if (result.ok && result.bytes.size() > maxBytes) return tooLarge(path, maxBytes);
  return result;
}

FileContents readWholeStream(std::istream& in, const std::string& name, size_t maxBytes) {
  FileContents result;
  char buffer[4096];
  while (in && result.bytes.size() <= maxBytes) {
    const size_t wanted = std::min(sizeof buffer, maxBytes + 1 - result.bytes.size());
    in.read(buffer, static_cast<std::streamsize>(wanted));
    result.bytes.insert(result.bytes.end(), buffer, buffer + in.gcount());
  }
  if (in.bad()) return failure("cannot read " + name);
  if (result.bytes.size() > maxBytes) return tooLarge(name, maxBytes);
  result.ok = true;
  return result;
}

}  // namespace mousecfg
