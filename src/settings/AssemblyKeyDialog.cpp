#include "settings/AssemblyKeyDialog.h"

#include <initializer_list>
#include <utility>

#include "settings/ButtonEntry.h"
#include "settings/KeyCodes.h"

namespace mousecfg {

namespace {

constexpr const char* kNoEntryCode = "00000000";

void appendJoined(std::string& text, const std::string& part) {
  if (part.empty()) return;
  if (!text.empty()) text += '+';
  text += part;
}

bool isWindowsKey(int virtualKey) {
  return virtualKey == vk::kLeftWin || virtualKey == vk::kRightWin;
}

}  // namespace

uint8_t AssemblyKeyDialog::modifierByte() const {
  return (ctrlChecked ? kModifierCtrl : 0) | (shiftChecked ? kModifierShift : 0) |
         (altChecked ? kModifierAlt : 0) | (winChecked ? kModifierWin : 0);
}

void AssemblyKeyDialog::FormCreate() {
  clearEntry();
  open_ = true;
  blockingPanelReleased_ = false;
}

void AssemblyKeyDialog::Edt_AssemblyKeyDown(int virtualKey, bool shiftHeld, bool ctrlHeld,
                                            bool altHeld) {
  if (!open_) return;
  if (keyCount >= kMaxAssemblyKeys) restartKeys();
  if (isWindowsKey(virtualKey) || shiftHeld || ctrlHeld || altHeld) return;
  // A key the mouse cannot send (OEM_8, Launch_App1/2, "255", unknown codes) would give
  // the button a name for a function it does not have.
  if (deviceCodeOfVirtualKey(virtualKey) == 0) return;
  addKey(virtualKey);
}

void AssemblyKeyDialog::CB_CtrlClick() {
  if (!open_) return;
  ctrlChecked = !ctrlChecked;
  modifiersChanged();
}

void AssemblyKeyDialog::CB_ShiftClick() {
  if (!open_) return;
  shiftChecked = !shiftChecked;
  modifiersChanged();
}

void AssemblyKeyDialog::CB_AltClick() {
  if (!open_) return;
  altChecked = !altChecked;
  modifiersChanged();
}

void AssemblyKeyDialog::CB_WinClick() {
  if (!open_) return;
  winChecked = !winChecked;
  modifiersChanged();
}

AssemblyKeyResult AssemblyKeyDialog::IB_ConfirmClick() {
  AssemblyKeyResult confirmed{editText, codeString()};
  result = confirmed;
  blockingPanelReleased_ = true;
  open_ = false;
  return confirmed;
}

void AssemblyKeyDialog::IB_CancelClick() {
  clearEntry();
}

void AssemblyKeyDialog::IB_CloseClick() {
  blockingPanelReleased_ = true;
  open_ = false;
}

void AssemblyKeyDialog::clearEntry() {
  ctrlChecked = shiftChecked = altChecked = winChecked = false;
  modifiersText.clear();
  restartKeys();
  result.reset();
}

void AssemblyKeyDialog::restartKeys() {
  keyCount = 0;
  key1 = key2 = 0;
  keysText.clear();
  rebuildEditText();
}

void AssemblyKeyDialog::addKey(int virtualKey) {
  appendJoined(keysText, nameOfKeyIndex(keyIndexOfVirtualKey(virtualKey)));
  (keyCount == 0 ? key1 : key2) = deviceCodeOfVirtualKey(virtualKey);
  ++keyCount;
  rebuildEditText();
}

void AssemblyKeyDialog::modifiersChanged() {
  modifiersText.clear();
  const std::initializer_list<std::pair<bool, const char*>> boxes = {
      {ctrlChecked, kModifierCtrlName},
      {shiftChecked, kModifierShiftName},
      {altChecked, kModifierAltName},
      {winChecked, kModifierWinName}};
  for (const auto& [checked, name] : boxes)
    if (checked) appendJoined(modifiersText, name);
  rebuildEditText();
}

void AssemblyKeyDialog::rebuildEditText() {
  editText = modifiersText;
  appendJoined(editText, keysText);
}

std::string AssemblyKeyDialog::codeString() const {
  if (editText.empty()) return kNoEntryCode;
  return codeOfEntry({kKeyboardEntryCategory, modifierByte(), key1, key2});
}

}  // namespace mousecfg
