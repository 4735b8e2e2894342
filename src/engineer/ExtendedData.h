#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "device/TransferResult.h"

namespace mousecfg {

class DeviceLink;

namespace xdata {

inline constexpr const char* kDefaultAddress = "7241";
inline constexpr const char* kDefaultValue = "00";
inline constexpr size_t kAddressDigits = 4;
inline constexpr size_t kValueDigits = 2;

// "Changed XData": three chip bytes the factory sets in one go.
struct Preset {
  uint16_t address;
  uint8_t value;
};
inline constexpr std::array<Preset, 3> kChangedXData = {
    {{0x7241, 0x01}, {0x7242, 0x06}, {0x7243, 0x01}}};

}  // namespace xdata

// The Advanced tab's raw access to single bytes of the chip's extended data memory
// (XData), and the patch code identifier the engineer page shows beside it.
class ExtendedData {
 public:
  explicit ExtendedData(DeviceLink& link) : link_(link) {}

  // Hex texts: four digits of address, two of value. An empty field reads as 0.
  std::string edt_XDataAddr = xdata::kDefaultAddress;
  std::string edt_XDataValue = xdata::kDefaultValue;

  // Reads the byte at the address into edt_XDataValue (two upper-case hex digits). The
  // byte read, or nullopt when the address is no address or the mouse did not answer;
  // the field then stays as it was.
  [[nodiscard]] std::optional<uint8_t> btn_XDataReadClick();
  // Writes the value at the address; nothing is read back. A field that holds no
  // address or value sends nothing.
  [[nodiscard]] TransferResult btn_XDataWriteClick();
  [[nodiscard]] TransferResult btn_ChangeXDataClick();

  // "Patch Code:" (after its "0x"): the image's patch check value as four hex digits,
  // renewed by every read of the image.
  const std::string& patchCodeText() const;

 private:
  DeviceLink& link_;
};

}  // namespace mousecfg
