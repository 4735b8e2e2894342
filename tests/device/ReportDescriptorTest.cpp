#include "device/ReportDescriptor.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "device/HidapiBackend.h"

namespace mousecfg {
namespace {

using Bytes = std::vector<uint8_t>;

std::string lengthsText(const std::optional<ReportLengths>& lengths) {
  if (!lengths) return "invalid";
  return "input " + std::to_string(lengths->input) + ", output " + std::to_string(lengths->output) +
         ", feature " + std::to_string(lengths->feature);
}

std::string parse(const Bytes& descriptor) {
  return lengthsText(reportLengthsFromDescriptor(descriptor));
}

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Three buttons and padding (1 byte), X, Y and wheel (3 bytes); no report ids.
const Bytes kMouse = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00,  // pointer collections
    0x05, 0x09, 0x19, 0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01,  // buttons 1..3
    0x95, 0x03, 0x75, 0x01, 0x81, 0x02,                          // 3 x 1 bit
    0x95, 0x01, 0x75, 0x05, 0x81, 0x01,                          // 5 bits padding
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x09, 0x38, 0x15, 0x81,
    0x25, 0x7F, 0x75, 0x08, 0x95, 0x03, 0x81, 0x06,  // 3 x 8 bits
    0xC0, 0xC0};

// Vendor page: feature reports 0x40 and 0x41 and input report 0x42, 7 bytes each.
const Bytes kVendor = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,        // vendor collection
                       0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08,        // bytes
                       0x85, 0x40, 0x09, 0x01, 0x95, 0x07, 0xB1, 0x02,  // feature 0x40
                       0x85, 0x41, 0x09, 0x02, 0x95, 0x07, 0xB1, 0x02,  // feature 0x41
                       0x85, 0x42, 0x09, 0x03, 0x95, 0x07, 0x81, 0x02,  // input 0x42
                       0xC0};

TEST(ReportDescriptor, MouseWithoutReportIdsCountsTheIdByteLikeWindows) {
  EXPECT_EQ(parse(kMouse), "input 5, output 0, feature 0");
}

TEST(ReportDescriptor, VendorReportsOfSevenBytesGiveEight) {
  EXPECT_EQ(parse(kVendor), "input 8, output 0, feature 8");
}

TEST(ReportDescriptor, LongestReportOfEachTypeWins) {
  // Report 1 carries a 12-byte input report; the vendor's input report is shorter.
  const Bytes longInput = {0x85, 0x01, 0x75, 0x08, 0x95, 0x0C, 0x81, 0x02};
  EXPECT_EQ(parse(concat({kVendor, longInput})), "input 13, output 0, feature 8");
}

TEST(ReportDescriptor, OutputReportsAreCountedSeparately) {
  const Bytes leds = {0x95, 0x05, 0x75, 0x01, 0x91, 0x02, 0x95, 0x01, 0x75, 0x03, 0x91, 0x01};
  EXPECT_EQ(parse(leds), "input 0, output 2, feature 0");
}

TEST(ReportDescriptor, PopRestoresThePushedGlobals) {
  const Bytes pushed = {0x75, 0x08, 0x95, 0x07,              // 7 x 8 bits
                        0xA4,                                // push
                        0x75, 0x01, 0x95, 0x01, 0xB1, 0x02,  // 1 bit
                        0xB4,                                // pop
                        0xB1, 0x02};                         // 56 bits again
  EXPECT_EQ(parse(pushed), "input 0, output 0, feature 9");
}

TEST(ReportDescriptor, FourByteDataAndLongItemsAreReadAndSkipped) {
  const Bytes items = {0xFE, 0x02, 0x10, 0xB1, 0x02,  // long item holding a "feature"
                       0x77, 0x08, 0x00, 0x00, 0x00,  // report size, 4 data bytes
                       0x97, 0x03, 0x00, 0x00, 0x00, 0x81, 0x02};
  EXPECT_EQ(parse(items), "input 4, output 0, feature 0");
}

TEST(ReportDescriptor, EmptyDescriptorHasNoReports) {
  EXPECT_EQ(parse({}), "input 0, output 0, feature 0");
}

TEST(ReportDescriptor, BrokenDescriptorsAreInvalid) {
  EXPECT_EQ(parse(Bytes(kVendor.begin(), kVendor.begin() + 10)), "invalid");  // cut in an item
  EXPECT_EQ(parse({0x77, 0x08}), "invalid");                                  // data missing
  EXPECT_EQ(parse({0xFE, 0x05, 0x10, 0x00}), "invalid");  // long item past the end
  EXPECT_EQ(parse({0xFE, 0x00}), "invalid");              // long item header cut
  EXPECT_EQ(parse({0xB4}), "invalid");                    // pop without push
  EXPECT_EQ(parse(Bytes(40, 0xA4)), "invalid");           // pushes too deep
  EXPECT_EQ(parse({0x86, 0x00, 0x01}), "invalid");        // report id 256
  EXPECT_EQ(parse({0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0xB1, 0x02}),
            "invalid");  // a report of 2^64 bits
}

TEST(ReportDescriptor, GarbageNeverReadsPastTheBuffer) {
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    Bytes garbage(random() % 64);
    for (auto& byte : garbage) byte = static_cast<uint8_t>(random());
    const auto lengths = reportLengthsFromDescriptor(garbage);
    if (!lengths) continue;
    for (int length : {lengths->input, lengths->output, lengths->feature}) {
      EXPECT_TRUE(length == 0 || (length >= 2 && length <= 65536)) << length;
    }
  }
}

TEST(ReportDescriptorPath, FollowsTheHidrawNodeName) {
  EXPECT_EQ(reportDescriptorPathFor("/dev/hidraw12"),
            "/sys/class/hidraw/hidraw12/device/report_descriptor");
  EXPECT_EQ(reportDescriptorPathFor("/dev/hidraw"), "");
  EXPECT_EQ(reportDescriptorPathFor("/dev/hidraw1/../../etc"), "");
  EXPECT_EQ(reportDescriptorPathFor("1-2:1.0"), "");
}

}  // namespace
}  // namespace mousecfg
