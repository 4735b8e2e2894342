#include <CLI/CLI.hpp>
#include <cctype>
#include <iomanip>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

#include "cli/ArgumentValues.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/EngineerAccess.h"
#include "cli/EngineerFireMacros.h"
#include "cli/EngineerVendor.h"
#include "cli/JsonOutput.h"
#include "cli/StoredReadBack.h"
#include "engineer/HexField.h"

namespace mousecfg {

namespace {

constexpr std::string_view kEngineerDetails =
    "The factory's engineer page. Every subcommand needs a service code, given with\n"
    "--service-code CODE or in MOUSECFG_SERVICE_CODE; the Advanced tab's registers, the\n"
    "XData access and the fire macro codes need the second-level code.\n"
    "vendor: every field of the vendor section, decoded. vendor set FIELD VALUE: as the\n"
    "page's control does, at once; the USB ids and product string take effect when the\n"
    "mouse is next plugged in. xdata read|write: one byte of the chip's XData.\n"
    "fire-macros: the codes of Fire Macro.bin in the data folder.";

struct EngineerWords {
  std::string serviceCode;
  std::string field;
  std::string value;
  std::string address;
  FireMacroWords fireMacro;
};

enum class EngineerAction {
  Vendor,
  VendorSet,
  XDataRead,
  XDataWrite,
  FireMacros,
  AddMacro,
  DeleteMacro
};

bool needsSecondLevel(EngineerAction action) {
  return action != EngineerAction::Vendor && action != EngineerAction::VendorSet;
}

void printVendor(const ApplicationCore& core, bool json, std::ostream& out) {
  const std::vector<VendorRow> rows = vendorRows(core);
  if (json) {
    Json fields = Json::array();
    for (const VendorRow& row : rows)
      fields.push_back({{"control", row.control},
                        {"caption", row.caption},
                        {"offset", row.offset},
                        {"value", row.value}});
    printJson(out, {{"vendor", fields}});
    return;
  }
  for (const VendorRow& row : rows)
    out << std::left << std::setw(4) << row.offset << ' ' << std::setw(24) << row.control << ' '
        << std::setw(26) << row.caption << ' ' << row.value << '\n';
}

int showVendor(bool json, const CliContext& context) {
  CliSession session(context);
  if (const int status = session.connectAndRead(); status != kExitOk) return status;
  printVendor(session.core(), json, context.out);
  return kExitOk;
}

int setVendor(const EngineerWords& words, ServiceLevel level, bool json,
              const CliContext& context) {
  std::string error;
  const std::optional<VendorSetting> setting = parseVendorSetting(words.field, words.value, error);
  if (!setting) return reportUsageMistake(context.err, "engineer vendor set", error);
  if (setting->advanced() && level != ServiceLevel::Second) {
    context.err << "mousectl engineer: " << words.field
                << " is on the Advanced tab; it needs the second-level service code\n";
    return kExitUsage;
  }
  CliSession session(context);
  if (const int status = session.connectAndRead(); status != kExitOk) return status;
  ApplicationCore& core = session.core();
  core.engineerVendor.lastWrite = {};
  applyVendorSetting(core, *setting);
  if (!core.engineerVendor.lastWrite) {
    context.err << "mousectl engineer: the mouse did not take the new " << words.field << '\n';
    return kExitNoDevice;
  }
  if (const int status = session.verifyWritten(); status != kExitOk) return status;
  if (!storedBytesMatch(core.link, setting->offset,
                        std::span(core.link.image.vendor).subspan(setting->offset, 1))) {
    context.err << "mousectl engineer: the mouse did not store the new " << words.field << '\n';
    return kExitNoDevice;
  }
  printVendor(core, json, context.out);
  return kExitOk;
}

bool checkHex(const std::string& text, size_t digits, const char* what, std::ostream& err) {
  if (!text.empty() && text.size() <= digits && isHexFieldText(text)) return true;
  reportUsageMistake(err, "engineer xdata",
                     std::string(what) + " takes 1 to " + std::to_string(digits) +
                         " hex digits, not \"" + text + '"');
  return false;
}

// "7c4" as "07C4"; the text holds hex digits only.
std::string addressText(const std::string& digits) {
  std::string text(xdata::kAddressDigits - digits.size(), '0');
  for (const char c : digits)
    text += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

int xdata(const EngineerWords& words, bool write, bool json, const CliContext& context) {
  if (!checkHex(words.address, xdata::kAddressDigits, "the address", context.err))
    return kExitUsage;
  if (write && !checkHex(words.value, xdata::kValueDigits, "the value", context.err))
    return kExitUsage;
  CliSession session(context);
  if (const int status = session.connect(false); status != kExitOk) return status;
  ExtendedData& access = session.core().extendedData;
  access.edt_XDataAddr = words.address;
  if (write) {
    access.edt_XDataValue = words.value;
    if (!access.btn_XDataWriteClick()) {
      context.err << "mousectl engineer: the mouse did not take the XData write\n";
      return kExitNoDevice;
    }
    return kExitOk;
  }
  const std::optional<uint8_t> read = access.btn_XDataReadClick();
  if (!read) {
    context.err << "mousectl engineer: the mouse did not answer the XData read\n";
    return kExitNoDevice;
  }
  if (json)
    printJson(context.out,
              {{"address", addressText(words.address)}, {"value", access.edt_XDataValue}});
  else
    context.out << access.edt_XDataValue << '\n';
  return kExitOk;
}

int run(EngineerAction action, const EngineerWords& words, bool json, const CliContext& context) {
  const ServiceLevel level = checkServiceCode(words.serviceCode, context.environment, context.err);
  if (level == ServiceLevel::Off) return kExitUsage;
  if (needsSecondLevel(action) && level != ServiceLevel::Second) {
    context.err << "mousectl engineer: this needs the second-level service code\n";
    return kExitUsage;
  }
  switch (action) {
    case EngineerAction::Vendor:
      return showVendor(json, context);
    case EngineerAction::VendorSet:
      return setVendor(words, level, json, context);
    case EngineerAction::XDataRead:
      return xdata(words, false, json, context);
    case EngineerAction::XDataWrite:
      return xdata(words, true, json, context);
    case EngineerAction::FireMacros:
      return listFireMacros(json, context);
    case EngineerAction::AddMacro:
      return addFireMacro(words.fireMacro, json, context);
    case EngineerAction::DeleteMacro:
      return deleteFireMacro(words.fireMacro, json, context);
  }
  return kExitUsage;
}

}  // namespace

CommandRun defineEngineer(CLI::App& command, const CommonOptions& common) {
  auto words = std::make_shared<EngineerWords>();
  command.add_option("--service-code", words->serviceCode, "the service code")->type_name("CODE");
  command.require_subcommand(1);
  // Deepest first: "vendor set" is parsed as "vendor" too.
  auto actions = std::make_shared<std::vector<std::pair<CLI::App*, EngineerAction>>>();
  const auto sub = [actions](CLI::App& parent, const char* name, const char* summary,
                             EngineerAction chosen) {
    CLI::App* s = parent.add_subcommand(name, summary);
    s->fallthrough();  // --json and --service-code belong to "engineer"
    actions->insert(actions->begin(), {s, chosen});
    return s;
  };
  CLI::App* vendor =
      sub(command, "vendor", "show the vendor section's fields", EngineerAction::Vendor);
  CLI::App* set =
      sub(*vendor, "set", "set one vendor field as the page does", EngineerAction::VendorSet);
  set->add_option("FIELD", words->field, "the control name or its readable name")
      ->required()
      ->type_name("");
  set->add_option("VALUE", words->value, "an item text, or hex digits")->required()->type_name("");
  set->footer(vendorFieldHelp());
  CLI::App* xdataCommand = command.add_subcommand("xdata", "read or write one XData byte");
  xdataCommand->fallthrough();
  xdataCommand->require_subcommand(1);
  sub(*xdataCommand, "read", "print the byte at ADDR as two hex digits", EngineerAction::XDataRead)
      ->add_option("ADDR", words->address, "the address, four hex digits")
      ->required()
      ->type_name("");
  CLI::App* write = sub(*xdataCommand, "write", "write VALUE at ADDR", EngineerAction::XDataWrite);
  write->add_option("ADDR", words->address, "the address, four hex digits")
      ->required()
      ->type_name("");
  write->add_option("VALUE", words->value, "the value, two hex digits")->required()->type_name("");
  CLI::App* macros =
      sub(command, "fire-macros", "list the fire macro codes", EngineerAction::FireMacros);
  defineFireMacroOptions(
      *sub(*macros, "add", "add a fire macro code", EngineerAction::AddMacro),
      *sub(*macros, "delete", "delete fire macro code N", EngineerAction::DeleteMacro),
      words->fireMacro);
  command.footer(std::string(kEngineerDetails));
  return [words, actions, &common](const CliContext& context) {
    for (const auto& [subcommand, action] : *actions)
      if (subcommand->parsed()) return run(action, *words, common.json, context);
    return static_cast<int>(kExitUsage);
  };
}

}  // namespace mousecfg
