#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "DefaultImage.h"
#include "core/ApplicationCore.h"
#include "device/ConfigImage.h"
#include "settings/MenuItems.h"
#include "support/HexBytes.h"
#include "support/SimulatedCoreFixture.h"
#include "sweeps/SweptFault.h"

namespace mousecfg::test {
namespace {

// Opening, the device information, the code read and the whole read.
constexpr int kConnectFrames = 2 + 2 + 3 + 1 + 293;
// The key tables' block write (command and 14 data frames), the user section's
// read-back (command and 4 replies) and the two frames of the reload.
constexpr int kKeyTableWriteFrames = 1 + 14 + 1 + 4 + 2;
// A gun Confirm: seven colours and the vendor checksum, the user section (ten frames),
// the key tables, the fire-key block (command and 2 data frames), the gun table
// (command and 24 data frames), the read-back and the reload.
constexpr int kGunConfirmFrames = 8 + 10 + 1 + 14 + 1 + 2 + 1 + 24 + 1 + 4 + 2;
// The whole image's block write, the restart command, and the connection again.
constexpr int kRestoreFrames = 1 + 293 + 1 + kConnectFrames;
// A byte outside every checked section, changed on the mouse before each case.
constexpr size_t kMarker = 2000;

// The window's core on a mouse that goes wrong after any number of frames: it is
// unplugged, one frame is refused, or every reply from then on is noise. Each sweep
// tries every frame of an operation and counts the cases that held.
class FaultSweepFixture : public SimulatedCoreFixture {
 protected:
  // The mouse's own buttons play no part here, so their listener does not run: the
  // sweeps stay on one thread and come out the same every time.
  explicit FaultSweepFixture(Fault fault) : fault_(fault), healthyBlock(mouse.storedBlock()) {
    core.shell.FormCreate();
    link.listener.stop();
  }

  void arm(int frames) { test::arm(mouse, fault_, frames); }
  void disarm() { test::disarm(mouse); }
  bool frameLoss() const { return losesFrames(fault_); }

  // The mouse plugged in and known to be gone, holding a configuration the window has
  // not seen yet, so that the next monitor tick finds it and reads it.
  void plugInChanged(int marker) {
    disarm();
    mouse.unplug();
    link.discovery.DevTimerTimer();
    // Each case starts from the healthy mouse: a fault may have left it half-written.
    ImageBuffer stored = healthyBlock;
    stored[kMarker] = static_cast<uint8_t>(marker);
    mouse.setStoredBlock(stored);
    mouse.plug();
    host.texts.clear();
  }
  // The monitor tick after an operation, as the window's timer runs it 1.5 s later.
  void nextTick() { link.discovery.DevTimerTimer(); }
  // Plugs the mouse in again as the fault left it and lets the window read it.
  void readAgain() {
    disarm();
    mouse.unplug();
    nextTick();
    mouse.plug();
    nextTick();
  }

  bool workingCopiesValid() const {
    return hasValidChecksum(link.image.vendor) && hasValidChecksum(link.image.user) &&
           hasValidChecksum(link.image.profile1) && hasValidChecksum(link.image.profile2);
  }
  bool keyTablesValid() const {
    return hasValidChecksum(link.image.vendor) && hasValidChecksum(link.image.profile1) &&
           hasValidChecksum(link.image.profile2);
  }
  bool toldOnly(const std::string& text) const {
    return host.texts == std::vector<std::string>{text};
  }
  void connectWhole() {
    plugInChanged(0xEE);
    nextTick();
    ASSERT_TRUE(link.channel.isOpen());
    ASSERT_EQ(link.image.buffer, mouse.storedBlock());
    host.texts.clear();
  }
  // Button 6 gets a function through its label's menu, as the key page does it: the
  // middle key, or "DPI +" (which the healthy mouse has there) when it has that.
  void changeButton6() {
    const bool middle = link.image.profile1[5 * 4 + 1] == 0x04;
    core.assignment.lastWrite = TransferResult::notStarted();
    core.assignment.openForKeyLabel(6, Rect{200, 110, 140, 40}, Size{800, 560});
    (void)core.assignment.KeyStatusOnClick(middle ? menu_id::kDpiUp : menu_id::kMiddleKey);
  }
  std::string storedKeyTables() const { return hexRange(mouse.storedBlock(), 192, 98); }
  std::string shownKeyTables() const {
    return hexBytes(link.image.profile1) + " " + hexBytes(link.image.profile2);
  }

