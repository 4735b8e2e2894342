// The readable macro text a user hands to mousectl, and macro bytes from a file or the
// mouse on their way to text. A text that is read must give at most 256 bytes ending in
// the end byte, and writing those bytes must give a text that reads back as the same
// bytes. Bytes that can be written must read back from their text unchanged.
// The same text read as a gun preset must give a 24-byte record whose events take at
// most 23 bytes, and the record's text must read back as the record.
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "device/ImageMap.h"
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

using GunRecord = std::array<uint8_t, image::kGunRecordLength>;

void checkGunText(std::string_view text) {
  const MacroTextParse parse = parseGunPresetText(text);
  if (!parse.ok) {
    require(!parse.error.empty() && parse.bytes.empty(), "a refused text says why, with no bytes");
    return;
  }
  require(parse.bytes.size() == image::kGunRecordLength, "a gun preset fills its record");
  const auto events = macro::scanEventsLength(parse.bytes);
  require(events.has_value() && *events <= image::kGunRecordLength,
          "the events walk to an end byte inside the record");
  require(std::all_of(parse.bytes.begin() + static_cast<std::ptrdiff_t>(*events), parse.bytes.end(),
                      [](uint8_t b) { return b == 0; }),
          "the record is zero after its end byte");
  GunRecord record{};
  std::ranges::copy(parse.bytes, record.begin());
  const MacroTextWrite write = writeGunPresetText(record, "title");
  require(write.ok, "the record of a text has a text");
  const MacroTextParse again = parseGunPresetText(write.text);
  require(again.ok && again.bytes == parse.bytes, "the written text reads back as the record");
}

void checkGunRecord(std::span<const uint8_t> bytes) {
  if (bytes.size() < image::kGunRecordLength) return;
  GunRecord record{};
  std::copy_n(bytes.begin(), record.size(), record.begin());
  const MacroTextWrite write = writeGunPresetText(record);
  if (!write.ok) {
    require(!write.error.empty(), "a refused record says why");
    return;
  }
  const MacroTextParse parse = parseGunPresetText(write.text);
  require(parse.ok && std::ranges::equal(parse.bytes, record),
          "a written record reads back as the same 24 bytes");
}

}  // namespace
}  // namespace mousecfg

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  mousecfg::checkText(text);
  mousecfg::checkBytes(std::span(data, size));
  mousecfg::checkGunText(text);
  mousecfg::checkGunRecord(std::span(data, size));
  return 0;
}
