#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/CliContext.h"
#include "device/SimulatedMouse.h"
#include "support/FileFixtures.h"
#include "support/VirtualClock.h"

namespace mousecfg::test {
namespace {

// mousectl in-process on a simulated mouse the test holds, so the mouse can lose a
// frame in the middle of a command.
class WriteFailureTest : public ::testing::Test {
 protected:
  int mousectl(const Arguments& words) {
    out.str({});
    err.str({});
    CliContext context{out, err, processEnvironment, clock};
    context.environment = [runtime = runtime](const char* name) {
      return std::string_view(name) == "XDG_RUNTIME_DIR" ? std::optional(runtime)
                                                         : std::optional<std::string>();
    };
    context.makeBackend = [this] {
      auto owned = std::make_unique<SimulatedMouse>(SimulatedMouse::Options{},
                                                    [this] { return clock.nowMs(); });
      mouse = owned.get();
      if (frameToRefuse >= 0) mouse->refuseOneFrameAfter(frameToRefuse);
      if (unplugAfter >= 0) mouse->unplugAfterFrames(unplugAfter);
      return owned;
    };
    return runMousectl(words, context);
  }

  // A lock folder of the test's own, so that parallel tests never wait for each other.
  TemporaryFolder lockFolder;
  const std::string runtime = lockFolder.path().string();
  VirtualClock clock;  // a restart's wait costs nothing
  std::ostringstream out;
  std::ostringstream err;
  SimulatedMouse* mouse = nullptr;
  int frameToRefuse = -1;
  int unplugAfter = -1;
};

// Opening, the device information, the code read and the whole read take this many
// frames before the key tables' write command.
constexpr int kFramesBeforeTheWrite = 2 + 2 + 3 + 1 + 293;

TEST_F(WriteFailureTest, ARefusedKeyTableFrameIsAFailureWithAClearMessage) {
  frameToRefuse = kFramesBeforeTheWrite + 1 + 7;  // the eighth of the fourteen data frames
  const int status = mousectl({"button", "6", "Middle Key"});
  EXPECT_EQ(status, kExitNoDevice) << err.str();
  EXPECT_NE(err.str().find("did not store the new key tables"), std::string::npos) << err.str();
  EXPECT_EQ(out.str(), "") << "nothing claims the change was made";
  EXPECT_EQ(err.str().find("did not take the last change"), std::string::npos)
      << "the window's message is not printed besides mousectl's own";
}

TEST_F(WriteFailureTest, WithoutALostFrameTheSameCommandSucceeds) {
  const int status = mousectl({"button", "6", "Middle Key"});
  EXPECT_EQ(status, kExitOk) << err.str();
  EXPECT_NE(out.str().find("Middle Key"), std::string::npos);
}

TEST_F(WriteFailureTest, AReadCutShortAfterTheCodeReadSavesNothing) {
  const std::filesystem::path file =
      std::filesystem::path(::testing::TempDir()) / "mousecfg-cut-short-read.bin";
  std::filesystem::remove(file);
  unplugAfter = 2 + 2 + 3;  // opening, the device information and the code read
  const int status = mousectl({"read", "-o", file.string()});
  EXPECT_EQ(status, kExitNoDevice) << err.str();
  EXPECT_NE(err.str().find("stopped answering"), std::string::npos) << err.str();
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_EQ(out.str(), "");
}

// A mouse lost in its code read (after 5 or 6 frames) or in the whole read (after 300)
// is not accepted: the restore neither writes nor claims to have restored anything.
TEST_F(WriteFailureTest, ARestoreOfAMouseLostInItsDiscoveryRestoresNothing) {
  for (const int frames : {5, 6, 300}) {
    unplugAfter = frames;
    const int status = mousectl({"restore", "1", "--yes"});
    EXPECT_EQ(status, kExitNoDevice) << frames << ": " << err.str();
    EXPECT_EQ(out.str().find("restored"), std::string::npos) << frames << ": " << out.str();
    EXPECT_TRUE(err.str().starts_with("mousectl: ")) << frames;
  }
}

// Written whole and restarted, but lost again while it is found after the restart: the
// mouse may hold the defaults, but nothing was read back, so it is no success.
TEST_F(WriteFailureTest, ARestoreWhoseMouseIsLostAfterTheRestartIsNoSuccess) {
  unplugAfter = kFramesBeforeTheWrite + 1 + 293 + 1 + 5;
  const int status = mousectl({"restore", "1", "--yes"});
  EXPECT_NE(status, kExitOk) << err.str();
  EXPECT_EQ(out.str().find("read back"), std::string::npos) << out.str();
  EXPECT_TRUE(err.str().starts_with("mousectl: ")) << err.str();
}

TEST_F(WriteFailureTest, InfoOnAMouseLostInItsCodeReadDoesNotAcceptIt) {
  unplugAfter = 5;
  const int status = mousectl({"info"});
  EXPECT_EQ(status, kExitNoDevice) << err.str();
  EXPECT_EQ(out.str().find("accepted:          yes"), std::string::npos) << out.str();
}

}  // namespace
}  // namespace mousecfg::test
