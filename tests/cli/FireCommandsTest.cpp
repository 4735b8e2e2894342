#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>

#include "DefaultImage.h"
#include "cli/InProcessMousectl.h"
#include "device/ConfigImage.h"
#include "device/ImageMap.h"
#include "device/SimulatedMouse.h"
#include "device/StoredBlockFile.h"
#include "support/FileFixtures.h"
#include "support/HexBytes.h"
#include "support/VirtualClock.h"

namespace mousecfg::test {
namespace {

using namespace image;
using nlohmann::json;

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Gun k's record in the stored block.
size_t gunAt(int gun) {
  return kGunTableOffset + kGunRecordLength * static_cast<size_t>(gun - 1);
}

// mousectl fire, gun and button with gun names, on the simulated mouse whose stored
// block lives in the test's folder, starting from the built-in default configuration.
class FireCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { store(builtInDefaultImage()); }

  void store(const StoredBlock& block) { ASSERT_TRUE(saveStoredBlockFile(simFile(), block)); }
  StoredBlock stored() const { return loadStoredBlockFile(simFile()).value_or(StoredBlock{}); }
  std::string simFile() const { return folder.file("stored.bin"); }
  std::string write(const std::string& name, const std::string& text) {
    std::ofstream(folder.file(name)) << text;
    return folder.file(name);
  }
  CommandRun run(const std::string& words) { return mousectl.run(words); }

  // The offsets where the stored block now differs from `before`.
  std::set<size_t> changedSince(const StoredBlock& before) const {
    const StoredBlock now = stored();
    std::set<size_t> changed;
    for (size_t at = 0; at < now.size(); ++at)
      if (now[at] != before[at]) changed.insert(at);
    return changed;
  }
  // Runs a command that must be refused with `status` and checks that it sent nothing.
  std::string refused(const std::string& words, int status) {
    const StoredBlock before = stored();
    const CommandRun result = run(words);
    EXPECT_EQ(result.status, status) << words << ": " << result.err;
    EXPECT_TRUE(result.out.empty()) << words << ": " << result.out;
    EXPECT_EQ(hexBytes(stored()), hexBytes(before)) << words << " changed the mouse";
    return result.err;
  }

  TemporaryFolder folder;
  InProcessMousectl mousectl{folder.file("stored.bin"), folder.path()};
};

// ---- fire ----

TEST_F(FireCommandsTest, FireListsTheKeysWithTheButtonsThatUseThem) {
  const CommandRun shown = run("fire");
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_EQ(shown.out,
            "fire key 1 (Fire Key1): 3 shots, 30 ms apart, continuous on\n"
            "  used by: profile 1 button 3, profile 2 button 3\n"
            "fire key 2 (Fire Key2): 5 shots, 30 ms apart, continuous off\n"
            "  used by: no button\n"
            "fire key 3 (Fire Key3): 8 shots, 30 ms apart, continuous off\n"
            "  used by: no button\n");
  EXPECT_EQ(hexBytes(stored()), hexBytes(builtInDefaultImage())) << "showing sends nothing";
}

TEST_F(FireCommandsTest, FireJsonHoldsEachKeyAndItsButtons) {
  const CommandRun shown = run("fire --json");
  ASSERT_EQ(shown.status, 0) << shown.err;
  const json keys = json::parse(shown.out)["fire_keys"];
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0]["name"], "Fire Key1");
  EXPECT_EQ(keys[0]["shots"], 3);
  EXPECT_EQ(keys[0]["interval_ms"], 30);
  EXPECT_EQ(keys[0]["continuous"], true);
  EXPECT_EQ(keys[0]["buttons"],
            json::parse(R"([{"profile":1,"button":3},{"profile":2,"button":3}])"));
  EXPECT_EQ(keys[2]["shots"], 8);
  EXPECT_TRUE(keys[2]["buttons"].empty());
  EXPECT_EQ(json::parse(run("fire 2 --json").out)["fire_keys"].size(), 1u) << "the key asked for";
}

TEST_F(FireCommandsTest, AFireKeyChangeReencodesTheButtonsNamedAfterIt) {
  ASSERT_EQ(run("button 6 'Fire Key2'").status, 0);
  EXPECT_EQ(hexRange(stored(), kProfile1Offset + 20, 4), "06 14 00 1E");
  const StoredBlock before = stored();
  const CommandRun changed = run("fire 2 --shots 5 --interval 40");
  ASSERT_EQ(changed.status, 0) << changed.err;
  EXPECT_EQ(hexRange(stored(), kProfile1Offset + 20, 4), "06 14 00 28");
  EXPECT_EQ(hexRange(stored(), kFireKeyOffset + 5, 3), "04 00 28");
  // The entry's interval byte, profile 1's checksum and the key's interval in the block.
  EXPECT_EQ(changedSince(before),
            (std::set<size_t>{kProfile1Offset + 23, kProfile1Offset + 48, kFireKeyOffset + 7}));
  EXPECT_EQ(changed.out,
            "fire key 2 (Fire Key2): 5 shots, 40 ms apart, continuous off\n"
            "  used by: profile 1 button 6\n");
}

