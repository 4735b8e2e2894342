#include "device/MacroEvent.h"

namespace mousecfg::macro {

std::optional<size_t> eventLength(uint8_t code) {
  switch (code) {
    case kEventEnd:
    case kRepeatEnd:
    case kLeftPress:
    case kRightPress:
    case kMiddlePress:
    case kForwardPress:
    case kBackwardPress:
    case kLeftRelease:
    case kRightRelease:
    case kMiddleRelease:
    case kForwardRelease:
    case kBackwardRelease:
      return 1;
    case kModifierPress:
    case kModifierRelease:
    case kKeyPress:
    case kKeyRelease:
    case kRepeatStart:
      return 2;
    case kMove:
    case kDelay:
      return 3;
    default:
      return std::nullopt;
  }
}

std::optional<size_t> scanEventsLength(std::span<const uint8_t> events) {
  size_t position = 0;
  while (position < events.size()) {
    const uint8_t code = events[position];
    if (code == kEventEnd) return position + 1;
    const std::optional<size_t> length = eventLength(code);
    if (!length || *length > events.size() - position) return std::nullopt;
    position += *length;
  }
  return std::nullopt;
}

}  // namespace mousecfg::macro
