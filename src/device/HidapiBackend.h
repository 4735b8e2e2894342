#pragma once

#include <string>

#include "device/HidBackend.h"

namespace mousecfg {

// Real HID devices through hidapi (hidraw on Linux). hidapi does not tell the report
// lengths, so they come from the interface's report descriptor in sysfs; a collection
// whose descriptor cannot be read is listed with lengths 0.
class HidapiBackend : public HidBackend {
 public:
  HidapiBackend();  // initialises hidapi once per process

  std::vector<HidCollectionInfo> enumerate() override;
  // The hidraw nodes in /dev: the same count as enumerate() without reading every
  // report descriptor, since the connection monitor asks ten times a tick.
  int countCollections() override;
  // Both access levels open the node for reading and writing; hidraw has no
  // query-only open.
  std::shared_ptr<HidHandle> open(const std::string& path, HidAccess access) override;

 private:
  bool initialised_ = false;
};

// "/sys/class/hidraw/hidraw3/device/report_descriptor" for "/dev/hidraw3"; empty when the
// path is not a hidraw node.
std::string reportDescriptorPathFor(const std::string& devicePath);

}  // namespace mousecfg
