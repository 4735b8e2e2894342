#include "base/ProgramOptions.h"

#include <algorithm>

#include "base/LayoutSet.h"

namespace mousecfg {
namespace {

// A flag missing from the file keeps its default; present, only "1" is on.
bool flag(const LayoutFile& org, std::string_view key, bool fallback) {
  return org.contains(key) ? org.enabled(key) : fallback;
}

int stageCount(const LayoutFile& org, std::string_view key, int fallback, int most) {
  const int stages = org.integer(key, fallback);
  if (stages <= 0) return 1;
  return std::min(stages, most);
}

}  // namespace

ProgramOptions readProgramOptions(const LayoutFile& org) {
  const ProgramOptions defaults;
  ProgramOptions options;
  options.webEnable = flag(org, "Web_Enable", defaults.webEnable);
  if (org.contains("Web")) options.web = org.text("Web");
  options.webX = org.integer("Web_X", defaults.webX);
  options.webY = org.integer("Web_Y", defaults.webY);
  options.revManuId = org.integer("Rev_Manu_ID", defaults.revManuId);
  options.revProId = org.integer("Rev_Pro_ID", defaults.revProId);
  options.path = org.text("Path");
  options.trEnable = flag(org, "TR_Enable", defaults.trEnable);
  options.beEnable = flag(org, "BE_Enable", defaults.beEnable);
  options.gdEnable = flag(org, "GD_Enable", defaults.gdEnable);
  options.dpiLedStatus = flag(org, "DPILED_Status", defaults.dpiLedStatus);
  options.gun6Num = stageCount(org, "Gun6_Num", defaults.gun6Num, 2);
  options.gun7Num = stageCount(org, "Gun7_Num", defaults.gun7Num, 3);
  options.numOrder = org.integer("Num_Order", defaults.numOrder);
  options.numMouseOrder = org.integer("Num_Mouse_Order", defaults.numMouseOrder);
  options.dpiCount =
      std::clamp(org.integer("DPI_Count", defaults.dpiCount), kMinDpiCount, kMaxDpiCount);
  return options;
}

ProgramOptions builtInProgramOptions() {
  return readProgramOptions(builtInGeneralLayout());
}

}  // namespace mousecfg
