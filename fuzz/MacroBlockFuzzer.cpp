// The device macro block as the mouse hands it over. The parse must list well-formed
// records back to back inside the record area, stop only where the next record is not
// readable, name every macro in valid UTF-8, and come out the same every time. The
// block the program writes back, unchanged or after one macro was cleared or replaced,
// must read back as the macros it was packed from, at the addresses the buttons use.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "device/DeviceMacroBlock.h"
#include "device/MacroEvent.h"
#include "device/MacroName.h"
#include "support/PropertyCheck.h"
#include "support/Utf8.h"

namespace mousecfg {
namespace {

using namespace macro_block;
using fuzz::require;

struct Macro {
  std::array<uint8_t, kNameLength> name{};
  std::vector<uint8_t> events;
  uint16_t startAddress = 0;
  bool operator==(const Macro&) const = default;
};

// An unused slot gives a macro without events.
Macro macroOf(const MacroSlot& slot) {
  const size_t eventsLength = slot.used() ? slot.length - kNameLength : 0;
  const auto eventsEnd = slot.events.begin() + static_cast<std::ptrdiff_t>(eventsLength);
  return {slot.name, std::vector<uint8_t>(slot.events.begin(), eventsEnd), slot.startAddress};
}

std::vector<Macro> usedMacros(const DeviceMacroBlock& block) {
  std::vector<Macro> macros;
  for (size_t k = 0; k < kMaxMacros; ++k)
    if (block.slot(k).used()) macros.push_back(macroOf(block.slot(k)));
  return macros;
}

// The stored name bytes that the reader takes for empty or erased memory.
bool nameEndsList(std::span<const uint8_t> name) {
  return (name[0] == 0x00 && name[1] == 0x00) || name[0] == kErasedByte || name[1] == kErasedByte;
}

// Walks the events one code at a time: they must end in the end byte exactly at the
// record's last byte.
void checkEventWalk(const MacroSlot& slot) {
  const size_t eventsLength = slot.length - kNameLength;
  size_t at = 0;
  while (true) {
    require(at < eventsLength, "the events end inside the record");
    const uint8_t code = slot.events[at];
    if (code == macro::kEventEnd) break;
    const std::optional<size_t> length = macro::eventLength(code);
    require(length.has_value(), "every event code of a listed macro is known");
    at += *length;
  }
  require(at + 1 == eventsLength, "the record ends with its first end byte");
  require(std::all_of(slot.events.begin() + static_cast<std::ptrdiff_t>(eventsLength),
                      slot.events.end(), [](uint8_t b) { return b == 0; }),
          "a slot holds no events past its length");
}

// What the reader would make of the bytes at `position`: false when no record starts there.
bool recordReadableAt(const MacroBlockBuffer& block, size_t position) {
  if (position + kNameLength >= kRecordAreaLength) return false;
  if (nameEndsList(std::span(block).subspan(position, 2))) return false;
  const size_t eventsStart = position + kNameLength;
  const size_t limit = std::min(kMaxEventsLength, kRecordAreaLength - eventsStart);
  return macro::scanEventsLength(std::span(block).subspan(eventsStart, limit)).has_value();
}

void checkRecords(const DeviceMacroBlock& parsed) {
  const MacroBlockBuffer& block = parsed.block();
  size_t position = 0;
  size_t used = 0;
  for (size_t k = 0; k < kMaxMacros; ++k) {
    const MacroSlot& slot = parsed.slot(k);
    if (!slot.used()) {
      require(!parsed.buttonEntry(k), "an unused slot has no button entry");
      continue;
    }
    require(used == k, "the used slots come first");
    ++used;
    require(slot.length >= kEmptyRecordLength && slot.length <= kNameLength + kMaxEventsLength,
            "a record holds a name and 1..256 event bytes");
    require(position + slot.length <= kRecordAreaLength, "every macro lies inside the record area");
    require(slot.startAddress == kEventStartBase + position,
            "a macro starts right after the one before");
    require(std::equal(slot.name.begin(), slot.name.end(), block.begin() + position),
            "the name is the record's first 16 bytes");
    require(std::equal(slot.events.begin(), slot.events.begin() + (slot.length - kNameLength),
                       block.begin() + position + kNameLength),
            "the events are the record's bytes after the name");
    checkEventWalk(slot);
    require(parsed.buttonEntry(k) == macroButtonEntry(slot.startAddress),
            "a used slot's button entry names its start address");
    position += slot.length;
  }
  require(parsed.totalLength() == position, "the total length is the sum of the records");
  require(parsed.macroCount() == used, "the count is the number of used slots");
  if (used < kMaxMacros)
    require(!recordReadableAt(block, position), "the list ends only where no record is readable");
}

void checkNames(const DeviceMacroBlock& parsed) {
  const std::vector<std::string> names = parsed.names();
  require(names.size() == parsed.macroCount(), "one name per macro");
  for (size_t k = 0; k < names.size(); ++k) {
    require(fuzz::isValidUtf8(names[k]), "a macro name is valid UTF-8");
    require(!names[k].empty(), "a listed macro's name has a first character");
    require(names[k].find('\0') == std::string::npos, "a name stops before a zero unit");
    require(names[k] == macro::decodeMacroName(parsed.slot(k).name), "names() decodes the slots");
  }
}

DeviceMacroBlock parse(const MacroBlockBuffer& bytes) {
  DeviceMacroBlock block;
  block.block() = bytes;
  block.ReadAndRefreshMacroBlock();
  return block;
}

void checkDeterministic(const DeviceMacroBlock& parsed) {
  const DeviceMacroBlock again = parse(parsed.block());
  require(usedMacros(again) == usedMacros(parsed), "the same block parses to the same macros");
  require(again.totalLength() == parsed.totalLength(), "the same block has the same length");
  DeviceMacroBlock twice = again;
  twice.ReadAndRefreshMacroBlock();
  require(usedMacros(twice) == usedMacros(parsed), "a second parse in place changes nothing");
}

// Packs the model and reads the packed block back: the macros the model holds must come
// back in slot order, at the start addresses the pack gave them, up to a name the
// reader takes for the end of the list.
void checkPackReadsBack(DeviceMacroBlock model) {
  const MacroBlockBuffer before = model.block();
  model.CheckMacroBlockLength();
  if (model.totalLength() > kRecordAreaLength) {
    require(!model.PackMacroBlock(), "macros that exceed the area are refused");
    require(model.block() == before, "a refused pack leaves the block alone");
    return;
  }
  require(model.PackMacroBlock(), "macros that fit the area are packed");
  const MacroBlockBuffer& packed = model.block();
  require(std::equal(packed.begin() + kRecordAreaLength, packed.end(),
                     before.begin() + kRecordAreaLength),
          "bytes after the record area are carried unchanged");
  require(std::all_of(packed.begin() + static_cast<std::ptrdiff_t>(model.totalLength()),
                      packed.begin() + kRecordAreaLength, [](uint8_t b) { return b == 0; }),
          "the area after the last record is zero filled");

  std::vector<Macro> expected = usedMacros(model);
  const auto unreadable = std::find_if(expected.begin(), expected.end(),
                                       [](const Macro& m) { return nameEndsList(m.name); });
  expected.erase(unreadable, expected.end());
  require(usedMacros(parse(packed)) == expected, "the packed block reads back as the model");
}

void checkUnchangedPack(const DeviceMacroBlock& parsed) {
  DeviceMacroBlock model = parsed;
  require(model.PackMacroBlock(), "a parsed block always fits its area");
  require(std::equal(model.block().begin(), model.block().begin() + parsed.totalLength(),
                     parsed.block().begin()),
          "packing the parsed macros writes their records as they were");
  require(usedMacros(model) == usedMacros(parsed), "packing moves no parsed macro");
  checkPackReadsBack(parsed);
}

void checkEdit(const DeviceMacroBlock& parsed, FuzzedDataProvider& input) {
  DeviceMacroBlock model = parsed;
  const size_t k = input.ConsumeIntegralInRange<size_t>(0, kMaxMacros - 1);
  if (input.ConsumeBool()) {
    model.clearSlot(k);
    require(!model.slot(k).used(), "a cleared slot is unused");
  } else {
    std::array<uint8_t, kNameLength> name{};
    const std::vector<uint8_t> nameBytes = input.ConsumeBytes<uint8_t>(kNameLength);
    std::copy(nameBytes.begin(), nameBytes.end(), name.begin());
    const std::vector<uint8_t> events = input.ConsumeRemainingBytes<uint8_t>();
    const MacroSlot before = model.slot(k);
    if (model.setSlot(k, name, events)) {
      const Macro stored = macroOf(model.slot(k));
      require(stored.name == name, "a set slot keeps its name");
      require(stored.events.size() <= events.size() &&
                  std::equal(stored.events.begin(), stored.events.end(), events.begin()),
              "a set slot keeps the events up to the end byte");
      checkEventWalk(model.slot(k));
    } else {
      require(macroOf(model.slot(k)) == macroOf(before), "a refused slot is unchanged");
    }
  }
  checkPackReadsBack(model);
}

}  // namespace
}  // namespace mousecfg

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mousecfg;
  FuzzedDataProvider input(data, size);
  MacroBlockBuffer bytes{};
  const std::vector<uint8_t> blockBytes = input.ConsumeBytes<uint8_t>(bytes.size());
  std::copy(blockBytes.begin(), blockBytes.end(), bytes.begin());

  const DeviceMacroBlock parsed = parse(bytes);
  checkRecords(parsed);
  checkNames(parsed);
  checkDeterministic(parsed);
  checkUnchangedPack(parsed);
  checkEdit(parsed, input);
  return 0;
}
