#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>

#include "base/Clock.h"
#include "base/Host.h"

namespace mousecfg {

// The host of mousectl: waits wait on its clock, messages go to standard error, the
// progress window is a line of dots while a command asks for it, and every confirmation
// is declined (nobody is there to press OK). The
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
  void showProgress() override;
  void hideProgress() override {}
  void setOverlaysVisible(bool) override {}
  void showMessage(const std::string& languageKey) override;
  void showText(const std::string& text) override;
  bool confirmMessage(const std::string& languageKey) override;

  // While on, long transfers and waits show on standard error: a dot for every
  // kFramesPerDot frames sent or read and for every second waited. Turning it off ends
  // the line of dots, if any were written.
  void setConsoleProgress(bool on);
  static constexpr int kFramesPerDot = 32;
  static constexpr int kMsPerDot = 1000;

 private:
  std::ostream& messages_;
  Clock& clock_;
  TextLookup textOf_;
  std::mutex postedMutex_;
  std::deque<std::function<void()>> posted_;
  bool progress_ = false;
  bool dotsWritten_ = false;
  int framesSinceDot_ = 0;
  int msSinceDot_ = 0;
  void dot();
};

}  // namespace mousecfg
