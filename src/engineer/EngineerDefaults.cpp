#include "engineer/EngineerDefaults.h"

#include <algorithm>

#include "device/DeviceLink.h"
#include "device/DeviceMacroBlock.h"

namespace mousecfg {

namespace {

template <size_t N>
void copyIntoImage(const std::array<uint8_t, N>& section, ImageBuffer& buffer, size_t offset) {
  std::copy(section.begin(), section.end(), buffer.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace

RestoreOutcome EngineerDefaults::TLDefaultParameter() {
  if (!link_.channel.isOpen()) {
    link_.host.showMessage("Str022");
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
  BuildDefaultVendorSection(image.vendor, inputs);
  BuildDefaultUserSection(image.user, inputs);
  BuildDefaultProfileSection(image.profile1, inputs);
  BuildDefaultProfileSection(image.profile2, inputs);
  BuildDefaultFireKeyBlock(image.fireKey, inputs);
  image.UpdateVendorChecksum();
  image.UpdateUserChecksum();
  image.UpdateProfileChecksum();
}

// The image that goes to the mouse: the rebuilt sections, the committed gun table and
// an empty macro record area. The patch record and patch code that share the macro
// block's range are not macro data and are kept.
void EngineerDefaults::composeImage() {
  ConfigImage& image = link_.image;
  ImageBuffer& buffer = image.buffer;
  copyIntoImage(image.vendor, buffer, image::kVendorOffset);
  copyIntoImage(image.user, buffer, image::kUserOffset);
  copyIntoImage(image.profile1, buffer, image::kProfile1Offset);
  copyIntoImage(image.profile2, buffer, image::kProfile2Offset);
  copyIntoImage(image.fireKey, buffer, image::kFireKeyOffset);
  copyIntoImage(image.committedGunTable, buffer, image::kGunTableOffset);
  std::fill_n(buffer.begin() + image::kMacroBlockOffset, macro_block::kRecordAreaLength, 0);
}

}  // namespace mousecfg
