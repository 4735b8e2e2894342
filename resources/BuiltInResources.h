#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace mousecfg {

// The data files built into the program (language tables, layout files, the udev
// rule), by file name without extension: "LANG1", "ORG", "70-mousecfg"... nullopt for
// an unknown name.
std::optional<std::span<const uint8_t>> builtInResource(std::string_view name);

}  // namespace mousecfg
