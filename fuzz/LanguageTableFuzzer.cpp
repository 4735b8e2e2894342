// A language table file as found on disk: UTF-16LE INI text of any shape. Every key and
// text must come out as valid UTF-8, every listed key must be found again (in any ASCII
// case) with its text, and a section put in front of the file must be read as written
// without changing what the file's own sections give.
#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/LanguageTable.h"
#include "support/PropertyCheck.h"
#include "support/Utf8.h"

namespace mousecfg {
namespace {

using fuzz::require;

constexpr std::string_view kSection = "lang1";
constexpr std::string_view kProbeKey = "FuzzProbeKey";
constexpr std::string_view kProbeText = "probe text with blanks";
// Opens the wanted section, gives the probe and leaves the section again, so that the
// file after it starts outside the wanted section as it would on its own.
constexpr std::string_view kPrefix =
    "[LANG1]\r\n\"FuzzProbeKey=probe text with blanks\"\r\n[other]\r\n";

std::string asciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

std::string asciiUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

bool hasEdgeSeparator(std::string_view text) {
  return !text.empty() && (static_cast<unsigned char>(text.front()) <= 0x20 ||
                           static_cast<unsigned char>(text.back()) <= 0x20);
}

void checkTable(const LanguageTable& table) {
  std::vector<std::string> folded;
  for (const LanguageTable::Entry& entry : table.entries()) {
    require(fuzz::isValidUtf8(entry.key), "a key is valid UTF-8");
    require(fuzz::isValidUtf8(entry.text), "a text is valid UTF-8");
    require(!entry.key.empty(), "a key is never empty");
    require(entry.key.find('=') == std::string::npos, "a key ends at the first '='");
    require(!hasEdgeSeparator(entry.key) && !hasEdgeSeparator(entry.text),
            "keys and texts are trimmed");
    require(table.contains(entry.key), "a listed key is found");
    require(table.text(entry.key) == entry.text, "a listed key gives its text");
    require(table.text(asciiUpper(entry.key)) == entry.text &&
                table.text(asciiLower(entry.key)) == entry.text,
            "keys match without regard to ASCII case");
    folded.push_back(asciiLower(entry.key));
  }
  std::sort(folded.begin(), folded.end());
  require(std::adjacent_find(folded.begin(), folded.end()) == folded.end(),
          "each key is listed once");
  require(table.size() == table.entries().size() && table.keys().size() == table.size(),
          "size, keys and entries agree");
}

std::vector<uint8_t> utf16Le(std::string_view ascii) {
  std::vector<uint8_t> bytes{0xFF, 0xFE};
  for (char c : ascii) {
    bytes.push_back(static_cast<uint8_t>(c));
    bytes.push_back(0);
  }
  return bytes;
}

// The file with the probe section in front: the file's byte-order mark, if any, gives
// way to the prefix's own so the file's text decodes as it did alone.
void checkProbeInFront(std::span<const uint8_t> file, const LanguageTable& alone) {
  std::vector<uint8_t> bytes = utf16Le(kPrefix);
  const bool fileHasMark = file.size() >= 2 && file[0] == 0xFF && file[1] == 0xFE;
  const std::span<const uint8_t> text = fileHasMark ? file.subspan(2) : file;
  bytes.insert(bytes.end(), text.begin(), text.end());
  const LanguageTable probed = LanguageTable::fromUtf16Ini(bytes, kSection);

  require(!probed.empty() && probed.entries().front().key == kProbeKey &&
              probed.entries().front().text == kProbeText,
          "the section in front is read first, blanks inside quotes kept");
  require(probed.text(kProbeKey) == kProbeText, "the first of two equal keys counts");
  std::vector<LanguageTable::Entry> rest(probed.entries().begin() + 1, probed.entries().end());
  std::vector<LanguageTable::Entry> expected;
  for (const LanguageTable::Entry& entry : alone.entries())
    if (asciiLower(entry.key) != asciiLower(kProbeKey)) expected.push_back(entry);
  const auto same = [](const LanguageTable::Entry& a, const LanguageTable::Entry& b) {
    return a.key == b.key && a.text == b.text;
  };
  require(std::equal(rest.begin(), rest.end(), expected.begin(), expected.end(), same),
          "a section in front changes nothing the file gives");
}

}  // namespace
}  // namespace mousecfg

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mousecfg;
  const std::span<const uint8_t> file(data, size);
  const std::string text = decodeUtf16Le(file);
  require(fuzz::isValidUtf8(text), "decoded UTF-16 is valid UTF-8");
  for (const std::string& entry : splitLanguageEntries(text))
    require(fuzz::isValidUtf8(entry), "an entry is valid UTF-8");

  const LanguageTable table = LanguageTable::fromUtf16Ini(file, kSection);
  checkTable(table);
  checkProbeInFront(file, table);
  return 0;
}
