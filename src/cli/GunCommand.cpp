#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <ostream>
#include <utility>

#include "cli/ArgumentValues.h"
#include "cli/ButtonRows.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "cli/GunChange.h"
#include "cli/GunNames.h"
#include "cli/GunRows.h"
#include "cli/StoredReadBack.h"
#include "macros/MacroText.h"
#include "settings/ButtonAssignment.h"
#include "settings/KeyTables.h"

namespace mousecfg {

namespace {

constexpr std::string_view kGunDetails =
    R"(Without GUN shows the seven gun presets; with GUN (1..7 or its name, "M4 Fire") that
one, with its 24 bytes. The options change it as the gun page does, in the order
shots, X and X offset, Y and Y offset, delay, colour; "Confirm" then sends the gun
table, the offsets and the colours to the mouse. A value outside its range is refused
before anything is sent, and so is an axis that its offset would take beyond
-128..127. --button N also puts the gun on button N of profile 2 ("Game Mode"), as
Confirm does when the gun page was opened for that button.
--export-text writes the preset as readable text (docs/macro-text.md); --from-text
FILE reads it strictly: a mistake stops it with its line and column, and nothing is
sent.
Exit status 6: the preset holds no value for the option (no move for --x), the offset
it keeps does not allow the axis, or the mouse's memory does not store gun presets.)";

int exportText(const ApplicationCore& core, const GunChange& change, const CliContext& context) {
  const std::string name = gunName(core.languages, change.gun);
  const MacroTextWrite text =
      writeGunPresetText(gunRecord(core.link.image.committedGunTable, change.gun), name);
  if (!text.ok) {
    context.err << "mousectl: gun " << change.gun << " (" << name
                << ") has no text form: " << text.error << '\n';
    return kExitNotApplied;
  }
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.text.data());
  const FileWritten written =
      writeFileArgument(change.output, std::span(bytes, text.text.size()), context);
  if (!written) context.err << "mousectl: " << written.error << '\n';
  return written ? kExitOk : kExitFileError;
}

// Why the shown gun cannot take the change; empty when it can.
std::string refusal(const GunPageState& page, const GunChange& change) {
  const std::array<std::pair<GunField, bool>, 4> held{
      {{GunField::FireCount, page.shown.fireCountAt.has_value()},
       {GunField::FireX, page.shown.xAt.has_value()},
       {GunField::FireY, page.shown.yAt.has_value()},
       {GunField::FireDelay, page.shown.delayAt.has_value()}}};
  for (const auto& [which, present] : held)
    if (change.field(which) && !present)
      return "gun " + std::to_string(change.gun) + "'s preset holds no " +
             (which == GunField::FireCount   ? "repeat block"
              : which == GunField::FireDelay ? "delay after its move"
                                             : "move") +
             " for " + gunFieldOption(which) + " to set; write the preset with --from-text";
  const auto shownValue = [&page](GunField which) {
    return parseSignedArgument(page.field(which), gun::kMinMove, gun::kMaxMove).value_or(0);
  };
  for (const auto& [axis, offset] : {std::pair{GunField::FireX, GunField::XOffset},
                                     std::pair{GunField::FireY, GunField::YOffset}}) {
    const int a = change.field(axis).value_or(shownValue(axis));
    const int o = change.field(offset).value_or(shownValue(offset));
    if (a + o < gun::kMinMove || a + o > gun::kMaxMove)
      return std::string(axis == GunField::FireX ? "X " : "Y ") + std::to_string(a) +
             " with the offset " + std::to_string(o) + " makes " + std::to_string(a + o) +
             "; an axis and its offset stay within -128..127";
  }
  return {};
}

// An axis and its offset given together: the offset is cleared first, so that neither
// is clipped against the other's old value on the way.
void editPair(GunPageState& page, const GunChange& change, GunField axis, GunField offset) {
  const auto& a = change.field(axis);
  const auto& o = change.field(offset);
  if (a && o) page.fieldChange(offset, "0");
  if (a) page.fieldChange(axis, std::to_string(*a));
  if (o) page.fieldChange(offset, std::to_string(*o));
}

void editFields(GunPageState& page, const GunChange& change) {
  if (const auto& count = change.field(GunField::FireCount))
    page.fieldChange(GunField::FireCount, std::to_string(*count));
  editPair(page, change, GunField::FireX, GunField::XOffset);
  editPair(page, change, GunField::FireY, GunField::YOffset);
  if (const auto& delay = change.field(GunField::FireDelay))
    page.fieldChange(GunField::FireDelay, std::to_string(*delay));
  if (change.colour) page.setColour(*change.colour);
  if (change.keepLeft) page.keepLeft = *change.keepLeft;
}

// The gun page opened for the button (from the game-mode table) or for none.
void openPage(ApplicationCore& core, const GunChange& change) {
  if (change.button != 0) {
    core.assignment.setEditedProfile(key_tables::kLastProfile);
    core.gunPage.open(change.button);
  }
  if (change.record)
    std::ranges::copy(*change.record,
                      gunRecord(core.link.image.workingGunTable, change.gun).begin());
  core.gunPage.Btn_FireClick(change.gun);
}

int checkStored(CliSession& session, std::ostream& err) {
  DeviceLink& link = session.link();
  if (!session.core().gunPage.lastWrite) {
    err << "mousectl gun: the mouse did not take the new gun presets\n";
    return kExitNoDevice;
  }
  if (const int status = session.verifyWritten(); status != kExitOk) return status;
  if (!storedBytesMatch(link, image::kGunTableOffset, link.image.committedGunTable)) {
    err << "mousectl gun: the mouse did not store the new gun table\n";
    return kExitNoDevice;
  }
  return kExitOk;
}

// Gun k's button in profile 2, as the button commands show it.
Json buttonJson(const ApplicationCore& core, int button) {
  const DeviceLink& link = core.link;
  const int profile = key_tables::kLastProfile;
  const std::string& code = profileCode(link.codes, profile, button);
  Json row = {{"profile", profile}};
  row.update(buttonRowJson("button", button, profileEntry(link.image, profile, button), code,
                           core.assignment.nameOfCode(code)));
  return row;
}

void printButton(const ApplicationCore& core, int button, std::ostream& out) {
  const int profile = key_tables::kLastProfile;
  const std::string& code = profileCode(core.link.codes, profile, button);
  out << "profile " << profile << " button " << button << ": " << core.assignment.nameOfCode(code)
      << " (" << code << ")\n";
}

void report(const ApplicationCore& core, const GunChange& change, bool json, std::ostream& out) {
  if (json && change.gun == 0) {
    printJson(out, gunsJson(core));
  } else if (json) {
    Json shown = gunJson(core, change.gun);
    if (change.button != 0) shown["on_button"] = buttonJson(core, change.button);
    printJson(out, shown);
  } else if (change.gun == 0) {
    printGunTable(core, out);
  } else {
    printGun(core, change.gun, out);
    if (change.button != 0) printButton(core, change.button, out);
  }
}

int runGun(const GunWords& words, const CLI::App& command, bool json, const CliContext& context) {
  CliSession session(context);
  ApplicationCore& core = session.core();
  GunChange change;
  if (const int status = parseGunWords(words, command, core.languages, context, change);
      status != kExitOk)
    return status;
  loadFireMacroCodes(core);
  if (const int status = session.connectAndRead(); status != kExitOk) return status;
  if (change.exportText) return exportText(core, change, context);
  if (change.changes())
    if (const int status = applyGunChange(session, change, context.err); status != kExitOk)
      return status;
  report(core, change, json, context.out);
  return kExitOk;
}

}  // namespace

