// How long our own code takes per frame of a whole configuration read: channel,
// simulated mouse, split, section checks and macro parse, with no USB time at all.
#include <benchmark/benchmark.h>

#include "device/DeviceLink.h"
#include "device/SimulatedMouse.h"

namespace {

using namespace mousecfg;

class NullHost : public Host {
 public:
  Clock& clock() override { return steadyClock(); }
  void sleepProcessing(int) override {}
  void processMessages() override {}
  void postToUi(std::function<void()> work) override { work(); }
  void showProgress() override {}
  void hideProgress() override {}
  void setOverlaysVisible(bool) override {}
  void showMessage(const std::string&) override {}
  void showText(const std::string&) override {}
  bool confirmMessage(const std::string&) override { return true; }
};

constexpr int kFramesPerRead = 1 + 293;

void WholeReadSplitAndParse(benchmark::State& state) {
  NullHost host;
  SimulatedMouse mouse;
  DeviceLink link(mouse, host);
  link.deriveFromBuiltInImage();
  uint16_t version = 0;
  if (!link.discovery.OpenDevice(link.deviceTable[0].vendorId, link.deviceTable[0].productId,
                                 version)) {
    state.SkipWithError("the simulated mouse did not open");
    return;
  }
  link.connection.interfaceType = kInterfaceI2c;
  for (auto _ : state) {
    if (!link.transfer.Btn_Read()) state.SkipWithError("the read lost frames");
    benchmark::DoNotOptimize(link.image.buffer.data());
    mouse.clearTrace();
  }
  state.counters["frames"] = kFramesPerRead;
  state.counters["per_frame"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kFramesPerRead,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(WholeReadSplitAndParse)->Unit(benchmark::kMicrosecond);

void WholeImageWriteFrames(benchmark::State& state) {
  NullHost host;
  SimulatedMouse mouse;
  DeviceLink link(mouse, host);
  link.deriveFromBuiltInImage();
  uint16_t version = 0;
  link.discovery.OpenDevice(link.deviceTable[0].vendorId, link.deviceTable[0].productId, version);
  const auto image = mouse.storedBlock();
  for (auto _ : state) {
    if (!link.channel.BlockWrite(0, image)) state.SkipWithError("the write lost frames");
    mouse.clearTrace();
  }
  state.counters["per_frame"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kFramesPerRead,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(WholeImageWriteFrames)->Unit(benchmark::kMicrosecond);

}  // namespace
