#include "macros/MacroPageState.h"

#include <algorithm>

#include "base/HexText.h"
#include "base/LanguageKeys.h"
#include "base/WholeFile.h"
#include "device/DeviceLink.h"

namespace mousecfg {

MacroPageState::MacroPageState(DeviceLink& link, MacroLibraryFile& library,
                               DeviceMacroEditing& deviceMacros, Clock& clock)
    : recorder(clock), link_(link), library_(library), deviceMacros_(deviceMacros) {
  // A recording whose budget is spent stops itself and is kept as a Stop keeps it.
  recorder.onStop = [this] { finishRecording(); };
  recorder.onLineAdded = [this] { link_.host.refreshWindow(); };
}

void MacroPageState::loadLibrary() {
  const LibraryLoad load = library_.CheckPCMacro();
  if (!load.problem.empty()) link_.host.showText("The macro library: " + load.problem + ".");
}

std::vector<std::string> MacroPageState::libraryNames() const {
  if (!listsShown_) return {};
  return library_.library().names();
}

std::vector<std::string> MacroPageState::deviceNames() const {
  if (!listsShown_) return {};
  return link_.macros.names();
}

void MacroPageState::RefreshPCMacroName() {
  listsShown_ = true;
  if (selectedLibrary && *selectedLibrary >= library_.library().macroCount())
    selectedLibrary.reset();
}

void MacroPageState::deviceMacrosChanged() {
  if (selectedDevice && *selectedDevice >= link_.macros.macroCount()) {
    selectedDevice.reset();
    clearEditor();
  }
}

void MacroPageState::deviceGone() {
  listsShown_ = false;
  selectedLibrary.reset();
  selectedDevice.reset();
  clearEditor();
}

void MacroPageState::clearEditor() {
  lines.clear();
  script.clear();
}

// What was recorded is compiled and saved at once, but for the insert panel's recording,
// which its OK keeps and its Cancel discards.
void MacroPageState::finishRecording() {
  lines = recorder.lines;
  if (!insertPanel.open) compileAndSave();
  recordingEnded();
}

void MacroPageState::recordingStarted() {
  monitorHeld_.emplace(link_.holdMonitor());
  recordingChanged(true);
}

void MacroPageState::recordingEnded() {
  monitorHeld_.reset();
  recordingChanged(false);
  link_.host.refreshWindow();
}

void MacroPageState::showSlot(std::span<const uint8_t> events) {
  const DecodedMacro decoded = decodeMacro(events);
  lines = decoded.lines;
  settings = decoded.settings;
  script = hexBytes(events, "");
}

void MacroPageState::selectLibraryMacro(size_t position) {
  if (position >= library_.library().macroCount()) return;
  selectedLibrary = position;
  selectedDevice.reset();
  lines.clear();
  script.clear();
  const LibrarySlot& slot = library_.library().slot(position);
  // An empty macro (its end byte alone) shows nothing.
  if (slot.length() <= 1) return;
  showSlot(std::span(slot.body).first(slot.length() - 1));
}

void MacroPageState::selectDeviceMacro(size_t position) {
  if (position >= link_.macros.macroCount()) return;
  selectedDevice = position;
  selectedLibrary.reset();
  const MacroSlot& slot = link_.macros.slot(position);
  showSlot(std::span(slot.events).first(slot.length - macro_block::kEmptyRecordLength));
}

void MacroPageState::save() {
  saveProblem = library_.RefreshPCMacro();
  if (!saveProblem.empty()) link_.host.showText(saveProblem);
}

LibraryChange MacroPageState::newMacro(const std::string& name) {
  lines.clear();
  const LibraryChange change = library_.library().newMacro(name);
  if (change == LibraryChange::Duplicate) link_.host.showMessage(langkey::message::kMacroExists);
  if (change != LibraryChange::Done) return change;
  save();
  selectedLibrary = library_.library().macroCount() - 1;
  return change;
}

LibraryChange MacroPageState::renameMacro(const std::string& name) {
  if (!selectedLibrary) return LibraryChange::NoSuchEntry;
  const LibraryChange change = library_.library().rename(*selectedLibrary, name);
  if (change == LibraryChange::Duplicate) link_.host.showMessage(langkey::message::kMacroExists);
  if (change == LibraryChange::Done) save();
  return change;
}

LibraryChange MacroPageState::deleteLibraryMacro() {
  if (!selectedLibrary) return LibraryChange::NoSuchEntry;
  const LibraryChange change = library_.library().deleteMacro(*selectedLibrary);
  if (change != LibraryChange::Done) return change;
  save();
  lines.clear();
  const size_t count = library_.library().macroCount();
  if (count == 0)
    selectedLibrary.reset();
  else
    selectLibraryMacro(*selectedLibrary == 0 ? 0 : *selectedLibrary - 1);
  return change;
}

bool MacroPageState::exportBytes(const std::string& entered, std::span<const uint8_t> bytes) {
  const std::string path = macroFileName(entered);
  const FileWritten written = writeWholeFile(path, bytes);
  if (!written) link_.host.showText("The macro file was not saved: " + written.error + ".");
  return written.ok;
}

bool MacroPageState::exportOne(const std::string& entered) {
  if (!selectedLibrary) return false;
  return exportBytes(entered, library_.library().record(*selectedLibrary));
}

bool MacroPageState::exportAll(const std::string& entered) {
  return exportBytes(entered, library_.library().image());
}

// Any file is taken as bytes, up to the size of a whole library; anything larger is not
// a macro file and is refused before it fills memory.
std::optional<std::vector<uint8_t>> MacroPageState::importBytes(const std::string& path) {
  FileContents file = readWholeFile(path, macro_library::kLibraryLength);
  if (!file.ok) {
    link_.host.showText("The macro file was not read: " + file.error + ".");
    return std::nullopt;
  }
  return std::move(file.bytes);
}

LibraryChange MacroPageState::importOne(const std::string& path) {
  if (!importOneEnabled()) return LibraryChange::Full;
  const std::optional<std::vector<uint8_t>> bytes = importBytes(path);
  if (!bytes) return LibraryChange::Unreadable;
  clearEditor();
  const LibraryChange change = library_.library().importOne(*bytes);
  if (change == LibraryChange::Duplicate) link_.host.showMessage(langkey::message::kMacroExists);
  if (change == LibraryChange::Unnamed) link_.host.showText(kUnnamedMacroFile);
  if (change != LibraryChange::Done) return change;
  selectedLibrary = library_.library().macroCount() - 1;
  save();
  return change;
}

bool MacroPageState::importAll(const std::string& path) {
  const std::optional<std::vector<uint8_t>> bytes = importBytes(path);
  if (!bytes) return false;
  library_.library().loadImage(*bytes);
  clearEditor();
  selectedLibrary.reset();
  listsShown_ = true;
  save();
  return true;
}

DeviceMacroChange MacroPageState::addToMouse() {
  if (!selectedLibrary) return DeviceMacroChange::Ignored;
  return deviceMacros_.addToMouse(library_.library().slot(*selectedLibrary));
}

DeviceMacroChange MacroPageState::deleteDeviceMacro() {
  if (!selectedDevice) return DeviceMacroChange::Ignored;
  const size_t position = *selectedDevice;
  const DeviceMacroChange change = deviceMacros_.deleteMacro(position);
  lines.clear();
  selectedDevice.reset();
  if (change == DeviceMacroChange::Written && link_.macros.macroCount() > 0)
    selectDeviceMacro(position == 0 ? 0 : position - 1);
  return change;
}

void MacroPageState::compileAndSave() {
  if (!selectedLibrary) return;
  const CompiledMacro compiled = compileMacro(lines, settings.repeat, settings.repeatCount);
  script = compiled.script;
  library_.library().setBody(*selectedLibrary, compiled.bytes);
  save();
}

bool MacroPageState::deleteEntry(size_t entry) {
  if (!selectedLibrary) return false;
  const std::optional<std::vector<size_t>> doomed = linesToDelete(lines, entry + 1);
  if (!doomed) {
    link_.host.showText(kMacroContentError);
    return false;
  }
  for (auto it = doomed->rbegin(); it != doomed->rend(); ++it)
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*it));
  compileAndSave();
  return true;
}

