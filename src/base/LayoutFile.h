#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace mousecfg {

// One section of a layout file: INI text in the GBK code page.
//
// Reading rules:
// - Lines end at LF; a CR before it is dropped. A UTF-8 byte-order mark at the very
//   start is skipped.
// - Every line is trimmed of spaces, tabs and CRs. A trimmed line starting with ";"
//   is a comment. "[name]" opens a section (text after "]" is ignored). Any other
//   line needs an "=" to carry a key: the name is what stands before the first "=",
//   the value what follows it, both trimmed ("M_L_W = 190" is M_L_W, "190"). Lines
//   without "=" (banners such as "//***") and lines with an empty name are skipped.
// - Section and key names match without regard to ASCII case, as Windows INI
//   readers do. Values are kept as written: no quotes are removed and a ";" after a
//   value is part of it.
// - A key given twice in the section keeps its first value; a section header given
//   twice continues the same section. This is how the Windows profile reader answers.
// - Keys outside the chosen section, and before any section header, are ignored.
// - Bytes are never rejected: NUL, stray high bytes and broken GBK are all kept as
//   data. The characters that give the text structure (=, ;, blanks, CR, LF) are all
//   below 0x40, which no GBK trail byte is, so the lines can be cut before decoding.
//
// Reading a value:
// - integer(): the whole value must be an optional "+" or "-" followed by decimal
//   digits that fit an int: "7", " 7 " (trimmed), "-1", "+3", "007" all read; "12abc",
//   "1.0", "0x10", "", and anything beyond the int range yield the fallback. A typo
//   is thus never half-read as a smaller number.
// - enabled(): true only for the exact value "1". "01", "1.0", "yes", "true" are off:
//   an option or flag is on only when written the way the files write it.
// - text(): the value decoded from GBK to UTF-8; invalid GBK becomes U+FFFD.
class LayoutFile {
 public:
  // An empty section: every integer() yields its fallback, every flag is off.
  LayoutFile() = default;

  // Keeps the keys of `section` ("org", "org1", ...) from the raw file bytes.
  LayoutFile(std::span<const uint8_t> bytes, std::string_view section);
  LayoutFile(std::string_view bytes, std::string_view section);

  // True when the text had a header for the section (even with no keys in it).
  bool hasSection() const { return hasSection_; }
  bool contains(std::string_view key) const;
  size_t keyCount() const { return values_.size(); }

  int integer(std::string_view key, int fallback) const;
  bool enabled(std::string_view key) const;
  // Empty text for a missing key.
  std::string text(std::string_view key) const;

 private:
  const std::string* rawValue(std::string_view key) const;

  bool hasSection_ = false;
  // Lower-case name -> value bytes as written (GBK).
  std::unordered_map<std::string, std::string> values_;
};

}  // namespace mousecfg
