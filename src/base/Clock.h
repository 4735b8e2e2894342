#pragma once

#include <cstdint>

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
};

class SteadyClock : public Clock {
 public:
  int64_t nowMs() override;
  void sleepMs(int ms) override;
};

// The steady clock every real run shares.
Clock& steadyClock();

}  // namespace mousecfg
