#pragma once

#include <QObject>

#include "macros/InputSource.h"

namespace mousecfg {

// The keys and clicks the application itself receives, where the desktop's are out of
// reach (Wayland, or X11 without XInput2): an event filter on the whole application,
// installed while started. It only looks; every event goes on to its widget.
class QtWindowInputSource final : public QObject, public InputSource {
 public:
  void start(Sinks sinks) override;
  void stop() override;
  bool global() const override { return false; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool started_ = false;
  Sinks sinks_;
};

}  // namespace mousecfg
