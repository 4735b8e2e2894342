#pragma once

#include <string_view>

// The system mouse settings of the Advanced page: the levels of its three scales and
// the values the desktop's settings store holds for them.
namespace mousecfg::systemmouse {

// Settings keys and value names, as the desktop's own store names them.
inline constexpr std::string_view kMouseKey = "Control Panel\\Mouse";
inline constexpr std::string_view kDesktopKey = "Control Panel\\Desktop";
inline constexpr std::string_view kMouseSensitivity = "MouseSensitivity";
inline constexpr std::string_view kMouseSpeed = "MouseSpeed";
inline constexpr std::string_view kMouseThreshold1 = "MouseThreshold1";
inline constexpr std::string_view kMouseThreshold2 = "MouseThreshold2";
inline constexpr std::string_view kDoubleClickSpeed = "DoubleClickSpeed";
inline constexpr std::string_view kWheelScrollLines = "WheelScrollLines";

// Every scale has eleven levels.
inline constexpr int kMinLevel = 1;
inline constexpr int kMaxLevel = 11;
// "Scroll one screen at a time" instead of a number of lines.
inline constexpr int kOneScreenAtATime = -1;

// Pointer acceleration: "Enhance pointer precision" on gives speed 1 with thresholds
// 6 and 10, off gives 0, 0, 0.
struct Acceleration {
  int speed = 0;
  int threshold1 = 0;
  int threshold2 = 0;
  bool operator==(const Acceleration&) const = default;
};
Acceleration accelerationFor(bool enhancePrecision);

// Levels outside 1..11 are clamped.
int sensitivityOfSpeedLevel(int level);  // 1, 2, 4, 6, ..., 20
int speedLevelOfSensitivity(int sensitivity);
int doubleClickTimeOfLevel(int level);  // 900, 830, ..., 200 ms
int doubleClickLevelOfTime(int milliseconds);
int wheelLinesOfLevel(int level);  // the level itself
int clampLevel(int level);

// The level under pixel x of a scale: eleven positions from pixel -14 in steps of 28.
int levelAtPixel(int x);

}  // namespace mousecfg::systemmouse
