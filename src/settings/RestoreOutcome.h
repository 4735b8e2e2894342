#pragma once

#include "base/ScopedFlag.h"
#include "device/TransferResult.h"

namespace mousecfg {

class DeviceLink;

// How a restore of the default configuration ended.
enum class RestoreOutcome {
  NoDevice,     // nothing open: kDeviceNotFound was shown and nothing changed
  BadChoice,    // not one of the three default configurations
  ReadBack,     // written, restarted, and the mouse was found and read again
  NotReadBack,  // written and restarted, but the mouse did not come back or was not accepted
  WriteFailed,  // read back after the restart, but the mouse had refused frames of the write
};

// A restore runs as one batch: the batch flag is set, the menus hidden, the key page
// shown and the connection monitor stopped. After the restart the re-find's
// configuration read ends the batch; when the mouse did not come back the batch ends
// with this scope, so the pages do not stay silent for good.
class RestoreBatch {
 public:
  explicit RestoreBatch(DeviceLink& link);
  ~RestoreBatch();
  RestoreBatch(const RestoreBatch&) = delete;
  RestoreBatch& operator=(const RestoreBatch&) = delete;

  // Whether the image went out whole and the mouse was found and read again since the
  // batch began.
  RestoreOutcome outcome(const TransferResult& imageWrite) const;

 private:
  DeviceLink& link_;
  ScopedFlag batch_;
  ScopedFlag monitor_;
};

}  // namespace mousecfg
