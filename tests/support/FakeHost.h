#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "base/Host.h"
#include "support/VirtualClock.h"

namespace mousecfg::test {

// A host with a virtual clock: waits advance the clock at once, so a restart's
// seventeen seconds cost nothing. It records what the core asked of the window.
class FakeHost : public Host {
 public:
  Clock& clock() override { return virtualClock; }
  void sleepProcessing(int ms) override {
    virtualClock.advance(ms);
    sleptMs += ms;
    runPosted();
    if (onSleep) onSleep();
  }
  void processMessages() override {
    ++messagePumps;
    runPosted();
  }
  void postToUi(std::function<void()> work) override {
    {
      std::lock_guard lock(postedMutex);
      posted.push_back(std::move(work));
    }
    workPosted.notify_all();
  }
  void showProgress() override {
    ++progressShows;
    const bool opens = !progressVisible;
    progressVisible = true;
    if (opens && onShowProgress) onShowProgress();
  }
  void hideProgress() override { progressVisible = false; }
  void setOverlaysVisible(bool visible) override { overlaysVisible = visible; }
  void showMessage(const std::string& key) override { messages.push_back(key); }
  void showText(const std::string& text) override { texts.push_back(text); }
  bool confirmMessage(const std::string& key) override {
    confirmations.push_back(key);
    return true;
  }
  void refreshWindow() override { ++windowRefreshes; }

  // Runs the work other threads posted to the UI thread.
  void runPosted() {
    std::deque<std::function<void()>> work;
    {
      std::lock_guard lock(postedMutex);
      work.swap(posted);
    }
    for (auto& w : work) w();
  }
  size_t postedCount() {
    std::lock_guard lock(postedMutex);
    return posted.size();
  }
  // Blocks until another thread has posted work; false when none came within the
  // clock's guard.
  bool awaitPosted() {
    std::unique_lock lock(postedMutex);
    return workPosted.wait_for(lock, VirtualClock::kWaiterGuard,
                               [this] { return !posted.empty(); });
  }

  VirtualClock virtualClock;
  int64_t sleptMs = 0;
  int messagePumps = 0;
  int progressShows = 0;
  bool progressVisible = false;
  bool overlaysVisible = false;
  int windowRefreshes = 0;
  std::vector<std::string> messages;
  std::vector<std::string> texts;
  std::vector<std::string> confirmations;
  std::function<void()> onSleep;
  // Runs as a transfer opens its progress window, that is as a whole read or write starts.
  std::function<void()> onShowProgress;

 private:
  std::mutex postedMutex;
  std::condition_variable workPosted;
  std::deque<std::function<void()>> posted;
};

}  // namespace mousecfg::test
