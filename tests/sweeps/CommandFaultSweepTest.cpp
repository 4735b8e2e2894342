#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "base/WholeFile.h"
#include "cli/CliContext.h"
#include "device/SimulatedMouse.h"
#include "support/FileFixtures.h"
#include "support/HexBytes.h"
#include "support/VirtualClock.h"
#include "sweeps/SweptFault.h"

namespace mousecfg::test {
namespace {

namespace fs = std::filesystem;

// Lends the test's mouse to one mousectl run, so that the mouse outlives the run.
class LentMouse : public HidBackend {
 public:
  explicit LentMouse(SimulatedMouse& mouse) : mouse_(mouse) {}
  std::vector<HidCollectionInfo> enumerate() override { return mouse_.enumerate(); }
  int countCollections() override { return mouse_.countCollections(); }
  std::shared_ptr<HidHandle> open(const std::string& path, HidAccess access) override {
    return mouse_.open(path, access);
  }

 private:
  SimulatedMouse& mouse_;
};

struct CommandRun {
  int status = -1;
  std::string out;
  std::string err;
};

// mousectl in-process, as a user runs it, with a fault after every frame it sends:
// each run either did what it reports or exits non-zero with a message.
class CommandFaultSweep : public ::testing::TestWithParam<Fault> {
 protected:
  // A fresh healthy mouse, the fault armed after `frames` frames (none when negative).
  CommandRun run(const Arguments& words, int frames) {
    mouse = std::make_unique<SimulatedMouse>();
    if (frames >= 0) arm(*mouse, GetParam(), frames);
    std::ostringstream out;
    std::ostringstream err;
    // The lock folder is the test's own: parallel tests must not wait for each other.
    const std::string runtime = folder.path().string();
    CliContext context(
        out, err,
        [runtime](const char* name) {
          return std::string_view(name) == "XDG_RUNTIME_DIR" ? std::optional(runtime)
                                                             : std::optional<std::string>();
        },
        clock, [this] { return std::make_unique<LentMouse>(*mouse); });
    const int status = runMousectl(words, context);
    disarm(*mouse);
    return {status, out.str(), err.str()};
  }
  // How many frames the command sends to a mouse that does everything asked.
  int framesOfACleanRun(const Arguments& words) {
    const CommandRun clean = run(words, -1);
    EXPECT_EQ(clean.status, kExitOk) << clean.err;
    return mouse->framesSeen();
  }

  TemporaryFolder folder;
  VirtualClock clock;
  std::unique_ptr<SimulatedMouse> mouse;
};

// mousectl read -o FILE: exit 0 with the stored block in the file, or a non-zero exit
// with a message and no file at all.
TEST_P(CommandFaultSweep, ReadSavesTheWholeBlockOrNothing) {
  const fs::path file = folder.path() / "backup.bin";
  const Arguments words{"read", "-o", file.string()};
  const int total = framesOfACleanRun(words);
  EXPECT_EQ(total, 2 + 2 + 3 + 1 + 293);
  int held = 0;
  for (int n = 0; n <= total; ++n) {
    fs::remove(file);
    const CommandRun result = run(words, n);
    const std::optional<std::vector<uint8_t>> saved =
        fs::exists(file) ? std::optional(readWholeFile(file.string(), 4096).bytes)
                         : std::optional<std::vector<uint8_t>>();
    bool ok = false;
    if (result.status == kExitOk) {
      const auto stored = mouse->storedBlock();
      ok = saved && saved->size() == stored.size() &&
           (!losesFrames(GetParam()) || std::equal(stored.begin(), stored.end(), saved->begin()));
    } else {
      ok = !saved && result.err.starts_with("mousectl: ") && result.out.empty();
    }
    EXPECT_TRUE(ok) << "fault after " << n << " frames: exit " << result.status << ", "
                    << result.err;
    held += ok ? 1 : 0;
  }
  EXPECT_EQ(held, total + 1);
  RecordProperty("cases_held", held);
}

// mousectl button 6 "Middle Key": exit 0 with the change on the mouse, or a non-zero
// exit with a message.
TEST_P(CommandFaultSweep, ButtonIsOnTheMouseOrFailsWithAMessage) {
  const Arguments words{"button", "6", "Middle Key"};
  const int total = framesOfACleanRun(words);
  int held = 0;
  for (int n = 0; n <= total; ++n) {
    const CommandRun result = run(words, n);
    const std::string entry = hexRange(mouse->storedBlock(), 192 + 5 * 4, 4);
    const bool onTheMouse = entry == "01 04 00 00";
    bool ok = result.status == kExitOk ? onTheMouse && result.err.empty()
                                       : result.err.starts_with("mousectl");
    if (!losesFrames(GetParam()) && result.status == kExitOk) ok = result.err.empty();
    EXPECT_TRUE(ok) << "fault after " << n << " frames: exit " << result.status
                    << ", button 6 holds " << entry << ", " << result.err;
    held += ok ? 1 : 0;
  }
  EXPECT_EQ(held, total + 1);
  RecordProperty("cases_held", held);
}

// mousectl fire 1 --shots 9: exit 0 with the fire-key block and the buttons named after
// the key on the mouse, or a non-zero exit with a message.
TEST_P(CommandFaultSweep, FireKeyIsOnTheMouseOrFailsWithAMessage) {
  const Arguments words{"fire", "1", "--shots", "9"};
  const int total = framesOfACleanRun(words);
  int held = 0;
  for (int n = 0; n <= total; ++n) {
    const CommandRun result = run(words, n);
    const auto stored = mouse->storedBlock();
    const std::string shots = hexRange(stored, 292, 1);
    const std::string entry = hexRange(stored, 192 + 2 * 4, 4);
    const bool onTheMouse = shots == "08" && entry == "06 98 00 1E";
    bool ok = result.status == kExitOk ? onTheMouse && result.err.empty()
                                       : result.err.starts_with("mousectl");
    if (!losesFrames(GetParam()) && result.status == kExitOk) ok = result.err.empty();
    EXPECT_TRUE(ok) << "fault after " << n << " frames: exit " << result.status << ", shots byte "
                    << shots << ", button 3 holds " << entry << ", " << result.err;
    held += ok ? 1 : 0;
  }
  EXPECT_EQ(held, total + 1);
  RecordProperty("cases_held", held);
}

// mousectl gun 3 --y 6: exit 0 with gun 3's new Y in the stored gun table, or a non-zero
// exit with a message.
TEST_P(CommandFaultSweep, GunPresetIsOnTheMouseOrFailsWithAMessage) {
  const Arguments words{"gun", "3", "--y", "6"};
  const int total = framesOfACleanRun(words);
  int held = 0;
  for (int n = 0; n <= total; ++n) {
    const CommandRun result = run(words, n);
    const std::string y = hexRange(mouse->storedBlock(), 304 + 2 * 24 + 8, 1);
    bool ok = result.status == kExitOk ? y == "06" && result.err.empty()
                                       : result.err.starts_with("mousectl");
    if (!losesFrames(GetParam()) && result.status == kExitOk) ok = result.err.empty();
    EXPECT_TRUE(ok) << "fault after " << n << " frames: exit " << result.status << ", Y byte " << y
                    << ", " << result.err;
    held += ok ? 1 : 0;
  }
  EXPECT_EQ(held, total + 1);
  RecordProperty("cases_held", held);
}

INSTANTIATE_TEST_SUITE_P(EveryFrame, CommandFaultSweep,
                         ::testing::Values(Fault::Unplug, Fault::Refusal, Fault::Garbage),
                         faultCaseName);

}  // namespace
}  // namespace mousecfg::test
