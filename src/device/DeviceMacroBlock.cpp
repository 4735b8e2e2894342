#include "device/DeviceMacroBlock.h"

#include <algorithm>

#include "device/MacroEvent.h"

namespace mousecfg {

using namespace macro_block;

namespace {

bool endsList(uint8_t first, uint8_t second) {
  return (first == 0x00 && second == 0x00) || first == kErasedByte || second == kErasedByte;
}

}  // namespace

MacroButtonEntry macroButtonEntry(uint16_t startAddress) {
  return {kButtonCategoryMacro, static_cast<uint8_t>(startAddress >> 8),
          static_cast<uint8_t>(startAddress & 0xFF), 0x00};
}

DeviceMacroBlock::DeviceMacroBlock() {
  slots_[0].startAddress = kEventStartBase;
}

void DeviceMacroBlock::loadFromImage(std::span<const uint8_t, image::kImageLength> image) {
  std::copy_n(image.begin() + image::kMacroBlockOffset, kBlockLength, block_.begin());
}

void DeviceMacroBlock::storeIntoImage(std::span<uint8_t, image::kImageLength> image) const {
  std::copy(block_.begin(), block_.end(), image.begin() + image::kMacroBlockOffset);
}

std::optional<size_t> DeviceMacroBlock::recordLengthAt(size_t position) const {
  // The name and at least the end byte must fit into the area.
  if (position + kNameLength >= kRecordAreaLength) return std::nullopt;
  if (endsList(block_[position], block_[position + 1])) return std::nullopt;
  const size_t eventsStart = position + kNameLength;
  const size_t limit = std::min(kMaxEventsLength, kRecordAreaLength - eventsStart);
  const std::optional<size_t> eventsLength =
      macro::scanEventsLength(std::span(block_).subspan(eventsStart, limit));
  if (!eventsLength) return std::nullopt;
  return kNameLength + *eventsLength;
}

void DeviceMacroBlock::ReadAndRefreshMacroBlock() {
  slots_ = {};
  slots_[0].startAddress = kEventStartBase;
  size_t position = 0;
  for (MacroSlot& slot : slots_) {
    const std::optional<size_t> length = recordLengthAt(position);
    if (!length) break;
    const auto record = block_.begin() + position;
    std::copy_n(record, kNameLength, slot.name.begin());
    std::copy_n(record + kNameLength, *length - kNameLength, slot.events.begin());
    slot.length = static_cast<uint16_t>(*length);
    slot.startAddress = static_cast<uint16_t>(kEventStartBase + position);
    position += *length;
  }
  CheckMacroBlockLength();
}

bool DeviceMacroBlock::PackMacroBlock() {
  CheckMacroBlockLength();
  if (totalLength_ > kRecordAreaLength) return false;
  std::fill_n(block_.begin(), kRecordAreaLength, uint8_t{0});
  auto out = block_.begin();
  for (const MacroSlot& slot : slots_) {
    if (!slot.used()) continue;
    out = std::copy(slot.name.begin(), slot.name.end(), out);
    out = std::copy_n(slot.events.begin(), slot.length - kNameLength, out);
  }
  recomputeStartAddresses();
  return true;
}

void DeviceMacroBlock::recomputeStartAddresses() {
  size_t position = 0;
  for (MacroSlot& slot : slots_) {
    slot.startAddress = slot.used() ? static_cast<uint16_t>(kEventStartBase + position) : 0;
    position += slot.length;
  }
  if (!slots_[0].used()) slots_[0].startAddress = kEventStartBase;
}

void DeviceMacroBlock::CheckMacroBlockLength() {
  totalLength_ = 0;
  for (const MacroSlot& slot : slots_) totalLength_ += slot.length;
}

bool DeviceMacroBlock::setSlot(size_t k, std::span<const uint8_t, kNameLength> name,
                               std::span<const uint8_t> events) {
  if (k >= kMaxMacros) return false;
  const std::optional<size_t> eventsLength =
      macro::scanEventsLength(events.first(std::min(events.size(), kMaxEventsLength)));
  if (!eventsLength) return false;
  MacroSlot& slot = slots_[k];
  std::copy(name.begin(), name.end(), slot.name.begin());
  slot.events.fill(0);
  std::copy_n(events.begin(), *eventsLength, slot.events.begin());
  slot.length = static_cast<uint16_t>(kNameLength + *eventsLength);
  return true;
}

void DeviceMacroBlock::clearSlot(size_t k) {
  if (k >= kMaxMacros) return;
  MacroSlot& slot = slots_[k];
  slot.name.fill(0);
  slot.events.fill(0);
  slot.length = 0;
  if (k != 0) slot.startAddress = 0;
}

size_t DeviceMacroBlock::macroCount() const {
  return static_cast<size_t>(
      std::count_if(slots_.begin(), slots_.end(), [](const MacroSlot& s) { return s.used(); }));
}

std::vector<std::string> DeviceMacroBlock::names() const {
  std::vector<std::string> list;
  for (const MacroSlot& slot : slots_) {
    if (slot.used()) list.push_back(macro::decodeMacroName(slot.name));
  }
  return list;
}

std::optional<MacroButtonEntry> DeviceMacroBlock::buttonEntry(size_t k) const {
  if (k >= kMaxMacros || !slots_[k].used()) return std::nullopt;
  return macroButtonEntry(slots_[k].startAddress);
}

}  // namespace mousecfg
