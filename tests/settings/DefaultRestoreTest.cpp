#include "settings/DefaultRestore.h"

#include <gtest/gtest.h>

#include "DefaultImage.h"
#include "support/HexBytes.h"
#include "support/SimulatedLinkFixture.h"

namespace mousecfg::test {
namespace {

class RecordingObserver : public LinkObserver {
 public:
  void hideMenus() override { calls.push_back("hideMenus"); }
  void showFirstPage() override { calls.push_back("showFirstPage"); }
  void clearMacroEditor() override { calls.push_back("clearMacroEditor"); }
  void refreshPages() override { calls.push_back("refreshPages"); }
  std::vector<std::string> calls;
};

// A mouse whose configuration differs from the defaults in every area a restore covers.
std::array<uint8_t, 2048> changedConfiguration() {
  auto block = builtInDefaultImage();
  block[192 + 4 * 4] = 0x09;  // button 5 of profile 1: Forward becomes DPI Loop
  block[192 + 4 * 4 + 1] = 0x00;
  storeChecksum(std::span(block).subspan(192, 49));
  block[57] = 0x12;  // colour slot 1
  storeChecksum(std::span(block).subspan(0, 164));
  block[304 + 3] = 0x7F;   // gun table
  block[496 + 20] = 0x55;  // macro area
  return block;
}

class DefaultRestoreTest : public SimulatedLinkFixture {
 protected:
  void SetUp() override {
    mouse.setStoredBlock(changedConfiguration());
    link.setObserver(&observer);
    link.discovery.DevTimerTimer();
    ASSERT_TRUE(link.channel.isOpen());
    ASSERT_NE(hexBytes(link.image.buffer), hexBytes(builtInDefaultImage()));
    mouse.clearTrace();
    observer.calls.clear();
    host.sleptMs = 0;
  }

  RecordingObserver observer;
  DefaultRestore restore{link};
};

TEST_F(DefaultRestoreTest, ConfirmWritesTheWholeDefaultImageRestartsAndReadsItBack) {
  bool batchDuringRestart = false;
  host.onSleep = [&] { batchDuringRestart = batchDuringRestart || link.batchFlag(); };

  EXPECT_EQ(restore.DefaultParameterConfirm(2), RestoreOutcome::ReadBack);

  const auto sent = framesStartingWith("S 4");
  ASSERT_GE(sent.size(), 295u);
  EXPECT_EQ(sent[0], "S 40 07 00 00 08 00 00 00");
  for (size_t i = 1; i <= 293; ++i) ASSERT_EQ(sent[i].substr(0, 4), "S 41") << "frame " << i;
  EXPECT_EQ(sent[1], "S 41 " + hexRange(builtInDefaultImage(), 0, 7));
  EXPECT_EQ(sent[293].substr(0, 16), "S 41 " + hexRange(builtInDefaultImage(), 2044, 4));
  EXPECT_EQ(sent[294], "S 40 0E 00 00 00 00 00 00");
  EXPECT_EQ(mouse.restartCount(), 1);
  EXPECT_GE(host.sleptMs, 17000);
  EXPECT_LT(host.sleptMs, 20000);
  EXPECT_TRUE(batchDuringRestart) << "nothing else may write while the restore runs";

  EXPECT_EQ(hexBytes(mouse.storedBlock()), hexBytes(builtInDefaultImage()));
  EXPECT_EQ(hexBytes(link.image.buffer), hexBytes(builtInDefaultImage())) << "read back";
  EXPECT_EQ(hexBytes(link.image.profile1), hexRange(builtInDefaultImage(), 192, 49));
  EXPECT_EQ(link.codes.keys[4], "01100000");
  EXPECT_FALSE(link.batchFlag());
  EXPECT_FALSE(link.errorFlag());
  EXPECT_TRUE(link.monitorTimerEnabled());
}

TEST_F(DefaultRestoreTest, TheWindowShowsTheDefaultsBeforeTheyAreWritten) {
  restore.DefaultParameterConfirm(1);
  ASSERT_GE(observer.calls.size(), 4u);
  EXPECT_EQ(
      (std::vector<std::string>(observer.calls.begin(), observer.calls.begin() + 4)),
      (std::vector<std::string>{"hideMenus", "showFirstPage", "clearMacroEditor", "refreshPages"}));
}

TEST_F(DefaultRestoreTest, AllThreeButtonsRestoreTheirStore) {
  EXPECT_EQ(restore.DefaultParameterConfirm(1), RestoreOutcome::ReadBack);
  EXPECT_EQ(restore.DefaultParameterConfirm(3), RestoreOutcome::ReadBack);
  EXPECT_EQ(mouse.restartCount(), 2);
  EXPECT_EQ(hexBytes(mouse.storedBlock()), hexBytes(link.defaults.store[2]));
}

TEST_F(DefaultRestoreTest, WithoutADeviceItSaysStr022AndChangesNothing) {
  link.channel.closeAll();
  const std::string before = hexBytes(link.image.buffer);

  EXPECT_EQ(restore.DefaultParameterConfirm(1), RestoreOutcome::NoDevice);

  EXPECT_EQ(host.messages, std::vector<std::string>{"Str022"});
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(hexBytes(link.image.buffer), before);
  EXPECT_FALSE(link.batchFlag());
  EXPECT_EQ(mouse.restartCount(), 0);
}

TEST_F(DefaultRestoreTest, AnUnknownStoreIsRefused) {
  EXPECT_EQ(restore.DefaultParameterConfirm(0), RestoreOutcome::BadChoice);
  EXPECT_EQ(restore.DefaultParameterConfirm(4), RestoreOutcome::BadChoice);
  EXPECT_TRUE(frames().empty());
  EXPECT_FALSE(link.batchFlag());
}

TEST_F(DefaultRestoreTest, WithoutAStoredWriteInterfaceOnlyTheRestartIsSent) {
  link.connection.interfaceType.clear();
  restore.DefaultParameterConfirm(1);
  const auto sent = framesStartingWith("S 4");
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(sent[0], "S 40 0E 00 00 00 00 00 00");
  EXPECT_EQ(mouse.restartCount(), 1);
  EXPECT_NE(hexBytes(mouse.storedBlock()), hexBytes(builtInDefaultImage()));
}

TEST_F(DefaultRestoreTest, AMouseThatDoesNotComeBackEndsTheBatchAnyway) {
  host.onSleep = [&] {
    if (mouse.isPlugged()) mouse.unplug();
  };

  EXPECT_EQ(restore.DefaultParameterConfirm(2), RestoreOutcome::NotReadBack);

  EXPECT_FALSE(link.batchFlag()) << "the pages must not stay silent";
  EXPECT_TRUE(link.monitorTimerEnabled()) << "a later plug-in must be noticed";
  EXPECT_FALSE(host.progressVisible);
  EXPECT_FALSE(host.overlaysVisible);
  EXPECT_EQ(hexBytes(mouse.storedBlock()), hexBytes(builtInDefaultImage()))
      << "the write itself went through before the mouse left";
}

TEST_F(DefaultRestoreTest, AMouseUnpluggedDuringTheWriteIsNotReportedAsReadBack) {
  mouse.unplugAfterFrames(100);
  EXPECT_EQ(restore.DefaultParameterConfirm(1), RestoreOutcome::NotReadBack);
  EXPECT_FALSE(link.batchFlag());
}

}  // namespace
}  // namespace mousecfg::test
