#include "settings/BreathingSpeed.h"

#include <algorithm>

namespace mousecfg {

int speedOfStepTime(int stepTime) {
  const int speed = (stepTime + kStepTimePerSpeed - 1) / kStepTimePerSpeed;
  return std::clamp(speed, 1, kBreathingSpeeds);
}

bool speedPictureLit(int picture, int speed, bool sliderStyle) {
  return sliderStyle ? picture == speed : picture >= 1 && picture <= speed;
}

}  // namespace mousecfg
