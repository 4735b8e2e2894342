#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Environment.h"

namespace mousecfg {

class ProcessRunner;

// Applies the system mouse settings to the running desktop: the four system calls,
// each true when the desktop took the value. A desktop without a setting answers
// false and the value is only kept in the settings store.
class DesktopMouseBackend {
 public:
  virtual ~DesktopMouseBackend() = default;
  virtual std::string name() const = 0;
  // Pointer speed as "MouseSensitivity" gives it: 1..20, 10 the middle.
  virtual bool setMouseSpeed(int sensitivity) = 0;
  // "Enhance pointer precision": thresholds and acceleration (0, 0, 0 = off).
  virtual bool setMouseAcceleration(int threshold1, int threshold2, int acceleration) = 0;
  virtual bool setDoubleClickTime(int milliseconds) = 0;
  // Lines per wheel notch; -1 = one screen at a time.
  virtual bool setWheelScrollLines(int lines) = 0;
};

// The backend for the running desktop, or null when there is none: MOUSECFG_DESKTOP
// = "none" turns it off; otherwise GNOME's settings are used when gsettings is found.
using DesktopEnvironment = EnvironmentLookup;
std::unique_ptr<DesktopMouseBackend> selectDesktopMouseBackend(
    ProcessRunner& runner, const DesktopEnvironment& environment);

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