TEST_F(FireCommandsTest, OptionsNotGivenKeepTheKeysValues) {
  const CommandRun changed = run("fire 1 --continuous off");
  ASSERT_EQ(changed.status, 0) << changed.err;
  EXPECT_EQ(hexRange(stored(), kProfile1Offset + 8, 4), "06 12 00 1E");
  EXPECT_EQ(hexRange(stored(), kProfile2Offset + 8, 4), "06 12 00 1E");
  EXPECT_EQ(hexRange(stored(), kFireKeyOffset + 2, 9),
            hexRange(builtInDefaultImage(), kFireKeyOffset + 2, 9));
  ASSERT_EQ(run("fire 1 --shots 15 --continuous on").status, 0);
  EXPECT_EQ(hexRange(stored(), kProfile2Offset + 8, 4), "06 9E 00 1E");
  EXPECT_TRUE(contains(run("fire 1").out, "15 shots, 30 ms apart, continuous on"));
}

TEST_F(FireCommandsTest, FireValuesOutsideTheirRangesAreRefusedBeforeAnythingIsSent) {
  EXPECT_TRUE(contains(refused("fire 2 --shots 16", 2), "--shots takes 1..15, not \"16\""));
  EXPECT_TRUE(contains(refused("fire 2 --shots 0", 2), "--shots takes 1..15"));
  EXPECT_TRUE(contains(refused("fire 2 --interval 4095", 2),
                       "--interval takes 1..4094 (ms), not \"4095\""));
  EXPECT_TRUE(contains(refused("fire 2 --interval 0", 2), "--interval takes 1..4094"));
  EXPECT_TRUE(contains(refused("fire 2 --continuous yes", 2), "--continuous takes on or off"));
  EXPECT_TRUE(contains(refused("fire 4 --shots 3", 2), "no fire key \"4\""));
  EXPECT_TRUE(contains(refused("fire --shots 3", 2), "give the fire key to change"));
}

// ---- gun ----

TEST_F(FireCommandsTest, GunListsTheSevenPresetsDecoded) {
  const CommandRun shown = run("gun");
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_TRUE(contains(shown.out,
                       "gun  name          shots     X     Y  X offset  Y offset  delay  colour\n"
                       "  1  AKM Fire          0     0     7         0         0     20  00FF00\n"
                       "  2  M16 Fire          0     0    12         0         0      1  FF0000\n"))
      << shown.out;
  EXPECT_TRUE(contains(shown.out,
                       "  6  TOMPSON Fire      0     0    10         0         0     16  FF8000\n"))
      << shown.out;
  const json guns = json::parse(run("gun --json").out)["guns"];
  ASSERT_EQ(guns.size(), 7u);
  EXPECT_EQ(guns[2]["name"], "M4 Fire");
  EXPECT_EQ(guns[2]["y"], 5);
  EXPECT_EQ(guns[2]["delay_ms"], 16);
  EXPECT_EQ(guns[6]["colour"], "FF00FF");
  const StoredBlock block = builtInDefaultImage();
  EXPECT_EQ(guns[2]["bytes"].get<std::vector<int>>(),
            std::vector<int>(block.begin() + static_cast<long>(gunAt(3)),
                             block.begin() + static_cast<long>(gunAt(4))));
}

TEST_F(FireCommandsTest, AGunIsChosenByNumberOrName) {
  const CommandRun byNumber = run("gun 3");
  ASSERT_EQ(byNumber.status, 0) << byNumber.err;
  EXPECT_EQ(
      byNumber.out,
      "gun 3: M4 Fire\n  shots:     0\n  X:         0\n  Y:         5\n"
      "  X offset:  0\n  Y offset:  0\n  delay:     16 ms\n  colour:    0000FF\n"
      "  bytes:     A1 FE 00 06 FD 00 04 00 05 FE 00 10 FC 21 FE 00 06 00 00 00 00 00 00 00\n");
  EXPECT_EQ(run("gun 'm4 fire'").out, byNumber.out);
  EXPECT_TRUE(contains(refused("gun 8", 2), "no gun \"8\"; the guns are 1..7 or their names"));
  EXPECT_TRUE(contains(refused("gun 0 --y 3", 2), "no gun \"0\""));
  EXPECT_TRUE(contains(refused("gun 'M4 Fir'", 2), "did you mean \"M4 Fire\"?"));
}

