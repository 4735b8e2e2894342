#include <gtest/gtest.h>

#include <numeric>

#include "support/FakeHost.h"
#include "support/HexBytes.h"
#include "support/SimulatedLinkFixture.h"

namespace mousecfg::test {
namespace {

using test::hexBytes;

std::vector<uint8_t> pattern(size_t length, uint8_t seed = 1) {
  std::vector<uint8_t> bytes(length);
  for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7);
  return bytes;
}

// "S 41 d0 d1 ..." for seven payload bytes.
std::string dataFrame(std::span<const uint8_t> payload) {
  return "S 41 " + hexBytes(payload);
}

class CommandChannelTest : public SimulatedLinkFixture {
 protected:
  void SetUp() override { openChannel(); }
  CommandChannel& channel() { return link.channel; }
};

TEST_F(CommandChannelTest, SendCommandPadsTheLastTwoBytesWithZero) {
  EXPECT_TRUE(channel().SendCommand(0x0E));
  EXPECT_EQ(frames(), std::vector<std::string>{"S 40 0E 00 00 00 00 00 00"});
}

TEST_F(CommandChannelTest, WholeImageWriteSendsOneCommandAnd293DataFrames) {
  const auto data = pattern(2048);
  ASSERT_TRUE(channel().BlockWrite(0, data));

  const auto sent = frames();
  ASSERT_EQ(sent.size(), 1u + 293u);
  EXPECT_EQ(sent[0], "S 40 07 00 00 08 00 00 00");
  EXPECT_EQ(sent[1], dataFrame(std::span(data).subspan(0, 7)));
  EXPECT_EQ(sent[292], dataFrame(std::span(data).subspan(7 * 291, 7)));
  // The last frame carries four new bytes; the staging buffer still holds the tail of
  // the frame before it.
  std::vector<uint8_t> last(data.begin() + 2044, data.end());
  last.insert(last.end(), data.begin() + 7 * 291 + 4, data.begin() + 7 * 291 + 7);
  EXPECT_EQ(sent[293], dataFrame(last));
  EXPECT_EQ(hexBytes(mouse.storedBlock()), hexBytes(data));
}

TEST_F(CommandChannelTest, ShortSingleFrameWriteFillsTheRestWithFF) {
  const std::vector<uint8_t> data{0xAA, 0xBB};
  ASSERT_TRUE(channel().BlockWrite(0x0123, data));
  EXPECT_EQ(frames(),
            (std::vector<std::string>{"S 40 07 01 23 00 02 00 00", "S 41 AA BB FF FF FF FF FF"}));
}

TEST_F(CommandChannelTest, KeyTablesWriteIs14Frames) {
  ASSERT_TRUE(channel().BlockWrite(192, pattern(98)));
  EXPECT_EQ(frames().front(), "S 40 07 00 C0 00 62 00 00");
  EXPECT_EQ(framesStartingWith("S 41").size(), 14u);
}

TEST_F(CommandChannelTest, BlockReadOf12BytesCopiesSevenThenFive) {
  std::array<uint8_t, 12> out{};
  ASSERT_TRUE(channel().BlockRead(290, out));
  const auto sent = frames();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[0], "S 40 09 01 22 00 0C 00 00");
  EXPECT_EQ(framesStartingWith("G 41").size(), 2u);
  EXPECT_EQ(hexBytes(out), test::hexRange(mouse.storedBlock(), 290, 12));
}

TEST_F(CommandChannelTest, WholeImageReadIs293Frames) {
  std::array<uint8_t, 2048> out{};
  ASSERT_TRUE(channel().BlockReadWithProgress(0, out));
  EXPECT_EQ(frames().front(), "S 40 09 00 00 08 00 00 00");
  EXPECT_EQ(framesStartingWith("G 41").size(), 293u);
  EXPECT_EQ(hexBytes(out), hexBytes(mouse.storedBlock()));
  EXPECT_GE(host.progressShows, 293);
}

TEST_F(CommandChannelTest, DirectReadOfTheUserSectionIsFourFrames) {
  std::array<uint8_t, 28> out{};
  ASSERT_TRUE(channel().DirectRead(0, 164, out));
  EXPECT_EQ(frames().front(), "S 40 06 00 A4 00 1C 00 00");
  EXPECT_EQ(framesStartingWith("G 41").size(), 4u);
  EXPECT_EQ(hexBytes(out), test::hexRange(mouse.workingParameters(), 164, 28));
}

TEST_F(CommandChannelTest, DirectWritesUseTheShortAndTheFourByteForm) {
  ASSERT_TRUE(channel().DirectWriteBytes(44, 0x65, 0x99, 0x77, 1));
  ASSERT_TRUE(channel().DirectWriteBytes(50, 0xFF, 0xFF, 0, 2));
  ASSERT_TRUE(channel().DirectWriteFour(0x10, 1, 2, 3, 4));
  EXPECT_EQ(frames(),
            (std::vector<std::string>{"S 40 05 00 2C 65 00 00 01", "S 40 05 00 32 FF FF 00 02",
                                      "S 40 05 01 10 01 02 03 04"}));
  EXPECT_EQ(mouse.workingParameters()[44], 0x65);
  EXPECT_EQ(mouse.storedBlock()[51], 0xFF);
  EXPECT_FALSE(host.progressVisible) << "a single register write hides the progress window";
}

