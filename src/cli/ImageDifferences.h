#pragma once

#include <cstddef>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "device/ConfigImage.h"

namespace mousecfg {

// How a configuration file compares with what the mouse stores: the sections that
// differ, and what is wrong with the file itself.
struct ImageDifferences {
  struct Section {
    std::string_view name;
    size_t offset = 0;
    size_t length = 0;
    size_t differing = 0;
  };
  std::vector<Section> sections;  // only those that differ
  size_t differingElsewhere = 0;  // bytes outside the named sections
  std::vector<std::string> fileProblems;

  bool none() const { return sections.empty() && differingElsewhere == 0; }
};

// `file` as the mouse would take it: its leading bytes over `stored`.
ImageDifferences compareWithMouse(std::span<const uint8_t> file, const ImageBuffer& stored);

void printDifferences(const ImageDifferences& differences, std::ostream& out);

}  // namespace mousecfg
