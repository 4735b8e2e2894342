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

}  // namespace mousecfg::fuzz
