#pragma once

#include <optional>

namespace mousecfg {

// How the function menu is sized for the profile being edited, so that only the items
// meant for that profile are reachable: at 170 pixels the main panel's last item
// ("Fire Macro", the gun page) lies outside the panel.
struct FunctionMenuSizing {
  int mainHeight = 0;     // Pnl_Main
  int specialHeight = 0;  // Pnl_Special
  // New tops of two Pnl_Special items; nullopt leaves an item where it is.
  std::optional<int> buttonEffectTop;  // "Button Effect Switch"
  std::optional<int> fireMacroKeyTop;  // "Fire Macro Key"
  // The gun presets can be chosen (the "Fire Macro" item lies inside Pnl_Main).
  bool gunPresetsReachable = false;

  bool operator==(const FunctionMenuSizing&) const = default;
};

// Edited profile 1 or 2 with the layout options GD_Enable and BE_Enable.
FunctionMenuSizing functionMenuSizing(int editedProfile, bool gdEnable, bool beEnable);

}  // namespace mousecfg