int applyGunChange(CliSession& session, const GunChange& change, std::ostream& err) {
  ApplicationCore& core = session.core();
  if (!core.link.connection.supportsStoredWrites()) {
    err << "mousectl gun: this mouse (interface type \"" << core.link.connection.interfaceType
        << "\") does not store gun presets; nothing was changed\n";
    return kExitNotApplied;
  }
  openPage(core, change);
  if (const std::string why = refusal(core.gunPage, change); !why.empty()) {
    err << "mousectl gun: " << why << "; nothing was changed\n";
    return kExitNotApplied;
  }
  editFields(core.gunPage, change);
  core.gunPage.Btn_ConfirmClick();
  return checkStored(session, err);
}

CommandRun defineGun(CLI::App& command, const CommonOptions& common) {
  auto words = std::make_shared<GunWords>();
  command.add_option("GUN", words->gun, "the gun, 1..7 or its name");
  const std::array<const char*, kGunFieldCount> helps{
      "fire count, 0..255", "X step, -128..127",   "X offset, -128..127",
      "Y step, -128..127",  "Y offset, -128..127", "delay after the move, 0..65535 ms"};
  for (size_t i = 0; i < kGunFieldCount; ++i)
    command.add_option(gunFieldOption(static_cast<GunField>(i)), words->fields[i], helps[i])
        ->type_name(static_cast<GunField>(i) == GunField::FireDelay ? "MS" : "N")
        ->allow_extra_args(false);
  command.add_option("--colour,--color", words->colour, "the gun's colour")->type_name("RRGGBB");
  command.add_option("--button", words->button, "put the gun on button N of profile 2")
      ->type_name("N");
  command.add_option("--keep-left", words->keepLeft, "with --button: keep the left key pressed")
      ->type_name("on|off");
  command.add_flag("--export-text", words->exportText, "write the preset as readable text");
  command
      .add_option("-o,--output", words->output,
                  "with --export-text: the file; - is standard output")
      ->type_name("FILE");
  command
      .add_option("--from-text", words->fromText,
                  "read the preset from readable text; - is standard input")
      ->type_name("FILE");
  command.footer(std::string(kGunDetails));
  return [words, &command, &common](const CliContext& context) {
    return runGun(*words, command, common.json, context);
  };
}

}  // namespace mousecfg
