#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace mousecfg {

// What the "Assembly Key" dialog hands the main window on Confirm: the text for the
// button ("" when nothing was entered; the button then shows "Key Off") and the entry's
// code string, "02" + modifier byte + key 1 + key 2, or "00000000" for an empty field.
struct AssemblyKeyResult {
  std::string displayText;
  std::string codeString;
  bool operator==(const AssemblyKeyResult&) const = default;
};

// The modifier bits of a keyboard entry, and the names the check boxes carry.
inline constexpr uint8_t kModifierCtrl = 0x01;
inline constexpr uint8_t kModifierShift = 0x02;
inline constexpr uint8_t kModifierAlt = 0x04;
inline constexpr uint8_t kModifierWin = 0x08;
inline constexpr const char* kModifierCtrlName = "Ctrl";
inline constexpr const char* kModifierShiftName = "Shift";
inline constexpr const char* kModifierAltName = "Alt";
inline constexpr const char* kModifierWinName = "Win";

inline constexpr uint8_t kKeyboardEntryCategory = 0x02;
inline constexpr int kMaxAssemblyKeys = 2;

// The combination-key dialog's state: up to two typed keys and the four modifier boxes,
// composed into one keyboard entry. The view shows the fields and calls the handlers.
//
// The edit field always shows the ticked modifiers (Ctrl, Shift, Alt, Win) followed by
// the typed keys, joined by "+". It is rebuilt from that state after every change, so
// unticking a box never cuts into a key's name and a later restart never brings back a
// modifier that was unticked.
class AssemblyKeyDialog {
 public:
  // Key count, keys, texts and boxes of the open dialog.
  int keyCount = 0;
  uint8_t key1 = 0;
  uint8_t key2 = 0;
  std::string keysText;
  std::string modifiersText;
  bool ctrlChecked = false;
  bool shiftChecked = false;
  bool altChecked = false;
  bool winChecked = false;
  std::string editText;  // Edt_Assembly
  // Set by Confirm; cleared when the dialog opens and by Clear.
  std::optional<AssemblyKeyResult> result;

  bool isOpen() const { return open_; }
  // True once Confirm or Close asked the main window to take its blocking panel away.
  bool blockingPanelReleased() const { return blockingPanelReleased_; }
  uint8_t modifierByte() const;

  // Opens the dialog with everything cleared.
  void FormCreate();
  // A key went down in the edit field.
  void Edt_AssemblyKeyDown(int virtualKey, bool shiftHeld, bool ctrlHeld, bool altHeld);
  // Each toggles its box.
  void CB_CtrlClick();
  void CB_ShiftClick();
  void CB_AltClick();
  void CB_WinClick();
  // Stores the result, releases the blocking panel and closes; returns the result.
  AssemblyKeyResult IB_ConfirmClick();
  // "Clear": empties field, keys, boxes and result; the dialog stays open.
  void IB_CancelClick();
  // Releases the blocking panel and closes without a result.
  void IB_CloseClick();

 private:
  void clearEntry();
  void restartKeys();
  void addKey(int virtualKey);
  void modifiersChanged();
  void rebuildEditText();
  std::string codeString() const;

  bool open_ = false;
  bool blockingPanelReleased_ = false;
};

}  // namespace mousecfg