TEST_F(FireCommandsTest, GunYChangesOnlyTheYByteOfThatGun) {
  const CommandRun changed = run("gun 3 --y 6");
  ASSERT_EQ(changed.status, 0) << changed.err;
  EXPECT_EQ(changedSince(builtInDefaultImage()), std::set<size_t>{gunAt(3) + 8});
  EXPECT_EQ(stored()[gunAt(3) + 8], 0x06);
  EXPECT_TRUE(contains(changed.out, "  Y:         6\n")) << changed.out;
}

TEST_F(FireCommandsTest, GunFieldsColourAndOffsetsReachTheirBytes) {
  const CommandRun changed =
      run("gun 3 --shots 4 --x -3 --y 6 --delay 300 --colour 00FFFF --x-offset 2 --y-offset=-7");
  ASSERT_EQ(changed.status, 0) << changed.err;
  const StoredBlock now = stored();
  EXPECT_EQ(hexRange(now, gunAt(3), 13), "A1 FE 00 06 FD 04 04 FD 06 FE 01 2C FC");
  EXPECT_EQ(hexRange(now, kColourTableOffset + 6, 3), "00 FF FF");
  EXPECT_EQ(hexRange(now, kUserOffset + kUserXOffsets + 2, 1), "02");
  EXPECT_EQ(hexRange(now, kUserOffset + kUserYOffsets + 2, 1), "F9");
  EXPECT_TRUE(hasValidChecksum(std::span(now).subspan(kVendorOffset, kVendorLength)));
  EXPECT_TRUE(hasValidChecksum(std::span(now).subspan(kUserOffset, kUserLength)));
  EXPECT_EQ(hexRange(now, gunAt(4), kGunRecordLength),
            hexRange(builtInDefaultImage(), gunAt(4), kGunRecordLength));
}

TEST_F(FireCommandsTest, AnAxisAndItsOffsetGivenTogetherAreNotClippedOnTheWay) {
  ASSERT_EQ(run("gun 3 --x-offset 50").status, 0);
  // X 100 against the old offset 50 would be clipped to 77; with the new offset it fits.
  const CommandRun changed = run("gun 3 --x 100 --x-offset -20");
  ASSERT_EQ(changed.status, 0) << changed.err;
  EXPECT_EQ(stored()[gunAt(3) + 7], 100);
  EXPECT_EQ(stored()[kUserOffset + kUserXOffsets + 2], 0xEC);
}

TEST_F(FireCommandsTest, AnAxisBeyondWhatItsOffsetAllowsIsRefused) {
  EXPECT_TRUE(
      contains(refused("gun 3 --x 100 --x-offset 50", 2), "--x and --x-offset make 150 together"));
  ASSERT_EQ(run("gun 3 --y-offset=-100").status, 0);
  EXPECT_TRUE(contains(refused("gun 3 --y -30", 6),
                       "Y -30 with the offset -100 makes -130; an axis and its offset stay within "
                       "-128..127; nothing was changed"));
}

TEST_F(FireCommandsTest, GunValuesOutsideTheirRangesAreRefusedBeforeAnythingIsSent) {
  EXPECT_TRUE(contains(refused("gun 3 --shots 256", 2), "--shots takes 0..255, not \"256\""));
  EXPECT_TRUE(contains(refused("gun 3 --x 128", 2), "--x takes -128..127, not \"128\""));
  EXPECT_TRUE(contains(refused("gun 3 --y-offset=-129", 2), "--y-offset takes -128..127"));
  EXPECT_TRUE(contains(refused("gun 3 --delay 65536", 2), "--delay takes 0..65535 (ms)"));
  EXPECT_TRUE(contains(refused("gun 3 --colour 00FFFG", 2), "six hexadecimal digits RRGGBB"));
  EXPECT_TRUE(contains(refused("gun 3 --keep-left on", 2), "give the button with --button N"));
  EXPECT_TRUE(contains(refused("gun 3 --button 13", 2), "buttons are numbered 1..12"));
  EXPECT_TRUE(contains(refused("gun --y 6", 2), "give the gun"));
  EXPECT_TRUE(contains(refused("gun 3 --export-text --y 6", 2), "takes no changes"));
  EXPECT_TRUE(contains(refused("gun 3 -o x.txt", 2), "--output goes with --export-text"));
}

