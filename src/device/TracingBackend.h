#pragma once

#include <functional>
#include <memory>
#include <string>

#include "device/HidBackend.h"

namespace mousecfg {

// Wraps a backend and reports every frame that went through, one trace line each
// ("S ..", "G ..", "I .."). Only successful calls are reported, as the simulated mouse
// does. The sink is called from whichever thread used the handle, so it must be
// thread-safe.
class TracingBackend : public HidBackend {
 public:
  using Sink = std::function<void(const std::string&)>;

  TracingBackend(std::unique_ptr<HidBackend> inner, Sink sink);

  std::vector<HidCollectionInfo> enumerate() override;
  std::shared_ptr<HidHandle> open(const std::string& path, HidAccess access) override;

 private:
  std::unique_ptr<HidBackend> inner_;
  std::shared_ptr<const Sink> sink_;
};

}  // namespace mousecfg
