#pragma once

#include <functional>
#include <memory>

#include "macros/InputSource.h"
#include "macros/KeyboardCapture.h"
#include "macros/MacroRecorder.h"
#include "macros/RecordingWorker.h"

namespace mousecfg {

class Host;

// What runs while a macro is recorded: the input source feeds keys to the keyboard
// capture (and so to the recorder) and buttons to the hook's flags, and the worker
// turns raised flags into passes of the recorder on the UI thread.
class RecordingSession {
 public:
  RecordingSession(InputSource& source, Host& host, MacroRecorder& recorder);
  ~RecordingSession() {
    end();
    *alive_ = false;
  }
  RecordingSession(const RecordingSession&) = delete;
  RecordingSession& operator=(const RecordingSession&) = delete;

  void begin();
  void end();
  bool active() const { return active_; }
  // Whether the pointer is over a command that starts or stops recording; its clicks
  // are never recorded.
  std::function<bool()> pointerOverRecordCommand = [] { return false; };

  KeyboardCapture capture;
  ButtonFlags flags;

 private:
  InputSource& source_;
  MacroRecorder& recorder_;
  // Passes already posted to the UI thread may run after the session is gone; they
  // look here first.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  RecordingWorker worker_;
  bool active_ = false;
};

}  // namespace mousecfg
