#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "device/ImageMap.h"

namespace mousecfg {

// A button's function as the mouse stores it: the function category first, then three
// parameter bytes. Two-byte numbers inside an entry are big-endian.
using ButtonEntry = std::array<uint8_t, image::kEntryLength>;

namespace entry {

// Function categories (byte 0).
inline constexpr uint8_t kCategoryKeyOff = 0x00;
inline constexpr uint8_t kCategoryMouseButton = 0x01;
inline constexpr uint8_t kCategoryKeyboard = 0x02;
inline constexpr uint8_t kCategoryConsumer = 0x03;
inline constexpr uint8_t kCategoryPower = 0x04;
inline constexpr uint8_t kCategoryAim = 0x05;
inline constexpr uint8_t kCategoryFireKey = 0x06;
inline constexpr uint8_t kCategoryProfileSwitch = 0x07;
inline constexpr uint8_t kCategoryLighting = 0x08;
inline constexpr uint8_t kCategoryDpi = 0x09;
inline constexpr uint8_t kCategoryAdjustXy = 0x0A;
inline constexpr uint8_t kCategoryGunPreset = 0x0B;
inline constexpr uint8_t kCategoryReportRate = 0x0C;
inline constexpr uint8_t kCategoryLedMode = 0x0E;
inline constexpr uint8_t kCategoryMacro = 0x10;

// Mouse button bits (byte 1 of category 0x01).
inline constexpr uint8_t kLeftButton = 0x01;
inline constexpr uint8_t kRightButton = 0x02;
inline constexpr uint8_t kMiddleButton = 0x04;
inline constexpr uint8_t kBackwardButton = 0x08;
inline constexpr uint8_t kForwardButton = 0x10;

// Modifier bits (byte 1 of category 0x02).
inline constexpr uint8_t kModifierCtrl = 0x01;
inline constexpr uint8_t kModifierShift = 0x02;
inline constexpr uint8_t kModifierAlt = 0x04;
inline constexpr uint8_t kModifierWin = 0x08;

// Power control (byte 1 of category 0x04).
inline constexpr uint8_t kPowerDown = 0x01;
inline constexpr uint8_t kSleep = 0x02;
inline constexpr uint8_t kWakeUp = 0x03;

// Lighting switch (byte 1 of category 0x08).
inline constexpr uint8_t kLedOnOff = 0x00;
inline constexpr uint8_t kButtonEffectSwitch = 0x01;

// DPI switch (byte 1 of category 0x09).
inline constexpr uint8_t kDpiLoop = 0x00;
inline constexpr uint8_t kDpiUp = 0x01;
inline constexpr uint8_t kDpiDown = 0x02;

// XY adjustment (byte 1 of category 0x0A).
inline constexpr uint8_t kAdjustXyFn = 0x00;
inline constexpr uint8_t kAdjustXySwitch = 0x01;

// Fire key (byte 1 of category 0x06): 0x10 + count - 1, plus 0x80 when continuous.
inline constexpr uint8_t kFireCountBase = 0x10;
inline constexpr uint8_t kFireCountMask = 0x0F;
inline constexpr uint8_t kFireContinuous = 0x80;
inline constexpr int kMinFireCount = 1;
inline constexpr int kMaxFireCount = 15;

// Gun preset (category 0x0B): byte 1 is the keep-left flag + gun - 1, byte 2 the gun's
// stage count, byte 3 its combo-enable value.
inline constexpr uint8_t kGunKeepLeft = 0x10;
inline constexpr int kGunCount = 7;

// The byte that holds a combo-enable value, in mouse-button, DPI and gun entries.
inline constexpr size_t kComboEnableByte = 3;

// Entries with a fixed meaning.
inline constexpr ButtonEntry kKeyOff{0x00, 0x00, 0x00, 0x00};
inline constexpr ButtonEntry kLeftKey{0x01, 0x01, 0x00, 0x00};
inline constexpr ButtonEntry kRightKey{0x01, 0x02, 0x00, 0x00};
inline constexpr ButtonEntry kFireMacroKey{0x10, 0x01, 0x30, 0xFF};
// Two more entries the mouse treats as the fire macro key.
inline constexpr ButtonEntry kFireMacroKeyAlternative1{0x10, 0x07, 0x10, 0xFF};
inline constexpr ButtonEntry kFireMacroKeyAlternative2{0x10, 0x70, 0x00, 0xFF};
inline constexpr ButtonEntry kFireMacroOff{0x0B, 0x8F, 0x00, 0x00};
inline constexpr ButtonEntry kReportRateCycle{0x0C, 0x00, 0x00, 0x00};
inline constexpr ButtonEntry kLedModeCycle{0x0E, 0x00, 0x00, 0x00};
inline constexpr ButtonEntry kKbSwitchLoop{0x07, 0x00, 0x00, 0x00};
// Win + D: shown as "Desktop", not as a key combination.
inline constexpr ButtonEntry kDesktop{0x02, 0x08, 0x07, 0x00};

}  // namespace entry

ButtonEntry mouseButtonEntry(uint8_t buttonBit, uint8_t comboEnable);
ButtonEntry keyboardEntry(uint8_t modifiers, uint8_t firstKey, uint8_t secondKey);
ButtonEntry consumerEntry(uint16_t usage);
ButtonEntry powerEntry(uint8_t action);
// stepIndex is the AIM DPI step, 0-based.
ButtonEntry aimEntry(int stepIndex);
// count 1..15 and interval 0..65535 ms; values outside are clamped.
ButtonEntry fireKeyEntry(int count, int intervalMs, bool continuous);
// Gun 1..7 (clamped), the keep-left option, its stage count and combo-enable byte.
ButtonEntry gunPresetEntry(int gun, bool keepLeft, int stageCount, uint8_t comboEnable);
// What a fire-key entry holds: the count (1..16), the interval in ms and the flag.
int fireKeyCountOf(const ButtonEntry& entry);
int fireKeyIntervalOf(const ButtonEntry& entry);
bool fireKeyContinuousOf(const ButtonEntry& entry);
ButtonEntry lightingEntry(uint8_t action);
ButtonEntry dpiEntry(uint8_t action, uint8_t comboEnable);
ButtonEntry adjustXyEntry(uint8_t action);
ButtonEntry macroEntry(uint16_t macroIdentifier);

// The entry of an 8-digit hexadecimal code string (either case); nullopt for any
// other text.
std::optional<ButtonEntry> entryOfCode(std::string_view code);
// The code string of an entry: 8 upper-case hexadecimal digits, byte 0 first.
std::string codeOfEntry(const ButtonEntry& entry);

bool isFireMacroKey(const ButtonEntry& entry);

}  // namespace mousecfg
