#include "device/SimulatedMouse.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>
#include <utility>

#include "DefaultImage.h"
#include "base/HexText.h"
#include "device/SimulatedFirmware.h"
#include "device/StoredBlockFile.h"

namespace mousecfg {

using namespace protocol;

namespace {

using Frame = SimulatedFirmware::Frame;
using InfoReply = SimulatedFirmware::InfoReply;

enum class Role { Mouse, Keyboard, Vendor, VendorCommand, VendorData, Unrelated, Phantom };

constexpr const char* kMousePath = "sim:mouse";
constexpr const char* kKeyboardPath = "sim:keyboard";
constexpr const char* kVendorPath = "sim:vendor";
constexpr const char* kVendorCommandPath = "sim:vendor-command";
constexpr const char* kVendorDataPath = "sim:vendor-data";
constexpr const char* kUnrelatedPath = "sim:other";
constexpr const char* kPhantomPath = "sim:phantom";

constexpr uint16_t kUnrelatedVendorId = 0x1D57;
constexpr uint16_t kUnrelatedProductId = 0xAC01;
constexpr uint16_t kPhantomProductId = 0xAC02;
constexpr int kMouseInputLength = 8;
constexpr int kKeyboardInputLength = 9;
constexpr int kVendorReportLength = 8;
constexpr uint32_t kGarbageSeed = 0x5EED;
constexpr size_t kTraceCapacity = 1'000'000;

bool speaksProtocol(Role role) {
  return role == Role::Vendor || role == Role::VendorCommand || role == Role::VendorData;
}

struct Collection {
  Role role;
  HidCollectionInfo info;
};

InfoReply deviceInfoFor(SimulatedMouse::Chip chip) {
  InfoReply reply{};
  reply[kInfoState] = 0x00;
  reply[kInfoSignature] = kInfoSignatureValue;
  if (chip == SimulatedMouse::Chip::I2c) {
    reply[kInfoChip] = kChipI2c;
  } else {
    reply[kInfoChip] = kChipKv204;
    reply[kInfoKv204Check1] = kKv204CheckValue1;
    reply[kInfoKv204Check2] = kKv204CheckValue2;
  }
  return reply;
}

int64_t steadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

Frame pressReport(uint8_t event) {
  Frame report{kNotificationReport};
  report[kNotificationEventByte] = event;
  return report;
}

}  // namespace

struct SimulatedMouse::State {
  State(Options opts, Clock clk, const SimulatedFirmware::Block& block)
      : options(std::move(opts)), clock(std::move(clk)), firmware(block), chip(options.chip) {
    firmware.setDeviceInfo(deviceInfoFor(chip));
  }

  struct TraceEntry {
    char direction;
    Frame frame;
  };

  std::mutex mutex;
  std::condition_variable inputChanged;
  Options options;
  Clock clock;
  SimulatedFirmware firmware;
  Chip chip;

  bool plugged = true;
  bool unrelatedPresent = false;
  bool destroyed = false;
  std::optional<int64_t> backOnBusAtMs;  // set while restarting
  uint64_t session = 0;                  // bumped whenever the mouse leaves the bus
  int restarts = 0;
  std::deque<Frame> inputQueue;
  int blockedReaders = 0;  // readInput calls waiting for a report

  bool refuseAll = false;
  bool refuseCommands = false;
  std::optional<int> framesBeforeUnplug;
  std::optional<int> framesBeforeRefusal;
  std::optional<int> framesBeforeGarbage;
  int framesSeen = 0;
  bool garbage = false;
  std::minstd_rand garbageRng{kGarbageSeed};
  int latencyMicros = 0;
  int flickerEnumerations = 0;

  std::deque<TraceEntry> traceEntries;
  std::function<void(const std::string&)> traceSink;

  std::string blockFile;  // where the stored block is saved; empty: nowhere
  std::function<void(const std::string&)> blockFileErrorSink;
  std::string reportedSaveError;

  // All members below expect the mutex to be held.

