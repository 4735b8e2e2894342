#pragma once

#include "settings/RestoreOutcome.h"

namespace mousecfg {

class DeviceLink;

// The engineer page's restore-defaults button: the vendor, user, profile and fire-key
// sections are rebuilt by the default builders (not taken from a default image), the
// device macros are cleared, and the whole image goes to the mouse, which then
// restarts and is read again.
class EngineerDefaults {
 public:
  explicit EngineerDefaults(DeviceLink& link) : link_(link) {}

  RestoreOutcome TLDefaultParameter();

 private:
  void rebuildSections();
  void composeImage();

  DeviceLink& link_;
};

}  // namespace mousecfg
