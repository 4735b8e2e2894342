#pragma once

#include "device/TransferResult.h"

namespace mousecfg {

class DeviceLink;

// Sends the fire-key block copy, whose first two bytes are the manufacturer and product
// codes the mouse is recognised by, to where discovery reads those codes: block address
// 290 on an I2C device, 340 on a KV204 device. So a mouse given new codes is known by
// them when it is next found. Needs one of those two interfaces (without one nothing is
// sent and the result fails); during a batch nothing is sent.
TransferResult writeDeviceCodes(DeviceLink& link);

}  // namespace mousecfg
