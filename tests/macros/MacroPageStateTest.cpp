#include "macros/MacroPageState.h"

#include <gtest/gtest.h>

#include "base/LanguageKeys.h"
#include "settings/KeyCodes.h"
#include "support/FakeInputSource.h"
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
    page.RefreshPCMacroName();
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

TEST_F(MacroPageStateTest, ExportOneWritesTheRecordUnderTheEnteredNameAndBin) {
  ASSERT_EQ(page.newMacro("Ab"), LibraryChange::Done);
  page.settings.delayMode = DelayMode::NoDelay;
  page.Btn_StartClick();
  capture.keyDown(vk::kA);
  capture.keyUp(vk::kA);
  page.Btn_StartClick();
  ASSERT_TRUE(page.exportOne(folder.file("jump.bin")));
  const std::string exported = fileText(folder.file("jump.bin.bin"));
  ASSERT_EQ(exported.size(), macro_library::kRecordLength);
  EXPECT_EQ(hexRange(std::span(reinterpret_cast<const uint8_t*>(exported.data()), exported.size()),
                     0, 21),
            "00 41 00 62 00 00 00 00 00 00 00 00 00 00 00 00 82 04 02 04 00");
}

TEST_F(MacroPageStateTest, ImportOneOfAnExportIsADuplicateHereAndTheSameRecordElsewhere) {
  ASSERT_EQ(page.newMacro("Ab"), LibraryChange::Done);
  ASSERT_TRUE(page.exportOne(folder.file("ab")));
  EXPECT_EQ(page.importOne(folder.file("ab.bin")), LibraryChange::Duplicate);
  EXPECT_EQ(host.messages, std::vector<std::string>{langkey::message::kMacroExists});
  EXPECT_EQ(page.libraryNames(), std::vector<std::string>{"Ab"});

  MacroLibraryFile other(folder.file("other.bin"));
  (void)other.CheckPCMacro();
  MacroPageState elsewhere{core.link, other, core.deviceMacros, host.clock()};
  elsewhere.RefreshPCMacroName();
  ASSERT_EQ(elsewhere.importOne(folder.file("ab.bin")), LibraryChange::Done);
  EXPECT_EQ(elsewhere.selectedLibrary, 0u);
  EXPECT_EQ(other.library().record(0), libraryFile.library().record(0));
  MacroLibraryFile saved(folder.file("other.bin"));
  (void)saved.CheckPCMacro();
  EXPECT_EQ(saved.library().names(), std::vector<std::string>{"Ab"}) << "saved at once";
}

