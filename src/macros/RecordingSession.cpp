#include "macros/RecordingSession.h"

namespace mousecfg {

RecordingSession::RecordingSession(InputSource& source, Host& host, MacroRecorder& recorder)
    : source_(source),
      recorder_(recorder),
      worker_(host, [this, alive = std::weak_ptr<bool>(alive_)] {
        if (const auto still = alive.lock(); still && *still) recorder_.pass(flags);
      }) {
  // A key that finds the budget spent only sets the full mark; the worker's next pass
  // ends the recording, as it does when a button fills it.
  capture.onReceive = [this](int key, int, KeyEventType type) {
    recorder_.KeyboardHook1Receive(key, type);
    if (recorder_.recording() && recorder_.full()) worker_.notify();
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
