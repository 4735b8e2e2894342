#include "engineer/EngineerDefaults.h"

#include <algorithm>

#include "base/LanguageKeys.h"
#include "device/DeviceLink.h"
#include "device/DeviceMacroBlock.h"
#include "device/ImageSections.h"

namespace mousecfg {

RestoreOutcome EngineerDefaults::TLDefaultParameter() {
  if (!link_.channel.isOpen()) {
    link_.host.showMessage(langkey::message::kDeviceNotFound);
    return RestoreOutcome::NoDevice;
  }
  link_.host.showProgress();
  const RestoreBatch batch(link_);
  rebuildSections();
  composeImage();
  link_.observer().clearMacroEditor();
  link_.macros.loadFromImage(link_.image.buffer);
  link_.macros.ReadAndRefreshMacroBlock();
  link_.transfer.DataBufToUI();
  TransferResult written;
  if (link_.connection.supportsStoredWrites())
    written = link_.channel.BlockWrite(0, link_.image.buffer);
  link_.discovery.RestartAndReFind();
  return batch.outcome(written);
}

void EngineerDefaults::rebuildSections() {
  ConfigImage& image = link_.image;
  const BuilderInputs inputs = link_.builderInputs();
  for (const ImageSection& section : kImageSections) {
    if (!section.buildDefaults) continue;
    section.buildDefaults(image, inputs);
    storeSectionChecksum(image, section);
  }
}

// The image that goes to the mouse: the rebuilt sections, the committed gun table and
// an empty macro record area. The patch record and patch code that share the macro
// block's range are not macro data and are kept.
void EngineerDefaults::composeImage() {
  ConfigImage& image = link_.image;
  for (const ImageSection& section : kImageSections)
    if (section.composedByDefaults) composeSection(image, section);
  std::fill_n(image.buffer.begin() + image::kMacroBlockOffset, macro_block::kRecordAreaLength, 0);
}

}  // namespace mousecfg