bool MacroPageState::replaceEntry(size_t entry, const std::string& line) {
  if (!selectedLibrary || entry + 1 >= lines.size()) return false;
  lines[entry + 1] = line;
  compileAndSave();
  return true;
}

bool MacroPageState::insertEntry(size_t entry, bool front, const std::string& line) {
  if (!selectedLibrary || entry + 1 >= lines.size()) return false;
  if (library_.library().slot(*selectedLibrary).length() >= kInsertLimit) {
    link_.host.showMessage(langkey::message::kMacroTooLong);
    return false;
  }
  const size_t at = entry + 1 + (front ? 0 : 1);
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), line);
  compileAndSave();
  return true;
}

void MacroPageState::setRepeat(RepeatSetting repeat, int count) {
  settings.repeat = repeat;
  settings.repeatCount = count;
  compileAndSave();
}

void MacroPageState::Btn_StartClick() {
  if (!selectedLibrary || insertPanel.open) return;
  if (!recorder.recording()) {
    script.clear();
    library_.library().setBody(*selectedLibrary, {});
    recorder.start(settings);
    lines.clear();
    recordingStarted();
    return;
  }
  recorder.stop();
  finishRecording();
}

bool MacroPageState::openInsertPanel(size_t entry) {
  if (!eventCommandsEnabled() || recorder.recording() || entry + 1 >= lines.size()) return false;
  beforeInsert_ = library_.library();
  insertPanel.open = true;
  insertPanel.entry = entry;
  return true;
}

