#include "macros/DeviceMacroEditing.h"

#include <algorithm>

#include "base/LanguageKeys.h"
#include "device/DeviceLink.h"
#include "device/MacroEvent.h"
#include "settings/ButtonAssignment.h"
#include "settings/KeyTables.h"

namespace mousecfg {

namespace {

// The progress window is up and the monitor stopped while the block goes to the mouse.
class TransferWindow {
 public:
  explicit TransferWindow(DeviceLink& link) : link_(link), monitor_(link.holdMonitor()) {
    link_.host.showProgress();
  }
  ~TransferWindow() { link_.host.hideProgress(); }
  TransferWindow(const TransferWindow&) = delete;
  TransferWindow& operator=(const TransferWindow&) = delete;

 private:
  DeviceLink& link_;
  ScopedFlag monitor_;
};

}  // namespace

bool DeviceMacroEditing::macrosKept() const {
  return link_.connection.supportsStoredWrites();
}

std::array<std::array<std::string, 12>, 2> DeviceMacroEditing::buttonNames() const {
  return {assignment_.profileNames(1), assignment_.profileNames(2)};
}

DeviceMacroChange DeviceMacroEditing::addToMouse(const LibrarySlot& macro) {
  DeviceMacroBlock& block = link_.macros;
  const size_t count = block.macroCount();
  if (!macrosKept() || !macro.used() || count >= macro_block::kMaxMacros)
    return DeviceMacroChange::Ignored;
  for (size_t k = 0; k < count; ++k) {
    if (block.slot(k).name != macro.name) continue;
    link_.host.showMessage(langkey::message::kMacroExists);
    return DeviceMacroChange::Duplicate;
  }
  const MacroBlockBuffer backup = block.block();
  const auto names = buttonNames();
  // A body without its end byte cannot be stored at all: it is as much too long.
  const bool stored = block.setSlot(count, macro.name, macro.body);
  block.CheckMacroBlockLength();
  if (!stored || block.totalLength() > macro_block::kRecordAreaLength) {
    block.block() = backup;
    block.ReadAndRefreshMacroBlock();
    link_.host.showMessage(langkey::message::kMacroTooLong);
    return DeviceMacroChange::TooLong;
  }
  if (!block.PackMacroBlock()) return DeviceMacroChange::TooLong;
  block.ReadAndRefreshMacroBlock();
  RefreshMacroAddr(names);
  lastWrite = sendProfilesAndBlock();
  assignment_.refreshFromImage();
  return DeviceMacroChange::Written;
}

DeviceMacroChange DeviceMacroEditing::deleteMacro(size_t position) {
  DeviceMacroBlock& block = link_.macros;
  if (!macrosKept() || position >= block.macroCount()) return DeviceMacroChange::Ignored;
  link_.observer().clearMacroEditor();
  assignment_.InitKeysParameters();
  block.clearSlot(position);
  if (!block.PackMacroBlock()) return DeviceMacroChange::Ignored;
  block.ReadAndRefreshMacroBlock();
  assignment_.RefreshKeysParameters();
  lastWrite = sendProfilesAndBlock();
  return DeviceMacroChange::Written;
}

DeviceMacroChange DeviceMacroEditing::writeMacroBlockFile(std::span<const uint8_t> bytes) {
  if (!macrosKept()) return DeviceMacroChange::Ignored;
  MacroBlockBuffer& buffer = link_.macros.block();
  std::copy_n(bytes.begin(), std::min(bytes.size(), buffer.size()), buffer.begin());
  link_.macros.ReadAndRefreshMacroBlock();
  const TransferWindow window(link_);
  lastWrite = link_.transfer.writeMacroBlock();
  return DeviceMacroChange::Written;
}

DeviceMacroChange DeviceMacroEditing::writeGunPresetFile(std::span<const uint8_t> bytes) {
  ConfigImage& image = link_.image;
  const size_t given = std::min(bytes.size(), image.committedGunTable.size());
  std::copy_n(bytes.begin(), given, image.committedGunTable.begin());
  std::copy_n(bytes.begin(), given, image.workingGunTable.begin());
  const TransferWindow window(link_);
  if (!macrosKept()) return DeviceMacroChange::Ignored;
  lastWrite = link_.transfer.writeGunTable();
  return DeviceMacroChange::Written;
}

void DeviceMacroEditing::RefreshMacroAddr(
    const std::array<std::array<std::string, 12>, 2>& buttonNames) {
  const std::vector<std::string> macros = link_.macros.names();
  for (int profile = key_tables::kFirstProfile; profile <= key_tables::kLastProfile; ++profile) {
    for (int k = 1; k <= key_tables::kButtonCount; ++k) {
      const std::string& name =
          buttonNames[static_cast<size_t>(profile - 1)][static_cast<size_t>(k - 1)];
      // Only macro buttons follow their macro: a "Mute" button stays Mute even when a
      // macro is called "Mute".
      if (profileEntry(link_.image, profile, k)[0] != entry::kCategoryMacro) continue;
      const auto found = std::ranges::find(macros, name);
      if (found == macros.end()) continue;
      const auto moved = link_.macros.buttonEntry(static_cast<size_t>(found - macros.begin()));
      if (moved) storeProfileEntry(link_.image, link_.codes, profile, k, *moved);
    }
  }
}

TransferResult DeviceMacroEditing::sendProfilesAndBlock() {
  const TransferWindow window(link_);
  const TransferResult profiles = link_.transfer.writeMacroProfiles();
  return profiles + link_.transfer.writeMacroBlock();
}

}  // namespace mousecfg
