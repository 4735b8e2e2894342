#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/ArgumentValues.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "cli/StoredReadBack.h"
#include "settings/ButtonAssignment.h"
#include "settings/KeyTables.h"

namespace mousecfg {

namespace {

constexpr std::string_view kFireDetails =
    "Without KEY shows the three fire keys: how many shots each fires, the interval\n"
    "between the shots, whether it keeps firing while its button is held (Continuous, as\n"
    "the Advanced page shows it) and the buttons of both profiles that use it. With KEY\n"
    "(1..3) shows that key, and with options sets it as the Advanced page's \"Fire Key\n"
    "Setting\" does: every button named after the key, in both profiles, takes the new\n"
    "shots, interval and Continuous option, and the fire keys and the key tables go to\n"
    "the mouse. Options not given keep their value.\n"
    "A button uses fire key 2 after: mousectl button N \"Fire Key2\"\n"
    "Exit status 6: the mouse's memory does not store fire keys.";

struct FireWords {
  std::string key;
  std::string shots;
  std::string interval;
  std::string continuous;
};

// What the options ask of fire key `key`; unset values keep the key's own.
struct FireChange {
  int key = 0;  // 0: all keys shown, none changed
  std::optional<int> shots;
  std::optional<int> intervalMs;
  std::optional<bool> continuous;
  bool changes() const { return shots || intervalMs || continuous; }
};

// An error message, empty when the words are fine.
std::string parseFireWords(const FireWords& words, const CLI::App& command, FireChange& change) {
  const auto given = [&command](const char* option) { return command.count(option) > 0; };
  if (given("KEY")) {
    const auto key = parseNumberArgument(words.key, 1, FireKeyState::kKeys);
    if (!key) return "no fire key \"" + words.key + "\"; the fire keys are 1, 2 and 3";
    change.key = *key;
  }
  if (given("--shots")) {
    change.shots = parseNumberArgument(words.shots, entry::kMinFireCount, entry::kMaxFireCount);
    if (!change.shots) return "--shots takes 1..15, not \"" + words.shots + '"';
  }
  if (given("--interval")) {
    change.intervalMs = parseNumberArgument(words.interval, 1, FireKeyState::kMaxInterval);
    if (!change.intervalMs) return "--interval takes 1..4094 (ms), not \"" + words.interval + '"';
  }
  if (given("--continuous")) {
    change.continuous = parseOnOffArgument(words.continuous);
    if (!change.continuous) return "--continuous takes on or off, not \"" + words.continuous + '"';
  }
  if (change.changes() && change.key == 0)
    return "give the fire key to change: \"mousectl fire 2 --shots 5\"";
  return {};
}

struct ButtonPlace {
  int profile;
  int button;
};

// The buttons whose name is fire key `key`'s, profile 1 first.
std::vector<ButtonPlace> buttonsOf(const ApplicationCore& core, int key) {
  std::vector<ButtonPlace> places;
  const std::string name = core.fireKeys.keyName(key);
  for (int profile = key_tables::kFirstProfile; profile <= key_tables::kLastProfile; ++profile) {
    const auto names = core.assignment.profileNames(profile);
    for (int button = 1; button <= key_tables::kButtonCount; ++button)
      if (names[static_cast<size_t>(button - 1)] == name) places.push_back({profile, button});
  }
  return places;
}

void showKey(const ApplicationCore& core, int key, std::ostream& out) {
  const FireKeySetting setting = core.fireKeys.shownSetting(key);
  out << "fire key " << key << " (" << core.fireKeys.keyName(key) << "): " << setting.count
      << " shots, " << setting.intervalMs << " ms apart, continuous "
      << (setting.continuous ? "on" : "off") << "\n  used by: ";
  const std::vector<ButtonPlace> places = buttonsOf(core, key);
  if (places.empty()) out << "no button";
  for (size_t i = 0; i < places.size(); ++i)
    out << (i == 0 ? "" : ", ") << "profile " << places[i].profile << " button "
        << places[i].button;
  out << '\n';
}

Json keyJson(const ApplicationCore& core, int key) {
  const FireKeySetting setting = core.fireKeys.shownSetting(key);
  Json buttons = Json::array();
  for (const ButtonPlace& place : buttonsOf(core, key))
    buttons.push_back({{"profile", place.profile}, {"button", place.button}});
  return {{"key", key},
          {"name", core.fireKeys.keyName(key)},
          {"shots", setting.count},
          {"interval_ms", setting.intervalMs},
          {"continuous", setting.continuous},
          {"buttons", buttons}};
}

void showFireKeys(const ApplicationCore& core, int onlyKey, bool json, std::ostream& out) {
  const int first = onlyKey == 0 ? 1 : onlyKey;
  const int last = onlyKey == 0 ? FireKeyState::kKeys : onlyKey;
  if (!json) {
    for (int key = first; key <= last; ++key) showKey(core, key, out);
    return;
  }
  Json keys = Json::array();
  for (int key = first; key <= last; ++key) keys.push_back(keyJson(core, key));
  printJson(out, {{"fire_keys", keys}});
}

// Sets the key as both pages would and checks that the mouse stored it; an exit status.
int applyFireChange(CliSession& session, const FireChange& change, std::ostream& err) {
  ApplicationCore& core = session.core();
  DeviceLink& link = core.link;
  if (!link.connection.supportsStoredWrites()) {
    err << "mousectl fire: this mouse (interface type \"" << link.connection.interfaceType
        << "\") does not store fire keys; nothing was changed\n";
    return kExitNotApplied;
  }
  const FireKeySetting current = core.fireKeys.shownSetting(change.key);
  core.fireKeys.setFireKey(change.key, {change.shots.value_or(current.count),
                                        change.intervalMs.value_or(current.intervalMs),
                                        change.continuous.value_or(current.continuous)});
  if (!core.fireKeys.lastWrite) {
    err << "mousectl fire: the mouse did not take the new fire keys\n";
    return kExitNoDevice;
  }
  if (const int status = session.verifyWritten(); status != kExitOk) return status;
  if (!storedBytesMatch(link, image::kFireKeyOffset, link.image.fireKey)) {
    err << "mousectl fire: the mouse did not store the new fire keys\n";
    return kExitNoDevice;
  }
  return kExitOk;
}

int runFire(const FireWords& words, const CLI::App& command, bool json, const CliContext& context) {
  FireChange change;
  if (const std::string error = parseFireWords(words, command, change); !error.empty())
    return reportUsageMistake(context.err, "fire", error);
  CliSession session(context);
  if (const int status = session.connectAndRead(); status != kExitOk) return status;
  if (change.changes())
    if (const int status = applyFireChange(session, change, context.err); status != kExitOk)
      return status;
  showFireKeys(session.core(), change.key, json, context.out);
  return kExitOk;
}

}  // namespace

CommandRun defineFire(CLI::App& command, const CommonOptions& common) {
  auto words = std::make_shared<FireWords>();
  command.add_option("KEY", words->key, "the fire key, 1..3");
  command.add_option("--shots", words->shots, "shots each press fires, 1..15")->type_name("N");
  command.add_option("--interval", words->interval, "ms between the shots, 1..4094")
      ->type_name("MS");
  command.add_option("--continuous", words->continuous, "keep firing while the button is held")
      ->type_name("on|off");
  command.footer(std::string(kFireDetails));
  return [words, &command, &common](const CliContext& context) {
    return runFire(*words, command, common.json, context);
  };
}

}  // namespace mousecfg
