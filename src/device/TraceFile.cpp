#include "device/TraceFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <span>

#include "base/FileErrorText.h"

namespace mousecfg {

namespace {

constexpr mode_t kNewFileMode = 0644;  // less the umask

}  // namespace

TraceFile::Opened TraceFile::open(const std::string& path) {
  FileDescriptor fd(::open(path.c_str(),
                           O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                           kNewFileMode));
  if (!fd.isOpen()) {
    const int error = errno;
    struct stat status {};
    if (error == ENXIO && ::stat(path.c_str(), &status) == 0)
      return {nullptr, "cannot write " + path + ": it is " + fileTypeName(status.st_mode) +
                           (S_ISFIFO(status.st_mode) ? " with no reader" : "")};
    return {nullptr, systemErrorText("cannot write", path, error)};
  }
  if (const int error = clearNonBlocking(fd.get()))
    return {nullptr, systemErrorText("cannot write", path, error)};
  return {std::shared_ptr<TraceFile>(new TraceFile(std::move(fd))), {}};
}

void TraceFile::write(const std::string& line) {
  const std::string text = line + '\n';
  std::lock_guard lock(mutex_);
  // The trace only watches; a line that cannot be written must not stop the frames.
  (void)writeAll(fd_.get(), std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace mousecfg
