// mousectl check on a saved file of any content. A file of 2048 bytes must end in
// status 0 or 1, 1 exactly when a checksummed section is broken, with a report in valid
// UTF-8 that lists the macros the block holds; a file of any other size must end in 5.
#include <algorithm>
#include <cstdint>
#include <span>
#include <sstream>
#include <string>
#include <utility>

#include "cli/CliContext.h"
#include "device/ConfigImage.h"
#include "device/DeviceMacroBlock.h"
#include "device/ImageMap.h"
#include "support/PropertyCheck.h"
#include "support/ScratchFile.h"
#include "support/Utf8.h"

namespace mousecfg {
namespace {

using fuzz::checksumHolds;
using fuzz::require;
using namespace image;

bool anySectionBroken(std::span<const uint8_t> file) {
  constexpr std::pair<size_t, size_t> kChecked[] = {{kVendorOffset, kVendorLength},
                                                    {kUserOffset, kUserLength},
                                                    {kProfile1Offset, kProfileLength},
                                                    {kProfile2Offset, kProfileLength}};
  for (const auto& [offset, length] : kChecked)
    if (!checksumHolds(file.subspan(offset, length))) return true;
  return false;
}

const fuzz::ScratchFile& scratchFile() {
  static const fuzz::ScratchFile file("mousectl-check-fuzz.bin");
  return file;
}

void checkMacroLines(std::span<const uint8_t> file, const std::string& report) {
  ImageBuffer image{};
  std::copy(file.begin(), file.end(), image.begin());
  DeviceMacroBlock macros;
  macros.loadFromImage(image);
  macros.ReadAndRefreshMacroBlock();
  const std::string count = "macros    " + std::to_string(macros.macroCount()) + " using ";
  require(report.find(count) != std::string::npos, "the report counts the macros");
  for (const std::string& name : macros.names())
    require(report.find("          " + name + "\n") != std::string::npos,
            "the report lists every macro name");
}

}  // namespace
}  // namespace mousecfg

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mousecfg;
  const std::span<const uint8_t> file(data, size);
  scratchFile().write(file);
  std::ostringstream out;
  std::ostringstream err;
  const int status = runMousectl({"check", scratchFile().path()}, CliContext(out, err));
  const std::string report = out.str();

  if (size != kImageLength) {
    require(status == 5, "a file of another size is a file error");
    require(report.empty() && !err.str().empty(), "a file error is told on the error stream");
    return 0;
  }
  require(status == 0 || status == 1, "a whole image is either sound or broken");
  require((status == 1) == anySectionBroken(file), "status 1 exactly when a section is broken");
  require(err.str().empty(), "a readable image leaves the error stream empty");
  require(fuzz::isValidUtf8(report), "the report is valid UTF-8");
  const bool saysOk = report.ends_with("all sections ok\n");
  require(saysOk == (status == 0), "the last line says whether every section is sound");
  checkMacroLines(file, report);
  return 0;
}
