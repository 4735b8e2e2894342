#include "settings/FunctionLookup.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "base/CloseNames.h"
#include "base/LanguageTables.h"
#include "settings/ButtonEntry.h"
#include "settings/MenuItems.h"

namespace mousecfg {

namespace {

constexpr size_t kMaxSuggestions = 5;

std::string folded(std::string_view text) {
  std::string out;
  for (char c : text) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// " * DPI +" and "*DPI +" name "DPI +".
std::string withoutMarker(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && text.front() == '*') text = trimmed(text.substr(1));
  return std::string(text);
}

// The group a sub-menu is opened from, for qualified names.
std::string groupText(MenuPanel panel, const LanguageTables& languages) {
  for (const MenuEntry& entry : menuEntries())
    if (entry.action == MenuAction::OpenPanel && entry.opens == panel)
      return languages.text(entry.languageKey);
  return {};
}

struct Candidate {
  std::string text;  // as shown to the user
  FunctionChoice choice;
  // The text without its group ("LED ON/OFF" has a slash of its own), and whether
  // the group was put before it.
  std::string plain;
  bool qualified = false;
};

std::vector<Candidate> candidates(const LanguageTables& languages,
                                  const std::vector<std::string>& macroNames,
                                  const std::vector<std::string>& fireMacroNames) {
  std::vector<Candidate> all;
  for (const MenuEntry& entry : menuEntries()) {
    if (entry.action != MenuAction::Assign) continue;
    const FunctionChoice choice{FunctionChoice::Kind::MenuItem, entry.id, {}, 0};
    const std::string text = languages.text(entry.languageKey);
    all.push_back({text, choice, text, false});
    all.push_back({groupText(entry.panel, languages) + "/" + text, choice, text, true});
  }
  for (size_t j = 0; j < macroNames.size(); ++j)
    all.push_back({macroNames[j], {FunctionChoice::Kind::DeviceMacro, 0, {}, j}, macroNames[j]});
  for (size_t j = 0; j < fireMacroNames.size(); ++j)
    all.push_back(
        {fireMacroNames[j], {FunctionChoice::Kind::FireMacro, 0, {}, j}, fireMacroNames[j]});
  return all;
}

// The menu entry that is not a function but carries the text, if any.
const MenuEntry* nonFunctionEntry(const std::string& wanted, const LanguageTables& languages) {
  for (const MenuEntry& entry : menuEntries())
    if (entry.action != MenuAction::Assign && folded(languages.text(entry.languageKey)) == wanted)
      return &entry;
  return nullptr;
}

void explainNonFunction(const MenuEntry& entry, const std::string& given,
                        const LanguageTables& languages, FunctionLookup& result) {
  if (entry.action != MenuAction::OpenPanel) {
    result.problem = "\"" + given +
                     "\" opens a dialog in the window; give the entry as 8 hexadecimal digits "
                     "instead (02010400 is Ctrl+A)";
    return;
  }
  result.problem = "\"" + given + "\" is a menu group, not a function";
  for (const MenuEntry& item : menuEntries())
    if (item.panel == entry.opens && item.action == MenuAction::Assign)
      result.suggestions.push_back(languages.text(item.languageKey));
}

// A qualified text is offered only where the plain one names two functions.
bool worthSuggesting(const Candidate& candidate, const std::vector<Candidate>& all) {
  const std::string plain = folded(candidate.plain);
  const auto samePlain = std::count_if(all.begin(), all.end(), [&](const Candidate& other) {
    return !other.qualified && folded(other.plain) == plain;
  });
  return candidate.qualified ? samePlain > 1 : samePlain == 1;
}

std::vector<std::string> closeTexts(const std::string& wanted, const std::vector<Candidate>& all) {
  std::multimap<size_t, std::string> ranked;
  for (const Candidate& candidate : all) {
    if (!worthSuggesting(candidate, all)) continue;
    const std::string text = folded(candidate.text);
    const std::string plain = folded(candidate.plain);
    const size_t distance = std::min(editDistance(wanted, text), editDistance(wanted, plain));
    const bool contains = !wanted.empty() && (text.find(wanted) != std::string::npos ||
                                              wanted.find(plain) != std::string::npos);
    if (contains || distance <= std::max<size_t>(2, wanted.size() / 3))
      ranked.emplace(contains ? 0 : distance, candidate.text);
  }
  std::vector<std::string> close;
  for (const auto& [distance, text] : ranked) {
    if (std::find(close.begin(), close.end(), text) == close.end()) close.push_back(text);
    if (close.size() == kMaxSuggestions) break;
  }
  return close;
}

}  // namespace

FunctionLookup lookUpFunction(std::string_view text, const LanguageTables& languages,
                              const std::vector<std::string>& macroNames,
                              const std::vector<std::string>& fireMacroNames) {
  FunctionLookup result;
  const std::string given = withoutMarker(text);
  if (const std::optional<ButtonEntry> entry = entryOfCode(given)) {
    result.matches.push_back({FunctionChoice::Kind::Code, 0, codeOfEntry(*entry), 0});
    return result;
  }
  const std::string wanted = folded(given);
  const std::vector<Candidate> all = candidates(languages, macroNames, fireMacroNames);
  std::vector<std::string> matchedTexts;
  for (const Candidate& candidate : all) {
    if (folded(candidate.text) != wanted) continue;
    result.matches.push_back(candidate.choice);
    matchedTexts.push_back(candidate.text);
  }
  if (result.matches.size() == 1) return result;
  if (result.matches.size() > 1) {
    result.problem = "\"" + given + "\" names more than one function; write it with its group";
    for (const Candidate& candidate : all)
      if (candidate.qualified && folded(candidate.plain) == wanted)
        result.suggestions.push_back(candidate.text);
    result.matches.clear();
    return result;
  }
  if (const MenuEntry* entry = nonFunctionEntry(wanted, languages)) {
    explainNonFunction(*entry, given, languages, result);
    return result;
  }
  result.problem = "no function is called \"" + given + "\"";
  result.suggestions = closeTexts(wanted, all);
  return result;
}

std::vector<std::string> functionItemTexts(const LanguageTables& languages) {
  const std::vector<Candidate> all = candidates(languages, {}, {});
  std::vector<std::string> texts;
  for (const Candidate& candidate : all)
    if (worthSuggesting(candidate, all)) texts.push_back(candidate.text);
  return texts;
}

}  // namespace mousecfg
