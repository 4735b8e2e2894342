#pragma once

#include <array>
#include <cstdint>

namespace mousecfg {

class DeviceLink;

// A vendor and product id the program looks for; 0/0 = empty entry.
struct DeviceTableEntry {
  int vendorId = 0;
  int productId = 0;
  bool empty() const { return vendorId == 0 || productId == 0; }
};

// How the device-information step ended.
enum class DevInfoOutcome {
  CommandRefused,      // command 0x0D was not accepted
  ReplyLost,           // the reply to command 0x0D did not arrive
  ReplyIgnored,        // state, signature or chip byte not recognised
  MemoryTypeMismatch,  // the chip does not fit the built-in configuration (kDataFileTypeError)
  Kv204CheckFailed,    // a KV204 chip whose reply bytes 4..5 are not 00 1A
  IdReadFailed,        // the manufacturer and product codes could not be read
  ForeignIds,          // codes neither expected nor reserve (kForeignIds)
  ReadIncomplete,      // codes accepted, but frames of the configuration read were lost
  Accepted,            // codes accepted (and, when asked, the configuration read)
};

const char* describe(DevInfoOutcome outcome);
// Whether the outcome means frames were lost: the mouse went away or refused them, so
// nothing it said can be trusted and it is not accepted.
bool lostFrames(DevInfoOutcome outcome);
// Whether discovery keeps the mouse open after the outcome: only an accepted mouse, and
// one whose chip does not fit, which the error state holds off.
bool keptOpen(DevInfoOutcome outcome);

// Finds the mouse among the HID collections, opens the channel, follows plugging and
// unplugging, and decides whether a found device is accepted.
class Discovery {
 public:
  static constexpr int kMonitorIntervalMs = 1500;
  static constexpr int kSamples = 5;
  static constexpr int kStableSamplesNeeded = 2;
  static constexpr int kSettleSteps = 21;  // of 100 ms each
  static constexpr int kSettleStepMs = 100;
  static constexpr int kRestartStepMs = 10;
  static constexpr int kStepsBeforeRestart = 101;
  static constexpr int kStepsAfterRestart1 = 601;
  static constexpr int kStepsAfterRestart2 = 1001;
  static constexpr uint16_t kProbeVersion = 256;

  explicit Discovery(DeviceLink& link) : link_(link) {}

  int CountHidCollections();
  // Opens the channel for the first collections with these ids; true when at least one
  // collection with the ids was seen. version receives its version number.
  bool OpenDevice(int vendorId, int productId, uint16_t& version);
  // The monitor tick, run every 1500 ms while the monitor timer is enabled.
  void DevTimerTimer();
  // Forgets the device and searches the device table once; true when a device opened
  // (and was read whole, when its codes were accepted).
  bool ReFindDev();
  void RestartAndReFind();
  // Asks the opened device for its information and, when its codes are accepted and
  // readConfiguration is set, reads the configuration. The outcomes where frames were
  // lost are those lostFrames() names.
  [[nodiscard]] DevInfoOutcome ReadDevInfo(bool readConfiguration = true);
  void DeviceGone();

  int previousCount() const { return previousCount_; }
  bool busy() const { return busy_; }
  uint16_t lastVersion() const { return version_; }
  const std::array<uint8_t, 7>& lastInfoReply() const { return infoReply_; }

 private:
  enum class SearchKind { MonitorTick, ReFind };
  // Unread: found, but not accepted or lost before its read; ReadCutShort: lost in
  // the read.
  enum class SearchResult { NotFound, Found, Unread, ReadCutShort };
  SearchResult searchDeviceTable(SearchKind kind);
  SearchResult reFind();
  void forgetUnreadMouse(DevInfoOutcome outcome);
  void settle();
  void waitSteps(int steps, int stepMs);
  bool idsAccepted(int manufacturer, int product) const;

  DeviceLink& link_;
  int previousCount_ = 0;
  bool busy_ = false;
  uint16_t version_ = 0;
  std::array<uint8_t, 7> infoReply_{};
};

}  // namespace mousecfg
