#pragma once

#include "device/TransferResult.h"

namespace mousecfg {

class DeviceLink;

// Stores lighting effect `effect` (1..7) in user-section byte 1 with the code the LED
// type gives it and, unless a batch runs, sends the byte and the section's checksum.
TransferResult writeLedEffect(DeviceLink& link, int effect);

}  // namespace mousecfg
