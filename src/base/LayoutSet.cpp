#include "base/LayoutSet.h"

#include <array>

#include "BuiltInResources.h"

namespace mousecfg {

std::string layoutResourceName(int languageIndex) {
  return "ORG" + std::to_string(languageIndex);
}

std::string layoutSectionName(int languageIndex) {
  return "org" + std::to_string(languageIndex);
}

// Decoded once per process, like the language tables.
std::optional<LayoutFile> builtInLayout(int languageIndex) {
  if (languageIndex < kFirstLanguage || languageIndex > kLastLanguage) return std::nullopt;
  static const auto decoded = [] {
    std::array<std::optional<LayoutFile>, kLastLanguage - kFirstLanguage + 1> layouts;
    for (int language = kFirstLanguage; language <= kLastLanguage; ++language) {
      if (const auto bytes = builtInResource(layoutResourceName(language)))
        layouts[static_cast<size_t>(language - kFirstLanguage)] =
            LayoutFile(*bytes, layoutSectionName(language));
    }
    return layouts;
  }();
  return decoded[static_cast<size_t>(languageIndex - kFirstLanguage)];
}

LayoutFile builtInGeneralLayout() {
  const auto bytes = builtInResource("ORG");
  return bytes ? LayoutFile(*bytes, "org") : LayoutFile();
}

}  // namespace mousecfg
