#pragma once

#include "macros/InputSource.h"

namespace mousecfg::test {

// The desktop's input as a test plays it: events go to the sinks only while started.
class FakeInputSource : public InputSource {
 public:
  void start(Sinks sinks) override {
    sinks_ = std::move(sinks);
    started = true;
  }
  void stop() override { started = false; }
  bool global() const override { return true; }

  void press(int virtualKey) {
    if (started) sinks_.keyDown(virtualKey);
  }
  void release(int virtualKey) {
    if (started) sinks_.keyUp(virtualKey);
  }
  void button(MouseButton which, bool pressed) {
    if (started) sinks_.button(which, pressed);
  }

  bool started = false;

 private:
  Sinks sinks_;
};

}  // namespace mousecfg::test
