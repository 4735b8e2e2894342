#include "fire/GunPresets.h"

#include "base/ProgramOptions.h"
#include "device/MacroEvent.h"
#include "settings/ColourBytes.h"
#include "settings/KeyTables.h"
#include "settings/ModeSwitchKeys.h"

namespace mousecfg {

namespace gun {

bool isGun(int gun) {
  return gun >= kFirstGun && gun <= kLastGun;
}

size_t xOffsetIndex(int gun) {
  return image::kUserXOffsets + static_cast<size_t>(gun - 1);
}

size_t yOffsetIndex(int gun) {
  return image::kUserYOffsets + static_cast<size_t>(gun - 1);
}

size_t colourOffset(int gun) {
  return image::colourSlotOffset(gun);
}

}  // namespace gun

std::span<uint8_t, gun::kRecordLength> gunRecord(GunTable& table, int gun) {
  return std::span(table)
      .subspan(gun::kRecordLength * static_cast<size_t>(gun - 1))
      .first<gun::kRecordLength>();
}

std::span<const uint8_t, gun::kRecordLength> gunRecord(const GunTable& table, int gun) {
  return std::span(table)
      .subspan(gun::kRecordLength * static_cast<size_t>(gun - 1))
      .first<gun::kRecordLength>();
}

namespace {

size_t usedLengthOf(std::span<const uint8_t, gun::kRecordLength> record) {
  for (size_t i = 0; i + 2 < record.size(); ++i)
    if (record[i] == 0 && record[i + 1] == 0 && record[i + 2] == 0) return i + 1;
  return record.size();
}

}  // namespace

// The mouse plays the record from its start; the scan stops one byte short of its end,
// and an event cut off by that end gives nothing.
GunRecordFields scanGunRecord(std::span<const uint8_t, gun::kRecordLength> record) {
  GunRecordFields fields;
  fields.usedLength = usedLengthOf(record);
  bool delayBound = false;
  size_t at = 0;
  while (at < gun::kMaxEventBytes) {
    const uint8_t code = record[at];
    if (code == macro::kRepeatStart) {
      fields.fireCount = record[at + 1];
      fields.fireCountAt = at + 1;
      at += 2;
    } else if (code == macro::kMove && at + 2 < record.size()) {
      fields.x = static_cast<int8_t>(record[at + 1]);
      fields.y = static_cast<int8_t>(record[at + 2]);
      fields.xAt = at + 1;
      fields.yAt = at + 2;
      delayBound = true;
      at += 3;
    } else if (code == macro::kDelay && at + 2 < record.size()) {
      if (delayBound) {
        fields.delayMs = record[at + 1] << 8 | record[at + 2];
        fields.delayAt = at + 1;
        delayBound = false;
      }
      at += 3;
    } else {
      at += 1;
    }
  }
  return fields;
}

int gunXOffset(const UserSection& user, int gun) {
  return static_cast<int8_t>(user[gun::xOffsetIndex(gun)]);
}

int gunYOffset(const UserSection& user, int gun) {
  return static_cast<int8_t>(user[gun::yOffsetIndex(gun)]);
}

uint32_t gunColour(const VendorSection& vendor, int gun) {
  return colourAt(vendor, gun::colourOffset(gun));
}

int gunStageCount(int gun, const ProgramOptions& options) {
  return gun == 6 ? options.gun6Num : 1;
}

uint8_t gunComboEnable(const ConfigImage& image, const FireMacroCodeSet& fireMacros) {
  uint8_t combo = 0;
  for (int profile = key_tables::kFirstProfile; profile <= key_tables::kLastProfile; ++profile)
    for (int button = 1; button <= key_tables::kButtonCount; ++button) {
      const ButtonEntry buttonEntry = profileEntry(image, profile, button);
      if (modeswitch::isGunOrFireMacroEntry(buttonEntry, fireMacros))
        combo = buttonEntry[entry::kComboEnableByte];
    }
  return combo;
}

}  // namespace mousecfg
