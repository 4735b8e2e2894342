#include "base/WholeFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <csignal>
#include <cstring>
#include <sstream>

#include "support/FileFixtures.h"

namespace mousecfg::test {
namespace {

std::span<const uint8_t> bytesOf(const std::string& text) {
  return std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

std::string textOf(const FileContents& contents) {
  return std::string(contents.bytes.begin(), contents.bytes.end());
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The process's umask for as long as it lives.
class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : old_(::umask(mask)) {}
  ~ScopedUmask() { ::umask(old_); }

 private:
  mode_t old_;
};

class WholeFileWriteTest : public ::testing::Test {
 protected:
  TemporaryFolder folder;
};

TEST_F(WholeFileWriteTest, ARegularFileIsReplacedAndKeepsItsMode) {
  const std::string path = folder.file("mouse.bin");
  writeText(path, "old contents");
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  const FileWritten written = writeWholeFile(path, bytesOf("new"));
  ASSERT_TRUE(written) << written.error;
  EXPECT_FALSE(written.streamed);
  EXPECT_EQ(fileText(path), "new");
  EXPECT_EQ(permissionsOf(path), 0600u);
  EXPECT_EQ(folder.names(), std::vector<std::string>{"mouse.bin"}) << "no temporary file is left";
}

TEST_F(WholeFileWriteTest, ANewFileGetsTheUsualModeLessTheUmask) {
  const ScopedUmask mask(027);
  const std::string path = folder.file("new.bin");
  ASSERT_TRUE(writeWholeFile(path, bytesOf("abc")));
  EXPECT_EQ(fileText(path), "abc");
  EXPECT_EQ(permissionsOf(path), 0640u);
}

TEST_F(WholeFileWriteTest, ASymbolicLinkIsFollowedAndStaysALink) {
  std::filesystem::create_directories(folder.path() / "real");
  const std::string target = folder.file("real/mouse.bin");
  writeText(target, "old");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  const std::string link = folder.file("link.bin");
  std::filesystem::create_symlink("real/mouse.bin", link);
  const FileWritten written = writeWholeFile(link, bytesOf("through the link"));
  ASSERT_TRUE(written) << written.error;
  EXPECT_EQ(typeOf(link), static_cast<mode_t>(S_IFLNK));
  EXPECT_EQ(std::filesystem::read_symlink(link), "real/mouse.bin");
  EXPECT_EQ(fileText(target), "through the link");
  EXPECT_EQ(permissionsOf(target), 0640u);
  EXPECT_EQ(folder.names(), (std::vector<std::string>{"link.bin", "real"}));
  EXPECT_EQ(folder.names("real"), std::vector<std::string>{"mouse.bin"});
}

TEST_F(WholeFileWriteTest, ALinkToNothingYetCreatesItsTarget) {
  const std::string link = folder.file("link.bin");
  std::filesystem::create_symlink(folder.file("later.bin"), link);
  ASSERT_TRUE(writeWholeFile(link, bytesOf("created")));
  EXPECT_EQ(typeOf(link), static_cast<mode_t>(S_IFLNK));
  EXPECT_EQ(fileText(folder.file("later.bin")), "created");
}

TEST_F(WholeFileWriteTest, AFifoWithoutAReaderIsAnErrorRatherThanAWait) {
  const std::string fifo = folder.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const FileWritten written = writeWholeFile(fifo, bytesOf("lost"));
  EXPECT_FALSE(written);
  EXPECT_EQ(written.error, "cannot write " + fifo + ": it is a FIFO with no reader");
  EXPECT_EQ(typeOf(fifo), static_cast<mode_t>(S_IFIFO));
  EXPECT_EQ(folder.names(), std::vector<std::string>{"fifo"});
}

TEST_F(WholeFileWriteTest, AFifoWithAReaderIsWrittenThrough) {
  const std::string fifo = folder.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  FifoReadEnd reader(fifo);
  ASSERT_TRUE(reader.isOpen());
  const FileWritten written = writeWholeFile(fifo, bytesOf("to the reader"));
  ASSERT_TRUE(written) << written.error;
  EXPECT_TRUE(written.streamed);
  EXPECT_EQ(reader.available(), "to the reader");
  EXPECT_EQ(typeOf(fifo), static_cast<mode_t>(S_IFIFO));
}

TEST_F(WholeFileWriteTest, DevNullIsWrittenThroughAndStaysADevice) {
  const FileWritten written = writeWholeFile("/dev/null", bytesOf("gone"));
  ASSERT_TRUE(written) << written.error;
  EXPECT_TRUE(written.streamed);
  EXPECT_EQ(typeOf("/dev/null"), static_cast<mode_t>(S_IFCHR));
}

TEST_F(WholeFileWriteTest, AFullDeviceIsAnErrorAndStaysADevice) {
  if (typeOf("/dev/full") != S_IFCHR) GTEST_SKIP() << "this system has no /dev/full";
  const FileWritten written = writeWholeFile("/dev/full", bytesOf("no room"));
  EXPECT_FALSE(written);
  EXPECT_EQ(written.error, "cannot write /dev/full: " + std::string(std::strerror(ENOSPC)));
  EXPECT_EQ(typeOf("/dev/full"), static_cast<mode_t>(S_IFCHR));
}

TEST_F(WholeFileWriteTest, AFolderIsRefused) {
  const std::string path = folder.file("folder");
  std::filesystem::create_directories(path);
  const FileWritten written = writeWholeFile(path, bytesOf("x"));
  EXPECT_FALSE(written);
  EXPECT_EQ(written.error, "cannot write " + path + ": it is a folder, which is never replaced");
  EXPECT_TRUE(std::filesystem::is_empty(path));
  EXPECT_EQ(folder.names(), std::vector<std::string>{"folder"});
}

TEST_F(WholeFileWriteTest, ASocketIsRefused) {
  const std::string path = folder.file("socket");
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, path.c_str());
  ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  const FileWritten written = writeWholeFile(path, bytesOf("x"));
  ::close(fd);
  EXPECT_FALSE(written);
  EXPECT_EQ(written.error, "cannot write " + path + ": it is a socket, which is never replaced");
  EXPECT_EQ(typeOf(path), static_cast<mode_t>(S_IFSOCK));
}

// The child's verdict on a save that has to fail.
constexpr int kRefusedAsExpected = 0;
constexpr int kWrittenAnyway = 1;
constexpr int kRefusedOtherwise = 2;

int expectRefusal(const std::string& path, const std::string& reason) {
  const FileWritten written = writeWholeFile(path, bytesOf("new contents"));
  if (written) return kWrittenAnyway;
  return contains(written.error, path) && contains(written.error, reason) ? kRefusedAsExpected
                                                                          : kRefusedOtherwise;
}

TEST_F(WholeFileWriteTest, AReadOnlyFolderLeavesTheFileAndNoTemporaryFile) {
  std::filesystem::create_directories(folder.path() / "locked");
  const std::string path = folder.file("locked/mouse.bin");
  writeText(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(folder.file("locked").c_str(), 0555), 0);
  const int verdict = exitStatusOfChild([&] { return expectRefusal(path, std::strerror(EACCES)); },
                                        /*unprivileged=*/true);
  EXPECT_EQ(verdict, kRefusedAsExpected);
  EXPECT_EQ(fileText(path), "old");
  EXPECT_EQ(folder.names("locked"), std::vector<std::string>{"mouse.bin"});
}

TEST_F(WholeFileWriteTest, AReadOnlyFileIsNotReplaced) {
  std::filesystem::create_directories(folder.path() / "open");
  ASSERT_EQ(::chmod(folder.file("open").c_str(), 0777), 0);
  const std::string path = folder.file("open/mouse.bin");
  writeText(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  const int verdict = exitStatusOfChild([&] { return expectRefusal(path, std::strerror(EACCES)); },
                                        /*unprivileged=*/true);
  EXPECT_EQ(verdict, kRefusedAsExpected);
  EXPECT_EQ(fileText(path), "old");
  EXPECT_EQ(permissionsOf(path), 0444u);
  EXPECT_EQ(folder.names("open"), std::vector<std::string>{"mouse.bin"});
}

TEST_F(WholeFileWriteTest, AWriteCutShortLeavesTheOldFileAndNoTemporaryFile) {
  const std::string path = folder.file("mouse.bin");
  writeText(path, "old");
  // A file size limit makes the disk look full half-way through the write.
  const int verdict = exitStatusOfChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return kRefusedOtherwise;
    const FileWritten written = writeWholeFile(path, std::vector<uint8_t>(2048, 0x5A));
    if (written) return kWrittenAnyway;
    return written.error == "cannot write " + path + ": " + std::strerror(EFBIG)
               ? kRefusedAsExpected
               : kRefusedOtherwise;
  });
  EXPECT_EQ(verdict, kRefusedAsExpected);
  EXPECT_EQ(fileText(path), "old");
  EXPECT_EQ(folder.names(), std::vector<std::string>{"mouse.bin"});
}

TEST_F(WholeFileWriteTest, AMissingFolderIsAnError) {
  const std::string path = folder.file("missing/mouse.bin");
  const FileWritten written = writeWholeFile(path, bytesOf("x"));
  EXPECT_FALSE(written);
  EXPECT_EQ(written.error,
            "cannot create a file beside " + path + ": " + std::string(std::strerror(ENOENT)));
}

TEST(WholeStreamWrite, WritesTheBytesAndTellsAFailedStream) {
  std::ostringstream out;
  const FileWritten written = writeWholeStream(out, "standard output", bytesOf("abc"));
  EXPECT_TRUE(written);
  EXPECT_TRUE(written.streamed);
  EXPECT_EQ(out.str(), "abc");
  std::ostringstream broken;
  broken.setstate(std::ios::badbit);
  const FileWritten failed = writeWholeStream(broken, "standard output", bytesOf("abc"));
  EXPECT_FALSE(failed);
  EXPECT_EQ(failed.error, "cannot write standard output");
}

class WholeFileReadTest : public ::testing::Test {
 protected:
  TemporaryFolder folder;
};

TEST_F(WholeFileReadTest, AFileOfTheLargestSizeIsReadWhole) {
  const std::string path = folder.file("exact.bin");
  writeText(path, std::string(100, 'x'));
  const FileContents contents = readWholeFile(path, 100);
  ASSERT_TRUE(contents.ok) << contents.error;
  EXPECT_EQ(textOf(contents), std::string(100, 'x'));
}

TEST_F(WholeFileReadTest, AFileTooLongIsRefused) {
  const std::string path = folder.file("long.bin");
  writeText(path, std::string(101, 'x'));
  const FileContents contents = readWholeFile(path, 100);
  EXPECT_FALSE(contents.ok);
  EXPECT_TRUE(contents.bytes.empty());
  EXPECT_EQ(contents.error, path + " is larger than 100 bytes");
}

TEST_F(WholeFileReadTest, TheSizeTheSystemReportsIsNotTrusted) {
  // Files under /proc report a size of 0 and hold text all the same.
  const FileContents contents = readWholeFile("/proc/self/status", 1 << 20);
  ASSERT_TRUE(contents.ok) << contents.error;
  EXPECT_TRUE(contains(textOf(contents), "Pid:"));
}

TEST_F(WholeFileReadTest, AMissingFileSaysSo) {
  const std::string path = folder.file("missing.bin");
  const FileContents contents = readWholeFile(path, 100);
  EXPECT_FALSE(contents.ok);
  EXPECT_EQ(contents.systemError, ENOENT);
  EXPECT_EQ(contents.error, "cannot open " + path + ": " + std::string(std::strerror(ENOENT)));
}

TEST_F(WholeFileReadTest, AFifoWithoutAWriterIsAnErrorRatherThanAWait) {
  const std::string fifo = folder.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const FileContents contents = readWholeFile(fifo, 100);
  EXPECT_FALSE(contents.ok);
  EXPECT_EQ(contents.error, "cannot read " + fifo + ": it is a FIFO with no writer");
}

TEST_F(WholeFileReadTest, AFifoIsReadToTheEndOfWhatItsWriterWrote) {
  const std::string fifo = folder.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const FifoReadEnd keeper(fifo);
  ASSERT_TRUE(fillFifo(fifo, "from the writer", keeper));
  const FileContents contents = readWholeFile(fifo, 100);
  ASSERT_TRUE(contents.ok) << contents.error;
  EXPECT_EQ(textOf(contents), "from the writer");
}

TEST_F(WholeFileReadTest, AFifoHoldingTooMuchIsRefused) {
  const std::string fifo = folder.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const FifoReadEnd keeper(fifo);
  ASSERT_TRUE(fillFifo(fifo, std::string(101, 'x'), keeper));
  const FileContents contents = readWholeFile(fifo, 100);
  EXPECT_FALSE(contents.ok);
  EXPECT_EQ(contents.error, fifo + " is larger than 100 bytes");
}

TEST_F(WholeFileReadTest, OnlyRegularFilesWhenAsked) {
  const std::string fifo = folder.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const FileContents fromFifo = readWholeFile(fifo, 100, ReadFrom::RegularFileOnly);
  EXPECT_FALSE(fromFifo.ok);
  EXPECT_EQ(fromFifo.error, "cannot read " + fifo + ": it is a FIFO, not a regular file");
  const FileContents fromDevice = readWholeFile("/dev/null", 100, ReadFrom::RegularFileOnly);
  EXPECT_FALSE(fromDevice.ok);
  EXPECT_EQ(fromDevice.error,
            "cannot read /dev/null: it is a character device, not a regular file");
  const FileContents anyDevice = readWholeFile("/dev/null", 100);
  EXPECT_TRUE(anyDevice.ok) << anyDevice.error;
  EXPECT_TRUE(anyDevice.bytes.empty());
}

TEST_F(WholeFileReadTest, AFolderIsRefused) {
  const FileContents contents = readWholeFile(folder.path().string(), 100);
  EXPECT_FALSE(contents.ok);
  EXPECT_EQ(contents.error, "cannot read " + folder.path().string() + ": it is a folder");
}

TEST(WholeStreamRead, ReadsUpToTheLargestSize) {
  std::istringstream exact(std::string(100, 'x'));
  const FileContents whole = readWholeStream(exact, "standard input", 100);
  ASSERT_TRUE(whole.ok) << whole.error;
  EXPECT_EQ(whole.bytes.size(), 100u);
  std::istringstream longer(std::string(5000, 'x'));
  const FileContents refused = readWholeStream(longer, "standard input", 100);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.error, "standard input is larger than 100 bytes");
  EXPECT_EQ(longer.tellg(), 101) << "reads no more than it needs to tell";
}

}  // namespace
}  // namespace mousecfg::test
