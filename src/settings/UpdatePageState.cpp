#include "settings/UpdatePageState.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "device/DeviceLink.h"
#include "device/ImageMap.h"

namespace mousecfg {

namespace {

// At most the record's length from the start of the file; nullopt when it cannot be
// opened.
std::optional<std::vector<uint8_t>> leadingBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<uint8_t> bytes(image::kPatchRecordLength);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(file.gcount()));
  return bytes;
}

}  // namespace

void UpdatePageState::pageOpened() {
  lbl_LoadBIN.clear();
  chosen_.reset();
}

void UpdatePageState::Btn_LoadBINClick() {
  const std::optional<std::string> path = chooseFile ? chooseFile() : std::nullopt;
  if (path) (void)chooseFileAt(*path);
}

bool UpdatePageState::chooseFileAt(const std::string& path) {
  lbl_LoadBIN = path;
  std::optional<std::vector<uint8_t>> bytes = leadingBytes(path);
  if (!bytes) {
    chosen_.reset();
    link_.host.showText("The file could not be read: " + path + ": " + std::strerror(errno));
    return false;
  }
  // Other interfaces keep no patch record: the file counts as chosen, with nothing in it.
  if (!link_.connection.supportsStoredWrites()) bytes->clear();
  chosen_ = std::move(*bytes);
  return true;
}

// A file shorter than the record replaces only as many bytes as it has.
PatchRecord UpdatePageState::programmedRecord(const PatchRecord& current) const {
  PatchRecord record = current;
  if (chosen_) std::copy(chosen_->begin(), chosen_->end(), record.begin());
  return record;
}

TransferResult UpdatePageState::Btn_ProgramClick() {
  if (!link_.channel.isOpen() || !chosen_) return TransferResult::notStarted();
  link_.image.patchRecord = programmedRecord(link_.image.patchRecord);
  return link_.transfer.programPatchRecord();
}

}  // namespace mousecfg
