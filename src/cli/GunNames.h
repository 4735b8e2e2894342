#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mousecfg {

class LanguageTables;

// Gun k's name in the current language ("AKM Fire" for gun 1).
std::string gunName(const LanguageTables& languages, int gun);
// The seven names, gun 1 first.
std::vector<std::string> gunNames(const LanguageTables& languages);
// The gun a name gives, in any case; nullopt for none.
std::optional<int> gunOfName(std::string_view name, const LanguageTables& languages);

}  // namespace mousecfg
