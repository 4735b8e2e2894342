#include "base/LanguageTable.h"

#include "base/Utf16Text.h"

namespace mousecfg {
namespace {

constexpr uint8_t kByteOrderMark[] = {0xFF, 0xFE};

bool isSeparator(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isSeparator(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSeparator(text.back())) text.remove_suffix(1);
  return text;
}

std::string folded(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return result;
}

// A quoted entry starting after its opening quote at `pos`; `pos` ends after the
// closing quote.
std::string quotedEntry(std::string_view text, std::size_t& pos) {
  std::string entry;
  while (pos < text.size()) {
    const char c = text[pos++];
    if (c != '"') {
      entry += c;
    } else if (pos < text.size() && text[pos] == '"') {
      entry += '"';
      ++pos;
    } else {
      break;
    }
  }
  return entry;
}

}  // namespace

std::string decodeUtf16Le(std::span<const uint8_t> bytes) {
  std::size_t pos = 0;
  if (bytes.size() >= 2 && bytes[0] == kByteOrderMark[0] && bytes[1] == kByteOrderMark[1]) pos = 2;
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (; pos + 1 < bytes.size(); pos += 2)
    units += static_cast<char16_t>(bytes[pos] | bytes[pos + 1] << 8);
  return utf8FromUtf16(units);
}

std::vector<std::string> splitLanguageEntries(std::string_view text) {
  std::vector<std::string> entries;
  std::size_t pos = 0;
  while (true) {
    while (pos < text.size() && isSeparator(text[pos])) ++pos;
    if (pos >= text.size()) break;
    if (text[pos] == '"') {
      ++pos;
      entries.push_back(quotedEntry(text, pos));
      continue;
    }
    const std::size_t start = pos;
    while (pos < text.size() && !isSeparator(text[pos])) ++pos;
    entries.emplace_back(text.substr(start, pos - start));
  }
  return entries;
}

LanguageTable LanguageTable::fromUtf16Ini(std::span<const uint8_t> bytes,
                                          std::string_view section) {
  return fromText(decodeUtf16Le(bytes), section);
}

LanguageTable LanguageTable::fromText(std::string_view text, std::string_view section) {
  LanguageTable table;
  const std::string wanted = folded(section);
  bool inWantedSection = false;
  for (const std::string& raw : splitLanguageEntries(text)) {
    const std::string_view entry = trimmed(raw);
    if (entry.empty() || entry.front() == ';') continue;
    if (entry.size() >= 2 && entry.front() == '[' && entry.back() == ']') {
      inWantedSection = folded(trimmed(entry.substr(1, entry.size() - 2))) == wanted;
      continue;
    }
    if (!inWantedSection) continue;
    const std::size_t equals = entry.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view key = trimmed(entry.substr(0, equals));
    if (key.empty()) continue;
    table.add(std::string(key), std::string(trimmed(entry.substr(equals + 1))));
  }
  return table;
}

void LanguageTable::add(std::string key, std::string text) {
  const auto [it, inserted] = indexByFoldedKey_.emplace(folded(key), entries_.size());
  if (inserted) entries_.push_back({std::move(key), std::move(text)});
}

std::string LanguageTable::text(std::string_view key) const {
  const auto it = indexByFoldedKey_.find(folded(key));
  return it == indexByFoldedKey_.end() ? std::string() : entries_[it->second].text;
}

bool LanguageTable::contains(std::string_view key) const {
  return indexByFoldedKey_.contains(folded(key));
}

std::vector<std::string> LanguageTable::keys() const {
  std::vector<std::string> result;
  result.reserve(entries_.size());
  for (const Entry& entry : entries_) result.push_back(entry.key);
  return result;
}

}  // namespace mousecfg
