#include "device/BackendSelection.h"

#include "device/HidapiBackend.h"
#include "device/NoDevicesBackend.h"
#include "device/TraceFile.h"
#include "device/TracingBackend.h"

namespace mousecfg {

namespace {

std::optional<std::string> nonEmpty(const EnvironmentLookup& lookup, const char* name) {
  auto value = lookup(name);
  if (value && value->empty()) return std::nullopt;
  return value;
}

std::unique_ptr<SimulatedMouse> simulatedMouse(const EnvironmentLookup& lookup, Clock& clock,
                                               std::vector<std::string>& problems) {
  SimulatedMouse::Options options;
  options.persistPath = nonEmpty(lookup, kSimFileVariable).value_or("");
  auto mouse = std::make_unique<SimulatedMouse>(options, [&clock] { return clock.nowMs(); });
  if (!mouse->blockFileProblem().empty())
    problems.push_back(std::string(kSimFileVariable) +
                       " cannot be used: " + mouse->blockFileProblem());
  return mouse;
}

}  // namespace

SelectedBackend selectBackend(const EnvironmentLookup& lookup, Clock& clock) {
  SelectedBackend selected;
  std::function<void(const std::string&)> sink;
  if (auto tracePath = nonEmpty(lookup, kTraceVariable)) {
    TraceFile::Opened trace = TraceFile::open(*tracePath);
    if (trace.file) {
      sink = [file = trace.file](const std::string& line) { file->write(line); };
    } else {
      selected.traceFileFailed = true;
      selected.problems.push_back(std::string(kTraceVariable) + ": " + trace.error);
    }
  }

  const std::string chosen = nonEmpty(lookup, kBackendVariable).value_or("");
  if (chosen == kSimulatedBackend) {
    auto mouse = simulatedMouse(lookup, clock, selected.problems);
    if (sink) mouse->setTraceSink(sink);
    selected.simulatedMouse = mouse.get();
    selected.backend = std::move(mouse);
    return selected;
  }
  if (chosen == kNoDevicesBackend) {
    selected.backend = std::make_unique<NoDevicesBackend>();
  } else {
    if (auto problem = backendNameProblem(lookup)) selected.problems.push_back(*problem);
    selected.backend = std::make_unique<HidapiBackend>();
  }
  if (sink) selected.backend = std::make_unique<TracingBackend>(std::move(selected.backend), sink);
  return selected;
}

std::optional<std::string> backendNameProblem(const EnvironmentLookup& lookup) {
  const std::string chosen = nonEmpty(lookup, kBackendVariable).value_or("");
  if (chosen.empty() || chosen == kRealDevicesBackend || chosen == kSimulatedBackend ||
      chosen == kNoDevicesBackend)
    return std::nullopt;
  return std::string(kBackendVariable) + "=" + chosen +
         " is not known: \"sim\" selects the simulated mouse, \"hid\" (or nothing) the real "
         "devices, \"none\" no devices at all";
}

SelectedBackend selectBackendFromEnvironment() {
  return selectBackend(processEnvironment);
}

}  // namespace mousecfg
