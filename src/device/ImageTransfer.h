#pragma once

#include <cstdint>
#include <span>

#include "device/TransferResult.h"

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

  // Reads the whole stored block and shows it; the result tells whether every frame of
  // the read was answered. A read that lost frames changes nothing.
  TransferResult Btn_Read();
  // Rebuilds the code strings from the working copies and refreshes every page.
  void DataBufToUI();
  // Writes the whole image buffer to the mouse and restarts it; the write's result.
  TransferResult MemoToDataBuf_OnClick();
  // The Update page's Program: the patch record copy in one block write, then the
  // restart; the read after the re-find ends the progress and overlays.
  TransferResult programPatchRecord();
  // Fills the image buffer from default store 1 and shows it.
  void InitNoDevice();

  // The key tables (and fire keys) as one block write, then the reload sequence. Without
  // a supported interface only the reload sequence is sent, and the result fails.
  TransferResult WriteKeyTables();
  TransferResult WriteKeyTablesAndFireKeys();
  // The gun page's Confirm: key tables, fire keys and the committed gun table, then the
  // reload sequence.
  TransferResult WriteGunPresets();
  TransferResult writeUserSection();
  TransferResult writeVendorSection();
  // These three need a supported interface; without one nothing is sent and they fail.
  TransferResult writeGunTable();
  TransferResult writeMacroBlock();
  // After a device macro was added or deleted: the profile checksums anew, then the
  // image from the key tables on (kMacroProfilesLength bytes) in one block write.
  TransferResult writeMacroProfiles();
  TransferResult writePatchRecord();
  // One register write of 1..3 bytes or of four bytes at a field's image offset.
  TransferResult writeField(uint8_t address, std::span<const uint8_t> bytes);

 private:
  enum class SplitOrder { GunTableFirst, MacroBlockFirst };
  void splitImage(SplitOrder order);
  void splitMacroBlock();
  enum class ProfileWrite { KeyTables, WithFireKeys, WithGunTable };
  TransferResult writeProfiles(ProfileWrite what);
  TransferResult writeFireKeyBlock();
  TransferResult reloadUserSection();
  TransferResult readInBatch();

  DeviceLink& link_;
};

}  // namespace mousecfg
