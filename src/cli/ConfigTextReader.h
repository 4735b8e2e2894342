#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "cli/ConfigText.h"

namespace mousecfg {

// What reading a configuration text gave: the configuration, or the first mistake with
// its line.
struct [[nodiscard]] ConfigTextRead {
  std::optional<ConfigText> config;
  int line = 0;       // of the mistake; 0 when it belongs to no line
  std::string error;  // "line 12: ..." ready to show

  bool ok() const { return config.has_value(); }
};

// Longer texts are refused unread.
inline constexpr size_t kMaxConfigTextBytes = 1 << 20;

// Reads the TOML text strictly: an unknown table or key, a value of the wrong type or
// out of its range is a mistake. Names (functions, effects, guns, vendor fields) are
// only checked to be text here; what they mean depends on the mouse.
ConfigTextRead readConfigText(std::string_view text);

}  // namespace mousecfg
