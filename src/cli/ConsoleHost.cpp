#include "cli/ConsoleHost.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "base/LanguageKeys.h"

namespace mousecfg {

ConsoleHost::ConsoleHost(std::ostream& messages, Clock& clock, TextLookup textOf)
    : messages_(messages), clock_(clock), textOf_(std::move(textOf)) {}

void ConsoleHost::sleepProcessing(int ms) {
  clock_.sleepMs(ms);
  if (progress_)
    for (msSinceDot_ += ms; msSinceDot_ >= kMsPerDot; msSinceDot_ -= kMsPerDot) dot();
  processMessages();
}

void ConsoleHost::showProgress() {
  if (progress_ && ++framesSinceDot_ >= kFramesPerDot) {
    framesSinceDot_ = 0;
    dot();
  }
}

void ConsoleHost::dot() {
  messages_ << '.' << std::flush;
  dotsWritten_ = true;
}

void ConsoleHost::setConsoleProgress(bool on) {
  if (!on && dotsWritten_) messages_ << '\n';
  progress_ = on;
  dotsWritten_ = false;
  framesSinceDot_ = 0;
  msSinceDot_ = 0;
}

void ConsoleHost::processMessages() {
  std::deque<std::function<void()>> work;
  {
    std::lock_guard lock(postedMutex_);
    work.swap(posted_);
  }
  for (auto& w : work) w();
}

void ConsoleHost::postToUi(std::function<void()> work) {
  std::lock_guard lock(postedMutex_);
  posted_.push_back(std::move(work));
}

namespace {

// The dialogs whose news the commands give themselves, with the details a console user
// needs: the mouse's codes, its chip, which button keeps the Left Key, the AIM key.
bool toldByTheCommand(std::string_view languageKey) {
  using namespace langkey::message;
  constexpr std::string_view kTold[] = {kDeviceNotFound, kDataFileTypeError, kSelectAimKey,
                                        kForeignIds, kKeepLeftKey};
  return std::ranges::find(kTold, languageKey) != std::end(kTold);
}

}  // namespace

void ConsoleHost::showMessage(const std::string& languageKey) {
  if (toldByTheCommand(languageKey)) return;
  messages_ << "mousectl: " << textOf_(languageKey) << '\n';
}

void ConsoleHost::showText(const std::string& text) {
  messages_ << "mousectl: " << text << '\n';
}

bool ConsoleHost::confirmMessage(const std::string& languageKey) {
  showMessage(languageKey);
  return false;
}

}  // namespace mousecfg