TEST_F(CommandChannelTest, RangeWriteOfTheVendorSectionIs55FramesEndingWithCountTwo) {
  const auto data = pattern(164, 3);
  ASSERT_TRUE(channel().DirectWriteRange(0, data));
  const auto sent = frames();
  ASSERT_EQ(sent.size(), 55u);
  for (size_t i = 0; i < 54; ++i) {
    const std::array<uint8_t, 8> frame{0x40,
                                       0x05,
                                       0x00,
                                       static_cast<uint8_t>(3 * i),
                                       data[3 * i],
                                       data[3 * i + 1],
                                       data[3 * i + 2],
                                       3};
    ASSERT_EQ(sent[i], "S " + hexBytes(frame)) << "frame " << i;
  }
  // Bytes 162 and 163, then the third byte left over from the frame before.
  const std::array<uint8_t, 8> last{0x40, 0x05, 0x00, 162, data[162], data[163], data[161], 2};
  EXPECT_EQ(sent[54], "S " + hexBytes(last));
  EXPECT_EQ(test::hexRange(mouse.storedBlock(), 0, 164), hexBytes(data));
}

TEST_F(CommandChannelTest, RangeWriteAddressWrapsAtOneByte) {
  ASSERT_TRUE(channel().DirectWriteRange(253, pattern(6)));
  const auto sent = frames();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].substr(0, 13), "S 40 05 00 FD");
  EXPECT_EQ(sent[1].substr(0, 13), "S 40 05 00 00");
}

TEST_F(CommandChannelTest, ExtendedWriteAndReadReachTheExtendedMemory) {
  ASSERT_TRUE(channel().ExtendedWrite(0x07C4, 0x5D));
  EXPECT_EQ(mouse.extendedByte(0x07C4), 0x5D);
  const auto value = channel().ExtendedRead(0x07C4);
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(*value, 0x5D);
  const auto sent = frames();
  EXPECT_EQ(sent[0], "S 40 01 07 C4 5D 00 00 00");
  EXPECT_EQ(sent[1], "S 40 02 07 C4 00 01 00 00");
}

TEST(CommandChannelWithoutDevice, EveryOperationFailsWithoutTouchingTheDevice) {
  FakeHost host;
  CommandChannel channel(host);
  std::array<uint8_t, 12> out{};
  EXPECT_FALSE(channel.SendCommand(0x0D));
  EXPECT_FALSE(channel.SendDataFrame({}));
  EXPECT_FALSE(channel.BlockWrite(0, out));
  EXPECT_FALSE(channel.BlockRead(0, out));
  EXPECT_EQ(hexBytes(out), test::hexRepeat(0xFF, 12)) << "the read pre-fills its destination";
  out.fill(0);
  EXPECT_FALSE(channel.BlockReadWithProgress(0, out));
  EXPECT_EQ(hexBytes(out), test::hexRepeat(0x00, 12)) << "the read with progress does not";
  EXPECT_FALSE(channel.DirectWriteBytes(0, 1, 2, 3, 3));
  EXPECT_FALSE(channel.DirectWriteFour(0, 1, 2, 3, 4));
  EXPECT_FALSE(channel.DirectWriteRange(0, out));
  EXPECT_FALSE(channel.DirectRead(0, 164, out));
  EXPECT_FALSE(channel.ExtendedWrite(1, 2));
  EXPECT_FALSE(channel.ExtendedRead(1).has_value());
  EXPECT_FALSE(channel.Restart());
  EXPECT_FALSE(channel.ReceiveDataFrame());
  EXPECT_EQ(hexBytes(channel.reply()), test::hexRepeat(0xFF, 7));
  EXPECT_EQ(host.progressShows, 0);
}

TEST_F(CommandChannelTest, RefusedCommandFrameSendsNothingElse) {
  mouse.refuseCommandFrames(true);
  std::array<uint8_t, 12> out{};
  EXPECT_FALSE(channel().BlockWrite(0, out));
  EXPECT_FALSE(channel().BlockRead(290, out));
  EXPECT_EQ(hexBytes(out), test::hexRepeat(0xFF, 12));
  EXPECT_TRUE(framesStartingWith("S 41").empty());
  EXPECT_TRUE(framesStartingWith("G 41").empty());
}

TEST_F(CommandChannelTest, UnplugInTheMiddleOfAReadLeavesFFForTheLostFrames) {
  std::array<uint8_t, 2048> out{};
  mouse.unplugAfterFrames(11);  // the command and ten data frames get through
  const TransferResult read = channel().BlockReadWithProgress(0, out);
  EXPECT_FALSE(read) << "lost frames are a failed read";
  EXPECT_EQ(read.frames(), 1 + 293);
  EXPECT_EQ(read.failedFrames(), 293 - 10);
  const auto stored = mouse.storedBlock();
  EXPECT_EQ(hexBytes(std::span(out).first(70)), hexBytes(std::span(stored).first(70)));
  EXPECT_EQ(hexBytes(std::span(out).subspan(70)), test::hexRepeat(0xFF, 2048 - 70));
}

}  // namespace
}  // namespace mousecfg::test
