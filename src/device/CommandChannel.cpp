#include "device/CommandChannel.h"

#include <algorithm>
#include <chrono>

namespace mousecfg {

using namespace protocol;

namespace {

uint8_t high(uint16_t value) {
  return static_cast<uint8_t>(value >> 8);
}
uint8_t low(uint16_t value) {
  return static_cast<uint8_t>(value & 0xFF);
}

size_t frameCount(size_t length, size_t perFrame) {
  return (length + perFrame - 1) / perFrame;
}

}  // namespace

void CommandChannel::setNotificationHandle(std::shared_ptr<HidHandle> handle) {
  {
    std::lock_guard lock(notificationMutex_);
    notificationHandle_ = std::move(handle);
  }
  host_.clock().wakeWaiters();
}

std::shared_ptr<HidHandle> CommandChannel::waitForNotificationHandle(
    int timeoutMs, const std::atomic<bool>& stop) {
  host_.clock().waitFor(timeoutMs, [&] { return notificationHandle() != nullptr || stop; });
  return notificationHandle();
}

void CommandChannel::wakeNotificationWaiters() {
  host_.clock().wakeWaiters();
}

std::shared_ptr<HidHandle> CommandChannel::notificationHandle() const {
  std::lock_guard lock(notificationMutex_);
  return notificationHandle_;
}

void CommandChannel::closeAll() {
  vendorId_ = 0;
  productId_ = 0;
  commandHandle_.reset();
  dataHandle_.reset();
  setNotificationHandle(nullptr);
}

Frame CommandChannel::deviceInfoProbe() {
  return {kCommandReport, kCmdDeviceInfo};
}

TransferResult CommandChannel::sendCommandFrame(const Frame& frame) {
  if (!commandHandle_) return TransferResult::notStarted();
  return TransferResult::ofFrame(commandHandle_->setFeature(frame));
}

TransferResult CommandChannel::SendCommand(uint8_t code, uint8_t p1, uint8_t p2, uint8_t p3,
                                           uint8_t p4) {
  return sendCommandFrame({kCommandReport, code, p1, p2, p3, p4, 0, 0});
}

TransferResult CommandChannel::SendDataFrame(const Payload& data) {
  if (!dataHandle_) return TransferResult::notStarted();
  Frame frame{kDataReport};
  std::copy(data.begin(), data.end(), frame.begin() + 1);
  const bool sent = dataHandle_->setFeature(frame);
  return TransferResult::ofFrame(sent);
}

TransferResult CommandChannel::ReceiveDataFrame() {
  reply_.fill(0xFF);
  if (!dataHandle_) return TransferResult::notStarted();
  Frame frame{kDataReport};
  const bool answered = dataHandle_->getFeature(frame);
  if (answered) std::copy(frame.begin() + 1, frame.end(), reply_.begin());
  return TransferResult::ofFrame(answered);
}

void CommandChannel::showProgressAndPump() {
  host_.showProgress();
  host_.processMessages();
}

// Long writes reuse one staging buffer, filled with 0xFF once: a short last frame
// therefore repeats the tail of the frame before it, as the mouse has always seen.
TransferResult CommandChannel::BlockWrite(uint16_t address, std::span<const uint8_t> data) {
  if (!commandHandle_ || !dataHandle_ || data.size() > 0xFFFF) return TransferResult::notStarted();
  Payload staging;
  staging.fill(0xFF);
  const auto length = static_cast<uint16_t>(data.size());
  TransferResult result =
      SendCommand(kCmdBlockWrite, high(address), low(address), high(length), low(length));
  if (!result) return watched(result);
  for (size_t offset = 0; offset < data.size(); offset += kPayloadLength) {
    showProgressAndPump();
    const size_t count = std::min(kPayloadLength, data.size() - offset);
    std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(offset), count, staging.begin());
    result += SendDataFrame(staging);
  }
  return watched(result);
}

TransferResult CommandChannel::watched(TransferResult written) const {
  if (writeWatcher_ && written.started()) writeWatcher_(written);
  return written;
}

TransferResult CommandChannel::readFrames(std::span<uint8_t> out, bool withProgress) {
  TransferResult result;
  for (size_t offset = 0; offset < out.size(); offset += kPayloadLength) {
    if (withProgress) showProgressAndPump();
    result += ReceiveDataFrame();
    const size_t count = std::min(kPayloadLength, out.size() - offset);
    std::copy_n(reply_.begin(), count, out.begin() + static_cast<std::ptrdiff_t>(offset));
  }
  return result;
}

