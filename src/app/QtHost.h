#pragma once

#include <QObject>

#include "base/Host.h"

namespace mousecfg {

class QtMainWindow;
class QtProgressWindow;

// The core's host on Qt: waits that keep the window alive, the UI thread, the progress
// window, the overlays and the dialogs. Its time comes from the clock it is given.
class QtHost : public Host {
 public:
  explicit QtHost(Clock& clock) : clock_(clock) {}
  void attach(QtMainWindow* window, QtProgressWindow* progress);

  Clock& clock() override { return clock_; }
  void sleepProcessing(int ms) override;
  void processMessages() override;
  void postToUi(std::function<void()> work) override;
  void showProgress() override;
  void hideProgress() override;
  void setOverlaysVisible(bool visible) override;
  void showMessage(const std::string& languageKey) override;
  void showText(const std::string& text) override;
  bool confirmMessage(const std::string& languageKey) override;
  void refreshWindow() override;

 private:
  // The longest stretch a wait leaves the window's events unprocessed.
  static constexpr int kEventSliceMs = 10;

  Clock& clock_;
  QtMainWindow* window_ = nullptr;
  QtProgressWindow* progress_ = nullptr;
};

}  // namespace mousecfg
