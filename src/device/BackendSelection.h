#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Clock.h"
#include "base/Environment.h"
#include "device/HidBackend.h"
#include "device/SimulatedMouse.h"

namespace mousecfg {

inline constexpr const char* kBackendVariable = "MOUSECFG_BACKEND";
inline constexpr const char* kSimFileVariable = "MOUSECFG_SIM_FILE";
inline constexpr const char* kTraceVariable = "MOUSECFG_TRACE";
inline constexpr std::string_view kSimulatedBackend = "sim";
inline constexpr std::string_view kRealDevicesBackend = "hid";
inline constexpr std::string_view kNoDevicesBackend = "none";

// The backend the program runs on and, when it is the simulated mouse, the mouse itself
// so a demo can press its buttons.
struct SelectedBackend {
  std::unique_ptr<HidBackend> backend;
  SimulatedMouse* simulatedMouse = nullptr;  // owned by backend; null for real devices
  bool traceFileFailed = false;              // MOUSECFG_TRACE named a file that cannot be written
  // What is wrong with the environment, one message each for the user. The backend
  // works all the same: real devices for an unknown MOUSECFG_BACKEND, no trace for a
  // trace file that cannot be written, the built-in image, saved nowhere, for a
  // MOUSECFG_SIM_FILE that cannot be used.
  std::vector<std::string> problems;
};

// MOUSECFG_BACKEND=sim selects the simulated mouse (its stored block kept in the file
// MOUSECFG_SIM_FILE when that is set), "none" no devices at all, "hid" or nothing the
// real devices; any other value is a problem. MOUSECFG_TRACE=FILE writes every frame to
// FILE, one line each, written at once; a regular file is started afresh on every run.
// The simulated mouse's restart delay runs on `clock`.
SelectedBackend selectBackend(const EnvironmentLookup& lookup, Clock& clock = steadyClock());
SelectedBackend selectBackendFromEnvironment();
// What is wrong with MOUSECFG_BACKEND when it names no backend; nullopt when it does.
std::optional<std::string> backendNameProblem(const EnvironmentLookup& lookup);

}  // namespace mousecfg
