#include "base/LayoutSet.h"

#include "BuiltInResources.h"

namespace mousecfg {

std::string layoutResourceName(int languageIndex) {
  return "ORG" + std::to_string(languageIndex);
}

std::string layoutSectionName(int languageIndex) {
  return "org" + std::to_string(languageIndex);
}

std::optional<LayoutFile> builtInLayout(int languageIndex) {
  if (languageIndex < kFirstLanguage || languageIndex > kLastLanguage) return std::nullopt;
  const auto bytes = builtInResource(layoutResourceName(languageIndex));
  if (!bytes) return std::nullopt;
  return LayoutFile(*bytes, layoutSectionName(languageIndex));
}

LayoutFile builtInGeneralLayout() {
  const auto bytes = builtInResource("ORG");
  return bytes ? LayoutFile(*bytes, "org") : LayoutFile();
}

}  // namespace mousecfg
