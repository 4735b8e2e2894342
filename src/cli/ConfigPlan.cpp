#include "cli/ConfigPlan.h"

#include <algorithm>
#include <ostream>

#include "base/CloseNames.h"
#include "cli/ArgumentValues.h"
#include "cli/CliSession.h"
#include "cli/ConfigOfMouse.h"
#include "cli/EngineerVendor.h"
#include "cli/GunChange.h"
#include "cli/GunNames.h"
#include "macros/MacroText.h"
#include "settings/DpiSlider.h"

namespace mousecfg {

void ConfigPlan::fail(int line, const std::string& message) {
  if (ok()) error = "line " + std::to_string(line) + ": " + message;
}

void ConfigPlan::failInText(const NamedText& named, const std::string& textError) {
  int inner = 1;
  std::string rest = textError;
  if (textError.starts_with("line ")) {
    inner = std::max(1, std::atoi(textError.c_str() + 5));
    const size_t colon = textError.find(':');
    rest = colon == std::string::npos ? textError : textError.substr(colon + 1);
    if (rest.starts_with(' ')) rest.erase(0, 1);
  }
  fail(named.text.line + inner - 1, '"' + named.name.value + "\": " + rest);
}

namespace {

// Builds the plan section by section, stopping at the first mistake.
class Planner {
 public:
  Planner(const ApplicationCore& core, const ConfigText& wanted, ServiceLevel level)
      : core_(core), wanted_(wanted), level_(level) {}

  ConfigPlan plan() {
    const MacroRenewal macros = planMacroChanges(core_, wanted_, plan_);
    if (plan_.ok()) planButtonChanges(core_, wanted_, macros, plan_);
    for (auto section :
         {&Planner::planFireKeys, &Planner::planDpi, &Planner::planLighting, &Planner::planGuns,
          &Planner::planSystem, &Planner::planVendor, &Planner::planReportRate}) {
      if (!plan_.ok()) break;
      (this->*section)();
    }
    if (!plan_.ok()) plan_.changes.clear();
    return std::move(plan_);
  }

 private:
  using Apply = std::function<int(CliSession&, std::ostream&)>;

  void change(std::string what, int line, Apply apply) {
    plan_.changes.push_back({std::move(what), line, std::move(apply)});
  }

  // A value that changes must be one the Advanced page takes; an unchanged one may be
  // whatever the mouse holds.
  bool settable(const OptionalValue<int>& value, int shown, int low, int high) {
    if (!value || value->value == shown || (value->value >= low && value->value <= high))
      return true;
    plan_.fail(value->line, "a fire key takes " + std::to_string(low) + ".." +
                                std::to_string(high) + " here, not " +
                                std::to_string(value->value));
    return false;
  }

  bool storedWrites(int line, const char* what) {
    if (core_.link.connection.supportsStoredWrites()) return true;
    plan_.fail(line, std::string("this mouse (interface type \"") +
                         core_.link.connection.interfaceType + "\") does not store " + what);
    return false;
  }

  void planFireKey(int key) {
    const ConfigText::FireKey& wanted = wanted_.fireKeys[static_cast<size_t>(key - 1)];
    const FireKeySetting shown = core_.fireKeys.shownSetting(key);
    const FireKeySetting setting{wanted.shots ? wanted.shots->value : shown.count,
                                 wanted.intervalMs ? wanted.intervalMs->value : shown.intervalMs,
                                 wanted.continuous ? wanted.continuous->value : shown.continuous};
    if (setting.count == shown.count && setting.intervalMs == shown.intervalMs &&
        setting.continuous == shown.continuous)
      return;
    const int line = wanted.shots        ? wanted.shots->line
                     : wanted.intervalMs ? wanted.intervalMs->line
                                         : wanted.continuous->line;
    if (!settable(wanted.shots, shown.count, entry::kMinFireCount, entry::kMaxFireCount) ||
        !settable(wanted.intervalMs, shown.intervalMs, 1, FireKeyState::kMaxInterval) ||
        !storedWrites(line, "fire keys"))
      return;
    change("fire key " + std::to_string(key) + ": " + std::to_string(setting.count) + " shots, " +
               std::to_string(setting.intervalMs) + " ms, continuous " +
               (setting.continuous ? "on" : "off"),
           line, [key, setting](CliSession& session, std::ostream& err) {
             FireKeyState& keys = session.core().fireKeys;
             keys.setFireKey(key, setting);
             if (keys.lastWrite) return static_cast<int>(kExitOk);
             err << "mousectl import: the mouse did not take the new fire keys\n";
             return static_cast<int>(kExitNoDevice);
           });
  }

  void planFireKeys() {
    for (int key = 1; key <= ConfigText::kFireKeys && plan_.ok(); ++key) planFireKey(key);
  }

