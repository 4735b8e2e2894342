#include "device/TracingBackend.h"

#include <algorithm>

#include "device/SimulatedMouse.h"

namespace mousecfg {

namespace {

class TracingHandle final : public HidHandle {
 public:
  TracingHandle(std::shared_ptr<HidHandle> inner, std::shared_ptr<const TracingBackend::Sink> sink)
      : inner_(std::move(inner)), sink_(std::move(sink)) {}

  bool setFeature(std::span<const uint8_t> report) override {
    const bool sent = inner_->setFeature(report);
    if (sent) (*sink_)(formatTraceLine('S', report));
    return sent;
  }

  bool getFeature(std::span<uint8_t> report) override {
    const bool received = inner_->getFeature(report);
    if (received) (*sink_)(formatTraceLine('G', report));
    return received;
  }

  int readInput(std::span<uint8_t> buffer, int timeoutMs) override {
    const int length = inner_->readInput(buffer, timeoutMs);
    if (length > 0)
      (*sink_)(
          formatTraceLine('I', buffer.first(std::min(buffer.size(), static_cast<size_t>(length)))));
    return length;
  }

  void cancelRead() override { inner_->cancelRead(); }

 private:
  std::shared_ptr<HidHandle> inner_;
  std::shared_ptr<const TracingBackend::Sink> sink_;
};

}  // namespace

TracingBackend::TracingBackend(std::unique_ptr<HidBackend> inner, Sink sink)
    : inner_(std::move(inner)), sink_(std::make_shared<const Sink>(std::move(sink))) {}

std::vector<HidCollectionInfo> TracingBackend::enumerate() {
  return inner_->enumerate();
}

std::shared_ptr<HidHandle> TracingBackend::open(const std::string& path, HidAccess access) {
  auto handle = inner_->open(path, access);
  if (!handle) return nullptr;
  return std::make_shared<TracingHandle>(std::move(handle), sink_);
}

}  // namespace mousecfg
