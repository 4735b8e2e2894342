#include "base/Clock.h"

#include <chrono>
#include <thread>

namespace mousecfg {

int64_t SteadyClock::nowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SteadyClock::sleepMs(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

Clock& steadyClock() {
  static SteadyClock clock;
  return clock;
}

}  // namespace mousecfg
