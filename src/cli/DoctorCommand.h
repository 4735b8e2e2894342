#pragma once

#include <string>

#include "device/DeviceAccess.h"

namespace mousecfg {

// What mousectl doctor says of an access report: one line per check, in order, and
// what to do; the exit status is 0 only when the mouse can be used.
struct AccessAdvice {
  std::string text;
  int status = 0;
};

AccessAdvice adviseOnAccess(const AccessReport& report);

}  // namespace mousecfg
