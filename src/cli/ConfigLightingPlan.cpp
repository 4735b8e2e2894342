#include <ostream>

#include "cli/ArgumentValues.h"
#include "cli/ConfigPlan.h"
#include "cli/ConfigTextWriter.h"
#include "cli/LedEffectNames.h"

namespace mousecfg {

namespace {

bool hasBreathingSpeed(int effect) {
  return effect <= LightingPageState::kLastBreathingEffect;
}

void planSpeed(const LightingPageState& page, const ConfigValue<int>& speed, ConfigPlan& plan) {
  plan.changes.push_back({"breathing speed: " + std::to_string(page.breathingSpeed) + " -> " +
                              std::to_string(speed.value),
                          speed.line, handledBy([to = speed.value](ApplicationCore& core) {
                            core.lighting.FallTime_OnClick(to);
                          })});
}

// The effect the text names, or nullopt after the mistake.
std::optional<int> effectOf(const ApplicationCore& core, const ConfigValue<std::string>& wanted,
                            ConfigPlan& plan) {
  std::string closest;
  const std::optional<int> effect = effectOfName(wanted.value, core, closest);
  if (!effect)
    plan.fail(wanted.line, "no lighting effect " + tomlQuoted(wanted.value) +
                               (closest.empty() ? "" : "; did you mean \"" + closest + "\"?"));
  return effect;
}

void planEffect(const ApplicationCore& core, int effect, int line, ConfigPlan& plan) {
  const int shown = core.lighting.effectChoice;
  if (effect == shown) return;
  plan.changes.push_back(
      {"lighting effect: \"" + (shown == 0 ? std::string("-") : effectName(core, shown)) +
           "\" -> \"" + effectName(core, effect) + '"',
       line,
       handledBy([effect](ApplicationCore& pages) { pages.lighting.RGBMode_OnClick(effect); })});
}

void planColours(const LightingPageState& page, const ConfigText::Lighting& wanted,
                 ConfigPlan& plan) {
  for (int slot = 1; slot <= ConfigText::kLightingSlots; ++slot) {
    const auto& colour = wanted.colours[static_cast<size_t>(slot - 1)];
    if (!colour || colour->value == page.slotColour(slot)) continue;
    plan.changes.push_back(
        {"colour " + std::to_string(slot) + ": " + colourText(page.slotColour(slot)) + " -> " +
             colourText(colour->value),
         colour->line, handledBy([slot, rgb = colour->value](ApplicationCore& core) {
           core.lighting.pickColour = [rgb](uint32_t) { return std::optional<uint32_t>(rgb); };
           core.lighting.lbl_ColClick(slot);
           core.lighting.pickColour = nullptr;
         })});
  }
}

// A PC setting's handler, which saves the settings file; a failed save is reported.
template <class Handler>
ConfigChange pcChange(std::string what, int line, Handler handler) {
  return {std::move(what), line, [handler](CliSession& session, std::ostream& err) {
            SystemMouseSettings& settings = session.core().systemMouse;
            handler(settings);
            if (settings.lastSaveError.empty()) return static_cast<int>(kExitOk);
            err << "mousectl import: the PC's mouse settings could not be saved: "
                << settings.lastSaveError << '\n';
            return static_cast<int>(kExitFileError);
          }};
}

void planLevel(const OptionalValue<int>& value, int current, const char* name,
               void (SystemMouseSettings::*handler)(int), ConfigPlan& plan) {
  if (!value || value->value == current) return;
  plan.changes.push_back(pcChange(
      std::string(name) + ": " + std::to_string(current) + " -> " + std::to_string(value->value),
      value->line,
      [handler, to = value->value](SystemMouseSettings& settings) { (settings.*handler)(to); }));
}

void planToggle(const OptionalValue<bool>& value, bool current, const char* name,
                void (SystemMouseSettings::*handler)(), ConfigPlan& plan) {
  if (!value || value->value == current) return;
  plan.changes.push_back(
      pcChange(std::string(name) + ": " + (value->value ? "on" : "off"), value->line,
               [handler](SystemMouseSettings& settings) { (settings.*handler)(); }));
}

// The page shows the flow speed and brightness of the flowing LED block, which only the
// MCULED type on I2C stores: a change with any other would not stay.
void planFlowingLed(const ApplicationCore& core, const ConfigText::Lighting& wanted,
                    ConfigPlan& plan) {
  const LightingPageState& page = core.lighting;
  const bool speed = wanted.flowSpeed && wanted.flowSpeed->value != page.flowSpeed;
  const bool brightness =
      wanted.fullBrightness && wanted.fullBrightness->value != page.fullBrightness;
  if ((speed || brightness) && !core.engineerLed.storesFlowingLedBlock()) {
    plan.fail(speed ? wanted.flowSpeed->line : wanted.fullBrightness->line,
              "the flow speed and brightness are stored only with the MCULED LED type on I2C; "
              "give it with --led-type MCULED");
    return;
  }
  if (speed)
    plan.changes.push_back({"flow speed: " + std::to_string(page.flowSpeed) + " -> " +
                                std::to_string(wanted.flowSpeed->value),
                            wanted.flowSpeed->line,
                            handledBy([step = wanted.flowSpeed->value](ApplicationCore& pages) {
                              pages.lighting.chooseFlowSpeed(step);
                            })});
  if (brightness)
    plan.changes.push_back(
        {std::string("brightness: ") + (wanted.fullBrightness->value ? "full" : "half"),
         wanted.fullBrightness->line,
         handledBy([full = wanted.fullBrightness->value](ApplicationCore& pages) {
           pages.lighting.chooseBrightness(full);
         })});
}

}  // namespace

void planLightingChanges(const ApplicationCore& core, const ConfigText::Lighting& wanted,
                         ConfigPlan& plan) {
  const LightingPageState& page = core.lighting;
  const std::optional<int> effect =
      wanted.effect ? effectOf(core, *wanted.effect, plan) : page.effectChoice;
  if (!effect) return;
  // Effects 6 and 7 have no breathing speed: the page takes one only while a breathing
  // effect is chosen, so a speed goes before a change to them and after one from them.
  const bool speedChanges = wanted.speed && wanted.speed->value != page.breathingSpeed;
  const bool speedFirst = speedChanges && !hasBreathingSpeed(*effect);
  if (speedFirst && !hasBreathingSpeed(page.effectChoice)) {
    plan.fail(wanted.speed->line, "effects 6 and 7 have no breathing speed");
    return;
  }
  if (speedFirst) planSpeed(page, *wanted.speed, plan);
  if (wanted.effect) planEffect(core, *effect, wanted.effect->line, plan);
  if (speedChanges && !speedFirst) planSpeed(page, *wanted.speed, plan);
  planFlowingLed(core, wanted, plan);
  planColours(page, wanted, plan);
}

void planSystemChanges(const ApplicationCore& core, const ConfigText::System& wanted,
                       ConfigPlan& plan) {
  const SystemMouseSettings& shown = core.systemMouse;
  planLevel(wanted.pointerSpeed, shown.speedLevel, "pointer speed",
            &SystemMouseSettings::slider_spdMouseUp, plan);
  planToggle(wanted.enhancePrecision, shown.enhancePrecision, "enhance pointer precision",
             &SystemMouseSettings::lbl_IsControlClick, plan);
  planLevel(wanted.doubleClickSpeed, shown.doubleClickLevel, "double-click speed",
            &SystemMouseSettings::slider_DbSpdMouseUp, plan);
  // The wheel scale is not used while one screen at a time is ticked: its value then
  // stays as it is, and the box is cleared before a new value is set.
  const bool screenAfter =
      wanted.oneScreenAtATime ? wanted.oneScreenAtATime->value : shown.oneScreenAtATime;
  if (!screenAfter) {
    planToggle(wanted.oneScreenAtATime, shown.oneScreenAtATime, "one screen at a time",
               &SystemMouseSettings::lbl_IsScreenClick, plan);
    planLevel(wanted.wheelLines, shown.scrollLevel, "wheel lines",
              &SystemMouseSettings::slider_ScrSpdMouseUp, plan);
  } else {
    planToggle(wanted.oneScreenAtATime, shown.oneScreenAtATime, "one screen at a time",
               &SystemMouseSettings::lbl_IsScreenClick, plan);
  }
}

}  // namespace mousecfg
