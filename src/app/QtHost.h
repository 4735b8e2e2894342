#pragma once

#include <QObject>

#include "base/Host.h"

namespace mousecfg {

class QtMainWindow;
class QtProgressWindow;

// The core's host on Qt: waits that keep the window alive, the UI thread, the progress
// window, the overlays and the dialogs.
class QtHost : public Host {
 public:
  QtHost() = default;
  void attach(QtMainWindow* window, QtProgressWindow* progress);

  int64_t nowMs() override;
  void sleepProcessing(int ms) override;
  void processMessages() override;
  void postToUi(std::function<void()> work) override;
  void showProgress() override;
  void hideProgress() override;
  void setOverlaysVisible(bool visible) override;
  void showMessage(const std::string& languageKey) override;
  bool confirmMessage(const std::string& languageKey) override;
  void refreshWindow() override;

 private:
  QtMainWindow* window_ = nullptr;
  QtProgressWindow* progress_ = nullptr;
};

}  // namespace mousecfg
