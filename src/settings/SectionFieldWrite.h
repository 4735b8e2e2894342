#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace mousecfg {

class DeviceLink;

// Settings reach the mouse as single field writes into its stored block. The mouse
// checks each section against its checksum when the block is read again and a section
// that fails is replaced by defaults, so every field write below keeps the working
// copy's checksum right and also sends the section's new checksum byte.
//
// The store functions change only the working copy (field and checksum). The send
// functions send nothing while a batch runs.

void storeVendorBytes(DeviceLink& link, size_t offset, std::span<const uint8_t> bytes);
void storeUserBytes(DeviceLink& link, size_t index, std::span<const uint8_t> bytes);

// Sends the field as stored in the working copy (1..3 bytes, or four).
bool sendVendorBytes(DeviceLink& link, size_t offset, size_t length);
bool sendUserBytes(DeviceLink& link, size_t index, size_t length);
bool sendVendorChecksum(DeviceLink& link);
bool sendUserChecksum(DeviceLink& link);

// Store, send the field, send the checksum.
bool writeVendorField(DeviceLink& link, size_t offset, std::span<const uint8_t> bytes);
bool writeUserField(DeviceLink& link, size_t index, std::span<const uint8_t> bytes);

}  // namespace mousecfg
