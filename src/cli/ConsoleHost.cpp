#include "ConsoleHost.h"

#include <chrono>
#include <thread>

namespace mousecfg {

ConsoleHost::ConsoleHost(std::ostream& messages, TextLookup textOf)
    : messages_(messages), textOf_(std::move(textOf)) {}

int64_t ConsoleHost::nowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void ConsoleHost::sleepProcessing(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
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

bool ConsoleHost::confirmMessage(const std::string& languageKey) {
  showMessage(languageKey);
  return false;
}

}  // namespace mousecfg
