#include <gtest/gtest.h>

#include <chrono>
#include <thread>

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

  // Runs the UI thread's posted work until `done` or two seconds have passed.
  template <typename Done>
  bool pumpUntil(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < deadline) {
      host.runPosted();
      if (done()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
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

  const auto start = std::chrono::steady_clock::now();
  listener.handleReport(report(0x42, 0x00));
  const auto waited = std::chrono::steady_clock::now() - start;
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
  EXPECT_TRUE(pumpUntil([&] { return observer.dpi == 1; }));
  mouse.pressProfileButton();
  EXPECT_TRUE(pumpUntil([&] { return observer.profile == 1; }));
  EXPECT_EQ(observer.dpi, 1);
}

TEST_F(NotificationListenerTest, StopsPromptlyWithAndWithoutADevice) {
  link.listener.start();
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  auto start = std::chrono::steady_clock::now();
  link.listener.stop();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));

  link.discovery.DevTimerTimer();
  link.listener.start();
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  start = std::chrono::steady_clock::now();
  mouse.unplug();  // a blocked read must end when the device goes
  link.listener.stop();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
}

}  // namespace
}  // namespace mousecfg::test
