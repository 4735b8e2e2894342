#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "settings/ButtonEntry.h"

namespace mousecfg {

// The fire macro codes of the file "Fire Macro.bin" in the program folder: ten
// 4-byte gun entries, slot 1 first. While the file existed at start-up, gun entries
// are named "Fire Macro" + the slot of the code they equal.
namespace fire_macro {

inline constexpr size_t kCodeCount = 10;
inline constexpr const char* kFileName = "Fire Macro.bin";
inline constexpr const char* kNamePrefix = "Fire Macro";

}  // namespace fire_macro

struct FireMacroCodeSet {
  // The file existed at start-up; only then do the codes name gun entries.
  bool present = false;
  std::array<ButtonEntry, fire_macro::kCodeCount> codes{};

  // "Fire Macro" + slot for every occupied slot, in slot order.
  std::vector<std::string> listNames() const;
  // The first slot (1..10) whose code has the entry's first three bytes.
  std::optional<int> slotOf(const ButtonEntry& entry) const;
  // The occupied slot shown at list position j (0-based); nullopt past the list.
  std::optional<int> slotAtListPosition(size_t position) const;
};

// "Fire Macro3" for slot 3.
std::string fireMacroName(int slot);

// Reads the file at path. A missing file gives an empty set that is not present; a
// short file fills as many bytes as it holds; bytes after the tenth code are ignored.
FireMacroCodeSet readFireMacroCodeSet(const std::string& path);

}  // namespace mousecfg
