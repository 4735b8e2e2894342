#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mousecfg {

// UTF-16LE bytes as UTF-8. A leading FF FE is the byte-order mark and is skipped;
// without it every byte is text. An odd last byte is dropped; a surrogate without its
// partner becomes U+FFFD.
std::string decodeUtf16Le(std::span<const uint8_t> bytes);

// Splits language-table text into entries. Characters up to U+0020 (blanks, tabs,
// line breaks, control characters) separate entries. An entry that starts with a
// double quote runs to the next double quote, blanks included; "" inside it stands
// for one quote, and a missing closing quote ends the entry at the end of the text.
// Any other entry runs to the next separator, quotes included.
std::vector<std::string> splitLanguageEntries(std::string_view text);

// One language table: the entries of one section of a UTF-16LE INI text.
//
// Each entry from splitLanguageEntries is trimmed of characters up to U+0020; empty
// entries and entries starting with ";" carry nothing. "[name]" opens a section,
// matched against the wanted one without regard to ASCII case; entries before the
// first header or in other sections are ignored. In the wanted section an entry is
// "key=value", cut at the first "=", both sides trimmed; an entry without "=" or
// with an empty key is ignored. Keys match without regard to ASCII case and the
// first of two equal keys counts. Because entries split at blanks, a line needs its
// quotes to keep a blank: "Str001=Save Profile" is one entry, while the unquoted
// Str001=Save Profile gives "Str001=Save" and a stray "Profile".
class LanguageTable {
 public:
  LanguageTable() = default;

  // The entries of `section` ("lang1", ...) from the raw bytes of a table.
  static LanguageTable fromUtf16Ini(std::span<const uint8_t> bytes, std::string_view section);
  // The same from text that is already decoded.
  static LanguageTable fromText(std::string_view text, std::string_view section);

  // The text of `key`; "" when the table lacks it.
  std::string text(std::string_view key) const;
  bool contains(std::string_view key) const;
  std::string fontName() const { return text("FontName"); }
  std::string title() const { return text("Title"); }

  struct Entry {
    std::string key;  // as written
    std::string text;
  };
  // The entries in file order, each key once.
  const std::vector<Entry>& entries() const { return entries_; }
  std::vector<std::string> keys() const;
  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }

 private:
  void add(std::string key, std::string text);

  std::vector<Entry> entries_;
  std::unordered_map<std::string, std::size_t> indexByFoldedKey_;
};

}  // namespace mousecfg
