#include <gtest/gtest.h>

#include "support/HexBytes.h"
#include "support/SimulatedLinkFixture.h"

namespace mousecfg::test {
namespace {

using test::hexBytes;
using test::hexRange;

// Records which page-side steps the transfer asked for.
class RecordingObserver : public LinkObserver {
 public:
  void refreshPages() override { calls.push_back("refreshPages"); }
  void hideMenus() override { calls.push_back("hideMenus"); }
  void showFirstPage() override { calls.push_back("showFirstPage"); }
  void refreshPcMacroNames() override { calls.push_back("refreshPcMacroNames"); }
  void refreshSystemMouseGroups() override { calls.push_back("refreshSystemMouseGroups"); }
  void errorStateEntered() override { calls.push_back("errorStateEntered"); }
  void clearMacroEditor() override { calls.push_back("clearMacroEditor"); }
  std::vector<std::string> calls;
};

class ImageTransferTest : public SimulatedLinkFixture {
 protected:
  void SetUp() override {
    link.setObserver(&observer);
    link.discovery.DevTimerTimer();
    ASSERT_TRUE(link.channel.isOpen());
    mouse.clearTrace();
    observer.calls.clear();
  }
  RecordingObserver observer;
};

TEST_F(ImageTransferTest, ReadSplitsTheImageIntoItsWorkingCopies) {
  const auto stored = mouse.storedBlock();
  EXPECT_EQ(hexBytes(link.image.buffer), hexBytes(stored));
  EXPECT_EQ(hexBytes(link.image.vendor), hexRange(stored, 0, 164));
  EXPECT_EQ(hexBytes(link.image.user), hexRange(stored, 164, 28));
  EXPECT_EQ(hexBytes(link.image.profile1), hexRange(stored, 192, 49));
  EXPECT_EQ(hexBytes(link.image.profile2), hexRange(stored, 241, 49));
  EXPECT_EQ(hexBytes(link.image.fireKey), hexRange(stored, 290, 12));
  EXPECT_EQ(hexBytes(link.image.committedGunTable), hexRange(stored, 304, 168));
  EXPECT_EQ(hexBytes(link.image.workingGunTable), hexRange(stored, 304, 168));
  EXPECT_EQ(hexBytes(link.macros.block()), hexRange(stored, 496, 656));
  EXPECT_EQ(hexBytes(link.image.patchRecord), hexRange(stored, 1008, 16));
  EXPECT_EQ(link.patchCodeText, "0000");
}

TEST_F(ImageTransferTest, ReadRunsThePageStepsInOrder) {
  EXPECT_TRUE(link.transfer.Btn_Read());
  EXPECT_EQ(observer.calls,
            (std::vector<std::string>{"refreshPcMacroNames", "refreshPages",
                                      "refreshSystemMouseGroups", "showFirstPage"}));
}

TEST_F(ImageTransferTest, CodeStringsAreTheEntriesInUpperCaseHex) {
  EXPECT_EQ(link.codes.keys[0], "01010000");
  EXPECT_EQ(link.codes.keys[2], "0692001E");
  EXPECT_EQ(link.codes.keys[12], "01010000") << "string 13 is profile 2's first entry";
  EXPECT_EQ(link.codes.combos[2], "07800018");
  EXPECT_EQ(entryCode(std::array<uint8_t, 4>{0x06, 0x92, 0x00, 0x1E}), "0692001E");
}

TEST_F(ImageTransferTest, ReadLeavesTheInterfaceTypeI2cWhateverTheDeviceSaid) {
  link.connection.interfaceType = "KV204";
  EXPECT_TRUE(link.transfer.Btn_Read());
  EXPECT_EQ(link.connection.interfaceType, "I2C");
}

TEST_F(ImageTransferTest, ReadWithTheCommandRefusedKeepsTheImage) {
  link.image.buffer[1500] = 0x99;
  mouse.refuseCommandFrames(true);
  EXPECT_FALSE(link.transfer.Btn_Read());
  EXPECT_EQ(link.image.buffer[1500], 0x99);
  EXPECT_FALSE(link.batchFlag());
  EXPECT_TRUE(link.monitorTimerEnabled());
}

TEST_F(ImageTransferTest, UnplugMidReadKeepsThePreviousSettings) {
  const auto before = link.image.buffer;
  const auto profileBefore = link.image.profile1;
  auto stored = mouse.storedBlock();
  stored[100] = 0x12;  // changed on the mouse, among the frames that still arrive
  mouse.setStoredBlock(stored);
  mouse.unplugAfterFrames(1 + 20);  // the command and 140 bytes
  EXPECT_FALSE(link.transfer.Btn_Read());

  EXPECT_EQ(hexBytes(link.image.buffer), hexBytes(before)) << "no 0xFF for the lost frames";
  EXPECT_EQ(hexBytes(link.image.profile1), hexBytes(profileBefore));
  EXPECT_EQ(observer.calls, std::vector<std::string>{"refreshPcMacroNames"})
      << "the pages are not refreshed from a half-read image";
  EXPECT_FALSE(link.batchFlag());
  EXPECT_FALSE(host.progressVisible);
  EXPECT_FALSE(host.overlaysVisible);
}

TEST_F(ImageTransferTest, WriteKeyTablesSendsTablesThenReadBackThenReload) {
  link.image.profile1[5 * 4 + 0] = 0x09;  // button 6: DPI +
  link.image.profile1[5 * 4 + 1] = 0x01;
  link.image.profile1[5 * 4 + 2] = 0x00;
  link.image.profile1[5 * 4 + 3] = 0x00;
  ASSERT_TRUE(link.transfer.WriteKeyTables());

  const auto sent = framesStartingWith("S 40");
  ASSERT_EQ(sent.size(), 4u);
  EXPECT_EQ(sent[0], "S 40 07 00 C0 00 62 00 00");
  EXPECT_EQ(sent[1], "S 40 06 00 A4 00 1C 00 00");
  EXPECT_EQ(sent[2], "S 40 05 00 A4 0F 00 00 01");
  EXPECT_EQ(sent[3], "S 40 05 00 A4 00 00 00 01");
  EXPECT_EQ(framesStartingWith("S 41").size(), 14u);
  EXPECT_EQ(framesStartingWith("G 41").size(), 4u);
  // Fresh checksums went with the tables.
  const auto stored = mouse.storedBlock();
  EXPECT_EQ(hexRange(stored, 192, 98),
            hexBytes(link.image.profile1) + " " + hexBytes(link.image.profile2));
  EXPECT_TRUE(hasValidChecksum(std::span(stored).subspan(192, 49)));
  EXPECT_EQ(hexRange(stored, 212, 4), "09 01 00 00");
}

TEST_F(ImageTransferTest, ADataFrameRefusedInTheMiddleOfTheKeyTablesFailsTheWrite) {
  link.image.profile1[5 * 4] = 0x09;
  mouse.refuseOneFrameAfter(1 + 6);  // the command and six of the fourteen data frames
  const TransferResult written = link.transfer.WriteKeyTables();
  EXPECT_FALSE(written);
  EXPECT_EQ(written.failedFrames(), 1);
  EXPECT_EQ(framesStartingWith("S 41").size(), 13u) << "the frames after it still went out";
  EXPECT_EQ(framesStartingWith("S 40").size(), 4u) << "and the read-back and reload with them";
  EXPECT_NE(hexRange(mouse.storedBlock(), 192, 98),
            hexBytes(link.image.profile1) + " " + hexBytes(link.image.profile2));
}

TEST_F(ImageTransferTest, WriteKeyTablesWithFireKeysAddsTheTwelveBytesAt290) {
  link.image.fireKey[5] = 0x44;
  EXPECT_TRUE(link.transfer.WriteKeyTablesAndFireKeys());
  const auto sent = framesStartingWith("S 40");
  ASSERT_GE(sent.size(), 2u);
  EXPECT_EQ(sent[0], "S 40 07 00 C0 00 62 00 00");
  EXPECT_EQ(sent[1], "S 40 07 01 22 00 0C 00 00");
  EXPECT_EQ(mouse.storedBlock()[295], 0x44);
}

TEST_F(ImageTransferTest, WithoutASupportedInterfaceOnlyTheReloadIsSent) {
  link.connection.interfaceType.clear();
  EXPECT_FALSE(link.transfer.WriteKeyTables()) << "the tables did not reach the mouse";
  EXPECT_TRUE(framesStartingWith("S 40 07").empty());
  EXPECT_EQ(framesStartingWith("S 40 05").size(), 2u);
  EXPECT_FALSE(link.transfer.writeGunTable());
  EXPECT_FALSE(link.transfer.writeMacroBlock());
  EXPECT_FALSE(link.transfer.writePatchRecord());
  EXPECT_TRUE(frames().size() == 2u + 1u + 4u) << "read-back and reload only";
}

TEST_F(ImageTransferTest, FailedReadBackKeepsTheUserCopy) {
  link.image.user[3] = 0x5C;
  mouse.refuseCommandFrames(true);
  EXPECT_FALSE(link.transfer.WriteKeyTables());
  EXPECT_EQ(link.image.user[3], 0x5C);
}

TEST_F(ImageTransferTest, UserAndVendorSectionWritesAreRangeWritesWithFreshChecksums) {
  link.image.user[2] = 3;
  EXPECT_TRUE(link.transfer.writeUserSection());
  auto sent = framesStartingWith("S 40 05");
  ASSERT_EQ(sent.size(), 10u);
  EXPECT_EQ(sent[0].substr(0, 14), "S 40 05 00 A4 ");
  EXPECT_EQ(sent[9].substr(sent[9].size() - 2), "01") << "28 bytes end with a single one";
  const auto afterUser = mouse.storedBlock();
  EXPECT_TRUE(hasValidChecksum(std::span(afterUser).subspan(164, 28)));

  mouse.clearTrace();
  link.image.vendor[111] = 'X';
  EXPECT_TRUE(link.transfer.writeVendorSection());
  sent = framesStartingWith("S 40");
  EXPECT_EQ(sent.size(), 55u + 4u) << "vendor range, then the key tables with their reload";
  const auto afterVendor = mouse.storedBlock();
  EXPECT_TRUE(hasValidChecksum(std::span(afterVendor).subspan(0, 164)));
}

TEST_F(ImageTransferTest, MacroBlockGoesOutAsTwoWritesOf328Bytes) {
  link.macros.block()[600] = 0x5A;
  ASSERT_TRUE(link.transfer.writeMacroBlock());
  const auto sent = framesStartingWith("S 40");
  EXPECT_EQ(sent,
            (std::vector<std::string>{"S 40 07 01 F0 01 48 00 00", "S 40 07 03 38 01 48 00 00"}));
  EXPECT_EQ(mouse.storedBlock()[496 + 600], 0x5A);
}

TEST_F(ImageTransferTest, SingleFieldWritesPickTheFormByLength) {
  const std::array<uint8_t, 2> two{0xFF, 0xFF};
  const std::array<uint8_t, 4> four{1, 2, 3, 4};
  EXPECT_TRUE(link.transfer.writeField(50, two));
  EXPECT_TRUE(link.transfer.writeField(57, four));
  EXPECT_FALSE(link.transfer.writeField(57, std::span<const uint8_t>()));
  EXPECT_EQ(frames(),
            (std::vector<std::string>{"S 40 05 00 32 FF FF 00 02", "S 40 05 01 39 01 02 03 04"}));
}

TEST_F(ImageTransferTest, WholeImageWriteShowsItRestartsAndReadsBack) {
  link.image.buffer[1100] = 0x3C;
  host.sleptMs = 0;
  EXPECT_TRUE(link.transfer.MemoToDataBuf_OnClick());

  const auto commands = framesStartingWith("S 40");
  ASSERT_GE(commands.size(), 2u);
  EXPECT_EQ(commands[0], "S 40 07 00 00 08 00 00 00");
  EXPECT_EQ(commands[1], "S 40 0E 00 00 00 00 00 00");
  EXPECT_EQ(mouse.restartCount(), 1);
  EXPECT_EQ(host.sleptMs, 17030);
  EXPECT_EQ(mouse.storedBlock()[1100], 0x3C);
  EXPECT_EQ(link.image.buffer[1100], 0x3C) << "read back after the restart";
  EXPECT_EQ(observer.calls.front(), "hideMenus");
  EXPECT_TRUE(link.monitorTimerEnabled());
  EXPECT_FALSE(host.overlaysVisible);
}

TEST(InitNoDevice, ShowsTheDefaultsWithTheProgramsGunTable) {
  FakeHost host;
  SimulatedMouse mouse;
  DeviceLink link(mouse, host);
  link.deriveFromBuiltInImage();
  link.image.committedGunTable.fill(0x11);
  link.RefreshErrorAP();
  EXPECT_TRUE(link.errorFlag());
  EXPECT_FALSE(link.batchFlag());
  EXPECT_EQ(hexRange(link.image.buffer, 0, 304), hexRange(link.defaults.store[0], 0, 304));
  EXPECT_EQ(hexRange(link.image.buffer, 304, 168), test::hexRepeat(0x11, 168));
  EXPECT_EQ(hexBytes(link.image.workingGunTable), test::hexRepeat(0x11, 168));
  EXPECT_EQ(link.codes.keys[0], "01010000");
  EXPECT_TRUE(mouse.trace().empty()) << "nothing reaches a mouse that was never opened";
}

TEST(InitNoDevice, AnUnsupportedMemoryTypeLeavesTheImageAlone) {
  FakeHost host;
  SimulatedMouse mouse;
  DeviceLink link(mouse, host);
  link.connection.configuredMemoryType = "Flash";
  link.image.buffer.fill(0x33);
  link.transfer.InitNoDevice();
  EXPECT_EQ(link.image.buffer[0], 0x33);
}

}  // namespace
}  // namespace mousecfg::test
