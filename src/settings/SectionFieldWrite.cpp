#include "settings/SectionFieldWrite.h"

#include <algorithm>

#include "device/DeviceLink.h"

namespace mousecfg {

using namespace image;

namespace {

template <size_t N>
void storeInto(std::array<uint8_t, N>& section, size_t offset, std::span<const uint8_t> bytes) {
  if (offset >= N - 1) return;  // the checksum byte is never a field
  const size_t count = std::min(bytes.size(), N - 1 - offset);
  std::copy_n(bytes.begin(), count, section.begin() + static_cast<std::ptrdiff_t>(offset));
}

template <size_t N>
TransferResult sendFrom(DeviceLink& link, const std::array<uint8_t, N>& section,
                        size_t sectionOffset, size_t offset, size_t length) {
  if (offset + length > N) return TransferResult::notStarted();
  if (link.batchFlag()) return {};
  return link.transfer.writeField(static_cast<uint8_t>(sectionOffset + offset),
                                  std::span(section).subspan(offset, length));
}

}  // namespace

void storeVendorBytes(DeviceLink& link, size_t offset, std::span<const uint8_t> bytes) {
  storeInto(link.image.vendor, offset, bytes);
  link.image.UpdateVendorChecksum();
}

void storeUserBytes(DeviceLink& link, size_t index, std::span<const uint8_t> bytes) {
  storeInto(link.image.user, index, bytes);
  link.image.UpdateUserChecksum();
}

TransferResult sendVendorBytes(DeviceLink& link, size_t offset, size_t length) {
  return sendFrom(link, link.image.vendor, kVendorOffset, offset, length);
}

TransferResult sendUserBytes(DeviceLink& link, size_t index, size_t length) {
  return sendFrom(link, link.image.user, kUserOffset, index, length);
}

TransferResult sendVendorChecksum(DeviceLink& link) {
  return sendVendorBytes(link, kVendorLength - 1, 1);
}

TransferResult sendUserChecksum(DeviceLink& link) {
  return sendUserBytes(link, kUserLength - 1, 1);
}

TransferResult writeVendorField(DeviceLink& link, size_t offset, std::span<const uint8_t> bytes) {
  storeVendorBytes(link, offset, bytes);
  const TransferResult sent = sendVendorBytes(link, offset, bytes.size());
  return sent + sendVendorChecksum(link);
}

TransferResult writeUserField(DeviceLink& link, size_t index, std::span<const uint8_t> bytes) {
  storeUserBytes(link, index, bytes);
  const TransferResult sent = sendUserBytes(link, index, bytes.size());
  return sent + sendUserChecksum(link);
}

}  // namespace mousecfg
