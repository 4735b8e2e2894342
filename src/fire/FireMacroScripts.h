#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Environment.h"
#include "settings/ButtonEntry.h"

namespace mousecfg {

class ButtonAssignment;

namespace fire_macro {

// The items of the editor's lists, in list order.
inline constexpr std::array<const char*, 2> kTypeItems = {"Disable", "Enable"};
inline constexpr std::array<const char*, 11> kColourItems = {
    "LED Color1", "LED Color2", "LED Color3", "LED Color4", "LED Color5", "LED Color6",
    "LED Color7", "LED Color8", "LED Color9", "LED Colo10", "User Color"};
inline constexpr std::array<const char*, 2> kKeepLeftItems = {"Disable", "Enable"};
inline constexpr std::array<const char*, 10> kCountItems = {"1", "2", "3", "4", "5",
                                                            "6", "7", "8", "9", "10"};

// cb_SOSType: a gun code names presets, a colour code names a colour.
inline constexpr int kGunForm = 0;
inline constexpr int kColourForm = 1;
inline constexpr int kKeepLeftOn = 1;  // cb_SOSLB's "Enable"

// Byte 1 of a code.
inline constexpr uint8_t kColourFormBit = 0x80;
inline constexpr uint8_t kKeepLeftBit = 0x10;
inline constexpr uint8_t kLowNibble = 0x0F;
// The last colour item ("User Color") stands for colour code 15.
inline constexpr uint8_t kUserColourCode = 15;

}  // namespace fire_macro

// Where "Fire Macro.bin" lives: the program's data folder (the macro library's folder
// without a layout path), empty when there is none.
std::string fireMacroFilePath(const EnvironmentLookup& environment);

// What an add or a delete did. The table may change even when the file could not be
// rewritten; `problem` then tells the user why.
struct [[nodiscard]] ScriptTableChange {
  bool changed = false;
  std::string problem;
};

// The engineer page's fire macro code editor ("  Gun Confirm  " tab): up to ten gun
// entries composed from a start position, a preset count and the keep-left flag (or a
// colour), kept in the fire macro table of the button assignment, so the engineer
// page's function menu and the names of gun entries use the same table. The file is
// rewritten whole after every add and delete, so file and table always agree.
class FireMacroScripts {
 public:
  FireMacroScripts(std::string filePath, ButtonAssignment& assignment);

  const std::string& filePath() const { return path_; }

  // Item indexes of the lists. cb_SOSType itself is hidden on the page; the selected
  // code's form shows through which controls are visible.
  int cb_SOSType = fire_macro::kGunForm;
  int cb_SOSColor = 0;
  int cb_SOSLB = fire_macro::kKeepLeftOn;
  int cb_SOSStartIndex = 0;        // the item shown as n is start position n - 1
  int cb_SOSNumber = 0;            // the item shown as n is n presets
  std::optional<size_t> selected;  // LB_ScriptName's selection
  // Set by an add: the list scrolls to this entry, its last.
  std::optional<size_t> scrollTarget;
  // Which of the form's controls (with their labels) are shown.
  bool gunControlsShown = true;  // cb_SOSLB, cb_SOSStartIndex, cb_SOSNumber
  bool colourControlShown = false;

  // LB_ScriptName: "Fire Macro" + slot for each occupied slot.
  std::vector<std::string> LB_ScriptName() const;
  // The code of a slot (1..10) as eight upper-case hex digits ("0B120200").
  std::string codeString(int slot) const;

  // Reads the file. Only here does the table start naming gun entries: a file written
  // later by an add takes effect at the next start.
  void loadAtStartup();
  ScriptTableChange btn_AddScriptClick();
  ScriptTableChange btn_DelScriptClick();
  void LB_ScriptNameClick(size_t position);
  void cb_SOSTypeChange(int item);

  // Told after the table changed (loaded, added to, deleted from).
  std::function<void()> tableChanged;

 private:
  ButtonEntry composedCode() const;
  void showColourCode(uint8_t codeByte);
  void showGunCode(uint8_t codeByte, uint8_t count);
  void listsChanged();
  std::string saveTable() const;

  std::string path_;
  ButtonAssignment& assignment_;
};

}  // namespace mousecfg
