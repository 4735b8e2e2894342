#include "macros/MacroLibrary.h"

#include <algorithm>

#include "device/MacroEvent.h"

namespace mousecfg {

using namespace macro_library;

size_t LibrarySlot::length() const {
  return macro::scanEventsLength(body).value_or(0);
}

MacroLibrary::MacroLibrary() {
  loadImage(builtInDefault());
}

LibraryImage MacroLibrary::builtInDefault() {
  LibraryImage image{};
  image[kDefaultMarkOffset] = kDefaultMark;
  return image;
}

size_t MacroLibrary::macroCount() const {
  // Used slots come first; the first unused one ends the list.
  const auto firstFree = std::ranges::find_if(slots_, [](const auto& s) { return !s.used(); });
  return static_cast<size_t>(firstFree - slots_.begin());
}

std::vector<std::string> MacroLibrary::names() const {
  std::vector<std::string> list;
  for (size_t k = 0; k < macroCount(); ++k) list.push_back(macro::decodeMacroName(slots_[k].name));
  return list;
}

std::optional<size_t> MacroLibrary::find(const macro::MacroNameBytes& name) const {
  for (size_t k = 0; k < macroCount(); ++k)
    if (slots_[k].name == name) return k;
  return std::nullopt;
}

bool MacroLibrary::nameTaken(std::string_view name) const {
  const std::vector<std::string> list = names();
  return std::ranges::find(list, name) != list.end();
}

LibraryChange MacroLibrary::newMacro(std::string_view name) {
  if (full()) return LibraryChange::Full;
  if (nameTaken(name)) return LibraryChange::Duplicate;
  const size_t k = macroCount();
  slots_[k] = {};
  MacroNameStrToUnicode(k, name);
  return LibraryChange::Done;
}

LibraryChange MacroLibrary::rename(size_t position, std::string_view name) {
  if (position >= macroCount()) return LibraryChange::NoSuchEntry;
  // The entry's own name counts too: renaming a macro to its name changes nothing.
  if (nameTaken(name)) return LibraryChange::Duplicate;
  MacroNameStrToUnicode(position, name);
  return LibraryChange::Done;
}

LibraryChange MacroLibrary::deleteMacro(size_t position) {
  if (position >= macroCount()) return LibraryChange::NoSuchEntry;
  std::move(slots_.begin() + static_cast<std::ptrdiff_t>(position) + 1, slots_.end(),
            slots_.begin() + static_cast<std::ptrdiff_t>(position));
  slots_.back() = {};
  return LibraryChange::Done;
}

void MacroLibrary::MacroNameStrToUnicode(size_t k, std::string_view name) {
  slots_.at(k).name = macro::encodeMacroName(name);
}

void MacroLibrary::setBody(size_t k, std::span<const uint8_t> body) {
  MacroBody& target = slots_.at(k).body;
  target = {};
  std::copy_n(body.begin(), std::min(body.size(), target.size()), target.begin());
}

LibraryImage MacroLibrary::image() const {
  LibraryImage bytes{};
  for (size_t k = 0; k < kSlotCount; ++k) {
    const auto record = this->record(k);
    std::ranges::copy(record, bytes.begin() + static_cast<std::ptrdiff_t>(k * kRecordLength));
  }
  return bytes;
}

std::array<uint8_t, kRecordLength> MacroLibrary::record(size_t position) const {
  std::array<uint8_t, kRecordLength> bytes{};
  const LibrarySlot& s = slots_.at(position);
  std::ranges::copy(s.name, bytes.begin());
  std::ranges::copy(s.body, bytes.begin() + macro::kNameLength);
  return bytes;
}

namespace {

// Copies what the bytes hold of one record into a slot; the rest of the slot stays.
void fillSlot(LibrarySlot& slot, std::span<const uint8_t> bytes) {
  const size_t nameBytes = std::min(bytes.size(), macro::kNameLength);
  std::copy_n(bytes.begin(), nameBytes, slot.name.begin());
  if (bytes.size() <= macro::kNameLength) return;
  const auto body = bytes.subspan(macro::kNameLength);
  std::copy_n(body.begin(), std::min(body.size(), kBodyLength), slot.body.begin());
}

}  // namespace

void MacroLibrary::loadImage(std::span<const uint8_t> bytes) {
  for (size_t k = 0; k < kSlotCount && k * kRecordLength < bytes.size(); ++k)
    fillSlot(slots_[k], bytes.subspan(k * kRecordLength,
                                      std::min(kRecordLength, bytes.size() - k * kRecordLength)));
  std::stable_partition(slots_.begin(), slots_.end(),
                        [](const LibrarySlot& s) { return s.used(); });
}

LibraryChange MacroLibrary::importOne(std::span<const uint8_t> bytes) {
  const size_t k = macroCount();
  if (k >= kImportOneLimit) return LibraryChange::Full;
  LibrarySlot imported;
  fillSlot(imported, bytes.first(std::min(bytes.size(), kRecordLength)));
  if (!imported.used()) return LibraryChange::Unnamed;
  if (find(imported.name)) return LibraryChange::Duplicate;
  slots_[k] = imported;
  return LibraryChange::Done;
}

}  // namespace mousecfg
