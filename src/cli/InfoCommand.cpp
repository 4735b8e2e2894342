#include <CLI/CLI.hpp>
#include <ostream>

#include "base/HexText.h"
#include "cli/ArgumentValues.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"

namespace mousecfg {

namespace {

std::string pairText(const IdPair& ids) {
  return std::to_string(ids.first) + ", " + std::to_string(ids.second);
}

void printText(const DeviceLink& link, bool accepted, std::ostream& out) {
  out << "device:            " << usbIdText(link.channel.vendorId()) << ':'
      << usbIdText(link.channel.productId()) << " version "
      << usbIdText(link.discovery.lastVersion()) << '\n';
  out << "information reply: " << hexBytes(link.discovery.lastInfoReply()) << '\n';
  const std::string& type = link.connection.interfaceType;
  out << "interface type:    " << (type.empty() ? "(none)" : type) << '\n';
  out << "memory type:       " << link.connection.configuredMemoryType << " (this program)\n";
  if (link.connection.deviceIds)
    out << "manufacturer code: " << link.connection.deviceIds->first << '\n'
        << "product code:      " << link.connection.deviceIds->second << '\n';
  out << "accepted codes:    " << pairText(link.connection.expectedIds) << " or "
      << pairText(link.connection.reserveIds) << '\n';
  out << "accepted:          " << (accepted ? "yes" : "no") << '\n';
}

Json pairJson(const IdPair& ids) {
  return {{"manufacturer", ids.first}, {"product", ids.second}};
}

Json infoJson(const DeviceLink& link, bool accepted) {
  const ConnectionValues& connection = link.connection;
  return {{"vendor_id", usbIdText(link.channel.vendorId())},
          {"product_id", usbIdText(link.channel.productId())},
          {"version", usbIdText(link.discovery.lastVersion())},
          {"information_reply", byteArray(link.discovery.lastInfoReply())},
          {"interface_type",
           connection.interfaceType.empty() ? Json() : Json(connection.interfaceType)},
          {"memory_type", connection.configuredMemoryType},
          {"codes", connection.deviceIds ? pairJson(*connection.deviceIds) : Json()},
          {"accepted_codes", {pairJson(connection.expectedIds), pairJson(connection.reserveIds)}},
          {"accepted", accepted}};
}

}  // namespace

CommandRun defineInfo(CLI::App& command, const CommonOptions& common) {
  command.footer(
      "Asks the mouse for its device information and shows the interface type, its\n"
      "manufacturer and product codes and whether this program accepts them. Nothing is\n"
      "written to the mouse.");
  return [&common](const CliContext& context) {
    CliSession session(context);
    if (const int status = session.open(); status != kExitOk) return status;
    const int status = session.connect(false);
    if (common.json)
      printJson(context.out, infoJson(session.link(), status == kExitOk));
    else
      printText(session.link(), status == kExitOk, context.out);
    return status;
  };
}

}  // namespace mousecfg
