#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <ostream>
#include <string_view>

#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "settings/DefaultRestore.h"

namespace mousecfg {

namespace {

constexpr std::string_view kRestoreDetails =
    "Restores built-in default configuration 1, 2 or 3 (the window's \"Confirm1\",\n"
    "\"Confirm2\" and \"Confirm3\"): the mouse's whole stored configuration (2048 bytes)\n"
    "is overwritten with it, including its button assignments, DPI levels, lighting,\n"
    "macros and gun presets. The mouse then restarts; mousectl waits about 17 seconds,\n"
    "finds it again and reads its configuration back.\n\n"
    "Without --yes nothing is sent: the command says what it would do and exits 2.\n"
    "Save the current configuration first with \"mousectl read -o FILE\".\n\n"
    "exit status: 0 restored and read back, 1 the mouse does not hold the defaults\n"
    "afterwards, 2 wrong arguments or not confirmed, 3 no mouse or it did not come\n"
    "back, 4 mouse not accepted";

struct RestoreArguments {
  int store = 0;
  bool confirmed = false;
};

size_t differingBytes(const ImageBuffer& a, const ImageBuffer& b) {
  size_t count = 0;
  for (size_t i = 0; i < a.size(); ++i) count += a[i] != b[i];
  return count;
}

int restore(const RestoreArguments& parsed, const CliContext& context) {
  std::ostream& out = context.out;
  std::ostream& err = context.err;
  if (!parsed.confirmed) {
    out << "mousectl restore " << parsed.store << " would overwrite the mouse's whole stored\n"
        << "configuration with built-in default configuration " << parsed.store
        << " and restart the mouse.\nNothing was sent. Run \"mousectl restore " << parsed.store
        << " --yes\" to do it.\n";
    return kExitUsage;
  }
  CliSession session(context);
  if (const int status = session.connect(true); status != kExitOk) return status;
  DeviceLink& link = session.link();
  out << "writing default configuration " << parsed.store
      << " and restarting the mouse (about 17 s)...\n"
      << std::flush;
  const RestoreOutcome outcome = session.core().restore.DefaultParameterConfirm(parsed.store);
  if (outcome == RestoreOutcome::NoDevice) {
    err << "mousectl: the mouse went away before anything was written\n";
    return kExitNoDevice;
  }
  if (outcome == RestoreOutcome::WriteFailed) {
    err << "mousectl: the mouse refused part of the default configuration; it was restarted\n"
           "and may hold a mix of old and new settings. Run the restore again.\n";
    return kExitNoDevice;
  }
  if (outcome != RestoreOutcome::ReadBack) {
    err << "mousectl: the mouse did not come back after the restart; plug it in again and run\n"
           "\"mousectl info\" to see whether it answers\n";
    return kExitNoDevice;
  }
  const ImageBuffer& expected = link.defaults.store[static_cast<size_t>(parsed.store - 1)];
  if (const size_t differing = differingBytes(link.image.buffer, expected); differing != 0) {
    err << "mousectl: the mouse was restarted, but " << differing
        << " of its 2048 bytes differ from default configuration " << parsed.store << '\n';
    return kExitBrokenImage;
  }
  out << "restored default configuration " << parsed.store
      << "; the mouse restarted and was read back\n";
  return kExitOk;
}

}  // namespace

CommandRun defineRestore(CLI::App& command, const CommonOptions&) {
  auto parsed = std::make_shared<RestoreArguments>();
  command.add_option("N", parsed->store, "the default configuration: 1, 2 or 3")
      ->required()
      ->check(CLI::Range(1, 3));
  command.add_flag("-y,--yes", parsed->confirmed, "really overwrite the mouse");
  command.footer(std::string(kRestoreDetails));
  return [parsed](const CliContext& context) { return restore(*parsed, context); };
}

}  // namespace mousecfg
