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

  RestoreOutcome Btn_Confirm1_1Click() { return DefaultParameterConfirm1(); }
  RestoreOutcome Btn_Reset_0Click() { return DefaultParameterConfirm2(); }
  RestoreOutcome Btn_Confirm3_1Click() { return DefaultParameterConfirm3(); }
  RestoreOutcome DefaultParameterConfirm1() { return DefaultParameterConfirm(1); }
  RestoreOutcome DefaultParameterConfirm2() { return DefaultParameterConfirm(2); }
  RestoreOutcome DefaultParameterConfirm3() { return DefaultParameterConfirm(3); }
  // Default store 1..3.
  RestoreOutcome DefaultParameterConfirm(int store);

 private:
  void takeDefaultImage(int store);

  DeviceLink& link_;
};

}  // namespace mousecfg
