#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <set>

#include "base/Clock.h"

namespace mousecfg::test {

// A clock that moves only when told to. Sleeping on it moves it on at once, since the
// sleeper is the one who spends the time; a thread that waits on it (waitFor) stays
// blocked until another thread moves it past the deadline or wakes it. Thread-safe.
class VirtualClock : public Clock {
 public:
  // How long, in real time, a test lets another thread take to start waiting on the
  // clock: only a guard, so that a wait that never comes fails the test instead of
  // hanging it.
  static constexpr std::chrono::seconds kWaiterGuard{30};

  int64_t nowMs() override { return now_.load(); }
  void sleepMs(int ms) override { advance(ms); }

  bool waitFor(int ms, const std::function<bool()>& done) override {
    std::unique_lock lock(mutex_);
    // A wait that is over before it starts leaves no deadline for a test to move to.
    if (done()) return true;
    const int64_t deadline = now_ + ms;
    const auto entry = deadlines_.insert(deadline);
    changed_.notify_all();  // a test may be waiting for this waiter
    bool finished = false;
    changed_.wait(lock, [&] { return (finished = done()) || now_ >= deadline; });
    deadlines_.erase(entry);
    return finished;
  }

  void wakeWaiters() override {
    { std::lock_guard lock(mutex_); }
    changed_.notify_all();
  }

  // Wakes the waiters only when one of their deadlines has come: a restart's thousand
  // small waits would otherwise wake every waiting thread a thousand times for nothing.
  void advance(int64_t ms) {
    bool due = false;
    {
      std::lock_guard lock(mutex_);
      now_ += ms;
      due = !deadlines_.empty() && *deadlines_.begin() <= now_;
    }
    if (due) changed_.notify_all();
  }

  // Waits until some thread waits on the clock for a moment still to come, then moves
  // the clock to the earliest such moment, as if that much time had passed. False when
  // no thread began such a wait within the guard.
  bool advanceToNextDeadline() {
    std::unique_lock lock(mutex_);
    if (!changed_.wait_for(lock, kWaiterGuard,
                           [this] { return deadlines_.upper_bound(now_) != deadlines_.end(); }))
      return false;
    now_ = *deadlines_.upper_bound(now_);
    lock.unlock();
    changed_.notify_all();
    return true;
  }

  // Waits until at least `count` threads wait on the clock; false when they did not
  // within the guard.
  bool awaitWaiters(size_t count) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, kWaiterGuard, [&] { return deadlines_.size() >= count; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::atomic<int64_t> now_{0};
  std::multiset<int64_t> deadlines_;
};

}  // namespace mousecfg::test
