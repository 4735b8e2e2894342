#pragma once

#include <optional>
#include <string>

#include "macros/DeviceMacroEditing.h"
#include "macros/EventLines.h"
#include "macros/LibraryFile.h"
#include "macros/MacroRecorder.h"

namespace mousecfg {

class DeviceLink;

// The macro page without its window: the library list and the device list with their
// selections, the selected macro's event lines and script, the editor's commands, and
// recording. Every change to a library macro is compiled into its slot and the library
// saved at once.
class MacroPageState {
 public:
  // The texts the page shows in its message box that have no language key.
  static constexpr const char* kMacroContentError = "Macro Content Error";
  // A delay or movement may be inserted only while the stored macro is shorter.
  static constexpr size_t kInsertLimit = 253;

  MacroPageState(DeviceLink& link, MacroLibraryFile& library, DeviceMacroEditing& deviceMacros,
                 Clock& clock);

  // Lists.
  std::vector<std::string> libraryNames() const { return library_.library().names(); }
  bool newMacroEnabled() const { return !library_.library().full(); }
  std::optional<size_t> selectedLibrary;
  std::optional<size_t> selectedDevice;
  void selectLibraryMacro(size_t position);
  void selectDeviceMacro(size_t position);

  // The library popup and the device popup.
  LibraryChange newMacro(const std::string& name);
  LibraryChange renameMacro(const std::string& name);
  LibraryChange deleteLibraryMacro();
  DeviceMacroChange addToMouse();
  DeviceMacroChange deleteDeviceMacro();

  // The editor, on the selected library macro. Entry i of the event list is line i + 1.
  EventLines lines;
  EditorSettings settings;
  std::string script;
  bool deleteEntry(size_t entry);
  // Edit: the line the dialog handed back replaces the entry (its partner stays).
  bool replaceEntry(size_t entry, const std::string& line);
  // Insert Delay / X-Y, before (front) or after the entry; refused past 252 bytes.
  bool insertEntry(size_t entry, bool front, const std::string& line);
  void setRepeat(RepeatSetting repeat, int count);

  // Record / Stop (Btn_StartClick).
  MacroRecorder recorder;
  void Btn_StartClick();

  // Why the library could not be saved after the last change; empty when it was.
  std::string saveProblem;

 private:
  void showSlot(std::span<const uint8_t> events);
  void compileAndSave();
  void save();
  void finishRecording();

  DeviceLink& link_;
  MacroLibraryFile& library_;
  DeviceMacroEditing& deviceMacros_;
};

}  // namespace mousecfg
