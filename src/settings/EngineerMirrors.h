#pragma once

#include <cstdint>
#include <string>

namespace mousecfg {

// The engineer page shows the DPI and lighting values of the user pages in controls of
// its own. A user page tells its twin what changed through these interfaces; the twin
// tells the page back through the callback the application core installs.
class DpiControlsMirror {
 public:
  virtual ~DpiControlsMirror() = default;
  virtual void showActiveLevel(int level) = 0;  // 1..8
  virtual void showLevelCount(int count) = 0;
  virtual void showLevelStep(int level, int step) = 0;
  virtual void showAimStep(int step) = 0;
  virtual void showLevelColour(int level, uint32_t rgb) = 0;
};

class LightingControlsMirror {
 public:
  virtual ~LightingControlsMirror() = default;
  virtual void showEffect(int effect) = 0;  // 1..7
  virtual void showStepTime(uint8_t stepTime) = 0;
  virtual void showSlotColour(int slot, uint32_t rgb) = 0;
  // The flowing-LED speed and brightness are sent by the engineer page's LED-parameter
  // handler, which knows how each LED type takes them.
  virtual void sendFlowSpeed(int step) = 0;
  virtual void sendFlowBrightness(bool full) = 0;
};

}  // namespace mousecfg
