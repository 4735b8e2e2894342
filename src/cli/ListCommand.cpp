#include <CLI/CLI.hpp>
#include <iomanip>
#include <ostream>

#include "cli/ArgumentValues.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "device/Protocol.h"

namespace mousecfg {

namespace {

bool isTheMouse(const HidCollectionInfo& collection, const DeviceTableEntry& wanted) {
  return collection.vendorId == wanted.vendorId && collection.productId == wanted.productId &&
         collection.featureReportLength == static_cast<int>(protocol::kFrameLength);
}

void printText(const std::vector<HidCollectionInfo>& collections, const DeviceTableEntry& wanted,
               std::ostream& out) {
  out << "VID:PID    version feature input  path\n";
  for (const HidCollectionInfo& c : collections) {
    out << usbIdText(c.vendorId) << ':' << usbIdText(c.productId) << "  " << usbIdText(c.version)
        << "    " << std::setw(7) << c.featureReportLength << std::setw(6) << c.inputReportLength
        << "  " << c.path << (isTheMouse(c, wanted) ? "  <- mouse" : "") << '\n';
  }
  out << collections.size() << " collection(s)\n";
}

Json collectionsJson(const std::vector<HidCollectionInfo>& collections,
                     const DeviceTableEntry& wanted) {
  Json list = Json::array();
  for (const HidCollectionInfo& c : collections)
    list.push_back({{"vendor_id", usbIdText(c.vendorId)},
                    {"product_id", usbIdText(c.productId)},
                    {"version", usbIdText(c.version)},
                    {"feature_report_length", c.featureReportLength},
                    {"input_report_length", c.inputReportLength},
                    {"path", c.path},
                    {"mouse", isTheMouse(c, wanted)}});
  return {{"collections", list}};
}

}  // namespace

CommandRun defineList(CLI::App& command, const CommonOptions& common) {
  command.footer(
      "Lists every HID collection with its vendor and product id, version and report\n"
      "lengths. The mouse's command collections are marked \"mouse\". Nothing is sent.");
  return [&common](const CliContext& context) {
    CliSession session(context);
    const DeviceTableEntry& wanted = session.link().deviceTable[0];
    const auto collections = session.backend().enumerate();
    if (common.json)
      printJson(context.out, collectionsJson(collections, wanted));
    else
      printText(collections, wanted, context.out);
    return kExitOk;
  };
}

}  // namespace mousecfg
