#pragma once

#include <string>
#include <vector>

#include "cli/ConfigText.h"

namespace mousecfg {

// The configuration as commented TOML that readConfigText reads back unchanged:
// `heading` lines first as comments, each value's note as a comment beside it. Values
// that are not set are left out.
std::string writeConfigText(const ConfigText& config, const std::vector<std::string>& heading);

// `text` as a TOML basic string, quotes included: "Media/Stop", "say \"hi\"".
std::string tomlQuoted(std::string_view text);

}  // namespace mousecfg
