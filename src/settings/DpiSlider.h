#pragma once

#include <string>

namespace mousecfg {

class LanguageTables;

// Slider positions are multiples of this; position i shows step i.
inline constexpr int kSliderUnit = 100;

// The AIM slider: fifteen positions laid out from pixel -14, 20 pixels apart.
inline constexpr int kAimPositions = 15;
inline constexpr int kAimFirstPixel = -14;
inline constexpr int kAimPixelsPerPosition = 20;

// The flow-speed slider: eight positions laid out from pixel -16, 33 pixels apart.
inline constexpr int kFlowSpeedPositions = 8;
inline constexpr int kFlowFirstPixel = -16;
inline constexpr int kFlowPixelsPerPosition = 33;

// The position (0..count) whose pixel range start + width*i < x <= start + width*(i+1)
// holds x; a click at or left of start gives 0 and one past the last range gives count.
int GetSliderRulerByX(int x, int count, int start, int width);

// The step (0..dpiCount-1) nearest to pixel x on a DPI slider sliderWidth pixels wide:
// the width is spread over dpiCount - 1 gaps and each step owns half a gap either side.
int GetValueBySliderClick(int x, int sliderWidth, int dpiCount);

// The text of step i - 1 ("200" for i = 1) for i = 1..15, otherwise "".
std::string GetDisplayByIndex(int i, const LanguageTables& texts);

// The text of step `step` (0-based).
inline std::string stepText(int step, const LanguageTables& texts) {
  return GetDisplayByIndex(step + 1, texts);
}

// The AIM position and the flow speed under a click at pixel x.
int aimPositionAtX(int x);
int flowSpeedAtX(int x);

}  // namespace mousecfg
