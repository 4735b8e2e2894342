#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/FileArguments.h"

namespace mousecfg {

CommandRun defineRead(CLI::App& command, const CommonOptions&) {
  auto output = std::make_shared<std::string>();
  command.add_option("-o,--output", *output, "the file to write; - is standard output")
      ->type_name("FILE")
      ->required();
  command.footer(
      "Finds the mouse, checks its device information and codes as the window does, reads\n"
      "its whole stored configuration (2048 bytes) and writes it to FILE unchanged. FILE is\n"
      "replaced only when the read succeeded; a symbolic link is followed and stays a link.\n"
      "A FIFO or a device (/dev/null, /dev/stdout) is written straight through, and - is\n"
      "standard output; then the bytes are all that goes there and the report goes to\n"
      "standard error.");
  return [output](const CliContext& context) {
    CliSession session(context);
    DeviceLink& link = session.link();
    // A read that lost frames ends here with its message: nothing is written.
    if (const int status = session.connectAndRead(); status != kExitOk) return status;
    const FileWritten written = writeFileArgument(*output, link.image.buffer, context);
    if (!written) {
      context.err << "mousectl: " << written.error << '\n';
      return static_cast<int>(kExitFileError);
    }
    (written.streamed ? context.err : context.out)
        << "wrote " << link.image.buffer.size() << " bytes to " << outputName(*output) << '\n';
    return static_cast<int>(kExitOk);
  };
}

}  // namespace mousecfg
