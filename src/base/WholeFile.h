#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <vector>

namespace mousecfg {

// The result of reading a whole file: the bytes, or why there are none.
struct [[nodiscard]] FileContents {
  bool ok = false;
  std::vector<uint8_t> bytes;
  std::string error;    // for the user: "cannot open ...", "... is larger than ..."
  int systemError = 0;  // the errno when the system refused (ENOENT: there is no file)
};

// The result of writing a whole file.
struct [[nodiscard]] FileWritten {
  bool ok = false;
  // Written straight through to a FIFO, a character device or a stream, where the
  // program's own standard output may be the target.
  bool streamed = false;
  std::string error;  // for the user, with the path and the system's reason
  explicit operator bool() const { return ok; }
};

enum class ReadFrom { AnyFile, RegularFileOnly };

// Reads a file whole: a regular file, or (unless only regular files will do) a FIFO or
// a character device. Reading a FIFO that nothing writes to ends at once with an error
// instead of waiting for a writer. A file holding more than maxBytes is refused after
// reading maxBytes + 1, so a wrong file chosen by mistake cannot exhaust memory; the
// size the system reports is never trusted. Folders, sockets and block devices are
// refused.
FileContents readWholeFile(const std::string& path, size_t maxBytes,
                           ReadFrom from = ReadFrom::AnyFile);
// Reads a stream to its end the same way; `name` ("standard input") is for messages.
FileContents readWholeStream(std::istream& in, const std::string& name, size_t maxBytes);

// Writes bytes as the whole content of path.
//  - A regular file, or none: a temporary file beside it is written, flushed to the disk
//    and renamed over it, and the folder flushed too, so a crash or a full disk never
//    leaves a half-written file. The old file's mode is kept; a new one gets 0644 less
//    the umask. A symbolic link is followed: its target is replaced and it stays a link.
//  - A FIFO or a character device (/dev/null, a terminal): written straight through,
//    without truncating or replacing it. A FIFO nothing reads from is an error at once.
//  - Anything else (a folder, a socket, a block device) is refused.
FileWritten writeWholeFile(const std::string& path, std::span<const uint8_t> bytes);
// Writes bytes to a stream and flushes it; `name` ("standard output") is for messages.
FileWritten writeWholeStream(std::ostream& out, const std::string& name,
                             std::span<const uint8_t> bytes);

}  // namespace mousecfg
