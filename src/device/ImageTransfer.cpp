#include "device/ImageTransfer.h"

#include <algorithm>

#include "base/HexText.h"
#include "device/DeviceLink.h"
#include "device/ImageSections.h"

namespace mousecfg {

using namespace image;

namespace {

template <size_t N>
void copyFromImage(const ImageBuffer& buffer, size_t offset, std::array<uint8_t, N>& copy) {
  std::copy_n(buffer.begin() + static_cast<std::ptrdiff_t>(offset), N, copy.begin());
}

std::string fourHexDigits(uint16_t value) {
  return hexDigits(value, 4);
}

}  // namespace

void ImageTransfer::splitMacroBlock() {
  link_.macros.loadFromImage(link_.image.buffer);
  link_.macros.ReadAndRefreshMacroBlock();
}

void ImageTransfer::splitImage(SplitOrder order) {
  ConfigImage& image = link_.image;
  image.splitCheckedSections(link_.builderInputs());
  if (order == SplitOrder::GunTableFirst) image.splitGunTable();
  splitMacroBlock();
  image.splitPatchRecord();
  if (order == SplitOrder::MacroBlockFirst) image.splitGunTable();
  link_.patchCodeText = fourHexDigits(image.patchCheckValue());
}

TransferResult ImageTransfer::Btn_Read() {
  const TransferResult read = readInBatch();
  link_.host.refreshWindow();
  return read;
}

TransferResult ImageTransfer::readInBatch() {
  const auto batch = link_.holdBatch();
  const auto monitor = link_.holdMonitor();
  link_.host.setOverlaysVisible(true);
  link_.host.showProgress();
  link_.observer().refreshPcMacroNames();
  // Whatever the device reported, from here on it is handled as an I2C device.
  link_.connection.interfaceType = kInterfaceI2c;
  // The read lands in a scratch buffer: a read that lost frames leaves the previous
  // settings as they were rather than showing 0xFF for whatever was lost.
  ImageBuffer received;
  const TransferResult read = link_.channel.BlockReadWithProgress(0, received);
  if (read) {
    link_.image.buffer = received;
    splitImage(SplitOrder::GunTableFirst);
    DataBufToUI();
    link_.observer().refreshSystemMouseGroups();
    link_.observer().showFirstPage();
  }
  link_.errorFlag_ = false;
  link_.host.processMessages();
  link_.host.hideProgress();
  link_.host.setOverlaysVisible(false);
  return read;
}

void ImageTransfer::DataBufToUI() {
  const ConfigImage& image = link_.image;
  CodeStrings& codes = link_.codes;
  for (size_t k = 0; k < kButtonCount; ++k) {
    const size_t at = k * kEntryLength;
    codes.keys[k] = entryCode(std::span(image.profile1).subspan(at, kEntryLength));
    codes.keys[kButtonCount + k] = entryCode(std::span(image.profile2).subspan(at, kEntryLength));
  }
  for (size_t n = 0; n < kComboKeyCount; ++n)
    codes.combos[n] = entryCode(
        std::span(image.vendor).subspan(kComboKeysOffset + n * kEntryLength, kEntryLength));
  link_.observer().refreshPages();
}

TransferResult ImageTransfer::MemoToDataBuf_OnClick() {
  link_.observer().hideMenus();
  // The re-find after the restart starts the monitor again.
  link_.monitorTimerEnabled_ = false;
  link_.host.setOverlaysVisible(true);
  const bool supported = link_.connection.supportsStoredWrites();
  if (supported) splitImage(SplitOrder::MacroBlockFirst);
  DataBufToUI();
  link_.host.showProgress();
  TransferResult written;
  if (supported) written = link_.channel.BlockWrite(0, link_.image.buffer);
  link_.discovery.RestartAndReFind();
  return written;
}

TransferResult ImageTransfer::programPatchRecord() {
  link_.monitorTimerEnabled_ = false;
  link_.host.setOverlaysVisible(true);
  link_.host.showProgress();
  const TransferResult written = writePatchRecord();
  link_.discovery.RestartAndReFind();
  return written;
}

void ImageTransfer::InitNoDevice() {
  if (link_.connection.memoryTypeSupported()) {
    const auto batch = link_.holdBatch();
    ConfigImage& image = link_.image;
    link_.defaults.LoadDefaultImages(link_.connection.configuredMemoryType);
    image.buffer = link_.defaults.store[0];
    link_.observer().clearMacroEditor();
    image.splitCheckedSections(link_.builderInputs());
    splitMacroBlock();
    image.splitPatchRecord();
    link_.patchCodeText = fourHexDigits(image.patchCheckValue());
    std::copy(image.committedGunTable.begin(), image.committedGunTable.end(),
              image.buffer.begin() + kGunTableOffset);
    image.workingGunTable = image.committedGunTable;
  }
  DataBufToUI();
}

TransferResult ImageTransfer::writeProfiles(ProfileWrite what) {
  TransferResult written = TransferResult::notStarted();
  if (link_.connection.supportsStoredWrites()) {
    ConfigImage& image = link_.image;
    image.UpdateProfileChecksum();
    std::array<uint8_t, kKeyTablesLength> tables;
    std::copy(image.profile1.begin(), image.profile1.end(), tables.begin());
    std::copy(image.profile2.begin(), image.profile2.end(), tables.begin() + kProfileLength);
    written = link_.channel.BlockWrite(kKeyTablesOffset, tables);
    if (what != ProfileWrite::KeyTables) written += writeFireKeyBlock();
    if (what == ProfileWrite::WithGunTable)
      written += link_.channel.BlockWrite(kGunTableOffset, image.committedGunTable);
  }
  return written + reloadUserSection();
}

// The block begins with the manufacturer and product codes by which the mouse is
// recognised. A data frame lost in the middle of the write shifts the bytes after it
// onto them, and the mouse would not be recognised again; so a write that lost a frame
// is sent once more, whole. The loss is still reported.
TransferResult ImageTransfer::writeFireKeyBlock() {
  const TransferResult first = link_.channel.BlockWrite(kFireKeyOffset, link_.image.fireKey);
  if (!first.started() || first.ok()) return first;
  return first + link_.channel.BlockWrite(kFireKeyOffset, link_.image.fireKey);
}

TransferResult ImageTransfer::WriteKeyTables() {
  return writeProfiles(ProfileWrite::KeyTables);
}

TransferResult ImageTransfer::WriteKeyTablesAndFireKeys() {
  return writeProfiles(ProfileWrite::WithFireKeys);
}

TransferResult ImageTransfer::WriteGunPresets() {
  return writeProfiles(ProfileWrite::WithGunTable);
}

// The mouse re-applies its working copy of the user section when its first byte is
// written as 0x0F and then as its own value.
TransferResult ImageTransfer::reloadUserSection() {
  CommandChannel& channel = link_.channel;
  UserSection scratch;
  // A failed read-back keeps the previous copy rather than filling it with 0xFF.
  const TransferResult readBack = channel.DirectRead(kDirectSpace, kUserOffset, scratch);
  if (readBack) link_.image.user = scratch;
  const TransferResult trigger = channel.DirectWriteBytes(kUserOffset, kReloadTrigger, 0, 0, 1);
  return readBack + trigger + channel.DirectWriteBytes(kUserOffset, link_.image.user[0], 0, 0, 1);
}

TransferResult ImageTransfer::writeUserSection() {
  link_.image.UpdateUserChecksum();
  return link_.channel.DirectWriteRange(kUserOffset, link_.image.user);
}

TransferResult ImageTransfer::writeVendorSection() {
  link_.image.UpdateVendorChecksum();
  const TransferResult sent = link_.channel.DirectWriteRange(kVendorOffset, link_.image.vendor);
  return sent + WriteKeyTables();
}

TransferResult ImageTransfer::writeGunTable() {
  if (!link_.connection.supportsStoredWrites()) return TransferResult::notStarted();
  return link_.channel.BlockWrite(kGunTableOffset, link_.image.committedGunTable);
}

TransferResult ImageTransfer::writeMacroBlock() {
  if (!link_.connection.supportsStoredWrites()) return TransferResult::notStarted();
  const auto& block = link_.macros.block();
  constexpr size_t kHalf = kMacroBlockLength / 2;
  const TransferResult first =
      link_.channel.BlockWrite(kMacroBlockOffset, std::span(block).first(kHalf));
  return first +
         link_.channel.BlockWrite(kMacroBlockOffset + kHalf, std::span(block).subspan(kHalf));
}

TransferResult ImageTransfer::writeMacroProfiles() {
  if (!link_.connection.supportsStoredWrites()) return TransferResult::notStarted();
  link_.image.UpdateProfileChecksum();
  const std::vector<uint8_t> bytes =
      workingBytes(link_.image, kKeyTablesOffset, kMacroProfilesLength);
  return link_.channel.BlockWrite(kKeyTablesOffset, bytes);
}

TransferResult ImageTransfer::writePatchRecord() {
  if (!link_.connection.supportsStoredWrites()) return TransferResult::notStarted();
  return link_.channel.BlockWrite(kPatchRecordOffset, link_.image.patchRecord);
}

TransferResult ImageTransfer::writeField(uint8_t address, std::span<const uint8_t> bytes) {
  const auto at = [&](size_t i) { return i < bytes.size() ? bytes[i] : uint8_t{0}; };
  if (bytes.size() == 4) return link_.channel.DirectWriteFour(address, at(0), at(1), at(2), at(3));
  if (bytes.empty() || bytes.size() > 3) return TransferResult::notStarted();
  return link_.channel.DirectWriteBytes(address, at(0), at(1), at(2),
                                        static_cast<uint8_t>(bytes.size()));
}

}  // namespace mousecfg
