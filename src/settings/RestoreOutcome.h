#pragma once

namespace mousecfg {

class DeviceLink;

// How a restore of the default configuration ended.
enum class RestoreOutcome {
  NoDevice,     // nothing open: "Str022" was shown and nothing changed
  BadChoice,    // not one of the three default configurations
  ReadBack,     // written, restarted, and the mouse was found and read again
  NotReadBack,  // written and restarted, but the mouse did not come back or was not accepted
};

// A restore runs as one batch: the batch flag is set, the menus hidden, the key page
// shown and the connection monitor stopped.
void beginRestoreBatch(DeviceLink& link);
// After the restart: the re-find's configuration read ends the batch. When the mouse
// did not come back the batch is ended here, so the pages do not stay silent for good.
RestoreOutcome endRestoreBatch(DeviceLink& link);

}  // namespace mousecfg
