#include "cli/ButtonRows.h"

#include <iomanip>
#include <ostream>

#include "settings/ButtonAssignment.h"

namespace mousecfg {

void loadFireMacroCodes(ApplicationCore& core) {
  core.fireMacroScripts.loadAtStartup();
}

int connectForButtons(CliSession& session) {
  loadFireMacroCodes(session.core());
  return session.connect(true);
}

void printButtonRow(std::ostream& out, int number, const std::string& code,
                    const std::string& name) {
  out << std::setw(4) << number << "  " << code << "  " << name << '\n';
}

Json buttonRowJson(const char* numberKey, int number, const ButtonEntry& entry,
                   const std::string& code, const std::string& name) {
  return {{numberKey, number}, {"code", code}, {"bytes", byteArray(entry)}, {"name", name}};
}

}  // namespace mousecfg
