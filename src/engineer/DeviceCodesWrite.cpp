#include "engineer/DeviceCodesWrite.h"

#include "device/DeviceLink.h"

namespace mousecfg {

namespace {

uint16_t codesAddress(const ConnectionValues& connection) {
  return static_cast<uint16_t>(connection.interfaceType == kInterfaceKv204 ? image::kKv204IdOffset
                                                                           : image::kFireKeyOffset);
}

}  // namespace

// A data frame lost in the middle of the write would shift the bytes after it onto the
// codes, and the mouse would not be recognised again; so a write that lost a frame is
// sent once more, whole. The loss is still reported.
TransferResult writeDeviceCodes(DeviceLink& link) {
  if (!link.connection.supportsStoredWrites()) return TransferResult::notStarted();
  if (link.batchFlag()) return {};
  const uint16_t address = codesAddress(link.connection);
  const TransferResult first = link.channel.BlockWrite(address, link.image.fireKey);
  if (!first.started() || first.ok()) return first;
  return first + link.channel.BlockWrite(address, link.image.fireKey);
}

}  // namespace mousecfg
