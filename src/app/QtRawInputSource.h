#pragma once

#include <QSocketNotifier>
#include <memory>

#include "macros/InputSource.h"

struct _XDisplay;  // Xlib's Display, whose header is kept out of the window's headers

namespace mousecfg {

// The whole desktop's keys and buttons on X11, whichever window has the focus: XInput2
// raw events selected on the root window through a connection of its own, read on the
// UI thread whenever its socket has something.
class QtRawInputSource final : public InputSource {
 public:
  // Null when the application is not on X11 or the server has no XInput 2.
  static std::unique_ptr<QtRawInputSource> open();
  ~QtRawInputSource() override;
  QtRawInputSource(const QtRawInputSource&) = delete;
  QtRawInputSource& operator=(const QtRawInputSource&) = delete;

  void start(Sinks sinks) override;
  void stop() override;
  bool global() const override { return true; }

 private:
  struct DisplayCloser {
    void operator()(_XDisplay* display) const;
  };
  using DisplayPtr = std::unique_ptr<_XDisplay, DisplayCloser>;

  QtRawInputSource(DisplayPtr display, int opcode);
  void select(bool on);
  void readEvents();
  void deliver(int eventType, int detail);
  int virtualKeyOfKeycode(int keycode);

  DisplayPtr display_;
  int opcode_;  // XInput's major opcode, which its events carry
  unsigned numLockMask_;
  std::unique_ptr<QSocketNotifier> notifier_;
  Sinks sinks_;
  bool started_ = false;
};

}  // namespace mousecfg
