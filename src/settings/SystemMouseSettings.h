#pragma once

#include <functional>
#include <string>

#include "settings/SystemMouseLevels.h"

namespace mousecfg {

class DesktopMouseBackend;
class SystemMouseStore;

// The Advanced page's system mouse group: pointer speed ("Moving Speed",
// slider_spd), "Enhance pointer precision" (lbl_IsControl), double-click speed
// (slider_DbSpd), wheel lines ("Rolling Speed", slider_ScrSpd) and "Scroll one screen
// at a time" (lbl_IsScreen). These are PC settings, not the mouse's: every change
// stores the new level, writes all values to the settings store and applies them to
// the desktop when a backend for it exists.
class SystemMouseSettings {
 public:
  // backend may be null (no desktop backend: values are only kept).
  SystemMouseSettings(SystemMouseStore& store, DesktopMouseBackend* backend)
      : store_(store), backend_(backend) {}

  // Control state; the starting values are those of a fresh desktop.
  int speedLevel = 6;
  bool enhancePrecision = true;
  int doubleClickLevel = 7;
  int scrollLevel = 3;
  bool oneScreenAtATime = false;
  bool scrollScaleEnabled() const { return !oneScreenAtATime; }

  // Why the store could not be written by the last change; empty when it was.
  std::string lastSaveError;
  // Told when a change could not be saved, with the reason; the values stay in effect
  // for this run.
  std::function<void(const std::string& reason)> saveFailed;
  // What the last change's four system calls returned (speed, acceleration,
  // double-click, wheel lines); all false without a backend.
  struct Applied {
    bool speed = false;
    bool acceleration = false;
    bool doubleClick = false;
    bool wheelLines = false;
  } lastApplied;

  // The view passes the level under the release point (systemmouse::levelAtPixel).
  void slider_spdMouseUp(int level);
  void slider_DbSpdMouseUp(int level);
  void slider_ScrSpdMouseUp(int level);  // ignored while one screen at a time is ticked
  void lbl_IsControlClick();
  void lbl_IsScreenClick();

  // Reads the store's file again, then both groups into the controls.
  void refreshFromStore();
  void RefreshMouseSystemParameterA();  // pointer values
  void RefreshMouseSystemParameterB();  // wheel lines
  void ChangedMouseSystemParameterA();
  void ChangedMouseSystemParameterB();
  // The four system calls in order: speed, thresholds and acceleration, double-click
  // time, wheel lines.
  void applyToDesktop();

 private:
  void changed();

  SystemMouseStore& store_;
  DesktopMouseBackend* backend_;
};

}  // namespace mousecfg
