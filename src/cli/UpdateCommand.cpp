// mousectl update: a firmware file's patch record into the mouse, as the Update page's
// "Program" does.
#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "base/HexText.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "settings/UpdatePageState.h"

namespace mousecfg {

namespace {

constexpr std::string_view kUpdateDetails =
    "Takes the first 16 bytes of FILE as the mouse's patch record (bytes 1008..1023 of\n"
    "its stored configuration) and, with --yes, writes them and restarts the mouse\n"
    "(about 17 seconds), as the Update page's \"Program\" does. Nothing else of the file\n"
    "is sent; a file shorter than 16 bytes replaces only as many bytes as it holds.\n"
    "Without --yes it shows the record the mouse holds and the one it would get, and\n"
    "sends nothing; --dry-run does the same and exits 0.\n\n"
    "exit status: 0 programmed and read back (or --dry-run), 2 not confirmed, 3 no mouse\n"
    "or it did not come back, 4 mouse not accepted, 5 the file could not be read";

struct UpdateArguments {
  std::string file;
  bool confirmed = false;
  bool dryRun = false;
};

std::string recordText(std::span<const uint8_t> record) {
  std::string text;
  for (uint8_t byte : record) text += (text.empty() ? "" : " ") + hexDigits(byte, 2);
  return text;
}

int update(const UpdateArguments& parsed, const CliContext& context) {
  CliSession session(context);
  if (const int status = session.connectAndRead(); status != kExitOk) return status;
  ApplicationCore& core = session.core();
  UpdatePageState& page = core.updatePage;
  page.pageOpened();
  if (!page.chooseFileAt(parsed.file)) return kExitFileError;
  const PatchRecord now = core.link.image.patchRecord;
  context.out << "patch record in the mouse: " << recordText(now) << '\n'
              << "patch record to program:   " << recordText(page.programmedRecord(now))
              << "  (from " << parsed.file << ")\n";
  if (parsed.dryRun) {
    context.out << "Nothing was sent (--dry-run).\n";
    return kExitOk;
  }
  if (!parsed.confirmed) {
    context.out << "Nothing was sent. Run \"mousectl update " << parsed.file
                << " --yes\" to program it and restart the mouse.\n";
    return kExitUsage;
  }
  context.out << "programming the patch record and restarting the mouse (about 17 s)...\n"
              << std::flush;
  session.host().setConsoleProgress(true);
  const TransferResult written = page.Btn_ProgramClick();
  session.host().setConsoleProgress(false);
  if (!written.ok() || !core.link.channel.isOpen()) {
    context.err << "mousectl: the mouse did not take the whole record or did not come back\n";
    return kExitNoDevice;
  }
  context.out << "programmed; the mouse restarted and was read back\n";
  return kExitOk;
}

}  // namespace

CommandRun defineUpdate(CLI::App& command, const CommonOptions&) {
  auto parsed = std::make_shared<UpdateArguments>();
  command.add_option("FILE", parsed->file, "the firmware file")->required();
  command.add_flag("-y,--yes", parsed->confirmed, "really program it and restart the mouse");
  command.add_flag("-n,--dry-run", parsed->dryRun, "only show what would be programmed");
  command.footer(std::string(kUpdateDetails));
  return [parsed](const CliContext& context) { return update(*parsed, context); };
}

}  // namespace mousecfg
