#include <gtest/gtest.h>

#include <deque>

#include "support/HexBytes.h"
#include "support/SimulatedLinkFixture.h"

namespace mousecfg::test {
namespace {

using test::hexBytes;

// Lets a test script the collection counts the monitor sees, around the simulated mouse.
class ScriptedCountBackend : public HidBackend {
 public:
  explicit ScriptedCountBackend(HidBackend& inner) : inner_(inner) {}
  std::vector<HidCollectionInfo> enumerate() override { return inner_.enumerate(); }
  std::shared_ptr<HidHandle> open(const std::string& path, HidAccess access) override {
    return inner_.open(path, access);
  }
  int countCollections() override {
    if (counts.empty()) return inner_.countCollections();
    const int next = counts.front();
    counts.pop_front();
    return next;
  }
  std::deque<int> counts;

 private:
  HidBackend& inner_;
};

class DiscoveryTest : public SimulatedLinkFixture {};

TEST_F(DiscoveryTest, FirstTickFindsTheMouseAndReadsItsConfiguration) {
  auto stored = mouse.storedBlock();
  stored[1000] = 0x42;  // something the built-in defaults do not hold
  mouse.setStoredBlock(stored);
  link.startMonitor();

  link.discovery.DevTimerTimer();

  EXPECT_EQ(host.sleptMs, 2100) << "the settling wait before the search";
  EXPECT_TRUE(link.channel.isOpen());
  EXPECT_EQ(link.connection.interfaceType, "I2C");
  EXPECT_FALSE(link.errorFlag());
  EXPECT_FALSE(link.batchFlag());
  EXPECT_TRUE(link.monitorTimerEnabled());
  EXPECT_EQ(link.image.buffer[1000], 0x42);
  EXPECT_EQ(link.discovery.previousCount(), 3);
  EXPECT_FALSE(link.discovery.busy());
  EXPECT_FALSE(host.overlaysVisible);
  EXPECT_FALSE(host.progressVisible);
}

TEST_F(DiscoveryTest, TraceShowsProbeInformationThenOneWholeRead) {
  link.discovery.DevTimerTimer();
  const auto sent = frames();
  ASSERT_GE(sent.size(), 4u);
  EXPECT_EQ(sent[0], "S 40 0D 00 00 00 00 00 00") << "the probe";
  EXPECT_EQ(sent[1].substr(0, 4), "G 41") << "the probe's data request";
  EXPECT_EQ(sent[2], "S 40 0D 00 00 00 00 00 00") << "the device information";
  EXPECT_EQ(sent[3], "G 41 00 5A C0 00 00 00 00");
  EXPECT_EQ(sent[4], "S 40 09 01 22 00 0C 00 00") << "manufacturer and product codes";
  const auto read = std::find(sent.begin(), sent.end(), "S 40 09 00 00 08 00 00 00");
  ASSERT_NE(read, sent.end());
  EXPECT_EQ(std::count_if(read + 1, sent.end(),
                          [](const std::string& line) { return line.rfind("G 41", 0) == 0; }),
            293);
  EXPECT_EQ(sent.end() - read, 294);
}

TEST_F(DiscoveryTest, CountMustSettleInAtLeastTwoOfFiveDoubleSamples) {
  ScriptedCountBackend scripted(mouse);
  DeviceLink scriptedLink(scripted, host);
  scriptedLink.deriveFromBuiltInImage();
  // Only the last sample agrees with itself: a count still flickering.
  scripted.counts = {3, 4, 4, 3, 3, 4, 4, 3, 3, 3};
  scriptedLink.discovery.DevTimerTimer();
  EXPECT_EQ(scriptedLink.discovery.previousCount(), 0);
  EXPECT_FALSE(scriptedLink.channel.isOpen());
  EXPECT_EQ(host.sleptMs, 0);

  // Two stable samples are enough; the last sample's count is taken.
  scripted.counts = {4, 4, 3, 4, 3, 3, 4, 3, 2, 3};
  scriptedLink.discovery.DevTimerTimer();
  EXPECT_EQ(scriptedLink.discovery.previousCount(), 3);
  EXPECT_TRUE(scriptedLink.channel.isOpen());
}

TEST_F(DiscoveryTest, UnchangedCountDoesNothing) {
  link.discovery.DevTimerTimer();
  mouse.clearTrace();
  link.discovery.DevTimerTimer();
  EXPECT_TRUE(frames().empty());
}

TEST_F(DiscoveryTest, UnplugClearsTheDeviceAndKeepsTheShownSettings) {
  link.discovery.DevTimerTimer();
  const auto shown = link.image.profile1;
  mouse.unplug();
  link.discovery.DevTimerTimer();
  EXPECT_FALSE(link.channel.isOpen());
  EXPECT_EQ(link.channel.notificationHandle(), nullptr);
  EXPECT_EQ(link.channel.vendorId(), 0);
  EXPECT_EQ(link.connection.interfaceType, "");
  EXPECT_FALSE(link.errorFlag());
  EXPECT_EQ(hexBytes(link.image.profile1), hexBytes(shown));
  EXPECT_EQ(link.discovery.previousCount(), 0) << "the mouse's three collections are gone";
}

TEST_F(DiscoveryTest, PluggedAgainItIsReadAgain) {
  link.discovery.DevTimerTimer();
  mouse.unplug();
  link.discovery.DevTimerTimer();
  auto stored = mouse.storedBlock();
  stored[2000] = 0x77;  // changed while unplugged
  mouse.setStoredBlock(stored);
  mouse.plug();
  link.discovery.DevTimerTimer();
  EXPECT_TRUE(link.channel.isOpen());
  EXPECT_EQ(link.image.buffer[2000], 0x77);
}

// Counts the failures the window would tell the user of.
class FailureObserver : public LinkObserver {
 public:
  void readCutShort() override { ++readsCutShort; }
  void notFoundAfterRestart() override { ++notFoundAfterRestarts; }
  int readsCutShort = 0;
  int notFoundAfterRestarts = 0;
};

// The mouse is read, then plugged in again with a changed configuration whose read
// goes wrong as it starts.
class HalfReadTest : public DiscoveryTest {
 protected:
  void SetUp() override {
    link.setObserver(&failures);
    link.discovery.DevTimerTimer();
    shown = link.image.buffer;
    mouse.unplug();
    link.discovery.DevTimerTimer();
    auto stored = mouse.storedBlock();
    stored[2000] = 0x77;
    mouse.setStoredBlock(stored);
    mouse.plug();
  }
  void expectForgottenWithTheSettingsKept() {
    EXPECT_FALSE(link.channel.isOpen());
    EXPECT_EQ(link.connection.interfaceType, "") << "shown as gone";
    EXPECT_EQ(hexBytes(link.image.buffer), hexBytes(shown));
    EXPECT_EQ(failures.readsCutShort, 1) << "the user is told";
    EXPECT_EQ(failures.notFoundAfterRestarts, 0) << "and told only that";
    EXPECT_FALSE(link.batchFlag());
    EXPECT_FALSE(host.progressVisible);
    EXPECT_FALSE(host.overlaysVisible);
  }
  FailureObserver failures;
  ImageBuffer shown{};
};

TEST_F(HalfReadTest, UnplugMidReadKeepsTheSettingsAndSaysTheReadFailed) {
  host.onShowProgress = [this] { mouse.unplugAfterFrames(1 + 100); };
  link.discovery.DevTimerTimer();
  expectForgottenWithTheSettingsKept();

  host.onShowProgress = nullptr;
  link.discovery.DevTimerTimer();  // the count falls to nothing
  mouse.plug();
  link.discovery.DevTimerTimer();
  EXPECT_TRUE(link.channel.isOpen());
  EXPECT_EQ(link.image.buffer[2000], 0x77) << "read whole once it is found again";
}

TEST_F(HalfReadTest, ARefusedFrameMidReadForgetsTheMouseUntilItIsPluggedInAgain) {
  host.onShowProgress = [this] { mouse.refuseOneFrameAfter(1 + 100); };
  link.discovery.DevTimerTimer();
  expectForgottenWithTheSettingsKept();

  host.onShowProgress = nullptr;
  link.discovery.DevTimerTimer();
  EXPECT_FALSE(link.channel.isOpen()) << "the same mouse on the bus is not read again by itself";
  EXPECT_EQ(failures.readsCutShort, 1) << "and the user is told once";
  mouse.unplug();
  link.discovery.DevTimerTimer();
  mouse.plug();
  link.discovery.DevTimerTimer();
  EXPECT_TRUE(link.channel.isOpen());
  EXPECT_EQ(link.image.buffer[2000], 0x77);
}

TEST_F(HalfReadTest, AFailedReadAfterARestartLeavesTheMonitorRunning) {
  link.discovery.DevTimerTimer();
  shown = link.image.buffer;
  failures.readsCutShort = 0;
  const auto monitor = link.holdMonitor();
  host.onShowProgress = [this] { mouse.unplugAfterFrames(1 + 100); };
  link.discovery.RestartAndReFind();
  expectForgottenWithTheSettingsKept();
  EXPECT_TRUE(link.monitorTimerEnabled()) << "a later plug-in is noticed";
}

TEST_F(DiscoveryTest, UnrelatedDeviceWithoutTheMouseClearsStateAndBecomesTheReference) {
  mouse.unplug();
  mouse.plugUnrelatedDevice(true);
  link.connection.interfaceType = "I2C";
  link.discovery.DevTimerTimer();
  EXPECT_FALSE(link.channel.isOpen());
  EXPECT_EQ(link.connection.interfaceType, "") << "the failed search clears the device state";
  EXPECT_EQ(link.discovery.previousCount(), 1);
  EXPECT_EQ(host.sleptMs, 2100);
  link.discovery.DevTimerTimer();
  EXPECT_EQ(host.sleptMs, 2100) << "the same count triggers no second search";
}

TEST_F(DiscoveryTest, CommandAndDataOnDifferentCollectionsAreBothFound) {
  SimulatedMouse::Options options;
  options.splitCommandAndData = true;
  SimulatedMouse split(options, [this] { return host.nowMs(); });
  DeviceLink splitLink(split, host);
  splitLink.deriveFromBuiltInImage();
  splitLink.discovery.DevTimerTimer();
  ASSERT_TRUE(splitLink.channel.isOpen());
  EXPECT_NE(splitLink.channel.commandHandle(), splitLink.channel.dataHandle());
  EXPECT_TRUE(splitLink.image.buffer == split.storedBlock());
}

TEST_F(DiscoveryTest, RefusedDeviceInformationStopsSilently) {
  openChannel();
  mouse.refuseCommandFrames(true);
  EXPECT_EQ(link.discovery.ReadDevInfo(), DevInfoOutcome::CommandRefused);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(DiscoveryTest, GarbageDeviceInformationIsIgnored) {
  openChannel();
  for (const std::array<uint8_t, 7>& reply :
       {std::array<uint8_t, 7>{0x01, 0x5A, 0xC0}, std::array<uint8_t, 7>{0x00, 0x5B, 0xC0},
        std::array<uint8_t, 7>{0x80, 0x5A, 0x41}}) {
    mouse.setDeviceInfoReply(reply);
    mouse.clearTrace();
    EXPECT_EQ(link.discovery.ReadDevInfo(), DevInfoOutcome::ReplyIgnored) << hexBytes(reply);
    EXPECT_EQ(frames().size(), 2u) << "nothing is read after " << hexBytes(reply);
  }
  mouse.setGarbageReplies(true);
  EXPECT_NE(link.discovery.ReadDevInfo(), DevInfoOutcome::Accepted);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(DiscoveryTest, AcceptedStatesAreTheFourListed) {
  openChannel();
  for (uint8_t state : {0x00, 0x80, 0x81, 0x82}) {
    mouse.setDeviceInfoReply({state, 0x5A, 0xC0});
    EXPECT_EQ(link.discovery.ReadDevInfo(false), DevInfoOutcome::Accepted) << int(state);
  }
}

TEST_F(DiscoveryTest, Kv204ChipOnAnI2cConfigurationIsRejectedWithStr102) {
  openChannel();
  mouse.setChip(SimulatedMouse::Chip::Kv204);
  EXPECT_EQ(link.discovery.ReadDevInfo(), DevInfoOutcome::MemoryTypeMismatch);
  EXPECT_EQ(host.messages, std::vector<std::string>{"Str102"});
  EXPECT_TRUE(link.errorFlag());
  EXPECT_EQ(link.connection.interfaceType, "KV204");
  EXPECT_EQ(test::hexRange(link.image.buffer, 0, 300),
            test::hexRange(link.defaults.store[0], 0, 300))
      << "the built-in defaults are shown";
}

TEST_F(DiscoveryTest, Kv204ChipWithoutItsConfirmationBytesIsNotRead) {
  openChannel();
  link.connection.configuredMemoryType = "KV204";
  mouse.setDeviceInfoReply({0x00, 0x5A, 0x40, 0x00, 0x00, 0x1B, 0x00});
  mouse.clearTrace();
  EXPECT_EQ(link.discovery.ReadDevInfo(), DevInfoOutcome::Kv204CheckFailed);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(frames().size(), 2u);

  mouse.setDeviceInfoReply({0x00, 0x5A, 0x40, 0x00, 0x00, 0x1A, 0x00});
  mouse.clearTrace();
  (void)link.discovery.ReadDevInfo(false);  // only where the codes are read from matters here
  EXPECT_EQ(frames()[2], "S 40 09 01 54 00 0C 00 00") << "the codes of a KV204 sit at 340";
}

TEST_F(DiscoveryTest, I2cChipOnAFlashConfigurationIsRejected) {
  openChannel();
  link.connection.configuredMemoryType = "Flash";
  EXPECT_EQ(link.discovery.ReadDevInfo(), DevInfoOutcome::MemoryTypeMismatch);
  EXPECT_EQ(host.messages, std::vector<std::string>{"Str102"});
}

class IdCodesTest : public DiscoveryTest {
 protected:
  void giveMouseCodes(uint8_t manufacturer, uint8_t product) {
    auto stored = mouse.storedBlock();
    stored[290] = manufacturer;
    stored[291] = product;
    mouse.setStoredBlock(stored);
  }
};

TEST_F(IdCodesTest, TheReservePairZeroZeroIsAccepted) {
  giveMouseCodes(0, 0);
  openChannel();
  EXPECT_EQ(link.discovery.ReadDevInfo(), DevInfoOutcome::Accepted);
  EXPECT_EQ(link.connection.deviceIds, (IdPair{0, 0}));
}

TEST_F(IdCodesTest, ForeignCodesGetStr107AndNothingIsRead) {
  giveMouseCodes(3, 7);
  openChannel();
  link.startMonitor();
  EXPECT_EQ(link.discovery.ReadDevInfo(), DevInfoOutcome::ForeignIds);
  EXPECT_EQ(host.confirmations, std::vector<std::string>{"Str107"});
  EXPECT_TRUE(framesStartingWith("S 40 09 00 00 08").empty());
  EXPECT_TRUE(link.monitorTimerEnabled()) << "closing the box with OK re-enables the monitor";
}

TEST_F(IdCodesTest, ALayoutReservePairIsAccepted) {
  giveMouseCodes(3, 7);
  link.connection.reserveIds = {3, 7};
  openChannel();
  EXPECT_EQ(link.discovery.ReadDevInfo(false), DevInfoOutcome::Accepted);
}

TEST_F(DiscoveryTest, RefusedCodeReadIsNotMistakenForTheGenericPair) {
  openChannel();
  mouse.unplugAfterFrames(2);  // the information exchange gets through, the code read not
  EXPECT_EQ(link.discovery.ReadDevInfo(), DevInfoOutcome::IdReadFailed);
}

TEST_F(DiscoveryTest, ALostInformationReplyIsLostNotIgnored) {
  openChannel();
  mouse.unplugAfterFrames(1);  // the command gets through, its reply not
  EXPECT_EQ(link.discovery.ReadDevInfo(), DevInfoOutcome::ReplyLost);
  EXPECT_TRUE(lostFrames(DevInfoOutcome::ReplyLost));
  EXPECT_FALSE(lostFrames(DevInfoOutcome::ReplyIgnored)) << "a foreign reply lost nothing";
}

TEST_F(DiscoveryTest, AMouseThatRefusesItsInformationIsNotKeptOpen) {
  FailureObserver failures;
  link.setObserver(&failures);
  const auto shown = link.image.buffer;
  mouse.refuseOneFrameAfter(2);  // opened, then the information command is refused
  link.discovery.DevTimerTimer();
  EXPECT_FALSE(link.channel.isOpen()) << "nothing may be written to a mouse that was not read";
  EXPECT_EQ(hexBytes(link.image.buffer), hexBytes(shown));
  EXPECT_EQ(failures.readsCutShort, 0) << "a refusal before the read stays silent";
  EXPECT_TRUE(host.messages.empty());
  link.setObserver(nullptr);
}

TEST_F(DiscoveryTest, AMouseWithAnUnknownReplyOrForeignCodesIsNotKeptOpen) {
  const auto fireKeys = link.image.fireKey;
  mouse.setDeviceInfoReply({0x00, 0x5A, 0x99, 0, 0, 0, 0});  // a chip byte nobody knows
  link.discovery.DevTimerTimer();
  EXPECT_FALSE(link.channel.isOpen());
  mouse.unplug();
  link.discovery.DevTimerTimer();
  mouse.setDeviceInfoReply({0x00, 0x5A, 0xC0, 0, 0, 0, 0});
  auto stored = mouse.storedBlock();
  stored[290 + 0] = 0x12;  // codes that are neither the expected nor the reserve pair
  stored[290 + 1] = 0x34;
  mouse.setStoredBlock(stored);
  mouse.plug();
  link.discovery.DevTimerTimer();
  EXPECT_FALSE(link.channel.isOpen()) << "a foreign mouse is not written to";
  EXPECT_EQ(hexBytes(link.image.fireKey), hexBytes(fireKeys)) << "the fire keys shown stay";
}

TEST_F(DiscoveryTest, AMouseThatRefusesItsInformationAfterARestartIsNotFoundAgain) {
  FailureObserver failures;
  link.setObserver(&failures);
  link.discovery.DevTimerTimer();
  const auto monitor = link.holdMonitor();
  host.onSleep = [this] {
    if (host.nowMs() > 17000) mouse.refuseCommandFrames(true);
  };
  link.discovery.RestartAndReFind();
  EXPECT_FALSE(link.channel.isOpen());
  EXPECT_EQ(failures.notFoundAfterRestarts, 1);
  EXPECT_TRUE(link.monitorTimerEnabled()) << "a later plug-in is noticed";
  link.setObserver(nullptr);
}

TEST_F(DiscoveryTest, RestartWaitsAboutSeventeenSecondsAndFindsTheMouseAgain) {
  link.discovery.DevTimerTimer();
  host.sleptMs = 0;
  mouse.clearTrace();
  link.discovery.RestartAndReFind();
  EXPECT_EQ(mouse.restartCount(), 1);
  EXPECT_EQ(host.sleptMs, (101 + 601 + 1001) * 10);
  EXPECT_EQ(frames().front(), "S 40 0E 00 00 00 00 00 00");
  EXPECT_TRUE(link.channel.isOpen()) << "new handles after the re-enumeration";
  EXPECT_FALSE(framesStartingWith("S 40 09 00 00 08").empty()) << "the configuration is read";
  EXPECT_TRUE(link.monitorTimerEnabled());
}

TEST_F(DiscoveryTest, MouseThatDoesNotComeBackLeavesTheMonitorRunning) {
  link.discovery.DevTimerTimer();
  const auto monitor = link.holdMonitor();
  host.onSleep = [this] {
    if (host.nowMs() > 2000) mouse.unplug();
  };
  link.discovery.RestartAndReFind();
  EXPECT_FALSE(link.channel.isOpen());
  EXPECT_TRUE(link.monitorTimerEnabled());
}

TEST_F(DiscoveryTest, AMouseLostInItsRestartIsReportedOnce) {
  FailureObserver failures;
  link.setObserver(&failures);
  link.discovery.DevTimerTimer();
  host.onSleep = [this] {
    if (host.nowMs() > 2000) mouse.unplug();
  };
  link.discovery.RestartAndReFind();
  EXPECT_EQ(failures.notFoundAfterRestarts, 1);
  EXPECT_EQ(failures.readsCutShort, 0);
  link.setObserver(nullptr);
}

}  // namespace
}  // namespace mousecfg::test
