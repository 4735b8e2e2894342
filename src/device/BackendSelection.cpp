#include "device/BackendSelection.h"

#include <fstream>
#include <mutex>

#include "device/HidapiBackend.h"
#include "device/TracingBackend.h"

namespace mousecfg {

namespace {

// Lines may come from the UI thread and the listener at once.
class TraceFile {
 public:
  explicit TraceFile(const std::string& path) : file_(path, std::ios::trunc) {}
  bool isOpen() const { return file_.is_open(); }
  void write(const std::string& line) {
    std::lock_guard lock(mutex_);
    file_ << line << '\n';
    file_.flush();
  }

 private:
  std::mutex mutex_;
  std::ofstream file_;
};

std::optional<std::string> nonEmpty(const EnvironmentLookup& lookup, const char* name) {
  auto value = lookup(name);
  if (value && value->empty()) return std::nullopt;
  return value;
}

}  // namespace

SelectedBackend selectBackend(const EnvironmentLookup& lookup, Clock& clock) {
  SelectedBackend selected;
  std::function<void(const std::string&)> sink;
  if (auto tracePath = nonEmpty(lookup, kTraceVariable)) {
    auto file = std::make_shared<TraceFile>(*tracePath);
    if (file->isOpen()) {
      sink = [file](const std::string& line) { file->write(line); };
    } else {
      selected.traceFileFailed = true;
    }
  }

  if (lookup(kBackendVariable) == std::optional<std::string>(kSimulatedBackend)) {
    SimulatedMouse::Options options;
    options.persistPath = nonEmpty(lookup, kSimFileVariable).value_or("");
    auto mouse = std::make_unique<SimulatedMouse>(options, [&clock] { return clock.nowMs(); });
    if (sink) mouse->setTraceSink(sink);
    selected.simulatedMouse = mouse.get();
    selected.backend = std::move(mouse);
  } else if (sink) {
    selected.backend = std::make_unique<TracingBackend>(std::make_unique<HidapiBackend>(), sink);
  } else {
    selected.backend = std::make_unique<HidapiBackend>();
  }
  return selected;
}

SelectedBackend selectBackendFromEnvironment() {
  return selectBackend(processEnvironment);
}

}  // namespace mousecfg
