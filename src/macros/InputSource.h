#pragma once

#include <functional>

#include "macros/MacroRecorder.h"

namespace mousecfg {

// Where the recorder's key and button events come from: the desktop's raw input on X11,
// the application's own events elsewhere, a fake in tests. Events are delivered on the
// UI thread.
class InputSource {
 public:
  struct Sinks {
    std::function<void(int virtualKey)> keyDown;
    std::function<void(int virtualKey)> keyUp;
    std::function<void(MouseButton button, bool pressed)> button;
  };

  virtual ~InputSource() = default;
  virtual void start(Sinks sinks) = 0;
  virtual void stop() = 0;
  // Whether keys and clicks are seen whichever window has the focus.
  virtual bool global() const = 0;
};

// Where no input is seen at all (mousectl): a recording there records nothing.
class NoInputSource final : public InputSource {
 public:
  void start(Sinks) override {}
  void stop() override {}
  bool global() const override { return false; }
};

}  // namespace mousecfg
