#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>

#include "base/Host.h"
#include "device/HidBackend.h"
#include "device/Protocol.h"
#include "device/TransferResult.h"

namespace mousecfg {

using Frame = std::array<uint8_t, protocol::kFrameLength>;
using Payload = std::array<uint8_t, protocol::kPayloadLength>;

// The byte-level channel to the mouse: the open handles and every frame the program
// sends. It knows nothing of what the bytes mean. Every operation tests its handle
// first and fails at once, touching nothing, when no device is open; otherwise it sends
// every frame it has and reports how many the mouse refused (the mouse may answer the
// next frame, and the frames it is sent do not depend on the answers).
class CommandChannel {
 public:
  explicit CommandChannel(Host& host) : host_(host) {}

  // Connection state; only discovery opens and fills it.
  int vendorId() const { return vendorId_; }
  int productId() const { return productId_; }
  int featureReportLength() const { return featureReportLength_; }
  int inputReportLength() const { return inputReportLength_; }
  const HidHandle* commandHandle() const { return commandHandle_.get(); }
  const HidHandle* dataHandle() const { return dataHandle_.get(); }

  // The notification handle is read by the listener thread, so it is guarded.
  void setNotificationHandle(std::shared_ptr<HidHandle> handle);
  std::shared_ptr<HidHandle> notificationHandle() const;
  // Waits until a notification handle is set, `stop` is raised (and the waiters woken)
  // or the time is up on the host's clock, without spinning.
  std::shared_ptr<HidHandle> waitForNotificationHandle(int timeoutMs,
                                                       const std::atomic<bool>& stop);
  // Wakes every waiter (used when the listener stops).
  void wakeNotificationWaiters();

  // Forgets the device: ids 0, all three handles invalid.
  void closeAll();
  bool isOpen() const { return commandHandle_ && dataHandle_; }

  // Told the result of every write the mouse is sent, so that the window can say when one
  // was refused. The restart is not a write: the mouse may refuse it as it leaves the bus.
  void setWriteWatcher(std::function<void(const TransferResult&)> watcher) {
    writeWatcher_ = std::move(watcher);
  }

  TransferResult SendCommand(uint8_t code, uint8_t p1 = 0, uint8_t p2 = 0, uint8_t p3 = 0,
                             uint8_t p4 = 0);
  TransferResult SendDataFrame(const Payload& data);
  // Fills the reply buffer with 0xFF, then with the device's data frame when it answers.
  TransferResult ReceiveDataFrame();
  const Payload& reply() const { return reply_; }

  TransferResult BlockWrite(uint16_t address, std::span<const uint8_t> data);
  // A read whose command was refused leaves `out` as 0xFF.
  TransferResult BlockRead(uint16_t address, std::span<uint8_t> out);
  TransferResult BlockReadWithProgress(uint16_t address, std::span<uint8_t> out);
  TransferResult DirectWriteBytes(uint8_t address, uint8_t d0, uint8_t d1, uint8_t d2,
                                  uint8_t count);
  TransferResult DirectWriteFour(uint8_t address, uint8_t d0, uint8_t d1, uint8_t d2, uint8_t d3);
  TransferResult DirectWriteRange(uint8_t start, std::span<const uint8_t> data);
  TransferResult DirectRead(uint8_t space, uint8_t address, std::span<uint8_t> out);
  TransferResult ExtendedWrite(uint16_t address, uint8_t value);
  // Byte 0 of the answering data frame; nullopt when the command was refused.
  std::optional<uint8_t> ExtendedRead(uint16_t address);
  TransferResult Restart();

  // The device-information probe sent while opening a collection.
  static Frame deviceInfoProbe();

 private:
  friend class Discovery;

  TransferResult sendCommandFrame(const Frame& frame);
  TransferResult readFrames(std::span<uint8_t> out, bool withProgress);
  void showProgressAndPump();
  TransferResult watched(TransferResult written) const;

  Host& host_;
  int vendorId_ = 0;
  int productId_ = 0;
  int featureReportLength_ = 0;
  int inputReportLength_ = 0;
  std::shared_ptr<HidHandle> commandHandle_;  // null = invalid
  std::shared_ptr<HidHandle> dataHandle_;     // null = invalid
  Payload reply_{};
  mutable std::mutex notificationMutex_;
  std::shared_ptr<HidHandle> notificationHandle_;
  std::function<void(const TransferResult&)> writeWatcher_;
};

}  // namespace mousecfg
