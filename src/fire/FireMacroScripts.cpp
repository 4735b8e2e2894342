#include "fire/FireMacroScripts.h"

#include <algorithm>
#include <filesystem>

#include "base/HexText.h"
#include "base/WholeFile.h"
#include "macros/LibraryFile.h"
#include "settings/ButtonAssignment.h"
#include "settings/FireMacroNaming.h"

namespace mousecfg {

using namespace fire_macro;

namespace fs = std::filesystem;

namespace {

constexpr const char* kNoFolder =
    "there is no data folder for the fire macro codes (neither XDG_DATA_HOME nor HOME is set)";

bool occupied(const ButtonEntry& code) {
  return code != entry::kKeyOff;
}

// The list's colour items 0..9 are colour codes 0..9; the last one is code 15.
uint8_t colourCodeOfItem(int item) {
  return item == static_cast<int>(kColourItems.size()) - 1 ? kUserColourCode
                                                           : static_cast<uint8_t>(item);
}

bool isItemOf(int item, size_t itemCount) {
  return item >= 0 && static_cast<size_t>(item) < itemCount;
}

}  // namespace

std::string fireMacroFilePath(const EnvironmentLookup& environment) {
  const std::string libraryPath = libraryFilePath({}, environment);
  if (libraryPath.empty()) return {};
  return (fs::path(libraryPath).parent_path() / kFileName).string();
}

FireMacroScripts::FireMacroScripts(std::string filePath, ButtonAssignment& assignment)
    : path_(std::move(filePath)), assignment_(assignment) {}

std::vector<std::string> FireMacroScripts::LB_ScriptName() const {
  return assignment_.fireMacros.listNames();
}

std::string FireMacroScripts::codeString(int slot) const {
  if (slot < 1 || slot > static_cast<int>(kCodeCount)) return {};
  return hexBytes(assignment_.fireMacros.codes[static_cast<size_t>(slot - 1)], "");
}

void FireMacroScripts::loadAtStartup() {
  FireMacroCodeSet& table = assignment_.fireMacros;
  table = path_.empty() ? FireMacroCodeSet{} : readFireMacroCodeSet(path_);
  selected.reset();
  scrollTarget.reset();
  listsChanged();
}

// Byte 0 is the gun category and byte 3 zero whatever the form; an unknown form
// leaves bytes 1 and 2 zero.
ButtonEntry FireMacroScripts::composedCode() const {
  ButtonEntry code{entry::kCategoryGunPreset, 0, 0, 0};
  if (cb_SOSType == kGunForm) {
    const uint8_t keepLeft = cb_SOSLB == kKeepLeftOn ? kKeepLeftBit : 0;
    code[1] = static_cast<uint8_t>(keepLeft + cb_SOSStartIndex);
    code[2] = static_cast<uint8_t>(cb_SOSNumber + 1);
  } else if (cb_SOSType == kColourForm) {
    code[1] = static_cast<uint8_t>(kColourFormBit + colourCodeOfItem(cb_SOSColor));
  }
  return code;
}

// The occupied slots are the first ones; the new code takes the first free slot.
ScriptTableChange FireMacroScripts::btn_AddScriptClick() {
  auto& codes = assignment_.fireMacros.codes;
  const auto freeSlot = std::find_if_not(codes.begin(), codes.end(), occupied);
  if (freeSlot == codes.end()) return {};  // ten codes already
  *freeSlot = composedCode();
  listsChanged();
  scrollTarget = LB_ScriptName().size() - 1;
  return {true, saveTable()};
}

ScriptTableChange FireMacroScripts::btn_DelScriptClick() {
  if (!selected) return {};
  const size_t position = *selected;
  const std::optional<int> slot = assignment_.fireMacros.slotAtListPosition(position);
  if (!slot) return {};
  auto& codes = assignment_.fireMacros.codes;
  const auto removed = codes.begin() + (*slot - 1);
  std::move(removed + 1, codes.end(), removed);
  codes.back() = entry::kKeyOff;
  listsChanged();
  const size_t remaining = LB_ScriptName().size();
  selected.reset();
  if (remaining > 0) selected = position == 0 ? 0 : position - 1;
  return {true, saveTable()};
}

void FireMacroScripts::LB_ScriptNameClick(size_t position) {
  const std::optional<int> slot = assignment_.fireMacros.slotAtListPosition(position);
  if (!slot) return;
  selected = position;
  const ButtonEntry& code = assignment_.fireMacros.codes[static_cast<size_t>(*slot - 1)];
  const bool colourForm = (code[1] & kColourFormBit) != 0;
  cb_SOSTypeChange(colourForm ? kColourForm : kGunForm);
  if (colourForm)
    showColourCode(code[1]);
  else
    showGunCode(code[1], code[2]);
}

// A colour code outside the list's (10..14) leaves the colour list as it was.
void FireMacroScripts::showColourCode(uint8_t codeByte) {
  const int colour = codeByte & kLowNibble;
  if (colour == kUserColourCode)
    cb_SOSColor = static_cast<int>(kColourItems.size()) - 1;
  else if (colour < static_cast<int>(kColourItems.size()) - 1)
    cb_SOSColor = colour;
}

// A start position or a count the lists do not hold leaves that list as it was.
void FireMacroScripts::showGunCode(uint8_t codeByte, uint8_t count) {
  cb_SOSLB = (codeByte & kKeepLeftBit) != 0 ? kKeepLeftOn : 0;
  const int start = codeByte & kLowNibble;
  if (isItemOf(start, kCountItems.size())) cb_SOSStartIndex = start;
  if (isItemOf(count - 1, kCountItems.size())) cb_SOSNumber = count - 1;
}

void FireMacroScripts::cb_SOSTypeChange(int item) {
  if (item != kGunForm && item != kColourForm) return;
  cb_SOSType = item;
  gunControlsShown = item == kGunForm;
  colourControlShown = item == kColourForm;
}

// Both lists show the table: the editor's from it directly, the function menu's here.
void FireMacroScripts::listsChanged() {
  assignment_.menu.setScriptNames(LB_ScriptName());
  if (tableChanged) tableChanged();
}

std::string FireMacroScripts::saveTable() const {
  if (path_.empty()) return kNoFolder;
  std::error_code error;
  const fs::path folder = fs::path(path_).parent_path();
  if (!folder.empty()) fs::create_directories(folder, error);
  if (error) return "cannot create " + folder.string() + ": " + error.message();
  std::array<uint8_t, kCodeCount * image::kEntryLength> bytes{};
  for (size_t slot = 0; slot < kCodeCount; ++slot)
    std::copy_n(assignment_.fireMacros.codes[slot].begin(), image::kEntryLength,
                bytes.begin() + static_cast<std::ptrdiff_t>(slot * image::kEntryLength));
  const FileWritten written = writeWholeFile(path_, bytes);
  return written ? std::string() : written.error;
}

}  // namespace mousecfg
