#pragma once

#include <functional>
#include <string>

#include "device/DeviceAccess.h"

namespace mousecfg {

// What the window's footer says while no mouse is connected: which step is missing,
// from the access check, and that changes made meanwhile reach no mouse. Empty while
// the mouse is connected.
class ConnectionFooter {
 public:
  using AccessCheck = std::function<AccessReport()>;

  explicit ConnectionFooter(AccessCheck check) : check_(std::move(check)) {}

  // No mouse (at start, gone, or a read cut short): checks access again.
  void noMouse();
  void connected() { text_.clear(); }
  const std::string& text() const { return text_; }

 private:
  AccessCheck check_;
  std::string text_;
};

}  // namespace mousecfg
