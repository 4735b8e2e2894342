#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "base/FileDescriptor.h"

namespace mousecfg {

// The file MOUSECFG_TRACE names, one line per frame, each written at once. A regular
// file is started afresh; a FIFO or a terminal is written to as it is, and a FIFO
// nothing reads from is refused rather than waited on. Lines may come from the UI thread
// and the listener at once.
class TraceFile {
 public:
  struct Opened;
  [[nodiscard]] static Opened open(const std::string& path);

  void write(const std::string& line);

 private:
  explicit TraceFile(FileDescriptor fd) : fd_(std::move(fd)) {}

  std::mutex mutex_;
  FileDescriptor fd_;
};

struct TraceFile::Opened {
  std::shared_ptr<TraceFile> file;  // null when it cannot be written
  std::string error;                // why, with the path
};

}  // namespace mousecfg
