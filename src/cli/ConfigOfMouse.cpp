#include "cli/ConfigOfMouse.h"

#include <algorithm>

#include "base/LanguageKeys.h"
#include "cli/ArgumentValues.h"
#include "cli/ButtonFunctions.h"
#include "cli/EngineerVendor.h"
#include "cli/GunNames.h"
#include "core/ApplicationCore.h"
#include "macros/MacroText.h"
#include "settings/DpiSlider.h"
#include "settings/KeyTables.h"

namespace mousecfg {

std::optional<int> dpiOfStep(int step, const LanguageTables& texts) {
  return parseNumberArgument(stepText(step, texts), 1, std::numeric_limits<int>::max());
}

namespace {

template <class T>
ConfigValue<T> noted(T value, std::string note = {}) {
  return {std::move(value), 0, std::move(note)};
}

// A button's function by the name the window shows, where that name finds the same
// function again; else its entry.
ConfigValue<std::string> buttonFunction(const ApplicationCore& core, int profile, int button) {
  const std::string& code = profileCode(core.link.codes, profile, button);
  const std::string name = core.assignment.nameOfCode(code);
  const ButtonRequest request{button, profile, name, std::nullopt};
  const bool named = !name.empty() && lookUpButtonFunction(core, request).matches.size() == 1;
  return noted(named ? name : code, named ? code : std::string());
}

void addButtons(const ApplicationCore& core, ConfigText& config) {
  for (int profile = 1; profile <= ConfigText::kProfiles; ++profile)
    for (int button = 1; button <= ConfigText::kButtons; ++button)
      config.buttons[static_cast<size_t>(profile - 1)][static_cast<size_t>(button - 1)] =
          buttonFunction(core, profile, button);
}

void addDpi(const ApplicationCore& core, ConfigText& config) {
  const DpiPageState& page = core.dpi;
  ConfigText::Dpi& dpi = config.dpi;
  dpi.levelsOn = noted(page.enabledLevels);
  dpi.active = noted(page.activeLevel);
  if (const auto aim = dpiOfStep(page.aimStepNumber - 1, core.languages))
    dpi.aimDpi = noted(*aim, "while an AIM key is held");
  for (int level = 1; level <= ConfigText::kDpiLevels; ++level) {
    ConfigText::DpiLevel& wanted = dpi.levels[static_cast<size_t>(level - 1)];
    const int step = page.levelStep(level);
    if (step != image::kDpiNoStep)
      if (const auto value = dpiOfStep(step, core.languages))
        wanted.dpi = noted(
            *value,
            "step " + std::to_string(step) +
                (page.levels[static_cast<size_t>(level - 1)].enabled ? "" : ", switched off"));
    wanted.colour = noted(page.levelColour(level));
  }
}

void addLighting(const ApplicationCore& core, ConfigText& config) {
  const LightingPageState& page = core.lighting;
  ConfigText::Lighting& lighting = config.lighting;
  if (page.effectChoice != 0)
    lighting.effect = noted(
        core.text(langkey::keyAfter(langkey::caption::kMcuLedEffect1, page.effectChoice - 1)));
  lighting.speed = noted(page.breathingSpeed, "breathing speed, effects 1..5");
  lighting.flowSpeed = noted(page.flowSpeed);
  lighting.fullBrightness = noted(page.fullBrightness);
  for (int slot = 1; slot <= ConfigText::kLightingSlots; ++slot)
    lighting.colours[static_cast<size_t>(slot - 1)] = noted(page.slotColour(slot));
}

void addFireKeys(const ApplicationCore& core, ConfigText& config) {
  for (int key = 1; key <= ConfigText::kFireKeys; ++key) {
    const FireKeySetting setting = core.fireKeys.shownSetting(key);
    ConfigText::FireKey& wanted = config.fireKeys[static_cast<size_t>(key - 1)];
    wanted.shots = noted(setting.count, '"' + core.fireKeys.keyName(key) + '"');
    wanted.intervalMs = noted(setting.intervalMs);
    wanted.continuous = noted(setting.continuous);
  }
}

void addTexts(const ApplicationCore& core, ConfigText& config) {
  for (int gun = gun::kFirstGun; gun <= gun::kLastGun; ++gun) {
    const std::string name = gunName(core.languages, gun);
    const MacroTextWrite text =
        writeGunPresetText(gunRecord(core.link.image.committedGunTable, gun), name);
    if (text.ok) config.guns.push_back({noted(name), noted(text.text)});
  }
  const std::vector<std::string> names = core.link.macros.names();
  config.macrosGiven = core.link.connection.supportsStoredWrites();
  for (size_t k = 0; k < names.size(); ++k) {
    const MacroTextWrite text = writeMacroText(core.link.macros.slot(k).eventBytes(), names[k]);
    if (text.ok) config.macros.push_back({noted(names[k]), noted(text.text)});
  }
}

void addSystem(const ApplicationCore& core, ConfigText& config) {
  const SystemMouseSettings& settings = core.systemMouse;
  ConfigText::System& system = config.system;
  system.pointerSpeed = noted(settings.speedLevel, "1..11");
  system.enhancePrecision = noted(settings.enhancePrecision);
  system.doubleClickSpeed = noted(settings.doubleClickLevel, "1..11");
  system.wheelLines = noted(settings.scrollLevel);
  system.oneScreenAtATime = noted(settings.oneScreenAtATime);
}

// The fields "engineer vendor set" takes, each once, with the value it would take back;
// the rows shown only for reading stay out.
void addVendor(const ApplicationCore& core, ConfigText& config) {
  for (const VendorRow& row : vendorRows(core)) {
    std::string error;
    const bool settable = parseVendorSetting(row.control, row.value, error).has_value();
    const bool listed = std::ranges::any_of(
        config.vendor, [&row](const NamedText& named) { return named.name.value == row.control; });
    if (settable && !listed)
      config.vendor.push_back({noted(row.control, row.caption), noted(row.value)});
  }
}

}  // namespace

ConfigText configOfMouse(const ApplicationCore& core, bool withVendor) {
  ConfigText config;
  const int rate = core.dpi.reportRateChoice();
  if (rate >= 1 && rate <= ReportRateControl::kRateCount)
    config.reportRateHz = noted(ReportRateControl::kRateHertz[static_cast<size_t>(rate - 1)],
                                "Hz; a new rate restarts the mouse");
  addButtons(core, config);
  addDpi(core, config);
  addLighting(core, config);
  addFireKeys(core, config);
  addTexts(core, config);
  addSystem(core, config);
  if (withVendor) addVendor(core, config);
  return config;
}

}  // namespace mousecfg
