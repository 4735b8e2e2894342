#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/ImageMap.h"
#include "device/MacroName.h"

namespace mousecfg {

// Layout of the macro block: a record area of back-to-back macro records (16 name
// bytes, then events up to and including the end byte), zero filled after the last
// record, followed by bytes that belong to other owners and are carried unchanged.
namespace macro_block {

inline constexpr size_t kBlockLength = image::kMacroBlockLength;
inline constexpr size_t kRecordAreaLength = 512;
inline constexpr size_t kMaxMacros = 15;
inline constexpr size_t kNameLength = macro::kNameLength;
inline constexpr size_t kMaxEventsLength = 256;
inline constexpr size_t kEmptyRecordLength = kNameLength + 1;
// Device address of record 0's first event byte; a button refers to a macro by the
// address of its first event byte.
inline constexpr uint16_t kEventStartBase = 0x200;
inline constexpr uint8_t kErasedByte = 0xFF;
// Function category of a button entry that plays a device macro.
inline constexpr uint8_t kButtonCategoryMacro = 0x10;

static_assert(kEventStartBase == image::kMacroBlockOffset + kNameLength);
static_assert(kRecordAreaLength <= kBlockLength);

}  // namespace macro_block

using MacroBlockBuffer = std::array<uint8_t, macro_block::kBlockLength>;
using MacroButtonEntry = std::array<uint8_t, image::kEntryLength>;

// One record slot of the working model. A slot with length 0 is unused.
struct MacroSlot {
  std::array<uint8_t, macro_block::kNameLength> name{};
  std::array<uint8_t, macro_block::kMaxEventsLength> events{};
  uint16_t length = 0;  // name plus events including the end byte
  uint16_t startAddress = 0;

  bool used() const { return length != 0; }
  // The events with their end byte; empty for an unused slot.
  std::span<const uint8_t> eventBytes() const {
    const size_t count = length > macro_block::kNameLength ? length - macro_block::kNameLength : 0;
    return std::span(events).first(std::min(count, events.size()));
  }
};

// 0x10, start address high, start address low, 0x00.
MacroButtonEntry macroButtonEntry(uint16_t startAddress);

// The mouse's macro block and the list of device macros parsed from it. The buffer
// is the single truth: slot edits take effect in it only through PackMacroBlock, and
// the model is rebuilt from it by ReadAndRefreshMacroBlock.
class DeviceMacroBlock {
 public:
  DeviceMacroBlock();

  const MacroBlockBuffer& block() const { return block_; }
  MacroBlockBuffer& block() { return block_; }
  void loadFromImage(std::span<const uint8_t, image::kImageLength> image);
  void storeIntoImage(std::span<uint8_t, image::kImageLength> image) const;

  // Rebuilds the slots from the record area. A record that is not well formed (no
  // end byte within 256 event bytes or before the end of the area, an unknown event
  // code, an event cut off by the area's end, a name that does not fit) ends the
  // list like erased memory does.
  void ReadAndRefreshMacroBlock();
  // Writes the used slots back to back into the record area, zero fills the rest of
  // the area and recomputes the start addresses and the total length. Bytes after the
  // area are kept. Refuses (false, block unchanged) when the slots exceed the area.
  bool PackMacroBlock();
  void CheckMacroBlockLength();

  // Fills slot k from a name and an event stream whose first end byte lies within
  // 256 bytes; the length is the scanned one. False, slot unchanged, otherwise.
  bool setSlot(size_t k, std::span<const uint8_t, macro_block::kNameLength> name,
               std::span<const uint8_t> events);
  // Clears name, events and length; slot 0 keeps its start address.
  void clearSlot(size_t k);

  const MacroSlot& slot(size_t k) const { return slots_.at(k); }
  size_t totalLength() const { return totalLength_; }
  size_t macroCount() const;
  // Display names of the used slots, in slot order.
  std::vector<std::string> names() const;
  // The button entry that plays slot k; nullopt for an unused slot.
  std::optional<MacroButtonEntry> buttonEntry(size_t k) const;

 private:
  std::optional<size_t> recordLengthAt(size_t position) const;
  void recomputeStartAddresses();

  MacroBlockBuffer block_{};
  std::array<MacroSlot, macro_block::kMaxMacros> slots_{};
  size_t totalLength_ = 0;
};

}  // namespace mousecfg
