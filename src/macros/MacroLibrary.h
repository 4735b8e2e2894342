#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/MacroName.h"

namespace mousecfg {

// The PC macro library: 100 fixed slots of a name and a macro body. Used slots are
// always 0..n-1; list position i is slot i. Its file, and the single- and whole-library
// macro files, are the records one after another, a record being the 16 name bytes and
// the 256 body bytes.
namespace macro_library {

inline constexpr size_t kSlotCount = 100;
inline constexpr size_t kBodyLength = 256;
inline constexpr size_t kRecordLength = macro::kNameLength + kBodyLength;  // 272
inline constexpr size_t kLibraryLength = kSlotCount * kRecordLength;       // 27200
// The built-in empty library is all zero but for this one byte (body byte 241 of slot 98).
inline constexpr size_t kDefaultMarkOffset = 26913;
inline constexpr uint8_t kDefaultMark = 0xFF;
// Import One takes a macro only while fewer than this many are kept.
inline constexpr size_t kImportOneLimit = 99;

}  // namespace macro_library

using MacroBody = std::array<uint8_t, macro_library::kBodyLength>;
using LibraryImage = std::array<uint8_t, macro_library::kLibraryLength>;

struct LibrarySlot {
  macro::MacroNameBytes name{};
  MacroBody body{};

  // In use when either of the name's first two bytes is non-zero.
  bool used() const { return name[0] != 0 || name[1] != 0; }
  // Body bytes up to and including the end byte, by the event lengths; 0 when the
  // body holds no complete macro.
  size_t length() const;
};

enum class LibraryChange {
  Done,
  Duplicate,    // "This macro already exists": nothing changed
  Full,         // no free slot: nothing changed
  NoSuchEntry,  // the list position holds no macro
  Unnamed,      // a macro file whose name is empty: nothing imported
  Unreadable,   // the macro file could not be read: nothing imported
};

class MacroLibrary {
 public:
  MacroLibrary();

  // The built-in empty library (resource PCMacroData).
  static LibraryImage builtInDefault();

  const LibrarySlot& slot(size_t k) const { return slots_.at(k); }
  size_t macroCount() const;
  bool full() const { return macroCount() == macro_library::kSlotCount; }
  // The names of the used slots, in slot order (the library list).
  std::vector<std::string> names() const;
  std::optional<size_t> find(const macro::MacroNameBytes& name) const;

  // "New Macro": the name goes to the next free slot with an empty body.
  LibraryChange newMacro(std::string_view name);
  LibraryChange rename(size_t position, std::string_view name);
  // "Delect Macro": later slots move down by one, the last slot is zeroed.
  LibraryChange deleteMacro(size_t position);
  // Stores a typed name into slot k, zero filled first.
  void MacroNameStrToUnicode(size_t k, std::string_view name);
  void setBody(size_t k, std::span<const uint8_t> body);

  // The slots as the library file holds them ("Export All") and one record ("Export One").
  LibraryImage image() const;
  std::array<uint8_t, macro_library::kRecordLength> record(size_t position) const;
  // Fills the slots from a library file's bytes; records beyond a short file's end
  // keep their slots ("Import All", and loading the library file). Used slots are
  // moved up over unused ones, in their order, so that the list has no gaps.
  void loadImage(std::span<const uint8_t> bytes);
  // "Import One": a single-macro file's bytes into the next free slot; a short file
  // fills only the leading part of the record. Refused with 99 or more macros kept, or
  // when a kept macro has the same name bytes.
  LibraryChange importOne(std::span<const uint8_t> bytes);

 private:
  bool nameTaken(std::string_view name) const;

  std::array<LibrarySlot, macro_library::kSlotCount> slots_{};
};

}  // namespace mousecfg
