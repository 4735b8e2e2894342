#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace mousecfg {

// The seven lists of the engineer page's group "Combo Enable". Each chosen byte is
// byte 3 of the entries of its kind.
enum class ComboEnableList {
  Middle = 0,
  Back = 1,
  Forward = 2,
  Cpi = 3,      // DPI Loop entries
  CpiUp = 4,    // DPI + entries
  CpiDown = 5,  // DPI - entries
  Gun = 6,      // gun preset and fire macro entries
};

inline constexpr size_t kComboEnableListCount = 7;
// The items every list offers, in list order: "0x00", "0x01", "0x02", ... "0x80".
inline constexpr std::array<uint8_t, 9> kComboEnableValues{0x00, 0x01, 0x02, 0x04, 0x08,
                                                           0x10, 0x20, 0x40, 0x80};

// "0x20" for item 6; empty outside the list.
std::string comboEnableItemText(int item);
// The item that offers `value`; nullopt for a value no item offers.
std::optional<int> comboEnableItemOfValue(uint8_t value);

// The bytes chosen in the seven lists.
struct ComboEnableBytes {
  std::array<uint8_t, kComboEnableListCount> bytes{};

  uint8_t of(ComboEnableList list) const { return bytes[static_cast<size_t>(list)]; }
  void set(ComboEnableList list, uint8_t value) { bytes[static_cast<size_t>(list)] = value; }
};

}  // namespace mousecfg
