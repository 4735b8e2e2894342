#include "engineer/EngineerVendorState.h"

#include <algorithm>

#include "base/HexText.h"
#include "device/DeviceLink.h"
#include "engineer/DeviceCodesWrite.h"
#include "engineer/HexField.h"
#include "engineer/ProductString.h"
#include "engineer/SensorRegisters.h"
#include "settings/DecimalField.h"
#include "settings/ReportRateControl.h"
#include "settings/SectionFieldWrite.h"

namespace mousecfg {

using namespace image;

namespace {

constexpr size_t kUsbIdDigits = 4;
constexpr uint32_t kMaxRegisterValue = 0xFF;
constexpr int64_t kMaxDeviceCode = 255;
// The product string goes out three bytes a frame; the sixteenth byte on its own.
constexpr size_t kProductStringChunk = 3;
// Bit 0 of user byte 3 is the button effect switch; the other bits are kept (bit 2 is
// the gun flag that game mode sets).
constexpr uint8_t kButtonEffectBit = 0x01;

std::array<uint8_t, 1> oneByte(uint32_t value) {
  return {static_cast<uint8_t>(value)};
}

std::string usbIdText(const VendorSection& vendor, size_t offset) {
  return hexDigits(static_cast<uint32_t>(vendor[offset] << 8 | vendor[offset + 1]),
                   static_cast<int>(kUsbIdDigits));
}

}  // namespace

int EngineerVendorState::optionItem(OptionRegister option) const {
  if (option == OptionRegister::RepRate) return rate_.choice;
  return optionItems_[static_cast<size_t>(option)];
}

bool EngineerVendorState::isSensorRegister(size_t offset) {
  return offset >= kSensorRegistersOffset &&
         offset < kSensorRegistersOffset + kSensorRegistersLength;
}

const std::string& EngineerVendorState::sensorRegisterText(size_t offset) const {
  static const std::string kNoRegister;
  if (!isSensorRegister(offset)) return kNoRegister;
  return sensorRegisterTexts_[offset - kSensorRegistersOffset];
}

void EngineerVendorState::edt_VIDChange(std::string_view text) {
  usbIdEdited(kUsbVendorIdOffset, edt_VID, text);
}

void EngineerVendorState::edt_PIDChange(std::string_view text) {
  usbIdEdited(kUsbProductIdOffset, edt_PID, text);
}

// The id is sent only once all four digits are there; a shorter text is typing.
void EngineerVendorState::usbIdEdited(size_t offset, std::string& edit, std::string_view text) {
  if (link_.refreshingFlag() || text.size() > kUsbIdDigits || !isHexFieldText(text)) return;
  edit = text;
  if (text.size() != kUsbIdDigits) return;
  const uint32_t id = readHexDigits(text).value_or(0);
  const std::array<uint8_t, 2> bigEndian{static_cast<uint8_t>(id >> 8), static_cast<uint8_t>(id)};
  lastWrite = writeVendorField(link_, offset, bigEndian);
}

// The byte and then the vendor checksum, so the stored section keeps passing its check.
void EngineerVendorState::optionChange(OptionRegister option, int item) {
  const OptionField& field = optionField(option);
  if (link_.refreshingFlag() || item < 0 || static_cast<size_t>(item) >= field.items.size()) return;
  if (option == OptionRegister::RepRate) {
    rate_.change(item);
    lastWrite = rate_.lastWrite;
    return;
  }
  optionItems_[static_cast<size_t>(option)] = item;
  if (option == OptionRegister::Package) link_.connection.packageChoice = item;
  const uint8_t registerByte = withOptionItem(field, link_.image.vendor[field.offset], item);
  lastWrite = writeVendorField(link_, field.offset, oneByte(registerByte));
}

void EngineerVendorState::sensorRegisterChange(size_t offset, std::string_view text) {
  if (!isSensorRegister(offset)) return;
  registerEdited(offset, sensorRegisterTexts_[offset - kSensorRegistersOffset], text);
}

void EngineerVendorState::edt_LEDInit0Change(std::string_view text) {
  registerEdited(kLedInitOffset, edt_LEDInit0, text);
}

void EngineerVendorState::edt_LEDInit1Change(std::string_view text) {
  registerEdited(kLedInitOffset + 1, edt_LEDInit1, text);
}

// The working copy takes the value too: the checksum sent with it must cover it, and
// a later write of the whole vendor section must not put the old value back.
void EngineerVendorState::registerEdited(size_t offset, std::string& edit, std::string_view text) {
  if (link_.refreshingFlag()) return;
  const std::optional<ClampedHexField> typed = clampHexField(text, kMaxRegisterValue);
  if (!typed) return;
  edit = typed->text;
  lastWrite = writeVendorField(link_, offset, oneByte(typed->value));
}

void EngineerVendorState::edt_USBDescChange(std::string_view text) {
  if (link_.refreshingFlag()) return;
  const std::optional<ProductString> typed = productStringOf(text);
  if (!typed) return;
  edt_USBDesc = typed->text;
  storeVendorBytes(link_, kProductStringOffset, typed->bytes);
  TransferResult sent;
  for (size_t at = 0; at < kProductStringLength; at += kProductStringChunk) {
    const size_t length = std::min(kProductStringChunk, kProductStringLength - at);
    sent += sendVendorBytes(link_, kProductStringOffset + at, length);
  }
  lastWrite = sent + sendVendorChecksum(link_);
}

void EngineerVendorState::edt_VendorIDChange(std::string_view text) {
  deviceCodeEdited(kFireKeyManufacturer, edt_VendorID, text);
}

void EngineerVendorState::edt_ProductIDChange(std::string_view text) {
  deviceCodeEdited(kFireKeyProduct, edt_ProductID, text);
}

void EngineerVendorState::deviceCodeEdited(size_t index, std::string& edit, std::string_view text) {
  if (link_.refreshingFlag()) return;
  const std::optional<ClampedField> typed = clampDecimalField(text, kMaxDeviceCode);
  if (!typed) return;
  edit = typed->text;
  link_.image.fireKey[index] = static_cast<uint8_t>(typed->value);
  lastWrite = writeDeviceCodes(link_);
}

void EngineerVendorState::cb_BtnEFTChange(int item) {
  if (link_.refreshingFlag() || (item != kEffectOff && item != kEffectOn)) return;
  cb_BtnEFT = item;
  const uint8_t kept = link_.image.user[kUserButtonEffect] & ~kButtonEffectBit;
  const auto effect = static_cast<uint8_t>(kept | (item == kEffectOn ? kButtonEffectBit : 0));
  lastWrite = writeUserField(link_, kUserButtonEffect, oneByte(effect));
}

void EngineerVendorState::refreshFromImage() {
  const VendorSection& vendor = link_.image.vendor;
  edt_VID = usbIdText(vendor, kUsbVendorIdOffset);
  edt_PID = usbIdText(vendor, kUsbProductIdOffset);
  edt_USBDesc =
      productStringText(std::span(vendor).subspan(kProductStringOffset, kProductStringLength));
  showOptions();
  showRegisters();
  edt_VendorID = decimalFieldText(link_.image.fireKey[kFireKeyManufacturer]);
  edt_ProductID = decimalFieldText(link_.image.fireKey[kFireKeyProduct]);
  cb_BtnEFT = (link_.image.user[kUserButtonEffect] & kButtonEffectBit) ? kEffectOn : kEffectOff;
}

void EngineerVendorState::showOptions() {
  for (const OptionField& field : optionFields())
    optionItems_[static_cast<size_t>(field.option)] =
        optionItemOf(field, link_.image.vendor[field.offset]);
  link_.connection.packageChoice = optionItems_[static_cast<size_t>(OptionRegister::Package)];
}

void EngineerVendorState::showRegisters() {
  const VendorSection& vendor = link_.image.vendor;
  for (const HexRegister& sensor : kSensorRegisters)
    sensorRegisterTexts_[sensor.offset - kSensorRegistersOffset] =
        hexDigits(vendor[sensor.offset], 2);
  edt_LEDInit0 = hexDigits(vendor[kLedInitOffset], 2);
  edt_LEDInit1 = hexDigits(vendor[kLedInitOffset + 1], 2);
}

}  // namespace mousecfg
