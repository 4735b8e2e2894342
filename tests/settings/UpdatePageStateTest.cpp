#include "settings/UpdatePageState.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "base/WholeFile.h"
#include "support/FileFixtures.h"
#include "support/HexBytes.h"
#include "support/SimulatedCoreFixture.h"

namespace mousecfg::test {
namespace {

constexpr size_t kRecordAt = image::kPatchRecordOffset;

class UpdatePageStateTest : public SimulatedCoreFixture {
 protected:
  void SetUp() override {
    readDevice();
    core.shell.pageButtonClick(PageButton::Update);
    mouse.clearTrace();
    page.chooseFile = [this] { return choice; };
  }

  // A file of `length` bytes counting up from 0xA0.
  std::string writeCountingFile(const std::string& name, size_t length) {
    std::vector<uint8_t> bytes(length);
    std::iota(bytes.begin(), bytes.end(), uint8_t{0xA0});
    EXPECT_TRUE(writeWholeFile(folder.file(name), bytes));
    return folder.file(name);
  }
  std::string storedRecord() const { return hexRange(mouse.storedBlock(), kRecordAt, 16); }

  UpdatePageState& page = core.updatePage;
  TemporaryFolder folder;
  std::optional<std::string> choice;
};

TEST_F(UpdatePageStateTest, ProgramBeforeAFileIsChosenSendsNothing) {
  EXPECT_FALSE(page.Btn_ProgramClick().started());
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(mouse.restartCount(), 0);
}

TEST_F(UpdatePageStateTest, OpeningThePageAgainForgetsTheChosenFile) {
  choice = writeCountingFile("patch.bin", 2048);
  page.Btn_LoadBINClick();
  EXPECT_EQ(page.lbl_LoadBIN, *choice);
  core.shell.pageButtonClick(PageButton::Update);
  EXPECT_TRUE(page.lbl_LoadBIN.empty());
  mouse.clearTrace();
  EXPECT_FALSE(page.Btn_ProgramClick().started());
  EXPECT_TRUE(frames().empty());
}

TEST_F(UpdatePageStateTest, AWholeImageSendsOnlyItsFirst16BytesTo1008AndRestarts) {
  choice = writeCountingFile("image.bin", 2048);
  page.Btn_LoadBINClick();
  const TransferResult written = page.Btn_ProgramClick();
  EXPECT_TRUE(written.ok());
  const std::vector<std::string> commands = framesStartingWith("S 40");
  ASSERT_GE(commands.size(), 2u);
  EXPECT_EQ(commands[0], "S 40 07 03 F0 00 10 00 00");
  EXPECT_EQ(commands[1].substr(0, 10), "S 40 0E 00") << "then the restart";
  EXPECT_EQ(framesStartingWith("S 41").size(), 3u) << "16 bytes in 7-byte data frames";
  EXPECT_EQ(storedRecord(), "A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB AC AD AE AF");
  EXPECT_EQ(mouse.restartCount(), 1);
  EXPECT_TRUE(link.channel.isOpen()) << "found again after the restart";
}

TEST_F(UpdatePageStateTest, AShortFileReplacesOnlyItsLeadingBytes) {
  const std::string before = storedRecord();
  choice = writeCountingFile("short.bin", 5);
  page.Btn_LoadBINClick();
  ASSERT_TRUE(page.Btn_ProgramClick().ok());
  EXPECT_EQ(storedRecord(), "A0 A1 A2 A3 A4" + before.substr(14));
}

TEST_F(UpdatePageStateTest, AChosenFileWaitsForProgramOutsideTheImage) {
  const std::string before = hexBytes(link.image.patchRecord);
  choice = writeCountingFile("patch.bin", 16);
  page.Btn_LoadBINClick();
  EXPECT_TRUE(page.fileLoaded());
  EXPECT_EQ(hexBytes(link.image.patchRecord), before)
      << "another change of the record must not carry it to the mouse";
}

TEST_F(UpdatePageStateTest, AFileThatCannotBeReadIsToldAndNothingIsProgrammed) {
  choice = folder.file("missing.bin");
  page.Btn_LoadBINClick();
  ASSERT_EQ(host.texts.size(), 1u);
  EXPECT_NE(host.texts[0].find("could not be read"), std::string::npos) << host.texts[0];
  EXPECT_FALSE(page.fileLoaded());
  EXPECT_FALSE(page.Btn_ProgramClick().started());
  EXPECT_TRUE(frames().empty());
}

TEST_F(UpdatePageStateTest, ACancelledDialogChangesNothing) {
  page.Btn_LoadBINClick();
  EXPECT_TRUE(page.lbl_LoadBIN.empty());
  EXPECT_FALSE(page.fileLoaded());
}

TEST_F(UpdatePageStateTest, WithoutAMouseProgramDoesNothingSilently) {
  choice = writeCountingFile("patch.bin", 16);
  page.Btn_LoadBINClick();
  mouse.unplug();
  link.channel.closeAll();
  mouse.clearTrace();
  EXPECT_FALSE(page.Btn_ProgramClick().started());
  EXPECT_TRUE(host.texts.empty());
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace mousecfg::test
