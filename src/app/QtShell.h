#pragma once

#include <memory>

#include "app/QtHost.h"
#include "app/QtMainWindow.h"
#include "app/QtProgressWindow.h"
#include "core/ApplicationCore.h"

namespace mousecfg {

// The running program around one backend: the host, the application core, the main
// window with the page views and the progress window, created in start-up order.
class QtShell {
 public:
  // Time comes from `clock`: the steady clock in the program, a virtual one in tests.
  // lockMouse keeps mousectl off the mouse while the window runs (the program sets it,
  // tests of one window do not).
  explicit QtShell(HidBackend& backend, Clock& clock = steadyClock(), bool lockMouse = false);
  ~QtShell();

  // Shows the window centred on the screen, then creates the progress window, which
  // starts the connection monitor.
  void show();

  QtHost host;
  ApplicationCore core;
  DeviceLink& link;
  MainWindowState& state;
  QtMainWindow window;
  std::unique_ptr<QtProgressWindow> progress;

 private:
  void connectProfileFileDialogs();
};

}  // namespace mousecfg
