#pragma once

#include <cstdint>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <span>

namespace mousecfg {

// Keys stay in the order a command writes them, so the JSON reads like the text form.
using Json = nlohmann::ordered_json;

// One JSON document, indented, ending with a new line.
void printJson(std::ostream& out, const Json& document);

// Bytes as an array of numbers 0..255.
Json byteArray(std::span<const uint8_t> bytes);

}  // namespace mousecfg
