#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mousecfg {

// The two texts are the same but for the case of their ASCII letters.
bool sameInAnyCase(std::string_view a, std::string_view b);

// The number of single-character insertions, deletions and substitutions that turn
// one text into the other.
size_t editDistance(std::string_view a, std::string_view b);

// The names a mistyped one most likely meant, closest first and without regard to
// case: those within a third of its length (at least two) of it, and those whose first
// word it is ("Space" for "Space bar"). Feeds the "did you mean" of the command line.
std::vector<std::string> closeNames(std::string_view wanted, const std::vector<std::string>& names,
                                    size_t atMost = 3);

}  // namespace mousecfg
