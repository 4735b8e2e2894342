#include "cli/ImageDifferences.h"

#include <algorithm>
#include <ostream>

#include "base/HexText.h"
#include "device/ImageSections.h"

namespace mousecfg {

namespace {

size_t differingBytes(const ImageBuffer& a, const ImageBuffer& b, size_t offset, size_t length) {
  size_t count = 0;
  for (size_t i = offset; i < offset + length; ++i) count += a[i] != b[i];
  return count;
}

void noteFileProblems(std::span<const uint8_t> file, const ImageBuffer& loaded,
                      std::vector<std::string>& problems) {
  if (file.size() < image::kImageLength)
    problems.push_back("the file holds " + std::to_string(file.size()) + " of " +
                       std::to_string(image::kImageLength) +
                       " bytes: only that leading part replaces what the mouse stores");
  if (file.size() > image::kImageLength)
    problems.push_back("the file holds " + std::to_string(file.size()) + " bytes: only the first " +
                       std::to_string(image::kImageLength) + " are used");
  for (const ImageSection& section : kImageSections) {
    if (section.checksum == SectionChecksum::None) continue;
    const auto data = std::span(loaded).subspan(section.offset, section.length);
    if (data.back() != sectionChecksum(data))
      problems.push_back("the " + std::string(section.name) + " section's checksum is " +
                         hexDigits(data.back(), 2) + ", not " +
                         hexDigits(sectionChecksum(data), 2) +
                         ": the mouse and the program would rebuild it from the defaults");
  }
}

}  // namespace

ImageDifferences compareWithMouse(std::span<const uint8_t> file, const ImageBuffer& stored) {
  ImageBuffer loaded = stored;
  std::copy_n(file.begin(), std::min(file.size(), loaded.size()), loaded.begin());
  ImageDifferences differences;
  size_t inSections = 0;
  for (const ImageSection& section : kImageSections) {
    const size_t differing = differingBytes(loaded, stored, section.offset, section.length);
    inSections += differing;
    if (differing > 0)
      differences.sections.push_back({section.name, section.offset, section.length, differing});
  }
  differences.differingElsewhere =
      differingBytes(loaded, stored, 0, image::kImageLength) - inSections;
  noteFileProblems(file, loaded, differences.fileProblems);
  return differences;
}

void printDifferences(const ImageDifferences& differences, std::ostream& out) {
  for (const std::string& problem : differences.fileProblems) out << "warning: " << problem << '\n';
  if (differences.none()) {
    out << "nothing in the file differs from what the mouse stores\n";
    return;
  }
  for (const ImageDifferences::Section& section : differences.sections)
    out << section.name << " (bytes " << section.offset << ".."
        << section.offset + section.length - 1 << "): " << section.differing
        << (section.differing == 1 ? " byte differs\n" : " bytes differ\n");
  if (differences.differingElsewhere > 0)
    out << "elsewhere (macros and the rest): " << differences.differingElsewhere
        << (differences.differingElsewhere == 1 ? " byte differs\n" : " bytes differ\n");
}

}  // namespace mousecfg