TEST_F(FireCommandsTest, ConfirmPutsTheGunOnAGameModeButtonWithKeepLeft) {
  const CommandRun changed = run("gun 3 --button 6 --keep-left on");
  ASSERT_EQ(changed.status, 0) << changed.err;
  EXPECT_EQ(hexRange(stored(), kProfile2Offset + 20, 4), "0B 12 01 00");
  EXPECT_TRUE(contains(changed.out, "profile 2 button 6: M4 Fire (0B120100)\n")) << changed.out;
  EXPECT_EQ(hexRange(stored(), kProfile1Offset, kProfileLength),
            hexRange(builtInDefaultImage(), kProfile1Offset, kProfileLength));
}

TEST_F(FireCommandsTest, ExportedTextReadBackLeavesEveryGunsBytesAsTheyWere) {
  for (int gun = 1; gun <= 7; ++gun) {
    const std::string file = folder.file("gun" + std::to_string(gun) + ".txt");
    const CommandRun exported = run("gun " + std::to_string(gun) + " --export-text -o " + file);
    ASSERT_EQ(exported.status, 0) << exported.err;
    const CommandRun imported = run("gun " + std::to_string(gun) + " --from-text " + file);
    ASSERT_EQ(imported.status, 0) << imported.err;
  }
  EXPECT_EQ(hexBytes(stored()), hexBytes(builtInDefaultImage()));
  const CommandRun text = run("gun 1 --export-text");
  EXPECT_EQ(text.out,
            "# AKM Fire\ndown left\ndelay 6\nrepeat 0 {\n  move 0 7\n  delay 20\n}\nup left\n"
            "delay 6\n");
}

TEST_F(FireCommandsTest, ATextBecomesTheGunsRecordInTheMouse) {
  const std::string file =
      write("burst.txt", "down left\nrepeat 3 {\n  move 1 -2\n  delay 300\n}\nup left\n");
  const CommandRun imported = run("gun 7 --from-text " + file);
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(hexRange(stored(), gunAt(7), kGunRecordLength),
            "A1 FD 03 04 01 FE FE 01 2C FC 21 00 00 00 00 00 00 00 00 00 00 00 00 00");
  EXPECT_TRUE(contains(imported.out, "  shots:     3\n  X:         1\n  Y:         -2\n"))
      << imported.out;
  std::set<size_t> record;
  for (size_t at = gunAt(7); at < gunAt(7) + kGunRecordLength; ++at) record.insert(at);
  const std::set<size_t> changed = changedSince(builtInDefaultImage());
  EXPECT_TRUE(std::includes(record.begin(), record.end(), changed.begin(), changed.end()))
      << "only gun 7's record changed";
}

TEST_F(FireCommandsTest, ATextWithAMistakeIsToldWithFileLineAndColumnAndSendsNothing) {
  const std::string file = write("bad.txt", "down left\nrepeat 3 {\n  move 1 200\n}\n");
  EXPECT_EQ(refused("gun 7 --from-text " + file, 2),
            "mousectl: " + file +
                ", line 3, column 10: Y is a whole number from -128 to 127, not \"200\"\n");
  EXPECT_TRUE(contains(refused("gun 7 --from-text " + folder.file("missing.txt"), 5), "missing"));
  EXPECT_TRUE(contains(refused("gun 7 --from-text " + file + " --y 3", 2),
                       "--y edits the preset that --from-text replaces"));
}

TEST_F(FireCommandsTest, AFieldThePresetDoesNotHoldIsRefused) {
  ASSERT_EQ(run("gun 5 --from-text " + write("clicks.txt", "click left\ndelay 5\n")).status, 0);
  EXPECT_TRUE(contains(refused("gun 5 --x 3", 6), "gun 5's preset holds no move for --x to set"));
  EXPECT_TRUE(contains(refused("gun 5 --shots 3", 6), "holds no repeat block for --shots"));
  EXPECT_TRUE(contains(refused("gun 5 --delay 3", 6), "holds no delay after its move"));
}

TEST_F(FireCommandsTest, ARecordWithoutATextFormIsNotExported) {
  StoredBlock block = builtInDefaultImage();
  block[gunAt(5) + 20] = 0x77;  // after the end byte
  store(block);
  const CommandRun exported = run("gun 5 --export-text");
  EXPECT_EQ(exported.status, 6);
  EXPECT_EQ(exported.err,
            "mousectl: gun 5 (SCAR-L Fire) has no text form: byte 77 at position 20 follows the "
            "end byte; after it the gun preset's bytes are zero\n");
  EXPECT_TRUE(exported.out.empty());
}

