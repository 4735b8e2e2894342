#include "macros/RecordingWorker.h"

#include "base/Host.h"

namespace mousecfg {

void RecordingWorker::start() {
  if (thread_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    pending_ = false;
    stopping_ = false;
  }
  thread_ = std::thread([this] { run(); });
}

void RecordingWorker::stop() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void RecordingWorker::notify() {
  {
    std::lock_guard lock(mutex_);
    pending_ = true;
  }
  wake_.notify_one();
}

void RecordingWorker::run() {
  std::unique_lock lock(mutex_);
  while (true) {
    wake_.wait(lock, [this] { return pending_ || stopping_; });
    if (stopping_) return;
    pending_ = false;
    lock.unlock();
    host_.postToUi(pass_);
    lock.lock();
  }
}

}  // namespace mousecfg