  std::string stepValues(int count) const {
    std::string values;
    for (int step = 0; step < count; ++step)
      values += (step == 0 ? "" : ", ") + stepText(step, core_.languages);
    return values;
  }

  // The first step showing the DPI value, or nullopt after the mistake.
  std::optional<int> stepOf(const ConfigValue<int>& dpi, int count, const std::string& what) {
    for (int step = 0; step < count; ++step)
      if (dpiOfStep(step, core_.languages) == dpi.value) return step;
    plan_.fail(dpi.line, what + ' ' + std::to_string(dpi.value) +
                             " is none of this mouse's steps (" + stepValues(count) + ')');
    return std::nullopt;
  }

  void planLevelsOn(int levelsOn) {
    if (levelsOn == core_.dpi.enabledLevels) return;
    change("DPI levels on: " + std::to_string(core_.dpi.enabledLevels) + " -> " +
               std::to_string(levelsOn),
           wanted_.dpi.levelsOn->line,
           handledBy([levelsOn](ApplicationCore& core) { core.dpi.switchOnLevels(levelsOn); }));
  }

  bool levelUsable(int level, int levelsOn, int line) {
    if (level <= levelsOn) return true;
    plan_.fail(line, "DPI level " + std::to_string(level) + " is switched off (levels 1.." +
                         std::to_string(levelsOn) + " are on); raise levels_on to change it");
    return false;
  }

  void planLevel(int level, int levelsOn) {
    const ConfigText::DpiLevel& wanted = wanted_.dpi.levels[static_cast<size_t>(level - 1)];
    const DpiPageState& page = core_.dpi;
    const std::string name = "DPI level " + std::to_string(level);
    if (wanted.dpi) {
      const std::optional<int> step = stepOf(*wanted.dpi, core_.options.dpiCount, name + "'s dpi");
      if (!step) return;
      const int shown = page.levelStep(level);
      if (*step != shown && levelUsable(level, levelsOn, wanted.dpi->line))
        change(name + ": " + (shown == image::kDpiNoStep ? "-" : stepText(shown, core_.languages)) +
                   " -> " + stepText(*step, core_.languages) + " DPI",
               wanted.dpi->line, handledBy([level, step = *step](ApplicationCore& core) {
                 core.dpi.chooseLevelStep(level, step);
               }));
    }
    if (wanted.colour && wanted.colour->value != page.levelColour(level) &&
        levelUsable(level, levelsOn, wanted.colour->line))
      change(name + " colour: " + colourText(page.levelColour(level)) + " -> " +
                 colourText(wanted.colour->value),
             wanted.colour->line,
             handledBy([level, rgb = wanted.colour->value](ApplicationCore& core) {
               core.dpi.pickColour = [rgb](uint32_t) { return std::optional<uint32_t>(rgb); };
               core.dpi.lbl_DPIColClick(level);
               core.dpi.pickColour = nullptr;
             }));
  }

  void planAim() {
    const std::optional<int> step = stepOf(*wanted_.dpi.aimDpi, kAimPositions, "aim_dpi");
    if (!step || *step == core_.dpi.aimStepNumber - 1) return;
    change("AIM DPI: " + core_.dpi.aimValueText + " -> " + stepText(*step, core_.languages),
           wanted_.dpi.aimDpi->line, [step = *step](CliSession& session, std::ostream& err) {
             if (session.core().dpi.chooseAimStep(step)) return static_cast<int>(kExitOk);
             err << "mousectl import: no button of either profile is an AIM key, so the AIM "
                    "DPI cannot change\n";
             return static_cast<int>(kExitNotApplied);
           });
  }

  void planDpi() {
    const ConfigText::Dpi& dpi = wanted_.dpi;
    const int levelsOn = dpi.levelsOn ? dpi.levelsOn->value : core_.dpi.enabledLevels;
    if (dpi.levelsOn) planLevelsOn(levelsOn);
    for (int level = 1; level <= ConfigText::kDpiLevels && plan_.ok(); ++level)
      planLevel(level, levelsOn);
    // Switching a level on makes it the active one; switching the active one off, the
    // level below it.
    const int shownLevels = core_.dpi.enabledLevels;
    const int activeAfter =
        levelsOn > shownLevels ? levelsOn : std::min(core_.dpi.activeLevel, levelsOn);
    if (dpi.active && dpi.active->value != activeAfter &&
        levelUsable(dpi.active->value, levelsOn, dpi.active->line))
      change("active DPI level: " + std::to_string(activeAfter) + " -> " +
                 std::to_string(dpi.active->value),
             dpi.active->line, handledBy([level = dpi.active->value](ApplicationCore& core) {
               core.dpi.CurrentDPI_OnClick(level);
             }));
    if (dpi.aimDpi && plan_.ok()) planAim();
  }

