#pragma once

#include <optional>
#include <string>

#include "base/LayoutFile.h"

namespace mousecfg {

inline constexpr int kFirstLanguage = 1;
inline constexpr int kLastLanguage = 3;

// Layout N goes with language N: section "orgN" of the built-in file "ORGN".
std::string layoutResourceName(int languageIndex);
std::string layoutSectionName(int languageIndex);

// The layout of language 1..3; nullopt for another index or a missing file. A file
// without its section gives an empty layout (every key at its fallback).
std::optional<LayoutFile> builtInLayout(int languageIndex);

// Section [org] of the built-in general file "ORG"; empty if the file is missing.
LayoutFile builtInGeneralLayout();

}  // namespace mousecfg
