#include "cli/ConsoleHost.h"

namespace mousecfg {

ConsoleHost::ConsoleHost(std::ostream& messages, Clock& clock, TextLookup textOf)
    : messages_(messages), clock_(clock), textOf_(std::move(textOf)) {}

void ConsoleHost::sleepProcessing(int ms) {
  clock_.sleepMs(ms);
  processMessages();
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

void ConsoleHost::showMessage(const std::string& languageKey) {
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
