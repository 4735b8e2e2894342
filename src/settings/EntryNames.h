#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/ButtonEntry.h"
#include "settings/EntryParameters.h"
#include "settings/FireMacroNaming.h"

namespace mousecfg {

class LanguageTables;
class DeviceMacroBlock;

// What naming an entry needs besides the entry: the language in use, the fire keys'
// counts and intervals, the fire macro codes and the device macros.
struct NamingContext {
  const LanguageTables& languages;
  const FireKeySettings& fireKeys;
  const FireMacroCodeSet& fireMacros;
  const DeviceMacroBlock& macros;
  // Device macros are named only for the interface types that store them.
  bool macrosAvailable = false;
};

// The display name of an entry and what naming it revealed on the way.
struct EntryName {
  std::string text;  // empty when no rule knows the entry
  // A fire-key entry that matched fire key 1..3, with the Continuous bit it carries.
  std::optional<int> fireKey;
  bool fireKeyContinuous = false;
  // A profile-switch entry for target 0..2, with its byte 2 (colour code and offset).
  std::optional<int> profileTarget;
  uint8_t profileColourByte = 0;
};

// Names the entry of a code string by the first matching rule: fixed entries, then
// categories; an unreadable code string gets no name.
EntryName DecodeEntryName(std::string_view code, const NamingContext& context);
EntryName DecodeEntryName(const ButtonEntry& entry, const NamingContext& context);

// The gun number (1..7) of a gun preset entry: 0B, keep-left 0x10 + gun - 1 and a stage
// count the gun has (guns 1..5: 1; gun 6: 1..2; gun 7: 1..3).
std::optional<int> gunPresetOfEntry(const ButtonEntry& entry);
// Language key of gun k's name (langkey::caption::kGunName1 and the keys after it).
std::string gunNameKey(int gun);

// "Ctrl+Shift+A+B": the set modifiers, then the named keys, joined by "+"; empty when
// the entry has neither.
std::string keyboardEntryText(const ButtonEntry& entry);

}  // namespace mousecfg
