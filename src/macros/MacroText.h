#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "device/ImageMap.h"

namespace mousecfg {

// A macro as text a person can write and read, one event a line:
//
//   # the jump macro
//   repeat 3 {
//     press "Space bar"
//     delay 30
//     release "Space bar"
//     click left
//     move -5 10
//   }
//
// Events: press KEY, release KEY (KEY as the recorder names keys, in double quotes when
// it holds a blank, or a HID usage as 0x2C; Ctrl, Shift, Alt, "Left Windows" and "Right
// Windows" are the modifiers), down BUTTON, up BUTTON, click BUTTON (a press and a
// release; left, right, middle, forward, backward), delay MS (0..65535), move X Y
// (-128..127 each). One optional block may hold all events: repeat N { } (1..126),
// repeat until-end { }, repeat until-any-key { }, repeat until-released { } (the same as
// no block). "#" starts a comment.
struct [[nodiscard]] MacroTextParse {
  bool ok = false;
  std::vector<uint8_t> bytes;  // the events and the end byte (a gun preset: its 24 bytes)
  std::string error;           // "line 3, column 9: ..."
};

// Parses strictly: any mistake is an error with its line and column, and nothing else.
// The bytes must fit a macro body (256 bytes with the end byte).
MacroTextParse parseMacroText(std::string_view text);

struct [[nodiscard]] MacroTextWrite {
  bool ok = false;
  std::string text;
  std::string error;  // why the bytes have no text form
};

// The events up to the end byte as text that parses back to the same bytes. Bytes the
// editor would not produce (a repeat block that does not hold every event, an unknown
// code, no end byte) have no text form.
MacroTextWrite writeMacroText(std::span<const uint8_t> events, std::string_view title = {});

// A gun preset's 24-byte record in the same text, with the differences of gun presets:
//
//   down left
//   delay 6
//   repeat 0 {
//     move 0 7
//     delay 20
//   }
//   up left
//   delay 6
//
// The repeat block may stand anywhere among the events, and its count is the plain
// repeat byte, 0..255 (no until-* forms). The events may take 23 bytes: the record's
// last byte stays the end byte, and the bytes after the end are zero.
MacroTextParse parseGunPresetText(std::string_view text);

// The record as text that parses back to the same 24 bytes. A record with an unknown
// code, with no end byte in its first 24, or with bytes other than zero after its end
// byte has no text form.
MacroTextWrite writeGunPresetText(std::span<const uint8_t, image::kGunRecordLength> record,
                                  std::string_view title = {});

}  // namespace mousecfg
