#include "settings/DpiSlider.h"

#include <algorithm>
#include <cstdint>

#include "base/LanguageKeys.h"
#include "base/LanguageTables.h"

namespace mousecfg {

namespace {

constexpr int kStepTextCount = 15;

}  // namespace

int GetSliderRulerByX(int x, int count, int start, int width) {
  if (count <= 0 || width <= 0) return 0;
  const int64_t past = int64_t{x} - start;
  if (past <= 0) return 0;
  const int64_t position = (past - 1) / width;
  return static_cast<int>(std::min<int64_t>(position, count));
}

int GetValueBySliderClick(int x, int sliderWidth, int dpiCount) {
  const int gaps = dpiCount - 1;
  if (gaps <= 0) return 0;
  const int width = sliderWidth / gaps;
  return GetSliderRulerByX(x, gaps, -(width / 2), width);
}

std::string GetDisplayByIndex(int i, const LanguageTables& texts) {
  if (i < 1 || i > kStepTextCount) return {};
  return texts.text(langkey::keyAfter(langkey::caption::kDpiStep0, i - 1));
}

int aimPositionAtX(int x) {
  return GetSliderRulerByX(x, kAimPositions - 1, kAimFirstPixel, kAimPixelsPerPosition);
}

int flowSpeedAtX(int x) {
  return GetSliderRulerByX(x, kFlowSpeedPositions - 1, kFlowFirstPixel, kFlowPixelsPerPosition);
}

}  // namespace mousecfg
