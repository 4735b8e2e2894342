// Button entries as a profile table or the combo keys hold them: any four bytes, named
// against fire keys, fire macro codes and device macros that come from the input too.
// Every entry must get its name without crashing, in valid UTF-8, the same from the
// entry as from its code string; what the naming reveals must fit the entry, and a
// device macro's entry must be named after that macro.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "base/LanguageTables.h"
#include "device/DeviceMacroBlock.h"
#include "device/MacroName.h"
#include "settings/EntryNames.h"
#include "support/PropertyCheck.h"
#include "support/Utf8.h"

namespace mousecfg {
namespace {

using fuzz::require;

// The built-in tables with language 1, 2 and 3 in use.
const std::array<LanguageTables, 3>& builtInLanguages() {
  static const std::array<LanguageTables, 3> kLanguages = [] {
    std::array<LanguageTables, 3> tables{LanguageTables::builtIn(), LanguageTables::builtIn(),
                                         LanguageTables::builtIn()};
    for (int language = 1; language <= 3; ++language)
      tables[static_cast<size_t>(language - 1)].selectLanguage(language);
    return tables;
  }();
  return kLanguages;
}

struct Naming {
  const LanguageTables* languages = nullptr;
  FireKeySettings fireKeys{};
  FireMacroCodeSet fireMacros;
  DeviceMacroBlock macros;
  bool macrosAvailable = false;

  NamingContext context() const {
    return NamingContext{*languages, fireKeys, fireMacros, macros, macrosAvailable};
  }
};

ButtonEntry consumeEntry(FuzzedDataProvider& input) {
  ButtonEntry entry{};
  for (uint8_t& byte : entry) byte = input.ConsumeIntegral<uint8_t>();
  return entry;
}

void fillContext(Naming& naming, FuzzedDataProvider& input) {
  naming.languages = &builtInLanguages()[input.ConsumeIntegralInRange<size_t>(0, 2)];
  for (FireKeySetting& key : naming.fireKeys) {
    key.count = input.ConsumeIntegralInRange(1, 16);
    key.intervalMs = input.ConsumeIntegral<uint16_t>();
  }
  naming.fireMacros.present = input.ConsumeBool();
  for (ButtonEntry& code : naming.fireMacros.codes) code = consumeEntry(input);
  naming.macrosAvailable = input.ConsumeBool();
  const std::vector<uint8_t> block = input.ConsumeRemainingBytes<uint8_t>();
  std::copy_n(block.begin(), std::min(block.size(), naming.macros.block().size()),
              naming.macros.block().begin());
  naming.macros.ReadAndRefreshMacroBlock();
}

bool sameName(const EntryName& a, const EntryName& b) {
  return a.text == b.text && a.fireKey == b.fireKey && a.fireKeyContinuous == b.fireKeyContinuous &&
         a.profileTarget == b.profileTarget && a.profileColourByte == b.profileColourByte;
}

void checkCodeString(const ButtonEntry& entry, const EntryName& name,
                     const NamingContext& context) {
  const std::string code = codeOfEntry(entry);
  require(
      code.size() == 8 && std::all_of(code.begin(), code.end(),
                                      [](char c) { return std::isxdigit(c) && !std::islower(c); }),
      "a code string is 8 upper-case hex digits");
  require(entryOfCode(code) == entry, "a code string reads back as its entry");
  std::string lower = code;
  for (char& c : lower) c = static_cast<char>(std::tolower(c));
  require(entryOfCode(lower) == entry, "code strings read in either case");
  require(sameName(DecodeEntryName(code, context), name), "the code string names as the entry");
}

void checkRevealed(const ButtonEntry& entry, const EntryName& name, const Naming& naming) {
  if (name.fireKey) {
    require(entry[0] == entry::kCategoryFireKey && *name.fireKey >= 1 && *name.fireKey <= 3,
            "only a fire-key entry matches fire key 1..3");
    const FireKeySetting& key = naming.fireKeys[static_cast<size_t>(*name.fireKey - 1)];
    require(key.count == (entry[1] & 0x0F) + 1 && key.intervalMs == (entry[2] << 8 | entry[3]),
            "the fire key matched has the entry's count and interval");
    require(name.fireKeyContinuous == ((entry[1] & 0x80) != 0),
            "the Continuous bit is byte 1's top bit");
  }
  if (name.profileTarget) {
    require(entry[0] == entry::kCategoryProfileSwitch && *name.profileTarget >= 0 &&
                *name.profileTarget <= 2,
            "only a profile switch reveals a target profile 0..2");
    require(name.profileColourByte == entry[2], "the colour byte is byte 2");
  }
  if (entry[0] == entry::kCategoryKeyboard)
    require(!name.text.empty(), "a keyboard entry always gets a name");
}

void checkDeviceMacroNames(const Naming& naming) {
  const NamingContext context = naming.context();
  for (size_t k = 0; k < macro_block::kMaxMacros; ++k) {
    const std::optional<MacroButtonEntry> entry = naming.macros.buttonEntry(k);
    if (!entry) continue;
    const std::string expected =
        naming.macrosAvailable ? macro::decodeMacroName(naming.macros.slot(k).name) : "";
    require(DecodeEntryName(*entry, context).text == expected,
            "a device macro's entry is named after the macro, where the device stores macros");
  }
}

}  // namespace
}  // namespace mousecfg

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mousecfg;
  FuzzedDataProvider input(data, size);
  const ButtonEntry entry = consumeEntry(input);
  Naming naming;
  fillContext(naming, input);
  const NamingContext context = naming.context();

  const EntryName name = DecodeEntryName(entry, context);
  require(fuzz::isValidUtf8(name.text), "an entry's name is valid UTF-8");
  require(sameName(DecodeEntryName(entry, context), name), "naming is deterministic");
  checkCodeString(entry, name, context);
  checkRevealed(entry, name, naming);
  checkDeviceMacroNames(naming);
  return 0;
}
