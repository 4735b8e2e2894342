#pragma once

#include <array>
#include <string>

#include "base/Host.h"
#include "base/ScopedFlag.h"
#include "device/CodeStrings.h"
#include "device/CommandChannel.h"
#include "device/ConfigImage.h"
#include "device/ConnectionValues.h"
#include "device/DeviceMacroBlock.h"
#include "device/Discovery.h"
#include "device/HidBackend.h"
#include "device/ImageTransfer.h"
#include "device/LinkObserver.h"
#include "device/NotificationListener.h"

namespace mousecfg {

// The device link's share of the program state: the channel, the configuration image
// with its working copies, the connection values and the flags that keep pages from
// sending while the image is being moved. One instance lives for the whole run.
class DeviceLink {
 public:
  DeviceLink(HidBackend& hidBackend, Host& programHost);
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

  HidBackend& backend;
  Host& host;
  CommandChannel channel;
  ConfigImage image;
  DefaultStores defaults;
  DeviceMacroBlock macros;
  ConnectionValues connection;
  CodeStrings codes;
  std::array<DeviceTableEntry, 2> deviceTable{};
  std::string patchCodeText;  // the patch check value as 4 hex digits

  // Set while an image is read, loaded or restored: page handlers then send nothing.
  bool batchFlag() const { return batchFlag_; }
  // Set while the built-in defaults are shown because no accepted device was read.
  bool errorFlag() const { return errorFlag_; }
  // Set while the pages are being refreshed from the image: control handlers then
  // neither edit the copies nor send anything.
  bool refreshingFlag() const { return refreshingFlag_; }
  // The connection monitor runs only while this is set.
  bool monitorTimerEnabled() const { return monitorTimerEnabled_; }

  // A batch: page handlers send nothing. When the scope ends the batch is over, whatever
  // happened inside (a configuration read in the middle of a restore ends the
  // restore's batch early).
  [[nodiscard]] ScopedFlag holdBatch();
  // The monitor is stopped for the scope and runs again after it.
  [[nodiscard]] ScopedFlag holdMonitor();
  // The pages are being refreshed; the flag goes back to what it was.
  [[nodiscard]] ScopedFlag holdRefreshing();
  // The window starts the monitor once its progress window exists.
  void startMonitor() { monitorTimerEnabled_ = true; }
  // A new start: no batch, no error state, the monitor off until startMonitor.
  void resetFlags();

  Discovery discovery{*this};
  ImageTransfer transfer{*this};
  // Started by the window; its re-reads reach the observer on the UI thread. It waits
  // on the host's clock.
  NotificationListener listener;

  void setObserver(LinkObserver* observer);
  LinkObserver& observer() { return *observer_; }
  BuilderInputs builderInputs() const;

  // Device table entry 0, the configured memory type and the expected codes come from
  // the built-in default image.
  void deriveFromBuiltInImage();
  // The error state: built-in defaults shown, page buttons inactive.
  void RefreshErrorAP();

 private:
  // Discovery and the transfers are the link's own steps: they end the error state and
  // start or stop the monitor as the connection changes.
  friend class Discovery;
  friend class ImageTransfer;

  LinkObserver* observer_;
  bool batchFlag_ = false;
  bool errorFlag_ = false;
  bool refreshingFlag_ = false;
  bool monitorTimerEnabled_ = false;
};

}  // namespace mousecfg
