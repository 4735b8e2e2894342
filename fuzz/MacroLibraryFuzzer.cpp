// The macro library file and the single-macro files a user imports, taken as they come:
// any size, any bytes. The library must list its names in valid UTF-8 without gaps,
// read back from its own export unchanged, and an imported record must be stored byte
// for byte, or refused for a stated reason, without disturbing the macros kept.
#include <algorithm>
#include <cstdint>
#include <span>

#include "macros/MacroLibrary.h"
#include "support/PropertyCheck.h"
#include "support/Utf8.h"

namespace mousecfg {
namespace {

using fuzz::require;
using namespace macro_library;

void checkLibrary(std::span<const uint8_t> bytes) {
  MacroLibrary library;
  library.loadImage(bytes);
  const size_t count = library.macroCount();
  require(count <= kSlotCount, "at most 100 macros");
  for (size_t k = 0; k < kSlotCount; ++k)
    require(library.slot(k).used() == (k < count), "used slots come first, without gaps");
  for (const std::string& name : library.names())
    require(fuzz::isValidUtf8(name), "names are valid UTF-8");
  MacroLibrary again;
  again.loadImage(library.image());
  require(again.image() == library.image(), "an exported library reads back unchanged");
  for (size_t k = 0; k < count; ++k)
    require(library.slot(k).length() <= kBodyLength, "a length lies within the body");
}

void checkImportOne(std::span<const uint8_t> bytes) {
  MacroLibrary library;
  (void)library.newMacro("Kept");
  const auto kept = library.record(0);
  const LibraryChange change = library.importOne(bytes);
  require(library.record(0) == kept, "the kept macro is untouched");
  if (change != LibraryChange::Done) {
    require(library.macroCount() == 1, "a refused import adds nothing");
    return;
  }
  require(library.macroCount() == 2, "an import adds one macro");
  const auto stored = library.record(1);
  const size_t given = std::min(bytes.size(), kRecordLength);
  require(
      std::equal(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(given), stored.begin()),
      "the record is stored byte for byte");
  require(std::all_of(stored.begin() + static_cast<std::ptrdiff_t>(given), stored.end(),
                      [](uint8_t b) { return b == 0; }),
          "past a short file's end the record is zero");
}

}  // namespace
}  // namespace mousecfg

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  mousecfg::checkLibrary(bytes);
  mousecfg::checkImportOne(bytes);
  return 0;
}
