#include "cli/Commands.h"

#include <ostream>

#include "base/LanguageKeys.h"
#include "cli/ArgumentValues.h"
#include "cli/CliSession.h"
#include "settings/FlowingLedBlock.h"

namespace mousecfg {

namespace {

constexpr std::string_view kLedUsage =
    "usage: mousectl led [--led-type RGB|Sync|MCULED|SPITLED] [--effect N] [--speed N]\n"
    "                    [--flow-speed N] [--brightness full|half] [--colour SLOT RRGGBB]\n";

constexpr std::string_view kLedHelp =
    "\nWithout options shows the lighting effect, the breathing and flow speeds, the\n"
    "brightness and the ten-colour table. The options change them in the order given,\n"
    "each sent to the mouse at once:\n"
    "  --led-type TYPE         the mouse's LED hardware for this run (the engineer page's\n"
    "                          LED type): it decides the effect codes and how the flow\n"
    "                          speed and brightness are sent\n"
    "  --effect N              lighting effect 1..7\n"
    "  --speed N               breathing speed 1..10 (effects 1..5 only)\n"
    "  --flow-speed N          flow speed 0..7\n"
    "  --brightness full|half  flow brightness\n"
    "  --colour SLOT RRGGBB    colour slot 1..10 (hexadecimal)\n"
    "Exit status 6: the configuration does not allow the change.\n";

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

std::string parseLedArguments(const Arguments& args, std::string& ledType,
                              std::vector<LedRequest>& requests) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    const auto need = [&](size_t count) { return i + count < args.size(); };
    const auto number = [&](int low, int high) {
      return parseNumberArgument(args[++i], low, high);
    };
    if (option == "--led-type" && need(1)) {
      ledType = args[++i];
      if (!knownLedType(ledType)) return "the LED type is one of RGB, Sync, MCULED and SPITLED";
    } else if (option == "--effect" && need(1)) {
      const auto effect = number(1, LightingPageState::kEffects);
      if (!effect) return "--effect takes 1..7, not \"" + args[i] + '"';
      requests.push_back({LedAction::Effect, *effect});
    } else if (option == "--speed" && need(1)) {
      const auto speed = number(1, LightingPageState::kSpeeds);
      if (!speed) return "--speed takes 1..10, not \"" + args[i] + '"';
      requests.push_back({LedAction::Speed, *speed});
    } else if (option == "--flow-speed" && need(1)) {
      const auto step = number(0, kFlowSpeedSteps - 1);
      if (!step) return "--flow-speed takes 0..7, not \"" + args[i] + '"';
      requests.push_back({LedAction::FlowSpeed, *step});
    } else if (option == "--brightness" && need(1)) {
      const std::string& value = args[++i];
      if (value != "full" && value != "half") return "--brightness takes full or half";
      requests.push_back({LedAction::Brightness, value == "full" ? 1 : 0});
    } else if ((option == "--colour" || option == "--color") && need(2)) {
      const auto slot = number(1, LightingPageState::kSlots);
      const auto colour = parseColourArgument(args[++i]);
      if (!slot) return "no colour slot \"" + args[i - 1] + "\" (1..10)";
      if (!colour) return "colours are six hexadecimal digits RRGGBB, not \"" + args[i] + '"';
      requests.push_back({LedAction::Colour, *slot, *colour});
    } else {
      return "unknown option or missing value: \"" + option + '"';
    }
  }
  return {};
}

std::string applyLedRequest(const LedRequest& request, LightingPageState& page) {
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
    out << page.effectChoice;
  // Only the "MCULED" type has effect names; the other types name theirs on the engineer
  // page.
  if (page.effectChoice != 0 && ledType == ledtype::kMcuLed)
    out << ' '
        << pages.text(langkey::keyAfter(langkey::caption::kMcuLedEffect1, page.effectChoice - 1));
  out << '\n';
  out << "breathing speed: " << page.breathingSpeed << " (step time "
      << int{pages.link.image.vendor[image::kBreathingStepTimeOffset]} << ")\n";
  out << "flow speed:      " << page.flowSpeed << '\n';
  out << "brightness:      " << (page.fullBrightness ? "full" : "half") << '\n';
  for (int slot = 1; slot <= LightingPageState::kSlots; ++slot)
    out << "colour " << slot << (slot < 10 ? ":        " : ":       ")
        << colourText(page.slotColour(slot)) << '\n';
}

}  // namespace

int runLed(const Arguments& args, const CliContext& context) {
  std::ostream& out = context.out;
  std::ostream& err = context.err;
  if (wantsHelp(args)) {
    out << kLedUsage << kLedHelp;
    return kExitOk;
  }
  std::string ledType;
  std::vector<LedRequest> requests;
  if (const std::string error = parseLedArguments(args, ledType, requests); !error.empty()) {
    err << "mousectl led: " << error << '\n' << kLedUsage;
    return kExitUsage;
  }
  CliSession session(context);
  ApplicationCore& pages = session.core();
  pages.link.connection.ledType = ledType;
  if (const int status = session.connectAndRead(); status != kExitOk) return status;
  for (const LedRequest& request : requests) {
    if (const std::string error = applyLedRequest(request, pages.lighting); !error.empty()) {
      err << "mousectl led: " << error << '\n';
      const int written = session.verifyWritten();
      return written != kExitOk ? written : kExitNotApplied;
    }
  }
  if (const int status = session.verifyWritten(); status != kExitOk) return status;
  showLed(pages, out);
  return kExitOk;
}

}  // namespace mousecfg
