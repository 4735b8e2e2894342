#include "cli/GunChange.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>
#include <tuple>

#include "base/CloseNames.h"
#include "cli/ArgumentValues.h"
#include "cli/CommandDefinition.h"
#include "cli/FileArguments.h"
#include "cli/GunNames.h"
#include "macros/MacroText.h"
#include "settings/KeyTables.h"

namespace mousecfg {

namespace {

constexpr size_t kMaxTextBytes = 1 << 20;

// The option of each gun page field, in GunField order.
constexpr std::array<const char*, kGunFieldCount> kFieldOptions{
    "--shots", "--x", "--x-offset", "--y", "--y-offset", "--delay"};
// The fields a text replaces.
constexpr std::array<GunField, 4> kRecordFields{GunField::FireCount, GunField::FireX,
                                                GunField::FireY, GunField::FireDelay};

std::optional<int> fieldArgument(GunField which, const std::string& text) {
  switch (which) {
    case GunField::FireCount:
      return parseNumberArgument(text, 0, gun::kMaxFireCount);
    case GunField::FireDelay:
      return parseNumberArgument(text, 0, gun::kMaxDelay);
    default:
      return parseSignedArgument(text, gun::kMinMove, gun::kMaxMove);
  }
}

std::string fieldRange(GunField which) {
  const auto range = [](int low, int high) {
    return std::to_string(low) + ".." + std::to_string(high);
  };
  switch (which) {
    case GunField::FireCount:
      return range(0, gun::kMaxFireCount);
    case GunField::FireDelay:
      return range(0, gun::kMaxDelay) + " (ms)";
    default:
      return range(gun::kMinMove, gun::kMaxMove);
  }
}

std::string parseGunNumber(const std::string& text, const LanguageTables& languages, int& gun) {
  if (const auto number = parseNumberArgument(text, gun::kFirstGun, gun::kLastGun)) {
    gun = *number;
    return {};
  }
  if (const auto named = gunOfName(text, languages)) {
    gun = *named;
    return {};
  }
  std::string error = "no gun \"" + text + "\"; the guns are 1..7 or their names";
  const std::vector<std::string> close = closeNames(text, gunNames(languages), 1);
  if (!close.empty()) error += "; did you mean \"" + close.front() + "\"?";
  return error;
}

// An axis and its offset given together must fit a signed byte together.
std::string checkGivenPairs(const GunChange& change) {
  for (const auto& [axis, offset, names] :
       {std::tuple{GunField::FireX, GunField::XOffset, "--x and --x-offset"},
        std::tuple{GunField::FireY, GunField::YOffset, "--y and --y-offset"}}) {
    const auto& a = change.field(axis);
    const auto& o = change.field(offset);
    if (a && o && (*a + *o < gun::kMinMove || *a + *o > gun::kMaxMove))
      return std::string(names) + " make " + std::to_string(*a + *o) +
             " together; an axis and its offset stay within -128..127";
  }
  return {};
}

std::string parseChangeOptions(const GunWords& words, const CLI::App& command, GunChange& change) {
  const auto given = [&command](const char* option) { return command.count(option) > 0; };
  for (size_t i = 0; i < kGunFieldCount; ++i) {
    if (!given(kFieldOptions[i])) continue;
    const auto which = static_cast<GunField>(i);
    change.fields[i] = fieldArgument(which, words.fields[i]);
    if (!change.fields[i])
      return std::string(kFieldOptions[i]) + " takes " + fieldRange(which) + ", not \"" +
             words.fields[i] + '"';
  }
  if (given("--colour")) {
    change.colour = parseColourArgument(words.colour);
    if (!change.colour)
      return "colours are six hexadecimal digits RRGGBB, not \"" + words.colour + '"';
  }
  if (given("--keep-left")) {
    change.keepLeft = parseOnOffArgument(words.keepLeft);
    if (!change.keepLeft) return "--keep-left takes on or off, not \"" + words.keepLeft + '"';
    if (!given("--button"))
      return "--keep-left says how the gun goes on a button: give the button with --button N";
  }
  if (given("--button")) {
    const auto button = parseNumberArgument(words.button, 1, key_tables::kButtonCount);
    if (!button)
      return "button \"" + words.button + "\" does not exist; buttons are numbered 1..12";
    change.button = *button;
  }
  return checkGivenPairs(change);
}

// Reads the text of --from-text; an error message for the user, empty when it parsed.
std::string readRecordText(const std::string& path, const CliContext& context, GunChange& change,
                           int& status) {
  const FileContents file = readFileArgument(path, kMaxTextBytes, context);
  if (!file.ok) {
    status = kExitFileError;
    return file.error;
  }
  const MacroTextParse parse = parseGunPresetText(
      std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
  if (!parse.ok) {
    status = kExitUsage;
    return (path == "-" ? std::string("standard input") : path) + ", " + parse.error;
  }
  GunRecord record{};
  std::ranges::copy(parse.bytes, record.begin());
  change.record = record;
  return {};
}

std::string checkCombinations(const GunWords& words, const CLI::App& command,
                              const GunChange& change) {
  if (change.gun == 0 && (change.changes() || words.exportText || command.count("--from-text")))
    return "give the gun: \"mousectl gun 3 --y 6\"";
  if (words.exportText && (change.changes() || command.count("--from-text")))
    return "--export-text shows the preset and takes no changes";
  if (command.count("--output") && !words.exportText) return "--output goes with --export-text";
  if (command.count("--from-text"))
    for (GunField which : kRecordFields)
      if (change.field(which))
        return std::string(kFieldOptions[static_cast<size_t>(which)]) +
               " edits the preset that --from-text replaces; give one or the other";
  return {};
}

}  // namespace

bool GunChange::changes() const {
  return record || colour || button != 0 ||
         std::ranges::any_of(fields, [](const std::optional<int>& f) { return f.has_value(); });
}

const char* gunFieldOption(GunField which) {
  return kFieldOptions[static_cast<size_t>(which)];
}

int parseGunWords(const GunWords& words, const CLI::App& command, const LanguageTables& languages,
                  const CliContext& context, GunChange& change) {
  std::string error;
  if (command.count("GUN")) error = parseGunNumber(words.gun, languages, change.gun);
  if (error.empty()) error = parseChangeOptions(words, command, change);
  if (error.empty()) error = checkCombinations(words, command, change);
  if (!error.empty()) return reportUsageMistake(context.err, "gun", error);
  change.exportText = words.exportText;
  change.output = words.output;
  if (!command.count("--from-text")) return kExitOk;
  int status = kExitOk;
  if (const std::string problem = readRecordText(words.fromText, context, change, status);
      !problem.empty())
    context.err << "mousectl: " << problem << '\n';
  return status;
}

}  // namespace mousecfg
