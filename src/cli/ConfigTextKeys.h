#pragma once

#include <string>
#include <string_view>

// The tables and keys of the readable configuration, shared by its reader and writer.
namespace mousecfg::config_keys {

inline constexpr std::string_view kFormat = "format";
inline constexpr std::string_view kReportRate = "report_rate";

inline constexpr std::string_view kButtons = "buttons";
inline std::string profileTable(int profile) {
  return "profile" + std::to_string(profile);
}

inline constexpr std::string_view kDpiTable = "dpi";
inline constexpr std::string_view kLevelsOn = "levels_on";
inline constexpr std::string_view kActive = "active";
inline constexpr std::string_view kAimDpi = "aim_dpi";
inline constexpr std::string_view kDpi = "dpi";
inline constexpr std::string_view kColour = "colour";
inline constexpr int kMaxDpi = 1000000;
inline std::string dpiLevelKey(int level) {
  return "level" + std::to_string(level);
}

inline constexpr std::string_view kLighting = "lighting";
inline constexpr std::string_view kEffect = "effect";
inline constexpr std::string_view kSpeed = "speed";
inline constexpr std::string_view kFlowSpeed = "flow_speed";
inline constexpr std::string_view kBrightness = "brightness";
inline constexpr std::string_view kFull = "full";
inline constexpr std::string_view kHalf = "half";
inline constexpr std::string_view kColours = "colours";

inline constexpr std::string_view kFire = "fire";
inline constexpr std::string_view kShots = "shots";
inline constexpr std::string_view kIntervalMs = "interval_ms";
inline constexpr std::string_view kContinuous = "continuous";
inline std::string fireKeyTable(int key) {
  return "key" + std::to_string(key);
}

inline constexpr std::string_view kGuns = "guns";
inline constexpr std::string_view kMacros = "macros";

inline constexpr std::string_view kSystem = "system";
inline constexpr std::string_view kPointerSpeed = "pointer_speed";
inline constexpr std::string_view kEnhancePrecision = "enhance_precision";
inline constexpr std::string_view kDoubleClickSpeed = "double_click_speed";
inline constexpr std::string_view kWheelLines = "wheel_lines";
inline constexpr std::string_view kOneScreenAtATime = "one_screen_at_a_time";

inline constexpr std::string_view kVendor = "vendor";

}  // namespace mousecfg::config_keys
