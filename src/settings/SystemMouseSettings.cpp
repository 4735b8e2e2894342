#include "settings/SystemMouseSettings.h"

#include <charconv>
#include <optional>

#include "settings/DesktopMouseBackend.h"
#include "settings/SystemMouseStore.h"

namespace mousecfg {

using namespace systemmouse;

namespace {

// The whole text must be a decimal integer with an optional sign.
std::optional<int> integerOf(const std::optional<std::string>& text) {
  if (!text || text->empty()) return std::nullopt;
  const char* begin = text->data();
  const char* end = begin + text->size();
  if (*begin == '+') ++begin;
  int value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

void SystemMouseSettings::slider_spdMouseUp(int level) {
  speedLevel = clampLevel(level);
  changed();
}

void SystemMouseSettings::slider_DbSpdMouseUp(int level) {
  doubleClickLevel = clampLevel(level);
  changed();
}

void SystemMouseSettings::slider_ScrSpdMouseUp(int level) {
  if (oneScreenAtATime) return;
  scrollLevel = clampLevel(level);
  changed();
}

void SystemMouseSettings::lbl_IsControlClick() {
  enhancePrecision = !enhancePrecision;
  changed();
}

void SystemMouseSettings::lbl_IsScreenClick() {
  oneScreenAtATime = !oneScreenAtATime;
  changed();
}

void SystemMouseSettings::changed() {
  ChangedMouseSystemParameterA();
  ChangedMouseSystemParameterB();
  lastSaveError = store_.save();
  if (!lastSaveError.empty() && saveFailed) saveFailed(lastSaveError);
  applyToDesktop();
}

void SystemMouseSettings::ChangedMouseSystemParameterA() {
  const Acceleration acceleration = accelerationFor(enhancePrecision);
  store_.setValue(kMouseKey, kMouseSensitivity,
                  std::to_string(sensitivityOfSpeedLevel(speedLevel)));
  store_.setValue(kMouseKey, kMouseSpeed, std::to_string(acceleration.speed));
  store_.setValue(kMouseKey, kMouseThreshold1, std::to_string(acceleration.threshold1));
  store_.setValue(kMouseKey, kMouseThreshold2, std::to_string(acceleration.threshold2));
  store_.setValue(kMouseKey, kDoubleClickSpeed,
                  std::to_string(doubleClickTimeOfLevel(doubleClickLevel)));
}

void SystemMouseSettings::ChangedMouseSystemParameterB() {
  const int lines = oneScreenAtATime ? kOneScreenAtATime : wheelLinesOfLevel(scrollLevel);
  store_.setValue(kDesktopKey, kWheelScrollLines, std::to_string(lines));
}

void SystemMouseSettings::applyToDesktop() {
  lastApplied = {};
  if (!backend_) return;
  const Acceleration acceleration = accelerationFor(enhancePrecision);
  lastApplied.speed = backend_->setMouseSpeed(sensitivityOfSpeedLevel(speedLevel));
  lastApplied.acceleration = backend_->setMouseAcceleration(
      acceleration.threshold1, acceleration.threshold2, acceleration.speed);
  lastApplied.doubleClick = backend_->setDoubleClickTime(doubleClickTimeOfLevel(doubleClickLevel));
  lastApplied.wheelLines = backend_->setWheelScrollLines(
      oneScreenAtATime ? kOneScreenAtATime : wheelLinesOfLevel(scrollLevel));
}

void SystemMouseSettings::refreshFromStore() {
  store_.load();
  RefreshMouseSystemParameterA();
  RefreshMouseSystemParameterB();
}

// A missing value leaves its control as it is; a sensitivity that is not one of the
// known numbers shows the middle level.
void SystemMouseSettings::RefreshMouseSystemParameterA() {
  if (const std::optional<std::string> text = store_.value(kMouseKey, kMouseSensitivity))
    speedLevel = speedLevelOfSensitivity(integerOf(text).value_or(-1));
  bool anyAcceleration = false;
  bool accelerationOn = false;
  for (const std::string_view name : {kMouseSpeed, kMouseThreshold1, kMouseThreshold2}) {
    const std::optional<std::string> text = store_.value(kMouseKey, name);
    if (!text) continue;
    anyAcceleration = true;
    accelerationOn = accelerationOn || integerOf(text).value_or(0) != 0;
  }
  if (anyAcceleration) enhancePrecision = accelerationOn;
  if (const std::optional<int> time = integerOf(store_.value(kMouseKey, kDoubleClickSpeed)))
    doubleClickLevel = doubleClickLevelOfTime(*time);
}

void SystemMouseSettings::RefreshMouseSystemParameterB() {
  const std::optional<int> lines = integerOf(store_.value(kDesktopKey, kWheelScrollLines));
  if (!lines) return;
  oneScreenAtATime = *lines == kOneScreenAtATime;
  scrollLevel = oneScreenAtATime ? kMinLevel : clampLevel(*lines);
}

}  // namespace mousecfg
