#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mousecfg {

class ApplicationCore;

// Lighting effect k's name in the current language ("Rainbow").
std::string effectName(const ApplicationCore& pages, int effect);

// The effect a text gives: its number 1..7 or its name, in any case and with or
// without spaces, hyphens and underscores ("flow-light"). When none, `closest` is
// set to the name that comes closest, if any does.
std::optional<int> effectOfName(std::string_view text, const ApplicationCore& pages,
                                std::string& closest);

}  // namespace mousecfg
