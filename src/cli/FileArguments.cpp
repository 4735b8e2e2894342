#include "cli/FileArguments.h"

namespace mousecfg {

namespace {

constexpr const char* kStandardStreams = "-";

}  // namespace

FileContents readFileArgument(const std::string& name, size_t maxBytes, const CliContext& context) {
  if (name != kStandardStreams) return readWholeFile(name, maxBytes);
  if (context.in) return readWholeStream(*context.in, "standard input", maxBytes);
  FileContents none;
  none.error = "there is no standard input to read";
  return none;
}

FileWritten writeFileArgument(const std::string& name, std::span<const uint8_t> bytes,
                              const CliContext& context) {
  if (name == kStandardStreams) return writeWholeStream(context.out, outputName(name), bytes);
  return writeWholeFile(name, bytes);
}

std::string outputName(const std::string& name) {
  return name == kStandardStreams ? "standard output" : name;
}

}  // namespace mousecfg
