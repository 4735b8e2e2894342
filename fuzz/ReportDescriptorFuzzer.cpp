// A HID report descriptor as the kernel hands it over. The lengths must stay within what
// the descriptor format allows (a report of at most 65535 bytes and its id byte), items
// the walk skips must change nothing, a cut-off item must be refused, and one more byte
// of input must make the input report longer or leave it, never shorter.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

#include "device/ReportDescriptor.h"
#include "support/PropertyCheck.h"

namespace mousecfg {
namespace {

using fuzz::require;
using Bytes = std::vector<uint8_t>;

constexpr int kLongestReport = 65535 + 1;  // the data and the report id byte

bool same(const std::optional<ReportLengths>& a, const std::optional<ReportLengths>& b) {
  if (!a || !b) return a.has_value() == b.has_value();
  return a->input == b->input && a->output == b->output && a->feature == b->feature;
}

bool withinBounds(int length) {
  return length == 0 || (length >= 2 && length <= kLongestReport);
}

std::optional<ReportLengths> parseWith(std::span<const uint8_t> descriptor,
                                       std::initializer_list<uint8_t> tail) {
  Bytes bytes(descriptor.begin(), descriptor.end());
  bytes.insert(bytes.end(), tail);
  return reportLengthsFromDescriptor(bytes);
}

void checkSkippedItems(std::span<const uint8_t> descriptor,
                       const std::optional<ReportLengths>& lengths) {
  // A local Usage item and an empty long item carry nothing the walk counts.
  require(same(parseWith(descriptor, {0x09, 0x01}), lengths), "a usage item changes nothing");
  require(same(parseWith(descriptor, {0xFE, 0x00, 0x42}), lengths),
          "an empty long item changes nothing");
  // A Logical Maximum that announces two data bytes and brings one, and a long item
  // that announces more data than follows.
  require(!parseWith(descriptor, {0x26, 0xFF}), "a cut-off short item is refused");
  require(!parseWith(descriptor, {0xFE, 0x05, 0x00, 0x01}), "a cut-off long item is refused");
}

// Report Size 8, Report Count 1, Input: one more byte in the current input report.
void checkOneMoreInputByte(std::span<const uint8_t> descriptor, const ReportLengths& lengths) {
  const std::optional<ReportLengths> longer =
      parseWith(descriptor, {0x75, 0x08, 0x95, 0x01, 0x81, 0x02});
  if (!longer) {
    // Only a report already at the limit has no room for one more byte.
    require(lengths.input == kLongestReport, "one more byte is refused only at the limit");
    return;
  }
  require(longer->input >= lengths.input && longer->input >= 2,
          "one more input byte never shortens the input reports");
  require(longer->input <= std::max(lengths.input + 1, 2),
          "one more input byte adds at most one byte");
  require(longer->output == lengths.output && longer->feature == lengths.feature,
          "an input item leaves the other report types alone");
}

}  // namespace
}  // namespace mousecfg

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mousecfg;
  const std::span<const uint8_t> descriptor(data, size);
  const std::optional<ReportLengths> lengths = reportLengthsFromDescriptor(descriptor);
  require(same(reportLengthsFromDescriptor(descriptor), lengths), "the walk is deterministic");
  if (!lengths) return 0;
  require(withinBounds(lengths->input) && withinBounds(lengths->output) &&
              withinBounds(lengths->feature),
          "every length is 0 or one report of at most 65535 bytes with its id byte");
  checkSkippedItems(descriptor, lengths);
  checkOneMoreInputByte(descriptor, *lengths);
  return 0;
}
