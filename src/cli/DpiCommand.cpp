#include <CLI/CLI.hpp>
#include <functional>
#include <iomanip>
#include <limits>
#include <ostream>

#include "base/LanguageKeys.h"
#include "cli/ArgumentValues.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "cli/OrderedOptions.h"
#include "settings/AimKeyEntries.h"
#include "settings/DpiSlider.h"

namespace mousecfg {

namespace {

constexpr std::string_view kDpiDetails =
    "Without options shows the mouse's DPI levels: how many are switched on, each level's\n"
    "step with its DPI value and its indicator colour, the active level and the AIM DPI.\n"
    "The options change them in the order given, each sent to the mouse at once. A step\n"
    "is given by its number (0..14) or its DPI value (1600), a colour as RRGGBB in\n"
    "hexadecimal. A level switched on by --levels becomes the active one. The AIM DPI\n"
    "needs a button assigned to \"AIM Key\".\n"
    "Exit status 6: the configuration does not allow the change (level switched off,\n"
    "no AIM key).";

enum class DpiAction { Levels, Step, Active, Colour, Aim };

struct DpiRequest {
  DpiAction action;
  int level = 0;
  int value = 0;
  uint32_t colour = 0;
};

using Requests = std::vector<DpiRequest>;

// Reads the options in the order given; an error message, empty when they are fine.
std::string parseDpiOptions(const std::vector<OptionUse>& uses, const LanguageTables& texts,
                            int dpiCount, Requests& requests) {
  const auto levelOf = [](const std::string& text) {
    return parseNumberArgument(text, 1, DpiPageState::kLevels);
  };
  const auto noLevel = [](const std::string& text) {
    return "no DPI level \"" + text + "\" (1..8)";
  };
  for (const OptionUse& use : uses) {
    const std::vector<std::string>& values = use.values;
    if (use.name == "--levels") {
      const auto count = levelOf(values[0]);
      if (!count) return "--levels takes a number from 1 to 8, not \"" + values[0] + '"';
      requests.push_back({DpiAction::Levels, 0, *count});
    } else if (use.name == "--step") {
      const auto level = levelOf(values[0]);
      const auto step = parseStepArgument(values[1], dpiCount, texts);
      if (!level) return noLevel(values[0]);
      if (!step)
        return '"' + values[1] + "\" is neither a step (0.." + std::to_string(dpiCount - 1) +
               ") nor one of the DPI values";
      requests.push_back({DpiAction::Step, *level, *step});
    } else if (use.name == "--active") {
      const auto level = levelOf(values[0]);
      if (!level) return noLevel(values[0]);
      requests.push_back({DpiAction::Active, *level, 0});
    } else if (use.name == "--colour") {
      const auto level = levelOf(values[0]);
      const auto colour = parseColourArgument(values[1]);
      if (!level) return noLevel(values[0]);
      if (!colour) return "colours are six hexadecimal digits RRGGBB, not \"" + values[1] + '"';
      requests.push_back({DpiAction::Colour, *level, 0, *colour});
    } else if (use.name == "--aim") {
      const auto step = parseStepArgument(values[0], kAimPositions, texts);
      if (!step)
        return '"' + values[0] + "\" is neither an AIM step (0..14) nor one of its DPI values";
      requests.push_back({DpiAction::Aim, 0, *step});
    }
  }
  return {};
}

std::string levelOffMessage(int level, const DpiPageState& page) {
  return "DPI level " + std::to_string(level) + " is switched off (levels 1.." +
         std::to_string(page.enabledLevels) + " are on)";
}

// Carries out one request through the page's handlers; an error message when the
// configuration does not allow it.
std::string applyDpiRequest(const DpiRequest& request, ApplicationCore& pages) {
  DpiPageState& page = pages.dpi;
  switch (request.action) {
    case DpiAction::Levels:
      page.switchOnLevels(request.value);
      return {};
    case DpiAction::Step:
      if (!page.levels[request.level - 1].enabled) return levelOffMessage(request.level, page);
      page.chooseLevelStep(request.level, request.value);
      return {};
    case DpiAction::Active:
      if (!page.levels[request.level - 1].enabled) return levelOffMessage(request.level, page);
      page.CurrentDPI_OnClick(request.level);
      return {};
    case DpiAction::Colour:
      if (!page.levels[request.level - 1].enabled) return levelOffMessage(request.level, page);
      page.pickColour = [&request](uint32_t) { return std::optional<uint32_t>(request.colour); };
      page.lbl_DPIColClick(request.level);
      page.pickColour = nullptr;
      return {};
    case DpiAction::Aim:
      if (!page.chooseAimStep(request.value))
        return "no button of either profile is assigned to \"" +
               pages.text(langkey::menu::kAimKey) + "\"; the AIM DPI stays at " + page.aimValueText;
      return {};
  }
  return {};
}

std::optional<int> dpiNumber(const std::string& text) {
  return parseNumberArgument(text, 0, std::numeric_limits<int>::max());
}

// A step's DPI as a number where its text is one ("1600"), else the text.
Json stepJson(int step, const LanguageTables& texts) {
  const std::string text = stepText(step, texts);
  const std::optional<int> dpi = dpiNumber(text);
  return {{"step", step}, {"dpi", dpi ? Json(*dpi) : Json(text)}};
}

bool aimKeyAssigned(const ApplicationCore& pages) {
  return aimStepOfProfile(pages.link.image.profile1) || aimStepOfProfile(pages.link.image.profile2);
}

Json dpiJson(const ApplicationCore& pages) {
  const DpiPageState& page = pages.dpi;
  Json levels = Json::array();
  for (int level = 1; level <= DpiPageState::kLevels; ++level) {
    const int step = page.levelStep(level);
    Json entry = {{"level", level}, {"on", page.levels[level - 1].enabled}};
    if (step == image::kDpiNoStep) {
      entry["step"] = nullptr;
      entry["dpi"] = nullptr;
    } else {
      entry.update(stepJson(step, pages.languages));
    }
    entry["colour"] = colourText(page.levelColour(level));
    entry["active"] = level == page.activeLevel;
    levels.push_back(entry);
  }
  Json aim = stepJson(page.aimStepNumber - 1, pages.languages);
  aim["key_assigned"] = aimKeyAssigned(pages);
  Json steps = Json::array();
  for (int step = 0; step < page.dpiCount(); ++step)
    steps.push_back(stepJson(step, pages.languages));
  return {{"levels_on", page.enabledLevels},
          {"active_level", page.activeLevel},
          {"levels", levels},
          {"aim", aim},
          {"steps", steps}};
}

void showDpi(ApplicationCore& pages, std::ostream& out) {
  const DpiPageState& page = pages.dpi;
  out << "levels:  " << page.enabledLevels << '\n' << "active:  " << page.activeLevel << '\n';
  for (int level = 1; level <= DpiPageState::kLevels; ++level) {
    const int step = page.levelStep(level);
    out << "level " << level << ": " << (page.levels[level - 1].enabled ? "on " : "off");
    if (step == image::kDpiNoStep)
      out << "  step -   " << std::setw(6) << "-";
    else
      out << "  step " << std::left << std::setw(3) << step << std::right << std::setw(6)
          << stepText(step, pages.languages);
    out << "  colour " << colourText(page.levelColour(level))
        << (level == page.activeLevel ? "  active" : "") << '\n';
  }
  const bool aimKey = aimKeyAssigned(pages);
  out << "AIM:     step " << page.aimStepNumber - 1 << "  " << page.aimValueText
      << (aimKey ? "" : "  (no AIM key assigned)") << '\n';
  out << "steps:  ";
  for (int step = 0; step < page.dpiCount(); ++step)
    out << ' ' << step << '=' << stepText(step, pages.languages);
  out << '\n';
}

int runDpi(const CLI::App& command, bool json, const CliContext& context) {
  std::ostream& err = context.err;
  CliSession session(context);
  ApplicationCore& pages = session.core();
  Requests requests;
  if (const std::string error = parseDpiOptions(optionsInOrder(command), pages.languages,
                                                pages.options.dpiCount, requests);
      !error.empty()) {
    return reportUsageMistake(err, "dpi", error);
  }
  if (const int status = session.connectAndRead(); status != kExitOk) return status;
  for (const DpiRequest& request : requests) {
    if (const std::string error = applyDpiRequest(request, pages); !error.empty()) {
      err << "mousectl dpi: " << error << '\n';
      const int written = session.verifyWritten();
      return written != kExitOk ? written : kExitNotApplied;
    }
  }
  if (const int status = session.verifyWritten(); status != kExitOk) return status;
  if (json)
    printJson(context.out, dpiJson(pages));
  else
    showDpi(pages, context.out);
  return kExitOk;
}

}  // namespace

CommandRun defineDpi(CLI::App& command, const CommonOptions& common) {
  addRepeatedOption(command, "--levels", "N", 1, "switch on levels 1..N (1..8), the rest off");
  addRepeatedOption(command, "--step", "LEVEL STEP", 2, "give a level a step");
  addRepeatedOption(command, "--active", "LEVEL", 1, "make a level the active one");
  addRepeatedOption(command, "--colour,--color", "LEVEL RRGGBB", 2, "a level's indicator colour");
  addRepeatedOption(command, "--aim", "STEP", 1, "the step while an AIM key is held");
  command.footer(std::string(kDpiDetails));
  return [&command, &common](const CliContext& context) {
    return runDpi(command, common.json, context);
  };
}

}  // namespace mousecfg
