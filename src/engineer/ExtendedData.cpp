#include "engineer/ExtendedData.h"

#include <string_view>

#include "base/HexText.h"
#include "device/DeviceLink.h"

namespace mousecfg {

using namespace xdata;

namespace {

// The field's hex text as a number of at most `digits` digits.
std::optional<uint32_t> fieldValue(std::string_view text, size_t digits) {
  if (text.size() > digits) return std::nullopt;
  return readHexDigits(text);
}

}  // namespace

std::optional<uint8_t> ExtendedData::btn_XDataReadClick() {
  const std::optional<uint32_t> address = fieldValue(edt_XDataAddr, kAddressDigits);
  if (!address) return std::nullopt;
  const std::optional<uint8_t> value = link_.channel.ExtendedRead(static_cast<uint16_t>(*address));
  if (value) edt_XDataValue = hexDigits(*value, static_cast<int>(kValueDigits));
  return value;
}

TransferResult ExtendedData::btn_XDataWriteClick() {
  const std::optional<uint32_t> address = fieldValue(edt_XDataAddr, kAddressDigits);
  const std::optional<uint32_t> value = fieldValue(edt_XDataValue, kValueDigits);
  if (!address || !value) return TransferResult::notStarted();
  return link_.channel.ExtendedWrite(static_cast<uint16_t>(*address), static_cast<uint8_t>(*value));
}

TransferResult ExtendedData::btn_ChangeXDataClick() {
  TransferResult sent;
  for (const Preset& preset : kChangedXData)
    sent += link_.channel.ExtendedWrite(preset.address, preset.value);
  return sent;
}

const std::string& ExtendedData::patchCodeText() const {
  return link_.patchCodeText;
}

}  // namespace mousecfg
