#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>

#include "base/Clock.h"
#include "base/Host.h"

namespace mousecfg {

// The host of mousectl: waits wait on its clock, messages go to standard error, there is no
// progress window and every confirmation is declined (nobody is there to press OK). The
// window's dialog texts are written for the window; where a command tells the user the
// same thing in its own words, the dialog text is left out.
class ConsoleHost : public Host {
 public:
  using TextLookup = std::function<std::string(const std::string& languageKey)>;

  ConsoleHost(std::ostream& messages, Clock& clock, TextLookup textOf);

  Clock& clock() override { return clock_; }
  void sleepProcessing(int ms) override;
  void processMessages() override;
  void postToUi(std::function<void()> work) override;
  void showProgress() override {}
  void hideProgress() override {}
  void setOverlaysVisible(bool) override {}
  void showMessage(const std::string& languageKey) override;
  void showText(const std::string& text) override;
  bool confirmMessage(const std::string& languageKey) override;

 private:
  std::ostream& messages_;
  Clock& clock_;
  TextLookup textOf_;
  std::mutex postedMutex_;
  std::deque<std::function<void()>> posted_;
};

}  // namespace mousecfg
