#pragma once

#include <string>
#include <vector>

#include "settings/DesktopMouseBackend.h"

namespace mousecfg {

class ProcessRunner;

// GNOME (and desktops that share its settings schema): gsettings on
// org.gnome.desktop.peripherals.mouse. The pointer speed maps 1..20 onto "speed"
// -0.9..1.0 (10 is GNOME's 0), precision onto "accel-profile" adaptive / flat, the
// double-click time onto "double-click". GNOME has no wheel-lines setting.
class GnomeMouseBackend : public DesktopMouseBackend {
 public:
  static constexpr const char* kSchema = "org.gnome.desktop.peripherals.mouse";

  GnomeMouseBackend(ProcessRunner& runner, std::string gsettingsPath)
      : runner_(runner), gsettings_(std::move(gsettingsPath)) {}

  std::string name() const override { return "GNOME"; }
  bool setMouseSpeed(int sensitivity) override;
  bool setMouseAcceleration(int threshold1, int threshold2, int acceleration) override;
  bool setDoubleClickTime(int milliseconds) override;
  bool setWheelScrollLines(int lines) override;

  // "-0.60" for sensitivity 4: two decimals, independent of the C locale.
  static std::string speedText(int sensitivity);

 private:
  bool set(const std::string& key, const std::string& value);

  ProcessRunner& runner_;
  std::string gsettings_;
};

}  // namespace mousecfg
