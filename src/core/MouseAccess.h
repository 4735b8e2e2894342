#pragma once

#include <optional>
#include <string>

#include "base/Environment.h"

namespace mousecfg {

// The lock file of the mouse the environment selects, when other programs can reach the
// same mouse: a real mouse by its USB ids, the simulated mouse by the block file it
// shares between processes. A simulated mouse without a file lives only in this process
// and needs none.
std::optional<std::string> mouseLockPath(const EnvironmentLookup& environment, int vendorId,
                                         int productId);

}  // namespace mousecfg
