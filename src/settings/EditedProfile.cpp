#include "settings/EditedProfile.h"

#include <array>

#include "device/DeviceLink.h"

namespace mousecfg {

namespace {

constexpr size_t kUserChecksum = image::kUserLength - 1;

uint8_t directAddress(size_t userIndex) {
  return static_cast<uint8_t>(image::kUserOffset + userIndex);
}

}  // namespace

EditedProfile::EditedProfile(DeviceLink& link, const ProgramOptions& options)
    : link_(link), gdEnable_(options.gdEnable), beEnable_(options.beEnable) {
  menu = functionMenuSizing(profile, gdEnable_, beEnable_);
}

void EditedProfile::RefreshCurrentProfileStatus() {
  uint8_t value = link_.image.user[image::kUserActiveProfile];
  if (link_.connection.supportsStoredWrites()) {
    std::array<uint8_t, 1> read{};
    // A mouse that does not answer leaves the shown profile as it is.
    if (!link_.channel.BlockRead(image::kUserOffset + image::kUserActiveProfile, read)) return;
    value = read[0];
    link_.image.user[image::kUserActiveProfile] = value;
  }
  showActiveProfile(value);
}

void EditedProfile::refreshFromImage() {
  showActiveProfile(link_.image.user[image::kUserActiveProfile]);
}

// Only modes 0 and 1 have a table of their own; another value leaves the edited
// profile as it is.
void EditedProfile::showActiveProfile(uint8_t userByte0) {
  const int mode = image::activeProfileCode(userByte0);
  if (mode == kOfficeMode - 1) selectEditedProfile(kOfficeMode);
  if (mode == kGameMode - 1) selectEditedProfile(kGameMode);
}

void EditedProfile::selectEditedProfile(int newProfile) {
  profile = newProfile;
  officeModeItemVisible = newProfile != kOfficeMode;
  gameModeItemVisible = newProfile != kGameMode;
  menu = functionMenuSizing(newProfile, gdEnable_, beEnable_);
  if (showKeyPage) showKeyPage(newProfile);
  link_.host.refreshWindow();
}

bool EditedProfile::selectMode(int mode) {
  if (mode < kOfficeMode || mode > kThirdMode) return false;
  if (link_.batchFlag() || link_.errorFlag() || link_.refreshingFlag()) return false;
  UserSection& user = link_.image.user;
  user[image::kUserActiveProfile] =
      image::withActiveProfileCode(user[image::kUserActiveProfile], static_cast<uint8_t>(mode - 1));
  if (gdEnable_) {
    if (mode == kGameMode)
      user[image::kUserButtonEffect] |= kGunModeFlag;
    else
      user[image::kUserButtonEffect] &= static_cast<uint8_t>(~kGunModeFlag);
  }
  link_.image.UpdateUserChecksum();
  CommandChannel& channel = link_.channel;
  TransferResult sent;
  if (gdEnable_)
    sent = channel.DirectWriteBytes(directAddress(image::kUserButtonEffect),
                                    user[image::kUserButtonEffect], 0, 0, 1);
  // The stored user section stays valid only with its checksum; byte 0 goes last, since
  // writing it makes the mouse re-apply the section.
  sent += channel.DirectWriteBytes(directAddress(kUserChecksum), user[kUserChecksum], 0, 0, 1);
  sent += channel.DirectWriteBytes(directAddress(image::kUserActiveProfile),
                                   user[image::kUserActiveProfile], 0, 0, 1);
  lastWrite = sent;
  if (mode != kThirdMode) selectEditedProfile(mode);
  return sent.ok();
}

}  // namespace mousecfg
