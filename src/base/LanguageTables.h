#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/LanguageTable.h"
#include "base/MessageTexts.h"

namespace mousecfg {

// Language N (1..3) picks the built-in table "LANGN" with its section "langN"; the
// same N picks the layout (layoutResourceName / layoutSectionName in LayoutSet.h)
// and the skin pictures "LN_...".
std::string languageTableResourceName(int language);
std::string languageTableSectionName(int language);
std::string skinPicturePrefix(int language);
// "L2_" + "Back1" -> "L2_Back1".
std::string skinPictureName(int language, std::string_view role);

// The three language tables and the language in use (1 at every start, not saved).
class LanguageTables {
 public:
  // Three empty tables: every text is "".
  LanguageTables();
  explicit LanguageTables(std::array<LanguageTable, 3> tables);

  // LANG1..LANG3 from the resources built into the program; a missing resource
  // gives an empty table.
  static LanguageTables builtIn();

  int language() const { return language_; }
  // The table of language 1..3; an empty table for any other number.
  const LanguageTable& table(int language) const;
  const LanguageTable& current() const { return table(language_); }

  // Text of `key` in the language in use; "" when the table lacks it.
  std::string text(std::string_view key) const { return current().text(key); }
  // A function menu item: a blank, the marker text (Str200), a blank and the text.
  std::string menuItemText(std::string_view key) const;
  // The message texts kept when the language in use was applied.
  const MessageTexts& messages() const { return messages_; }

  // Makes `language` the one in use; false, and nothing changes, outside 1..3.
  bool selectLanguage(int language);

  // The key under which `text` stands: tables 1, 2 and 3 in turn, each over the
  // keys Str100..Str800; every match replaces the previous one, so the last wins.
  // Keys below Str100 never match, and neither does an empty text.
  std::optional<std::string> keyOfText(std::string_view text) const;

  // A key-page button caption re-labelled into `language`: the text of the key the
  // caption stands under, or the caption itself when it is no table text (a macro
  // name, a key combination) or when that language's table lacks the key.
  std::string relabel(std::string_view caption, int language) const;

  // Switches to `language`: re-labels `keyCaptions` into it and makes it the one in
  // use. False, and nothing changes, outside 1..3.
  bool switchLanguage(int language, std::span<std::string> keyCaptions);

 private:
  std::array<LanguageTable, 3> tables_;
  int language_ = 1;
  MessageTexts messages_;
};

}  // namespace mousecfg
