#pragma once

#include <cstdint>
#include <string>

#include "device/CodeStrings.h"
#include "device/ConfigImage.h"
#include "settings/ButtonEntry.h"

namespace mousecfg {

// The two profile key tables (twelve entries each, then a checksum) and the nine
// combo-key entries of the vendor section, addressed the way the pages number them:
// profile 1 or 2, button 1..12, combo key 1..9.
namespace key_tables {

inline constexpr int kFirstProfile = 1;
inline constexpr int kLastProfile = 2;
inline constexpr int kButtonCount = static_cast<int>(image::kButtonCount);
inline constexpr int kComboKeyCount = static_cast<int>(image::kComboKeyCount);

bool isProfile(int profile);
bool isButton(int button);
bool isComboKey(int comboKey);

// Image offset of a profile entry (192 + 4(k - 1) or 241 + 4(k - 1)).
size_t profileEntryOffset(int profile, int button);
// Image offset of combo key n: 127 + 4(n - 1); also its direct-write address.
size_t comboKeyOffset(int comboKey);

}  // namespace key_tables

// Entry k of a profile's working copy. Arguments outside their range give Key Off.
ButtonEntry profileEntry(const ConfigImage& image, int profile, int button);
ButtonEntry comboKeyEntry(const ConfigImage& image, int comboKey);

// The code string kept for an entry; empty for arguments outside their range.
const std::string& profileCode(const CodeStrings& codes, int profile, int button);
const std::string& comboKeyCode(const CodeStrings& codes, int comboKey);

// Stores an entry in the working copy and its code string together, so the two never
// disagree. False, nothing changed, for arguments outside their range.
bool storeProfileEntry(ConfigImage& image, CodeStrings& codes, int profile, int button,
                       const ButtonEntry& entry);
bool storeComboKeyEntry(ConfigImage& image, CodeStrings& codes, int comboKey,
                        const ButtonEntry& entry);

}  // namespace mousecfg
