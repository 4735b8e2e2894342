#include "device/SimulatedMouse.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>
#include <initializer_list>

#include "DefaultImage.h"
#include "device/ImageMap.h"
#include "device/Protocol.h"
#include "support/FakeHost.h"

namespace mousecfg {
namespace {

using Frame = std::array<uint8_t, protocol::kFrameLength>;
using Block = std::array<uint8_t, protocol::kStoredBlockLength>;

constexpr size_t kProfileByte = image::kUserOffset + image::kUserActiveProfile;
constexpr size_t kActiveDpiByte = image::kUserOffset + image::kUserActiveDpiLevel;

std::string hex(std::span<const uint8_t> bytes) {
  std::string text;
  char digits[4];
  for (uint8_t b : bytes) {
    std::snprintf(digits, sizeof digits, "%02X ", b);
    text += digits;
  }
  if (!text.empty()) text.pop_back();
  return text;
}
std::string hex(std::initializer_list<uint8_t> bytes) {
  return hex(std::span(bytes.begin(), bytes.size()));
}

Frame frameOf(std::initializer_list<uint8_t> bytes) {
  Frame frame{};
  std::copy(bytes.begin(), bytes.end(), frame.begin());
  return frame;
}

bool send(HidHandle& handle, std::initializer_list<uint8_t> bytes) {
  return handle.setFeature(frameOf(bytes));
}

// The reply to a get-feature 0x41 as hex, or "refused".
std::string receive(HidHandle& handle) {
  Frame frame{protocol::kDataReport};
  if (!handle.getFeature(frame)) return "refused";
  return hex(frame);
}

// A block whose every byte tells its own address, so misplaced bytes show.
Block patternBlock() {
  Block block;
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(i * 7 + 3);
  return block;
}

class SimulatedMouseTest : public ::testing::Test {
 protected:
  explicit SimulatedMouseTest(SimulatedMouse::Options options = {})
      : mouse(options, [this] { return host.nowMs(); }) {
    mouse.setStoredBlock(patternBlock());
    vendor = mouse.open("sim:vendor", HidAccess::ReadWrite);
  }

