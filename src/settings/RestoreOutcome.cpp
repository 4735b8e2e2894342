#include "settings/RestoreOutcome.h"

#include "device/DeviceLink.h"

namespace mousecfg {

RestoreBatch::RestoreBatch(DeviceLink& link)
    : link_(link), batch_(link.holdBatch()), monitor_(link.holdMonitor()) {
  link.observer().hideMenus();
  link.observer().showFirstPage();
}

RestoreBatch::~RestoreBatch() {
  if (!link_.batchFlag()) return;
  link_.host.hideProgress();
  link_.host.setOverlaysVisible(false);
}

RestoreOutcome RestoreBatch::outcome(const TransferResult& imageWrite) const {
  // The configuration read that follows an accepted re-find clears the batch flag.
  const bool readBack = !link_.batchFlag() && !link_.errorFlag() && link_.channel.isOpen();
  if (!readBack) return RestoreOutcome::NotReadBack;
  return imageWrite ? RestoreOutcome::ReadBack : RestoreOutcome::WriteFailed;
}

}  // namespace mousecfg
