#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace mousecfg::fuzz {

// A file in $TMPDIR (or /tmp) that each input is written to before a reader of files
// takes it; named after the process, removed when the run ends.
class ScratchFile {
 public:
  explicit ScratchFile(std::string_view name);
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::string& path() const { return path_; }
  // Replaces the file's content; stops the run when the file cannot be written.
  void write(std::span<const uint8_t> bytes) const;

 private:
  std::string path_;
};

}  // namespace mousecfg::fuzz
