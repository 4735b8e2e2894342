#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

namespace mousecfg {

// The program's one source of time: milliseconds since some start, and waiting. The
// program runs on the steady clock; tests run on a virtual clock, on which waiting costs
// nothing, so a seventeen-second restart is instant and no test depends on the machine's
// speed.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual int64_t nowMs() = 0;
  // Blocks the calling thread for ms milliseconds of this clock.
  virtual void sleepMs(int ms) = 0;
  // Blocks until `done` holds or ms milliseconds of this clock have passed; true when
  // `done` holds. `done` is checked again whenever wakeWaiters() is called, so whoever
  // makes it true calls that afterwards. It runs under the clock's lock and must not
  // call back into the clock.
  virtual bool waitFor(int ms, const std::function<bool()>& done) = 0;
  virtual void wakeWaiters() = 0;
};

class SteadyClock : public Clock {
 public:
  int64_t nowMs() override;
  void sleepMs(int ms) override;
  bool waitFor(int ms, const std::function<bool()>& done) override;
  void wakeWaiters() override;

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
};

// The steady clock every real run shares.
Clock& steadyClock();

}  // namespace mousecfg
