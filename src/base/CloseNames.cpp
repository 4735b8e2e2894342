#include "base/CloseNames.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace mousecfg {

namespace {

std::string folded(std::string_view text) {
  std::string out;
  for (char c : text) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

bool sameInAnyCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::vector<std::string> closeNames(std::string_view wanted, const std::vector<std::string>& names,
                                    size_t atMost) {
  const std::string given = folded(wanted);
  const size_t allowed = std::max<size_t>(2, given.size() / 3);
  std::multimap<size_t, const std::string*> ranked;
  for (const std::string& name : names) {
    const std::string candidate = folded(name);
    // "space" for "Space bar": the first word of a name of several is close, too.
    const bool firstWord = !given.empty() && candidate.starts_with(given + ' ');
    if (const size_t distance = editDistance(given, candidate); distance <= allowed || firstWord)
      ranked.emplace(firstWord ? 1 : distance, &name);
  }
  std::vector<std::string> close;
  for (const auto& [distance, name] : ranked) {
    if (close.size() == atMost) break;
    if (std::find(close.begin(), close.end(), *name) == close.end()) close.push_back(*name);
  }
  return close;
}

}  // namespace mousecfg
