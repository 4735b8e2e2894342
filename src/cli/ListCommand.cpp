#include <iomanip>
#include <ostream>

#include "cli/ArgumentValues.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "device/Protocol.h"

namespace mousecfg {

bool wantsHelp(const Arguments& args) {
  for (const std::string& arg : args)
    if (arg == "--help" || arg == "-h") return true;
  return false;
}

int runList(const Arguments& args, const CliContext& context) {
  std::ostream& out = context.out;
  std::ostream& err = context.err;
  if (wantsHelp(args)) {
    out << "usage: mousectl list\n\nLists every HID collection with its vendor and product id,\n"
           "version and report lengths. The mouse's command collections are marked \"mouse\".\n";
    return kExitOk;
  }
  if (!args.empty()) {
    err << "mousectl list: takes no arguments\n";
    return kExitUsage;
  }
  CliSession session(context);
  const DeviceTableEntry& wanted = session.link().deviceTable[0];
  const auto collections = session.backend().enumerate();
  out << "VID:PID    version feature input  path\n";
  for (const HidCollectionInfo& c : collections) {
    const bool ours = c.vendorId == wanted.vendorId && c.productId == wanted.productId &&
                      c.featureReportLength == static_cast<int>(protocol::kFrameLength);
    out << usbIdText(c.vendorId) << ':' << usbIdText(c.productId) << "  " << usbIdText(c.version)
        << "    " << std::setw(7) << c.featureReportLength << std::setw(6) << c.inputReportLength
        << "  " << c.path << (ours ? "  <- mouse" : "") << '\n';
  }
  out << collections.size() << " collection(s)\n";
  return kExitOk;
}

}  // namespace mousecfg
