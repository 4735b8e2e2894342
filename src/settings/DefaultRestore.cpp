#include "settings/DefaultRestore.h"

#include "base/LanguageKeys.h"
#include "device/DeviceLink.h"
#include "device/ImageSections.h"

namespace mousecfg {

RestoreOutcome DefaultRestore::DefaultParameterConfirm(int store) {
  if (!link_.channel.isOpen()) {
    link_.host.showMessage(langkey::message::kDeviceNotFound);
    return RestoreOutcome::NoDevice;
  }
  if (store < kFirstStore || store > kLastStore) return RestoreOutcome::BadChoice;
  const RestoreBatch batch(link_);
  TransferResult written;
  // The stores hold the built-in images only for a configuration made for I2C or KV204
  // memory, which every accepted mouse has; an empty store is never written.
  if (link_.connection.supportsStoredWrites() && link_.connection.memoryTypeSupported()) {
    takeDefaultImage(store);
    link_.transfer.DataBufToUI();
    written = link_.channel.BlockWrite(0, link_.image.buffer);
  }
  link_.discovery.RestartAndReFind();
  return batch.outcome(written);
}

// The default image becomes the image and every working copy, with fresh checksums.
void DefaultRestore::takeDefaultImage(int store) {
  link_.defaults.LoadDefaultImages(link_.connection.configuredMemoryType);
  ConfigImage& image = link_.image;
  image.buffer = link_.defaults.store[static_cast<size_t>(store - 1)];
  link_.observer().clearMacroEditor();
  for (const ImageSection& section : kImageSections) {
    if (!section.buildDefaults) continue;
    splitSection(image, section);
    storeSectionChecksum(image, section);
  }
  link_.macros.loadFromImage(image.buffer);
  link_.macros.ReadAndRefreshMacroBlock();
  image.splitGunTable();
}

}  // namespace mousecfg
