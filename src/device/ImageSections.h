#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "device/ConfigImage.h"
#include "device/ImageMap.h"

namespace mousecfg {

enum class SectionChecksum { None, LastByte };

// How a section's working copy in ConfigImage is reached.
struct WorkingCopy {
  std::span<uint8_t> (*of)(ConfigImage&);
  std::span<const uint8_t> (*ofConst)(const ConfigImage&);
};

template <auto Member>
inline constexpr WorkingCopy kWorkingCopy{
    [](ConfigImage& image) -> std::span<uint8_t> { return image.*Member; },
    [](const ConfigImage& image) -> std::span<const uint8_t> { return image.*Member; }};

using DefaultBuilder = void (*)(ConfigImage&, const BuilderInputs&);

template <auto Member, auto Builder>
void buildDefaultsInto(ConfigImage& image, const BuilderInputs& in) {
  Builder(image.*Member, in);
}

// A section of the configuration image that the program keeps a working copy of.
struct ImageSection {
  std::string_view name;  // as mousectl check lists it
  size_t offset = 0;
  size_t length = 0;
  SectionChecksum checksum = SectionChecksum::None;
  WorkingCopy copy{};
  // Writes the section's defaults into its working copy; null where there is no default
  // builder. The sections with one are split from the image together (those with a
  // checksum rebuilt when it is wrong), taken together from a default image and rebuilt
  // together by the engineer page's restore.
  DefaultBuilder buildDefaults = nullptr;
  // Copied back into the image when the engineer page's restore composes the image it
  // sends; the patch record is not, the image keeps the one it holds.
  bool composedByDefaults = false;
  // Compared with the stored block after a mousectl command changed a setting: the
  // sections those commands edit.
  bool verifiedAfterChange = false;
};

enum class SectionId : size_t { Vendor, User, Profile1, Profile2, FireKeys, GunPresets, Patch };

// The gun table's copy is the committed table; the gun page edits a second copy of it.
inline constexpr std::array<ImageSection, 7> kImageSections{{
    {.name = "vendor",
     .offset = image::kVendorOffset,
     .length = image::kVendorLength,
     .checksum = SectionChecksum::LastByte,
     .copy = kWorkingCopy<&ConfigImage::vendor>,
     .buildDefaults = buildDefaultsInto<&ConfigImage::vendor, BuildDefaultVendorSection>,
     .composedByDefaults = true,
     .verifiedAfterChange = true},
    {.name = "user",
     .offset = image::kUserOffset,
     .length = image::kUserLength,
     .checksum = SectionChecksum::LastByte,
     .copy = kWorkingCopy<&ConfigImage::user>,
     .buildDefaults = buildDefaultsInto<&ConfigImage::user, BuildDefaultUserSection>,
     .composedByDefaults = true,
     .verifiedAfterChange = true},
    {.name = "profile 1",
     .offset = image::kProfile1Offset,
     .length = image::kProfileLength,
     .checksum = SectionChecksum::LastByte,
     .copy = kWorkingCopy<&ConfigImage::profile1>,
     .buildDefaults = buildDefaultsInto<&ConfigImage::profile1, BuildDefaultProfileSection>,
     .composedByDefaults = true,
     .verifiedAfterChange = true},
    {.name = "profile 2",
     .offset = image::kProfile2Offset,
     .length = image::kProfileLength,
     .checksum = SectionChecksum::LastByte,
     .copy = kWorkingCopy<&ConfigImage::profile2>,
     .buildDefaults = buildDefaultsInto<&ConfigImage::profile2, BuildDefaultProfileSection>,
     .composedByDefaults = true,
     .verifiedAfterChange = true},
    {.name = "fire keys",
     .offset = image::kFireKeyOffset,
     .length = image::kFireKeyLength,
     .copy = kWorkingCopy<&ConfigImage::fireKey>,
     .buildDefaults = buildDefaultsInto<&ConfigImage::fireKey, BuildDefaultFireKeyBlock>,
     .composedByDefaults = true},
    {.name = "gun table",
     .offset = image::kGunTableOffset,
     .length = image::kGunTableLength,
     .copy = kWorkingCopy<&ConfigImage::committedGunTable>,
     .composedByDefaults = true},
    {.name = "patch record",
     .offset = image::kPatchRecordOffset,
     .length = image::kPatchRecordLength,
     .copy = kWorkingCopy<&ConfigImage::patchRecord>,
     .verifiedAfterChange = true},
}};

constexpr const ImageSection& imageSection(SectionId id) {
  return kImageSections[static_cast<size_t>(id)];
}

static_assert(imageSection(SectionId::Vendor).offset == image::kVendorOffset);
static_assert(imageSection(SectionId::User).offset == image::kUserOffset);
static_assert(imageSection(SectionId::Profile1).offset == image::kProfile1Offset);
static_assert(imageSection(SectionId::Profile2).offset == image::kProfile2Offset);
static_assert(imageSection(SectionId::FireKeys).offset == image::kFireKeyOffset);
static_assert(imageSection(SectionId::GunPresets).offset == image::kGunTableOffset);
static_assert(imageSection(SectionId::Patch).offset == image::kPatchRecordOffset);

std::span<uint8_t> workingCopy(ConfigImage& image, const ImageSection& section);
std::span<const uint8_t> workingCopy(const ConfigImage& image, const ImageSection& section);
// Image bytes [offset, offset + length) as the program holds them now: the image
// buffer with every section's working copy laid over its range.
std::vector<uint8_t> workingBytes(const ConfigImage& image, size_t offset, size_t length);
// The section's bytes in the image buffer into its working copy.
void splitSection(ConfigImage& image, const ImageSection& section);
// The working copy into the section's bytes in the image buffer.
void composeSection(ConfigImage& image, const ImageSection& section);
// A copy whose checksum is wrong is rebuilt by its default builder and gets a fresh
// checksum; a copy with a valid one is left as it is.
void repairSection(ConfigImage& image, const ImageSection& section, const BuilderInputs& in);
// Stores the checksum of a section that has one.
void storeSectionChecksum(ConfigImage& image, const ImageSection& section);

}  // namespace mousecfg
