#pragma once

#include "settings/RestoreOutcome.h"

namespace mousecfg {

class DeviceLink;

// The key page's three restore-default buttons ("Confirm1", "Confirm2", "Confirm3"):
// built-in default image k replaces the mouse's whole configuration, then the mouse
// restarts and is read again. mousectl restore runs the same path.
class DefaultRestore {
 public:
  static constexpr int kFirstStore = 1;
  static constexpr int kLastStore = 3;

  explicit DefaultRestore(DeviceLink& link) : link_(link) {}

  // Default store 1..3: the "Confirm1".."Confirm3" buttons and mousectl restore.
  RestoreOutcome DefaultParameterConfirm(int store);

 private:
  void takeDefaultImage(int store);

  DeviceLink& link_;
};

}  // namespace mousecfg
