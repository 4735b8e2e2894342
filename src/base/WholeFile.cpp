#include "base/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace mousecfg {

namespace {

std::string reason(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

bool writeAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

FileContents readWholeFile(const std::string& path, size_t maxBytes) {
  FileContents result;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.error = reason("cannot open", path);
    return result;
  }
  result.bytes.reserve(std::min<size_t>(maxBytes, 1 << 16));
  char buffer[4096];
  while (in) {
    in.read(buffer, sizeof buffer);
    const auto got = static_cast<size_t>(in.gcount());
    if (result.bytes.size() + got > maxBytes) {
      result.bytes.clear();
      result.error = path + " is larger than " + std::to_string(maxBytes) + " bytes";
      return result;
    }
    result.bytes.insert(result.bytes.end(), buffer, buffer + got);
  }
  if (in.bad()) {
    result.bytes.clear();
    result.error = reason("cannot read", path);
    return result;
  }
  result.ok = true;
  return result;
}

std::string writeWholeFile(const std::string& path, std::span<const uint8_t> bytes) {
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return reason("cannot create a file beside", path);
  const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
  const int savedErrno = errno;
  ::close(fd);
  if (!written) {
    ::unlink(temporary.c_str());
    errno = savedErrno;
    return reason("cannot write", path);
  }
  ::chmod(temporary.c_str(), 0644);
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const std::string why = reason("cannot replace", path);
    ::unlink(temporary.c_str());
    return why;
  }
  return {};
}

}  // namespace mousecfg
