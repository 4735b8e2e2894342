#include "settings/FireMacroNaming.h"

#include <filesystem>
#include <fstream>

namespace mousecfg {

using namespace fire_macro;

namespace {

bool occupied(const ButtonEntry& code) {
  return code != entry::kKeyOff;
}

}  // namespace

std::vector<std::string> FireMacroCodeSet::listNames() const {
  std::vector<std::string> names;
  for (size_t slot = 0; slot < codes.size(); ++slot)
    if (occupied(codes[slot])) names.push_back(fireMacroName(static_cast<int>(slot + 1)));
  return names;
}

std::optional<int> FireMacroCodeSet::slotOf(const ButtonEntry& entry) const {
  for (size_t slot = 0; slot < codes.size(); ++slot) {
    const ButtonEntry& code = codes[slot];
    if (occupied(code) && code[0] == entry[0] && code[1] == entry[1] && code[2] == entry[2])
      return static_cast<int>(slot + 1);
  }
  return std::nullopt;
}

std::optional<int> FireMacroCodeSet::slotAtListPosition(size_t position) const {
  size_t seen = 0;
  for (size_t slot = 0; slot < codes.size(); ++slot) {
    if (!occupied(codes[slot])) continue;
    if (seen++ == position) return static_cast<int>(slot + 1);
  }
  return std::nullopt;
}

std::string fireMacroName(int slot) {
  return kNamePrefix + std::to_string(slot);
}

FireMacroCodeSet readFireMacroCodeSet(const std::string& path) {
  FireMacroCodeSet set;
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return set;
  set.present = true;
  std::ifstream in(path, std::ios::binary);
  std::array<char, kCodeCount * image::kEntryLength> bytes{};
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  for (size_t i = 0; i < bytes.size(); ++i)
    set.codes[i / image::kEntryLength][i % image::kEntryLength] = static_cast<uint8_t>(bytes[i]);
  return set;
}

}  // namespace mousecfg
