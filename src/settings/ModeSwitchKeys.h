#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "settings/ButtonEntry.h"

namespace mousecfg {

struct FireMacroCodeSet;

// The buttons that can take part in switching the mouse between office and game mode,
// and the bytes that say how. The game-mode switch list offers them in this order as
// its items 1..6 (item 0 is "none").
namespace modeswitch {

enum class SwitchKey { Middle, DpiLoop, DpiPlus, DpiMinus, Backward, Forward };
inline constexpr size_t kSwitchKeyCount = 6;

// Items of the game-mode switch list.
inline constexpr int kNone = 0;
inline constexpr int kHoldMiddle = 1;
inline constexpr int kHoldDpiLoop = 2;
inline constexpr int kHoldDpiPlus = 3;
inline constexpr int kHoldDpiMinus = 4;
inline constexpr int kBackwardWithRight = 5;
inline constexpr int kForwardWithRight = 6;
inline constexpr int kLastItem = kForwardWithRight;

// Items of the LED-mode switch list.
inline constexpr int kLedGestureOff = 0;
inline constexpr int kLedGestureOn = 1;

// Byte 3 of a button entry (the combo-enable byte) says how the button takes part.
inline constexpr uint8_t kHoldToSwitch = 8;
inline constexpr uint8_t kWithRightButton = 2;
inline constexpr uint8_t kNoPart = 0;

// The combo-key entries the switch options rewrite (1-based numbers of the table).
inline constexpr int kLedGestureComboKey = 2;
inline constexpr int kGameSwitchComboKey = 4;
// Combo key 2 holds entry::kLedModeCycle while the right + back gesture cycles the LED mode.
// Combo key 4 while a game-mode switch is chosen: a profile switch to game mode,
// followed by the offset byte.
inline constexpr std::array<uint8_t, 3> kGameSwitchEntryHead{entry::kCategoryProfileSwitch, 0xD1,
                                                             0xF0};
inline constexpr uint8_t kDefaultOffset = 0x18;

// The switch key an entry's first two bytes name, if any.
std::optional<SwitchKey> switchKeyOf(const ButtonEntry& buttonEntry);
// The list item that makes `key` the switch key.
int itemOf(SwitchKey key);
// The combo-enable byte every button chosen by `item` carries: 8 for the hold
// gestures, 2 for the right-button combinations, 0 for none.
uint8_t comboEnableOfItem(int item);
// Byte 3 of a switch key's entries for the chosen item: the item's byte for the
// chosen key, 0 for the others.
uint8_t comboEnableOfKey(SwitchKey key, int item);

// A button named after a gun preset or a fire macro: while the fire macro codes are
// present an entry that starts like one of them, otherwise a gun preset entry.
bool isGunOrFireMacroEntry(const ButtonEntry& buttonEntry, const FireMacroCodeSet& fireMacros);

}  // namespace modeswitch
}  // namespace mousecfg
