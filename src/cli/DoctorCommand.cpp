#include "cli/DoctorCommand.h"

#include <ostream>
#include <sstream>

#include "cli/Commands.h"
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

int runDoctor(const Arguments& args, const CliContext& context) {
  if (wantsHelp(args)) {
    context.out << "usage: mousectl doctor\n\nChecks, in order, whether the mouse (" << kIds
                << ") is on the USB bus, whether you may\nopen its hidraw nodes and whether "
                   "the udev rule that grants them is installed,\nand says what to do. Exit "
                   "status 0 when the mouse can be used, 3 when not.\n";
    return kExitOk;
  }
  if (!args.empty()) {
    context.err << "usage: mousectl doctor\n";
    return kExitUsage;
  }
  // A misspelt backend is a mistake here as everywhere; only the name is looked at.
  if (const auto problem = backendNameProblem(context.environment)) {
    context.err << "mousectl: " << *problem << '\n';
    return kExitUsage;
  }
  const std::optional<std::string> backend = context.environment(kBackendVariable);
  if (backend == std::optional<std::string>(kSimulatedBackend)) {
    context.out << "MOUSECFG_BACKEND=sim: mousectl uses the simulated mouse, which needs no\n"
                   "access. Unset MOUSECFG_BACKEND to check the real mouse.\n";
    return kExitOk;
  }
  if (backend == std::optional<std::string>(kNoDevicesBackend)) {
    context.out << "MOUSECFG_BACKEND=none: mousectl looks for no mouse at all. Unset\n"
                   "MOUSECFG_BACKEND to check the real mouse.\n";
    return kExitNoDevice;
  }
  const AccessAdvice advice =
      adviseOnAccess(checkDeviceAccess(image::kDefaultVendorId, image::kDefaultProductId));
  context.out << "Access to the gaming mouse " << kIds << ":\n" << advice.text;
  return advice.status;
}

}  // namespace mousecfg