  test::FakeHost host;
  SimulatedMouse mouse;
  std::shared_ptr<HidHandle> vendor;
};

std::vector<std::string> paths(const std::vector<HidCollectionInfo>& collections) {
  std::vector<std::string> result;
  for (const auto& c : collections) result.push_back(c.path);
  return result;
}

TEST_F(SimulatedMouseTest, ListsMouseKeyboardAndVendorCollectionsWithTheirLengths) {
  const auto collections = mouse.enumerate();
  ASSERT_EQ(paths(collections),
            (std::vector<std::string>{"sim:mouse", "sim:keyboard", "sim:vendor"}));
  for (const auto& c : collections) {
    EXPECT_EQ(c.vendorId, 0x3A7E);
    EXPECT_EQ(c.productId, 0x05ED);
    EXPECT_EQ(c.version, 0x0100);
  }
  EXPECT_EQ(collections[0].featureReportLength, 0);
  EXPECT_EQ(collections[1].featureReportLength, 0);
  EXPECT_EQ(collections[2].featureReportLength, 8);
  EXPECT_EQ(collections[2].inputReportLength, 8);
}

TEST_F(SimulatedMouseTest, UnrelatedDeviceAddsACollectionWithOtherIds) {
  mouse.plugUnrelatedDevice(true);
  const auto collections = mouse.enumerate();
  ASSERT_EQ(collections.size(), 4u);
  EXPECT_NE(collections[3].vendorId, 0x3A7E);
  mouse.plugUnrelatedDevice(false);
  EXPECT_EQ(mouse.enumerate().size(), 3u);
}

TEST_F(SimulatedMouseTest, MouseCollectionWithoutFeatureReportsRefusesFrames) {
  auto handle = mouse.open("sim:mouse", HidAccess::None);
  ASSERT_TRUE(handle);
  EXPECT_FALSE(send(*handle, {0x40, 0x0D}));
  EXPECT_EQ(receive(*handle), "refused");
  EXPECT_EQ(mouse.open("sim:nothing", HidAccess::None), nullptr);
}

TEST_F(SimulatedMouseTest, ExtendedWriteThenReadAnswersTheValueInByteOne) {
  ASSERT_TRUE(send(*vendor, {0x40, 0x01, 0x12, 0x34, 0xAB}));
  EXPECT_EQ(mouse.extendedByte(0x1234), 0xAB);
  ASSERT_TRUE(send(*vendor, {0x40, 0x02, 0x12, 0x34, 0x00, 0x01}));
  EXPECT_EQ(receive(*vendor), "41 AB 00 00 00 00 00 00");
  EXPECT_EQ(receive(*vendor), "41 00 00 00 00 00 00 00");  // nothing pending any more
}

TEST_F(SimulatedMouseTest, ShortDirectWriteChangesOnlyCountBytesInBothCopies) {
  const Block before = mouse.storedBlock();
  ASSERT_TRUE(send(*vendor, {0x40, 0x05, 0x00, 50, 0xA1, 0xA2, 0xA3, 2}));
  const auto working = mouse.workingParameters();
  const auto stored = mouse.storedBlock();
  EXPECT_EQ(hex(std::span(working).subspan(49, 4)), hex({before[49], 0xA1, 0xA2, before[52]}));
  EXPECT_EQ(hex(std::span(stored).subspan(49, 4)), hex({before[49], 0xA1, 0xA2, before[52]}));
}

TEST_F(SimulatedMouseTest, FourByteDirectWriteChangesFourBytes) {
  ASSERT_TRUE(send(*vendor, {0x40, 0x05, 0x01, 100, 1, 2, 3, 4}));
  const auto working = mouse.workingParameters();
  const auto stored = mouse.storedBlock();
  EXPECT_EQ(hex(std::span(working).subspan(100, 4)), "01 02 03 04");
  EXPECT_EQ(hex(std::span(stored).subspan(100, 4)), "01 02 03 04");
}

TEST_F(SimulatedMouseTest, MalformedCommandsAreRefusedAndChangeNothing) {
  const Block before = mouse.storedBlock();
  EXPECT_FALSE(send(*vendor, {0x40, 0x05, 0x00, 10, 1, 2, 3, 0}));    // count 0
  EXPECT_FALSE(send(*vendor, {0x40, 0x05, 0x00, 10, 1, 2, 3, 4}));    // count 4
  EXPECT_FALSE(send(*vendor, {0x40, 0x05, 0x02, 10, 1, 2, 3, 1}));    // unknown form
  EXPECT_FALSE(send(*vendor, {0x40, 0x05, 0x01, 254, 1, 2, 3, 4}));   // past byte 255
  EXPECT_FALSE(send(*vendor, {0x40, 0x06, 0x00, 250, 0, 7}));         // read past byte 255
  EXPECT_FALSE(send(*vendor, {0x40, 0x07, 0x07, 0xFF, 0x00, 0x02}));  // 2047 + 2 bytes
  EXPECT_FALSE(send(*vendor, {0x40, 0x09, 0x08, 0x00, 0x00, 0x01}));  // address 2048
  EXPECT_FALSE(send(*vendor, {0x40, 0x03}));                          // unknown command
  EXPECT_FALSE(send(*vendor, {0x43, 0x0D}));                          // unknown report
  EXPECT_EQ(mouse.storedBlock(), before);
  EXPECT_TRUE(mouse.trace().empty());
}

TEST_F(SimulatedMouseTest, DirectReadAnswersFourFramesForTheUserSection) {
  const auto working = mouse.workingParameters();
  ASSERT_TRUE(send(*vendor, {0x40, 0x06, 0x00, 164, 0x00, 28}));
  for (size_t frame = 0; frame < 4; ++frame) {
    EXPECT_EQ(receive(*vendor), "41 " + hex(std::span(working).subspan(164 + frame * 7, 7)))
        << "frame " << frame;
  }
  EXPECT_EQ(receive(*vendor), "41 00 00 00 00 00 00 00");
}

TEST_F(SimulatedMouseTest, BlockReadOfTwelveBytesAnswersSevenThenFive) {
  const Block stored = mouse.storedBlock();
  ASSERT_TRUE(send(*vendor, {0x40, 0x09, 0x07, 0xF4, 0x00, 12}));  // 2036..2047
  EXPECT_EQ(receive(*vendor), "41 " + hex(std::span(stored).subspan(2036, 7)));
  EXPECT_EQ(receive(*vendor), "41 " + hex(std::span(stored).subspan(2043, 5)) + " 00 00");
}

TEST_F(SimulatedMouseTest, BlockWriteCopiesOnlyTheAnnouncedLength) {
  const Block before = mouse.storedBlock();
  ASSERT_TRUE(send(*vendor, {0x40, 0x07, 0x01, 0x2C, 0x00, 10}));  // 300, 10 bytes
  ASSERT_TRUE(send(*vendor, {0x41, 1, 2, 3, 4, 5, 6, 7}));
  ASSERT_TRUE(send(*vendor, {0x41, 8, 9, 10, 0xEE, 0xEE, 0xEE, 0xEE}));
  const Block stored = mouse.storedBlock();
  EXPECT_EQ(hex(std::span(stored).subspan(299, 12)),
            hex({before[299], 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, before[310]}));
  // A further data frame has no transfer to go to.
  ASSERT_TRUE(send(*vendor, {0x41, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}));
  EXPECT_EQ(mouse.storedBlock(), stored);
}

TEST_F(SimulatedMouseTest, BlockWriteReachesWorkingParametersOnlyAfterTheReload) {
  const uint8_t profile = mouse.storedBlock()[kProfileByte];
  ASSERT_TRUE(send(*vendor, {0x40, 0x07, 0x00, 192, 0x00, 7}));
  ASSERT_TRUE(send(*vendor, {0x41, 0xB0, 0xB1, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6}));
  EXPECT_NE(mouse.workingParameters()[192], 0xB0);

  ASSERT_TRUE(send(*vendor, {0x40, 0x05, 0x00, 164, 0x0F, 0, 0, 1}));
  ASSERT_TRUE(send(*vendor, {0x40, 0x05, 0x00, 164, profile, 0, 0, 1}));
  const auto working = mouse.workingParameters();
  EXPECT_EQ(hex(std::span(working).subspan(192, 7)), "B0 B1 B2 B3 B4 B5 B6");
  EXPECT_EQ(working[kProfileByte], profile);
}

TEST_F(SimulatedMouseTest, ZeroLengthRequestsAreAcceptedAndLeaveNothingPending) {
  EXPECT_TRUE(send(*vendor, {0x40, 0x09, 0x00, 0x00, 0x00, 0x00}));
  EXPECT_EQ(receive(*vendor), "41 00 00 00 00 00 00 00");
  EXPECT_TRUE(send(*vendor, {0x40, 0x06, 0x00, 0x00, 0x00, 0x00}));
  EXPECT_EQ(receive(*vendor), "41 00 00 00 00 00 00 00");
  const Block before = mouse.storedBlock();
  EXPECT_TRUE(send(*vendor, {0x40, 0x07, 0x00, 0x00, 0x00, 0x00}));
  EXPECT_TRUE(send(*vendor, {0x41, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(mouse.storedBlock(), before);
}

TEST_F(SimulatedMouseTest, NewCommandDropsAPendingRead) {
  ASSERT_TRUE(send(*vendor, {0x40, 0x09, 0x00, 0x00, 0x00, 14}));
  ASSERT_TRUE(send(*vendor, {0x40, 0x01, 0x00, 0x00, 0x01}));
  EXPECT_EQ(receive(*vendor), "41 00 00 00 00 00 00 00");
}

TEST_F(SimulatedMouseTest, DeviceInformationFollowsTheChipOrTheConfiguredReply) {
  ASSERT_TRUE(send(*vendor, {0x40, 0x0D}));
  EXPECT_EQ(receive(*vendor), "41 00 5A C0 00 00 00 00");
  mouse.setChip(SimulatedMouse::Chip::Kv204);
  ASSERT_TRUE(send(*vendor, {0x40, 0x0D}));
  EXPECT_EQ(receive(*vendor), "41 00 5A 40 00 00 1A 00");
  mouse.setDeviceInfoReply({0x80, 0x5A, 0x40, 0x00, 0x01, 0x02, 0x03});
  ASSERT_TRUE(send(*vendor, {0x40, 0x0D}));
  EXPECT_EQ(receive(*vendor), "41 80 5A 40 00 01 02 03");
}

TEST_F(SimulatedMouseTest, RestartLeavesTheBusForTheDelayAndReloadsWorkingParameters) {
  ASSERT_TRUE(send(*vendor, {0x40, 0x07, 0x00, 170, 0x00, 1}));
  ASSERT_TRUE(send(*vendor, {0x41, 0x77, 0, 0, 0, 0, 0, 0}));
  ASSERT_TRUE(send(*vendor, {0x40, 0x0E}));
  EXPECT_EQ(mouse.restartCount(), 1);
  EXPECT_TRUE(mouse.enumerate().empty());
  EXPECT_FALSE(mouse.isPlugged());
  EXPECT_FALSE(send(*vendor, {0x40, 0x0D}));
  EXPECT_EQ(mouse.open("sim:vendor", HidAccess::None), nullptr);

  host.sleepProcessing(2999);
  EXPECT_TRUE(mouse.enumerate().empty());
  host.sleepProcessing(1);
  EXPECT_EQ(mouse.enumerate().size(), 3u);
  EXPECT_TRUE(mouse.isPlugged());
  EXPECT_FALSE(send(*vendor, {0x40, 0x0D})) << "a handle from before the restart stays dead";

  auto reopened = mouse.open("sim:vendor", HidAccess::ReadWrite);
  ASSERT_TRUE(reopened);
  EXPECT_TRUE(send(*reopened, {0x40, 0x0D}));
  EXPECT_EQ(mouse.workingParameters()[170], 0x77);
}

class SplitSimulatedMouseTest : public SimulatedMouseTest {
 protected:
  static SimulatedMouse::Options split() {
    SimulatedMouse::Options options;
    options.splitCommandAndData = true;
    return options;
  }
  SplitSimulatedMouseTest() : SimulatedMouseTest(split()) {}
};

TEST_F(SplitSimulatedMouseTest, CommandsGoToOneCollectionAndDataToTheOther) {
  const auto collections = mouse.enumerate();
  ASSERT_EQ(paths(collections),
            (std::vector<std::string>{"sim:mouse", "sim:keyboard", "sim:vendor-command",
                                      "sim:vendor-data"}));
  EXPECT_EQ(collections[2].featureReportLength, 8);
  EXPECT_EQ(collections[3].featureReportLength, 8);
  EXPECT_EQ(vendor, nullptr);

  auto command = mouse.open("sim:vendor-command", HidAccess::None);
  auto data = mouse.open("sim:vendor-data", HidAccess::None);
  EXPECT_FALSE(send(*data, {0x40, 0x0D}));
  EXPECT_TRUE(send(*command, {0x40, 0x0D}));
  EXPECT_EQ(receive(*command), "refused");
  EXPECT_EQ(receive(*data), "41 00 5A C0 00 00 00 00");

  ASSERT_TRUE(send(*command, {0x40, 0x07, 0x00, 0x00, 0x00, 0x01}));
  EXPECT_FALSE(send(*command, {0x41, 0x99, 0, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(send(*data, {0x41, 0x99, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(mouse.storedBlock()[0], 0x99);
}

TEST_F(SimulatedMouseTest, UnplugsAfterTheGivenNumberOfFrames) {
  mouse.unplugAfterFrames(3);
  EXPECT_TRUE(send(*vendor, {0x40, 0x09, 0x00, 0x00, 0x00, 14}));
  EXPECT_NE(receive(*vendor), "refused");
  EXPECT_NE(receive(*vendor), "refused");
  EXPECT_TRUE(mouse.enumerate().empty());
  EXPECT_EQ(receive(*vendor), "refused");

  mouse.plug();
  EXPECT_EQ(mouse.enumerate().size(), 3u);
  EXPECT_FALSE(send(*vendor, {0x40, 0x0D}));
  auto reopened = mouse.open("sim:vendor", HidAccess::None);
  EXPECT_TRUE(send(*reopened, {0x40, 0x0D})) << "the fault is spent";
}

TEST_F(SimulatedMouseTest, RefusedFramesFailAndLeaveNoTrace) {
  mouse.refuseFrames(true);
  EXPECT_FALSE(send(*vendor, {0x40, 0x0D}));
  EXPECT_EQ(receive(*vendor), "refused");
  EXPECT_TRUE(mouse.trace().empty());
  mouse.refuseFrames(false);

  mouse.refuseCommandFrames(true);
  EXPECT_FALSE(send(*vendor, {0x40, 0x0D}));
  EXPECT_EQ(receive(*vendor), "41 00 00 00 00 00 00 00");
  EXPECT_TRUE(send(*vendor, {0x41, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(mouse.trace(),
            (std::vector<std::string>{"G 41 00 00 00 00 00 00 00", "S 41 01 02 03 04 05 06 07"}));
}

TEST_F(SimulatedMouseTest, GarbageRepliesAreRandomButRepeatable) {
  auto replies = [](SimulatedMouse& m) {
    auto handle = m.open("sim:vendor", HidAccess::None);
    m.setGarbageReplies(true);
    send(*handle, {0x40, 0x0D});
    return receive(*handle) + " / " + receive(*handle);
  };
  SimulatedMouse other;
  const std::string first = replies(mouse);
  EXPECT_EQ(first, replies(other));
  EXPECT_NE(first.substr(0, 23), "41 00 5A C0 00 00 00 00");
  EXPECT_NE(first.substr(0, 23), first.substr(26, 23));
  EXPECT_EQ(first.substr(0, 2), "41");
}

TEST_F(SimulatedMouseTest, LatencyDelaysEveryFrame) {
  mouse.setLatencyMicroseconds(20'000);
  const auto start = std::chrono::steady_clock::now();
  send(*vendor, {0x40, 0x0D});
  receive(*vendor);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(40));
}

TEST_F(SimulatedMouseTest, CountFlickerAddsACollectionForTheNextEnumerations) {
  mouse.flickerCollectionCount(2);
  EXPECT_EQ(mouse.enumerate().size(), 4u);
  const auto flickering = mouse.enumerate();
  ASSERT_EQ(flickering.size(), 4u);
  EXPECT_NE(mouse.open(flickering[3].path, HidAccess::None), nullptr);
  EXPECT_EQ(mouse.enumerate().size(), 3u);
}

std::string readReport(HidHandle& handle) {
  Frame report{};
  const int length = handle.readInput(report, 2000);
  if (length <= 0) return "read " + std::to_string(length);
  return hex(std::span(report).first(static_cast<size_t>(length)));
}

TEST_F(SimulatedMouseTest, DpiButtonCyclesOverTheEnabledLevelsAndNotifiesAnotherThread) {
  Block block = patternBlock();
  block[image::kDpiLevelCountOffset] = 2;  // three levels
  block[kActiveDpiByte] = 1;
  mouse.setStoredBlock(block);

  auto reader = std::async(std::launch::async, [&] {
    const std::string press = readReport(*vendor);
    return press + " / " + readReport(*vendor);
  });
  ASSERT_TRUE(mouse.waitForBlockedReaders(1, test::VirtualClock::kWaiterGuard));
  mouse.pressDpiButton();
  EXPECT_EQ(reader.get(), "42 00 00 01 00 00 00 00 / 42 00 00 00 00 00 00 00");
  EXPECT_EQ(mouse.workingParameters()[kActiveDpiByte], 2);
  EXPECT_EQ(mouse.storedBlock()[kActiveDpiByte], 2);

  mouse.pressDpiButton();
  EXPECT_EQ(mouse.workingParameters()[kActiveDpiByte], 0);
  EXPECT_EQ(mouse.storedBlock()[kActiveDpiByte], 0);
}

TEST_F(SimulatedMouseTest, ProfileButtonTogglesTheLowNibbleOnly) {
  Block block = patternBlock();
  block[kProfileByte] = 0x30;
  mouse.setStoredBlock(block);
  mouse.pressProfileButton();
  EXPECT_EQ(mouse.storedBlock()[kProfileByte], 0x31);
  EXPECT_EQ(readReport(*vendor), "42 00 00 08 00 00 00 00");
  EXPECT_EQ(readReport(*vendor), "42 00 00 00 00 00 00 00");
  mouse.pressProfileButton();
  EXPECT_EQ(mouse.workingParameters()[kProfileByte], 0x30);
  EXPECT_EQ(mouse.trace()[0], "I 42 00 00 08 00 00 00 00");
}

TEST_F(SimulatedMouseTest, ReadInputTimesOutOrFailsWhenItCannotRead) {
  Frame report{};
  EXPECT_EQ(vendor->readInput(report, 10), 0);
  auto queryOnly = mouse.open("sim:vendor", HidAccess::None);
  mouse.pressDpiButton();
  EXPECT_LT(queryOnly->readInput(report, 10), 0);
}

TEST_F(SimulatedMouseTest, UnplugWakesABlockedReader) {
  auto reader = std::async(std::launch::async, [&] {
    Frame report{};
    return vendor->readInput(report, -1);  // no time-out: only the unplug ends it
  });
  ASSERT_TRUE(mouse.waitForBlockedReaders(1, test::VirtualClock::kWaiterGuard));
  mouse.unplug();
  ASSERT_EQ(reader.wait_for(test::VirtualClock::kWaiterGuard), std::future_status::ready);
  EXPECT_LT(reader.get(), 0);
}

TEST_F(SimulatedMouseTest, ACancelledReadReturnsNothingAndTheNextReadsAgain) {
  auto reader = std::async(std::launch::async, [&] {
    Frame report{};
    return vendor->readInput(report, -1);  // no time-out: only the cancel ends it
  });
  ASSERT_TRUE(mouse.waitForBlockedReaders(1, test::VirtualClock::kWaiterGuard));
  vendor->cancelRead();
  ASSERT_EQ(reader.wait_for(test::VirtualClock::kWaiterGuard), std::future_status::ready);
  EXPECT_EQ(reader.get(), 0);
  mouse.pressProfileButton();
  EXPECT_EQ(readReport(*vendor), "42 00 00 08 00 00 00 00") << "the cancel is spent";
}

TEST_F(SimulatedMouseTest, ACancelBeforeTheReadEndsTheNextReadAtOnce) {
  vendor->cancelRead();
  mouse.pressProfileButton();
  Frame report{};
  EXPECT_EQ(vendor->readInput(report, -1), 0) << "the cancel comes before the queued report";
  EXPECT_EQ(readReport(*vendor), "42 00 00 08 00 00 00 00");
}

TEST_F(SimulatedMouseTest, TraceRecordsEveryAcceptedFrameInOrderAndFeedsTheSink) {
  std::vector<std::string> sunk;
  mouse.setTraceSink([&](const std::string& line) { sunk.push_back(line); });
  send(*vendor, {0x40, 0x09, 0x00, 0x00, 0x00, 0x08});
  const Block stored = mouse.storedBlock();
  receive(*vendor);
  const std::vector<std::string> expected{"S 40 09 00 00 00 08 00 00",
                                          "G 41 " + hex(std::span(stored).first(7))};
  EXPECT_EQ(mouse.trace(), expected);
  EXPECT_EQ(sunk, expected);
  mouse.clearTrace();
  EXPECT_TRUE(mouse.trace().empty());
}

class TemporaryFile {
 public:
  TemporaryFile()
      : path_(std::filesystem::temp_directory_path() /
              ("mousecfg-sim-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".bin")) {
    std::filesystem::remove(path_);
  }
  ~TemporaryFile() { std::filesystem::remove(path_); }
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

SimulatedMouse::Options persistingTo(const std::string& path) {
  SimulatedMouse::Options options;
  options.persistPath = path;
  return options;
}

TEST(SimulatedMousePersistence, ChangesSurviveInTheFile) {
  TemporaryFile file;
  {
    SimulatedMouse mouse(persistingTo(file.path()));
    EXPECT_EQ(mouse.storedBlock(), builtInDefaultImage());
    auto vendor = mouse.open("sim:vendor", HidAccess::None);
    ASSERT_TRUE(send(*vendor, {0x40, 0x07, 0x03, 0x00, 0x00, 0x02}));
    ASSERT_TRUE(send(*vendor, {0x41, 0xC1, 0xC2, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(send(*vendor, {0x40, 0x05, 0x00, 20, 0xD1, 0, 0, 1}));
  }
  EXPECT_EQ(std::filesystem::file_size(file.path()), 2048u);
  EXPECT_FALSE(std::filesystem::exists(file.path() + ".tmp"));
  SimulatedMouse reloaded(persistingTo(file.path()));
  const Block stored = reloaded.storedBlock();
  EXPECT_EQ(hex({stored[768], stored[769], stored[20]}), "C1 C2 D1");
  EXPECT_EQ(reloaded.workingParameters()[20], 0xD1);
}

TEST(SimulatedMousePersistence, TwoProcessesSharingTheFileSeeEachOthersChangesOnOpening) {
  TemporaryFile file;
  SimulatedMouse first(persistingTo(file.path()));
  SimulatedMouse second(persistingTo(file.path()));
  {
    auto vendor = first.open("sim:vendor", HidAccess::None);
    ASSERT_TRUE(send(*vendor, {0x40, 0x05, 0x00, 20, 0xD1, 0, 0, 1}));
  }
  EXPECT_NE(second.storedBlock()[20], 0xD1) << "nothing is read behind the device's back";
  auto reopened = second.open("sim:vendor", HidAccess::None);
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(second.storedBlock()[20], 0xD1) << "opened again, it shows the other's change";
}

TEST(SimulatedMousePersistence, FileOfAnotherSizeGivesTheDefaults) {
  TemporaryFile file;
  for (size_t size : {size_t{2047}, size_t{2049}}) {
    std::ofstream(file.path(), std::ios::binary) << std::string(size, '\x11');
    SimulatedMouse mouse(persistingTo(file.path()));
    EXPECT_EQ(mouse.storedBlock(), builtInDefaultImage()) << size << " bytes";
  }
}

TEST(SimulatedMouseTraceLine, IsUpperCaseHexWithSingleSpaces) {
  const Frame frame{0x40, 0x09, 0x00, 0xAB, 0x08, 0x0F, 0xF0, 0xFF};
  EXPECT_EQ(formatTraceLine('S', frame), "S 40 09 00 AB 08 0F F0 FF");
}

}  // namespace
}  // namespace mousecfg