  void planLighting() { planLightingChanges(core_, wanted_.lighting, plan_); }
  void planSystem() { planSystemChanges(core_, wanted_.system, plan_); }

  void planGuns() {
    for (const NamedText& named : wanted_.guns) {
      const std::optional<int> gun = gunOfName(named.name.value, core_.languages);
      if (!gun) {
        std::string message = "no gun preset \"" + named.name.value + '"';
        const auto close = closeNames(named.name.value, gunNames(core_.languages), 1);
        if (!close.empty()) message += "; did you mean \"" + close.front() + "\"?";
        plan_.fail(named.name.line, message);
        return;
      }
      const MacroTextParse parsed = parseGunPresetText(named.text.value);
      if (!parsed.ok) {
        plan_.failInText(named, parsed.error);
        return;
      }
      const auto stored = gunRecord(core_.link.image.committedGunTable, *gun);
      if (parsed.bytes.size() != stored.size()) {
        plan_.fail(named.text.line, '"' + named.name.value + "\" is not a whole gun preset");
        return;
      }
      if (std::ranges::equal(parsed.bytes, stored)) continue;
      if (!storedWrites(named.text.line, "gun presets")) return;
      GunChange gunChange;
      gunChange.gun = *gun;
      gunChange.record.emplace();
      std::ranges::copy(parsed.bytes, gunChange.record->begin());
      change("gun preset \"" + named.name.value + "\": new text", named.text.line,
             [gunChange](CliSession& session, std::ostream& err) {
               return applyGunChange(session, gunChange, err);
             });
    }
  }

  void planVendorField(const NamedText& named, const std::vector<VendorRow>& rows) {
    const auto row = std::ranges::find(rows, named.name.value, &VendorRow::control);
    if (row == rows.end()) {
      std::vector<std::string> controls;
      for (const VendorRow& each : rows) controls.push_back(each.control);
      const auto close = closeNames(named.name.value, controls, 1);
      plan_.fail(named.name.line,
                 "no vendor field \"" + named.name.value + '"' +
                     (close.empty() ? "" : "; did you mean \"" + close.front() + "\"?"));
      return;
    }
    if (row->value == named.text.value) return;
    std::string error;
    const std::optional<VendorSetting> setting =
        parseVendorSetting(named.name.value, named.text.value, error);
    if (!setting) {
      plan_.fail(named.text.line, error);
      return;
    }
    if (setting->advanced() && level_ != ServiceLevel::Second) {
      plan_.fail(named.text.line,
                 '"' + named.name.value + "\" needs the second-level service code");
      return;
    }
    change("vendor " + named.name.value + ": \"" + row->value + "\" -> \"" + named.text.value + '"',
           named.text.line, handledBy([setting = *setting](ApplicationCore& core) {
             applyVendorSetting(core, setting);
           }));
  }

  void planVendor() {
    if (wanted_.vendor.empty()) return;
    if (level_ == ServiceLevel::Off) {
      plan_.fail(wanted_.vendor.front().name.line,
                 "the [vendor] table needs the service code (--service-code or "
                 "MOUSECFG_SERVICE_CODE)");
      return;
    }
    const std::vector<VendorRow> rows = vendorRows(core_);
    for (const NamedText& named : wanted_.vendor) {
      if (!plan_.ok()) return;
      planVendorField(named, rows);
    }
  }

  // Last, because a new rate restarts the mouse.
  void planReportRate() {
    if (!wanted_.reportRateHz) return;
    const auto& hertz = ReportRateControl::kRateHertz;
    const int choice =
        static_cast<int>(std::ranges::find(hertz, wanted_.reportRateHz->value) - hertz.begin()) + 1;
    if (choice == core_.dpi.reportRateChoice()) return;
    change("report rate: -> " + std::to_string(wanted_.reportRateHz->value) +
               " Hz (the mouse restarts)",
           wanted_.reportRateHz->line, [choice](CliSession& session, std::ostream& err) {
             session.core().dpi.ReportRate_OnClick(choice);
             if (session.link().channel.isOpen()) return static_cast<int>(kExitOk);
             err << "mousectl import: the mouse did not come back after its restart\n";
             return static_cast<int>(kExitNoDevice);
           });
  }

  const ApplicationCore& core_;
  const ConfigText& wanted_;
  ServiceLevel level_;
  ConfigPlan plan_;
};

}  // namespace

ConfigPlan planConfigChanges(const ApplicationCore& core, const ConfigText& wanted,
                             ServiceLevel level) {
  return Planner(core, wanted, level).plan();
}

}  // namespace mousecfg
