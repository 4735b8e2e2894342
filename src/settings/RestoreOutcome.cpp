#include "RestoreOutcome.h"

#include "device/DeviceLink.h"

namespace mousecfg {

void beginRestoreBatch(DeviceLink& link) {
  link.batchFlag = true;
  link.observer().hideMenus();
  link.observer().showFirstPage();
  link.monitorTimerEnabled = false;
}

RestoreOutcome endRestoreBatch(DeviceLink& link) {
  // The configuration read that follows an accepted re-find clears the batch flag.
  const bool readBack = !link.batchFlag && !link.errorFlag && link.channel.isOpen();
  if (link.batchFlag) {
    link.batchFlag = false;
    link.monitorTimerEnabled = true;
    link.host.hideProgress();
    link.host.setOverlaysVisible(false);
  }
  return readBack ? RestoreOutcome::ReadBack : RestoreOutcome::NotReadBack;
}

}  // namespace mousecfg