TEST_F(MacroPageStateTest, ExportAllEqualsTheLibraryFileAndImportAllShowsTheList) {
  ASSERT_EQ(page.newMacro("A"), LibraryChange::Done);
  ASSERT_EQ(page.newMacro("B"), LibraryChange::Done);
  ASSERT_TRUE(page.exportAll(folder.file("all")));
  EXPECT_EQ(fileText(folder.file("all.bin")), fileText(libraryFile.path()));

  MacroLibraryFile other(folder.file("other.bin"));
  (void)other.CheckPCMacro();
  MacroPageState elsewhere{core.link, other, core.deviceMacros, host.clock()};
  EXPECT_TRUE(elsewhere.libraryNames().empty()) << "no list before a read";
  ASSERT_TRUE(elsewhere.importAll(folder.file("all.bin")));
  EXPECT_EQ(elsewhere.libraryNames(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(fileText(folder.file("other.bin")), fileText(libraryFile.path()));
}

TEST_F(MacroPageStateTest, AMacroFileThatCannotBeReadOrWrittenIsToldAndChangesNothing) {
  ASSERT_EQ(page.newMacro("A"), LibraryChange::Done);
  const std::string before = fileText(libraryFile.path());
  EXPECT_EQ(page.importOne(folder.file("missing.bin")), LibraryChange::Unreadable);
  EXPECT_FALSE(page.importAll(folder.file("missing.bin")));
  EXPECT_FALSE(page.exportAll(folder.file("no-such-folder/all")));
  ASSERT_EQ(host.texts.size(), 3u);
  EXPECT_NE(host.texts[0].find("missing.bin"), std::string::npos) << host.texts[0];
  EXPECT_NE(host.texts[2].find("all.bin"), std::string::npos) << host.texts[2];
  EXPECT_EQ(page.libraryNames(), std::vector<std::string>{"A"});
  EXPECT_EQ(fileText(libraryFile.path()), before);
}

TEST_F(MacroPageStateTest, AFileWithoutANameIsNotImportedAndNinetyNineMacrosTakeNoMore) {
  writeText(folder.file("unnamed.bin"), std::string(272, '\0'));
  EXPECT_EQ(page.importOne(folder.file("unnamed.bin")), LibraryChange::Unnamed);
  EXPECT_EQ(host.texts, std::vector<std::string>{MacroPageState::kUnnamedMacroFile});
  for (int k = 0; k < 99; ++k)
    ASSERT_EQ(page.newMacro("M" + std::to_string(k)), LibraryChange::Done);
  EXPECT_FALSE(page.importOneEnabled());
  EXPECT_TRUE(page.newMacroEnabled());
  EXPECT_EQ(page.importOne(folder.file("unnamed.bin")), LibraryChange::Full);
  EXPECT_EQ(host.texts.size(), 1u) << "ignored without a word";
}

constexpr int kKeyB = vk::kA + 1;

// A library macro of a press and release of A, shown in the editor.
class InsertPanelTest : public MacroPageStateTest {
 protected:
  InsertPanelTest() {
    (void)page.newMacro("Tap");
    libraryFile.library().setBody(0, std::vector<uint8_t>{0x82, 0x04, 0x02, 0x04, 0x00});
    (void)libraryFile.RefreshPCMacro();
    page.selectLibraryMacro(0);
  }
};

TEST_F(InsertPanelTest, ADelayOrMovementGoesBeforeOrAfterTheEntryOnOk) {
  ASSERT_TRUE(page.openInsertPanel(0));
  EXPECT_FALSE(page.eventCommandsEnabled()) << "no Edit, Delete or Insert while it is open";
  page.insertPanel.choice = InsertChoice::DelayBack;
  page.insertPanel.settings.fixedDelayMs = 70000;
  EXPECT_TRUE(page.insertOk());
  EXPECT_EQ(page.lines, (EventLines{"00", "1 A CODE:8204", "0 65535", "2 A CODE:0204"}));
  EXPECT_EQ(savedBody(0, 8), "82 04 FE FF FF 02 04 00");
  EXPECT_FALSE(page.insertPanel.open);

  ASSERT_TRUE(page.openInsertPanel(0));
  page.insertPanel.choice = InsertChoice::MoveFront;
  page.insertPanel.x = -12;
  EXPECT_TRUE(page.insertOk());
  EXPECT_EQ(page.lines[1], "3 04F40C");
  EXPECT_EQ(savedBody(0, 4), "04 F4 0C 82");
}

TEST_F(InsertPanelTest, KeysRecordedIntoThePanelGoToTheInsertPositionAndOkKeepsThem) {
  ASSERT_TRUE(page.openInsertPanel(0));
  page.insertPanel.choice = InsertChoice::KeyBack;
  page.insertPanel.settings.delayMode = DelayMode::NoDelay;
  ASSERT_TRUE(page.insertRecordClick());
  EXPECT_TRUE(page.insertRecording());
  EXPECT_FALSE(page.insertOk()) << "OK is greyed while the panel records";
  capture.keyDown(kKeyB);
  capture.keyUp(kKeyB);
  ASSERT_TRUE(page.insertRecordClick());
  EXPECT_EQ(page.lines,
            (EventLines{"00", "1 A CODE:8204", "1 B CODE:8205", "2 B CODE:0205", "2 A CODE:0204"}));
  EXPECT_EQ(savedBody(0, 5), "82 04 02 04 00") << "nothing is saved before OK";
  EXPECT_TRUE(page.insertOk());
  EXPECT_EQ(savedBody(0, 9), "82 04 82 05 02 05 02 04 00");
}

TEST_F(InsertPanelTest, CancelPutsTheMacroBackAsItWasWhenThePanelOpened) {
  ASSERT_TRUE(page.openInsertPanel(0));
  page.insertPanel.choice = InsertChoice::KeyFront;
  page.insertPanel.settings.delayMode = DelayMode::NoDelay;
  ASSERT_TRUE(page.insertRecordClick());
  capture.keyDown(kKeyB);
  capture.keyUp(kKeyB);
  ASSERT_TRUE(page.insertRecordClick());
  ASSERT_EQ(page.lines.size(), 5u);
  page.insertCancel();
  EXPECT_FALSE(page.insertPanel.open);
  EXPECT_EQ(page.lines, (EventLines{"00", "1 A CODE:8204", "2 A CODE:0204"}));
  EXPECT_EQ(hexRange(libraryFile.library().slot(0).body, 0, 5), "82 04 02 04 00");
}

TEST_F(InsertPanelTest, ThePanelRecordsOnlyWhileTheMacroHasRoomForAKey) {
  std::vector<uint8_t> full(240, 0xA1);
  full.back() = 0x00;  // 239 bytes of events: room for a key with its delay and more
  libraryFile.library().setBody(0, full);
  page.selectLibraryMacro(0);
  ASSERT_TRUE(page.openInsertPanel(0));
  page.insertPanel.choice = InsertChoice::KeyBack;
  EXPECT_FALSE(page.insertRecordClick()) << "239 used is past the 238 a delayed key allows";
  page.insertPanel.settings.delayMode = DelayMode::NoDelay;
  EXPECT_TRUE(page.insertRecordClick()) << "without delays 241 may be used";
}

// The page as the window runs it: the core reads the library at start-up and shows it
// once the mouse has been read.
class MacroPageInTheCoreTest : public SimulatedCoreFixture {
 protected:
  std::string libraryPath() const {
    return (configFolder / "data" / "mousecfg" / macro_library::kFileName).string();
  }
};

TEST_F(MacroPageInTheCoreTest, TheLibraryIsCreatedAtStartUpAndListedAfterTheFirstRead) {
  core.shell.FormCreate();
  EXPECT_EQ(fileText(libraryPath()).size(), macro_library::kLibraryLength);
  ASSERT_EQ(core.macroPage.newMacro("Jump"), LibraryChange::Done);
  EXPECT_TRUE(core.macroPage.libraryNames().empty());
  core.shell.startMonitor();
  readDevice();
  EXPECT_EQ(core.macroPage.libraryNames(), std::vector<std::string>{"Jump"});
  EXPECT_TRUE(host.texts.empty());
}

TEST_F(MacroPageInTheCoreTest, AnUnreadableLibraryIsToldAtStartUpAndNeverOverwritten) {
  std::filesystem::create_directories(libraryPath());  // a folder where the file belongs
  core.shell.FormCreate();
  ASSERT_EQ(host.texts.size(), 1u);
  EXPECT_NE(host.texts[0].find("left as it is"), std::string::npos) << host.texts[0];
  EXPECT_EQ(core.macroPage.newMacro("Jump"), LibraryChange::Done);
  EXPECT_FALSE(core.macroPage.saveProblem.empty());
  EXPECT_TRUE(std::filesystem::is_directory(libraryPath()));
}

TEST_F(MacroPageInTheCoreTest, LosingTheMouseEmptiesTheListsAndTheEditor) {
  core.shell.FormCreate();
  core.shell.startMonitor();
  readDevice();
  ASSERT_EQ(core.macroPage.newMacro("Tap"), LibraryChange::Done);
  core.macroPage.lines = {"10", "1 A CODE:8204", "2 A CODE:0204"};
  core.macroPage.setRepeat(RepeatSetting::UntilKeyReleased, 1);
  ASSERT_EQ(core.macroPage.addToMouse(), DeviceMacroChange::Written);
  core.macroPage.selectDeviceMacro(0);
  ASSERT_FALSE(core.macroPage.lines.empty());
  EXPECT_EQ(core.macroPage.deviceNames(), std::vector<std::string>{"Tap"});
  mouse.unplug();
  link.discovery.DevTimerTimer();
  EXPECT_TRUE(core.macroPage.deviceNames().empty());
  EXPECT_TRUE(core.macroPage.libraryNames().empty());
  EXPECT_FALSE(core.macroPage.selectedDevice);
  EXPECT_TRUE(core.macroPage.lines.empty());
  EXPECT_TRUE(core.macroPage.script.empty());
}

// Recording in the core: the input source the window gave it feeds the recorder while
// Record is on, and the connection monitor rests meanwhile.
class CoreRecordingTest : public SimulatedCoreFixture {
 protected:
  CoreRecordingTest() : SimulatedCoreFixture(withSource()) {
    core.shell.FormCreate();
    core.shell.startMonitor();
    readDevice();
  }
  static ApplicationCore::Setup withSource() {
    ApplicationCore::Setup setup;
    setup.inputSource = std::make_unique<FakeInputSource>();
    return setup;
  }
  FakeInputSource* source = static_cast<FakeInputSource*>(core.inputSource.get());
};

TEST_F(CoreRecordingTest, RecordStartsTheSourceAndStopKeepsWhatItHeard) {
  ASSERT_EQ(core.macroPage.newMacro("Tap"), LibraryChange::Done);
  core.macroPage.settings.delayMode = DelayMode::NoDelay;
  core.macroPage.Btn_StartClick();
  EXPECT_TRUE(source->started);
  EXPECT_FALSE(link.monitorTimerEnabled());
  source->press(vk::kA);
  source->release(vk::kA);
  source->button(MouseButton::Left, true);
  ASSERT_TRUE(host.awaitPosted());
  host.runPosted();
  core.macroPage.Btn_StartClick();
  EXPECT_FALSE(source->started);
  EXPECT_TRUE(link.monitorTimerEnabled());
  EXPECT_EQ(core.macroPage.lines,
            (EventLines{"00", "1 A CODE:8204", "2 A CODE:0204", "1 LeftKey CODE:00A1"}));
  EXPECT_EQ(core.macroPage.script, "82040204A100");
}

TEST_F(CoreRecordingTest, ARecordingThatFillsItsBudgetEndsTheSourceItself) {
  ASSERT_EQ(core.macroPage.newMacro("Long"), LibraryChange::Done);
  core.macroPage.settings.delayMode = DelayMode::NoDelay;
  core.macroPage.Btn_StartClick();
  for (int k = 0; k < 200 && !core.macroPage.recorder.full(); ++k) {
    source->press(vk::kA);
    source->release(vk::kA);
  }
  ASSERT_TRUE(core.macroPage.recorder.full());
  ASSERT_TRUE(host.awaitPosted()) << "the full mark wakes the worker";
  host.runPosted();
  EXPECT_FALSE(source->started);
  EXPECT_FALSE(core.macroPage.recorder.recording());
  EXPECT_TRUE(link.monitorTimerEnabled());
  EXPECT_LE(core.macroLibrary.library().slot(0).length(), 246u);
  EXPECT_GT(core.macroLibrary.library().slot(0).length(), 200u) << "what was recorded is kept";
}

}  // namespace
}  // namespace mousecfg::test
