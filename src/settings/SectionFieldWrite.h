#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "device/TransferResult.h"

namespace mousecfg {

class DeviceLink;

// Settings reach the mouse as single field writes into its stored block. The mouse
// checks each section against its checksum when the block is read again and a section
// that fails is replaced by defaults, so every field write below keeps the working
// copy's checksum right and also sends the section's new checksum byte.
//
// The store functions change only the working copy (field and checksum). The send
// functions send nothing while a batch runs, which is no failure.

void storeVendorBytes(DeviceLink& link, size_t offset, std::span<const uint8_t> bytes);
void storeUserBytes(DeviceLink& link, size_t index, std::span<const uint8_t> bytes);

// Sends the field as stored in the working copy (1..3 bytes, or four).
TransferResult sendVendorBytes(DeviceLink& link, size_t offset, size_t length);
TransferResult sendUserBytes(DeviceLink& link, size_t index, size_t length);
TransferResult sendVendorChecksum(DeviceLink& link);
TransferResult sendUserChecksum(DeviceLink& link);

// Store, send the field, send the checksum.
TransferResult writeVendorField(DeviceLink& link, size_t offset, std::span<const uint8_t> bytes);
TransferResult writeUserField(DeviceLink& link, size_t index, std::span<const uint8_t> bytes);

}  // namespace mousecfg
