#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engineer/OptionRegisters.h"

namespace mousecfg {

class ApplicationCore;

// One vendor-section field as mousectl engineer vendor shows it: the page's control
// name, the label beside it, where it lives and what the control shows.
struct VendorRow {
  std::string control;
  std::string caption;
  size_t offset;
  std::string value;
};

// Every field of the vendor section, decoded, in the order of the section.
std::vector<VendorRow> vendorRows(const ApplicationCore& core);

// What "vendor set FIELD VALUE" asks for, checked before anything is sent.
struct VendorSetting {
  enum class Kind { Option, SensorRegister, LedInit, UsbId, ProductString };
  Kind kind = Kind::Option;
  OptionRegister option = OptionRegister::ICType;
  size_t offset = 0;  // the register or id's vendor offset
  int item = 0;       // Option: the list item
  std::string text;   // every other kind: the text typed into the field
  // The Advanced tab's registers need the second service level.
  bool advanced() const { return kind == Kind::SensorRegister || kind == Kind::LedInit; }
};

// The setting, or nullopt after putting the reason into `error`.
std::optional<VendorSetting> parseVendorSetting(const std::string& field, const std::string& value,
                                                std::string& error);
// Runs the page's handler for the setting.
void applyVendorSetting(ApplicationCore& core, const VendorSetting& setting);

// "FIELD" names for --help: every control name with its readable equivalent.
std::string vendorFieldHelp();

}  // namespace mousecfg
