#include "cli/GunNames.h"

#include "base/CloseNames.h"
#include "base/LanguageKeys.h"
#include "base/LanguageTables.h"
#include "fire/GunPresets.h"

namespace mousecfg {

namespace {}  // namespace

std::string gunName(const LanguageTables& languages, int gun) {
  return languages.text(langkey::keyAfter(langkey::caption::kGunName1, gun - gun::kFirstGun));
}

std::vector<std::string> gunNames(const LanguageTables& languages) {
  std::vector<std::string> names;
  for (int gun = gun::kFirstGun; gun <= gun::kLastGun; ++gun)
    names.push_back(gunName(languages, gun));
  return names;
}

std::optional<int> gunOfName(std::string_view name, const LanguageTables& languages) {
  for (int gun = gun::kFirstGun; gun <= gun::kLastGun; ++gun) {
    const std::string known = gunName(languages, gun);
    if (!known.empty() && sameInAnyCase(known, name)) return gun;
  }
  return std::nullopt;
}

}  // namespace mousecfg
