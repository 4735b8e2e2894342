#pragma once

#include "app/QtShell.h"
#include "device/Discovery.h"

namespace mousecfg::test {

// The window tests run the shell on a virtual clock, on which the host's waits move the
// clock on while Qt processes its events. The monitor's timer would tick on real time,
// so the tests stop it once the window is shown and tick the monitor themselves.
inline void showWithoutMonitorTimer(QtShell& shell) {
  shell.show();
  shell.window.devTimer().stop();
}

// Lets the monitor's interval pass and ticks it, as devTimer would, until `done` holds;
// false when it still does not after `ticks` ticks.
template <typename Done>
bool tickMonitorUntil(QtShell& shell, Done done, int ticks = 3) {
  for (int tick = 0; tick < ticks && !done(); ++tick) {
    shell.host.sleepProcessing(Discovery::kMonitorIntervalMs);
    shell.window.tickMonitor();
  }
  return done();
}

// Ticks the monitor until the mouse is found and read.
inline bool tickMonitorUntilConnected(QtShell& shell) {
  return tickMonitorUntil(shell,
                          [&] { return !shell.link.errorFlag() && shell.link.channel.isOpen(); });
}

}  // namespace mousecfg::test
