#include <QLabel>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "app/QtSettingsPageFixture.h"
#include "app/QtSkin.h"
#include "base/WholeFile.h"
#include "support/FileFixtures.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

class QtUpdatePageViewTest : public QtSettingsPageFixture {
 protected:
  void SetUp() override {
    connectAndOpen("Btn_Update");
    shell.core.updatePage.chooseFile = [this] { return choice; };
  }

  TemporaryFolder folder;
  std::optional<std::string> choice;
};

TEST_F(QtUpdatePageViewTest, LoadBinShowsThePathAndProgramWritesTheRecord) {
  auto* program = shell.window.findChild<QtPictureButton*>("Btn_Program");
  ASSERT_NE(program, nullptr);
  EXPECT_FALSE(program->isEnabled()) << "no file chosen yet";
  const std::vector<uint8_t> bytes(2048, 0x5C);
  ASSERT_TRUE(writeWholeFile(folder.file("fw.bin"), bytes));
  choice = folder.file("fw.bin");
  click(shell.window.findChild<QtPictureButton*>("Btn_LoadBIN"));
  EXPECT_EQ(widget<QLabel>("lbl_LoadBIN")->toolTip().toStdString(), *choice);
  EXPECT_TRUE(program->isEnabled());
  click(program);
  EXPECT_EQ(hexRange(mouse.storedBlock(), 1008, 16), hexBytes(std::vector<uint8_t>(16, 0x5C)));
  EXPECT_EQ(mouse.restartCount(), 1);
}

// The chip in the middle of the panel's lower half, in window pixels and in the picture.
constexpr QPoint kChipInWindow{534, 372};
constexpr QPoint kChipInPanel{350, 302};

TEST_F(QtUpdatePageViewTest, ThePageIsDrawnOnThePanelPictureOfItsLanguage) {
  for (int language : {1, 2}) {
    shell.state.languageButtonClick(language);
    shell.window.render();
    const QImage panel = QtSkin::picture("L" + std::to_string(language) + "_Back5").toImage();
    ASSERT_FALSE(panel.isNull()) << language;
    EXPECT_EQ(shell.window.grab().toImage().pixelColor(kChipInWindow),
              panel.pixelColor(kChipInPanel))
        << "language " << language;
  }
}

}  // namespace
}  // namespace mousecfg::test
