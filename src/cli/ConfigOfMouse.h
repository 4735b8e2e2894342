#pragma once

#include <optional>
#include <string>

#include "cli/ConfigText.h"

namespace mousecfg {

class ApplicationCore;
class LanguageTables;

// The connected mouse's configuration as the pages show it, every value set and noted
// for the reader; the vendor section only when `withVendor` is set.
ConfigText configOfMouse(const ApplicationCore& core, bool withVendor);

// The DPI value a step shows ("1600" gives 1600); nullopt for a step whose text is not
// a number.
std::optional<int> dpiOfStep(int step, const LanguageTables& texts);

}  // namespace mousecfg
