#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/ScopedFlag.h"
#include "macros/DeviceMacroEditing.h"
#include "macros/EventLines.h"
#include "macros/LibraryFile.h"
#include "macros/MacroRecorder.h"

namespace mousecfg {

class DeviceLink;

// The insert panel's choice list.
enum class InsertChoice { DelayFront, DelayBack, KeyFront, KeyBack, MoveFront, MoveBack };

// The insert panel: where it inserts, what, and its own delay mode and fields.
struct InsertPanel {
  static constexpr int kDefaultMove = 12;
  bool open = false;
  size_t entry = 0;  // the event entry it inserts before (Front) or after (Back)
  InsertChoice choice = InsertChoice::DelayFront;
  EditorSettings settings;  // its delay mode, and the delay it inserts
  int x = kDefaultMove;
  int y = kDefaultMove;
};

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
  static constexpr const char* kUnnamedMacroFile =
      "The file holds no macro name; nothing was imported.";

  MacroPageState(DeviceLink& link, MacroLibraryFile& library, DeviceMacroEditing& deviceMacros,
                 Clock& clock);

  // Start-up: the library is read from its file, or the file created (CheckPCMacro).
  // What went wrong with the file is told; the page goes on with what was read.
  void loadLibrary();

  // Lists. Both are built by a configuration read from a mouse (RefreshPCMacroName)
  // and emptied when the mouse goes away; before, they show nothing.
  std::vector<std::string> libraryNames() const;
  std::vector<std::string> deviceNames() const;
  void RefreshPCMacroName();
  // After the mouse's macros were read again: a device selection that is no longer in
  // the list is dropped.
  void deviceMacrosChanged();
  // The mouse went away: the lists and the event list are emptied, the selections
  // dropped. The library itself stays as it is.
  void deviceGone();
  // Without a device, or after the mouse's macros were replaced: the event list and
  // the script are emptied.
  void clearEditor();
  bool newMacroEnabled() const { return !library_.library().full(); }
  bool importOneEnabled() const {
    return library_.library().macroCount() < macro_library::kImportOneLimit;
  }
  std::optional<size_t> selectedLibrary;
  std::optional<size_t> selectedDevice;
  void selectLibraryMacro(size_t position);
  void selectDeviceMacro(size_t position);

  // The library popup and the device popup.
  LibraryChange newMacro(const std::string& name);
  LibraryChange renameMacro(const std::string& name);
  LibraryChange deleteLibraryMacro();
  // Macro files. Exports write to macroFileName(entered); imports take a file as bytes,
  // a short one filling only the leading part. False, after telling the user, when the
  // file could not be read or written.
  bool exportOne(const std::string& entered);
  bool exportAll(const std::string& entered);
  LibraryChange importOne(const std::string& path);
  bool importAll(const std::string& path);
  DeviceMacroChange addToMouse();
  DeviceMacroChange deleteDeviceMacro();

  // The editor, on the selected library macro. Entry i of the event list is line i + 1.
  EventLines lines;
  // What the event list shows: while a recording runs, the lines it has made so far.
  const EventLines& shownLines() const { return recorder.recording() ? recorder.lines : lines; }
  EditorSettings settings;
  std::string script;
  bool deleteEntry(size_t entry);
  // Edit: the line the dialog handed back replaces the entry (its partner stays).
  bool replaceEntry(size_t entry, const std::string& line);
  // Insert Delay / X-Y, before (front) or after the entry; refused past 252 bytes.
  bool insertEntry(size_t entry, bool front, const std::string& line);
  void setRepeat(RepeatSetting repeat, int count);
  // Edit, Delete and Insert are offered only on a library macro, with the panel closed.
  bool eventCommandsEnabled() const { return selectedLibrary && !insertPanel.open; }

  // The insert panel. Insert opens it on an entry; its Record/Stop records keys and
  // buttons into the lines at the insert position; OK inserts the delay or movement (or
  // keeps what was recorded) and saves; Cancel puts the library back as it was when the
  // panel opened and shows the macro again.
  InsertPanel insertPanel;
  bool openInsertPanel(size_t entry);
  bool insertRecordClick();
  bool insertOk();
  void insertCancel();
  // While the panel records, its choice list, OK and Cancel are greyed.
  bool insertRecording() const { return insertPanel.open && recorder.recording(); }

  // Record / Stop (Btn_StartClick). While a recording runs the connection monitor is
  // held off, and `recordingChanged` tells whoever feeds the recorder its input.
  MacroRecorder recorder;
  void Btn_StartClick();
  std::function<void(bool recording)> recordingChanged = [](bool) {};

  // Why the library could not be saved after the last change; empty when it was.
  std::string saveProblem;

 private:
  void showSlot(std::span<const uint8_t> events);
  void compileAndSave();
  void save();
  void finishRecording();
  void recordingStarted();
  void recordingEnded();
  bool insertLine(const std::string& line);
  bool exportBytes(const std::string& entered, std::span<const uint8_t> bytes);
  std::optional<std::vector<uint8_t>> importBytes(const std::string& path);

  DeviceLink& link_;
  MacroLibraryFile& library_;
  DeviceMacroEditing& deviceMacros_;
  bool listsShown_ = false;
  std::optional<ScopedFlag> monitorHeld_;
  std::optional<MacroLibrary> beforeInsert_;
};

}  // namespace mousecfg
