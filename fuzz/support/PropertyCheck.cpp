#include "support/PropertyCheck.h"

#include <cstdio>
#include <cstdlib>

namespace mousecfg::fuzz {

void require(bool holds, std::string_view property) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %.*s\n", static_cast<int>(property.size()),
               property.data());
  std::abort();
}

bool checksumHolds(std::span<const uint8_t> section) {
  unsigned sum = 0;
  for (size_t i = 0; i + 1 < section.size(); ++i) sum += section[i];
  return !section.empty() && section.back() == static_cast<uint8_t>((sum & 0xFF) ^ 0x5A);
}

}  // namespace mousecfg::fuzz
