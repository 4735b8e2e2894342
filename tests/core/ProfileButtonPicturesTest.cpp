#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/MainWindowState.h"
#include "support/FileFixtures.h"
#include "support/SimulatedCoreFixture.h"

namespace mousecfg::test {
namespace {

using Outcome = ProfileFiles::Outcome;

// "Save Profile" and "Load Profile" show the selected picture while their action runs
// and the normal one once it has ended, whichever way it ended.
class ProfileButtonPicturesTest : public SimulatedCoreFixture {
 protected:
  void SetUp() override {
    readDevice();
    core.profileFiles.chooseSaveFile = [this] { return choose(state.saveButtonPicture); };
    core.profileFiles.chooseLoadFile = [this] { return choose(state.loadButtonPicture); };
  }

  // The dialog notes which pictures the window showed while it was open.
  std::optional<std::string> choose(const std::string& pressed) {
    whileChoosing.push_back(pressed);
    untouchedWhileChoosing.push_back(
        &pressed == &state.saveButtonPicture ? state.loadButtonPicture : state.saveButtonPicture);
    refreshesBeforeDialog = host.windowRefreshes;
    return choice;
  }
  void expectBothNormal() const {
    EXPECT_EQ(state.saveButtonPicture, "SetS_01");
    EXPECT_EQ(state.loadButtonPicture, "SetS_01");
  }

  MainWindowState& state = core.shell;
  TemporaryFolder folder;
  std::optional<std::string> choice;
  std::vector<std::string> whileChoosing;
  std::vector<std::string> untouchedWhileChoosing;
  int refreshesBeforeDialog = 0;
};

TEST_F(ProfileButtonPicturesTest, BothStartNormal) {
  expectBothNormal();
}

TEST_F(ProfileButtonPicturesTest, SavingShowsTheSelectedPictureUntilTheFileIsWritten) {
  const int refreshesBefore = host.windowRefreshes;
  choice = folder.file("mine");
  EXPECT_EQ(state.Btn_Save_0Click(), Outcome::Done);
  EXPECT_EQ(whileChoosing, std::vector<std::string>{"SetS_03"});
  EXPECT_EQ(untouchedWhileChoosing, std::vector<std::string>{"SetS_01"}) << "load stays normal";
  EXPECT_GT(refreshesBeforeDialog, refreshesBefore) << "drawn before the dialog opens";
  EXPECT_EQ(folder.names(), std::vector<std::string>{"mine.bin"});
  expectBothNormal();
}

TEST_F(ProfileButtonPicturesTest, ACancelledSaveShowsTheNormalPictureAgain) {
  EXPECT_EQ(state.Btn_Save_0Click(), Outcome::Cancelled);
  EXPECT_EQ(whileChoosing, std::vector<std::string>{"SetS_03"});
  EXPECT_TRUE(folder.names().empty());
  expectBothNormal();
}

TEST_F(ProfileButtonPicturesTest, SavingWithoutTheMouseShowsTheNormalPictureAfterStr022) {
  link.channel.closeAll();
  EXPECT_EQ(state.Btn_Save_0Click(), Outcome::NoDevice);
  EXPECT_EQ(host.messages, std::vector<std::string>{"Str022"});
  EXPECT_TRUE(whileChoosing.empty()) << "no dialog without the mouse";
  expectBothNormal();
}

TEST_F(ProfileButtonPicturesTest, ASaveWhoseReadFailsShowsTheNormalPictureAgain) {
  choice = folder.file("mine");
  mouse.refuseFrames(true);
  EXPECT_EQ(state.Btn_Save_0Click(), Outcome::DeviceFailed);
  EXPECT_TRUE(folder.names().empty());
  expectBothNormal();
}

TEST_F(ProfileButtonPicturesTest, LoadingShowsTheSelectedPictureUntilTheMouseIsBack) {
  choice = folder.file("mine");
  ASSERT_EQ(state.Btn_Save_0Click(), Outcome::Done);
  whileChoosing.clear();
  untouchedWhileChoosing.clear();
  choice = folder.file("mine.bin");
  EXPECT_EQ(state.Btn_Load_0Click(), Outcome::Done);
  EXPECT_EQ(whileChoosing, std::vector<std::string>{"SetS_03"});
  EXPECT_EQ(untouchedWhileChoosing, std::vector<std::string>{"SetS_01"}) << "save stays normal";
  EXPECT_EQ(mouse.restartCount(), 1);
  expectBothNormal();
  EXPECT_FALSE(link.batchFlag());
}

TEST_F(ProfileButtonPicturesTest, ACancelledLoadShowsTheNormalPictureAgain) {
  EXPECT_EQ(state.Btn_Load_0Click(), Outcome::Cancelled);
  EXPECT_EQ(whileChoosing, std::vector<std::string>{"SetS_03"});
  EXPECT_EQ(mouse.restartCount(), 0);
  expectBothNormal();
}

TEST_F(ProfileButtonPicturesTest, LoadingWithoutTheMouseShowsTheNormalPictureAfterStr022) {
  link.channel.closeAll();
  EXPECT_EQ(state.Btn_Load_0Click(), Outcome::NoDevice);
  EXPECT_EQ(host.messages, std::vector<std::string>{"Str022"});
  expectBothNormal();
}

TEST_F(ProfileButtonPicturesTest, ALoadOfAMissingFileShowsTheNormalPictureAgain) {
  choice = folder.file("gone.bin");
  EXPECT_EQ(state.Btn_Load_0Click(), Outcome::FileProblem);
  EXPECT_EQ(host.texts.size(), 1u);
  EXPECT_EQ(mouse.restartCount(), 0);
  expectBothNormal();
}

}  // namespace
}  // namespace mousecfg::test