  void updateBus() {
    if (backOnBusAtMs && clock() >= *backOnBusAtMs) backOnBusAtMs.reset();
  }
  bool onBus() const { return plugged && !backOnBusAtMs && !destroyed; }

  bool alive(Role role, uint64_t handleSession) {
    updateBus();
    if (destroyed) return false;
    if (role == Role::Phantom) return true;
    if (role == Role::Unrelated) return unrelatedPresent;
    return onBus() && handleSession == session;
  }

  void leaveBus() {
    ++session;
    inputQueue.clear();
    inputChanged.notify_all();
  }
  void unplugNow() {
    plugged = false;
    framesBeforeUnplug.reset();
    leaveBus();
  }
  void restartNow() {
    ++restarts;
    backOnBusAtMs = clock() + options.restartDelayMs;
    leaveBus();
  }

  std::vector<Collection> collections(bool withPhantom) {
    std::vector<Collection> list;
    if (onBus()) {
      auto add = [&](Role role, const char* path, int featureLength, int inputLength) {
        list.push_back({role,
                        {path, options.vendorId, options.productId, options.version, featureLength,
                         inputLength}});
      };
      add(Role::Mouse, kMousePath, 0, kMouseInputLength);
      add(Role::Keyboard, kKeyboardPath, 0, kKeyboardInputLength);
      if (options.splitCommandAndData) {
        add(Role::VendorCommand, kVendorCommandPath, kVendorReportLength, kVendorReportLength);
        add(Role::VendorData, kVendorDataPath, kVendorReportLength, kVendorReportLength);
      } else {
        add(Role::Vendor, kVendorPath, kVendorReportLength, kVendorReportLength);
      }
    }
    if (unrelatedPresent) {
      list.push_back({Role::Unrelated,
                      {kUnrelatedPath, kUnrelatedVendorId, kUnrelatedProductId, 0x0100,
                       options.unrelatedFeatureReportLength, kMouseInputLength}});
    }
    if (withPhantom) {
      list.push_back(
          {Role::Phantom, {kPhantomPath, kUnrelatedVendorId, kPhantomProductId, 0x0100, 0, 0}});
    }
    return list;
  }

  void record(char direction, const Frame& frame) {
    if (traceEntries.size() >= kTraceCapacity) traceEntries.pop_front();
    traceEntries.push_back({direction, frame});
    if (traceSink) traceSink(formatTraceLine(direction, frame));
  }

  // Other processes share the block file, as other programs share a real mouse: a
  // device opened again shows what the file holds now.
  void reloadFromFile() {
    if (blockFile.empty()) return;
    const StoredBlockFileContents file = readStoredBlockFile(blockFile);
    if (file.block) firmware.setStored(*file.block);
  }
  void saveIfChanged() {
    if (firmware.takeStoredChanged()) save(firmware.stored());
  }
  void save(std::span<const uint8_t> block) {
    if (blockFile.empty()) return;
    const FileWritten written = saveStoredBlockFile(blockFile, block);
    if (written) {
      reportedSaveError.clear();
    } else if (written.error != reportedSaveError) {
      reportedSaveError = written.error;
      if (blockFileErrorSink)
        blockFileErrorSink("the simulated mouse could not save its stored block: " + written.error);
    }
  }

  // Counts a frame towards a pending unplug; false when the mouse is already gone.
  bool countFrame() {
    ++framesSeen;
    countTowardsGarbage();
    if (!framesBeforeUnplug) return true;
    if (*framesBeforeUnplug <= 0) {
      unplugNow();
      return false;
    }
    --*framesBeforeUnplug;
    return true;
  }
  void countTowardsGarbage() {
    if (!framesBeforeGarbage) return;
    if (*framesBeforeGarbage > 0) {
      --*framesBeforeGarbage;
      return;
    }
    framesBeforeGarbage.reset();
    garbage = true;
    garbageRng.seed(kGarbageSeed);
  }
  // Counts a frame towards a pending single refusal; true for the frame that is refused.
  bool refusesThisFrame() {
    if (!framesBeforeRefusal) return false;
    if (*framesBeforeRefusal > 0) {
      --*framesBeforeRefusal;
      return false;
    }
    framesBeforeRefusal.reset();
    return true;
  }
  void unplugIfDue() {
    if (framesBeforeUnplug && *framesBeforeUnplug <= 0) unplugNow();
  }

