#include <ostream>

#include "base/HexText.h"
#include "cli/ArgumentValues.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"

namespace mousecfg {

namespace {

std::string pairText(const IdPair& ids) {
  return std::to_string(ids.first) + ", " + std::to_string(ids.second);
}

}  // namespace

int runInfo(const Arguments& args, const CliContext& context) {
  std::ostream& out = context.out;
  std::ostream& err = context.err;
  if (wantsHelp(args)) {
    out << "usage: mousectl info\n\nAsks the mouse for its device information and shows the\n"
           "interface type, its manufacturer and product codes and whether this program\n"
           "accepts them. Nothing is written to the mouse.\n";
    return kExitOk;
  }
  if (!args.empty()) {
    err << "mousectl info: takes no arguments\n";
    return kExitUsage;
  }
  CliSession session(context);
  if (const int status = session.open(); status != kExitOk) return status;
  DeviceLink& link = session.link();
  out << "device:            " << usbIdText(link.channel.vendorId()) << ':'
      << usbIdText(link.channel.productId()) << " version "
      << usbIdText(link.discovery.lastVersion()) << '\n';
  const int status = session.connect(false);
  const auto& reply = link.discovery.lastInfoReply();
  out << "information reply:";
  for (uint8_t byte : reply) out << ' ' << hexDigits(byte, 2);
  out << '\n';
  const std::string& type = link.connection.interfaceType;
  out << "interface type:    " << (type.empty() ? "(none)" : type) << '\n';
  out << "memory type:       " << link.connection.configuredMemoryType << " (this program)\n";
  if (link.connection.deviceIds)
    out << "manufacturer code: " << link.connection.deviceIds->first << '\n'
        << "product code:      " << link.connection.deviceIds->second << '\n';
  out << "accepted codes:    " << pairText(link.connection.expectedIds) << " or "
      << pairText(link.connection.reserveIds) << '\n';
  out << "accepted:          " << (status == kExitOk ? "yes" : "no") << '\n';
  return status;
}

}  // namespace mousecfg
