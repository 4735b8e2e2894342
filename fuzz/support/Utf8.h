#pragma once

#include <string_view>

namespace mousecfg::fuzz {

// Well-formed UTF-8 as Unicode defines it: shortest forms only, no surrogates, nothing
// above U+10FFFF. Written apart from the program's encoders so it can judge them.
bool isValidUtf8(std::string_view text);

}  // namespace mousecfg::fuzz
