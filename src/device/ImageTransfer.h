#pragma once

#include <cstdint>
#include <span>

namespace mousecfg {

class DeviceLink;

// Moves the configuration image between the mouse and the program: the full read
// after every accepted connection, the full write with its restart, and the section
// writes by which edited settings reach the mouse.
class ImageTransfer {
 public:
  // The reload sequence first writes this value to the user section's first byte.
  static constexpr uint8_t kReloadTrigger = 0x0F;
  static constexpr uint8_t kDirectSpace = 0;

  explicit ImageTransfer(DeviceLink& link) : link_(link) {}

  // Reads the whole stored block and shows it.
  void Btn_Read();
  // Rebuilds the code strings from the working copies and refreshes every page.
  void DataBufToUI();
  // Writes the whole image buffer to the mouse and restarts it.
  void MemoToDataBuf_OnClick();
  // Fills the image buffer from default store 1 and shows it.
  void InitNoDevice();

  bool WriteKeyTables();
  bool WriteKeyTablesAndFireKeys();
  bool writeUserSection();
  bool writeVendorSection();
  bool writeGunTable();
  bool writeMacroBlock();
  bool writePatchRecord();
  // One register write of 1..3 bytes or of four bytes at a field's image offset.
  bool writeField(uint8_t address, std::span<const uint8_t> bytes);

 private:
  enum class SplitOrder { GunTableFirst, MacroBlockFirst };
  void splitImage(SplitOrder order);
  void splitMacroBlock();
  bool writeProfiles(bool withFireKeys);
  void reloadUserSection();
  void readInBatch();

  DeviceLink& link_;
};

}  // namespace mousecfg
