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

bool SteadyClock::waitFor(int ms, const std::function<bool()>& done) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(ms), done);
}

void SteadyClock::wakeWaiters() {
  // Taking the lock orders the wake-up after a waiter's last look at its condition.
  { std::lock_guard lock(mutex_); }
  changed_.notify_all();
}

Clock& steadyClock() {
  static SteadyClock clock;
  return clock;
}

}  // namespace mousecfg
