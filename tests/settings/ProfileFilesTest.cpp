#include "settings/ProfileFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "base/WholeFile.h"
#include "support/FileFixtures.h"
#include "support/HexBytes.h"
#include "support/SimulatedCoreFixture.h"

namespace mousecfg::test {
namespace {

using Block = std::array<uint8_t, image::kImageLength>;
using Outcome = ProfileFiles::Outcome;

class ProfileFilesTest : public SimulatedCoreFixture {
 protected:
  void SetUp() override {
    readDevice();
    files.chooseSaveFile = [this] {
      ++dialogs;
      return choice;
    };
    files.chooseLoadFile = files.chooseSaveFile;
  }

  Block stored() const { return mouse.storedBlock(); }
  std::vector<uint8_t> fileBytes(const std::string& path) const {
    const std::string text = fileText(path);
    return {text.begin(), text.end()};
  }
  void writeFile(const std::string& path, std::span<const uint8_t> bytes) {
    ASSERT_TRUE(writeWholeFile(path, bytes));
  }
  std::vector<std::string> blockWrites() const { return framesStartingWith("S 40 07"); }

  ProfileFiles& files = core.profileFiles;
  TemporaryFolder folder;
  std::optional<std::string> choice;
  int dialogs = 0;
};

// --- Saving ---

TEST_F(ProfileFilesTest, TheSavedNameAlwaysGetsBinAppended) {
  EXPECT_EQ(ProfileFiles::savedFileName("/home/me/mouse"), "/home/me/mouse.bin");
  EXPECT_EQ(ProfileFiles::savedFileName("/home/me/x.bin"), "/home/me/x.bin.bin");
}

TEST_F(ProfileFilesTest, SavingWritesWhatTheMouseStoresNotUnsentEdits) {
  link.image.buffer[44] ^= 0xFF;  // an edit the mouse never took
  choice = folder.file("mouse");
  EXPECT_EQ(files.Btn_Save_0Click(), Outcome::Done);
  EXPECT_EQ(folder.names(), std::vector<std::string>{"mouse.bin"});
  const Block block = stored();
  EXPECT_EQ(fileBytes(folder.file("mouse.bin")), std::vector<uint8_t>(block.begin(), block.end()));
  EXPECT_EQ(hexBytes(link.image.buffer), hexBytes(block)) << "read again before saving";
}

TEST_F(ProfileFilesTest, ChoosingAnExistingBinFileLeavesItAndSavesBesideIt) {
  const std::vector<uint8_t> old{1, 2, 3};
  writeFile(folder.file("x.bin"), old);
  choice = folder.file("x.bin");
  EXPECT_EQ(files.Btn_Save_0Click(), Outcome::Done);
  EXPECT_EQ(fileBytes(folder.file("x.bin")), old);
  EXPECT_EQ(fileBytes(folder.file("x.bin.bin")).size(), image::kImageLength);
}

TEST_F(ProfileFilesTest, WithoutAMouseNeitherDialogOpensAndNoFileIsTouched) {
  mouse.unplug();
  link.channel.closeAll();
  choice = folder.file("mouse");
  EXPECT_EQ(files.Btn_Save_0Click(), Outcome::NoDevice);
  EXPECT_EQ(files.Btn_Load_0Click(), Outcome::NoDevice);
  EXPECT_EQ(dialogs, 0);
  EXPECT_EQ(host.messages, (std::vector<std::string>{"Str022", "Str022"}));
  EXPECT_TRUE(folder.names().empty());
  EXPECT_FALSE(link.batchFlag());
}

TEST_F(ProfileFilesTest, AFileThatCannotBeCreatedIsToldAndNothingIsLeft) {
  choice = folder.file("no-such-folder/mouse");
  EXPECT_EQ(files.Btn_Save_0Click(), Outcome::FileProblem);
  ASSERT_EQ(host.texts.size(), 1u);
  EXPECT_NE(host.texts[0].find("could not be saved"), std::string::npos) << host.texts[0];
  EXPECT_TRUE(folder.names().empty());
}

TEST_F(ProfileFilesTest, AReadThatLostFramesSavesNothing) {
  mouse.refuseFrames(true);
  choice = folder.file("mouse");
  EXPECT_EQ(files.Btn_Save_0Click(), Outcome::DeviceFailed);
  EXPECT_TRUE(folder.names().empty());
  EXPECT_EQ(host.texts.size(), 1u);
}

// --- Loading ---

TEST_F(ProfileFilesTest, LoadingTheMousesOwnFileWritesItBackUnchangedAndRestarts) {
  const Block before = stored();
  writeFile(folder.file("mouse.bin"), before);
  choice = folder.file("mouse.bin");
  EXPECT_EQ(files.Btn_Load_0Click(), Outcome::Done);
  EXPECT_EQ(hexBytes(stored()), hexBytes(before));
  EXPECT_EQ(blockWrites().size(), 1u) << "one block write of the whole image";
  EXPECT_EQ(mouse.restartCount(), 1);
  EXPECT_FALSE(link.batchFlag());
}

TEST_F(ProfileFilesTest, ALoadedFileReachesTheMouseAndThePages) {
  Block file = stored();
  file[44] = 0x74;  // DPI levels 1 and 2 on steps 5 and 8
  storeChecksum(std::span(file).subspan(image::kVendorOffset, image::kVendorLength));
  writeFile(folder.file("saved.bin"), file);
  EXPECT_EQ(files.loadFrom(folder.file("saved.bin")), Outcome::Done);
  EXPECT_EQ(stored()[44], 0x74);
  EXPECT_EQ(link.image.vendor[44], 0x74) << "read again after the restart";
}

TEST_F(ProfileFilesTest, AShortFileFillsOnlyItsLeadingPart) {
  const Block before = stored();
  writeFile(folder.file("short.bin"), std::vector<uint8_t>(100, 0x11));
  EXPECT_EQ(files.loadFrom(folder.file("short.bin")), Outcome::Done);
  const Block after = stored();
  EXPECT_TRUE(std::all_of(after.begin(), after.begin() + 100, [](uint8_t b) { return b == 0x11; }));
  EXPECT_EQ(hexRange(after, 100, 1948), hexRange(before, 100, 1948));
  EXPECT_TRUE(hasValidChecksum(std::span(link.image.vendor))) << "the cut section is repaired";
}

TEST_F(ProfileFilesTest, AKv204MouseRefusesAFileWithoutItsMarkAndNothingIsWritten) {
  link.connection.interfaceType = "KV204";
  Block file = stored();
  file[ProfileFiles::kKv204MarkOffset] = 0xE0;
  writeFile(folder.file("other.bin"), file);
  const Block imageBefore = link.image.buffer;
  choice = folder.file("other.bin");
  EXPECT_EQ(files.Btn_Load_0Click(), Outcome::Refused);
  EXPECT_EQ(host.texts, std::vector<std::string>{"Loading .bin is error!"});
  EXPECT_TRUE(blockWrites().empty());
  EXPECT_EQ(mouse.restartCount(), 0);
  EXPECT_EQ(hexBytes(link.image.buffer), hexBytes(imageBefore));
  EXPECT_FALSE(link.batchFlag());
}

TEST_F(ProfileFilesTest, ACancelledDialogOrAMissingFileLeavesEverythingAndClearsTheBatch) {
  const Block imageBefore = link.image.buffer;
  EXPECT_EQ(files.Btn_Load_0Click(), Outcome::Cancelled);
  EXPECT_FALSE(link.batchFlag());
  choice = folder.file("gone.bin");
  EXPECT_EQ(files.Btn_Load_0Click(), Outcome::FileProblem);
  EXPECT_FALSE(link.batchFlag());
  EXPECT_EQ(host.texts.size(), 1u);
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(hexBytes(link.image.buffer), hexBytes(imageBefore));
}

TEST_F(ProfileFilesTest, AMouseUnpluggedDuringTheWriteIsReported) {
  writeFile(folder.file("mouse.bin"), stored());
  mouse.unplugAfterFrames(20);
  EXPECT_EQ(files.loadFrom(folder.file("mouse.bin")), Outcome::DeviceFailed);
  EXPECT_FALSE(link.batchFlag());
}

}  // namespace
}  // namespace mousecfg::test
