// The function menu's handlers: opening it for a button and storing what was chosen.
#include "base/LanguageKeys.h"
#include "base/LanguageTables.h"
#include "device/DeviceLink.h"
#include "settings/ButtonAssignment.h"
#include "settings/EntryBuilder.h"
#include "settings/KeyTables.h"
#include "settings/MenuItems.h"

namespace mousecfg {

namespace {

constexpr int kProfile1Buttons = 100;
constexpr int kProfile2Buttons = 200;
constexpr std::string_view kLeftKeyText = langkey::menu::kLeftKey;
constexpr std::string_view kKeyOffText = langkey::menu::kKeyOff;

bool inGroup(int number, int group) {
  return number > group && number <= group + key_tables::kButtonCount;
}

size_t at(int oneBased) {
  return static_cast<size_t>(oneBased - 1);
}

}  // namespace

void ButtonAssignment::HideAllMenu() {
  menu.HideAllMenu();
}

void ButtonAssignment::openForKeyLabel(int button, const Rect& label, Size window) {
  if (!key_tables::isButton(button)) return;
  target = {MenuTargetKind::KeyLabel, editedProfile, button};
  keyPageButton_ = button;
  refreshListNames();
  menu.openForKeyLabel(label, window);
}

bool ButtonAssignment::openForEngineerButton(int number, const Rect& button, Size page) {
  if (inGroup(number, kProfile1Buttons))
    target = {MenuTargetKind::EngineerProfileButton, 1, number - kProfile1Buttons};
  else if (inGroup(number, kProfile2Buttons))
    target = {MenuTargetKind::EngineerProfileButton, 2, number - kProfile2Buttons};
  else if (key_tables::isComboKey(number))
    target = {MenuTargetKind::ComboKey, 0, number};
  else
    return false;
  refreshListNames();
  menu.openForEngineerButton(button, page);
  return true;
}

std::string ButtonAssignment::captionOf(int id) const {
  const MenuEntry* item = menuEntryOfId(id);
  return item ? text(item->languageKey) : std::string();
}

ButtonEntry ButtonAssignment::entryForItem(int id, EntryTarget entryTarget) {
  if (updateParameters) updateParameters(parameters);
  return buildEntry(id, parameters, entryTarget);
}

// Profile 1 must keep a left click: a key-page choice that would leave no label on
// "Left Key" is refused.
bool ButtonAssignment::leftKeyWouldBeLost(const std::string& caption) const {
  if (target.kind != MenuTargetKind::KeyLabel || editedProfile != 1) return false;
  const std::string left = text(kLeftKeyText);
  if (caption == left) return false;
  const int others = leftKeyLabelCount() - (keyCaptions[at(target.index)] == left ? 1 : 0);
  return others == 0;
}

AssignOutcome ButtonAssignment::keepLeftKey() {
  const std::string left = text(kLeftKeyText);
  keyCaptions[at(target.index)] = left;
  engineerCaptions[0][at(target.index)] = left;
  link_.host.showMessage(langkey::message::kKeepLeftKey);
  return AssignOutcome::LeftKeyKept;
}

void ButtonAssignment::assignToProfileButton(int profile, int button, const std::string& caption,
                                             const ButtonEntry& entry) {
  storeProfileEntry(link_.image, link_.codes, profile, button, entry);
  engineerCaptions[at(profile)][at(button)] = caption;
  if (profile == editedProfile) keyCaptions[at(button)] = caption;
}

// The vendor checksum goes with the entry: a stored vendor section whose checksum no
// longer fits would be rebuilt from defaults at the next read.
void ButtonAssignment::assignToComboKey(int comboKey, const std::string& caption,
                                        const ButtonEntry& entry) {
  storeComboKeyEntry(link_.image, link_.codes, comboKey, entry);
  comboCaptions[at(comboKey)] = caption;
  if (link_.batchFlag()) return;
  link_.image.UpdateVendorChecksum();
  const auto address = static_cast<uint8_t>(key_tables::comboKeyOffset(comboKey));
  const TransferResult sent = link_.transfer.writeField(address, entry);
  constexpr size_t kChecksum = image::kVendorLength - 1;
  const std::array<uint8_t, 1> checksum{link_.image.vendor[kChecksum]};
  lastWrite = sent + link_.transfer.writeField(static_cast<uint8_t>(kChecksum), checksum);
}

AssignOutcome ButtonAssignment::assignToTarget(const std::string& caption,
                                               const ButtonEntry& entry) {
  switch (target.kind) {
    case MenuTargetKind::KeyLabel:
      assignToProfileButton(editedProfile, target.index, caption, entry);
      break;
    case MenuTargetKind::EngineerProfileButton:
      assignToProfileButton(target.profile, target.index, caption, entry);
      break;
    case MenuTargetKind::ComboKey:
      assignToComboKey(target.index, caption, entry);
      break;
    case MenuTargetKind::None:
      return AssignOutcome::Ignored;
  }
  applyUnlessBatch();
  return AssignOutcome::Stored;
}

void ButtonAssignment::menuItemClick(MenuPanel panel, size_t index) {
  const MenuPanelState& state = menu.panel(panel);
  if (!state.visible || !state.reachable(index)) return;
  const MenuItemState& item = state.items[index];
  if (!item.entry) {
    if (panel == MenuPanel::MacroList) LB_NameClick(index);
    if (panel == MenuPanel::ScriptList) LB_ScriptClick(index);
    return;
  }
  switch (item.entry->action) {
    case MenuAction::Assign:
      KeyStatusOnClick(item.entry->id);
      break;
    case MenuAction::OpenPanel:  // a click opens the sub-menu as pointing at it does
      menu.KeyByTagMouseEnter(panel, index);
      break;
    case MenuAction::UserDefined:
      Key_AssemblyClick();
      break;
    case MenuAction::GunPage:
      fireMacroItemClick();
      break;
  }
}

AssignOutcome ButtonAssignment::KeyStatusOnClick(int id) {
  HideAllMenu();
  if (!menuEntryOfId(id) || target.kind == MenuTargetKind::None) return AssignOutcome::Ignored;
  // The fire macro key exists only in the memories that store macros.
  if (id == menu_id::kFireMacroKey && !macrosAvailable()) return AssignOutcome::Ignored;
  const std::string caption = captionOf(id);
  if (leftKeyWouldBeLost(caption)) return keepLeftKey();
  const EntryTarget entryTarget =
      target.kind == MenuTargetKind::ComboKey ? EntryTarget::ComboKey : EntryTarget::ProfileTable;
  return assignToTarget(caption, entryForItem(id, entryTarget));
}

AssignOutcome ButtonAssignment::assignCode(std::string_view code) {
  HideAllMenu();
  const std::optional<ButtonEntry> entry = entryOfCode(code);
  if (!entry || target.kind == MenuTargetKind::None) return AssignOutcome::Ignored;
  if (entry->at(0) == entry::kCategoryMacro && !macrosAvailable()) return AssignOutcome::Ignored;
  const std::string caption = nameOfCode(code);
  if (leftKeyWouldBeLost(caption)) return keepLeftKey();
  return assignToTarget(caption, *entry);
}

// A macro always goes to the key-page button that last opened the menu, in the edited
// profile.
AssignOutcome ButtonAssignment::LB_NameClick(size_t position) {
  HideAllMenu();
  const int button = keyPageButton_;
  if (!key_tables::isButton(button) || isOnlyLeftKey(button) || !macrosAvailable())
    return AssignOutcome::Ignored;
  const std::vector<std::string> names = link_.macros.names();
  const std::optional<MacroButtonEntry> entry = link_.macros.buttonEntry(position);
  if (position >= names.size() || !entry) return AssignOutcome::Ignored;
  target = {MenuTargetKind::KeyLabel, editedProfile, button};
  return assignToTarget(names[position], *entry);
}

AssignOutcome ButtonAssignment::LB_ScriptClick(size_t position) {
  HideAllMenu();
  const std::optional<int> slot = fireMacros.slotAtListPosition(position);
  if (target.kind != MenuTargetKind::EngineerProfileButton || !slot) return AssignOutcome::Ignored;
  return assignToTarget(fireMacroName(*slot), fireMacros.codes[at(*slot)]);
}

void ButtonAssignment::Key_AssemblyClick() {
  HideAllMenu();
  if (target.kind == MenuTargetKind::None) return;
  if (target.kind == MenuTargetKind::KeyLabel && editedProfile == 1 && isOnlyLeftKey(target.index))
    return;
  blockingPanelVisible = true;
  assemblyDialogOpen = true;
  if (openAssemblyKeyDialog) openAssemblyKeyDialog();
}

AssignOutcome ButtonAssignment::assemblyKeyConfirmed(const std::string& displayText,
                                                     const std::string& code) {
  if (!assemblyDialogOpen) return AssignOutcome::Ignored;
  assemblyKeyClosed();
  const std::optional<ButtonEntry> entry = entryOfCode(code);
  if (!entry) return AssignOutcome::Ignored;
  return assignToTarget(displayText.empty() ? text(kKeyOffText) : displayText, *entry);
}

void ButtonAssignment::assemblyKeyClosed() {
  blockingPanelVisible = false;
  assemblyDialogOpen = false;
}

void ButtonAssignment::fireMacroItemClick() {
  HideAllMenu();
  if (target.kind == MenuTargetKind::KeyLabel && openGunPage) openGunPage(target.index);
}

}  // namespace mousecfg
