#include "settings/AimKeyEntries.h"

#include "device/DeviceLink.h"
#include "settings/ButtonEntry.h"

namespace mousecfg {

using namespace image;

namespace {

int reencodeProfile(ProfileSection& profile, std::string* codes, uint8_t step) {
  int found = 0;
  for (size_t k = 0; k < kButtonCount; ++k) {
    const size_t at = k * kEntryLength;
    if (profile[at] != entry::kCategoryAim) continue;
    profile[at + 1] = step;
    profile[at + 2] = 0;
    profile[at + 3] = 0;
    codes[k] = entryCode(std::span(profile).subspan(at, kEntryLength));
    ++found;
  }
  return found;
}

}  // namespace

int reencodeAimEntries(DeviceLink& link, uint8_t step, TransferResult& written) {
  int found = reencodeProfile(link.image.profile1, link.codes.keys.data(), step);
  found += reencodeProfile(link.image.profile2, link.codes.keys.data() + kButtonCount, step);
  if (found > 0 && !link.batchFlag()) written = link.transfer.WriteKeyTables();
  return found;
}

std::optional<uint8_t> aimStepOfProfile(const ProfileSection& profile) {
  std::optional<uint8_t> step;
  for (size_t k = 0; k < kButtonCount; ++k) {
    const size_t at = k * kEntryLength;
    if (profile[at] == entry::kCategoryAim && profile[at + 1] != kAimNoStep) step = profile[at + 1];
  }
  return step;
}

}  // namespace mousecfg
