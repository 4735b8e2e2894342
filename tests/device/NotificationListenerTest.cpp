#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "support/SimulatedLinkFixture.h"

namespace mousecfg::test {
namespace {

// Counts the re-reads the listener hands to the UI thread.
class CountingObserver : public LinkObserver {
 public:
  void dpiButtonReleased() override { ++dpi; }
  void profileButtonReleased() override { ++profile; }
  int dpi = 0;
  int profile = 0;
};

class NotificationListenerTest : public SimulatedLinkFixture {
 protected:
  void SetUp() override { link.setObserver(&observer); }
  void TearDown() override { link.listener.stop(); }

  // Lets the listener's re-read delay pass, then runs the UI thread's posted work until
  // `done`.
  template <typename Done>
  bool reReadArrives(Done done) {
    if (!host.virtualClock.advanceToNextDeadline()) return false;
    while (!done()) {
      if (!host.awaitPosted()) return false;
      host.runPosted();
    }
    return true;
  }

  // Stops the listener. Should it still be waiting on the clock after the guard, the
  // clock is moved on so that the stop ends and the time it took shows.
  void stopListener() {
    auto stopped = std::async(std::launch::async, [this] { link.listener.stop(); });
    while (stopped.wait_for(VirtualClock::kWaiterGuard) != std::future_status::ready)
      host.virtualClock.advanceToNextDeadline();
  }

  CountingObserver observer;
};

std::array<uint8_t, 8> report(uint8_t id, uint8_t event) {
  return {id, 0, 0, event, 0, 0, 0, 0};
}

TEST_F(NotificationListenerTest, PressSetsAFlagAndReleaseHandsTheReReadToTheUiThread) {
  NotificationListener& listener = link.listener;
  listener.handleReport(report(0x42, 0x02));
  EXPECT_TRUE(listener.dpiPending(0x02));
  EXPECT_FALSE(listener.dpiPending(0x01));
  listener.handleReport(report(0x42, 0x08));
  EXPECT_TRUE(listener.profilePending());
  EXPECT_EQ(host.postedCount(), 0u);

  auto timePasses = std::async(std::launch::async, [this] {
    return host.virtualClock.advanceToNextDeadline() && host.virtualClock.advanceToNextDeadline();
  });
  const auto start = std::chrono::milliseconds(host.nowMs());
  listener.handleReport(report(0x42, 0x00));
  const auto waited = std::chrono::milliseconds(host.nowMs()) - start;
  ASSERT_TRUE(timePasses.get()) << "the release waits on the clock";
  EXPECT_GE(waited, std::chrono::milliseconds(400)) << "200 ms before each re-read";
  EXPECT_FALSE(listener.dpiPending(0x02));
  EXPECT_FALSE(listener.profilePending());
  EXPECT_EQ(observer.dpi, 0) << "nothing runs on the listener's own thread";
  host.runPosted();
  EXPECT_EQ(observer.dpi, 1);
  EXPECT_EQ(observer.profile, 1);
}

TEST_F(NotificationListenerTest, OtherReportsAndUnknownEventsChangeNothing) {
  NotificationListener& listener = link.listener;
  for (const auto& r : {report(0x41, 0x01), report(0x43, 0x08), report(0x42, 0x03),
                        report(0x42, 0x09), report(0x42, 0x10), report(0x42, 0xFF)})
    listener.handleReport(r);
  const std::array<uint8_t, 3> tooShort{0x42, 0, 0};
  listener.handleReport(tooShort);
  for (uint8_t code : {0x01, 0x02, 0x04}) EXPECT_FALSE(listener.dpiPending(code));
  EXPECT_FALSE(listener.profilePending());
  listener.handleReport(report(0x42, 0x00));
  EXPECT_EQ(host.postedCount(), 0u);
}

TEST_F(NotificationListenerTest, TheMouseButtonsReachTheWindowThroughTheListener) {
  link.discovery.DevTimerTimer();
  ASSERT_NE(link.channel.notificationHandle(), nullptr);
  link.listener.start();
  mouse.pressDpiButton();
  EXPECT_TRUE(reReadArrives([&] { return observer.dpi == 1; }));
  mouse.pressProfileButton();
  EXPECT_TRUE(reReadArrives([&] { return observer.profile == 1; }));
  EXPECT_EQ(observer.dpi, 1);
}

TEST_F(NotificationListenerTest, StopsPromptlyWithAndWithoutADevice) {
  const auto now = [this] { return std::chrono::milliseconds(host.nowMs()); };
  link.listener.start();
  ASSERT_TRUE(host.virtualClock.awaitWaiters(1)) << "no device: the listener idles on the clock";
  auto start = now();
  stopListener();
  EXPECT_LT(now() - start, std::chrono::milliseconds(500));

  link.discovery.DevTimerTimer();
  link.listener.start();
  ASSERT_TRUE(mouse.waitForBlockedReaders(1, VirtualClock::kWaiterGuard))
      << "the listener blocks in its read";
  start = now();
  mouse.unplug();  // a blocked read must end when the device goes
  stopListener();
  EXPECT_LT(now() - start, std::chrono::milliseconds(1000));
}

}  // namespace
}  // namespace mousecfg::test
