#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "DefaultImage.h"
#include "cli/MousectlInFolder.h"
#include "support/FileFixtures.h"

namespace mousecfg::test {
namespace {

std::string imageText() {
  const auto image = builtInDefaultImage();
  return std::string(image.begin(), image.end());
}

// Where mousectl read -o puts the configuration, and where mousectl check takes it from:
// files, links, FIFOs, devices and the standard streams.
class FileTargetsTest : public ::testing::Test {
 protected:
  TemporaryFolder folder;
  MousectlInFolder mousectl{folder};
};

TEST_F(FileTargetsTest, ReadOntoALinkReplacesItsTargetAndKeepsTheLink) {
  const std::string target = folder.file("saved.bin");
  writeText(target, "old");
  const std::string link = folder.file("link.bin");
  std::filesystem::create_symlink("saved.bin", link);
  const MousectlRun run = mousectl.run("read -o " + link);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "wrote 2048 bytes to " + link + "\n");
  EXPECT_EQ(typeOf(link), static_cast<mode_t>(S_IFLNK));
  EXPECT_EQ(fileText(target), imageText());
}

TEST_F(FileTargetsTest, ReadOntoAFifoWritesThroughToItsReader) {
  const std::string fifo = folder.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  FifoReadEnd reader(fifo);
  const MousectlRun run = mousectl.run("read -o " + fifo);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(reader.available(), imageText());
  EXPECT_EQ(run.out, "") << "the report must not land among the bytes";
  EXPECT_EQ(run.err, "wrote 2048 bytes to " + fifo + "\n");
  EXPECT_EQ(typeOf(fifo), static_cast<mode_t>(S_IFIFO));
}

TEST_F(FileTargetsTest, ReadOntoAFifoWithoutAReaderFailsAtOnce) {
  const std::string fifo = folder.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const MousectlRun run = mousectl.run("read -o " + fifo);
  EXPECT_EQ(run.status, kExitFileError);
  EXPECT_EQ(run.err, "mousectl: cannot write " + fifo + ": it is a FIFO with no reader\n");
  EXPECT_EQ(typeOf(fifo), static_cast<mode_t>(S_IFIFO));
}

TEST_F(FileTargetsTest, ReadOntoDevNullWritesThroughAndLeavesTheDevice) {
  const MousectlRun run = mousectl.run("read -o /dev/null");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "wrote 2048 bytes to /dev/null\n");
  EXPECT_EQ(typeOf("/dev/null"), static_cast<mode_t>(S_IFCHR));
}

TEST_F(FileTargetsTest, ReadOntoAFullDeviceIsAFileError) {
  if (typeOf("/dev/full") != S_IFCHR) GTEST_SKIP() << "this system has no /dev/full";
  const MousectlRun run = mousectl.run("read -o /dev/full");
  EXPECT_EQ(run.status, kExitFileError);
  EXPECT_EQ(run.err,
            "mousectl: cannot write /dev/full: " + std::string(std::strerror(ENOSPC)) + "\n");
  EXPECT_EQ(typeOf("/dev/full"), static_cast<mode_t>(S_IFCHR));
}

TEST_F(FileTargetsTest, ReadOntoAFolderIsRefused) {
  const std::string target = folder.file("saved");
  std::filesystem::create_directories(target);
  const MousectlRun run = mousectl.run("read -o " + target);
  EXPECT_EQ(run.status, kExitFileError);
  EXPECT_EQ(run.err,
            "mousectl: cannot write " + target + ": it is a folder, which is never replaced\n");
  EXPECT_TRUE(std::filesystem::is_empty(target));
}

TEST_F(FileTargetsTest, ReadOntoADashWritesStandardOutput) {
  const MousectlRun run = mousectl.run("read -o -");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, imageText());
  EXPECT_EQ(run.err, "wrote 2048 bytes to standard output\n");
}

TEST_F(FileTargetsTest, CheckOnAFifoWithoutAWriterFailsAtOnce) {
  const std::string fifo = folder.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const MousectlRun run = mousectl.run("check " + fifo);
  EXPECT_EQ(run.status, kExitFileError);
  EXPECT_EQ(run.err, "mousectl: cannot read " + fifo + ": it is a FIFO with no writer\n");
}

TEST_F(FileTargetsTest, CheckReadsAFifoToItsWritersEnd) {
  const std::string fifo = folder.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const FifoReadEnd keeper(fifo);
  ASSERT_TRUE(fillFifo(fifo, imageText(), keeper));
  const MousectlRun run = mousectl.run("check " + fifo);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("all sections ok"), std::string::npos) << run.out;
}

TEST_F(FileTargetsTest, CheckOfADashReadsStandardInput) {
  mousectl.standardInput = imageText();
  const MousectlRun run = mousectl.run("check -");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("all sections ok"), std::string::npos) << run.out;
  mousectl.standardInput = imageText() + "x";
  const MousectlRun longer = mousectl.run("check -");
  EXPECT_EQ(longer.status, kExitFileError);
  EXPECT_EQ(longer.err, "mousectl: standard input is larger than 2048 bytes\n");
}

TEST_F(FileTargetsTest, CheckOfADashWithoutStandardInputIsAFileError) {
  const MousectlRun run = mousectl.run("check -");
  EXPECT_EQ(run.status, kExitFileError);
  EXPECT_EQ(run.err, "mousectl: there is no standard input to read\n");
}

}  // namespace
}  // namespace mousecfg::test
