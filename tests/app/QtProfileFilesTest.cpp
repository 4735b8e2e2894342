#include <QTest>
#include <optional>
#include <string>

#include "app/QtSettingsPageFixture.h"
#include "support/FileFixtures.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

class QtProfileFilesTest : public QtSettingsPageFixture {
 protected:
  void SetUp() override {
    connectAndOpen("Btn_Main");
    shell.core.profileFiles.chooseSaveFile = [this] { return choice; };
    shell.core.profileFiles.chooseLoadFile = [this] { return choice; };
  }

  TemporaryFolder folder;
  std::optional<std::string> choice;
};

// Save Profile, a DPI change, Load Profile: the mouse holds the saved block again and
// the Advanced page shows the old level.
TEST_F(QtProfileFilesTest, LoadingASavedFilePutsTheMouseBackAsItWas) {
  choice = folder.file("mine");
  click(shell.window.button("Btn_Save"));
  const std::string saved = fileText(folder.file("mine.bin"));
  ASSERT_EQ(saved.size(), image::kImageLength);
  const std::string oldLevel = shell.core.dpi.levels[2].valueText;

  shell.core.dpi.chooseLevelStep(3, 10);
  ASSERT_NE(shell.core.dpi.levels[2].valueText, oldLevel);
  ASSERT_NE(hexBytes(mouse.storedBlock()),
            hexBytes(std::vector<uint8_t>(saved.begin(), saved.end())));

  choice = folder.file("mine.bin");
  click(shell.window.button("Btn_Load"));
  EXPECT_EQ(hexBytes(mouse.storedBlock()),
            hexBytes(std::vector<uint8_t>(saved.begin(), saved.end())));
  EXPECT_EQ(mouse.restartCount(), 1);
  EXPECT_EQ(shell.core.dpi.levels[2].valueText, oldLevel);
  EXPECT_FALSE(shell.link.batchFlag());
}

// The button's picture on screen: selected while its dialog is open, normal again after.
TEST_F(QtProfileFilesTest, SaveAndLoadLookSelectedOnlyWhileTheirDialogIsOpen) {
  for (const char* name : {"Btn_Save", "Btn_Load"}) {
    QtPictureButton* button = shell.window.button(name);
    const QImage before = button->grab().toImage();
    QImage whileOpen;
    const auto dialog = [&]() -> std::optional<std::string> {
      whileOpen = button->grab().toImage();
      return std::nullopt;
    };
    shell.core.profileFiles.chooseSaveFile = dialog;
    shell.core.profileFiles.chooseLoadFile = dialog;
    click(button);
    EXPECT_NE(whileOpen, before) << name;
    EXPECT_EQ(button->grab().toImage(), before) << name;
  }
}

}  // namespace
}  // namespace mousecfg::test
