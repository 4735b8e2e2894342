// CPU time the notification listener takes while no device is open: it should wait
// on its condition and take none. Prints the figure; run it by hand.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "device/DeviceLink.h"
#include "device/SimulatedMouse.h"

namespace {

using namespace mousecfg;

class QuietHost : public Host {
 public:
  Clock& clock() override { return steadyClock(); }
  void sleepProcessing(int) override {}
  void processMessages() override {}
  void postToUi(std::function<void()>) override {}
  void showProgress() override {}
  void hideProgress() override {}
  void setOverlaysVisible(bool) override {}
  void showMessage(const std::string&) override {}
  void showText(const std::string&) override {}
  bool confirmMessage(const std::string&) override { return false; }
};

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
  QuietHost host;
  SimulatedMouse mouse;
  DeviceLink link(mouse, host);
  link.listener.start();
  const double before = cpuSeconds();
  std::this_thread::sleep_for(std::chrono::seconds(seconds));
  const double used = cpuSeconds() - before;
  link.listener.stop();
  std::printf("listener without a device: %.3f ms of CPU in %d s (%.4f%% of a core)\n", used * 1000,
              seconds, used / seconds * 100);
  return 0;
}
