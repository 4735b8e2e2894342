#pragma once

#include "device/HidBackend.h"

namespace mousecfg {

// A system without any HID device (MOUSECFG_BACKEND=none): nothing is listed, nothing
// opens, whatever is plugged in.
class NoDevicesBackend final : public HidBackend {
 public:
  std::vector<HidCollectionInfo> enumerate() override { return {}; }
  std::shared_ptr<HidHandle> open(const std::string&, HidAccess) override { return nullptr; }
};

}  // namespace mousecfg
