#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <thread>

namespace mousecfg {

class Clock;
class CommandChannel;
class Host;

// Listens for the mouse's own button notifications (input report 0x42) on a thread
// of its own and, 200 ms after the buttons are released, hands the re-read of the
// active DPI level or profile to the UI thread. It blocks on the device or, while no
// device is open, on the channel's condition; it never spins. Its own waits run on the
// clock it is given.
class NotificationListener {
 public:
  static constexpr int kReadTimeoutMs = 500;
  static constexpr int kIdleWaitMs = 1000;
  static constexpr int kReReadDelayMs = 200;

  struct Actions {
    std::function<void()> dpiButtonReleased;      // run on the UI thread
    std::function<void()> profileButtonReleased;  // run on the UI thread
  };

  NotificationListener(CommandChannel& channel, Host& host, Clock& clock, Actions actions);
  ~NotificationListener();

  void start();
  void stop();

  // Acts on one input report; public so that the report table can be tested directly.
  void handleReport(std::span<const uint8_t> report);
  bool dpiPending(uint8_t code) const;
  bool profilePending() const { return profilePending_; }

 private:
  void run();
  void waitInterruptibly(int ms);
  void releaseButtons();

  CommandChannel& channel_;
  Host& host_;
  Clock& clock_;
  Actions actions_;
  std::thread thread_;
  std::atomic<bool> stopping_{false};
  // Single-byte flags shared with the UI thread, as the mouse reports them.
  std::atomic<bool> dpiPending1_{false};
  std::atomic<bool> dpiPending2_{false};
  std::atomic<bool> dpiPending4_{false};
  std::atomic<bool> profilePending_{false};
};

}  // namespace mousecfg
