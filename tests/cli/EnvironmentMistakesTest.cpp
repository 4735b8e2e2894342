#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "DefaultImage.h"
#include "cli/MousectlInFolder.h"
#include "support/FileFixtures.h"

namespace mousecfg::test {
namespace {

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// A mistake in mousectl's environment stops a command that talks to the mouse before it
// does anything, with a message and the status of wrong arguments.
class EnvironmentMistakesTest : public ::testing::Test {
 protected:
  TemporaryFolder folder;
  MousectlInFolder mousectl{folder};
};

TEST_F(EnvironmentMistakesTest, AnUnknownBackendIsTold) {
  mousectl.variables["MOUSECFG_BACKEND"] = "bogus";
  const MousectlRun run = mousectl.run("list");
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "mousectl: MOUSECFG_BACKEND=bogus is not known: \"sim\" selects the simulated mouse, "
            "\"hid\" (or nothing) the real devices, \"none\" no devices at all\n");
}

TEST_F(EnvironmentMistakesTest, CheckAndHelpDoNotNeedTheBackend) {
  mousectl.variables["MOUSECFG_BACKEND"] = "bogus";
  const auto image = builtInDefaultImage();
  writeText(folder.file("saved.bin"), std::string(image.begin(), image.end()));
  EXPECT_EQ(mousectl.run("check " + folder.file("saved.bin")).status, kExitOk);
  EXPECT_EQ(mousectl.run("read --help").status, kExitOk);
}

TEST_F(EnvironmentMistakesTest, NoneFindsNoMouse) {
  mousectl.variables["MOUSECFG_BACKEND"] = "none";
  const MousectlRun run = mousectl.run("info");
  EXPECT_EQ(run.status, kExitNoDevice);
  EXPECT_FALSE(contains(run.err, "MOUSECFG_BACKEND")) << run.err;
}

TEST_F(EnvironmentMistakesTest, AnUnwritableTraceFileIsTold) {
  const std::string trace = folder.file("missing/trace.txt");
  mousectl.variables["MOUSECFG_TRACE"] = trace;
  const MousectlRun run = mousectl.run("info");
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_EQ(run.err, "mousectl: MOUSECFG_TRACE: cannot write " + trace + ": " +
                         std::strerror(ENOENT) + "\n");
}

TEST_F(EnvironmentMistakesTest, ATraceFifoWithoutAReaderIsToldWithoutWaiting) {
  const std::string fifo = folder.file("trace");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  mousectl.variables["MOUSECFG_TRACE"] = fifo;
  const MousectlRun run = mousectl.run("list");
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_EQ(run.err,
            "mousectl: MOUSECFG_TRACE: cannot write " + fifo + ": it is a FIFO with no reader\n");
}

TEST_F(EnvironmentMistakesTest, ASimFileOfAnotherSizeIsToldAndLeftAsItIs) {
  const std::string simFile = folder.file("mouse.bin");
  writeText(simFile, std::string(100, 'x'));
  const MousectlRun run = mousectl.run("button 6 'Middle Key'");
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "mousectl: MOUSECFG_SIM_FILE cannot be used: " + simFile +
                         " holds 100 bytes; a stored block has exactly 2048\n");
  EXPECT_EQ(fileText(simFile), std::string(100, 'x'));
}

TEST_F(EnvironmentMistakesTest, ASimFileThatIsAFifoIsToldWithoutWaiting) {
  const std::string fifo = folder.file("mouse.bin");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const MousectlRun run = mousectl.run("list");
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_EQ(run.err, "mousectl: MOUSECFG_SIM_FILE cannot be used: cannot read " + fifo +
                         ": it is a FIFO, not a regular file\n");
  EXPECT_EQ(typeOf(fifo), static_cast<mode_t>(S_IFIFO));
}

TEST_F(EnvironmentMistakesTest, ABlockThatCannotBeSavedIsAFileError) {
  // /proc/self takes no new files, not even from root.
  mousectl.variables["MOUSECFG_SIM_FILE"] = "/proc/self/mousecfg-block.bin";
  const MousectlRun run = mousectl.run("button 6 'Middle Key'");
  EXPECT_EQ(run.status, kExitFileError);
  EXPECT_TRUE(contains(run.err,
                       "mousectl: the simulated mouse could not save its stored block: cannot "
                       "create a file beside /proc/self/mousecfg-block.bin: "))
      << run.err;
}

}  // namespace
}  // namespace mousecfg::test
