#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// The byte encoding of macro events, shared by device macros, the PC macro library,
// macro files and gun presets. An event's first byte is its code, and the code fixes
// the event's length.
namespace mousecfg::macro {

inline constexpr uint8_t kEventEnd = 0x00;
inline constexpr uint8_t kModifierPress = 0x81;    // operand: one HID modifier bit
inline constexpr uint8_t kModifierRelease = 0x01;  // operand: one HID modifier bit
inline constexpr uint8_t kKeyPress = 0x82;         // operand: HID keyboard usage
inline constexpr uint8_t kKeyRelease = 0x02;       // operand: HID keyboard usage
inline constexpr uint8_t kMove = 0x04;             // operands: X, Y as signed bytes
inline constexpr uint8_t kDelay = 0xFE;            // operands: milliseconds, high byte first
inline constexpr uint8_t kRepeatStart = 0xFD;      // operand: repeat mode
inline constexpr uint8_t kRepeatEnd = 0xFC;

// Mouse button events: kButtonPressBase or kButtonReleaseBase plus one button bit.
inline constexpr uint8_t kButtonPressBase = 0xA0;
inline constexpr uint8_t kButtonReleaseBase = 0x20;
inline constexpr uint8_t kButtonLeft = 0x01;
inline constexpr uint8_t kButtonRight = 0x02;
inline constexpr uint8_t kButtonMiddle = 0x04;
inline constexpr uint8_t kButtonForward = 0x08;
inline constexpr uint8_t kButtonBackward = 0x10;

inline constexpr uint8_t kLeftPress = kButtonPressBase | kButtonLeft;              // 0xA1
inline constexpr uint8_t kRightPress = kButtonPressBase | kButtonRight;            // 0xA2
inline constexpr uint8_t kMiddlePress = kButtonPressBase | kButtonMiddle;          // 0xA4
inline constexpr uint8_t kForwardPress = kButtonPressBase | kButtonForward;        // 0xA8
inline constexpr uint8_t kBackwardPress = kButtonPressBase | kButtonBackward;      // 0xB0
inline constexpr uint8_t kLeftRelease = kButtonReleaseBase | kButtonLeft;          // 0x21
inline constexpr uint8_t kRightRelease = kButtonReleaseBase | kButtonRight;        // 0x22
inline constexpr uint8_t kMiddleRelease = kButtonReleaseBase | kButtonMiddle;      // 0x24
inline constexpr uint8_t kForwardRelease = kButtonReleaseBase | kButtonForward;    // 0x28
inline constexpr uint8_t kBackwardRelease = kButtonReleaseBase | kButtonBackward;  // 0x30

// Operands of the modifier events: bits of the HID modifier byte.
inline constexpr uint8_t kModifierCtrl = 0x01;
inline constexpr uint8_t kModifierShift = 0x02;
inline constexpr uint8_t kModifierAlt = 0x04;
inline constexpr uint8_t kModifierLeftWindows = 0x08;
inline constexpr uint8_t kModifierRightWindows = 0x80;

// Operand of kRepeatStart. A count above kRepeatCountMax would read as kRepeatUntilAnyKey.
inline constexpr uint8_t kRepeatUntilMacroEnd = 0x80;
inline constexpr uint8_t kRepeatUntilAnyKey = 0x7F;
inline constexpr uint8_t kRepeatCountMin = 1;
inline constexpr uint8_t kRepeatCountMax = 126;

// Length in bytes of the event that starts with `code`; nullopt for a code outside
// the encoding. Every scanner stops at such a code.
std::optional<size_t> eventLength(uint8_t code);

// Walks the events at the start of `events` up to and including the end byte and
// returns that length. nullopt when the end byte is not met inside the span, when an
// unknown code is met, or when the last event is cut off by the span's end. Never
// reads outside the span, so the span is also the limit of the walk.
std::optional<size_t> scanEventsLength(std::span<const uint8_t> events);

}  // namespace mousecfg::macro
