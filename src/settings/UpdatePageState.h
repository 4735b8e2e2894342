#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "device/ConfigImage.h"
#include "device/TransferResult.h"

namespace mousecfg {

class DeviceLink;

// The Update page: a file's first 16 bytes become the mouse's patch record on
// "Program", and the mouse restarts. Nothing else of the file is sent.
class UpdatePageState {
 public:
  static constexpr const char* kFilter = "LoadFile(*.bin)";

  explicit UpdatePageState(DeviceLink& link) : link_(link) {}

  // lbl_LoadBIN: the chosen file's full name, empty when the page opens.
  std::string lbl_LoadBIN;
  bool fileLoaded() const { return chosen_.has_value(); }

  // The open dialog, set by the window: a path, or nullopt when cancelled.
  std::function<std::optional<std::string>()> chooseFile;

  // The page was opened: no file is chosen any more.
  void pageOpened();
  void Btn_LoadBINClick();
  // The file at path, chosen by other means (mousectl); false when it cannot be read,
  // which the user is told.
  bool chooseFileAt(const std::string& path);
  // The record Program would write over `current`: the chosen file's leading bytes.
  PatchRecord programmedRecord(const PatchRecord& current) const;
  // Does nothing without a mouse or without a file chosen since the page opened.
  TransferResult Btn_ProgramClick();

 private:
  DeviceLink& link_;
  // The file's leading bytes (at most 16) wait here until Program: in the patch record
  // copy they would go to the mouse with the next flowing-LED change.
  std::optional<std::vector<uint8_t>> chosen_;
};

}  // namespace mousecfg