TransferResult CommandChannel::BlockRead(uint16_t address, std::span<uint8_t> out) {
  std::fill(out.begin(), out.end(), 0xFF);
  if (!commandHandle_ || !dataHandle_ || out.size() > 0xFFFF) return TransferResult::notStarted();
  const auto length = static_cast<uint16_t>(out.size());
  TransferResult result =
      SendCommand(kCmdBlockRead, high(address), low(address), high(length), low(length));
  if (!result) return result;
  return result + readFrames(out, false);
}

TransferResult CommandChannel::BlockReadWithProgress(uint16_t address, std::span<uint8_t> out) {
  if (!commandHandle_ || !dataHandle_ || out.size() > 0xFFFF) return TransferResult::notStarted();
  const auto length = static_cast<uint16_t>(out.size());
  TransferResult result =
      SendCommand(kCmdBlockRead, high(address), low(address), high(length), low(length));
  if (!result) return result;
  return result + readFrames(out, true);
}

TransferResult CommandChannel::DirectWriteBytes(uint8_t address, uint8_t d0, uint8_t d1, uint8_t d2,
                                                uint8_t count) {
  if (!commandHandle_) return TransferResult::notStarted();
  showProgressAndPump();
  const TransferResult sent = sendCommandFrame(
      {kCommandReport, kCmdDirectWrite, kDirectWriteUpToThree, address, count > 0 ? d0 : uint8_t{0},
       count > 1 ? d1 : uint8_t{0}, count > 2 ? d2 : uint8_t{0}, count});
  host_.hideProgress();
  return watched(sent);
}

TransferResult CommandChannel::DirectWriteFour(uint8_t address, uint8_t d0, uint8_t d1, uint8_t d2,
                                               uint8_t d3) {
  if (!commandHandle_) return TransferResult::notStarted();
  showProgressAndPump();
  const TransferResult sent = sendCommandFrame(
      {kCommandReport, kCmdDirectWrite, kDirectWriteFour, address, d0, d1, d2, d3});
  host_.hideProgress();
  return watched(sent);
}

TransferResult CommandChannel::DirectWriteRange(uint8_t start, std::span<const uint8_t> data) {
  if (!commandHandle_) return TransferResult::notStarted();
  TransferResult result;
  std::array<uint8_t, kDirectWriteMaxShort> staging;
  staging.fill(0xFF);
  const size_t frames = frameCount(data.size(), kDirectWriteMaxShort);
  for (size_t i = 0; i < frames; ++i) {
    showProgressAndPump();
    const size_t offset = i * kDirectWriteMaxShort;
    const size_t count = std::min<size_t>(kDirectWriteMaxShort, data.size() - offset);
    std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(offset), count, staging.begin());
    const auto address = static_cast<uint8_t>(start + offset);  // one-byte address wraps
    result += sendCommandFrame({kCommandReport, kCmdDirectWrite, kDirectWriteUpToThree, address,
                                staging[0], staging[1], staging[2], static_cast<uint8_t>(count)});
  }
  return watched(result);
}

TransferResult CommandChannel::DirectRead(uint8_t space, uint8_t address, std::span<uint8_t> out) {
  std::fill(out.begin(), out.end(), 0xFF);
  if (!commandHandle_ || !dataHandle_ || out.size() > 0xFF) return TransferResult::notStarted();
  const auto length = static_cast<uint8_t>(out.size());
  TransferResult result =
      sendCommandFrame({kCommandReport, kCmdDirectRead, space, address, 0, length, 0, 0});
  if (!result) return result;
  return result + readFrames(out, false);
}

TransferResult CommandChannel::ExtendedWrite(uint16_t address, uint8_t value) {
  return watched(SendCommand(kCmdExtendedWrite, high(address), low(address), value));
}

std::optional<uint8_t> CommandChannel::ExtendedRead(uint16_t address) {
  if (!commandHandle_ || !dataHandle_) return std::nullopt;
  if (!SendCommand(kCmdExtendedRead, high(address), low(address), 0, 1)) return std::nullopt;
  if (!ReceiveDataFrame()) return std::nullopt;
  return reply_[0];
}

TransferResult CommandChannel::Restart() {
  return SendCommand(kCmdRestart);
}

}  // namespace mousecfg
