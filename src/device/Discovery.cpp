#include "device/Discovery.h"

#include "base/LanguageKeys.h"
#include "device/DeviceLink.h"

namespace mousecfg {

using namespace protocol;

const char* describe(DevInfoOutcome outcome) {
  switch (outcome) {
    case DevInfoOutcome::CommandRefused:
      return "the mouse refused the device-information command";
    case DevInfoOutcome::ReplyLost:
      return "the mouse did not answer the device-information command";
    case DevInfoOutcome::ReplyIgnored:
      return "the mouse's device information is not recognised";
    case DevInfoOutcome::MemoryTypeMismatch:
      return "the mouse's chip does not match this program's configuration";
    case DevInfoOutcome::Kv204CheckFailed:
      return "the KV204 chip did not confirm its type";
    case DevInfoOutcome::IdReadFailed:
      return "the mouse's manufacturer and product codes could not be read";
    case DevInfoOutcome::ForeignIds:
      return "the mouse carries manufacturer and product codes this program does not accept";
    case DevInfoOutcome::ReadIncomplete:
      return "the mouse stopped answering while its configuration was read";
    case DevInfoOutcome::Accepted:
      return "accepted";
  }
  return "unknown";
}

bool keptOpen(DevInfoOutcome outcome) {
  return outcome == DevInfoOutcome::Accepted || outcome == DevInfoOutcome::MemoryTypeMismatch;
}

bool lostFrames(DevInfoOutcome outcome) {
  return outcome == DevInfoOutcome::CommandRefused || outcome == DevInfoOutcome::ReplyLost ||
         outcome == DevInfoOutcome::IdReadFailed || outcome == DevInfoOutcome::ReadIncomplete;
}

int Discovery::CountHidCollections() {
  return link_.backend.countCollections();
}

bool Discovery::OpenDevice(int vendorId, int productId, uint16_t& version) {
  CommandChannel& channel = link_.channel;
  bool found = false;
  for (const HidCollectionInfo& collection : link_.backend.enumerate()) {
    if (collection.featureReportLength != static_cast<int>(kFrameLength)) continue;
    auto handle = link_.backend.open(collection.path, HidAccess::None);
    if (!handle) continue;
    const bool ours = collection.vendorId == vendorId && collection.productId == productId;
    // Only the mouse's own collections may carry its notifications; the last one wins.
    if (ours) {
      if (auto reader = link_.backend.open(collection.path, HidAccess::ReadWrite))
        channel.setNotificationHandle(std::move(reader));
    }
    if (!ours) continue;
    found = true;
    version = collection.version;
    version_ = collection.version;
    channel.vendorId_ = vendorId;
    channel.productId_ = productId;
    channel.featureReportLength_ = collection.featureReportLength;
    channel.inputReportLength_ = collection.inputReportLength;
    if (handle->setFeature(CommandChannel::deviceInfoProbe())) channel.commandHandle_ = handle;
    Frame request{kDataReport};
    if (handle->getFeature(request)) channel.dataHandle_ = handle;
  }
  return found;
}

void Discovery::waitSteps(int steps, int stepMs) {
  for (int i = 0; i < steps; ++i) link_.host.sleepProcessing(stepMs);
}

void Discovery::settle() {
  waitSteps(kSettleSteps, kSettleStepMs);
}

// The monitor skips empty table entries and treats a failed open as a removal; the
// re-find after a restart treats an empty entry as the device being gone.
Discovery::SearchResult Discovery::searchDeviceTable(SearchKind kind) {
  for (const DeviceTableEntry& entry : link_.deviceTable) {
    if (entry.empty()) {
      if (kind == SearchKind::ReFind) DeviceGone();
      continue;
    }
    version_ = kProbeVersion;
    if (OpenDevice(entry.vendorId, entry.productId, version_)) {
      link_.channel.vendorId_ = entry.vendorId;
      link_.channel.productId_ = entry.productId;
      // The window shows whatever the outcome left: the read configuration, or the
      // error state of a chip that does not fit. Any other mouse that was not read whole
      // is not kept open, so that no change is written to a mouse whose configuration
      // the window does not know.
      const DevInfoOutcome outcome = ReadDevInfo();
      if (keptOpen(outcome)) return SearchResult::Found;
      forgetUnreadMouse(outcome);
      return outcome == DevInfoOutcome::ReadIncomplete ? SearchResult::ReadCutShort
                                                       : SearchResult::Unread;
    }
    if (kind == SearchKind::MonitorTick) DeviceGone();
  }
  return SearchResult::NotFound;
}

// A mouse that could not be read whole is handled as gone: the pages keep what they
// showed before, and the mouse is read again when it is next plugged in. Only a read
// that began is told; one that fails in the device information stays as silent as
// the mouse.
void Discovery::forgetUnreadMouse(DevInfoOutcome outcome) {
  DeviceGone();
  link_.channel.closeAll();
  if (outcome == DevInfoOutcome::ReadIncomplete) link_.observer().readCutShort();
}

void Discovery::DevTimerTimer() {
  if (busy_) return;
  busy_ = true;
  int stable = 0;
  int current = 0;
  for (int sample = 0; sample < kSamples; ++sample) {
    const int first = CountHidCollections();
    current = CountHidCollections();
    if (first == current) ++stable;
  }
  if (current == previousCount_ || stable < kStableSamplesNeeded) {
    busy_ = false;
    return;
  }
  if (current < previousCount_) {
    DeviceGone();
    link_.channel.closeAll();
  } else {
    settle();
    searchDeviceTable(SearchKind::MonitorTick);
  }
  previousCount_ = current;
  busy_ = false;
}

Discovery::SearchResult Discovery::reFind() {
  link_.channel.closeAll();
  return searchDeviceTable(SearchKind::ReFind);
}

bool Discovery::ReFindDev() {
  return reFind() == SearchResult::Found;
}

void Discovery::RestartAndReFind() {
  waitSteps(kStepsBeforeRestart, kRestartStepMs);
  // The mouse leaves the bus as it takes the command, so the frame may be reported as
  // refused although it was taken: the re-find below tells whether it came back.
  (void)link_.channel.Restart();
  waitSteps(kStepsAfterRestart1, kRestartStepMs);
  waitSteps(kStepsAfterRestart2, kRestartStepMs);
  // A mouse that does not come back must not leave the monitor switched off, or a
  // later plug-in would go unnoticed.
  const SearchResult found = reFind();
  if (found == SearchResult::Found) return;
  link_.startMonitor();
  if (found != SearchResult::ReadCutShort) link_.observer().notFoundAfterRestart();
}

bool Discovery::idsAccepted(int manufacturer, int product) const {
  const IdPair ids{manufacturer, product};
  return ids == link_.connection.expectedIds || ids == link_.connection.reserveIds;
}

DevInfoOutcome Discovery::ReadDevInfo(bool readConfiguration) {
  CommandChannel& channel = link_.channel;
  ConnectionValues& connection = link_.connection;
  if (!channel.SendCommand(kCmdDeviceInfo)) return DevInfoOutcome::CommandRefused;
  if (!channel.ReceiveDataFrame()) return DevInfoOutcome::ReplyLost;
  const Payload& info = channel.reply();
  std::copy(info.begin(), info.end(), infoReply_.begin());
  if (!isAcceptedInfoState(info[kInfoState]) || info[kInfoSignature] != kInfoSignatureValue)
    return DevInfoOutcome::ReplyIgnored;

  size_t idAddress = 0;
  if (info[kInfoChip] == kChipI2c) {
    connection.interfaceType = kInterfaceI2c;
    if (connection.configuredMemoryType == kMemoryFlash ||
        connection.configuredMemoryType == kInterfaceKv204) {
      link_.host.showMessage(langkey::message::kDataFileTypeError);
      link_.RefreshErrorAP();
      return DevInfoOutcome::MemoryTypeMismatch;
    }
    idAddress = image::kFireKeyOffset;
  } else if (info[kInfoChip] == kChipKv204) {
    connection.interfaceType = kInterfaceKv204;
    if (connection.configuredMemoryType == kMemoryFlash ||
        connection.configuredMemoryType == kInterfaceI2c) {
      link_.host.showMessage(langkey::message::kDataFileTypeError);
      link_.RefreshErrorAP();
      return DevInfoOutcome::MemoryTypeMismatch;
    }
    if (info[kInfoKv204Check1] != kKv204CheckValue1 || info[kInfoKv204Check2] != kKv204CheckValue2)
      return DevInfoOutcome::Kv204CheckFailed;
    idAddress = image::kKv204IdOffset;
  } else {
    return DevInfoOutcome::ReplyIgnored;
  }

  // A refused read would leave 0xFF codes, which look like the generic 255/255 pair.
  // The codes are read aside: the fire keys shown change only for an accepted mouse.
  decltype(link_.image.fireKey) codes{};
  if (!channel.BlockRead(static_cast<uint16_t>(idAddress), codes))
    return DevInfoOutcome::IdReadFailed;
  const int manufacturer = codes[image::kFireKeyManufacturer];
  const int product = codes[image::kFireKeyProduct];
  connection.deviceIds = IdPair{manufacturer, product};

  if (!idsAccepted(manufacturer, product)) {
    link_.monitorTimerEnabled_ = false;
    if (link_.host.confirmMessage(langkey::message::kForeignIds)) link_.startMonitor();
    return DevInfoOutcome::ForeignIds;
  }
  link_.image.fireKey = codes;
  if (readConfiguration && !link_.transfer.Btn_Read()) return DevInfoOutcome::ReadIncomplete;
  return DevInfoOutcome::Accepted;
}

void Discovery::DeviceGone() {
  LinkObserver& observer = link_.observer();
  observer.hideMenus();
  link_.errorFlag_ = false;
  link_.host.processMessages();
  observer.deviceGone();
  link_.connection.interfaceType.clear();
  link_.connection.ledType.clear();
  link_.host.setOverlaysVisible(false);
  link_.host.refreshWindow();
}

}  // namespace mousecfg
