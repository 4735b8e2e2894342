// A configuration file of any content, compared with the mouse as "mousectl load"
// does before it writes. Every differing byte of the file as the mouse would take it
// (its leading 2048 bytes over what the mouse stores) must be counted once, in a named
// section or elsewhere; only sections that differ are listed, each within the image; a
// size warning comes exactly when the file is not 2048 bytes long, a checksum warning
// exactly for each checksummed section that fails; and the report says nothing differs
// exactly when nothing does.
#include <algorithm>
#include <cstdint>
#include <span>
#include <sstream>
#include <string>

#include "DefaultImage.h"
#include "cli/ImageDifferences.h"
#include "device/ImageMap.h"
#include "device/ImageSections.h"
#include "support/PropertyCheck.h"

namespace mousecfg {
namespace {

using fuzz::checksumHolds;
using fuzz::require;

size_t countContaining(const std::vector<std::string>& lines, std::string_view part) {
  return static_cast<size_t>(std::ranges::count_if(
      lines, [&](const std::string& line) { return line.find(part) != std::string::npos; }));
}

}  // namespace
}  // namespace mousecfg

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mousecfg;
  const std::span<const uint8_t> file(data, size);
  const ImageBuffer stored = builtInDefaultImage();
  const ImageDifferences differences = compareWithMouse(file, stored);

  ImageBuffer loaded = stored;
  std::copy_n(file.begin(), std::min(size, loaded.size()), loaded.begin());
  size_t differing = 0;
  for (size_t i = 0; i < loaded.size(); ++i) differing += loaded[i] != stored[i];
  size_t counted = differences.differingElsewhere;
  for (const ImageDifferences::Section& section : differences.sections) {
    require(section.differing > 0, "only differing sections are listed");
    require(section.offset + section.length <= image::kImageLength, "sections lie in the image");
    require(section.differing <= section.length, "a section differs in at most all its bytes");
    counted += section.differing;
  }
  require(counted == differing, "every differing byte is counted once");
  require(differences.none() == (differing == 0), "none() tells whether anything differs");

  const bool wrongSize = size != image::kImageLength;
  require((countContaining(differences.fileProblems, "the file holds") == 1) == wrongSize,
          "a size warning exactly for a file of the wrong size");
  size_t broken = 0;
  for (const ImageSection& section : kImageSections)
    if (section.checksum != SectionChecksum::None &&
        !checksumHolds(std::span(loaded).subspan(section.offset, section.length)))
      ++broken;
  require(countContaining(differences.fileProblems, "checksum is") == broken,
          "a checksum warning for each broken section");

  std::ostringstream report;
  printDifferences(differences, report);
  require(
      (report.str().find("nothing in the file differs") != std::string::npos) == (differing == 0),
      "the report says nothing differs exactly when nothing does");
  return 0;
}
