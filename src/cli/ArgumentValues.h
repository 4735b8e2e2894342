#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/LanguageTables.h"

namespace mousecfg {

// "FF7F00" or "#FF7F00" as 0xFF7F00.
std::optional<uint32_t> parseColourArgument(std::string_view text);
// A whole decimal number within [low, high].
std::optional<int> parseNumberArgument(std::string_view text, int low, int high);
// A whole decimal number with an optional leading minus, within [low, high].
std::optional<int> parseSignedArgument(std::string_view text, int low, int high);
// "on" or "off".
std::optional<bool> parseOnOffArgument(std::string_view text);
// A DPI step given as its number (0..count-1) or as its DPI text ("1600").
std::optional<int> parseStepArgument(std::string_view text, int count, const LanguageTables& texts);
// "FF7F00".
std::string colourText(uint32_t rgb);
// "3a7e": a USB vendor id, product id or device version as four lower-case digits.
std::string usbIdText(int id);

}  // namespace mousecfg
