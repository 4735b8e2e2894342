#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ostream>

#include "base/FileDescriptor.h"
#include "base/FileErrorText.h"
#include "base/ReplaceFile.h"
#include "base/WholeFile.h"

namespace mousecfg {

namespace {

FileWritten failure(std::string error) {
  FileWritten result;
  result.error = std::move(error);
  return result;
}

FileWritten streamedOk() {
  FileWritten result;
  result.ok = true;
  result.streamed = true;
  return result;
}

bool isStreamLike(mode_t mode) {
  return S_ISFIFO(mode) || S_ISCHR(mode);
}

// Opened without O_TRUNC and without O_CREAT: the FIFO or device stays what it is. Opening
// a FIFO non-blocking fails at once when nothing reads from it, where a blocking open
// would wait for a reader forever.
FileWritten writeThrough(const std::string& path, std::span<const uint8_t> bytes) {
  FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd.isOpen()) {
    if (errno == ENXIO) return failure("cannot write " + path + ": it is a FIFO with no reader");
    return failure(systemErrorText("cannot open", path, errno));
  }
  struct stat status {};
  if (::fstat(fd.get(), &status) != 0) return failure(systemErrorText("cannot write", path, errno));
  if (!isStreamLike(status.st_mode))
    return failure("cannot write " + path + ": it was replaced by " + fileTypeName(status.st_mode) +
                   " while being opened");
  int error = clearNonBlocking(fd.get());
  if (error == 0) error = writeAll(fd.get(), bytes);
  if (const int closeError = fd.close(); error == 0) error = closeError;
  if (error != 0) return failure(systemErrorText("cannot write", path, error));
  return streamedOk();
}

}  // namespace

FileWritten writeWholeFile(const std::string& path, std::span<const uint8_t> bytes) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    // No file yet (or a link to none): it is created.
    if (errno == ENOENT) return replaceRegularFile(path, bytes);
    return failure(systemErrorText("cannot write", path, errno));
  }
  if (S_ISREG(status.st_mode)) return replaceRegularFile(path, bytes);
  if (isStreamLike(status.st_mode)) return writeThrough(path, bytes);
  return failure("cannot write " + path + ": it is " + fileTypeName(status.st_mode) +
                 ", which is never replaced");
}

FileWritten writeWholeStream(std::ostream& out, const std::string& name,
                             std::span<const uint8_t> bytes) {
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) return failure("cannot write " + name);
  return streamedOk();
}

}  // namespace mousecfg