  const Fault fault_;
  const ImageBuffer healthyBlock;
};

class FaultSweep : public FaultSweepFixture, public ::testing::WithParamInterface<Fault> {
 protected:
  FaultSweep() : FaultSweepFixture(GetParam()) {}
};

// Whatever frame of the connection goes wrong, the window shows either the whole
// configuration or the one it showed before, never a mix; a read that began and was
// cut short is told, and the mouse is not kept open unread.
TEST_P(FaultSweep, AConnectionShowsAWholeReadOrKeepsWhatItShowed) {
  int held = 0;
  for (int n = 0; n <= kConnectFrames; ++n) {
    plugInChanged(n % 200 + 1);
    const ImageBuffer before = link.image.buffer;
    const auto fireKeysBefore = link.image.fireKey;
    const ImageBuffer stored = mouse.storedBlock();
    const int progressBefore = host.progressShows;
    arm(n);
    nextTick();
    disarm();
    const bool readWhole = link.image.buffer == stored;
    const bool kept = link.image.buffer == before;
    const bool readBegan = host.progressShows > progressBefore;
    const bool fireKeysKept = link.image.fireKey == fireKeysBefore;
    bool ok = workingCopiesValid();
    // A mouse is kept open only after a read; noise can only be read as noise.
    if (link.channel.isOpen()) ok = ok && readBegan;
    if (frameLoss()) {
      ok = ok && (readWhole || (kept && fireKeysKept));
      if (link.channel.isOpen()) ok = ok && readWhole;
      if (readBegan && !readWhole) ok = ok && toldOnly(ApplicationCore::kReadCutShortText);
      if (!readBegan) ok = ok && host.texts.empty();
    }
    nextTick();
    ok = ok && workingCopiesValid();
    EXPECT_TRUE(ok) << "fault after " << n << " frames: read whole " << readWhole << ", kept "
                    << kept << ", read began " << readBegan << ", told " << host.texts.size();
    held += ok ? 1 : 0;
  }
  EXPECT_EQ(held, kConnectFrames + 1);
  RecordProperty("cases_held", held);
}

// A key-table write that goes wrong anywhere either reports success with the tables
// on the mouse, or tells the user; once the mouse is read again its configuration
// is whole either way.
TEST_P(FaultSweep, AKeyTableWriteIsStoredOrTold) {
  int held = 0;
  for (int n = 0; n <= kKeyTableWriteFrames; ++n) {
    connectWhole();
    arm(n);
    changeButton6();
    disarm();
    const bool written = static_cast<bool>(core.assignment.lastWrite);
    const size_t told = host.texts.size();
    const bool tablesOnTheMouse = storedKeyTables() == shownKeyTables();
    bool ok = keyTablesValid();
    if (frameLoss()) {
      ok = ok && workingCopiesValid();
      if (written) ok = ok && tablesOnTheMouse && told == 0;
      // A lost read-back fails the change although the tables did reach the mouse.
      if (!tablesOnTheMouse) ok = ok && toldOnly(ApplicationCore::kRefusedWriteText);
    } else if (written) {
      ok = ok && tablesOnTheMouse;
    }
    const bool validAfter = ok;
    nextTick();
    readAgain();
    ok = ok && link.channel.isOpen() && workingCopiesValid();
    EXPECT_TRUE(ok) << "fault after " << n << " frames: written " << written << ", told " << told
                    << ", tables on the mouse " << tablesOnTheMouse << ", held before the re-read "
                    << validAfter;
    held += ok ? 1 : 0;
  }
  EXPECT_EQ(held, kKeyTableWriteFrames + 1);
  RecordProperty("cases_held", held);
}

// The gun page's Confirm that goes wrong anywhere either reports success with the gun
// table and button on the mouse, or tells the user; read again, the mouse is whole.
TEST_P(FaultSweep, AGunConfirmIsStoredOrTold) {
  int held = 0;
  for (int n = 0; n <= kGunConfirmFrames; ++n) {
    connectWhole();
    core.assignment.setEditedProfile(2);
    core.gunPage.open(4);
    core.gunPage.Btn_FireClick(3);
    core.gunPage.fieldChange(GunField::FireY, std::to_string(n % 100 + 1));
    arm(n);
    core.gunPage.Btn_ConfirmClick();
    disarm();
    const bool written = static_cast<bool>(core.gunPage.lastWrite);
    const size_t told = host.texts.size();
    const bool gunsOnTheMouse =
        hexRange(mouse.storedBlock(), 304, 168) == hexBytes(link.image.committedGunTable) &&
        storedKeyTables() == shownKeyTables();
    // Noise in the user section's read-back is taken as what the mouse holds.
    bool ok = keyTablesValid();
    if (frameLoss()) {
      ok = ok && workingCopiesValid();
      if (written) ok = ok && gunsOnTheMouse && told == 0;
      if (!gunsOnTheMouse) ok = ok && toldOnly(ApplicationCore::kRefusedWriteText);
    } else if (written) {
      ok = ok && gunsOnTheMouse;
    }
    nextTick();
    readAgain();
    ok = ok && link.channel.isOpen() && workingCopiesValid();
    EXPECT_TRUE(ok) << "fault after " << n << " frames: written " << written << ", told " << told
                    << ", guns on the mouse " << gunsOnTheMouse << ", texts "
                    << (host.texts.empty() ? "" : host.texts.front());
    held += ok ? 1 : 0;
  }
  EXPECT_EQ(held, kGunConfirmFrames + 1);
  RecordProperty("cases_held", held);
}

// The restore's frames in four parts, each its own case, so that no case runs long.
constexpr int kRestoreSegments = 4;
constexpr int kRestoreSegmentFrames = (kRestoreFrames + kRestoreSegments) / kRestoreSegments;

class RestoreSweep : public FaultSweepFixture,
                     public ::testing::WithParamInterface<std::tuple<Fault, int>> {
 protected:
  RestoreSweep() : FaultSweepFixture(std::get<0>(GetParam())) {}
  int firstFrame() const { return std::get<1>(GetParam()) * kRestoreSegmentFrames; }
  int lastFrame() const {
    return std::min(firstFrame() + kRestoreSegmentFrames - 1, kRestoreFrames);
  }
  // The connected mouse's configuration changes behind the window's back; a restore
  // does not depend on what the window shows.
  void changeTheMouse(int marker) {
    ImageBuffer stored = healthyBlock;
    stored[kMarker] = static_cast<uint8_t>(marker);
    mouse.setStoredBlock(stored);
    host.texts.clear();
  }
};

// A restore of the defaults that goes wrong anywhere, in the write, the restart or the
// re-find after it, never claims to have been read back unless the mouse holds the
// defaults, and a failure is told.
TEST_P(RestoreSweep, ARestoreIsReadBackOrTold) {
  int held = 0;
  for (int n = firstFrame(); n <= lastFrame(); ++n) {
    if (!link.channel.isOpen()) connectWhole();
    changeTheMouse(n % 200 + 1);
    host.confirmations.clear();
    arm(n);
    const RestoreOutcome outcome = core.restore.DefaultParameterConfirm(1);
    disarm();
    const bool restored = mouse.storedBlock() == builtInDefaultImage();
    const size_t told = host.texts.size() + host.confirmations.size();
    bool ok = workingCopiesValid();
    if (outcome == RestoreOutcome::ReadBack) ok = ok && restored;
    if (frameLoss() && outcome != RestoreOutcome::ReadBack) ok = ok && told >= 1;
    // Plugged in again as the fault left it, the mouse is read whole, or refused with
    // its message when the half-written image no longer carries its codes.
    if (outcome != RestoreOutcome::ReadBack || !link.channel.isOpen()) {
      nextTick();
      host.confirmations.clear();
      readAgain();
      ok = ok && (link.channel.isOpen() || !host.confirmations.empty());
    }
    ok = ok && workingCopiesValid();
    EXPECT_TRUE(ok) << "fault after " << n << " frames: outcome " << static_cast<int>(outcome)
                    << ", restored " << restored << ", told " << told;
    held += ok ? 1 : 0;
  }
  EXPECT_EQ(held, lastFrame() - firstFrame() + 1);
  RecordProperty("cases_held", held);
}

std::string restorePartName(const ::testing::TestParamInfo<std::tuple<Fault, int>>& info) {
  const int first = std::get<1>(info.param) * kRestoreSegmentFrames;
  const int last = std::min(first + kRestoreSegmentFrames - 1, kRestoreFrames);
  return faultName(std::get<0>(info.param)) + "_" + std::to_string(first) + "to" +
         std::to_string(last);
}

INSTANTIATE_TEST_SUITE_P(EveryFrame, RestoreSweep,
                         ::testing::Combine(::testing::Values(Fault::Unplug, Fault::Refusal,
                                                              Fault::Garbage),
                                            ::testing::Range(0, kRestoreSegments)),
                         restorePartName);

INSTANTIATE_TEST_SUITE_P(EveryFrame, FaultSweep,
                         ::testing::Values(Fault::Unplug, Fault::Refusal, Fault::Garbage),
                         faultCaseName);

}  // namespace
}  // namespace mousecfg::test
