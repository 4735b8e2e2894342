#include "device/NotificationListener.h"

#include <pthread.h>
#include <sched.h>

#include <array>
#include <vector>

#include "base/Clock.h"
#include "base/Host.h"
#include "device/CommandChannel.h"
#include "device/Protocol.h"

namespace mousecfg {

using namespace protocol;

NotificationListener::NotificationListener(CommandChannel& channel, Host& host, Clock& clock,
                                           Actions actions)
    : channel_(channel), host_(host), clock_(clock), actions_(std::move(actions)) {}

NotificationListener::~NotificationListener() {
  stop();
}

void NotificationListener::start() {
  if (thread_.joinable()) return;
  stopping_ = false;
  thread_ = std::thread([this] { run(); });
  // Below normal priority: the listener must never compete with the window.
  sched_param param{};
  pthread_setschedparam(thread_.native_handle(), SCHED_IDLE, &param);
}

void NotificationListener::stop() {
  stopping_ = true;
  clock_.wakeWaiters();
  channel_.wakeNotificationWaiters();
  if (auto handle = channel_.notificationHandle()) handle->cancelRead();
  if (thread_.joinable()) thread_.join();
}

bool NotificationListener::dpiPending(uint8_t code) const {
  switch (code) {
    case kEventDpi1:
      return dpiPending1_;
    case kEventDpi2:
      return dpiPending2_;
    case kEventDpi4:
      return dpiPending4_;
    default:
      return false;
  }
}

void NotificationListener::waitInterruptibly(int ms) {
  clock_.waitFor(ms, [this] { return stopping_.load(); });
}

void NotificationListener::run() {
  std::vector<uint8_t> report;
  while (!stopping_) {
    auto handle = channel_.waitForNotificationHandle(kIdleWaitMs, stopping_);
    if (!handle || stopping_) continue;
    const int length = channel_.inputReportLength() > 0 ? channel_.inputReportLength()
                                                        : static_cast<int>(kFrameLength);
    report.assign(static_cast<size_t>(length), 0);
    const int got = handle->readInput(report, kReadTimeoutMs);
    if (got > 0) {
      report.resize(static_cast<size_t>(got));
      handleReport(report);
    } else if (got < 0) {
      // The device is gone but its handle not yet dropped: wait for the monitor.
      waitInterruptibly(kReadTimeoutMs);
    }
  }
}

void NotificationListener::handleReport(std::span<const uint8_t> report) {
  if (report.size() <= kNotificationEventByte || report[0] != kNotificationReport) return;
  switch (report[kNotificationEventByte]) {
    case kEventDpi1:
      dpiPending1_ = true;
      break;
    case kEventDpi2:
      dpiPending2_ = true;
      break;
    case kEventDpi4:
      dpiPending4_ = true;
      break;
    case kEventProfile:
      profilePending_ = true;
      break;
    case kEventButtonsReleased:
      releaseButtons();
      break;
    default:
      break;
  }
}

void NotificationListener::releaseButtons() {
  for (std::atomic<bool>* flag : {&dpiPending1_, &dpiPending2_, &dpiPending4_}) {
    if (!*flag) continue;
    waitInterruptibly(kReReadDelayMs);
    if (actions_.dpiButtonReleased) host_.postToUi(actions_.dpiButtonReleased);
    *flag = false;
  }
  if (profilePending_) {
    waitInterruptibly(kReReadDelayMs);
    if (actions_.profileButtonReleased) host_.postToUi(actions_.profileButtonReleased);
    profilePending_ = false;
  }
}

}  // namespace mousecfg
