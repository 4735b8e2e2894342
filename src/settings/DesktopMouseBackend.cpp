#include "settings/DesktopMouseBackend.h"

#include "settings/GnomeMouseBackend.h"
#include "settings/ProcessRunner.h"

namespace mousecfg {

std::unique_ptr<DesktopMouseBackend> selectDesktopMouseBackend(
    ProcessRunner& runner, const DesktopEnvironment& environment) {
  const std::optional<std::string> chosen = environment("MOUSECFG_DESKTOP");
  if (chosen == "none") return nullptr;
  if (const std::optional<std::string> gsettings = runner.findProgram("gsettings"))
    return std::make_unique<GnomeMouseBackend>(runner, *gsettings);
  return nullptr;
}

}  // namespace mousecfg
