#include "device/MacroEvent.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace mousecfg::macro {
namespace {

TEST(MacroEventLength, EveryCodeHasItsLengthAndAllOthersAreUnknown) {
  const std::map<uint8_t, size_t> known = {{0x00, 1}, {0x81, 2}, {0x01, 2}, {0x82, 2}, {0x02, 2},
                                           {0xA1, 1}, {0xA2, 1}, {0xA4, 1}, {0xA8, 1}, {0xB0, 1},
                                           {0x21, 1}, {0x22, 1}, {0x24, 1}, {0x28, 1}, {0x30, 1},
                                           {0x04, 3}, {0xFE, 3}, {0xFD, 2}, {0xFC, 1}};
  for (int code = 0; code <= 0xFF; ++code) {
    const auto found = known.find(static_cast<uint8_t>(code));
    const std::optional<size_t> length = eventLength(static_cast<uint8_t>(code));
    if (found == known.end()) {
      EXPECT_FALSE(length.has_value()) << "code 0x" << std::hex << code;
    } else {
      ASSERT_TRUE(length.has_value()) << "code 0x" << std::hex << code;
      EXPECT_EQ(*length, found->second) << "code 0x" << std::hex << code;
    }
  }
}

TEST(MacroEventScan, EndByteAloneIsOneByte) {
  const std::vector<uint8_t> events = {0x00, 0x82, 0x04};
  EXPECT_EQ(scanEventsLength(events), 1u);
}

TEST(MacroEventScan, OperandBytesThatLookLikeTheEndAreSkipped) {
  // key press of usage 0, delay of 0x0000 ms, move (0, 0), modifier release, end
  const std::vector<uint8_t> events = {0x82, 0x00, 0xFE, 0x00, 0x00, 0x04, 0x00,
                                       0x00, 0x01, 0x00, 0x00, 0xA1, 0xA1};
  EXPECT_EQ(scanEventsLength(events), 11u);
}

TEST(MacroEventScan, RepeatWrappedMacroIsMeasuredToItsEnd) {
  const std::vector<uint8_t> events = {0xFD, 0x03, 0x82, 0x04, 0x02, 0x04, 0xFC, 0x00};
  EXPECT_EQ(scanEventsLength(events), 8u);
}

TEST(MacroEventScan, NoEndWithinTheSpanIsRejected) {
  const std::vector<uint8_t> events = {0xA1, 0x21, 0xA2, 0x22};
  EXPECT_EQ(scanEventsLength(events), std::nullopt);
  EXPECT_EQ(scanEventsLength({}), std::nullopt);
}

TEST(MacroEventScan, EndJustPastTheSpanIsNotRead) {
  const std::vector<uint8_t> buffer = {0xA1, 0x21, 0x00};
  EXPECT_EQ(scanEventsLength(std::span(buffer).first(2)), std::nullopt);
  EXPECT_EQ(scanEventsLength(buffer), 3u);
}

TEST(MacroEventScan, EventCutOffByTheSpanEndIsRejected) {
  // The delay's operands would reach past the span; its second byte is 0x00.
  const std::vector<uint8_t> buffer = {0xA1, 0xFE, 0x00, 0x00};
  EXPECT_EQ(scanEventsLength(std::span(buffer).first(3)), std::nullopt);
}

TEST(MacroEventScan, UnknownCodeStopsTheScan) {
  const std::vector<uint8_t> events = {0x82, 0x04, 0x55, 0x00};
  EXPECT_EQ(scanEventsLength(events), std::nullopt);
}

TEST(MacroEventScan, FullLengthBodyEndingInItsLastByteIsAccepted) {
  std::vector<uint8_t> events(256, kLeftPress);
  events.back() = kEventEnd;
  EXPECT_EQ(scanEventsLength(events), 256u);
}

}  // namespace
}  // namespace mousecfg::macro
