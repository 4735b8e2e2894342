#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "base/WholeFile.h"
#include "cli/CliContext.h"

namespace mousecfg {

// A file named on the command line, where "-" stands for standard input or output.
FileContents readFileArgument(const std::string& name, size_t maxBytes, const CliContext& context);
FileWritten writeFileArgument(const std::string& name, std::span<const uint8_t> bytes,
                              const CliContext& context);
// How messages name it: "standard output" for "-", else the name itself.
std::string outputName(const std::string& name);

}  // namespace mousecfg
