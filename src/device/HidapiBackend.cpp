#include "device/HidapiBackend.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <set>

#include "device/ReportDescriptor.h"

namespace mousecfg {

namespace {

constexpr std::string_view kHidrawPrefix = "/dev/hidraw";
constexpr size_t kMaxDescriptorSize = 4096;

class HidapiHandle final : public HidHandle {
 public:
  explicit HidapiHandle(hid_device* device) : device_(device) {}
  ~HidapiHandle() override { hid_close(device_); }
  HidapiHandle(const HidapiHandle&) = delete;
  HidapiHandle& operator=(const HidapiHandle&) = delete;

  bool setFeature(std::span<const uint8_t> report) override {
    return !report.empty() && hid_send_feature_report(device_, report.data(), report.size()) >= 0;
  }

  // hidapi answers with the report id in byte 0 and returns the bytes it filled.
  bool getFeature(std::span<uint8_t> report) override {
    if (report.empty()) return false;
    const int received = hid_get_feature_report(device_, report.data(), report.size());
    if (received <= 0) return false;
    std::fill(report.begin() + std::min<size_t>(static_cast<size_t>(received), report.size()),
              report.end(), 0);
    return true;
  }

  int readInput(std::span<uint8_t> buffer, int timeoutMs) override {
    if (buffer.empty()) return -1;
    return hid_read_timeout(device_, buffer.data(), buffer.size(), timeoutMs);
  }

 private:
  hid_device* device_;
};

std::vector<uint8_t> readDescriptor(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  std::vector<uint8_t> bytes(kMaxDescriptorSize);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(file.gcount()));
  return bytes;
}

ReportLengths lengthsOf(const std::string& devicePath) {
  const std::string descriptorPath = reportDescriptorPathFor(devicePath);
  if (descriptorPath.empty()) return {};
  return reportLengthsFromDescriptor(readDescriptor(descriptorPath)).value_or(ReportLengths{});
}

bool initialiseHidapi() {
  static std::once_flag once;
  static bool ok = false;
  std::call_once(once, [] { ok = hid_init() == 0; });
  return ok;
}

}  // namespace

std::string reportDescriptorPathFor(const std::string& devicePath) {
  if (!devicePath.starts_with(kHidrawPrefix)) return {};
  const std::string number = devicePath.substr(kHidrawPrefix.size());
  if (number.empty() ||
      !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return {};
  return "/sys/class/hidraw/hidraw" + number + "/device/report_descriptor";
}

HidapiBackend::HidapiBackend() : initialised_(initialiseHidapi()) {}

// hidapi lists a hidraw node once per top-level collection; the node is what opens, so
// each path is listed once.
std::vector<HidCollectionInfo> HidapiBackend::enumerate() {
  std::vector<HidCollectionInfo> collections;
  if (!initialised_) return collections;
  hid_device_info* devices = hid_enumerate(0, 0);
  std::set<std::string> seen;
  for (hid_device_info* device = devices; device; device = device->next) {
    if (!device->path || !seen.insert(device->path).second) continue;
    const ReportLengths lengths = lengthsOf(device->path);
    collections.push_back({device->path, device->vendor_id, device->product_id,
                           device->release_number, lengths.feature, lengths.input});
  }
  hid_free_enumeration(devices);
  return collections;
}

int HidapiBackend::countCollections() {
  std::error_code error;
  int count = 0;
  for (std::filesystem::directory_iterator entry("/dev", error), end; !error && entry != end;
       entry.increment(error)) {
    if (entry->path().filename().string().starts_with("hidraw")) ++count;
  }
  return count;
}

std::shared_ptr<HidHandle> HidapiBackend::open(const std::string& path, HidAccess) {
  if (!initialised_) return nullptr;
  hid_device* device = hid_open_path(path.c_str());
  if (!device) return nullptr;
  return std::make_shared<HidapiHandle>(device);
}

}  // namespace mousecfg
