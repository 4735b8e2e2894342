#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/CliContext.h"
#include "fire/GunPageState.h"

namespace CLI {
class App;
}

namespace mousecfg {

class LanguageTables;

// The words of "mousectl gun" as the parser stores them.
struct GunWords {
  std::string gun;
  std::array<std::string, kGunFieldCount> fields;  // in GunField order
  std::string colour;
  std::string keepLeft;
  std::string button;
  std::string fromText;
  std::string output = "-";
  bool exportText = false;
};

using GunRecord = std::array<uint8_t, gun::kRecordLength>;

// What the words ask of one gun, every value checked against its range.
struct GunChange {
  int gun = 0;  // 0: all shown, none changed
  std::array<std::optional<int>, kGunFieldCount> fields;
  std::optional<uint32_t> colour;
  std::optional<bool> keepLeft;
  int button = 0;                   // 0: no button
  std::optional<GunRecord> record;  // read from --from-text
  bool exportText = false;
  std::string output;

  const std::optional<int>& field(GunField which) const {
    return fields[static_cast<size_t>(which)];
  }
  bool changes() const;
};

// The option of a gun page field: "--x-offset" for GunField::XOffset.
const char* gunFieldOption(GunField which);

// Reads the words, and the text of --from-text, without the mouse; an exit status
// after telling the user what is wrong.
int parseGunWords(const GunWords& words, const CLI::App& command, const LanguageTables& languages,
                  const CliContext& context, GunChange& change);

class CliSession;

// Puts the change through the gun page as "mousectl gun" does: the page opened for the
// gun (and the button), the fields edited, Confirm; then checks that the mouse stored
// the gun table. An exit status, after telling the user what went wrong.
int applyGunChange(CliSession& session, const GunChange& change, std::ostream& err);

}  // namespace mousecfg
