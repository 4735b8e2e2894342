#pragma once

namespace mousecfg {

// What the pages do when the device link changes the shown configuration. The window
// (and later page states) implement the parts they need; every default does nothing.
class LinkObserver {
 public:
  virtual ~LinkObserver() = default;
  // Every page re-reads its controls from the working copies.
  virtual void refreshPages() {}
  virtual void hideMenus() {}
  // Page-side cleanup when the device is gone: device-macro lists, label scrolling,
  // remembered report rate.
  virtual void deviceGone() {}
  virtual void refreshPcMacroNames() {}
  virtual void refreshSystemMouseGroups() {}
  // After a configuration read: page 1 is shown.
  virtual void showFirstPage() {}
  // The error state: page 1 with the built-in defaults, other page buttons inactive.
  virtual void errorStateEntered() {}
  // Without a device: the macro event list and the script memo are emptied.
  virtual void clearMacroEditor() {}
  // Failures the window tells the user of (mousectl reports its own results):
  // a configuration read that lost frames (the previous settings were kept and the
  // mouse is treated as gone), and a mouse that was not found again after its restart.
  virtual void readCutShort() {}
  virtual void notFoundAfterRestart() {}
  // The mouse's own buttons were used (run on the UI thread, 200 ms after release).
  virtual void dpiButtonReleased() {}
  virtual void profileButtonReleased() {}
};

}  // namespace mousecfg
