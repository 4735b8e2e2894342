// The readable macro text a user hands to mousectl, and macro bytes from a file or the
// mouse on their way to text. A text that is read must give at most 256 bytes ending in
// the end byte, and writing those bytes must give a text that reads back as the same
// bytes. Bytes that can be written must read back from their text unchanged.
#include <cstdint>
#include <span>
#include <string_view>

#include "device/MacroEvent.h"
#include "macros/MacroText.h"
#include "support/PropertyCheck.h"

namespace mousecfg {
namespace {

using fuzz::require;

void checkText(std::string_view text) {
  const MacroTextParse parse = parseMacroText(text);
  if (!parse.ok) {
    require(!parse.error.empty() && parse.bytes.empty(), "a refused text says why, with no bytes");
    return;
  }
  require(!parse.bytes.empty() && parse.bytes.size() <= 256, "a macro fits its body");
  require(parse.bytes.back() == macro::kEventEnd, "a macro ends with the end byte");
  require(macro::scanEventsLength(parse.bytes) == parse.bytes.size(),
          "the events walk to the end byte exactly");
  const MacroTextWrite write = writeMacroText(parse.bytes, "title");
  require(write.ok, "the bytes of a text have a text");
  const MacroTextParse again = parseMacroText(write.text);
  require(again.ok && again.bytes == parse.bytes, "the written text reads back as the bytes");
}

void checkBytes(std::span<const uint8_t> bytes) {
  const MacroTextWrite write = writeMacroText(bytes);
  if (!write.ok) return;
  const MacroTextParse parse = parseMacroText(write.text);
  const auto length = macro::scanEventsLength(bytes);
  require(length.has_value(), "only complete macros are written");
  if (*length > 256) return;
  require(parse.ok, "written text reads");
  require(
      std::equal(parse.bytes.begin(), parse.bytes.end(), bytes.begin(), bytes.begin() + *length) &&
          parse.bytes.size() == *length,
      "written text reads back as the bytes up to the end byte");
}

}  // namespace
}  // namespace mousecfg

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  mousecfg::checkText(std::string_view(reinterpret_cast<const char*>(data), size));
  mousecfg::checkBytes(std::span(data, size));
  return 0;
}
