// The system-mouse settings file as found on disk, of any content. Only known values of
// plain printable ASCII may come out, found in any ASCII case; the text the program
// writes for them must read back as the same values; a line added at the end must win
// over the file's own; and loading the file must give what parsing its text gives.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "settings/SystemMouseLevels.h"
#include "settings/SystemMouseStore.h"
#include "support/PropertyCheck.h"
#include "support/ScratchFile.h"

namespace mousecfg {
namespace {

using fuzz::require;
using namespace systemmouse;

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kKnown{{
    {kMouseKey, kMouseSensitivity},
    {kMouseKey, kMouseSpeed},
    {kMouseKey, kMouseThreshold1},
    {kMouseKey, kMouseThreshold2},
    {kMouseKey, kDoubleClickSpeed},
    {kDesktopKey, kWheelScrollLines},
}};

using Values = std::array<std::optional<std::string>, kKnown.size()>;

Values valuesOf(const SystemMouseStore& store) {
  Values values;
  for (size_t i = 0; i < kKnown.size(); ++i)
    values[i] = store.value(kKnown[i].first, kKnown[i].second);
  return values;
}

std::string swappedCase(std::string_view text) {
  std::string swapped(text);
  for (char& c : swapped) {
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
    else if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return swapped;
}

bool isPlainAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

void checkValues(const SystemMouseStore& store) {
  for (const auto& [key, name] : kKnown) {
    const std::optional<std::string> value = store.value(key, name);
    require(store.value(swappedCase(key), swappedCase(name)) == value,
            "keys and names match without regard to ASCII case");
    if (!value) continue;
    require(value->size() <= 32 && isPlainAscii(*value), "only short printable ASCII is kept");
    require(value->empty() || (value->front() != ' ' && value->back() != ' '),
            "values are trimmed");
  }
  require(!store.value(kDesktopKey, kMouseSpeed), "a known name under another key is not kept");
}

void checkWrittenTextReadsBack(const SystemMouseStore& store) {
  SystemMouseStore reread;
  reread.parse(store.text());
  require(valuesOf(reread) == valuesOf(store), "the written text reads back as the same values");
  require(reread.text() == store.text(), "writing what was read back gives the same text");
}

void checkLastLineWins(std::string_view text, const SystemMouseStore& store) {
  std::string appended(text);
  appended += "\n[control panel\\MOUSE]\n  mousespeed =  2 \n";
  SystemMouseStore later;
  later.parse(appended);
  Values expected = valuesOf(store);
  expected[1] = "2";
  require(valuesOf(later) == expected, "a value given again later wins, the others stay");
}

void checkLoad(std::string_view text, const SystemMouseStore& parsed) {
  static const fuzz::ScratchFile file("system-mouse-fuzz.ini");
  file.write(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  SystemMouseStore loaded(file.path());
  const bool ok = loaded.load();
  require(ok == (text.size() <= SystemMouseStore::kMaxFileBytes), "a file within the limit loads");
  if (ok) require(valuesOf(loaded) == valuesOf(parsed), "loading gives what parsing gives");
}

}  // namespace
}  // namespace mousecfg

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mousecfg;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  SystemMouseStore store;
  store.parse(text);
  checkValues(store);
  checkWrittenTextReadsBack(store);
  checkLastLineWins(text, store);
  checkLoad(text, store);
  return 0;
}
