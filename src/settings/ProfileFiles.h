#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "base/WholeFile.h"

#include "device/TransferResult.h"

namespace mousecfg {

class DeviceLink;

// "Save Profile" and "Load Profile": the mouse's whole stored block in a file of its
// 2048 bytes, and such a file written back into the mouse, which then restarts.
class ProfileFiles {
 public:
  // A KV204 mouse takes only files that carry this byte at this offset.
  static constexpr size_t kKv204MarkOffset = 351;
  static constexpr uint8_t kKv204Mark = 0x58;
  static constexpr const char* kKv204MarkMissing = "Loading .bin is error!";
  static constexpr const char* kSaveFilter = "SaveFile(*.bin)";
  static constexpr const char* kLoadFilter = "LoadFile(*.bin)";

  enum class Outcome {
    NoDevice,      // "Str022" shown, no file touched
    Cancelled,     // the dialog was closed without a choice
    FileProblem,   // the file could not be written or read; the reason was shown
    Refused,       // a KV204 mouse and a file without its mark; nothing was written
    DeviceFailed,  // the mouse lost a frame of the read or the write
    Done,
  };

  explicit ProfileFiles(DeviceLink& link) : link_(link) {}

  // The dialogs, set by the window: a path chosen, or nullopt when cancelled.
  std::function<std::optional<std::string>()> chooseSaveFile;
  std::function<std::optional<std::string>()> chooseLoadFile;

  // The file the save dialog's choice names: ".bin" is appended to the chosen name,
  // also when it already ends in ".bin", so a chosen file is never overwritten.
  static std::string savedFileName(const std::string& chosen);

  Outcome Btn_Save_0Click();
  Outcome Btn_Load_0Click();
  // The same without the dialogs, to exactly this path (mousectl).
  Outcome saveTo(const std::string& path);
  Outcome loadFrom(const std::string& path);
  // A file's bytes already read (mousectl shows them before it writes them).
  Outcome loadBytes(std::span<const uint8_t> bytes);
  // Reads a file as loading does: a regular file of at most a megabyte.
  static FileContents readProfileFile(const std::string& path);
  // Whether a KV204 mouse takes these bytes: they carry its mark.
  static bool kv204Accepts(std::span<const uint8_t> bytes);

  // Why the last FileProblem or DeviceFailed came about, for mousectl.
  std::string problem;

 private:
  bool deviceOpen();
  Outcome load(const std::string& path);

  DeviceLink& link_;
};

}  // namespace mousecfg
