#include "engineer/ExtendedData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DefaultImage.h"
#include "support/SimulatedLinkFixture.h"

namespace mousecfg::test {
namespace {

using Frames = std::vector<std::string>;

class ExtendedDataTest : public SimulatedLinkFixture {
 protected:
  void connect() {
    link.discovery.DevTimerTimer();
    ASSERT_TRUE(link.channel.isOpen());
    mouse.clearTrace();
  }
  // Puts a byte into the mouse's XData without the page, then forgets the frame.
  void seedXData(uint16_t address, uint8_t value) {
    ASSERT_TRUE(link.channel.ExtendedWrite(address, value));
    mouse.clearTrace();
  }

  ExtendedData xdata{link};
};

// ---- Write ----

TEST_F(ExtendedDataTest, TheFieldsStartAtTheirDefaults) {
  EXPECT_EQ(xdata.edt_XDataAddr, "7241");
  EXPECT_EQ(xdata.edt_XDataValue, "00");
}

TEST_F(ExtendedDataTest, AWriteSendsAddressAndValueInOneFrame) {
  connect();
  xdata.edt_XDataValue = "05";
  EXPECT_TRUE(xdata.btn_XDataWriteClick());
  EXPECT_EQ(frames(), Frames{"S 40 01 72 41 05 00 00 00"}) << "nothing is read back";
  EXPECT_EQ(mouse.extendedByte(0x7241), 0x05);
}

TEST_F(ExtendedDataTest, HexDigitsOfEitherCaseAndShortFieldsAreRead) {
  connect();
  xdata.edt_XDataAddr = "7c4";
  xdata.edt_XDataValue = "fE";
  EXPECT_TRUE(xdata.btn_XDataWriteClick());
  xdata.edt_XDataAddr = "";
  xdata.edt_XDataValue = "";
  EXPECT_TRUE(xdata.btn_XDataWriteClick());
  EXPECT_EQ(frames(), (Frames{"S 40 01 07 C4 FE 00 00 00", "S 40 01 00 00 00 00 00 00"}));
}

TEST_F(ExtendedDataTest, FieldsThatHoldNoAddressOrValueSendNothing) {
  connect();
  for (const auto& [address, value] : std::vector<std::pair<std::string, std::string>>{
           {"72G1", "05"}, {"72410", "05"}, {"7241", "100"}, {"7241", "0x"}}) {
    xdata.edt_XDataAddr = address;
    xdata.edt_XDataValue = value;
    const TransferResult sent = xdata.btn_XDataWriteClick();
    EXPECT_FALSE(sent.started()) << address << " " << value;
  }
  EXPECT_EQ(frames(), Frames{});
}

TEST_F(ExtendedDataTest, ARefusedWriteIsReportedAndChangesNoField) {
  connect();
  mouse.refuseFrames(true);
  xdata.edt_XDataValue = "05";
  const TransferResult sent = xdata.btn_XDataWriteClick();
  EXPECT_FALSE(sent.ok());
  EXPECT_EQ(sent.failedFrames(), 1);
  EXPECT_EQ(xdata.edt_XDataValue, "05");
  EXPECT_EQ(xdata.edt_XDataAddr, "7241");
}

TEST_F(ExtendedDataTest, ChangedXDataSetsItsThreeBytes) {
  connect();
  EXPECT_TRUE(xdata.btn_ChangeXDataClick());
  EXPECT_EQ(frames(), (Frames{"S 40 01 72 41 01 00 00 00", "S 40 01 72 42 06 00 00 00",
                              "S 40 01 72 43 01 00 00 00"}));
  EXPECT_EQ(xdata.edt_XDataValue, "00") << "the fields play no part";
}

TEST_F(ExtendedDataTest, ChangedXDataReportsEveryRefusedFrame) {
  connect();
  mouse.refuseFrames(true);
  const TransferResult sent = xdata.btn_ChangeXDataClick();
  EXPECT_EQ(sent.frames(), 3);
  EXPECT_EQ(sent.failedFrames(), 3);
}

// ---- Read ----

TEST_F(ExtendedDataTest, AReadShowsTheFirstReplyByte) {
  connect();
  seedXData(0x7241, 0x3C);
  EXPECT_EQ(xdata.btn_XDataReadClick(), 0x3C);
  EXPECT_EQ(xdata.edt_XDataValue, "3C");
  EXPECT_EQ(frames(), (Frames{"S 40 02 72 41 00 01 00 00", "G 41 3C 00 00 00 00 00 00"}));
}

TEST_F(ExtendedDataTest, AReadShowsTwoUpperCaseDigits) {
  connect();
  seedXData(0x07C4, 0x0A);
  xdata.edt_XDataAddr = "07c4";
  xdata.edt_XDataValue = "FF";
  EXPECT_EQ(xdata.btn_XDataReadClick(), 0x0A);
  EXPECT_EQ(xdata.edt_XDataValue, "0A");
}

TEST_F(ExtendedDataTest, AReadWithoutAMouseLeavesTheField) {
  xdata.edt_XDataValue = "AB";
  EXPECT_EQ(xdata.btn_XDataReadClick(), std::nullopt);
  EXPECT_EQ(xdata.edt_XDataValue, "AB");
  EXPECT_EQ(frames(), Frames{});
}

TEST_F(ExtendedDataTest, ARefusedReadCommandLeavesTheField) {
  connect();
  seedXData(0x7241, 0x3C);
  mouse.refuseCommandFrames(true);
  xdata.edt_XDataValue = "AB";
  EXPECT_EQ(xdata.btn_XDataReadClick(), std::nullopt);
  EXPECT_EQ(xdata.edt_XDataValue, "AB");
  EXPECT_EQ(framesStartingWith("G 41"), Frames{}) << "no reply is fetched";
}

TEST_F(ExtendedDataTest, AReplyThatDoesNotComeLeavesTheField) {
  connect();
  seedXData(0x7241, 0x3C);
  mouse.refuseOneFrameAfter(1);  // the command goes through, the reply is lost
  xdata.edt_XDataValue = "AB";
  EXPECT_EQ(xdata.btn_XDataReadClick(), std::nullopt);
  EXPECT_EQ(xdata.edt_XDataValue, "AB");
  EXPECT_EQ(frames(), Frames{"S 40 02 72 41 00 01 00 00"});
}

TEST_F(ExtendedDataTest, AnAddressThatIsNoAddressReadsNothing) {
  connect();
  xdata.edt_XDataAddr = "12345";
  xdata.edt_XDataValue = "AB";
  EXPECT_EQ(xdata.btn_XDataReadClick(), std::nullopt);
  EXPECT_EQ(xdata.edt_XDataValue, "AB");
  EXPECT_EQ(frames(), Frames{});
}

// ---- Patch code ----

TEST_F(ExtendedDataTest, ThePatchCodeComesFromEveryRead) {
  auto block = builtInDefaultImage();
  block[1014] = 0x12;
  block[1015] = 0xAB;
  mouse.setStoredBlock(block);
  connect();
  EXPECT_EQ(xdata.patchCodeText(), "12AB");

  block[1014] = 0x0C;
  block[1015] = 0x05;
  mouse.setStoredBlock(block);
  EXPECT_TRUE(link.transfer.Btn_Read());
  EXPECT_EQ(xdata.patchCodeText(), "0C05");
}

}  // namespace
}  // namespace mousecfg::test
