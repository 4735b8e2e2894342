#include "core/ConnectionFooter.h"

namespace mousecfg {

namespace {

const char* advice(AccessProblem problem) {
  switch (problem) {
    case AccessProblem::NotOnBus:
      return "No mouse connected (3a7e:05ed): plug it in.";
    case AccessProblem::NoNodes:
      return "The mouse is plugged in, but the system gives no access to it: run \"mousectl "
             "doctor\".";
    case AccessProblem::NoRule:
      return "The mouse is plugged in, but you may not use it: install the udev rule "
             "(\"mousectl doctor\" shows how), then plug it in again.";
    case AccessProblem::NotYetGranted:
      return "The mouse is plugged in, but not yet yours: unplug it and plug it in again.";
    case AccessProblem::None:
      return "The mouse is plugged in but not connected: unplug it and plug it in again.";
  }
  return "";
}

}  // namespace

void ConnectionFooter::noMouse() {
  text_ = std::string(advice(check_ ? firstProblem(check_()) : AccessProblem::NotOnBus)) +
          " Changes made now reach no mouse.";
}

}  // namespace mousecfg
