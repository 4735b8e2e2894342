#include "cli/EngineerVendor.h"

#include <algorithm>
#include <cctype>

#include "base/CloseNames.h"
#include "base/HexText.h"
#include "base/LanguageKeys.h"
#include "core/ApplicationCore.h"
#include "engineer/HexField.h"
#include "engineer/SensorRegisters.h"

namespace mousecfg {

using namespace image;

namespace {

constexpr const char* kVid = "edt_VID";
constexpr const char* kPid = "edt_PID";
constexpr const char* kUsbDesc = "edt_USBDesc";
constexpr const char* kLedInit0 = "edt_LEDInit0";
constexpr const char* kLedInit1 = "edt_LEDInit1";
constexpr size_t kUsbIdDigits = 4;
constexpr size_t kRegisterDigits = 2;

std::string lowered(std::string_view text) {
  std::string low(text);
  std::ranges::transform(low, low.begin(), [](unsigned char c) { return std::tolower(c); });
  return low;
}

// "cb_SensorSleep" as "sensor-sleep", "cb_CPIPrescaleSel" as "cpi-prescale-sel".
std::string readableControl(std::string_view control) {
  const std::string_view name = control.substr(control.find('_') + 1);
  std::string readable;
  for (size_t i = 0; i < name.size(); ++i) {
    const bool upper = std::isupper(static_cast<unsigned char>(name[i])) != 0;
    const bool afterLower = i > 0 && std::islower(static_cast<unsigned char>(name[i - 1])) != 0;
    const bool endsCapitals = i > 0 && i + 1 < name.size() &&
                              std::isupper(static_cast<unsigned char>(name[i - 1])) != 0 &&
                              std::islower(static_cast<unsigned char>(name[i + 1])) != 0;
    if (upper && (afterLower || endsCapitals)) readable += '-';
    readable += static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
  }
  return readable;
}

// "Avg_Diff_Thr_AE:" as "avg-diff-thr-ae".
std::string readableCaption(std::string_view caption) {
  std::string readable = lowered(caption.substr(0, caption.find(':')));
  std::ranges::replace(readable, '_', '-');
  return readable;
}

std::string byteText(uint8_t value) {
  return hexDigits(value, static_cast<int>(kRegisterDigits));
}

std::string rgbText(const VendorSection& vendor, size_t offset) {
  return hexBytes(std::span(vendor).subspan(offset, kColourLength), "");
}

void addOptionRows(const ApplicationCore& core, std::vector<VendorRow>& rows) {
  for (const OptionByteCaption& byte : kOptionByteCaptions) {
    rows.push_back({"", std::string(byte.caption), byte.offset,
                    byteText(core.link.image.vendor[byte.offset])});
    for (const OptionField& field : optionFields()) {
      if (field.offset != byte.offset) continue;
      const int item = core.engineerVendor.optionItem(field.option);
      const std::string shown = item == kNoOptionItem
                                    ? "(no item)"
                                    : std::string(field.items[static_cast<size_t>(item)].text);
      rows.push_back({std::string(field.control), std::string(field.caption), field.offset, shown});
    }
  }
}

void addRegisterRows(const ApplicationCore& core, std::vector<VendorRow>& rows) {
  for (const HexRegister& reg : kSensorRegisters)
    rows.push_back({readableCaption(reg.caption), std::string(reg.caption), reg.offset,
                    core.engineerVendor.sensorRegisterText(reg.offset)});
  rows.push_back({kLedInit0, std::string(kLedInitRegisters[0].caption), kLedInitOffset,
                  core.engineerVendor.edt_LEDInit0});
  rows.push_back({kLedInit1, std::string(kLedInitRegisters[1].caption), kLedInitOffset + 1,
                  core.engineerVendor.edt_LEDInit1});
}

void addCpiRows(const ApplicationCore& core, std::vector<VendorRow>& rows) {
  const VendorSection& vendor = core.link.image.vendor;
  const int steps = (vendor[kDpiLevelCountOffset] & 0x07) + 1;
  rows.push_back({"cb_CPISteps", "CPI steps", kDpiLevelCountOffset, std::to_string(steps)});
  for (int step = 1; step <= static_cast<int>(kDpiStepTableLength) * 2; ++step) {
    const size_t offset = kDpiStepTableOffset + static_cast<size_t>(step - 1) / 2;
    const int index = step % 2 == 1 ? vendor[offset] & 0x0F : vendor[offset] >> 4;
    const std::string dpi = core.text(langkey::keyAfter(langkey::caption::kDpiStep0, index));
    rows.push_back({"cb_CPI" + std::to_string(step), "CPI step " + std::to_string(step), offset,
                    dpi.empty() ? "index " + std::to_string(index) : dpi});
  }
}

void addColourRows(const ApplicationCore& core, std::vector<VendorRow>& rows) {
  const VendorSection& vendor = core.link.image.vendor;
  for (int slot = 1; slot <= static_cast<int>(kColourSlotCount); ++slot)
    rows.push_back({"edt_Col" + std::to_string(slot), "colour " + std::to_string(slot),
                    colourSlotOffset(slot), rgbText(vendor, colourSlotOffset(slot))});
  for (size_t step = 0; step < kDpiColourCount; ++step) {
    const size_t offset = kDpiColourOffset + step * kColourLength;
    rows.push_back({"edt_CPI" + std::to_string(step + 1),
                    "CPI step colour " + std::to_string(step + 1), offset,
                    rgbText(vendor, offset)});
  }
}

void addComboRows(const ApplicationCore& core, std::vector<VendorRow>& rows) {
  for (size_t key = 0; key < kComboKeyCount; ++key) {
    const std::string& code = core.link.codes.combos[key];
    std::string number = std::to_string(key + 1);
    rows.push_back({"btn_ComboKey00" + number, "Combo Key" + number,
                    kComboKeysOffset + key * kEntryLength,
                    code + " " + core.assignment.nameOfCode(code)});
  }
}

}  // namespace

std::vector<VendorRow> vendorRows(const ApplicationCore& core) {
  const EngineerVendorState& page = core.engineerVendor;
  std::vector<VendorRow> rows;
  rows.push_back({kVid, "USB vendor id", kUsbVendorIdOffset, page.edt_VID});
  rows.push_back({kPid, "USB product id", kUsbProductIdOffset, page.edt_PID});
  addOptionRows(core, rows);
  addRegisterRows(core, rows);
  rows.push_back({"breathing-mode", "breathing mode byte", kBreathingModeOffset,
                  byteText(core.link.image.vendor[kBreathingModeOffset])});
  addCpiRows(core, rows);
  addColourRows(core, rows);
  rows.push_back({kUsbDesc, "USB product string", kProductStringOffset, page.edt_USBDesc});
  addComboRows(core, rows);
  rows.push_back({"edt_VendorID", "Manufacturer Code:", kFireKeyOffset + kFireKeyManufacturer,
                  page.edt_VendorID});
  rows.push_back(
      {"edt_ProductID", "Product Code:", kFireKeyOffset + kFireKeyProduct, page.edt_ProductID});
  return rows;
}

namespace {

bool isHexOfAtMost(const std::string& text, size_t digits, bool exact) {
  if (text.empty() || text.size() > digits || (exact && text.size() != digits)) return false;
  return isHexFieldText(text);
}

std::optional<VendorSetting> optionSetting(const OptionField& field, const std::string& value,
                                           std::string& error) {
  std::vector<std::string> items;
  for (size_t i = 0; i < field.items.size(); ++i) {
    items.emplace_back(field.items[i].text);
    if (sameInAnyCase(field.items[i].text, value))
      return VendorSetting{
          VendorSetting::Kind::Option, field.option, field.offset, static_cast<int>(i), {}};
  }
  // The lists' own texts carry stray spaces ("Fade "); a value without them is meant.
  for (size_t i = 0; i < items.size(); ++i) {
    std::string trimmed = items[i];
    trimmed.erase(trimmed.find_last_not_of(' ') + 1);
    if (sameInAnyCase(trimmed, value))
      return VendorSetting{
          VendorSetting::Kind::Option, field.option, field.offset, static_cast<int>(i), {}};
  }
  error = "\"" + value + "\" is no item of " + std::string(field.control) + "; its items are";
  for (const std::string& item : items) error += " \"" + item + "\"";
  const std::vector<std::string> close = closeNames(value, items);
  if (!close.empty()) error += "\ndid you mean \"" + close.front() + "\"?";
  return std::nullopt;
}

std::optional<VendorSetting> hexSetting(VendorSetting::Kind kind, size_t offset,
                                        const std::string& field, const std::string& value,
                                        std::string& error) {
  const bool usbId = kind == VendorSetting::Kind::UsbId;
  const size_t digits = usbId ? kUsbIdDigits : kRegisterDigits;
  if (!isHexOfAtMost(value, digits, usbId)) {
    error = field + " takes " + (usbId ? "exactly " : "1 or ") + std::to_string(digits) +
            " hex digits, not \"" + value + '"';
    return std::nullopt;
  }
  // The edit shows what it was given; upper case, as a read of the image shows it.
  std::string typed = value;
  std::ranges::transform(typed, typed.begin(), [](unsigned char c) { return std::toupper(c); });
  return VendorSetting{kind, OptionRegister::ICType, offset, 0, typed};
}

std::vector<std::string> fieldNames() {
  std::vector<std::string> names = {kVid, kPid, kUsbDesc, kLedInit0, kLedInit1};
  for (const OptionField& field : optionFields()) names.emplace_back(field.control);
  for (const HexRegister& reg : kSensorRegisters) names.emplace_back(reg.caption);
  return names;
}

}  // namespace

std::optional<VendorSetting> parseVendorSetting(const std::string& field, const std::string& value,
                                                std::string& error) {
  using Kind = VendorSetting::Kind;
  const auto is = [&field](std::string_view control) {
    return sameInAnyCase(field, control) || sameInAnyCase(field, readableControl(control));
  };
  if (is(kVid)) return hexSetting(Kind::UsbId, kUsbVendorIdOffset, field, value, error);
  if (is(kPid)) return hexSetting(Kind::UsbId, kUsbProductIdOffset, field, value, error);
  if (is(kLedInit0)) return hexSetting(Kind::LedInit, kLedInitOffset, field, value, error);
  if (is(kLedInit1)) return hexSetting(Kind::LedInit, kLedInitOffset + 1, field, value, error);
  if (is(kUsbDesc) || sameInAnyCase(field, "product-string")) {
    const bool ascii = std::ranges::all_of(value, [](char c) { return c >= ' ' && c <= '~'; });
    if (value.size() > kProductStringLength || !ascii) {
      error = "the product string takes at most 16 plain characters, not \"" + value + '"';
      return std::nullopt;
    }
    return VendorSetting{Kind::ProductString, OptionRegister::ICType, kProductStringOffset, 0,
                         value};
  }
  for (const OptionField& field_ : optionFields()) {
    if (!is(field_.control)) continue;
    if (field_.option == OptionRegister::RepRate) {
      error = "the report rate restarts the mouse; set it with \"mousectl rate\"";
      return std::nullopt;
    }
    return optionSetting(field_, value, error);
  }
  for (const HexRegister& reg : kSensorRegisters)
    if (sameInAnyCase(field, reg.caption) || sameInAnyCase(field + ":", reg.caption) ||
        sameInAnyCase(field, readableCaption(reg.caption)))
      return hexSetting(Kind::SensorRegister, reg.offset, field, value, error);
  error = "no vendor field \"" + field + "\"";
  const std::vector<std::string> close = closeNames(field, fieldNames());
  if (!close.empty()) error += "\ndid you mean \"" + close.front() + "\"?";
  return std::nullopt;
}

void applyVendorSetting(ApplicationCore& core, const VendorSetting& setting) {
  EngineerVendorState& page = core.engineerVendor;
  switch (setting.kind) {
    case VendorSetting::Kind::Option:
      page.optionChange(setting.option, setting.item);
      return;
    case VendorSetting::Kind::SensorRegister:
      page.sensorRegisterChange(setting.offset, setting.text);
      return;
    case VendorSetting::Kind::LedInit:
      if (setting.offset == kLedInitOffset)
        page.edt_LEDInit0Change(setting.text);
      else
        page.edt_LEDInit1Change(setting.text);
      return;
    case VendorSetting::Kind::UsbId:
      if (setting.offset == kUsbVendorIdOffset)
        page.edt_VIDChange(setting.text);
      else
        page.edt_PIDChange(setting.text);
      return;
    case VendorSetting::Kind::ProductString:
      page.edt_USBDescChange(setting.text);
      return;
  }
}

std::string vendorFieldHelp() {
  std::string help = "FIELD is a control name or its readable name:\n  " + std::string(kVid) +
                     " vid, " + kPid + " pid (4 hex digits), " + kUsbDesc +
                     " usb-desc (up to 16 characters),\n  " + kLedInit0 + " led-init0, " +
                     kLedInit1 + " led-init1 (2 hex digits)\n";
  for (const OptionField& field : optionFields()) {
    if (field.option == OptionRegister::RepRate) continue;
    help += "  " + std::string(field.control) + " " + readableControl(field.control) + ":";
    for (const OptionItem& item : field.items) help += " \"" + std::string(item.text) + "\"";
    help += '\n';
  }
  help += "  the sensor registers by caption (2 hex digits):";
  for (const HexRegister& reg : kSensorRegisters) help += " " + readableCaption(reg.caption);
  return help + '\n';
}

}  // namespace mousecfg
