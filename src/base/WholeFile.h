#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace mousecfg {

// The result of reading a whole file: the bytes, or why there are none.
struct FileContents {
  bool ok = false;
  std::vector<uint8_t> bytes;
  std::string error;  // for the user: "cannot open ...", "... is larger than ..."
};

// Reads a file whole. A file larger than maxBytes is refused rather than read, so a
// wrong file chosen by mistake cannot exhaust memory.
FileContents readWholeFile(const std::string& path, size_t maxBytes);

// Writes a temporary file in the same folder and renames it over path, so a crash or
// a full disk never leaves a half-written file. Empty on success, else the reason.
std::string writeWholeFile(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace mousecfg
