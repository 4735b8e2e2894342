#include "settings/SystemMouseLevels.h"

#include <algorithm>

namespace mousecfg::systemmouse {

namespace {

constexpr int kSensitivityAtLevel1 = 1;
constexpr int kMaxSensitivity = 20;
constexpr int kUnknownSensitivityLevel = 6;
constexpr int kSlowestDoubleClick = 900;
constexpr int kDoubleClickStep = 70;
constexpr int kScaleStart = -14;
constexpr int kScaleStep = 28;

}  // namespace

Acceleration accelerationFor(bool enhancePrecision) {
  return enhancePrecision ? Acceleration{1, 6, 10} : Acceleration{};
}

int clampLevel(int level) {
  return std::clamp(level, kMinLevel, kMaxLevel);
}

int sensitivityOfSpeedLevel(int level) {
  level = clampLevel(level);
  return level == kMinLevel ? kSensitivityAtLevel1 : 2 * (level - 1);
}

int speedLevelOfSensitivity(int sensitivity) {
  if (sensitivity == 0 || sensitivity == 1) return kMinLevel;
  if (sensitivity >= 2 && sensitivity < kMaxSensitivity) return sensitivity / 2 + 1;
  if (sensitivity == kMaxSensitivity) return kMaxLevel;
  return kUnknownSensitivityLevel;
}

int doubleClickTimeOfLevel(int level) {
  return kSlowestDoubleClick - kDoubleClickStep * (clampLevel(level) - 1);
}

// Level n covers the times from its own value up to the next slower level's.
int doubleClickLevelOfTime(int milliseconds) {
  for (int level = kMinLevel; level < kMaxLevel; ++level)
    if (milliseconds >= doubleClickTimeOfLevel(level)) return level;
  return kMaxLevel;
}

int wheelLinesOfLevel(int level) {
  return clampLevel(level);
}

// Position i covers start + step * i < x <= start + step * (i + 1).
int levelAtPixel(int x) {
  constexpr int kPositions = kMaxLevel - kMinLevel;
  if (x <= kScaleStart) return kMinLevel;
  const int position = std::min((x - kScaleStart - 1) / kScaleStep, kPositions);
  return position + kMinLevel;
}

}  // namespace mousecfg::systemmouse
