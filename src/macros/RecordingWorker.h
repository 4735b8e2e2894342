#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace mousecfg {

class Host;

// The recording worker: a thread that sleeps on a condition until the mouse hook raised
// a flag, then asks the UI thread for one pass over the flags. Every change to the event
// lines happens in that pass, on the UI thread; the worker itself touches nothing.
class RecordingWorker {
 public:
  RecordingWorker(Host& host, std::function<void()> pass) : host_(host), pass_(std::move(pass)) {}
  ~RecordingWorker() { stop(); }
  RecordingWorker(const RecordingWorker&) = delete;
  RecordingWorker& operator=(const RecordingWorker&) = delete;

  void start();
  // Ends the thread and waits for it; called on the UI thread, never by the worker.
  void stop();
  // A flag was raised.
  void notify();
  bool running() const { return thread_.joinable(); }

 private:
  void run();

  Host& host_;
  std::function<void()> pass_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool pending_ = false;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace mousecfg
