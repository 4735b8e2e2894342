#include "macros/RecordingSession.h"

namespace mousecfg {

RecordingSession::RecordingSession(InputSource& source, Host& host, MacroRecorder& recorder)
    : source_(source),
      recorder_(recorder),
      worker_(host, [this, alive = std::weak_ptr<bool>(alive_)] {
        if (const auto still = alive.lock(); still && *still) recorder_.pass(flags);
      }) {
  capture.onReceive = [this](int key, int, KeyEventType type) {
    recorder_.KeyboardHook1Receive(key, type);
  };
}

void RecordingSession::begin() {
  if (active_) return;
  active_ = true;
  flags.clearAll();
  capture.enabled = true;
  worker_.start();
  source_.start({[this](int key) { capture.keyDown(key); }, [this](int key) { capture.keyUp(key); },
                 [this](MouseButton button, bool pressed) {
                   flags.hookEvent(recorder_.recording(), pointerOverRecordCommand(), button,
                                   pressed);
                   worker_.notify();
                 }});
}

void RecordingSession::end() {
  if (!active_) return;
  active_ = false;
  capture.enabled = false;
  source_.stop();
  worker_.stop();
}

}  // namespace mousecfg
