#include "device/DeviceLink.h"

#include "DefaultImage.h"

namespace mousecfg {

namespace {

LinkObserver& silentObserver() {
  static LinkObserver observer;
  return observer;
}

std::string memoryTypeName(uint8_t code) {
  switch (code) {
    case image::kMemoryI2c:
      return std::string(kInterfaceI2c);
    case image::kMemoryKv204:
      return std::string(kInterfaceKv204);
    case image::kMemoryFlash:
      return std::string(kMemoryFlash);
    default:
      return {};
  }
}

}  // namespace

DeviceLink::DeviceLink(HidBackend& hidBackend, Host& programHost)
    : backend(hidBackend),
      host(programHost),
      channel(programHost),
      listener(channel, programHost, host.clock(),
               {[this] { observer().dpiButtonReleased(); },
                [this] { observer().profileButtonReleased(); }}),
      observer_(&silentObserver()) {}

void DeviceLink::setObserver(LinkObserver* observer) {
  observer_ = observer ? observer : &silentObserver();
}

BuilderInputs DeviceLink::builderInputs() const {
  return {connection.ledType, connection.interfaceType, connection.packageChoice};
}

void DeviceLink::deriveFromBuiltInImage() {
  const auto& builtIn = builtInDefaultImage();
  deviceTable[0].vendorId =
      builtIn[image::kUsbVendorIdOffset] << 8 | builtIn[image::kUsbVendorIdOffset + 1];
  deviceTable[0].productId =
      builtIn[image::kUsbProductIdOffset] << 8 | builtIn[image::kUsbProductIdOffset + 1];
  const uint8_t memory = builtIn[image::kMemoryTypeOffset];
  connection.configuredMemoryType = memoryTypeName(memory);
  if (memory == image::kMemoryI2c || memory == image::kMemoryKv204)
    connection.expectedIds = {builtIn[image::kExpectedManufacturerOffset],
                              builtIn[image::kExpectedProductOffset]};
}

ScopedFlag DeviceLink::holdBatch() {
  return ScopedFlag(batchFlag_, true, false);
}

ScopedFlag DeviceLink::holdMonitor() {
  return ScopedFlag(monitorTimerEnabled_, false, true);
}

ScopedFlag DeviceLink::holdRefreshing() {
  return ScopedFlag(refreshingFlag_, true);
}

void DeviceLink::resetFlags() {
  monitorTimerEnabled_ = false;
  batchFlag_ = false;
  errorFlag_ = false;
}

void DeviceLink::RefreshErrorAP() {
  transfer.InitNoDevice();
  errorFlag_ = true;
  observer().errorStateEntered();
  host.refreshWindow();
}

}  // namespace mousecfg
