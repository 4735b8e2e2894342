#include "fire/FireKeyState.h"

#include <gtest/gtest.h>

#include "fire/FireFixture.h"

namespace mousecfg::test {
namespace {

constexpr ButtonEntry kFireKey2Entry{0x06, 0x14, 0x00, 0x1E};  // 5 shots, 30 ms

class FireKeyStateTest : public FireFixture {};

TEST_F(FireKeyStateTest, AReadShowsTheBlockAndTheOptionsOfTheActiveTable) {
  // The default block holds 3, 5 and 8 shots at 30 ms; button 3 is 06 92 00 1E.
  EXPECT_EQ(fire.fields[0].repeatText, "3");
  EXPECT_EQ(fire.fields[0].intervalText, "30");
  EXPECT_TRUE(fire.fields[0].continuous) << "bit 7 of 0x92";
  EXPECT_EQ(fire.fields[1].repeatText, "5");
  EXPECT_FALSE(fire.fields[1].continuous);
  EXPECT_EQ(fire.fields[2].repeatText, "8");
  EXPECT_EQ(fire.engineer[2].countIndex, 7);
  EXPECT_EQ(fire.engineer[2].timeText, "30");
  EXPECT_TRUE(fire.engineer[0].continuous);
  EXPECT_EQ(fire.continuousPicture(1), "CbS_E");
  EXPECT_EQ(fire.continuousPicture(2), "CbS_D");
}

TEST_F(FireKeyStateTest, AnEntryNamesTheFirstFireKeyWithItsCountAndInterval) {
  EXPECT_EQ(assignment.nameOfCode("0692001E"), "Fire Key1");
  EXPECT_EQ(assignment.nameOfCode("0614001E"), "Fire Key2");
  EXPECT_EQ(assignment.nameOfCode("0692001F"), "") << "no fire key has 3 shots at 31 ms";

  fire.setFireKey(1, {5, 30, false});
  EXPECT_EQ(assignment.nameOfCode("0614001E"), "Fire Key1") << "keys 1 and 2 are both 5/30";
  EXPECT_EQ(assignment.keyCaptions[2], "Fire Key1");
}

// The change re-encodes the buttons named after the key in both tables, then sends the
// tables, the block and the reload sequence.
TEST_F(FireKeyStateTest, ChangingAKeyReencodesItsButtonsAndSendsTablesAndBlock) {
  bindButton(2, 5, kFireKey2Entry);
  fire.FKCntChange(2, "5");
  mouse.clearTrace();

  fire.FKDelayChange(2, "40");

  EXPECT_EQ(entryHex(2, 5), "06 14 00 28");
  EXPECT_EQ(storedEntryHex(2, 5), "06 14 00 28");
  EXPECT_EQ(storedEntryHex(2, 3), "06 92 00 1E") << "fire key 1 is left alone";
  EXPECT_EQ(storedHex(290, 12), "FF FF 02 00 1E 04 00 28 07 00 1E E0");
  const std::vector<std::string> sent = commands();
  ASSERT_EQ(sent.size(), 5u);
  EXPECT_EQ(sent[0], "S 40 07 00 C0 00 62 00 00");
  EXPECT_EQ(sent[1], "S 40 07 01 22 00 0C 00 00");
  EXPECT_EQ(sent[2], "S 40 06 00 A4 00 1C 00 00");
  EXPECT_EQ(sent[3], "S 40 05 00 A4 0F 00 00 01");
  EXPECT_EQ(sent[4], "S 40 05 00 A4 00 00 00 01");
  EXPECT_EQ(assignment.engineerCaptions[1][4], "Fire Key2") << "the label follows the key";
  EXPECT_EQ(fire.engineer[1].countIndex, 4);
  EXPECT_EQ(fire.engineer[1].timeText, "40");
  EXPECT_TRUE(fire.lastWrite.ok());
  EXPECT_EQ(assignment.parameters.fireKeys[1], (FireKeySetting{5, 40, false}));
}

TEST_F(FireKeyStateTest, TheRepeatFieldTakesDigitsFrom2To15) {
  fire.FKCntChange(1, "");
  EXPECT_EQ(fire.fields[0].repeatText, "2");
  fire.FKCntChange(1, "99");
  EXPECT_EQ(fire.fields[0].repeatText, "15");
  EXPECT_EQ(entryHex(1, 3), "06 9E 00 1E");
  fire.FKCntChange(1, "4x");
  EXPECT_EQ(fire.fields[0].repeatText, "4");

  fire.FKCntChange(1, "1");
  EXPECT_EQ(fire.fields[0].repeatText, "1") << "a 1 may start a longer number";
  EXPECT_EQ(entryHex(1, 3), "06 90 00 1E");
  fire.FKCntExit(1);
  EXPECT_EQ(fire.fields[0].repeatText, "2");
  EXPECT_EQ(entryHex(1, 3), "06 91 00 1E");
}

TEST_F(FireKeyStateTest, ARepeatOfZeroStillEncodesOneShot) {
  fire.FKCntChange(1, "0");
  EXPECT_EQ(entryHex(1, 3), "06 90 00 1E") << "never 0x8F, which would be count 16";
  EXPECT_EQ(link.image.fireKey[2], 0x00);
  fire.FKCntExit(1);
  EXPECT_EQ(fire.fields[0].repeatText, "2");
}

TEST_F(FireKeyStateTest, TheIntervalFieldTakesDigitsFrom1To4094) {
  fire.FKDelayChange(1, "");
  EXPECT_EQ(fire.fields[0].intervalText, "1");
  fire.FKDelayChange(1, "0");
  EXPECT_EQ(fire.fields[0].intervalText, "1");
  fire.FKDelayChange(1, "5000");
  EXPECT_EQ(fire.fields[0].intervalText, "4094");
  EXPECT_EQ(entryHex(1, 3), "06 92 0F FE");
  EXPECT_EQ(storedHex(292, 3), "02 0F FE");
}

TEST_F(FireKeyStateTest, ContinuousTogglesBit7AndHoldsOffAnotherToggleMeanwhile) {
  bool busyDuringWrite = false;
  bool coverDuringWrite = false;
  link.channel.setWriteWatcher([&](const TransferResult&) {
    busyDuringWrite = fire.busy;
    coverDuringWrite = fire.coverVisible;
    fire.FKContinueClick(2);  // a click that arrives while the first is sent
  });

  fire.FKContinueClick(1);

  link.channel.setWriteWatcher({});
  EXPECT_TRUE(busyDuringWrite);
  EXPECT_TRUE(coverDuringWrite);
  EXPECT_FALSE(fire.busy);
  EXPECT_FALSE(fire.coverVisible);
  EXPECT_FALSE(fire.fields[0].continuous);
  EXPECT_FALSE(fire.fields[1].continuous) << "the second click was refused";
  EXPECT_EQ(storedEntryHex(1, 3), "06 12 00 1E");
  EXPECT_EQ(storedEntryHex(2, 3), "06 12 00 1E");
  EXPECT_EQ(fire.continuousPicture(1), "CbS_D");
}

// A key typed while the digit before it is being sent goes after it, whole.
TEST_F(FireKeyStateTest, AFieldChangedDuringASendIsSentAfterIt) {
  int watched = 0;
  link.channel.setWriteWatcher([&](const TransferResult&) {
    if (++watched == 1) fire.FKCntChange(1, "12");
  });

  fire.FKCntChange(1, "1");

  link.channel.setWriteWatcher({});
  const std::vector<std::string> sent = commands();
  ASSERT_EQ(sent.size(), 10u) << "two whole changes, one after the other";
  EXPECT_EQ(sent[0], "S 40 07 00 C0 00 62 00 00");
  EXPECT_EQ(sent[1], "S 40 07 01 22 00 0C 00 00");
  EXPECT_EQ(sent[5], "S 40 07 00 C0 00 62 00 00");
  EXPECT_EQ(sent[6], "S 40 07 01 22 00 0C 00 00");
  EXPECT_EQ(storedEntryHex(1, 3), "06 9B 00 1E");
  EXPECT_EQ(storedHex(292, 1), "0B");
  EXPECT_TRUE(fire.lastWrite.ok());
}

TEST_F(FireKeyStateTest, TheEngineerTwinSetsTheKeysAndMirrorsTheAdvancedPage) {
  fire.TLFireCountChange(1, 9);
  EXPECT_EQ(fire.fields[0].repeatText, "10");
  EXPECT_EQ(storedEntryHex(1, 3), "06 99 00 1E");
  fire.TLFireTimeChange(1, "9999");
  EXPECT_EQ(fire.engineer[0].timeText, "4094");
  EXPECT_EQ(fire.fields[0].intervalText, "4094");
  fire.TLFireContinueClick(1);
  EXPECT_FALSE(fire.fields[0].continuous);
  EXPECT_EQ(storedEntryHex(2, 3), "06 19 0F FE");
}

TEST_F(FireKeyStateTest, TheOptionsComeFromTheActiveProfilesTable) {
  bindButton(2, 3, ButtonEntry{0x06, 0x12, 0x00, 0x1E});  // profile 2: Continuous off
  link.image.user[image::kUserActiveProfile] = 0x01;
  fire.RefreshFireKey();
  EXPECT_FALSE(fire.fields[0].continuous);
  link.image.user[image::kUserActiveProfile] = 0x00;
  fire.RefreshFireKey();
  EXPECT_TRUE(fire.fields[0].continuous);
}

TEST_F(FireKeyStateTest, NothingIsSentWhileTheWindowIsRefreshed) {
  {
    const auto refreshing = link.holdRefreshing();
    fire.FKCntChange(1, "7");
    fire.FKContinueClick(1);
  }
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(entryHex(1, 3), "06 92 00 1E");
}

TEST_F(FireKeyStateTest, WithoutAMouseTheImageStillChangesForALaterWrite) {
  mouse.unplug();
  fire.setFireKey(1, {6, 50, true});
  EXPECT_FALSE(fire.lastWrite.ok());
  EXPECT_EQ(entryHex(1, 3), "06 95 00 32");
  EXPECT_EQ(hexRange(link.image.fireKey, 2, 3), "05 00 32");
}

TEST_F(FireKeyStateTest, ARefusedFrameIsReported) {
  mouse.refuseCommandFrames(true);
  fire.FKCntChange(3, "9");
  EXPECT_FALSE(fire.lastWrite.ok());
  EXPECT_GT(fire.lastWrite.failedFrames(), 0);
}

// The block starts with the codes the mouse is recognised by: a lost data frame would
// shift the rest onto them, so the block is sent once more.
TEST_F(FireKeyStateTest, ABlockWriteThatLostAFrameIsSentAgainWhole) {
  mouse.refuseOneFrameAfter(1 + 14 + 1);  // the block's first data frame
  fire.FKCntChange(2, "6");
  EXPECT_FALSE(fire.lastWrite.ok()) << "the loss is still reported";
  EXPECT_EQ(storedHex(290, 12), "FF FF 02 00 1E 05 00 1E 07 00 1E E0");
  EXPECT_EQ(framesStartingWith("S 40 07 01 22").size(), 2u);
}

}  // namespace
}  // namespace mousecfg::test
