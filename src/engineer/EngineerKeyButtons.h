#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/WindowLayout.h"
#include "settings/ButtonAssignment.h"
#include "settings/EntryParameters.h"

namespace mousecfg {

// The engineer page's button groups: btn_Key101..112 (profile 1), btn_Key201..212
// (profile 2) and the combo keys btn_ComboKey001..009, which open the same function
// menu as the key page, and the group "Combo Enable" with its seven lists.
// (btn_Key301..312 stay hidden and are backed by no table.)
class EngineerKeyButtons {
 public:
  struct ComboEnableListSpec {
    std::string_view name;     // control name
    std::string_view caption;  // label beside the list
    ComboEnableList list;
  };
  static constexpr std::array<ComboEnableListSpec, kComboEnableListCount> kComboEnableLists{{
      {"cb_MiddleEn", "Middle Button", ComboEnableList::Middle},
      {"cb_BackEn", "Back Button", ComboEnableList::Back},
      {"cb_ForwardEn", "Forward Button", ComboEnableList::Forward},
      {"cb_CPIEn", "CPI", ComboEnableList::Cpi},
      {"cb_CPIAddEn", "CPI +", ComboEnableList::CpiUp},
      {"cb_CPISubEn", "CPI -", ComboEnableList::CpiDown},
      {"cb_GunEn", "Gun Button", ComboEnableList::Gun},
  }};

  explicit EngineerKeyButtons(ButtonAssignment& assignment);

  ButtonAssignment& assignment;
  // The item index each of the seven lists shows (0 = "0x00").
  std::array<int, kComboEnableListCount> comboEnableItems{};

  // The items every combo-enable list offers: "0x00", "0x01", ... "0x80".
  static std::vector<std::string> comboEnableListItems();
  // The button number in a control name: its last three digits ("btn_Key205" -> 205,
  // "btn_ComboKey003" -> 3); nullopt when the name does not end in three digits.
  static std::optional<int> buttonNumberOfName(std::string_view name);
  // The caption of btn_Key1kk, btn_Key2kk or btn_ComboKey00n; empty for other names.
  std::string caption(std::string_view buttonName) const;

  // A click on one of the buttons opens the function menu for it.
  void TLShowPnlMain_OnClick(std::string_view buttonName, const Rect& button);
  // A combo-enable list changed to `item`; items outside the list are ignored.
  void comboEnableChange(ComboEnableList list, int item);

  void TLRefreshProfile1Keys() { assignment.TLRefreshProfile1Keys(); }
  void TLRefreshProfile2Keys() { assignment.TLRefreshProfile2Keys(); }
  void TLRefreshComboKeys() { assignment.TLRefreshComboKeys(); }
};

}  // namespace mousecfg
