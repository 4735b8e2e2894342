#include "cli/DoctorCommand.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <sstream>

#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "device/BackendSelection.h"
#include "device/ImageMap.h"

namespace mousecfg {

namespace {

constexpr std::string_view kIds = "3a7e:05ed";
constexpr std::string_view kInstallRule =
    "  mousectl udev-rule | sudo tee /etc/udev/rules.d/70-mousecfg.rules\n"
    "  sudo udevadm control --reload-rules && sudo udevadm trigger\n";

std::string nodeList(const AccessReport& report) {
  std::string list;
  for (const MouseNode& node : report.nodes) {
    if (!list.empty()) list += ", ";
    list += node.path + (node.usable ? "" : " (no access)");
  }
  return list;
}

std::string whatToDo(const AccessReport& report) {
  std::ostringstream todo;
  switch (firstProblem(report)) {
    case AccessProblem::NotOnBus:
      todo << "Plug the mouse in, then run \"mousectl doctor\" again.\n\"lsusb -d " << kIds
           << "\" lists it once it is there.\n";
      break;
    case AccessProblem::NoNodes:
      todo << "The kernel made no hidraw node for the mouse. Load the hidraw driver with\n"
              "\"sudo modprobe hidraw\", then unplug the mouse and plug it in again.\n";
      break;
    case AccessProblem::NoRule:
      todo << "Install the udev rule that lets you open the mouse's nodes:\n"
           << kInstallRule << "then unplug the mouse and plug it in again.\n";
      break;
    case AccessProblem::NotYetGranted:
      todo << "The rule is installed, but the nodes are not yours yet. Unplug the mouse and\n"
              "plug it in again (or run \"sudo udevadm trigger\"). The rule grants the user\n"
              "logged in at the computer's screen; over ssh, run mousectl as root.\n";
      break;
    case AccessProblem::None:
      todo << "Nothing: the mouse can be used. \"mousectl info\" shows it.\n";
      break;
  }
  return todo.str();
}

}  // namespace

AccessAdvice adviseOnAccess(const AccessReport& report) {
  std::ostringstream text;
  text << "1. On the USB bus:      "
       << (report.onBus ? "yes" : "no, no device with the ids " + std::string(kIds)) << '\n';
  text << "2. Its hidraw nodes:    "
       << (!report.onBus          ? std::string("-")
           : report.nodes.empty() ? std::string("none")
           : report.nodesUsable() ? nodeList(report) + ", you may open them"
                                  : nodeList(report))
       << '\n';
  text << "3. The udev rule:       " << report.installedRule.value_or("not installed") << '\n';
  text << "\nWhat to do: " << whatToDo(report);
  return {text.str(), firstProblem(report) == AccessProblem::None ? kExitOk : kExitNoDevice};
}

namespace {

std::string_view problemName(AccessProblem problem) {
  switch (problem) {
    case AccessProblem::NotOnBus:
      return "not-on-bus";
    case AccessProblem::NoNodes:
      return "no-hidraw-nodes";
    case AccessProblem::NoRule:
      return "no-udev-rule";
    case AccessProblem::NotYetGranted:
      return "not-yet-granted";
    case AccessProblem::None:
      break;
  }
  return "none";
}

Json accessJson(const AccessReport& report) {
  Json nodes = Json::array();
  for (const MouseNode& node : report.nodes)
    nodes.push_back({{"path", node.path}, {"usable", node.usable}});
  const AccessProblem problem = firstProblem(report);
  return {{"ids", kIds},
          {"on_bus", report.onBus},
          {"nodes", nodes},
          {"udev_rule", report.installedRule ? Json(*report.installedRule) : Json()},
          {"problem", problemName(problem)},
          {"what_to_do", whatToDo(report)}};
}

// The environment may point mousectl away from the real mouse; then there is nothing
// to check. The exit status when it does, else nothing.
std::optional<int> explainChosenBackend(const CliContext& context, bool json) {
  // A misspelt backend is a mistake here as everywhere; only the name is looked at.
  if (const auto problem = backendNameProblem(context.environment)) {
    context.err << "mousectl: " << *problem << '\n';
    return kExitUsage;
  }
  const std::optional<std::string> backend = context.environment(kBackendVariable);
  const bool simulated = backend == std::optional<std::string>(kSimulatedBackend);
  if (!simulated && backend != std::optional<std::string>(kNoDevicesBackend)) return std::nullopt;
  const std::string advice =
      simulated ? "mousectl uses the simulated mouse, which needs no access. Unset "
                  "MOUSECFG_BACKEND to check the real mouse."
                : "mousectl looks for no mouse at all. Unset MOUSECFG_BACKEND to check the "
                  "real mouse.";
  if (json)
    printJson(context.out, {{"backend", *backend},
                            {"problem", simulated ? "none" : "no-devices-backend"},
                            {"what_to_do", advice}});
  else
    context.out << "MOUSECFG_BACKEND=" << *backend << ": " << advice << '\n';
  return simulated ? kExitOk : kExitNoDevice;
}

}  // namespace

CommandRun defineDoctor(CLI::App& command, const CommonOptions& common) {
  command.footer("Checks, in order, whether the mouse (" + std::string(kIds) +
                 ") is on the USB bus, whether you may open\n"
                 "its hidraw nodes and whether the udev rule that grants them is installed, "
                 "and\nsays what to do. Exit status 0 when the mouse can be used, 3 when not.");
  return [&common](const CliContext& context) {
    if (const std::optional<int> status = explainChosenBackend(context, common.json))
      return *status;
    const AccessReport report =
        checkDeviceAccess(image::kDefaultVendorId, image::kDefaultProductId);
    const AccessAdvice advice = adviseOnAccess(report);
    if (common.json)
      printJson(context.out, accessJson(report));
    else
      context.out << "Access to the gaming mouse " << kIds << ":\n" << advice.text;
    return advice.status;
  };
}

}  // namespace mousecfg
