#include "fire/GunPageState.h"

#include <algorithm>

#include "base/ProgramOptions.h"
#include "base/WindowControls.h"
#include "device/DeviceLink.h"
#include "settings/ButtonAssignment.h"
#include "settings/ColourBytes.h"
#include "settings/DecimalField.h"
#include "settings/KeyTables.h"
#include "settings/LightingPageState.h"
#include "settings/SectionFieldWrite.h"

namespace mousecfg {

namespace {

bool isSigned(GunField which) {
  return which != GunField::FireCount && which != GunField::FireDelay;
}

// The field coupled to an axis or an offset: X with X offset, Y with Y offset.
GunField partnerOf(GunField which) {
  switch (which) {
    case GunField::FireX:
      return GunField::XOffset;
    case GunField::XOffset:
      return GunField::FireX;
    case GunField::FireY:
      return GunField::YOffset;
    case GunField::YOffset:
      return GunField::FireY;
    default:
      return which;
  }
}

// The keys a field takes: digits, and for the signed fields one leading minus.
std::string acceptedText(GunField which, std::string_view typed) {
  std::string text;
  for (char c : typed) {
    if (c >= '0' && c <= '9')
      text += c;
    else if (c == '-' && isSigned(which) && text.empty())
      text += c;
  }
  return text;
}

int64_t valueOf(std::string_view text) {
  const bool negative = text.starts_with('-');
  const int64_t magnitude = readDecimalField(negative ? text.substr(1) : text).value_or(0);
  return negative ? -magnitude : magnitude;
}

int clampedValue(GunField which, int64_t value) {
  switch (which) {
    case GunField::FireCount:
      return static_cast<int>(std::clamp<int64_t>(value, 0, gun::kMaxFireCount));
    case GunField::FireDelay:
      return static_cast<int>(std::clamp<int64_t>(value, 0, gun::kMaxDelay));
    default:
      return static_cast<int>(std::clamp<int64_t>(value, gun::kMinMove, gun::kMaxMove));
  }
}

}  // namespace

GunPageState::GunPageState(DeviceLink& link, ButtonAssignment& assignment,
                           LightingPageState& lighting, const ProgramOptions& options)
    : link_(link), assignment_(assignment), lighting_(lighting), options_(options) {
  fields.fill("0");
}

std::string GunPageState::gunPicture(int gun) const {
  return "Gun" + std::to_string(gun) + (gun == selectedGun ? "_02" : "_01");
}

uint32_t GunPageState::swatchColour() const {
  return lighting_.slotColour(selectedGun);
}

std::string GunPageState::keepLeftPicture() const {
  return std::string(keepLeft ? kPictureTicked : kPictureUnticked);
}

bool GunPageState::writesBlocked() const {
  return link_.batchFlag() || link_.refreshingFlag();
}

void GunPageState::open(int forButton) {
  button = key_tables::isButton(forButton) ? forButton : 0;
  Btn_FireClick(gun::kFirstGun);
}

void GunPageState::Btn_FireClick(int gun) {
  if (!gun::isGun(gun)) return;
  showGun(gun);
  gunChosen(gun);
}

// The mouse was read: what waited for Confirm goes with the working copy it belonged to.
void GunPageState::refreshFromImage() {
  waiting_.fill({});
  showGun(selectedGun);
}

void GunPageState::offsetWrittenElsewhere(int gun, GunField offset) {
  if (!gun::isGun(gun)) return;
  if (offset == GunField::XOffset) waiting(gun).xOffset.reset();
  if (offset == GunField::YOffset) waiting(gun).yOffset.reset();
  if (gun == selectedGun) showGun(gun);
}

void GunPageState::showGun(int gun) {
  selectedGun = gun;
  fields.fill("0");
  const ScopedFlag fillingWhile(filling, true, false);
  shown = scanGunRecord(gunRecord(link_.image.workingGunTable, gun));
  const auto show = [&](GunField which, int value) {
    fields[static_cast<size_t>(which)] = std::to_string(value);
  };
  show(GunField::FireCount, shown.fireCount);
  show(GunField::FireX, shown.x);
  show(GunField::FireY, shown.y);
  show(GunField::FireDelay, shown.delayMs);
  // The offsets are shown as their fields take them: kept within a signed byte together
  // with their axis.
  const WaitingValues& typed = waiting(gun);
  show(GunField::XOffset,
       coupled(GunField::XOffset, typed.xOffset.value_or(gunXOffset(link_.image.user, gun))));
  show(GunField::YOffset,
       coupled(GunField::YOffset, typed.yOffset.value_or(gunYOffset(link_.image.user, gun))));
}

int GunPageState::fieldValue(GunField which) const {
  return static_cast<int>(valueOf(field(which)));
}

// An axis and its offset together stay within a signed byte: the field being edited
// gives way to the other.
int GunPageState::coupled(GunField which, int value) const {
  if (!isSigned(which)) return value;
  const int other = fieldValue(partnerOf(which));
  if (value + other > gun::kMaxMove) return gun::kMaxMove - other;
  if (value + other < gun::kMinMove) return gun::kMinMove - other;
  return value;
}

void GunPageState::fieldChange(GunField which, std::string_view typed) {
  std::string& text = fields[static_cast<size_t>(which)];
  const std::string accepted = acceptedText(which, typed);
  if (accepted == "-") {  // the start of a negative number
    text = accepted;
    return;
  }
  const int64_t typedValue = valueOf(accepted);
  const int value = coupled(which, clampedValue(which, typedValue));
  text = accepted.empty() || value != typedValue ? std::to_string(value) : accepted;
  if (!filling) storeField(which, value);
}

void GunPageState::storeField(GunField which, int value) {
  const auto record = gunRecord(link_.image.workingGunTable, selectedGun);
  const auto byte = [](int v) { return static_cast<uint8_t>(v & 0xFF); };
  switch (which) {
    case GunField::FireCount:
      if (shown.fireCountAt) record[*shown.fireCountAt] = byte(value);
      break;
    case GunField::FireX:
      if (shown.xAt) record[*shown.xAt] = byte(value);
      break;
    case GunField::FireY:
      if (shown.yAt) record[*shown.yAt] = byte(value);
      break;
    case GunField::FireDelay:
      if (shown.delayAt) {
        record[*shown.delayAt] = byte(value >> 8);
        record[*shown.delayAt + 1] = byte(value);
      }
      break;
    case GunField::XOffset:
      waiting(selectedGun).xOffset = value;
      break;
    case GunField::YOffset:
      waiting(selectedGun).yOffset = value;
      break;
  }
}

void GunPageState::FireColorClick() {
  if (link_.refreshingFlag() || !pickColour) return;
  if (const std::optional<uint32_t> chosen = pickColour(swatchColour())) setColour(*chosen);
}

void GunPageState::setColour(uint32_t rgb) {
  lighting_.setWaitingColour(selectedGun, rgb);
}

ButtonEntry GunPageState::entryForGun(int gun, bool keepLeftKey) const {
  return gunPresetEntry(gun, keepLeftKey, gunStageCount(gun, options_),
                        gunComboEnable(link_.image, assignment_.fireMacros));
}

void GunPageState::putOnButton() {
  if (assignment_.editedProfile != key_tables::kLastProfile || button == 0) return;
  (void)storeProfileEntry(link_.image, link_.codes, key_tables::kLastProfile, button,
                          entryForGun(selectedGun));
}

// Each gun's colour goes as one three-byte write; the vendor checksum follows once, so
// that the stored section still passes its check when the mouse is read again.
TransferResult GunPageState::sendColours() {
  TransferResult sent;
  for (int gun = gun::kFirstGun; gun <= gun::kLastGun; ++gun)
    sent += sendVendorBytes(link_, gun::colourOffset(gun), image::kColourLength);
  return sent + sendVendorChecksum(link_);
}

void GunPageState::commitWaitingValues() {
  for (int gun = gun::kFirstGun; gun <= gun::kLastGun; ++gun) {
    WaitingValues& typed = waiting(gun);
    const auto byte = [](int v) { return static_cast<uint8_t>(v & 0xFF); };
    if (typed.xOffset) link_.image.user[gun::xOffsetIndex(gun)] = byte(*typed.xOffset);
    if (typed.yOffset) link_.image.user[gun::yOffsetIndex(gun)] = byte(*typed.yOffset);
    typed = {};
    if (const std::optional<uint32_t> colour = lighting_.waitingColour(gun))
      storeVendorBytes(link_, gun::colourOffset(gun), colourBytes(*colour));
  }
  lighting_.clearWaitingColours();
  link_.image.UpdateUserChecksum();
}

void GunPageState::Btn_ConfirmClick() {
  leave();
  putOnButton();
  link_.image.committedGunTable = link_.image.workingGunTable;
  commitWaitingValues();
  lastWrite = TransferResult();
  if (writesBlocked()) return;
  TransferResult sent = sendColours();
  sent += link_.transfer.writeUserSection();
  lastWrite = sent + link_.transfer.WriteGunPresets();
  assignment_.refreshFromImage();
}

void GunPageState::Btn_CancelClick() {
  leave();
}

void GunPageState::leave() {
  if (leavePage) leavePage();
}

}  // namespace mousecfg
