#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace mousecfg {

// Where the system keeps what the access check looks at; tests point it at a tree of
// their own. `usable` tells whether this user may open a device node for reading and
// writing.
struct AccessPlaces {
  std::string sysfs = "/sys";
  std::string dev = "/dev";
  std::vector<std::string> ruleFolders = {"/etc/udev/rules.d", "/run/udev/rules.d",
                                          "/usr/local/lib/udev/rules.d", "/usr/lib/udev/rules.d",
                                          "/lib/udev/rules.d"};
  std::function<bool(const std::string& node)> usable;  // empty: access(2) with R_OK | W_OK
};

// One hidraw node of the mouse and whether this user may use it.
struct MouseNode {
  std::string path;  // "/dev/hidraw3"
  bool usable = false;
};

// What stands between the user and the mouse, in the order to look at it: whether the
// mouse is on the USB bus at all (told by its ids, which anyone may read), which
// hidraw nodes the kernel made for it and whether they can be opened, and where the
// udev rule that grants them is installed.
struct AccessReport {
  bool onBus = false;
  std::vector<MouseNode> nodes;
  std::optional<std::string> installedRule;  // the path of the rule file, when found

  bool nodesUsable() const;
};

// The first thing missing, in the order a user puts it right.
enum class AccessProblem {
  NotOnBus,       // not plugged in
  NoNodes,        // plugged in, but the kernel made no hidraw node (no hidraw driver)
  NoRule,         // nodes this user may not open, and the udev rule is not installed
  NotYetGranted,  // the rule is installed, but the nodes were made before it
  None,           // the mouse can be used
};

AccessProblem firstProblem(const AccessReport& report);

inline constexpr const char* kUdevRuleName = "70-mousecfg.rules";

AccessReport checkDeviceAccess(int vendorId, int productId, const AccessPlaces& places = {});

}  // namespace mousecfg
