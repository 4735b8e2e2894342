#include <ostream>

#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/FileArguments.h"

namespace mousecfg {

int runRead(const Arguments& args, const CliContext& context) {
  std::ostream& out = context.out;
  std::ostream& err = context.err;
  if (wantsHelp(args)) {
    out << "usage: mousectl read -o FILE\n\nFinds the mouse, checks its device information and\n"
           "codes as the window does, reads its whole stored configuration (2048 bytes) and\n"
           "writes it to FILE unchanged. FILE is replaced only when the read succeeded; a\n"
           "symbolic link is followed and stays a link. A FIFO or a device (/dev/null,\n"
           "/dev/stdout) is written straight through, and - is standard output; then the\n"
           "bytes are all that goes there and the report goes to standard error.\n";
    return kExitOk;
  }
  if (args.size() != 2 || (args[0] != "-o" && args[0] != "--output")) {
    err << "usage: mousectl read -o FILE\n";
    return kExitUsage;
  }
  CliSession session(context);
  DeviceLink& link = session.link();
  // A read that lost frames ends here with its message: nothing is written.
  if (const int status = session.connectAndRead(); status != kExitOk) return status;
  const FileWritten written = writeFileArgument(args[1], link.image.buffer, context);
  if (!written) {
    err << "mousectl: " << written.error << '\n';
    return kExitFileError;
  }
  (written.streamed ? err : out) << "wrote " << link.image.buffer.size() << " bytes to "
                                 << outputName(args[1]) << '\n';
  return kExitOk;
}

}  // namespace mousecfg
