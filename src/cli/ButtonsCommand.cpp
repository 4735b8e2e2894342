#include <CLI/CLI.hpp>
#include <ostream>

#include "base/LanguageKeys.h"
#include "base/LanguageTables.h"
#include "cli/ButtonRows.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "settings/ButtonAssignment.h"
#include "settings/KeyTables.h"

namespace mousecfg {

namespace {

int activeProfile(const DeviceLink& link) {
  const uint8_t code = image::activeProfileCode(link.image.user[image::kUserActiveProfile]);
  return code == image::kProfile1Code ? 1 : 2;
}

std::string modeName(const ApplicationCore& state, int profile) {
  return state.languages.text(profile == 1 ? langkey::menu::kOfficeMode : langkey::menu::kGameMode);
}

void printText(ApplicationCore& state, std::ostream& out) {
  DeviceLink& link = state.link;
  for (int profile = key_tables::kFirstProfile; profile <= key_tables::kLastProfile; ++profile) {
    out << "profile " << profile << " (" << modeName(state, profile) << ")"
        << (activeProfile(link) == profile ? ", active" : "") << ":\n";
    const auto names = state.assignment.profileNames(profile);
    for (int k = 1; k <= key_tables::kButtonCount; ++k)
      printButtonRow(out, k, profileCode(link.codes, profile, k),
                     names[static_cast<size_t>(k - 1)]);
  }
  out << "combo keys:\n";
  for (int n = 1; n <= key_tables::kComboKeyCount; ++n)
    printButtonRow(out, n, comboKeyCode(link.codes, n),
                   state.assignment.comboCaptions[static_cast<size_t>(n - 1)]);
}

Json buttonsJson(ApplicationCore& state) {
  DeviceLink& link = state.link;
  Json profiles = Json::array();
  for (int profile = key_tables::kFirstProfile; profile <= key_tables::kLastProfile; ++profile) {
    const auto names = state.assignment.profileNames(profile);
    Json buttons = Json::array();
    for (int k = 1; k <= key_tables::kButtonCount; ++k)
      buttons.push_back(buttonRowJson("button", k, profileEntry(link.image, profile, k),
                                      profileCode(link.codes, profile, k),
                                      names[static_cast<size_t>(k - 1)]));
    profiles.push_back({{"profile", profile},
                        {"mode", modeName(state, profile)},
                        {"active", activeProfile(link) == profile},
                        {"buttons", buttons}});
  }
  Json comboKeys = Json::array();
  for (int n = 1; n <= key_tables::kComboKeyCount; ++n)
    comboKeys.push_back(buttonRowJson("key", n, comboKeyEntry(link.image, n),
                                      comboKeyCode(link.codes, n),
                                      state.assignment.comboCaptions[static_cast<size_t>(n - 1)]));
  return {{"profiles", profiles}, {"combo_keys", comboKeys}};
}

}  // namespace

CommandRun defineButtons(CLI::App& command, const CommonOptions& common) {
  command.footer(
      "Reads the mouse's configuration and lists the function of each of the twelve\n"
      "buttons of profile 1 (\"Office Mode\") and profile 2 (\"Game Mode\"), and of the nine\n"
      "combo keys: the entry as 8 hexadecimal digits and its name as the window shows it.\n"
      "The profile the mouse is in is marked \"active\".");
  return [&common](const CliContext& context) {
    CliSession session(context);
    if (const int status = connectForButtons(session); status != kExitOk) return status;
    if (common.json)
      printJson(context.out, buttonsJson(session.core()));
    else
      printText(session.core(), context.out);
    return static_cast<int>(kExitOk);
  };
}

}  // namespace mousecfg
