#include "cli/ButtonRows.h"

#include <filesystem>
#include <iomanip>
#include <ostream>

#include "settings/ButtonAssignment.h"
#include "settings/FireMacroNaming.h"

namespace mousecfg {

namespace {

std::string programFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : self.parent_path().string();
}

}  // namespace

void loadFireMacroCodes(ApplicationCore& core) {
  core.assignment.fireMacros = readFireMacroCodeSet(
      (std::filesystem::path(programFolder()) / fire_macro::kFileName).string());
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
