#include "settings/DesktopMouseBackend.h"

#include <algorithm>

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

namespace {

constexpr int kMiddleSensitivity = 10;
constexpr int kMinSensitivity = 1;
constexpr int kMaxSensitivity = 20;
constexpr int kMinDoubleClick = 100;
constexpr int kMaxDoubleClick = 2000;

}  // namespace

std::string GnomeMouseBackend::speedText(int sensitivity) {
  // GNOME's speed runs from -1 to 1; one sensitivity step is a tenth.
  const int hundredths =
      (std::clamp(sensitivity, kMinSensitivity, kMaxSensitivity) - kMiddleSensitivity) * 10;
  const int magnitude = hundredths < 0 ? -hundredths : hundredths;
  std::string text = hundredths < 0 ? "-" : "";
  text += std::to_string(magnitude / 100) + ".";
  text += std::to_string(magnitude % 100 / 10) + std::to_string(magnitude % 10);
  return text;
}

bool GnomeMouseBackend::set(const std::string& key, const std::string& value) {
  const std::optional<int> status = runner_.run({gsettings_, "set", kSchema, key, value});
  return status == 0;
}

bool GnomeMouseBackend::setMouseSpeed(int sensitivity) {
  return set("speed", speedText(sensitivity));
}

bool GnomeMouseBackend::setMouseAcceleration(int, int, int acceleration) {
  return set("accel-profile", acceleration != 0 ? "'adaptive'" : "'flat'");
}

bool GnomeMouseBackend::setDoubleClickTime(int milliseconds) {
  return set("double-click",
             std::to_string(std::clamp(milliseconds, kMinDoubleClick, kMaxDoubleClick)));
}

bool GnomeMouseBackend::setWheelScrollLines(int) {
  return false;
}

}  // namespace mousecfg
