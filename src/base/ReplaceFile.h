#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/WholeFile.h"

namespace mousecfg {

// Replaces the regular file at path, or creates it, through a temporary file in the
// same folder: written, flushed, closed, renamed over the file, and the folder flushed.
// The temporary file is removed whenever a step fails. Symbolic links on the way are
// followed, so the file they point to is replaced and they stay links.
FileWritten replaceRegularFile(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace mousecfg
