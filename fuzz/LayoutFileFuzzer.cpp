// A layout file as found on disk: GBK INI text of any shape. Texts must come out as valid
// UTF-8 and the same whether decoded whole or line by line; every key a line names
// answers the same through contains, integer, enabled and text; a section put in front
// of the file or after it is found without changing what the file gives.
#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/GbkText.h"
#include "base/LayoutFile.h"
#include "support/PropertyCheck.h"
#include "support/Utf8.h"

namespace mousecfg {
namespace {

using fuzz::require;

constexpr std::string_view kSection = "org1";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// Opens the wanted section, sets the probes and leaves it again.
constexpr std::string_view kPrefix = "[ORG1]\r\n FuzzFront = -17 \r\nFuzzFlag=1\n[zz]\n";
constexpr std::string_view kSuffix = "\n[org1]\nFuzzBack=+42\n";

std::vector<std::string_view> lines(std::string_view text) {
  std::vector<std::string_view> result;
  while (!text.empty()) {
    const size_t newline = text.find('\n');
    result.push_back(text.substr(0, newline));
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
  }
  return result;
}

// The lines' structure characters are all below 0x40, where no GBK trail byte lies, so
// cutting before decoding must not change the text.
void checkLineByLineDecode(std::string_view file) {
  const std::string whole = decodeGbk(file);
  require(fuzz::isValidUtf8(whole), "decoded GBK is valid UTF-8");
  std::string joined;
  size_t start = 0;
  for (size_t newline = file.find('\n'); newline != std::string_view::npos;
       newline = file.find('\n', start)) {
    joined += decodeGbk(file.substr(start, newline - start));
    joined += '\n';
    start = newline + 1;
  }
  joined += decodeGbk(file.substr(start));
  require(joined == whole, "decoding line by line gives the text decoded whole");
}

// The name before a line's first '=', as any line could give one.
std::string_view candidateKey(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  std::string_view key = line.substr(0, equals);
  while (!key.empty() && (key.front() == ' ' || key.front() == '\t' || key.front() == '\r'))
    key.remove_prefix(1);
  while (!key.empty() && (key.back() == ' ' || key.back() == '\t' || key.back() == '\r'))
    key.remove_suffix(1);
  return key;
}

std::string asciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

bool isSignedDecimal(std::string_view text) {
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void checkKey(const LayoutFile& layout, std::string_view key) {
  const std::string text = layout.text(key);
  require(fuzz::isValidUtf8(text), "a value's text is valid UTF-8");
  const int low = layout.integer(key, -1);
  const int high = layout.integer(key, 1);
  if (!layout.contains(key)) {
    require(text.empty() && low == -1 && high == 1 && !layout.enabled(key),
            "a missing key gives the fallbacks");
    return;
  }
  require(low == high || (low == -1 && high == 1), "an integer reads or falls back, never half");
  if (low == high) require(isSignedDecimal(text), "only a whole decimal number reads as one");
  if (layout.enabled(key)) require(text == "1" && low == 1, "a flag is on only for \"1\"");
}

void checkProbes(std::string_view file, const LayoutFile& alone) {
  std::string probed(kPrefix);
  probed += file.starts_with(kUtf8Bom) ? file.substr(kUtf8Bom.size()) : file;
  probed += kSuffix;
  const LayoutFile layout(probed, kSection);
  require(layout.hasSection(), "the probe section is seen");
  require(layout.integer("fuzzfront", 0) == -17, "a key of a section in front is found");
  require(layout.enabled("FUZZFLAG"), "a flag of a section in front is found");
  const int back = alone.contains("FuzzBack") ? alone.integer("FuzzBack", 0) : 42;
  require(layout.integer("FuzzBack", 0) == back,
          "a section given again continues, first value kept");
  const size_t added = (alone.contains("FuzzFront") ? 0 : 1) +
                       (alone.contains("FuzzFlag") ? 0 : 1) + (alone.contains("FuzzBack") ? 0 : 1);
  require(layout.keyCount() == alone.keyCount() + added, "the probes add only their own keys");
  for (std::string_view line : lines(file)) {
    const std::string_view key = candidateKey(line);
    if (key.empty() || !alone.contains(key)) continue;
    const std::string lower = asciiLower(key);
    if (lower == "fuzzfront" || lower == "fuzzflag") continue;  // the probe in front wins those
    require(layout.text(key) == alone.text(key), "the probes change no key of the file");
  }
}

}  // namespace
}  // namespace mousecfg

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mousecfg;
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  checkLineByLineDecode(file);
  const LayoutFile layout(std::span<const uint8_t>(data, size), kSection);
  for (std::string_view line : lines(file)) checkKey(layout, candidateKey(line));
  checkProbes(file, layout);
  return 0;
}
