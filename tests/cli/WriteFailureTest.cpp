#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "cli/CliContext.h"
#include "device/SimulatedMouse.h"

namespace mousecfg::test {
namespace {

// mousectl in-process on a simulated mouse the test holds, so the mouse can lose a
// frame in the middle of a command.
class WriteFailureTest : public ::testing::Test {
 protected:
  int mousectl(const Arguments& words) {
    out.str({});
    err.str({});
    CliContext context{out, err};
    context.environment = [](const char*) { return std::optional<std::string>(); };
    context.makeBackend = [this] {
      auto owned = std::make_unique<SimulatedMouse>(SimulatedMouse::Options{});
      mouse = owned.get();
      if (frameToRefuse >= 0) mouse->refuseOneFrameAfter(frameToRefuse);
      return owned;
    };
    return runMousectl(words, context);
  }

  std::ostringstream out;
  std::ostringstream err;
  SimulatedMouse* mouse = nullptr;
  int frameToRefuse = -1;
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
}

TEST_F(WriteFailureTest, WithoutALostFrameTheSameCommandSucceeds) {
  const int status = mousectl({"button", "6", "Middle Key"});
  EXPECT_EQ(status, kExitOk) << err.str();
  EXPECT_NE(out.str().find("Middle Key"), std::string::npos);
}

}  // namespace
}  // namespace mousecfg::test
