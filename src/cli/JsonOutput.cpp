#include "cli/JsonOutput.h"

#include <ostream>

namespace mousecfg {

namespace {

constexpr int kIndent = 2;

}  // namespace

void printJson(std::ostream& out, const Json& document) {
  // Names and macro texts come from the mouse; invalid UTF-8 is replaced rather than
  // ending the output half-written.
  out << document.dump(kIndent, ' ', false, Json::error_handler_t::replace) << '\n';
}

Json byteArray(std::span<const uint8_t> bytes) {
  Json array = Json::array();
  for (uint8_t byte : bytes) array.push_back(byte);
  return array;
}

}  // namespace mousecfg
