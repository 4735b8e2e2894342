#include "cli/Commands.h"

#include <functional>
#include <iomanip>
#include <ostream>

#include "base/LanguageKeys.h"
#include "cli/ArgumentValues.h"
#include "cli/CliSession.h"
#include "settings/AimKeyEntries.h"
#include "settings/DpiSlider.h"

namespace mousecfg {

namespace {

constexpr std::string_view kDpiUsage =
    "usage: mousectl dpi [--levels N] [--step LEVEL STEP|DPI] [--active LEVEL]\n"
    "                    [--colour LEVEL RRGGBB] [--aim STEP|DPI]\n";

constexpr std::string_view kDpiHelp =
    "\nWithout options shows the mouse's DPI levels: how many are switched on, each level's\n"
    "step with its DPI value and its indicator colour, the active level and the AIM DPI.\n"
    "The options change them in the order given, each sent to the mouse at once:\n"
    "  --levels N              switch levels on or off until levels 1..N (1..8) are on; a\n"
    "                          level switched on becomes the active one\n"
    "  --step LEVEL STEP|DPI   give a level a step, by number (0..14) or DPI value (1600)\n"
    "  --active LEVEL          make a level the active one\n"
    "  --colour LEVEL RRGGBB   set a level's indicator colour (hexadecimal)\n"
    "  --aim STEP|DPI          the step used while an AIM key is held; needs a button\n"
    "                          assigned to \"AIM Key\"\n"
    "Exit status 6: the configuration does not allow the change (level switched off,\n"
    "no AIM key).\n";

enum class DpiAction { Levels, Step, Active, Colour, Aim };

struct DpiRequest {
  DpiAction action;
  int level = 0;
  int value = 0;
  uint32_t colour = 0;
};

using Requests = std::vector<DpiRequest>;

// Parses the options; an error message, empty when they are fine.
std::string parseDpiArguments(const Arguments& args, const LanguageTables& texts, int dpiCount,
                              Requests& requests) {
  const auto levelOf = [](const std::string& text) {
    return parseNumberArgument(text, 1, DpiPageState::kLevels);
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    const auto need = [&](size_t count) { return i + count < args.size(); };
    if (option == "--levels" && need(1)) {
      const auto count = levelOf(args[++i]);
      if (!count) return "--levels takes a number from 1 to 8, not \"" + args[i] + '"';
      requests.push_back({DpiAction::Levels, 0, *count});
    } else if (option == "--step" && need(2)) {
      const auto level = levelOf(args[++i]);
      const auto step = parseStepArgument(args[++i], dpiCount, texts);
      if (!level) return "no DPI level \"" + args[i - 1] + "\" (1..8)";
      if (!step)
        return '"' + args[i] + "\" is neither a step (0.." + std::to_string(dpiCount - 1) +
               ") nor one of the DPI values";
      requests.push_back({DpiAction::Step, *level, *step});
    } else if (option == "--active" && need(1)) {
      const auto level = levelOf(args[++i]);
      if (!level) return "no DPI level \"" + args[i] + "\" (1..8)";
      requests.push_back({DpiAction::Active, *level, 0});
    } else if ((option == "--colour" || option == "--color") && need(2)) {
      const auto level = levelOf(args[++i]);
      const auto colour = parseColourArgument(args[++i]);
      if (!level) return "no DPI level \"" + args[i - 1] + "\" (1..8)";
      if (!colour) return "colours are six hexadecimal digits RRGGBB, not \"" + args[i] + '"';
      requests.push_back({DpiAction::Colour, *level, 0, *colour});
    } else if (option == "--aim" && need(1)) {
      const auto step = parseStepArgument(args[++i], kAimPositions, texts);
      if (!step)
        return '"' + args[i] + "\" is neither an AIM step (0..14) nor one of its DPI values";
      requests.push_back({DpiAction::Aim, 0, *step});
    } else {
      return "unknown option or missing value: \"" + option + '"';
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
      while (page.enabledLevels < request.value) page.DPILevel_OnClick(page.enabledLevels + 1);
      while (page.enabledLevels > request.value) page.DPILevel_OnClick(page.enabledLevels);
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
  const bool aimKey =
      aimStepOfProfile(pages.link.image.profile1) || aimStepOfProfile(pages.link.image.profile2);
  out << "AIM:     step " << page.aimStepNumber - 1 << "  " << page.aimValueText
      << (aimKey ? "" : "  (no AIM key assigned)") << '\n';
  out << "steps:  ";
  for (int step = 0; step < page.dpiCount(); ++step)
    out << ' ' << step << '=' << stepText(step, pages.languages);
  out << '\n';
}

}  // namespace

int runDpi(const Arguments& args, const CliContext& context) {
  std::ostream& out = context.out;
  std::ostream& err = context.err;
  if (wantsHelp(args)) {
    out << kDpiUsage << kDpiHelp;
    return kExitOk;
  }
  CliSession session(context);
  ApplicationCore& pages = session.core();
  Requests requests;
  if (const std::string error =
          parseDpiArguments(args, pages.languages, pages.options.dpiCount, requests);
      !error.empty()) {
    err << "mousectl dpi: " << error << '\n' << kDpiUsage;
    return kExitUsage;
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
  showDpi(pages, out);
  return kExitOk;
}

}  // namespace mousecfg
