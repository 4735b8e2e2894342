// mousectl save and load: the mouse's whole stored configuration to a file and back,
// as the window's "Save Profile" and "Load Profile" do.
#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/ImageDifferences.h"
#include "settings/ProfileFiles.h"

namespace mousecfg {

namespace {

constexpr std::string_view kSaveDetails =
    "Reads the mouse's whole stored configuration (2048 bytes) and writes it to exactly\n"
    "FILE, as the window's \"Save Profile\" does (the window's dialog adds \".bin\" to the\n"
    "chosen name; this command does not). FILE is replaced only when the read succeeded.\n\n"
    "exit status: 0 saved, 3 no mouse or it lost frames of the read, 4 mouse not\n"
    "accepted, 5 the file could not be written";

constexpr std::string_view kLoadDetails =
    "Writes a configuration saved by \"mousectl save\" or the window's \"Save Profile\" back\n"
    "into the mouse, as \"Load Profile\" does: the file's leading 2048 bytes replace the\n"
    "mouse's whole stored configuration, and the mouse restarts (about 17 seconds) and is\n"
    "read back. A KV204 mouse takes only files that carry its mark.\n\n"
    "First the command shows which sections of the file differ from the mouse and what is\n"
    "wrong with the file (a wrong size, a section whose checksum the mouse would not\n"
    "accept). Without --yes nothing is sent; --dry-run shows the same and exits 0.\n\n"
    "exit status: 0 loaded and read back (or --dry-run), 1 refused by the mouse's type,\n"
    "2 not confirmed, 3 no mouse or it did not come back, 4 mouse not accepted, 5 the\n"
    "file could not be read";

struct LoadArguments {
  std::string file;
  bool confirmed = false;
  bool dryRun = false;
};

int save(const std::string& file, const CliContext& context) {
  CliSession session(context);
  if (const int status = session.connect(false); status != kExitOk) return status;
  switch (session.core().profileFiles.saveTo(file)) {
    case ProfileFiles::Outcome::Done:
      context.out << "saved the mouse's configuration (" << image::kImageLength << " bytes) to "
                  << file << '\n';
      return kExitOk;
    case ProfileFiles::Outcome::FileProblem:
      return kExitFileError;
    default:
      return kExitNoDevice;
  }
}

int reportLoad(ProfileFiles::Outcome outcome, const ProfileFiles& files,
               const CliContext& context) {
  switch (outcome) {
    case ProfileFiles::Outcome::Done:
      context.out << "loaded; the mouse restarted and was read back\n";
      return kExitOk;
    case ProfileFiles::Outcome::Refused:
      return kExitBrokenImage;
    case ProfileFiles::Outcome::DeviceFailed:
      context.err << "mousectl: " << files.problem
                  << " It was restarted and may hold a mix of old and new settings.\n";
      return kExitNoDevice;
    default:
      return kExitNoDevice;
  }
}

int load(const LoadArguments& parsed, const CliContext& context) {
  const FileContents file = ProfileFiles::readProfileFile(parsed.file);
  if (!file.ok) {
    context.err << "mousectl: " << file.error << '\n';
    return kExitFileError;
  }
  CliSession session(context);
  if (const int status = session.connectAndRead(); status != kExitOk) return status;
  DeviceLink& link = session.link();
  printDifferences(compareWithMouse(file.bytes, link.image.buffer), context.out);
  if (link.connection.interfaceType == kInterfaceKv204 && !ProfileFiles::kv204Accepts(file.bytes))
    context.out << "warning: this KV204 mouse does not take the file (it lacks the mouse's mark)\n";
  if (parsed.dryRun) {
    context.out << "Nothing was sent (--dry-run).\n";
    return kExitOk;
  }
  if (!parsed.confirmed) {
    context.out << "Nothing was sent. Run \"mousectl load " << parsed.file
                << " --yes\" to write the file and restart the mouse.\n";
    return kExitUsage;
  }
  context.out << "writing the configuration and restarting the mouse (about 17 s)...\n"
              << std::flush;
  ProfileFiles& files = session.core().profileFiles;
  session.host().setConsoleProgress(true);
  const ProfileFiles::Outcome outcome = files.loadBytes(file.bytes);
  session.host().setConsoleProgress(false);
  return reportLoad(outcome, files, context);
}

}  // namespace

CommandRun defineSave(CLI::App& command, const CommonOptions&) {
  auto file = std::make_shared<std::string>();
  command.add_option("FILE", *file, "the file to write")->required();
  command.footer(std::string(kSaveDetails));
  return [file](const CliContext& context) { return save(*file, context); };
}

CommandRun defineLoad(CLI::App& command, const CommonOptions&) {
  auto parsed = std::make_shared<LoadArguments>();
  command.add_option("FILE", parsed->file, "a saved configuration")->required();
  command.add_flag("-y,--yes", parsed->confirmed, "really write it and restart the mouse");
  command.add_flag("-n,--dry-run", parsed->dryRun, "only show what would change");
  command.footer(std::string(kLoadDetails));
  return [parsed](const CliContext& context) { return load(*parsed, context); };
}

}  // namespace mousecfg
