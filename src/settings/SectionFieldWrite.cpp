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
bool sendFrom(DeviceLink& link, const std::array<uint8_t, N>& section, size_t sectionOffset,
              size_t offset, size_t length) {
  if (link.batchFlag() || offset + length > N) return false;
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

bool sendVendorBytes(DeviceLink& link, size_t offset, size_t length) {
  return sendFrom(link, link.image.vendor, kVendorOffset, offset, length);
}

bool sendUserBytes(DeviceLink& link, size_t index, size_t length) {
  return sendFrom(link, link.image.user, kUserOffset, index, length);
}

bool sendVendorChecksum(DeviceLink& link) {
  return sendVendorBytes(link, kVendorLength - 1, 1);
}

bool sendUserChecksum(DeviceLink& link) {
  return sendUserBytes(link, kUserLength - 1, 1);
}

bool writeVendorField(DeviceLink& link, size_t offset, std::span<const uint8_t> bytes) {
  storeVendorBytes(link, offset, bytes);
  const bool sent = sendVendorBytes(link, offset, bytes.size());
  return sendVendorChecksum(link) && sent;
}

bool writeUserField(DeviceLink& link, size_t index, std::span<const uint8_t> bytes) {
  storeUserBytes(link, index, bytes);
  const bool sent = sendUserBytes(link, index, bytes.size());
  return sendUserChecksum(link) && sent;
}

}  // namespace mousecfg
