#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace mousecfg {

// Report lengths of a HID interface in bytes, counted the way the Windows HID parser
// reports them: the longest report of each type plus one byte for the report id (also
// when the descriptor uses no report ids). 0 when the descriptor has no report of that
// type.
struct ReportLengths {
  int input = 0;
  int output = 0;
  int feature = 0;
};

// Walks the items of a report descriptor: Report Size, Report Count, Report ID, Push and
// Pop, and the Input, Output and Feature main items; long items and everything else are
// skipped. nullopt when the descriptor is truncated, pops more than it pushed, nests
// pushes too deep, names a report id above 255 or describes a report longer than 65535
// bytes. Never reads past the end of the buffer.
std::optional<ReportLengths> reportLengthsFromDescriptor(std::span<const uint8_t> descriptor);

}  // namespace mousecfg
