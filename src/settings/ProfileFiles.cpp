#include "settings/ProfileFiles.h"

#include <algorithm>

#include "base/LanguageKeys.h"
#include "base/WholeFile.h"
#include "device/DeviceLink.h"

namespace mousecfg {

namespace {

constexpr const char* kSavedExtension = ".bin";
// A file chosen by mistake (a film, say) is refused before it fills memory; the mouse
// takes only the leading 2048 bytes of any file.
constexpr size_t kMaxFileBytes = 1 << 20;

}  // namespace

std::string ProfileFiles::savedFileName(const std::string& chosen) {
  return chosen + kSavedExtension;
}

bool ProfileFiles::deviceOpen() {
  if (link_.channel.isOpen()) return true;
  link_.host.showMessage(langkey::message::kDeviceNotFound);
  return false;
}

ProfileFiles::Outcome ProfileFiles::Btn_Save_0Click() {
  link_.observer().hideMenus();
  if (!deviceOpen()) return Outcome::NoDevice;
  const std::optional<std::string> chosen = chooseSaveFile ? chooseSaveFile() : std::nullopt;
  if (!chosen) return Outcome::Cancelled;
  return saveTo(savedFileName(*chosen));
}

// The file holds what the mouse stores, not what the pages hold: the block is read
// first, and a read that lost frames saves nothing.
ProfileFiles::Outcome ProfileFiles::saveTo(const std::string& path) {
  problem.clear();
  if (!deviceOpen()) return Outcome::NoDevice;
  if (!link_.transfer.Btn_Read()) {
    problem = "The mouse did not answer the whole read, so nothing was saved.";
    link_.host.showText(problem);
    return Outcome::DeviceFailed;
  }
  const FileWritten written = writeWholeFile(path, link_.image.buffer);
  if (!written) {
    problem = "The configuration could not be saved: " + written.error;
    link_.host.showText(problem);
    return Outcome::FileProblem;
  }
  return Outcome::Done;
}

ProfileFiles::Outcome ProfileFiles::Btn_Load_0Click() {
  const auto batch = link_.holdBatch();
  link_.observer().hideMenus();
  if (!deviceOpen()) return Outcome::NoDevice;
  const std::optional<std::string> chosen = chooseLoadFile ? chooseLoadFile() : std::nullopt;
  if (!chosen) return Outcome::Cancelled;
  return load(*chosen);
}

// Without a mouse no file is touched; loadBytes holds the batch for the write.
ProfileFiles::Outcome ProfileFiles::loadFrom(const std::string& path) {
  if (!deviceOpen()) return Outcome::NoDevice;
  return load(path);
}

ProfileFiles::Outcome ProfileFiles::load(const std::string& path) {
  problem.clear();
  const FileContents file = readProfileFile(path);
  if (!file.ok) {
    problem = "The configuration could not be loaded: " + file.error;
    link_.host.showText(problem);
    return Outcome::FileProblem;
  }
  return loadBytes(file.bytes);
}

FileContents ProfileFiles::readProfileFile(const std::string& path) {
  return readWholeFile(path, kMaxFileBytes, ReadFrom::RegularFileOnly);
}

bool ProfileFiles::kv204Accepts(std::span<const uint8_t> bytes) {
  return bytes.size() > kKv204MarkOffset && bytes[kKv204MarkOffset] == kKv204Mark;
}

// A short file overwrites only as much of the image as it holds; the rest keeps what
// was last read from the mouse.
ProfileFiles::Outcome ProfileFiles::loadBytes(std::span<const uint8_t> bytes) {
  const auto batch = link_.holdBatch();
  problem.clear();
  if (!deviceOpen()) return Outcome::NoDevice;
  if (link_.connection.interfaceType == kInterfaceKv204 && !kv204Accepts(bytes)) {
    problem = kKv204MarkMissing;
    link_.host.showText(problem);
    return Outcome::Refused;
  }
  const size_t length = std::min(bytes.size(), link_.image.buffer.size());
  std::copy_n(bytes.begin(), length, link_.image.buffer.begin());
  if (!link_.transfer.MemoToDataBuf_OnClick()) {
    problem = "The mouse did not take the whole configuration.";
    return Outcome::DeviceFailed;
  }
  return Outcome::Done;
}

}  // namespace mousecfg