namespace {

bool insertsInFront(InsertChoice choice) {
  return choice == InsertChoice::DelayFront || choice == InsertChoice::KeyFront ||
         choice == InsertChoice::MoveFront;
}

// The most a macro may already hold for the insert panel to record into it: room for
// the reserve of one more key with its delay.
constexpr int kInsertRecordLimitNoDelay = 241;
constexpr int kInsertRecordLimitWithDelay = 238;

}  // namespace

bool MacroPageState::insertRecordClick() {
  if (!insertPanel.open || !selectedLibrary) return false;
  if (recorder.recording()) {
    recorder.stop();
    finishRecording();
    return true;
  }
  const size_t length = library_.library().slot(*selectedLibrary).length();
  const int used = length == 0 ? 0 : static_cast<int>(length) - 1;
  const int limit = insertPanel.settings.delayMode == DelayMode::NoDelay
                        ? kInsertRecordLimitNoDelay
                        : kInsertRecordLimitWithDelay;
  if (used > limit) return false;
  const size_t line = insertPanel.entry + (insertsInFront(insertPanel.choice) ? 1 : 2);
  recorder.lines = lines;
  recorder.startInsert(insertPanel.settings, line, used);
  recordingStarted();
  return true;
}

bool MacroPageState::insertLine(const std::string& line) {
  return insertEntry(insertPanel.entry, insertsInFront(insertPanel.choice), line);
}

bool MacroPageState::insertOk() {
  if (!insertPanel.open || recorder.recording()) return false;
  bool inserted = true;
  switch (insertPanel.choice) {
    case InsertChoice::DelayFront:
    case InsertChoice::DelayBack:
      inserted = insertLine(
          delayLine(std::clamp(insertPanel.settings.fixedDelayMs, EditorSettings::kMinDelayMs,
                               EditorSettings::kMaxDelayMs)));
      break;
    case InsertChoice::MoveFront:
    case InsertChoice::MoveBack:
      inserted = insertLine(
          moveLine(std::clamp(insertPanel.x, event_line::kMinMove, event_line::kMaxMove),
                   std::clamp(insertPanel.y, event_line::kMinMove, event_line::kMaxMove)));
      break;
    case InsertChoice::KeyFront:
    case InsertChoice::KeyBack:
      compileAndSave();
      break;
  }
  insertPanel.open = false;
  beforeInsert_.reset();
  return inserted;
}

// The library as it was when the panel opened is the library file's content (every
// change before was saved); it is taken from memory so that a file that could not be
// written costs nothing.
void MacroPageState::insertCancel() {
  if (!insertPanel.open || recorder.recording()) return;
  if (beforeInsert_) library_.library() = *beforeInsert_;
  beforeInsert_.reset();
  insertPanel.open = false;
  if (selectedLibrary) selectLibraryMacro(*selectedLibrary);
}

}  // namespace mousecfg
