#include "macros/MacroPageState.h"

#include <gtest/gtest.h>

#include "base/LanguageKeys.h"
#include "settings/KeyCodes.h"
#include "support/FileFixtures.h"
#include "support/HexBytes.h"
#include "support/SimulatedCoreFixture.h"

namespace mousecfg::test {
namespace {

// The macro page's state over the core, its library in the test's own folder.
class MacroPageStateTest : public SimulatedCoreFixture {
 protected:
  MacroPageStateTest() {
    (void)libraryFile.CheckPCMacro();
    capture.enabled = true;
    capture.onReceive = [this](int key, int, KeyEventType type) {
      page.recorder.KeyboardHook1Receive(key, type);
    };
  }
  std::string savedBody(size_t slot, size_t length) {
    MacroLibraryFile again(libraryFile.path());
    (void)again.CheckPCMacro();
    return hexRange(again.library().slot(slot).body, 0, length);
  }

  TemporaryFolder folder;
  MacroLibraryFile libraryFile{folder.file("KVRM3180D-Macro.bin")};
  MacroPageState page{core.link, libraryFile, core.deviceMacros, host.clock()};
  KeyboardCapture capture;
};

TEST_F(MacroPageStateTest, ARecordingIsCompiledIntoTheSlotAndSaved) {
  ASSERT_EQ(page.newMacro("Tap"), LibraryChange::Done);
  page.settings.delayMode = DelayMode::NoDelay;
  page.Btn_StartClick();
  capture.keyDown(vk::kA);
  capture.keyUp(vk::kA);
  page.Btn_StartClick();
  EXPECT_EQ(page.lines, (EventLines{"00", "1 A CODE:8204", "2 A CODE:0204"}));
  EXPECT_EQ(page.script, "8204020400");
  EXPECT_EQ(savedBody(0, 5), "82 04 02 04 00");
  page.setRepeat(RepeatSetting::Circles, 3);
  EXPECT_EQ(savedBody(0, 8), "FD 03 82 04 02 04 FC 00");
}

TEST_F(MacroPageStateTest, SelectingAMacroDecodesItAndDeletingALineTakesItsPartner) {
  ASSERT_EQ(page.newMacro("Tap"), LibraryChange::Done);
  libraryFile.library().setBody(
      0, std::vector<uint8_t>{0x82, 0x04, 0xFE, 0x00, 0x14, 0x02, 0x04, 0x00});
  page.selectLibraryMacro(0);
  EXPECT_EQ(page.lines, (EventLines{"10", "1 A CODE:8204", "0 20", "2 A CODE:0204"}));
  EXPECT_TRUE(page.deleteEntry(2)) << "the release, whose press is the first line";
  EXPECT_EQ(page.lines, (EventLines{"10", "0 20"}));
  EXPECT_EQ(savedBody(0, 4), "FE 00 14 00");
}

TEST_F(MacroPageStateTest, AnUnpairedDeleteIsAMacroContentError) {
  ASSERT_EQ(page.newMacro("Odd"), LibraryChange::Done);
  libraryFile.library().setBody(0, std::vector<uint8_t>{0x02, 0x04, 0x00});
  page.selectLibraryMacro(0);
  EXPECT_FALSE(page.deleteEntry(0));
  EXPECT_EQ(host.texts, std::vector<std::string>{"Macro Content Error"});
  EXPECT_EQ(page.lines.size(), 2u);
}

TEST_F(MacroPageStateTest, EditAndInsertCompileAtOnce) {
  ASSERT_EQ(page.newMacro("Edit"), LibraryChange::Done);
  libraryFile.library().setBody(0, std::vector<uint8_t>{0xA1, 0x21, 0x00});
  page.selectLibraryMacro(0);
  EXPECT_TRUE(page.insertEntry(0, false, "0 70"));
  EXPECT_TRUE(page.replaceEntry(2, "2 RightKey CODE:0022"));
  EXPECT_EQ(savedBody(0, 6), "A1 FE 00 46 22 00");
  std::vector<uint8_t> long_(253, 0xA1);
  long_.back() = 0x00;
  libraryFile.library().setBody(0, long_);
  page.selectLibraryMacro(0);
  EXPECT_FALSE(page.insertEntry(0, true, "0 10"));
  EXPECT_EQ(host.messages, std::vector<std::string>{langkey::message::kMacroTooLong});
}

TEST_F(MacroPageStateTest, TheLibraryCommandsKeepTheListAndTheFile) {
  ASSERT_EQ(page.newMacro("A"), LibraryChange::Done);
  ASSERT_EQ(page.newMacro("B"), LibraryChange::Done);
  EXPECT_EQ(page.newMacro("B"), LibraryChange::Duplicate);
  EXPECT_EQ(host.messages, std::vector<std::string>{langkey::message::kMacroExists});
  EXPECT_EQ(page.selectedLibrary, 1u);
  EXPECT_EQ(page.renameMacro("C"), LibraryChange::Done);
  EXPECT_EQ(page.deleteLibraryMacro(), LibraryChange::Done);
  EXPECT_EQ(page.libraryNames(), std::vector<std::string>{"A"});
  EXPECT_EQ(page.selectedLibrary, 0u) << "the entry before the deleted one";
  EXPECT_TRUE(page.newMacroEnabled());
  EXPECT_EQ(page.saveProblem, "");
}

}  // namespace
}  // namespace mousecfg::test
