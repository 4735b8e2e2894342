#pragma once

#include <string_view>

namespace mousecfg::fuzz {

// Stops the run with a report when a property does not hold; libFuzzer then saves the
// input as a crash.
void require(bool holds, std::string_view property);

}  // namespace mousecfg::fuzz
