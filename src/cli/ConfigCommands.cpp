// mousectl export and import: the configuration as a readable, commented TOML text,
// and that text put back through the pages' own handlers.
#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "cli/ArgumentValues.h"
#include "cli/ButtonRows.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/ConfigOfMouse.h"
#include "cli/ConfigPlan.h"
#include "cli/ConfigTextReader.h"
#include "cli/ConfigTextWriter.h"
#include "cli/EngineerAccess.h"
#include "cli/FileArguments.h"

namespace mousecfg {

namespace {

constexpr std::string_view kExportDetails =
    "Writes the mouse's configuration to FILE (- for standard output) as a commented TOML\n"
    "text: both profiles' buttons by function name, the DPI levels, the report rate, the\n"
    "lighting, the fire keys, the gun presets and the mouse's macros as readable text,\n"
    "and the PC's mouse settings. With the service code (--service-code or\n"
    "MOUSECFG_SERVICE_CODE) the vendor section too, by field name. docs/config-text.md\n"
    "describes the format.";

constexpr std::string_view kImportDetails =
    "Reads a configuration text written by \"mousectl export\" (or by hand: every value may\n"
    "be left out) and shows what it would change on the mouse. A mistake in the file (an\n"
    "unknown key, a wrong type, a value out of range, a function the mouse does not know)\n"
    "is shown with its line, and nothing is sent. With --yes the changes are made one by\n"
    "one through the same handlers as the window's pages, so the mouse receives what the\n"
    "window would send; a new report rate restarts the mouse last. A file that matches\n"
    "the mouse sends nothing. A [macros] table is the whole list of the mouse's macros:\n"
    "macros it lacks are deleted (their buttons become \"Key Off\"), new ones added, and\n"
    "changed ones replaced, their buttons kept on them. The [vendor] table needs the\n"
    "service code; the flow speed and brightness need --led-type MCULED, as for\n"
    "\"mousectl led\".\n\n"
    "exit status: 0 applied, matching or --dry-run, 2 a mistake in the file or not\n"
    "confirmed, 3 no mouse or it stopped answering, 5 the file could not be read,\n"
    "6 the mouse refused a change";

// How messages name the file read: "standard input" for "-".
std::string inputName(const std::string& name) {
  return name == "-" ? std::string("standard input") : name;
}

struct ConfigWords {
  std::string file;
  std::string serviceCode;
  std::string ledType;
  bool confirmed = false;
  bool dryRun = false;
};

// Off without a code; a wrong code is a usage mistake, reported.
std::optional<ServiceLevel> serviceLevel(const ConfigWords& words, const CliContext& context) {
  const std::string code = words.serviceCode.empty()
                               ? context.environment(kServiceCodeVariable).value_or("")
                               : words.serviceCode;
  if (code.empty()) return ServiceLevel::Off;
  const ServiceLevel level = checkServiceCode(code, context.environment, context.err);
  if (level == ServiceLevel::Off) return std::nullopt;
  return level;
}

int connect(CliSession& session) {
  loadFireMacroCodes(session.core());
  session.core().systemMouse.refreshFromStore();
  return session.connectAndRead();
}

const std::vector<std::string> kHeading{
    "mousecfg configuration. \"mousectl import FILE\" shows what it changes, --yes applies it.",
    "Any value may be left out: the mouse keeps what the file does not name.",
    "Buttons take a function's menu text (\"mousectl functions\"), a macro or gun preset",
    "name, or the raw entry as 8 hexadecimal digits. DPI values are the mouse's steps.",
};

int runExport(const ConfigWords& words, const CliContext& context) {
  const std::optional<ServiceLevel> level = serviceLevel(words, context);
  if (!level) return kExitUsage;
  CliSession session(context);
  if (const int status = connect(session); status != kExitOk) return status;
  const DeviceLink& link = session.link();
  std::vector<std::string> heading = kHeading;
  heading.insert(heading.begin(), "Exported from the mouse " + usbIdText(link.channel.vendorId()) +
                                      ':' + usbIdText(link.channel.productId()) + " (\"" +
                                      session.core().engineerVendor.edt_USBDesc + "\").");
  const std::string text =
      writeConfigText(configOfMouse(session.core(), *level != ServiceLevel::Off), heading);
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  const FileWritten written = writeFileArgument(words.file, std::span(bytes, text.size()), context);
  if (!written) {
    context.err << "mousectl: " << written.error << '\n';
    return kExitFileError;
  }
  if (words.file != "-") context.out << "wrote the configuration to " << words.file << '\n';
  return kExitOk;
}

void showPlan(const ConfigPlan& plan, const std::string& file, std::ostream& out) {
  if (plan.changes.empty()) {
    out << inputName(file) << " matches the mouse; nothing to send.\n";
    return;
  }
  out << inputName(file) << " changes " << plan.changes.size()
      << (plan.changes.size() == 1 ? " setting:\n" : " settings:\n");
  for (const ConfigChange& change : plan.changes)
    out << "  line " << change.line << ": " << change.what << '\n';
}

int applyPlan(CliSession& session, const ConfigPlan& plan, const CliContext& context) {
  for (const ConfigChange& change : plan.changes) {
    context.out << "applying line " << change.line << ": " << change.what << '\n' << std::flush;
    session.host().setConsoleProgress(true);
    const int status = change.apply(session, context.err);
    session.host().setConsoleProgress(false);
    if (status != kExitOk) {
      const int written = session.verifyWritten();
      context.err << "mousectl import: stopped; the changes listed before this one were made\n";
      return written != kExitOk ? written : status;
    }
  }
  return session.verifyWritten();
}

int runImport(const ConfigWords& words, const CliContext& context) {
  const std::optional<ServiceLevel> level = serviceLevel(words, context);
  if (!level) return kExitUsage;
  const FileContents file = readFileArgument(words.file, kMaxConfigTextBytes, context);
  if (!file.ok) {
    context.err << "mousectl: " << file.error << '\n';
    return kExitFileError;
  }
  const ConfigTextRead read = readConfigText(
      std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
  if (!read.ok()) {
    context.err << "mousectl import: " << inputName(words.file) << ", " << read.error
                << "\nNothing was sent.\n";
    return kExitUsage;
  }
  CliSession session(context);
  session.core().link.connection.ledType = words.ledType;
  if (const int status = connect(session); status != kExitOk) return status;
  const ConfigPlan plan = planConfigChanges(session.core(), *read.config, *level);
  if (!plan.ok()) {
    context.err << "mousectl import: " << inputName(words.file) << ", " << plan.error
                << "\nNothing was sent.\n";
    return kExitUsage;
  }
  showPlan(plan, words.file, context.out);
  if (plan.changes.empty()) return kExitOk;
  if (words.dryRun) {
    context.out << "Nothing was sent (--dry-run).\n";
    return kExitOk;
  }
  if (!words.confirmed) {
    context.out << "Nothing was sent. Run \"mousectl import " << words.file
                << " --yes\" to apply the changes.\n";
    return kExitUsage;
  }
  return applyPlan(session, plan, context);
}

void addServiceCode(CLI::App& command, ConfigWords& words) {
  command
      .add_option("--service-code", words.serviceCode,
                  "the engineer page's service code, for the [vendor] table")
      ->type_name("CODE");
}

}  // namespace

CommandRun defineExport(CLI::App& command, const CommonOptions&) {
  auto words = std::make_shared<ConfigWords>();
  command.add_option("FILE", words->file, "the file to write; - is standard output")->required();
  addServiceCode(command, *words);
  command.footer(std::string(kExportDetails));
  return [words](const CliContext& context) { return runExport(*words, context); };
}

CommandRun defineImport(CLI::App& command, const CommonOptions&) {
  auto words = std::make_shared<ConfigWords>();
  command.add_option("FILE", words->file, "a configuration text; - is standard input")->required();
  command.add_flag("-y,--yes", words->confirmed, "really make the changes");
  command.add_flag("-n,--dry-run", words->dryRun, "only show what would change");
  command
      .add_option("--led-type", words->ledType,
                  "the mouse's LED hardware, as for mousectl led; the flow speed and "
                  "brightness need MCULED")
      ->check(CLI::IsMember({"RGB", "Sync", "MCULED", "SPITLED"}))
      ->type_name("TYPE");
  addServiceCode(command, *words);
  command.footer(std::string(kImportDetails));
  return [words](const CliContext& context) { return runImport(*words, context); };
}

}  // namespace mousecfg
