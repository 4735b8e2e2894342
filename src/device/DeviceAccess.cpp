#include "device/DeviceAccess.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/HexText.h"

namespace mousecfg {

namespace fs = std::filesystem;

namespace {

std::string firstLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

bool hasUsbIds(const fs::path& device, const std::string& vendor, const std::string& product) {
  return firstLine(device / "idVendor") == vendor && firstLine(device / "idProduct") == product;
}

// The entries of a folder, none when it cannot be read; never throws, since the check
// runs inside the window's handlers.
std::vector<fs::path> folderEntries(const fs::path& folder) {
  std::vector<fs::path> entries;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    entries.push_back(it->path());
  return entries;
}

bool usbDevicePresent(const AccessPlaces& places, const std::string& vendor,
                      const std::string& product) {
  for (const fs::path& device : folderEntries(fs::path(places.sysfs) / "bus/usb/devices"))
    if (hasUsbIds(device, vendor, product)) return true;
  return false;
}

// hidraw2 before hidraw10.
bool inNodeOrder(const std::string& a, const std::string& b) {
  return a.size() != b.size() ? a.size() < b.size() : a < b;
}

// A hidraw node's HID device says whose it is in its uevent: HID_ID=0003:00003A7E:000005ED.
bool hidrawBelongsTo(const fs::path& hidraw, const std::string& hidId) {
  std::ifstream uevent(hidraw / "device/uevent");
  for (std::string line; std::getline(uevent, line);) {
    if (line.starts_with("HID_ID=")) return line.substr(7) == hidId;
  }
  return false;
}

bool accessible(const std::string& node) {
  return ::access(node.c_str(), R_OK | W_OK) == 0;
}

}  // namespace

bool AccessReport::nodesUsable() const {
  return !nodes.empty() &&
         std::all_of(nodes.begin(), nodes.end(), [](const MouseNode& node) { return node.usable; });
}

AccessProblem firstProblem(const AccessReport& report) {
  if (!report.onBus) return AccessProblem::NotOnBus;
  if (report.nodes.empty()) return AccessProblem::NoNodes;
  if (report.nodesUsable()) return AccessProblem::None;
  return report.installedRule ? AccessProblem::NotYetGranted : AccessProblem::NoRule;
}

AccessReport checkDeviceAccess(int vendorId, int productId, const AccessPlaces& places) {
  const auto vendor = static_cast<uint32_t>(vendorId);
  const auto product = static_cast<uint32_t>(productId);
  const std::string hidId = "0003:" + hexDigits(vendor, 8) + ":" + hexDigits(product, 8);
  AccessReport report;
  report.onBus = usbDevicePresent(places, hexDigits(vendor, 4, HexLetters::Lower),
                                  hexDigits(product, 4, HexLetters::Lower));

  std::vector<std::string> names;
  for (const fs::path& hidraw : folderEntries(fs::path(places.sysfs) / "class/hidraw"))
    if (hidrawBelongsTo(hidraw, hidId)) names.push_back(hidraw.filename().string());
  std::sort(names.begin(), names.end(), inNodeOrder);
  for (const std::string& name : names) {
    const std::string node = (fs::path(places.dev) / name).string();
    report.nodes.push_back({node, places.usable ? places.usable(node) : accessible(node)});
  }
  // A mouse the kernel gave hidraw nodes is on the bus, whatever the USB tree said.
  report.onBus = report.onBus || !report.nodes.empty();

  std::error_code error;
  for (const std::string& folder : places.ruleFolders) {
    const fs::path rule = fs::path(folder) / kUdevRuleName;
    if (fs::is_regular_file(rule, error)) {
      report.installedRule = rule.string();
      break;
    }
  }
  return report;
}

}  // namespace mousecfg
