#include "cli/LedEffectNames.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "base/CloseNames.h"
#include "base/LanguageKeys.h"
#include "cli/ArgumentValues.h"
#include "core/ApplicationCore.h"

namespace mousecfg {

namespace {

// "Flow Light", "flow-light" and "FLOWLIGHT" are one name.
std::string comparable(std::string_view name) {
  std::string folded;
  for (char c : name)
    if (c != ' ' && c != '-' && c != '_')
      folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folded;
}

}  // namespace

std::string effectName(const ApplicationCore& pages, int effect) {
  return pages.text(langkey::keyAfter(langkey::caption::kMcuLedEffect1, effect - 1));
}

std::optional<int> effectOfName(std::string_view text, const ApplicationCore& pages,
                                std::string& closest) {
  if (const auto number = parseNumberArgument(text, 1, LightingPageState::kEffects)) return number;
  std::vector<std::string> names;
  std::vector<std::string> comparableNames;
  for (int k = 1; k <= LightingPageState::kEffects; ++k) {
    names.push_back(effectName(pages, k));
    comparableNames.push_back(comparable(names.back()));
    if (comparableNames.back() == comparable(text)) return k;
  }
  const std::vector<std::string> close = closeNames(comparable(text), comparableNames, 1);
  if (!close.empty()) {
    const auto at = std::ranges::find(comparableNames, close.front()) - comparableNames.begin();
    closest = names[static_cast<size_t>(at)];
  }
  return std::nullopt;
}

}  // namespace mousecfg
