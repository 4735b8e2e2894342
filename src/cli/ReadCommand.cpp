#include <ostream>

#include "base/WholeFile.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"

namespace mousecfg {

int runRead(const Arguments& args, const CliContext& context) {
  std::ostream& out = context.out;
  std::ostream& err = context.err;
  if (wantsHelp(args)) {
    out << "usage: mousectl read -o FILE\n\nFinds the mouse, checks its device information and\n"
           "codes as the window does, reads its whole stored configuration (2048 bytes) and\n"
           "writes it to FILE unchanged. FILE is replaced only when the read succeeded.\n";
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
  if (const std::string error = writeWholeFile(args[1], link.image.buffer); !error.empty()) {
    err << "mousectl: " << error << '\n';
    return kExitFileError;
  }
  out << "wrote " << link.image.buffer.size() << " bytes to " << args[1] << '\n';
  return kExitOk;
}

}  // namespace mousecfg