// ---- gun presets on buttons ----

TEST_F(FireCommandsTest, AGunNameIsAGameModeFunctionOfTheButtonCommand) {
  const CommandRun set = run("button 4 'M4 Fire' --profile 2");
  ASSERT_EQ(set.status, 0) << set.err;
  EXPECT_EQ(set.out, "profile 2 button 4: M4 Fire (0B020100)\n");
  EXPECT_EQ(hexRange(stored(), kProfile2Offset + 12, 4), "0B 02 01 00");
  ASSERT_EQ(run("button 5 'uzi fire' -p 2 --keep-left on").status, 0);
  EXPECT_EQ(hexRange(stored(), kProfile2Offset + 16, 4), "0B 16 01 00");
}

TEST_F(FireCommandsTest, AGunEntryTakesTheComboByteOfTheFireMacroEntries) {
  StoredBlock block = builtInDefaultImage();
  const uint8_t gunEntry[] = {0x0B, 0x01, 0x01, 0x08};  // gun 2 with combo byte 8
  std::copy(std::begin(gunEntry), std::end(gunEntry), block.begin() + kProfile1Offset + 24);
  storeChecksum(std::span(block).subspan(kProfile1Offset, kProfileLength));
  store(block);
  ASSERT_EQ(run("button 4 'M4 Fire' -p 2").status, 0);
  EXPECT_EQ(hexRange(stored(), kProfile2Offset + 12, 4), "0B 02 01 08");
}

TEST_F(FireCommandsTest, AGunPresetOnProfile1IsRefused) {
  const std::string error = refused("button 4 'M4 Fire'", 2);
  EXPECT_TRUE(contains(error,
                       "\"M4 Fire\" is a gun preset, a function of \"Game Mode\": give it "
                       "to a button of profile 2 (--profile 2)"))
      << error;
  EXPECT_TRUE(contains(refused("button 4 'Middle Key' --keep-left on", 2),
                       "--keep-left goes with a gun preset"));
  EXPECT_TRUE(contains(refused("button 4 'M4 Fire' -p 2 --keep-left maybe", 2),
                       "--keep-left takes on or off"));
  EXPECT_TRUE(contains(refused("button 4 'M4 Fier' -p 2", 2), "did you mean: \"M4 Fire\""));
}

// ---- the mouse refusing a frame ----

// mousectl in-process on a simulated mouse the test holds, which loses one frame.
class FireWriteFailureTest : public ::testing::Test {
 protected:
  CommandRun mousectl(const Arguments& words, int frameToRefuse) {
    std::ostringstream out;
    std::ostringstream err;
    CliContext context{out, err, processEnvironment, clock};
    context.environment = [runtime = folder.path().string()](const char* name) {
      return std::string_view(name) == "XDG_RUNTIME_DIR" ? std::optional(runtime)
                                                         : std::optional<std::string>();
    };
    context.makeBackend = [this, frameToRefuse] {
      auto owned = std::make_unique<SimulatedMouse>(SimulatedMouse::Options{},
                                                    [this] { return clock.nowMs(); });
      owned->refuseOneFrameAfter(frameToRefuse);
      return owned;
    };
    CommandRun result;
    result.status = runMousectl(words, context);
    result.out = out.str();
    result.err = err.str();
    return result;
  }

  TemporaryFolder folder;
  VirtualClock clock;
};

// Opening, the device information, the code read and the whole read.
constexpr int kFramesOfTheRead = 2 + 2 + 3 + 1 + 293;

TEST_F(FireWriteFailureTest, AFireKeyChangeTheMouseRefusedIsAFailure) {
  const CommandRun result = mousectl({"fire", "1", "--shots", "9"}, kFramesOfTheRead + 3);
  EXPECT_EQ(result.status, kExitNoDevice) << result.err;
  EXPECT_EQ(result.err, "mousectl fire: the mouse did not take the new fire keys\n");
  EXPECT_EQ(result.out, "") << "nothing claims the change was made";
}

TEST_F(FireWriteFailureTest, AGunChangeTheMouseRefusedIsAFailure) {
  for (const int sent : {1, 12, 40}) {
    const CommandRun result = mousectl({"gun", "3", "--y", "6"}, kFramesOfTheRead + sent);
    EXPECT_EQ(result.status, kExitNoDevice) << sent << ": " << result.err;
    EXPECT_EQ(result.err, "mousectl gun: the mouse did not take the new gun presets\n") << sent;
    EXPECT_EQ(result.out, "") << sent;
  }
}

}  // namespace
}  // namespace mousecfg::test