  bool setFeature(Role role, const Frame& frame) {
    if (refuseAll || refusesThisFrame()) return false;
    if (frame[0] == kCommandReport) {
      if (refuseCommands || role == Role::VendorData) return false;
      if (!firmware.command(frame)) return false;
      record('S', frame);
      if (frame[1] == kCmdRestart) restartNow();
    } else if (frame[0] == kDataReport) {
      if (role == Role::VendorCommand) return false;
      firmware.dataFrame(frame);
      record('S', frame);
    } else {
      return false;
    }
    saveIfChanged();
    return true;
  }

  std::optional<Frame> getFeature(Role role, uint8_t reportId) {
    if (refuseAll || reportId != kDataReport || role == Role::VendorCommand) return std::nullopt;
    if (refusesThisFrame()) return std::nullopt;
    Frame reply = firmware.reply();
    if (garbage) {
      for (size_t i = 1; i < reply.size(); ++i) reply[i] = static_cast<uint8_t>(garbageRng());
    }
    record('G', reply);
    return reply;
  }

  void queueButton(uint8_t event) {
    inputQueue.push_back(pressReport(event));
    inputQueue.push_back(pressReport(kEventButtonsReleased));
    inputChanged.notify_all();
  }
};

namespace {

class SimulatedHandle final : public HidHandle {
 public:
  SimulatedHandle(std::shared_ptr<SimulatedMouse::State> state, Role role, HidAccess access,
                  uint64_t session)
      : state_(std::move(state)), role_(role), access_(access), session_(session) {}

  bool setFeature(std::span<const uint8_t> report) override {
    if (report.size() != kFrameLength || !enterFrame()) return false;
    Frame frame;
    std::copy(report.begin(), report.end(), frame.begin());
    std::lock_guard lock(state_->mutex);
    if (!state_->alive(role_, session_) || !state_->countFrame()) return false;
    const bool accepted = state_->setFeature(role_, frame);
    state_->unplugIfDue();
    return accepted;
  }

  bool getFeature(std::span<uint8_t> report) override {
    if (report.size() != kFrameLength || !enterFrame()) return false;
    std::lock_guard lock(state_->mutex);
    if (!state_->alive(role_, session_) || !state_->countFrame()) return false;
    const std::optional<Frame> reply = state_->getFeature(role_, report[0]);
    state_->unplugIfDue();
    if (!reply) return false;
    std::copy(reply->begin(), reply->end(), report.begin());
    return true;
  }

  int readInput(std::span<uint8_t> buffer, int timeoutMs) override {
    if (buffer.empty() || access_ != HidAccess::ReadWrite) return -1;
    std::unique_lock lock(state_->mutex);
    auto ready = [&] {
      return !state_->alive(role_, session_) || readCancelled_ ||
             (speaksProtocol(role_) && !state_->inputQueue.empty());
    };
    ++state_->blockedReaders;
    state_->inputChanged.notify_all();
    if (timeoutMs < 0) {
      state_->inputChanged.wait(lock, ready);
    } else {
      state_->inputChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
    }
    --state_->blockedReaders;
    if (std::exchange(readCancelled_, false)) return 0;
    if (!state_->alive(role_, session_)) return -1;
    if (!speaksProtocol(role_) || state_->inputQueue.empty()) return 0;
    const Frame report = state_->inputQueue.front();
    state_->inputQueue.pop_front();
    state_->record('I', report);
    const size_t length = std::min(buffer.size(), report.size());
    std::copy_n(report.begin(), length, buffer.begin());
    return static_cast<int>(length);
  }

  void cancelRead() override {
    std::lock_guard lock(state_->mutex);
    readCancelled_ = true;
    state_->inputChanged.notify_all();
  }

