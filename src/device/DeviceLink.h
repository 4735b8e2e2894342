#pragma once

#include <array>
#include <string>

#include "CodeStrings.h"
#include "CommandChannel.h"
#include "ConfigImage.h"
#include "ConnectionValues.h"
#include "Discovery.h"
#include "HidBackend.h"
#include "Host.h"
#include "ImageTransfer.h"
#include "LinkObserver.h"
#include "NotificationListener.h"
#include "macros/DeviceMacroBlock.h"

namespace mousecfg {

// The device link's share of the program state: the channel, the configuration image
// with its working copies, the connection values and the flags that keep pages from
// sending while the image is being moved. One instance lives for the whole run.
class DeviceLink {
 public:
  DeviceLink(HidBackend& backend, Host& host);
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
  bool batchFlag = false;
  // Set while the built-in defaults are shown because no accepted device was read.
  bool errorFlag = false;
  // Set while the pages are being refreshed from the image: control handlers then
  // neither edit the copies nor send anything.
  bool refreshingFlag = false;
  // The connection monitor runs only while this is set.
  bool monitorTimerEnabled = false;

  Discovery discovery{*this};
  ImageTransfer transfer{*this};
  // Started by the window; its re-reads reach the observer on the UI thread.
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
  LinkObserver* observer_;
};

}  // namespace mousecfg
