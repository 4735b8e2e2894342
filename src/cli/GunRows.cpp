#include "cli/GunRows.h"

#include <iomanip>
#include <optional>
#include <ostream>
#include <string>

#include "base/HexText.h"
#include "cli/ArgumentValues.h"
#include "cli/GunNames.h"
#include "core/ApplicationCore.h"
#include "fire/GunPresets.h"

namespace mousecfg {

namespace {

// A gun's values, each present only where its record holds it.
struct GunValues {
  std::string name;
  std::optional<int> shots;
  std::optional<int> x;
  std::optional<int> y;
  int xOffset = 0;
  int yOffset = 0;
  std::optional<int> delayMs;
  uint32_t colour = 0;
  std::span<const uint8_t, gun::kRecordLength> bytes;
};

GunValues valuesOf(const ApplicationCore& core, int gun) {
  const ConfigImage& image = core.link.image;
  const auto record = gunRecord(image.committedGunTable, gun);
  const GunRecordFields found = scanGunRecord(record);
  const auto where = [](const std::optional<size_t>& at, int value) {
    return at ? std::optional(value) : std::nullopt;
  };
  return {gunName(core.languages, gun),
          where(found.fireCountAt, found.fireCount),
          where(found.xAt, found.x),
          where(found.yAt, found.y),
          gunXOffset(image.user, gun),
          gunYOffset(image.user, gun),
          where(found.delayAt, found.delayMs),
          gunColour(image.vendor, gun),
          record};
}

std::string shown(const std::optional<int>& value) {
  return value ? std::to_string(*value) : "-";
}

Json jsonOf(const std::optional<int>& value) {
  return value ? Json(*value) : Json();
}

}  // namespace

void printGunTable(const ApplicationCore& core, std::ostream& out) {
  out << "gun  name          shots     X     Y  X offset  Y offset  delay  colour\n";
  for (int gun = gun::kFirstGun; gun <= gun::kLastGun; ++gun) {
    const GunValues v = valuesOf(core, gun);
    out << std::setw(3) << gun << "  " << std::left << std::setw(12) << v.name << std::right
        << std::setw(7) << shown(v.shots) << std::setw(6) << shown(v.x) << std::setw(6)
        << shown(v.y) << std::setw(10) << v.xOffset << std::setw(10) << v.yOffset << std::setw(7)
        << shown(v.delayMs) << "  " << colourText(v.colour) << '\n';
  }
}

void printGun(const ApplicationCore& core, int gun, std::ostream& out) {
  const GunValues v = valuesOf(core, gun);
  out << "gun " << gun << ": " << v.name << '\n'
      << "  shots:     " << shown(v.shots) << '\n'
      << "  X:         " << shown(v.x) << '\n'
      << "  Y:         " << shown(v.y) << '\n'
      << "  X offset:  " << v.xOffset << '\n'
      << "  Y offset:  " << v.yOffset << '\n'
      << "  delay:     " << shown(v.delayMs) << (v.delayMs ? " ms" : "") << '\n'
      << "  colour:    " << colourText(v.colour) << '\n'
      << "  bytes:     " << hexBytes(v.bytes) << '\n';
}

Json gunJson(const ApplicationCore& core, int gun) {
  const GunValues v = valuesOf(core, gun);
  return {{"gun", gun},
          {"name", v.name},
          {"shots", jsonOf(v.shots)},
          {"x", jsonOf(v.x)},
          {"y", jsonOf(v.y)},
          {"x_offset", v.xOffset},
          {"y_offset", v.yOffset},
          {"delay_ms", jsonOf(v.delayMs)},
          {"colour", colourText(v.colour)},
          {"bytes", byteArray(v.bytes)}};
}

Json gunsJson(const ApplicationCore& core) {
  Json guns = Json::array();
  for (int gun = gun::kFirstGun; gun <= gun::kLastGun; ++gun) guns.push_back(gunJson(core, gun));
  return {{"guns", guns}};
}

}  // namespace mousecfg
