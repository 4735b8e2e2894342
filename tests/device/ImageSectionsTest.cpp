#include "device/ImageSections.h"

#include <gtest/gtest.h>

#include "support/HexBytes.h"

namespace mousecfg {
namespace {

using test::hexBytes;
using test::hexRange;

ImageBuffer numberedImage() {
  ImageBuffer buffer{};
  for (size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<uint8_t>(i * 7 + 3);
  return buffer;
}

TEST(ImageSections, EachWorkingCopyIsAsLongAsItsSection) {
  ConfigImage image;
  for (const ImageSection& section : kImageSections)
    EXPECT_EQ(workingCopy(image, section).size(), section.length) << section.name;
}

TEST(ImageSections, LieInTheImageInOrderWithoutOverlapping) {
  size_t end = 0;
  for (const ImageSection& section : kImageSections) {
    EXPECT_GE(section.offset, end) << section.name;
    end = section.offset + section.length;
    EXPECT_LE(end, image::kImageLength) << section.name;
  }
}

TEST(ImageSections, SplittingCopiesTheSectionsBytesAndComposingPutsThemBack) {
  ConfigImage image;
  image.buffer = numberedImage();
  for (const ImageSection& section : kImageSections) {
    splitSection(image, section);
    EXPECT_EQ(hexBytes(workingCopy(image, section)),
              hexRange(image.buffer, section.offset, section.length))
        << section.name;
  }
  image.buffer.fill(0);
  for (const ImageSection& section : kImageSections) composeSection(image, section);
  const ImageBuffer numbered = numberedImage();
  for (const ImageSection& section : kImageSections)
    EXPECT_EQ(hexRange(image.buffer, section.offset, section.length),
              hexRange(numbered, section.offset, section.length))
        << section.name;
  EXPECT_EQ(image.buffer[image::kFireKeyTrailerOffset], 0) << "no section covers the trailer";
}

TEST(ImageSections, ABrokenCopyIsRebuiltFromTheDefaultsAndAValidOneKept) {
  const BuilderInputs inputs{"RGB", "I2C", 0};
  ConfigImage image;
  const ImageSection& user = imageSection(SectionId::User);
  image.user.fill(0x11);
  storeChecksum(image.user);
  const UserSection valid = image.user;
  repairSection(image, user, inputs);
  EXPECT_EQ(image.user, valid);

  image.user[3] ^= 0x01;
  repairSection(image, user, inputs);
  UserSection rebuilt{};
  BuildDefaultUserSection(rebuilt, inputs);
  EXPECT_EQ(hexBytes(image.user), hexBytes(rebuilt));
  EXPECT_TRUE(hasValidChecksum(image.user));
}

// Not a static_assert: a function's address is no constant expression in the
// sanitizer build.
TEST(ImageSections, EverySectionWithAChecksumHasADefaultBuilderToRepairIt) {
  for (const ImageSection& section : kImageSections) {
    if (section.checksum == SectionChecksum::None) continue;
    EXPECT_NE(section.buildDefaults, nullptr) << section.name;
  }
}

TEST(ImageSections, OnlySectionsWithAChecksumGetOne) {
  ConfigImage image;
  image.fireKey.fill(0x22);
  storeSectionChecksum(image, imageSection(SectionId::FireKeys));
  EXPECT_EQ(image.fireKey.back(), 0x22);
  image.profile2.fill(0x22);
  storeSectionChecksum(image, imageSection(SectionId::Profile2));
  EXPECT_TRUE(hasValidChecksum(image.profile2));
}

}  // namespace
}  // namespace mousecfg
