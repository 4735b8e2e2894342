#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "device/TransferResult.h"
#include "macros/MacroLibrary.h"

namespace mousecfg {

class ButtonAssignment;
class DeviceLink;

enum class DeviceMacroChange {
  Ignored,    // the interface keeps no macros, 15 are stored, or no such entry: silent
  Duplicate,  // "This macro already exists"
  TooLong,    // "Macro bin length out of range": the block is as it was
  Written,    // stored in the block and sent; `lastWrite` tells whether the mouse took it
};

// The commands that change the mouse's macro block: adding a library macro ("Add to
// Mouse"), deleting a device macro with the buttons re-linked, and writing a macro
// block file. Each keeps the buttons pointing at their macros and writes the key tables
// and the block, under the progress window with the connection monitor stopped.
class DeviceMacroEditing {
 public:
  DeviceMacroEditing(DeviceLink& link, ButtonAssignment& assignment)
      : link_(link), assignment_(assignment) {}

  DeviceMacroChange addToMouse(const LibrarySlot& macro);
  DeviceMacroChange deleteMacro(size_t position);
  // The engineer page's import of ordinary macros: the file's bytes over the block (a
  // short file fills its leading part), parsed, and sent. Buttons are not changed.
  DeviceMacroChange writeMacroBlockFile(std::span<const uint8_t> bytes);
  // The engineer page's import of gun presets: the file's bytes over both copies of the
  // gun preset table (a short file fills their leading part), then the table to the
  // mouse at 0x130 when its memory keeps it (Written), else only the copies (Ignored).
  DeviceMacroChange writeGunPresetFile(std::span<const uint8_t> bytes);
  // Every macro button of both profiles whose name (as it was shown before the change)
  // is one of the device macros' now points at that macro's start address.
  void RefreshMacroAddr(const std::array<std::array<std::string, 12>, 2>& buttonNames);

  TransferResult lastWrite;

 private:
  bool macrosKept() const;
  std::array<std::array<std::string, 12>, 2> buttonNames() const;
  TransferResult sendProfilesAndBlock();

  DeviceLink& link_;
  ButtonAssignment& assignment_;
};

}  // namespace mousecfg
