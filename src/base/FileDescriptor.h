#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

namespace mousecfg {

// An open file descriptor, closed when it goes out of scope. A file that was written
// is closed with close() instead, whose result says whether the writes reached it.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor& operator=(FileDescriptor&&) = delete;
  ~FileDescriptor();

  bool isOpen() const { return fd_ >= 0; }
  int get() const { return fd_; }
  // Closes the descriptor; 0, or the errno close() failed with.
  [[nodiscard]] int close();

 private:
  int fd_;
};

// Writes every byte, resuming after partial writes and interruptions; 0 or the errno.
[[nodiscard]] int writeAll(int fd, std::span<const uint8_t> bytes);
// Makes reads and writes on fd wait again; 0 or the errno.
[[nodiscard]] int clearNonBlocking(int fd);

}  // namespace mousecfg
