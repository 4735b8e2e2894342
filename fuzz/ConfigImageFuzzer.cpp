// A configuration image as a mouse (or a saved file) holds it, split into the working
// copies the pages edit. After the split and repair every checksummed copy must pass its
// checksum, a section that was valid (or has no checksum) must be kept byte for byte, a
// broken one must be what its default builder makes of the stored bytes, the split must
// leave the image alone, and composing the copies back must give an image whose split
// changes nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "DefaultImage.h"
#include "device/ConfigImage.h"
#include "device/ImageSections.h"
#include "support/PropertyCheck.h"

namespace mousecfg {
namespace {

using fuzz::checksumHolds;
using fuzz::require;
using namespace image;

std::span<const uint8_t> stored(const ImageBuffer& buffer, const ImageSection& section) {
  return std::span<const uint8_t>(buffer).subspan(section.offset, section.length);
}

bool sameBytes(std::span<const uint8_t> a, std::span<const uint8_t> b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

BuilderInputs builderInputs(FuzzedDataProvider& input) {
  static const std::array<std::string, 5> kLedTypes{"RGB", "Sync", "MCULED", "SPITLED", "LED"};
  static const std::array<std::string, 4> kInterfaces{"I2C", "KV204", "Flash", ""};
  BuilderInputs in;
  in.ledType = kLedTypes[input.ConsumeIntegralInRange<size_t>(0, kLedTypes.size() - 1)];
  in.interfaceType = kInterfaces[input.ConsumeIntegralInRange<size_t>(0, kInterfaces.size() - 1)];
  in.packageChoice = input.ConsumeIntegralInRange(-1, 2);
  return in;
}

void checkTable() {
  const ConfigImage image;
  size_t end = 0;
  for (const ImageSection& section : kImageSections) {
    require(section.offset >= end && section.offset + section.length <= kImageLength,
            "the sections lie in the image in order, without overlap");
    require(workingCopy(image, section).size() == section.length,
            "a working copy is as long as its section");
    end = section.offset + section.length;
  }
}

// What the section's builder makes of the stored bytes, with a fresh checksum.
std::vector<uint8_t> rebuilt(const ImageBuffer& buffer, const ImageSection& section,
                             const BuilderInputs& in) {
  ConfigImage scratch;
  scratch.buffer = buffer;
  splitSection(scratch, section);
  section.buildDefaults(scratch, in);
  storeSectionChecksum(scratch, section);
  const std::span<const uint8_t> copy = workingCopy(scratch, section);
  return std::vector<uint8_t>(copy.begin(), copy.end());
}

void checkSplit(const ConfigImage& image, const ImageBuffer& before, const BuilderInputs& in) {
  for (const ImageSection& section : kImageSections) {
    if (!section.buildDefaults) continue;  // split on its own, below
    const std::span<const uint8_t> copy = workingCopy(image, section);
    const std::span<const uint8_t> bytes = stored(before, section);
    if (section.checksum == SectionChecksum::None || checksumHolds(bytes)) {
      require(sameBytes(copy, bytes), "a valid section is kept byte for byte");
      continue;
    }
    require(checksumHolds(copy), "every checked section passes its checksum after the repair");
    require(sameBytes(copy, rebuilt(before, section, in)),
            "a broken section is rebuilt from its stored bytes");
  }
}

void checkRebuiltFields(const ConfigImage& image, const ImageBuffer& before) {
  if (!checksumHolds(stored(before, imageSection(SectionId::Vendor)))) {
    const uint16_t vendorId = static_cast<uint16_t>(image.vendor[0] << 8 | image.vendor[1]);
    const uint16_t productId = static_cast<uint16_t>(image.vendor[2] << 8 | image.vendor[3]);
    require(vendorId == kDefaultVendorId && productId == kDefaultProductId,
            "a rebuilt vendor section carries the program's USB ids");
  }
  if (!checksumHolds(stored(before, imageSection(SectionId::User))))
    require(image.user[kUserActiveDpiLevel] == 1 && image.user[kUserActiveProfile] == 0,
            "a rebuilt user section starts on profile 1 at DPI level 2");
}

void checkOtherSplits(ConfigImage& image) {
  image.splitGunTable();
  require(
      sameBytes(image.committedGunTable, stored(image.buffer, imageSection(SectionId::GunPresets))),
      "the gun table is the stored one");
  require(image.workingGunTable == image.committedGunTable, "the working gun table starts equal");
  image.splitPatchRecord();
  require(sameBytes(image.patchRecord, stored(image.buffer, imageSection(SectionId::Patch))),
          "the patch record is the stored one");
  require(image.patchCheckValue() ==
              (image.buffer[kPatchCheckOffset] << 8 | image.buffer[kPatchCheckOffset + 1]),
          "the patch check value is bytes 1014..1015, high byte first");
}

// The repaired copies composed into the image are sound: splitting that image again
// keeps every copy as it is.
void checkComposedImage(const ConfigImage& image, const BuilderInputs& in) {
  ConfigImage composed = image;
  for (const ImageSection& section : kImageSections) composeSection(composed, section);
  for (const ImageSection& section : kImageSections)
    require(sameBytes(stored(composed.buffer, section), workingCopy(image, section)),
            "composing writes each copy into its section");
  ConfigImage again;
  again.buffer = composed.buffer;
  again.splitCheckedSections(in);
  for (const ImageSection& section : kImageSections) {
    if (!section.buildDefaults) continue;
    require(sameBytes(workingCopy(again, section), workingCopy(image, section)),
            "a composed image splits back into the same copies");
  }
}

}  // namespace
}  // namespace mousecfg

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mousecfg;
  static const bool tableChecked = (checkTable(), true);
  (void)tableChecked;
  FuzzedDataProvider input(data, size);
  const BuilderInputs in = builderInputs(input);
  // The input overwrites the default image from its start, so short inputs still give
  // mostly valid sections.
  ConfigImage image;
  image.buffer = builtInDefaultImage();
  const std::vector<uint8_t> bytes = input.ConsumeBytes<uint8_t>(image.buffer.size());
  std::copy(bytes.begin(), bytes.end(), image.buffer.begin());
  const ImageBuffer before = image.buffer;

  image.splitCheckedSections(in);
  require(image.buffer == before, "the split leaves the image buffer alone");
  checkSplit(image, before, in);
  checkRebuiltFields(image, before);

  ConfigImage again;
  again.buffer = before;
  again.splitCheckedSections(in);
  require(again.vendor == image.vendor && again.user == image.user &&
              again.profile1 == image.profile1 && again.profile2 == image.profile2 &&
              again.fireKey == image.fireKey,
          "the split is deterministic");
  checkOtherSplits(image);
  checkComposedImage(image, in);
  return 0;
}
