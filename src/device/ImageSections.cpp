#include "device/ImageSections.h"

#include <algorithm>
#include <utility>

namespace mousecfg {

std::span<uint8_t> workingCopy(ConfigImage& image, const ImageSection& section) {
  return section.copy.of(image);
}

std::span<const uint8_t> workingCopy(const ConfigImage& image, const ImageSection& section) {
  return section.copy.ofConst(image);
}

std::vector<uint8_t> workingBytes(const ConfigImage& image, size_t offset, size_t length) {
  const size_t end = std::min(offset + length, image.buffer.size());
  if (offset >= end) return {};
  std::vector<uint8_t> bytes(image.buffer.begin() + static_cast<std::ptrdiff_t>(offset),
                             image.buffer.begin() + static_cast<std::ptrdiff_t>(end));
  for (const ImageSection& section : kImageSections) {
    const std::span<const uint8_t> copy = workingCopy(image, section);
    for (size_t i = 0; i < copy.size(); ++i) {
      const size_t at = section.offset + i;
      if (at >= offset && at < end) bytes[at - offset] = copy[i];
    }
  }
  return bytes;
}

void splitSection(ConfigImage& image, const ImageSection& section) {
  const std::span<uint8_t> copy = workingCopy(image, section);
  std::copy_n(image.buffer.begin() + static_cast<std::ptrdiff_t>(section.offset), copy.size(),
              copy.begin());
}

void composeSection(ConfigImage& image, const ImageSection& section) {
  const std::span<const uint8_t> copy = workingCopy(std::as_const(image), section);
  std::copy(copy.begin(), copy.end(),
            image.buffer.begin() + static_cast<std::ptrdiff_t>(section.offset));
}

void repairSection(ConfigImage& image, const ImageSection& section, const BuilderInputs& in) {
  const std::span<uint8_t> copy = workingCopy(image, section);
  if (hasValidChecksum(copy)) return;
  section.buildDefaults(image, in);
  storeChecksum(copy);
}

void storeSectionChecksum(ConfigImage& image, const ImageSection& section) {
  if (section.checksum == SectionChecksum::LastByte) storeChecksum(workingCopy(image, section));
}

}  // namespace mousecfg
