#include "engineer/EngineerVendorState.h"

#include <gtest/gtest.h>

#include <functional>

#include "DefaultImage.h"
#include "support/SettingsPagesFixture.h"

namespace mousecfg::test {
namespace {

using namespace image;
using enum OptionRegister;
using Block = std::array<uint8_t, kImageLength>;

class EngineerVendorStateTest : public SettingsPagesFixture {
 protected:
  void SetUp() override { readDevice(); }

  // The mouse holds the built-in image changed by `change` (checksums kept right) and
  // is read again.
  void readStoredBlock(const std::function<void(Block&)>& change) {
    Block block = builtInDefaultImage();
    change(block);
    storeChecksum(std::span(block).subspan(kVendorOffset, kVendorLength));
    storeChecksum(std::span(block).subspan(kUserOffset, kUserLength));
    mouse.setStoredBlock(block);
    ASSERT_TRUE(link.transfer.Btn_Read());
    mouse.clearTrace();
  }

  std::vector<std::string> sent() const { return framesStartingWith("S 4"); }
  std::string vendorChecksumWrite() const { return directWrite(0xA3, {vendorChecksum()}); }
  std::string storedHex(size_t offset, size_t length) const {
    return hexRange(mouse.storedBlock(), offset, length);
  }

  EngineerVendorState& vendor = core.engineerVendor;
};

// --- Option registers ---

TEST_F(EngineerVendorStateTest, IcType3709ClearsBit7OfByte4AndSendsItWithTheChecksum) {
  ASSERT_EQ(link.image.vendor[4], 0xFF);
  vendor.optionChange(ICType, 1);
  EXPECT_EQ(link.image.vendor[4], 0x7F);
  const std::vector<std::string> expected{"S 40 05 00 04 7F 00 00 01", vendorChecksumWrite()};
  EXPECT_EQ(sent(), expected);
  EXPECT_EQ(storedByte(4), 0x7F);
  EXPECT_TRUE(storedVendorValid());
  EXPECT_EQ(vendor.optionItem(ICType), 1);
  EXPECT_TRUE(vendor.lastWrite.ok());
}

TEST_F(EngineerVendorStateTest, ReportRate500HzClearsBit4AndRestartsForTheNewRate) {
  vendor.optionChange(RepRate, 2);
  const std::vector<std::string> writes = directWrites();
  ASSERT_GE(writes.size(), 2u);
  EXPECT_EQ(writes[0], directWrite(0x04, {0xEF}));
  EXPECT_EQ(writes[1], vendorChecksumWrite());
  EXPECT_EQ(mouse.restartCount(), 1);
  EXPECT_EQ(link.image.vendor[4], 0xEF) << "read again after the restart";
  EXPECT_EQ(vendor.optionItem(RepRate), 2);
  EXPECT_EQ(engineerDpi.cb_RepRate(), 2) << "one rate for both pages";
}

TEST_F(EngineerVendorStateTest, SensorSleepDisableSetsBit1OfByte7) {
  readStoredBlock([](Block& block) { block[7] = 0x7D; });
  EXPECT_EQ(vendor.optionItem(SensorSleep), 0) << "Enable";
  vendor.optionChange(SensorSleep, 1);
  const std::vector<std::string> expected{directWrite(0x07, {0x7F}), vendorChecksumWrite()};
  EXPECT_EQ(sent(), expected);
  EXPECT_EQ(vendor.optionItem(SensorSleep), 1);
}

TEST_F(EngineerVendorStateTest, TheLedTypeIsThePackageChoiceTheDefaultsAreBuiltFor) {
  vendor.optionChange(Package, 2);
  EXPECT_EQ(link.image.vendor[5] & 0xC0, 0xC0) << "RGB LED";
  EXPECT_EQ(link.connection.packageChoice, 2);
  EXPECT_EQ(link.builderInputs().packageChoice, 2);
}

TEST_F(EngineerVendorStateTest, AnItemOutsideTheListIsIgnored) {
  vendor.optionChange(ICType, 4);
  vendor.optionChange(SensorSleep, -1);
  EXPECT_TRUE(sent().empty());
  EXPECT_EQ(link.image.vendor[4], 0xFF);
}

// --- Registers ---

TEST_F(EngineerVendorStateTest, ASensorRegisterAbove255IsSentAsFF) {
  vendor.sensorRegisterChange(20, "1FF");
  EXPECT_EQ(vendor.sensorRegisterText(20), "FF");
  const std::vector<std::string> expected{directWrite(20, {0xFF}), vendorChecksumWrite()};
  EXPECT_EQ(sent(), expected);
  EXPECT_EQ(storedByte(20), 0xFF);
  EXPECT_TRUE(storedVendorValid());
}

// The checksum sent with a register covers the value only when the working copy holds
// it: every later write of the section would otherwise leave the mouse's section failing
// its check, and the whole section would be replaced by defaults at the next read.
TEST_F(EngineerVendorStateTest, RegistersEditedOneAfterAnotherSurviveTheNextRead) {
  vendor.sensorRegisterChange(9, "a5");
  vendor.sensorRegisterChange(31, "7");
  vendor.optionChange(CPILevel, 1);
  EXPECT_EQ(vendor.sensorRegisterText(9), "a5") << "the text as typed";
  EXPECT_TRUE(storedVendorValid());
  readAgain();
  EXPECT_EQ(vendor.sensorRegisterText(9), "A5");
  EXPECT_EQ(vendor.sensorRegisterText(31), "07");
  EXPECT_EQ(vendor.optionItem(CPILevel), 1);
}

TEST_F(EngineerVendorStateTest, LedInitEditsSendTheirByte) {
  vendor.edt_LEDInit0Change("");
  vendor.edt_LEDInit1Change("3c");
  EXPECT_EQ(vendor.edt_LEDInit0, "");
  EXPECT_EQ(vendor.edt_LEDInit1, "3c");
  const std::vector<std::string> writes = directWrites();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[0], directWrite(40, {0x00})) << "an empty field reads as 0";
  EXPECT_EQ(writes[2], directWrite(41, {0x3C}));
  EXPECT_EQ(writes[3], vendorChecksumWrite());
}

TEST_F(EngineerVendorStateTest, RegisterTextThatIsNotHexIsIgnored) {
  vendor.sensorRegisterChange(12, "2G");
  vendor.edt_LEDInit1Change("0x1");
  vendor.sensorRegisterChange(8, "1");
  vendor.sensorRegisterChange(40, "1");
  EXPECT_TRUE(sent().empty());
  EXPECT_EQ(vendor.sensorRegisterText(12), "21");
  EXPECT_EQ(vendor.edt_LEDInit1, "46");
}

// --- USB identities ---

TEST_F(EngineerVendorStateTest, AUsbIdIsSentOnceItHasFourDigits) {
  vendor.edt_VIDChange("3a7");
  EXPECT_EQ(vendor.edt_VID, "3a7");
  EXPECT_TRUE(sent().empty());
  EXPECT_EQ(link.image.vendor[1], 0x7E);

  vendor.edt_VIDChange("3a7f");
  const std::vector<std::string> expected{directWrite(0, {0x3A, 0x7F}), vendorChecksumWrite()};
  EXPECT_EQ(sent(), expected);
  EXPECT_EQ(storedHex(0, 2), "3A 7F");
}

TEST_F(EngineerVendorStateTest, TheProductIdGoesToBytes2And3) {
  vendor.edt_PIDChange("1234");
  const std::vector<std::string> expected{directWrite(2, {0x12, 0x34}), vendorChecksumWrite()};
  EXPECT_EQ(sent(), expected);
  EXPECT_TRUE(storedVendorValid());
}

TEST_F(EngineerVendorStateTest, AUsbIdTakesNoMoreThanFourHexDigits) {
  vendor.edt_PIDChange("12345");
  vendor.edt_PIDChange("12G4");
  EXPECT_TRUE(sent().empty());
  EXPECT_EQ(vendor.edt_PID, "05ED");
}

TEST_F(EngineerVendorStateTest, TheProductStringGoesOutInSixWrites) {
  vendor.edt_USBDescChange("Mouse");
  const std::vector<std::string> expected{directWrite(111, {0x4D, 0x6F, 0x75}),
                                          directWrite(114, {0x73, 0x65, 0x00}),
                                          directWrite(117, {0x00, 0x00, 0x00}),
                                          directWrite(120, {0x00, 0x00, 0x00}),
                                          directWrite(123, {0x00, 0x00, 0x00}),
                                          directWrite(126, {0x00}),
                                          vendorChecksumWrite()};
  EXPECT_EQ(sent(), expected);
  EXPECT_EQ(storedHex(111, 16), "4D 6F 75 73 65 " + hexRepeat(0x00, 11));
  EXPECT_TRUE(storedVendorValid());
  EXPECT_EQ(vendor.edt_USBDesc, "Mouse");
}

TEST_F(EngineerVendorStateTest, AProductStringWithoutSingleByteFormIsNotSent) {
  vendor.edt_USBDescChange("鼠标");
  EXPECT_TRUE(sent().empty());
  EXPECT_EQ(vendor.edt_USBDesc, "USB Gaming Mouse");
}

// --- Manufacturer and product codes ---

TEST_F(EngineerVendorStateTest, ADeviceCodeGoesWithTheFireKeyBlockToWhereItIsRead) {
  vendor.edt_VendorIDChange("18");
  EXPECT_EQ(link.image.fireKey[0], 18);
  const std::vector<std::string> frames = sent();
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_EQ(frames[0], "S 40 07 01 22 00 0C 00 00");
  EXPECT_EQ(storedHex(290, 12), hexBytes(link.image.fireKey));
  EXPECT_EQ(storedByte(290), 18);

  vendor.edt_ProductIDChange("300");
  EXPECT_EQ(vendor.edt_ProductID, "255");
  EXPECT_EQ(storedByte(291), 255);
}

TEST_F(EngineerVendorStateTest, OnAKv204DeviceTheCodesGoTo340) {
  link.connection.interfaceType = std::string(kInterfaceKv204);
  vendor.edt_ProductIDChange("7");
  ASSERT_FALSE(sent().empty());
  EXPECT_EQ(sent()[0], "S 40 07 01 54 00 0C 00 00");
  EXPECT_EQ(storedByte(341), 7);
  EXPECT_EQ(storedByte(291), 0xFF) << "the I2C place is left alone";
}

TEST_F(EngineerVendorStateTest, WithoutASupportedInterfaceTheCodeIsOnlyKept) {
  link.connection.interfaceType.clear();
  vendor.edt_VendorIDChange("9");
  EXPECT_TRUE(sent().empty());
  EXPECT_FALSE(vendor.lastWrite.ok());
  EXPECT_EQ(link.image.fireKey[0], 9);
}

TEST_F(EngineerVendorStateTest, ADeviceCodeTakesDigitsOnly) {
  vendor.edt_VendorIDChange("1a");
  vendor.edt_VendorIDChange("-1");
  EXPECT_TRUE(sent().empty());
  EXPECT_EQ(vendor.edt_VendorID, "255");
}

// --- Button effect switch ---

TEST_F(EngineerVendorStateTest, TheButtonEffectSwitchIsBit0OfUserByte3) {
  readStoredBlock([](Block& block) { block[kUserOffset + kUserButtonEffect] = 0x05; });
  EXPECT_EQ(vendor.cb_BtnEFT, EngineerVendorState::kEffectOn);
  vendor.cb_BtnEFTChange(EngineerVendorState::kEffectOff);
  const std::vector<std::string> expected{directWrite(167, {0x04}),
                                          directWrite(191, {userChecksum()})};
  EXPECT_EQ(sent(), expected) << "the gun flag (bit 2) stays";
  EXPECT_TRUE(storedUserValid());
  vendor.cb_BtnEFTChange(2);
  EXPECT_EQ(sent().size(), 2u);
}

// --- Reading back ---

TEST_F(EngineerVendorStateTest, EveryControlIsReadBackFromTheImage) {
  readStoredBlock([](Block& block) {
    const uint8_t ids[] = {0x12, 0x34, 0xAB, 0xCD};
    std::copy(std::begin(ids), std::end(ids), block.begin());
    block[4] = 0x5B;  // 3709, 250Hz, sensor enhance on
    block[5] = 0xAE;  // Single LED, "Fade ", 800..2400, 3rd
    block[7] = 0x7D;
    block[9] = 0xA5;
    block[40] = 0x0B;
    const char text[] = "Pad\0junk";
    std::copy(std::begin(text), std::end(text), block.begin() + 111);
    block[kUserOffset + kUserButtonEffect] = 0x01;
    block[290] = 0;
    block[291] = 42;
  });
  EXPECT_EQ(vendor.edt_VID, "1234");
  EXPECT_EQ(vendor.edt_PID, "ABCD");
  EXPECT_EQ(vendor.optionItem(ICType), 1);
  EXPECT_EQ(vendor.optionItem(RepRate), 1);
  EXPECT_EQ(vendor.optionItem(SensorEnhance), 1);
  EXPECT_EQ(vendor.optionItem(Package), 1);
  EXPECT_EQ(vendor.optionItem(CPIIndication), 1);
  EXPECT_EQ(vendor.optionItem(CPISet), 0);
  EXPECT_EQ(vendor.optionItem(CPILevel), 2);
  EXPECT_EQ(vendor.optionItem(SensorSleep), 0);
  EXPECT_EQ(vendor.optionItem(LEDPower), 1);
  EXPECT_EQ(vendor.sensorRegisterText(9), "A5");
  EXPECT_EQ(vendor.sensorRegisterText(39), "13");
  EXPECT_EQ(vendor.edt_LEDInit0, "0B");
  EXPECT_EQ(vendor.edt_USBDesc, "Pad");
  EXPECT_EQ(vendor.cb_BtnEFT, EngineerVendorState::kEffectOn);
  EXPECT_EQ(vendor.edt_VendorID, "") << "a code of 0 leaves the field empty";
  EXPECT_EQ(vendor.edt_ProductID, "42");
  EXPECT_EQ(link.connection.packageChoice, 1);
}

TEST_F(EngineerVendorStateTest, BitsNoItemStandsForShowNoItem) {
  EXPECT_EQ(link.image.vendor[5], 0x0F);
  EXPECT_EQ(vendor.optionItem(CPIIndication), kNoOptionItem);
  EXPECT_EQ(vendor.optionItem(Package), 0) << "A-Tech LED";
}

// --- While the pages are refreshed, in a batch, without the mouse ---

TEST_F(EngineerVendorStateTest, NothingHappensWhileThePagesAreRefreshed) {
  const VendorSection before = link.image.vendor;
  {
    const auto refreshing = link.holdRefreshing();
    vendor.optionChange(ICType, 0);
    vendor.sensorRegisterChange(9, "00");
    vendor.edt_LEDInit0Change("1");
    vendor.edt_VIDChange("0000");
    vendor.edt_USBDescChange("x");
    vendor.edt_VendorIDChange("1");
    vendor.cb_BtnEFTChange(EngineerVendorState::kEffectOn);
  }
  EXPECT_TRUE(sent().empty());
  EXPECT_EQ(hexBytes(link.image.vendor), hexBytes(before));
  EXPECT_EQ(vendor.edt_VID, "3A7E");
  EXPECT_EQ(vendor.optionItem(ICType), 3);
  EXPECT_EQ(link.image.fireKey[0], 0xFF);
  EXPECT_EQ(vendor.cb_BtnEFT, EngineerVendorState::kEffectOff);
}

TEST_F(EngineerVendorStateTest, InABatchTheCopyChangesAndNothingIsSent) {
  {
    const auto batch = link.holdBatch();
    vendor.optionChange(ICType, 0);
    vendor.edt_USBDescChange("Batch");
    vendor.edt_VendorIDChange("3");
  }
  EXPECT_TRUE(sent().empty());
  EXPECT_EQ(link.image.vendor[4], 0x3F);
  EXPECT_EQ(link.image.vendor[111], 'B');
  EXPECT_EQ(link.image.fireKey[0], 3);
  EXPECT_TRUE(hasValidChecksum(link.image.vendor));
}

TEST_F(EngineerVendorStateTest, ARefusedFrameIsReported) {
  mouse.refuseCommandFrames(true);
  vendor.optionChange(EFTrelug, 0);
  EXPECT_FALSE(vendor.lastWrite.ok());
  EXPECT_EQ(vendor.lastWrite.failedFrames(), 2) << "the byte and the checksum";
  EXPECT_EQ(link.image.vendor[8] & 0x04, 0) << "the copy holds the new bits";
}

TEST_F(EngineerVendorStateTest, ACodesBlockThatLostAFrameIsSentAgainWhole) {
  mouse.refuseOneFrameAfter(1);  // the block's first data frame
  vendor.edt_VendorIDChange("5");
  EXPECT_FALSE(vendor.lastWrite.ok()) << "the loss is still reported";
  EXPECT_EQ(framesStartingWith("S 40 07 01 22").size(), 2u);
  EXPECT_EQ(storedHex(290, 12), hexBytes(link.image.fireKey));
}

}  // namespace
}  // namespace mousecfg::test
