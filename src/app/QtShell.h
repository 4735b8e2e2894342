#pragma once

#include <memory>

#include "app/MainWindowState.h"
#include "app/PageStates.h"
#include "app/QtHost.h"
#include "app/QtMainWindow.h"
#include "app/QtProgressWindow.h"
#include "device/DeviceLink.h"

namespace mousecfg {

// The running program around one backend: host, device link, window state, the main
// window and the progress window, created in start-up order.
class QtShell {
 public:
  explicit QtShell(HidBackend& backend);
  ~QtShell();

  // Shows the window centred on the screen, then creates the progress window, which
  // starts the connection monitor.
  void show();

  QtHost host;
  DeviceLink link;
  MainWindowState state;
  PageStates pages;
  QtMainWindow window;
  std::unique_ptr<QtProgressWindow> progress;
};

}  // namespace mousecfg
