#include <CLI/CLI.hpp>
#include <ostream>

#include "base/LanguageKeys.h"
#include "cli/ArgumentValues.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "cli/LedEffectNames.h"
#include "cli/OrderedOptions.h"
#include "settings/FlowingLedBlock.h"

namespace mousecfg {

namespace {

constexpr std::string_view kLedDetails =
    "Without options shows the lighting effect, the breathing and flow speeds, the\n"
    "brightness and the ten-colour table. The options change them in the order given,\n"
    "each sent to the mouse at once. An effect is given by its number or its name, in\n"
    "any case and with or without its spaces: \"rainbow\", \"flow-light\".\n"
    "--led-type names the mouse's LED hardware for this run (the engineer page's LED\n"
    "type): it decides the effect codes and how the flow speed and brightness are sent.\n"
    "Exit status 6: the configuration does not allow the change.";

enum class LedAction { Effect, Speed, FlowSpeed, Brightness, Colour };

struct LedRequest {
  LedAction action;
  int value = 0;
  uint32_t colour = 0;
};

bool knownLedType(const std::string& type) {
  return type == ledtype::kRgb || type == ledtype::kSync || type == ledtype::kMcuLed ||
         type == ledtype::kSpitLed;
}

std::string parseEffect(const std::string& text, const ApplicationCore& pages, int& effect) {
  std::string closest;
  if (const std::optional<int> found = effectOfName(text, pages, closest)) {
    effect = *found;
    return {};
  }
  std::string error = "--effect takes 1..7 or an effect's name, not \"" + text + '"';
  if (!closest.empty()) error += "; did you mean \"" + closest + "\"?";
  return error;
}

std::string parseLedOptions(const std::vector<OptionUse>& uses, const ApplicationCore& pages,
                            std::string& ledType, std::vector<LedRequest>& requests) {
  for (const OptionUse& use : uses) {
    const std::string& value = use.values[0];
    const auto number = [&](int low, int high) { return parseNumberArgument(value, low, high); };
    if (use.name == "--led-type") {
      ledType = value;
      if (!knownLedType(ledType)) return "the LED type is one of RGB, Sync, MCULED and SPITLED";
    } else if (use.name == "--effect") {
      int effect = 0;
      if (std::string error = parseEffect(value, pages, effect); !error.empty()) return error;
      requests.push_back({LedAction::Effect, effect});
    } else if (use.name == "--speed") {
      const auto speed = number(1, LightingPageState::kSpeeds);
      if (!speed) return "--speed takes 1..10, not \"" + value + '"';
      requests.push_back({LedAction::Speed, *speed});
    } else if (use.name == "--flow-speed") {
      const auto step = number(0, kFlowSpeedSteps - 1);
      if (!step) return "--flow-speed takes 0..7, not \"" + value + '"';
      requests.push_back({LedAction::FlowSpeed, *step});
    } else if (use.name == "--brightness") {
      if (value != "full" && value != "half") return "--brightness takes full or half";
      requests.push_back({LedAction::Brightness, value == "full" ? 1 : 0});
    } else if (use.name == "--colour") {
      const auto slot = number(1, LightingPageState::kSlots);
      const auto colour = parseColourArgument(use.values[1]);
      if (!slot) return "no colour slot \"" + value + "\" (1..10)";
      if (!colour) return "colours are six hexadecimal digits RRGGBB, not \"" + use.values[1] + '"';
      requests.push_back({LedAction::Colour, *slot, *colour});
    }
  }
  return {};
}

std::string applyLedRequest(const LedRequest& request, ApplicationCore& pages) {
  LightingPageState& page = pages.lighting;
  using Parameter = EngineerLedState::LedParameter;
  const bool flowRequest =
      request.action == LedAction::FlowSpeed || request.action == LedAction::Brightness;
  const Parameter parameter =
      request.action == LedAction::FlowSpeed ? Parameter::SpeedStep : Parameter::Brightness;
  if (flowRequest && !pages.engineerLed.storesParameter(parameter))
    return std::string(request.action == LedAction::FlowSpeed ? "the flow speed"
                                                              : "the flow brightness") +
           " is not stored with this LED type; give the mouse's with --led-type (" +
           (request.action == LedAction::FlowSpeed ? "MCULED or RGB" : "MCULED") + ")";
  switch (request.action) {
    case LedAction::Effect:
      page.RGBMode_OnClick(request.value);
      return {};
    case LedAction::Speed:
      if (!page.speedPicturesEnabled) return "effects 6 and 7 have no breathing speed";
      page.FallTime_OnClick(request.value);
      return {};
    case LedAction::FlowSpeed:
      page.chooseFlowSpeed(request.value);
      return {};
    case LedAction::Brightness:
      if (request.value == 1)
        page.chooseBrightness(true);
      else
        page.chooseBrightness(false);
      return {};
    case LedAction::Colour:
      page.pickColour = [&request](uint32_t) { return std::optional<uint32_t>(request.colour); };
      page.lbl_ColClick(request.value);
      page.pickColour = nullptr;
      return {};
  }
  return {};
}

void showLed(ApplicationCore& pages, std::ostream& out) {
  const LightingPageState& page = pages.lighting;
  const std::string& ledType = pages.link.connection.ledType;
  out << "LED type:        " << (ledType.empty() ? "(not set)" : ledType) << '\n';
  out << "effect:          ";
  if (page.effectChoice == 0)
    out << "(none)";
  else
    out << page.effectChoice << ' ' << effectName(pages, page.effectChoice);
  out << '\n';
  out << "breathing speed: " << page.breathingSpeed << " (step time "
      << int{pages.link.image.vendor[image::kBreathingStepTimeOffset]} << ")\n";
  out << "flow speed:      " << page.flowSpeed << '\n';
  out << "brightness:      " << (page.fullBrightness ? "full" : "half") << '\n';
  for (int slot = 1; slot <= LightingPageState::kSlots; ++slot)
    out << "colour " << slot << (slot < 10 ? ":        " : ":       ")
        << colourText(page.slotColour(slot)) << '\n';
}

Json ledJson(ApplicationCore& pages) {
  const LightingPageState& page = pages.lighting;
  const std::string& ledType = pages.link.connection.ledType;
  Json colours = Json::array();
  for (int slot = 1; slot <= LightingPageState::kSlots; ++slot)
    colours.push_back(colourText(page.slotColour(slot)));
  const bool chosen = page.effectChoice != 0;
  return {{"led_type", ledType.empty() ? Json() : Json(ledType)},
          {"effect", chosen ? Json(page.effectChoice) : Json()},
          {"effect_name", chosen ? Json(effectName(pages, page.effectChoice)) : Json()},
          {"breathing_speed", page.breathingSpeed},
          {"step_time", pages.link.image.vendor[image::kBreathingStepTimeOffset]},
          {"flow_speed", page.flowSpeed},
          {"brightness", page.fullBrightness ? "full" : "half"},
          {"colours", colours}};
}

int runLed(const CLI::App& command, bool json, const CliContext& context) {
  std::ostream& err = context.err;
  CliSession session(context);
  ApplicationCore& pages = session.core();
  std::string ledType;
  std::vector<LedRequest> requests;
  if (const std::string error = parseLedOptions(optionsInOrder(command), pages, ledType, requests);
      !error.empty()) {
    return reportUsageMistake(err, "led", error);
  }
  pages.link.connection.ledType = ledType;
  if (const int status = session.connectAndRead(); status != kExitOk) return status;
  for (const LedRequest& request : requests) {
    if (const std::string error = applyLedRequest(request, pages); !error.empty()) {
      err << "mousectl led: " << error << '\n';
      const int written = session.verifyWritten();
      return written != kExitOk ? written : kExitNotApplied;
    }
  }
  if (const int status = session.verifyWritten(); status != kExitOk) return status;
  if (json)
    printJson(context.out, ledJson(pages));
  else
    showLed(pages, context.out);
  return kExitOk;
}

}  // namespace

CommandRun defineLed(CLI::App& command, const CommonOptions& common) {
  addRepeatedOption(command, "--led-type", "TYPE", 1, "RGB, Sync, MCULED or SPITLED");
  addRepeatedOption(command, "--effect", "N|NAME", 1, "lighting effect 1..7, or its name");
  addRepeatedOption(command, "--speed", "N", 1, "breathing speed 1..10 (effects 1..5 only)");
  addRepeatedOption(command, "--flow-speed", "N", 1, "flow speed 0..7");
  addRepeatedOption(command, "--brightness", "full|half", 1, "flow brightness");
  addRepeatedOption(command, "--colour,--color", "SLOT RRGGBB", 2, "colour slot 1..10");
  command.footer(std::string(kLedDetails));
  return [&command, &common](const CliContext& context) {
    return runLed(command, common.json, context);
  };
}

}  // namespace mousecfg
