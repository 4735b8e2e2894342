#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/Clock.h"
#include "base/Host.h"

namespace mousecfg::fuzz {

// A clock on which every wait is over at once: one thread, no real time spent, so a
// fuzz run costs only the work itself.
class InstantClock : public Clock {
 public:
  int64_t nowMs() override { return now_; }
  void sleepMs(int ms) override { now_ += ms; }
  bool waitFor(int ms, const std::function<bool()>& done) override {
    if (done()) return true;
    now_ += ms;
    return done();
  }
  void wakeWaiters() override {}

 private:
  int64_t now_ = 0;
};

// A host without a window: it answers every confirmation the same way and keeps the
// messages it was asked to show.
class InstantHost : public Host {
 public:
  explicit InstantHost(bool confirms) : confirms_(confirms) {}

  Clock& clock() override { return clock_; }
  void sleepProcessing(int ms) override {
    clock_.sleepMs(ms);
    runPosted();
  }
  void processMessages() override { runPosted(); }
  void postToUi(std::function<void()> work) override { posted_.push_back(std::move(work)); }
  void showProgress() override {}
  void hideProgress() override {}
  void setOverlaysVisible(bool) override {}
  void showMessage(const std::string& key) override { messages.push_back(key); }
  void showText(const std::string& text) override { messages.push_back(text); }
  bool confirmMessage(const std::string& key) override {
    messages.push_back(key);
    return confirms_;
  }

  std::vector<std::string> messages;

 private:
  void runPosted() {
    std::vector<std::function<void()>> work;
    work.swap(posted_);
    for (auto& w : work) w();
  }

  InstantClock clock_;
  bool confirms_;
  std::vector<std::function<void()>> posted_;
};

}  // namespace mousecfg::fuzz
