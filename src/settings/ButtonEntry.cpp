#include "settings/ButtonEntry.h"

#include <algorithm>

#include "device/CodeStrings.h"

namespace mousecfg {

using namespace entry;

namespace {

uint8_t high(uint16_t value) {
  return static_cast<uint8_t>(value >> 8);
}
uint8_t low(uint16_t value) {
  return static_cast<uint8_t>(value & 0xFF);
}

std::optional<uint8_t> hexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<uint8_t>(c - 'a' + 10);
  return std::nullopt;
}

}  // namespace

ButtonEntry mouseButtonEntry(uint8_t buttonBit, uint8_t comboEnable) {
  return {kCategoryMouseButton, buttonBit, 0x00, comboEnable};
}

ButtonEntry keyboardEntry(uint8_t modifiers, uint8_t firstKey, uint8_t secondKey) {
  return {kCategoryKeyboard, modifiers, firstKey, secondKey};
}

ButtonEntry consumerEntry(uint16_t usage) {
  return {kCategoryConsumer, high(usage), low(usage), 0x00};
}

ButtonEntry powerEntry(uint8_t action) {
  return {kCategoryPower, action, 0x00, 0x00};
}

ButtonEntry aimEntry(int stepIndex) {
  return {kCategoryAim, static_cast<uint8_t>(std::clamp(stepIndex, 0, 0xFF)), 0x00, 0x00};
}

ButtonEntry fireKeyEntry(int count, int intervalMs, bool continuous) {
  const int clampedCount = std::clamp(count, kMinFireCount, kMaxFireCount);
  const auto interval = static_cast<uint16_t>(std::clamp(intervalMs, 0, 0xFFFF));
  uint8_t countByte = static_cast<uint8_t>(kFireCountBase + clampedCount - 1);
  if (continuous) countByte |= kFireContinuous;
  return {kCategoryFireKey, countByte, high(interval), low(interval)};
}

ButtonEntry gunPresetEntry(int gun, bool keepLeft, int stageCount, uint8_t comboEnable) {
  uint8_t gunByte = static_cast<uint8_t>(std::clamp(gun, 1, kGunCount) - 1);
  if (keepLeft) gunByte |= kGunKeepLeft;
  return {kCategoryGunPreset, gunByte, static_cast<uint8_t>(std::clamp(stageCount, 1, 0xFF)),
          comboEnable};
}

int fireKeyCountOf(const ButtonEntry& entry) {
  return (entry[1] & kFireCountMask) + 1;
}

int fireKeyIntervalOf(const ButtonEntry& entry) {
  return entry[2] << 8 | entry[3];
}

bool fireKeyContinuousOf(const ButtonEntry& entry) {
  return (entry[1] & kFireContinuous) != 0;
}

ButtonEntry lightingEntry(uint8_t action) {
  return {kCategoryLighting, action, 0x00, 0x00};
}

ButtonEntry dpiEntry(uint8_t action, uint8_t comboEnable) {
  return {kCategoryDpi, action, 0x00, comboEnable};
}

ButtonEntry adjustXyEntry(uint8_t action) {
  return {kCategoryAdjustXy, action, 0x00, 0x00};
}

ButtonEntry macroEntry(uint16_t macroIdentifier) {
  return {kCategoryMacro, high(macroIdentifier), low(macroIdentifier), 0x00};
}

std::optional<ButtonEntry> entryOfCode(std::string_view code) {
  if (code.size() != 2 * image::kEntryLength) return std::nullopt;
  ButtonEntry entry{};
  for (size_t i = 0; i < entry.size(); ++i) {
    const std::optional<uint8_t> upper = hexDigit(code[2 * i]);
    const std::optional<uint8_t> lower = hexDigit(code[2 * i + 1]);
    if (!upper || !lower) return std::nullopt;
    entry[i] = static_cast<uint8_t>(*upper << 4 | *lower);
  }
  return entry;
}

std::string codeOfEntry(const ButtonEntry& entry) {
  return entryCode(entry);
}

bool isFireMacroKey(const ButtonEntry& entry) {
  return entry == kFireMacroKey || entry == kFireMacroKeyAlternative1 ||
         entry == kFireMacroKeyAlternative2;
}

}  // namespace mousecfg
