#include <gtest/gtest.h>

#include <unistd.h>
#include <atomic>
#include <filesystem>
#include <memory>
#include <string>

#include "DefaultImage.h"
#include "cli/InProcessMousectl.h"
#include "device/ConfigImage.h"
#include "device/StoredBlockFile.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

using namespace image;

// mousectl dpi, rate and led run as a user runs them, on the simulated mouse whose
// stored block lives in a temporary file.
class SettingsCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> counter{0};
    folder = std::filesystem::temp_directory_path() /
             ("mousectl-settings-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(folder);
    simFile = folder / "stored.bin";
    mousectl = std::make_unique<InProcessMousectl>(simFile, folder);
    block = builtInDefaultImage();
    ASSERT_TRUE(saveStoredBlockFile(simFile.string(), block));
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  CommandRun run(const std::string& args, const std::string& backend = "sim") const {
    return mousectl->run(args, backend);
  }

  StoredBlock stored() const {
    const auto loaded = loadStoredBlockFile(simFile.string());
    return loaded ? *loaded : StoredBlock{};
  }
  bool storedSectionsValid() const {
    const StoredBlock now = stored();
    return hasValidChecksum(std::span(now).subspan(kVendorOffset, kVendorLength)) &&
           hasValidChecksum(std::span(now).subspan(kUserOffset, kUserLength));
  }

  std::filesystem::path folder;
  std::filesystem::path simFile;
  std::unique_ptr<InProcessMousectl> mousectl;
  StoredBlock block{};
};

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(SettingsCommandsTest, DpiShowsLevelsStepsColoursActiveLevelAndAim) {
  const CommandRun shown = run("dpi");
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_TRUE(contains(shown.out, "levels:  6\nactive:  2\n")) << shown.out;
  EXPECT_TRUE(contains(shown.out, "level 1: on   step 3     800  colour FF0000\n")) << shown.out;
  EXPECT_TRUE(contains(shown.out, "level 2: on   step 6    1600  colour 00FF00  active\n"))
      << shown.out;
  EXPECT_TRUE(contains(shown.out, "level 7: off  step 0     200  colour FF7F00\n")) << shown.out;
  EXPECT_TRUE(contains(shown.out, "AIM:     step 0  200  (no AIM key assigned)\n")) << shown.out;
  EXPECT_TRUE(contains(shown.out, "steps:   0=200 1=400 2=600")) << shown.out;
  EXPECT_TRUE(contains(shown.out, "14=12000\n")) << shown.out;
  EXPECT_EQ(hexBytes(stored()), hexBytes(block)) << "showing writes nothing";
}

TEST_F(SettingsCommandsTest, DpiStepByDpiValueIsStoredWithAValidChecksum) {
  const CommandRun changed = run("dpi --step 1 2400");
  ASSERT_EQ(changed.status, 0) << changed.err;
  EXPECT_EQ(stored()[44], 0x68);
  EXPECT_TRUE(storedSectionsValid());
  EXPECT_TRUE(contains(changed.out, "level 1: on   step 8    2400")) << changed.out;
  EXPECT_TRUE(contains(run("dpi --step 2 11").out, "level 2: on   step 11   6400"));
  EXPECT_EQ(stored()[44], 0xB8);
}

TEST_F(SettingsCommandsTest, DpiLevelsActiveAndColourChangeTheMouseInOrder) {
  const CommandRun changed = run("dpi --levels 8 --active 3 --colour 2 12ab34");
  ASSERT_EQ(changed.status, 0) << changed.err;
  const StoredBlock now = stored();
  EXPECT_EQ(now[43], 7);
  EXPECT_EQ(now[166], 2);
  EXPECT_EQ(hexRange(now, 90, 3), "12 AB 34");
  EXPECT_TRUE(storedSectionsValid());
  EXPECT_TRUE(contains(changed.out, "levels:  8\nactive:  3\n")) << changed.out;
  ASSERT_EQ(run("dpi --levels 2").status, 0);
  EXPECT_EQ(stored()[43], 1);
  EXPECT_EQ(stored()[166], 1) << "the active level moved down with the levels";
}

TEST_F(SettingsCommandsTest, DpiOnASwitchedOffLevelIsNotApplied) {
  const CommandRun refused = run("dpi --step 7 800");
  EXPECT_EQ(refused.status, 6);
  EXPECT_TRUE(contains(refused.err, "DPI level 7 is switched off (levels 1..6 are on)"))
      << refused.err;
  EXPECT_EQ(hexBytes(stored()), hexBytes(block));
}

TEST_F(SettingsCommandsTest, DpiAimNeedsAnAimKey) {
  const CommandRun refused = run("dpi --aim 1600");
  EXPECT_EQ(refused.status, 6);
  EXPECT_FALSE(contains(refused.err, "Please select a AIM Key")) << "the window's text";
  EXPECT_TRUE(contains(refused.err, "\"AIM Key\"")) << refused.err;

  block[kProfile1Offset + 8] = 0x05;  // button 3 of profile 1 becomes an AIM key at step 0
  block[kProfile1Offset + 9] = 0x00;
  block[kProfile1Offset + 10] = 0x00;
  block[kProfile1Offset + 11] = 0x00;
  storeChecksum(std::span(block).subspan(kProfile1Offset, kProfileLength));
  ASSERT_TRUE(saveStoredBlockFile(simFile.string(), block));
  const CommandRun changed = run("dpi --aim 1600");
  ASSERT_EQ(changed.status, 0) << changed.err;
  EXPECT_EQ(hexRange(stored(), kProfile1Offset + 8, 4), "05 06 00 00");
  EXPECT_TRUE(contains(changed.out, "AIM:     step 6  1600\n")) << changed.out;
}

