#pragma once

#include "base/Environment.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

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

}  // namespace mousecfg
