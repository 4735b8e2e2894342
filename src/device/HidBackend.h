#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace mousecfg {

// One HID top-level collection as the operating system lists it.
struct HidCollectionInfo {
  std::string path;
  uint16_t vendorId = 0;
  uint16_t productId = 0;
  uint16_t version = 0;
  int featureReportLength = 0;  // bytes, report id included (0 = no feature reports)
  int inputReportLength = 0;    // bytes, report id included
};

enum class HidAccess {
  None,       // enough to query and to send feature reports
  ReadWrite,  // also needed to read input reports
};

// An open collection. Reports always carry the report id in byte 0.
class HidHandle {
 public:
  virtual ~HidHandle() = default;
  // Sends a feature report; true when the system accepted it.
  virtual bool setFeature(std::span<const uint8_t> report) = 0;
  // report[0] names the report to fetch; on success the reply replaces report.
  virtual bool getFeature(std::span<uint8_t> report) = 0;
  // Waits up to timeoutMs for an input report. Returns its length, 0 on time-out,
  // a negative value when the device is gone or the handle cannot be read.
  virtual int readInput(std::span<uint8_t> buffer, int timeoutMs) = 0;
  // Makes the read blocked in another thread, or else the next one, return 0 at once,
  // where the backend can; elsewhere the read ends at its time-out.
  virtual void cancelRead() {}
};

// The operating system's list of HID collections. Implementations must allow
// readInput on one handle while another thread uses other handles.
class HidBackend {
 public:
  virtual ~HidBackend() = default;
  virtual std::vector<HidCollectionInfo> enumerate() = 0;
  // How many collections are present; backends may answer this more cheaply than a
  // full enumeration, since the connection monitor asks ten times a tick.
  virtual int countCollections() { return static_cast<int>(enumerate().size()); }
  // nullptr when the path cannot be opened with the access asked for.
  virtual std::shared_ptr<HidHandle> open(const std::string& path, HidAccess access) = 0;
};

}  // namespace mousecfg
