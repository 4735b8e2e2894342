#pragma once

#include <optional>
#include <string>

class QWidget;

namespace mousecfg {

// The small "Password" input dialog of the service access: one field that echoes
// dots, OK and Cancel. The text entered, or nullopt when cancelled.
std::optional<std::string> askServicePassword(QWidget* parent);

}  // namespace mousecfg
