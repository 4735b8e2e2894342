#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/WindowLayout.h"
#include "device/TransferResult.h"
#include "settings/ButtonEntry.h"
#include "settings/EntryBuilder.h"
#include "settings/EntryNames.h"
#include "settings/EntryParameters.h"
#include "settings/FireMacroNaming.h"
#include "settings/FunctionMenu.h"

namespace mousecfg {

class DeviceLink;
class LanguageTables;
struct ProgramOptions;

// Who the function menu was opened for.
enum class MenuTargetKind { None, KeyLabel, EngineerProfileButton, ComboKey };

struct MenuTarget {
  MenuTargetKind kind = MenuTargetKind::None;
  int profile = 0;  // 1 or 2 for key labels and engineer profile buttons
  int index = 0;    // button 1..12, or combo key 1..9
  bool operator==(const MenuTarget&) const = default;
};

// What became of a choice.
enum class AssignOutcome {
  Stored,       // entry and code string stored (and sent unless a batch runs)
  LeftKeyKept,  // refused with "Please keep a Left Key"; label and entry unchanged
  Ignored,      // nothing changed: no target, an unusable choice or a silent refusal
};

// The function of every button: the captions of the key page's twelve labels and of
// the engineer page's profile buttons and combo keys, the function menu both pages
// open, and the rules that turn a menu choice into a stored entry and an entry back
// into a caption. Captions are state: other rules recognise a button's function by
// its caption, so they always show the name of the stored entry.
class ButtonAssignment {
 public:
  static constexpr int kButtons = 12;
  static constexpr int kComboKeys = 9;

  ButtonAssignment(DeviceLink& link, const LanguageTables& languages,
                   const ProgramOptions& options);

  // Key1..Key12: the edited profile's buttons.
  std::array<std::string, kButtons> keyCaptions;
  // btn_Key101..112 and btn_Key201..212.
  std::array<std::array<std::string, kButtons>, 2> engineerCaptions;
  // btn_ComboKey001..009.
  std::array<std::string, kComboKeys> comboCaptions;

  FunctionMenu menu;
  EntryParameters parameters;
  FireMacroCodeSet fireMacros;
  MenuTarget target;
  int editedProfile = 1;
  // Disable_All_1 covers the window while the combination-key dialog is open.
  bool blockingPanelVisible = false;
  bool assemblyDialogOpen = false;
  // Result of the last key-table write.
  // What the mouse made of the last change sent; the window leaves a lost frame to the
  // monitor, mousectl reports it.
  TransferResult lastWrite;

  // Called before an entry is built, so the pages that own the parameters (fire keys,
  // AIM DPI, engineer lists) can bring them up to date.
  std::function<void(EntryParameters&)> updateParameters;
  // Opens the "Assembly Key" dialog; its Confirm calls assemblyKeyConfirmed.
  std::function<void()> openAssemblyKeyDialog;
  // The key page's "Fire Macro" item: the gun page for key-page button k.
  std::function<void(int button)> openGunPage;

  // Opening and closing the menu. The engineer number is the last three digits of the
  // button's name (101..112, 201..212, 001..009); false for any other.
  void openForKeyLabel(int button, const Rect& label, Size window);
  bool openForEngineerButton(int number, const Rect& button, Size page);
  void HideAllMenu();

  // Menu choices.
  AssignOutcome KeyStatusOnClick(int id);
  AssignOutcome LB_NameClick(size_t position);
  AssignOutcome LB_ScriptClick(size_t position);
  void Key_AssemblyClick();
  AssignOutcome assemblyKeyConfirmed(const std::string& displayText, const std::string& code);
  void assemblyKeyClosed();
  void fireMacroItemClick();
  // A click on item `index` of a menu panel, as both pages' menus take it: an item with
  // an entry is assigned (or opens its sub-menu, the user-defined dialog or the gun
  // page); a macro or fire macro list item is assigned by its position. Items that are
  // hidden or lie outside the panel are ignored.
  void menuItemClick(MenuPanel panel, size_t index);

  // A code string chosen by other means (mousectl) for the target: stored as a menu
  // item would be, the left-key rule included.
  AssignOutcome assignCode(std::string_view code);

  // Refreshing captions from the code strings.
  void setEditedProfile(int profile);
  void RefreshProfile1Keys();
  void RefreshProfile2Keys();
  void TLRefreshProfile1Keys();
  void TLRefreshProfile2Keys();
  void TLRefreshComboKeys();
  void refreshFromImage();
  // The language changed: menu captions anew, button captions re-labelled.
  void applyLanguage();

  // Rules over all buttons.
  bool SettingAIMKey(int aimStepNumber);
  void InitKeysParameters();
  void RefreshKeysParameters();
  void TLRefreshComboEn();
  // cb_Profile1Color..cb_Profile3Color: switch target 0..2 (office, game, third mode) takes
  // colour list item 0..10; every button of both profiles that switches to it is
  // rewritten and, unless a batch runs, the key tables are written. False when no
  // button switches to that profile (the colour is still kept for new entries) or the
  // switch target or item is outside the lists.
  bool profileColourChange(int switchTarget, int item);
  bool applyKeyTables();

  // Naming.
  NamingContext namingContext() const;
  EntryName decode(std::string_view code) const;
  std::string nameOfCode(std::string_view code) const { return decode(code).text; }
  int leftKeyLabelCount() const;
  // The twelve names of a profile's entries.
  std::array<std::string, kButtons> profileNames(int profile) const;

 private:
  std::string text(std::string_view key) const;
  bool macrosAvailable() const;
  ButtonEntry entryForItem(int id, EntryTarget entryTarget);
  std::string captionOf(int id) const;
  AssignOutcome assignToTarget(const std::string& caption, const ButtonEntry& entry);
  bool leftKeyWouldBeLost(const std::string& caption) const;
  AssignOutcome keepLeftKey();
  void assignToProfileButton(int profile, int button, const std::string& caption,
                             const ButtonEntry& entry);
  void assignToComboKey(int comboKey, const std::string& caption, const ButtonEntry& entry);
  void applyUnlessBatch();
  bool isOnlyLeftKey(int button) const;
  std::string refreshedName(std::string_view code);
  void refreshListNames();

  DeviceLink& link_;
  const LanguageTables& languages_;
  bool gdEnable_;
  bool beEnable_;
  int keyPageButton_ = 0;
  std::array<std::optional<std::string>, 2 * kButtons> notedMacroNames_;
};

}  // namespace mousecfg