 private:
  // Checks that the frame can reach the mouse and waits out the configured latency
  // (real time, outside the lock so the listener keeps reading meanwhile).
  bool enterFrame() {
    int latency = 0;
    {
      std::lock_guard lock(state_->mutex);
      if (!speaksProtocol(role_) || !state_->alive(role_, session_)) return false;
      latency = state_->latencyMicros;
    }
    if (latency > 0) std::this_thread::sleep_for(std::chrono::microseconds(latency));
    return true;
  }

  std::shared_ptr<SimulatedMouse::State> state_;
  Role role_;
  HidAccess access_;
  uint64_t session_;
  bool readCancelled_ = false;  // guarded by the state's mutex
};

StoredBlockFileContents initialBlock(const std::string& persistPath) {
  if (persistPath.empty()) return {};
  return readStoredBlockFile(persistPath);
}

}  // namespace

SimulatedMouse::SimulatedMouse() : SimulatedMouse(Options{}) {}

SimulatedMouse::SimulatedMouse(Options options, Clock clock) {
  if (!clock) clock = steadyMilliseconds;
  const StoredBlockFileContents file = initialBlock(options.persistPath);
  blockFileProblem_ = file.problem;
  const std::string blockFile = file.problem.empty() ? options.persistPath : std::string();
  state_ = std::make_shared<State>(std::move(options), std::move(clock),
                                   file.block.value_or(builtInDefaultImage()));
  state_->blockFile = blockFile;
}

SimulatedMouse::~SimulatedMouse() {
  std::lock_guard lock(state_->mutex);
  state_->destroyed = true;
  state_->inputChanged.notify_all();
}

std::vector<HidCollectionInfo> SimulatedMouse::enumerate() {
  std::lock_guard lock(state_->mutex);
  state_->updateBus();
  const bool flicker = state_->flickerEnumerations > 0;
  if (flicker) --state_->flickerEnumerations;
  std::vector<HidCollectionInfo> infos;
  for (auto& collection : state_->collections(flicker)) infos.push_back(collection.info);
  return infos;
}

std::shared_ptr<HidHandle> SimulatedMouse::open(const std::string& path, HidAccess access) {
  std::lock_guard lock(state_->mutex);
  state_->updateBus();
  state_->reloadFromFile();
  for (auto& collection : state_->collections(true)) {
    if (collection.info.path == path)
      return std::make_shared<SimulatedHandle>(state_, collection.role, access, state_->session);
  }
  return nullptr;
}

std::array<uint8_t, 2048> SimulatedMouse::storedBlock() const {
  std::lock_guard lock(state_->mutex);
  return state_->firmware.stored();
}

void SimulatedMouse::setStoredBlock(std::span<const uint8_t, 2048> block) {
  std::lock_guard lock(state_->mutex);
  SimulatedFirmware::Block copy;
  std::copy(block.begin(), block.end(), copy.begin());
  state_->firmware.setStored(copy);
  state_->save(copy);
}

void SimulatedMouse::setBlockFileErrorSink(std::function<void(const std::string&)> sink) {
  std::lock_guard lock(state_->mutex);
  state_->blockFileErrorSink = std::move(sink);
}

std::array<uint8_t, 256> SimulatedMouse::workingParameters() const {
  std::lock_guard lock(state_->mutex);
  return state_->firmware.working();
}

uint8_t SimulatedMouse::extendedByte(uint16_t address) const {
  std::lock_guard lock(state_->mutex);
  return state_->firmware.extendedByte(address);
}

int SimulatedMouse::restartCount() const {
  std::lock_guard lock(state_->mutex);
  return state_->restarts;
}

void SimulatedMouse::setDeviceInfoReply(std::array<uint8_t, 7> reply) {
  std::lock_guard lock(state_->mutex);
  state_->firmware.setDeviceInfo(reply);
}

void SimulatedMouse::setChip(Chip chip) {
  std::lock_guard lock(state_->mutex);
  state_->chip = chip;
  state_->firmware.setDeviceInfo(deviceInfoFor(chip));
}

void SimulatedMouse::plug() {
  std::lock_guard lock(state_->mutex);
  if (state_->plugged) return;
  state_->plugged = true;
  state_->firmware.restart();
}

void SimulatedMouse::unplug() {
  std::lock_guard lock(state_->mutex);
  if (state_->plugged) state_->unplugNow();
}

bool SimulatedMouse::isPlugged() const {
  std::lock_guard lock(state_->mutex);
  state_->updateBus();
  return state_->onBus();
}

void SimulatedMouse::plugUnrelatedDevice(bool present) {
  std::lock_guard lock(state_->mutex);
  state_->unrelatedPresent = present;
}

void SimulatedMouse::pressDpiButton() {
  std::lock_guard lock(state_->mutex);
  state_->updateBus();
  if (!state_->onBus()) return;
  state_->firmware.nextDpiLevel();
  state_->saveIfChanged();
  state_->queueButton(kEventDpi1);
}

void SimulatedMouse::pressProfileButton() {
  std::lock_guard lock(state_->mutex);
  state_->updateBus();
  if (!state_->onBus()) return;
  state_->firmware.toggleProfile();
  state_->saveIfChanged();
  state_->queueButton(kEventProfile);
}

void SimulatedMouse::refuseFrames(bool refuse) {
  std::lock_guard lock(state_->mutex);
  state_->refuseAll = refuse;
}

void SimulatedMouse::refuseCommandFrames(bool refuse) {
  std::lock_guard lock(state_->mutex);
  state_->refuseCommands = refuse;
}

void SimulatedMouse::refuseOneFrameAfter(int frames) {
  std::lock_guard lock(state_->mutex);
  if (frames < 0)
    state_->framesBeforeRefusal.reset();
  else
    state_->framesBeforeRefusal = frames;
}

void SimulatedMouse::unplugAfterFrames(int frames) {
  std::lock_guard lock(state_->mutex);
  if (frames < 0) {
    state_->framesBeforeUnplug.reset();
  } else if (frames == 0) {
    if (state_->plugged) state_->unplugNow();
  } else {
    state_->framesBeforeUnplug = frames;
  }
}

void SimulatedMouse::setGarbageReplies(bool garbage) {
  std::lock_guard lock(state_->mutex);
  state_->garbage = garbage;
  state_->garbageRng.seed(kGarbageSeed);
}

int SimulatedMouse::framesSeen() const {
  std::lock_guard lock(state_->mutex);
  return state_->framesSeen;
}

void SimulatedMouse::garbageRepliesAfterFrames(int frames) {
  std::lock_guard lock(state_->mutex);
  if (frames < 0)
    state_->framesBeforeGarbage.reset();
  else
    state_->framesBeforeGarbage = frames;
}

void SimulatedMouse::setLatencyMicroseconds(int micros) {
  std::lock_guard lock(state_->mutex);
  state_->latencyMicros = micros;
}

void SimulatedMouse::flickerCollectionCount(int enumerations) {
  std::lock_guard lock(state_->mutex);
  state_->flickerEnumerations = enumerations;
}

std::vector<std::string> SimulatedMouse::trace() const {
  std::lock_guard lock(state_->mutex);
  std::vector<std::string> lines;
  lines.reserve(state_->traceEntries.size());
  for (const auto& entry : state_->traceEntries)
    lines.push_back(formatTraceLine(entry.direction, entry.frame));
  return lines;
}

void SimulatedMouse::clearTrace() {
  std::lock_guard lock(state_->mutex);
  state_->traceEntries.clear();
}

bool SimulatedMouse::waitForBlockedReaders(int count, std::chrono::milliseconds timeout) {
  std::unique_lock lock(state_->mutex);
  return state_->inputChanged.wait_for(lock, timeout,
                                       [&] { return state_->blockedReaders >= count; });
}

void SimulatedMouse::setTraceSink(std::function<void(const std::string&)> sink) {
  std::lock_guard lock(state_->mutex);
  state_->traceSink = std::move(sink);
}

std::string formatTraceLine(char direction, std::span<const uint8_t> frame) {
  std::string line(1, direction);
  if (!frame.empty()) line += ' ' + hexBytes(frame);
  return line;
}

}  // namespace mousecfg
