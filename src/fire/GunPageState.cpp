#include "fire/GunPageState.h"

#include <algorithm>

#include "base/ProgramOptions.h"
#include "device/DeviceLink.h"
#include "settings/ButtonAssignment.h"
#include "settings/ColourBytes.h"
#include "settings/DecimalField.h"
#include "settings/EngineerMirrors.h"
#include "settings/KeyTables.h"
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
                           LightingControlsMirror& engineer, const ProgramOptions& options)
    : link_(link), assignment_(assignment), engineer_(engineer), options_(options) {
  fields.fill("0");
}

std::string GunPageState::gunPicture(int gun) const {
  return "Gun" + std::to_string(gun) + (gun == selectedGun ? "_02" : "_01");
}

uint32_t GunPageState::swatchColour() const {
  return gunColour(link_.image.vendor, selectedGun);
}

bool GunPageState::writesBlocked() const {
  return link_.batchFlag() || link_.refreshingFlag();
}

void GunPageState::open(int forButton) {
  button = key_tables::isButton(forButton) ? forButton : 0;
  Btn_FireClick(gun::kFirstGun);
}

void GunPageState::Btn_FireClick(int gun) {
  if (gun::isGun(gun)) showGun(gun);
}

void GunPageState::refreshFromImage() {
  showGun(selectedGun);
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
  show(GunField::XOffset, gunXOffset(link_.image.user, gun));
  show(GunField::YOffset, gunYOffset(link_.image.user, gun));
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
      link_.image.user[gun::xOffsetIndex(selectedGun)] = byte(value);
      break;
    case GunField::YOffset:
      link_.image.user[gun::yOffsetIndex(selectedGun)] = byte(value);
      break;
  }
}

void GunPageState::FireColorClick() {
  if (link_.refreshingFlag() || !pickColour) return;
  if (const std::optional<uint32_t> chosen = pickColour(swatchColour())) setColour(*chosen);
}

void GunPageState::setColour(uint32_t rgb) {
  storeVendorBytes(link_, gun::colourOffset(selectedGun), colourBytes(rgb));
  engineer_.showSlotColour(selectedGun, rgb);
}

ButtonEntry GunPageState::entryForGun(int gun) const {
  return gunPresetEntry(gun, keepLeft, gunStageCount(gun, options_),
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

void GunPageState::Btn_ConfirmClick() {
  leave();
  putOnButton();
  link_.image.committedGunTable = link_.image.workingGunTable;
  if (writesBlocked()) return;
  link_.image.UpdateVendorChecksum();
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