TEST_F(SettingsCommandsTest, DpiRejectsBadArgumentsBeforeTouchingTheMouse) {
  for (const char* args : {"--step 1 1500", "--step 9 800", "--levels 9", "--levels", "--active x",
                           "--colour 1 12345", "--aim 15", "--bogus"}) {
    const CommandRun refused = run(std::string("dpi ") + args);
    EXPECT_EQ(refused.status, 2) << args;
    EXPECT_TRUE(contains(refused.err, "Run \"mousectl dpi --help\"")) << args;
  }
  const CommandRun help = run("dpi --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(contains(help.out, "--aim STEP"));
}

TEST_F(SettingsCommandsTest, WithoutAMouseTheCommandsSayNoDevice) {
  EXPECT_EQ(run("dpi", "none").status, 3);
  EXPECT_EQ(run("rate 500", "none").status, 3);
  EXPECT_EQ(run("led --effect 2", "none").status, 3);
}

TEST_F(SettingsCommandsTest, RateShowsAndTheSameRateRestartsNothing) {
  const CommandRun shown = run("rate");
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_EQ(shown.out, "report rate: 1000Hz\n");
  const CommandRun same = run("rate 1000");
  ASSERT_EQ(same.status, 0) << same.err;
  EXPECT_EQ(same.out, "report rate: 1000Hz (unchanged, no restart)\n");
  EXPECT_EQ(run("rate 300").status, 2);
  EXPECT_EQ(run("rate 500 250").status, 2);
}

TEST_F(SettingsCommandsTest, ANewRateRestartsTheMouseAndIsKept) {
  const CommandRun changed = run("rate 500Hz");
  ASSERT_EQ(changed.status, 0) << changed.err;
  EXPECT_EQ(changed.out, "report rate: 500Hz (the mouse was restarted)\n");
  EXPECT_GE(mousectl->clock.nowMs(), 17000) << "the restart was waited out";
  EXPECT_EQ(stored()[4], 0xEF);
  EXPECT_TRUE(storedSectionsValid());
  EXPECT_EQ(run("rate").out, "report rate: 500Hz\n");
}

TEST_F(SettingsCommandsTest, LedEffectUsesTheCodeOfTheLedType) {
  const CommandRun mcu = run("led --led-type MCULED --effect 3");
  ASSERT_EQ(mcu.status, 0) << mcu.err;
  EXPECT_EQ(stored()[165], 0x83);
  EXPECT_TRUE(contains(mcu.out, "effect:          3 Flow Light\n")) << mcu.out;
  ASSERT_EQ(run("led --led-type RGB --effect 3").status, 0);
  EXPECT_EQ(stored()[165], 0x82);
  EXPECT_TRUE(storedSectionsValid());
  EXPECT_TRUE(contains(run("led --led-type RGB").out, "effect:          3 Flow Light\n"));
}

TEST_F(SettingsCommandsTest, LedFlowSpeedAndBrightnessWriteTheFlowingLedBlock) {
  const CommandRun changed = run("led --led-type MCULED --flow-speed 5 --brightness half");
  ASSERT_EQ(changed.status, 0) << changed.err;
  EXPECT_EQ(hexRange(stored(), kFlowingLedOffset, 8), "05 00 00 00 00 00 00 5F");
  EXPECT_TRUE(contains(changed.out, "flow speed:      5\nbrightness:      half\n")) << changed.out;
}

// Without the LED type that stores them the page only shows the choice: saying it was
// set would be a failure reported as success.
TEST_F(SettingsCommandsTest, LedFlowSettingsWithoutALedTypeThatStoresThemAreRefused) {
  const auto before = stored();
  for (const char* args : {"led --flow-speed 5", "led --led-type RGB --brightness half"}) {
    const CommandRun refused = run(args);
    EXPECT_EQ(refused.status, 6) << args;
    EXPECT_TRUE(contains(refused.err, "is not stored with this LED type")) << refused.err;
  }
  EXPECT_EQ(stored(), before);
  EXPECT_EQ(run("led --led-type RGB --flow-speed 5").status, 0) << "RGB keeps it as step time";
}

TEST_F(SettingsCommandsTest, LedSpeedAndColourAreStored) {
  const CommandRun changed = run("led --speed 4 --colour 10 000001");
  ASSERT_EQ(changed.status, 0) << changed.err;
  EXPECT_EQ(stored()[56], 20);
  EXPECT_EQ(hexRange(stored(), 84, 3), "00 00 01");
  EXPECT_TRUE(storedSectionsValid());
  EXPECT_TRUE(contains(changed.out, "breathing speed: 4 (step time 20)\n")) << changed.out;
  EXPECT_TRUE(contains(changed.out, "colour 10:       000001\n")) << changed.out;
}

TEST_F(SettingsCommandsTest, LedSpeedDoesNotApplyToEffects6And7) {
  const CommandRun refused = run("led --effect 6 --speed 4");
  EXPECT_EQ(refused.status, 6);
  EXPECT_TRUE(contains(refused.err, "no breathing speed")) << refused.err;
  EXPECT_EQ(stored()[56], block[56]);
}

TEST_F(SettingsCommandsTest, LedRejectsBadArguments) {
  for (const char* args : {"--effect 8", "--effect 0", "--speed 11", "--flow-speed 8",
                           "--led-type XYZ", "--brightness dim", "--colour 11 FFFFFF", "--x"}) {
    const CommandRun refused = run(std::string("led ") + args);
    EXPECT_EQ(refused.status, 2) << args;
    EXPECT_TRUE(contains(refused.err, "Run \"mousectl led --help\"")) << args;
  }
}

}  // namespace
}  // namespace mousecfg::test
