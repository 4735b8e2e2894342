#include "base/LanguageTables.h"

#include "BuiltInResources.h"
#include "base/LanguageKeys.h"
#include "base/LayoutSet.h"

#include <utility>

namespace mousecfg {
namespace {

// Captions are translated by searching these key numbers; the key is the prefix and the
// number as written without leading zeros.
constexpr int kFirstSearchedKey = 100;
constexpr int kLastSearchedKey = 800;

char asciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The number of a key that the caption search forms, the prefix and the number without
// leading zeros (keys match without regard to case); nullopt for any other key.
std::optional<int> searchedKeyNumber(std::string_view key) {
  const std::string_view prefix = langkey::kPrefix;
  if (key.size() != prefix.size() + langkey::kDigits || key[prefix.size()] == '0')
    return std::nullopt;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (asciiLower(key[i]) != asciiLower(prefix[i])) return std::nullopt;
  int number = 0;
  for (char c : key.substr(prefix.size())) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  if (number < kFirstSearchedKey || number > kLastSearchedKey) return std::nullopt;
  return number;
}

bool isLanguage(int language) {
  return language >= kFirstLanguage && language <= kLastLanguage;
}

std::size_t indexOf(int language) {
  return static_cast<std::size_t>(language - kFirstLanguage);
}

}  // namespace

std::string languageTableResourceName(int language) {
  return "LANG" + std::to_string(language);
}

std::string languageTableSectionName(int language) {
  return "lang" + std::to_string(language);
}

std::string skinPicturePrefix(int language) {
  std::string prefix = "L";
  prefix += std::to_string(language);
  prefix += '_';
  return prefix;
}

std::string skinPictureName(int language, std::string_view role) {
  return skinPicturePrefix(language) + std::string(role);
}

LanguageTables::LanguageTables() : messages_(tables_[0]) {}

LanguageTables::LanguageTables(std::array<LanguageTable, 3> tables)
    : tables_(std::move(tables)), messages_(tables_[0]) {}

// The built-in tables never change, so they are decoded once per process: every
// application core (and every in-process mousectl run) copies the decoded tables.
LanguageTables LanguageTables::builtIn() {
  static const LanguageTables decoded = [] {
    std::array<LanguageTable, 3> tables;
    for (int language = kFirstLanguage; language <= kLastLanguage; ++language) {
      const auto bytes = builtInResource(languageTableResourceName(language));
      if (bytes)
        tables[indexOf(language)] =
            LanguageTable::fromUtf16Ini(*bytes, languageTableSectionName(language));
    }
    return LanguageTables(std::move(tables));
  }();
  return decoded;
}

const LanguageTable& LanguageTables::table(int language) const {
  static const LanguageTable kEmpty;
  return isLanguage(language) ? tables_[indexOf(language)] : kEmpty;
}

std::string LanguageTables::menuItemText(std::string_view key) const {
  std::string item = " ";
  item += text(langkey::menu::kMarker);
  item += ' ';
  item += text(key);
  return item;
}

bool LanguageTables::selectLanguage(int language) {
  if (!isLanguage(language)) return false;
  language_ = language;
  messages_ = MessageTexts(current());
  return true;
}

std::optional<std::string> LanguageTables::keyOfText(std::string_view text) const {
  if (text.empty()) return std::nullopt;
  // Searching every table by ascending number with the last match winning comes to
  // the highest matching number of the last table that has a match.
  for (auto table = tables_.rbegin(); table != tables_.rend(); ++table) {
    std::optional<int> found;
    for (const LanguageTable::Entry& entry : table->entries()) {
      const std::optional<int> number = searchedKeyNumber(entry.key);
      if (number && entry.text == text && (!found || *number > *found)) found = number;
    }
    if (found) return langkey::keyOfNumber(*found);
  }
  return std::nullopt;
}

std::string LanguageTables::relabel(std::string_view caption, int language) const {
  const std::optional<std::string> key = keyOfText(caption);
  if (!key || !table(language).contains(*key)) return std::string(caption);
  return table(language).text(*key);
}

bool LanguageTables::switchLanguage(int language, std::span<std::string> keyCaptions) {
  if (!isLanguage(language)) return false;
  for (std::string& caption : keyCaptions) caption = relabel(caption, language);
  return selectLanguage(language);
}

}  // namespace mousecfg
