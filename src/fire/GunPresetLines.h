#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "fire/GunPresets.h"
#include "macros/EventLines.h"

namespace mousecfg {

// A gun preset's record as the macro editor's event lines, and back. A preset knows
// six events: left press and release ("1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"),
// pointer movement, delay, and the start (with its repeat byte, 0..255) and end of the
// repeated block.

// The record's events as lines under the header "00", up to its used length; a record
// whose used length is 1 or less shows no lines at all. A byte that is no preset event
// is stepped over.
EventLines decodeGunRecord(std::span<const uint8_t, gun::kRecordLength> record);

// A repeat start line with the repeat byte as two hex digits ("7 FD03").
std::string repeatStartLine(int count);
std::string repeatEndLine();

// The event bytes of one line (from line 1 on); empty for a line that gives none.
std::vector<uint8_t> gunLineBytes(const std::string& line);

// The lines as the event bytes of a record. Lines are taken while their bytes fit in
// the record's 23 event bytes; `linesTaken` counts the event lines taken (line 0, the
// header, is never counted) and `complete` says whether every line fitted.
struct CompiledGunLines {
  std::vector<uint8_t> events;
  size_t linesTaken = 0;
  bool complete = true;
};
CompiledGunLines compileGunLines(const EventLines& lines);

// The record made of those events: zeroed, the events from its first byte, and the end
// byte after them.
void storeGunEvents(std::span<uint8_t, gun::kRecordLength> record, std::span<const uint8_t> events);

}  // namespace mousecfg
