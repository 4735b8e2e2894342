#include "fire/GunPresetEditor.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "device/MacroEvent.h"
#include "fire/FireFixture.h"
#include "fire/GunPresetLines.h"
#include "macros/MacroPageState.h"
#include "settings/KeyCodes.h"
#include "support/FakeInputSource.h"

namespace mousecfg::test {
namespace {

constexpr const char* kPress = "1 LeftKey CODE:00A1";
constexpr const char* kRelease = "2 LeftKey CODE:0021";

// The built-in gun 1: A1, FE 00 06, FD 00, 04 00 07, FE 00 14, FC, 21, FE 00 06.
const EventLines kGun1Lines{"00",   kPress, "0 6",    "7 FD00", "3 040007",
                            "0 20", "8 FC", kRelease, "0 6"};

// The editor in the core over the simulated mouse, read as at connection, with a fake
// desktop input for its recordings.
class GunPresetEditorTest : public FireFixture {
 protected:
  GunPresetEditorTest() : FireFixture(withSource()) {}
  static ApplicationCore::Setup withSource() {
    ApplicationCore::Setup setup;
    setup.inputSource = std::make_unique<FakeInputSource>();
    return setup;
  }

  std::string workingHex(int gun) const {
    return hexBytes(gunRecord(link.image.workingGunTable, gun));
  }
  // A record of `events` and zeros after them.
  void setRecord(int gun, const std::vector<uint8_t>& events) {
    storeGunEvents(gunRecord(link.image.workingGunTable, gun), events);
  }
  // `hex` ("04 FD 05") followed by zeros up to the record's 24 bytes.
  static std::string recordHex(const std::string& hex) {
    const size_t bytes = hex.empty() ? 0 : (hex.size() + 1) / 3;
    return hex + (hex.empty() ? "" : " ") + hexRepeat(0x00, gun::kRecordLength - bytes);
  }
  void insertMove(const std::string& x, const std::string& y) {
    ASSERT_TRUE(editor.beginInsert(GunInsertAction::MoveAfter));
    editor.typeInsertField(GunInsertField::X, x);
    editor.typeInsertField(GunInsertField::Y, y);
    ASSERT_TRUE(editor.insertOk());
  }
  void insertDelay(GunInsertAction action, const std::string& ms) {
    ASSERT_TRUE(editor.beginInsert(action));
    editor.typeInsertField(GunInsertField::Delay, ms);
    ASSERT_TRUE(editor.insertOk());
  }

  // One button event, taken by the worker's pass on the UI thread.
  void button(MouseButton which, bool pressed) {
    source->button(which, pressed);
    ASSERT_TRUE(host.awaitPosted()) << "the worker asks for a pass";
    host.runPosted();
  }
  void leftClick(int heldMs = 0) {
    button(MouseButton::Left, true);
    host.virtualClock.advance(heldMs);
    button(MouseButton::Left, false);
  }

  GunPresetEditor& editor = core.gunEditor;
  FakeInputSource* source = static_cast<FakeInputSource*>(core.inputSource.get());
};

TEST_F(GunPresetEditorTest, ThePresetListNamesTheSevenGuns) {
  const std::vector<std::string> names = editor.presetNames();
  ASSERT_EQ(names.size(), 7u);
  EXPECT_EQ(names.front(), "AKM Fire");
  EXPECT_EQ(names.back(), "UZI Fire");
  EXPECT_FALSE(editor.selectedPreset());
}

TEST_F(GunPresetEditorTest, SelectingAPresetShowsItsEventsUnderTheHeader00) {
  editor.selectPreset(1);
  EXPECT_EQ(editor.lines, kGun1Lines);
  EXPECT_EQ(editor.usedBytes(), 17u);
  editor.selectPreset(2);
  EXPECT_EQ(editor.lines, (EventLines{"00", "7 FD00", kPress, "0 24", "3 04000C", "0 1", kRelease,
                                      "0 24", "8 FC"}));
  editor.selectPreset(8);
  EXPECT_EQ(editor.selectedPreset(), 2) << "there is no gun 8";
}

TEST_F(GunPresetEditorTest, APresetWhoseFirstThreeBytesAreZeroShowsAnEmptyList) {
  setRecord(3, {0x00, 0x00, 0x00, macro::kLeftPress, macro::kLeftRelease});
  editor.selectPreset(3);
  EXPECT_TRUE(editor.lines.empty());
  EXPECT_EQ(editor.usedBytes(), 0u);
  setRecord(3, {macro::kLeftPress});
  editor.refreshFromImage();
  EXPECT_EQ(editor.lines, (EventLines{"00", kPress})) << "a used length of 2 shows its event";
}

TEST_F(GunPresetEditorTest, MovesAreShownAsSignedBytesAndOtherBytesAreSteppedOver) {
  setRecord(4, {0x04, 0x80, 0xFB, 0x82, 0xFD, 0xC8, 0xFC});
  editor.selectPreset(4);
  EXPECT_EQ(editor.lines, (EventLines{"00", "3 0480FB", "7 FDC8", "8 FC"}));
  EXPECT_EQ(entryText(editor.lines[1]), "X: -128  Y: -5");
}

TEST_F(GunPresetEditorTest, DeletingThePressLineOfAPairRemovesBoth) {
  editor.selectPreset(1);
  editor.selectEntry(0);
  ASSERT_TRUE(editor.deleteEntry());
  EXPECT_EQ(editor.lines, (EventLines{"00", "0 6", "7 FD00", "3 040007", "0 20", "8 FC", "0 6"}));
  EXPECT_EQ(workingHex(1), recordHex("FE 00 06 FD 00 04 00 07 FE 00 14 FC FE 00 06"));
  EXPECT_EQ(editor.selectedEntry(), 0u) << "the first line stays selected";
}

TEST_F(GunPresetEditorTest, DeletingAReleaseLineRemovesItsPressAndSelectsTheLineBefore) {
  setRecord(5, {0xFE, 0x00, 0x05, macro::kLeftPress, 0xFE, 0x00, 0x10, macro::kLeftRelease});
  editor.selectPreset(5);
  editor.selectEntry(3);
  ASSERT_TRUE(editor.deleteEntry());
  EXPECT_EQ(editor.lines, (EventLines{"00", "0 5", "0 16"}));
  EXPECT_EQ(workingHex(5), recordHex("FE 00 05 FE 00 10"));
  EXPECT_EQ(editor.selectedEntry(), 0u) << "the line before the press";
}

TEST_F(GunPresetEditorTest, ADelayOrAMoveIsDeletedAlone) {
  editor.selectPreset(1);
  editor.selectEntry(3);
  ASSERT_TRUE(editor.deleteEntry());
  EXPECT_EQ(editor.lines,
            (EventLines{"00", kPress, "0 6", "7 FD00", "0 20", "8 FC", kRelease, "0 6"}));
  EXPECT_EQ(workingHex(1), recordHex("A1 FE 00 06 FD 00 FE 00 14 FC 21 FE 00 06"));
  EXPECT_EQ(editor.selectedEntry(), 2u);
}

TEST_F(GunPresetEditorTest, APressWithoutItsReleaseIsNotDeleted) {
  setRecord(6, {macro::kLeftPress, 0xFE, 0x00, 0x05});
  editor.selectPreset(6);
  editor.selectEntry(0);
  EXPECT_FALSE(editor.deleteEntry());
  EXPECT_EQ(host.texts, std::vector<std::string>{MacroPageState::kMacroContentError});
  EXPECT_EQ(editor.lines, (EventLines{"00", kPress, "0 5"}));
  EXPECT_EQ(workingHex(6), recordHex("A1 FE 00 05"));
}

TEST_F(GunPresetEditorTest, AMoveIsInsertedAsTwosComplementBytes) {
  setRecord(3, {});
  editor.selectPreset(3);
  insertMove("-3", "5");
  EXPECT_EQ(editor.lines, (EventLines{"00", "3 04FD05"}));
  EXPECT_EQ(workingHex(3), recordHex("04 FD 05"));
  EXPECT_EQ(editor.selectedEntry(), 0u) << "the new line is selected";
  insertMove("-3", "-5");
  EXPECT_EQ(editor.lines, (EventLines{"00", "3 04FD05", "3 04FDFB"}));
  EXPECT_EQ(workingHex(3), recordHex("04 FD 05 04 FD FB"));
  EXPECT_EQ(editor.selectedEntry(), 1u);
}

TEST_F(GunPresetEditorTest, InsertionsGoBeforeOrAfterTheSelectedLine) {
  setRecord(3, {macro::kLeftPress, macro::kLeftRelease});
  editor.selectPreset(3);
  editor.selectEntry(1);
  insertDelay(GunInsertAction::DelayBefore, "300");
  EXPECT_EQ(editor.lines, (EventLines{"00", kPress, "0 300", kRelease}));
  EXPECT_EQ(editor.selectedEntry(), 1u);
  insertDelay(GunInsertAction::DelayAfter, "7");
  EXPECT_EQ(editor.lines, (EventLines{"00", kPress, "0 300", "0 7", kRelease}));
  editor.selectEntry(0);
  ASSERT_TRUE(editor.beginInsert(GunInsertAction::RepeatStartBefore));
  editor.typeInsertField(GunInsertField::RepeatCount, "200");
  ASSERT_TRUE(editor.insertOk());
  editor.selectEntry(4);
  ASSERT_TRUE(editor.beginInsert(GunInsertAction::RepeatEndAfter));
  ASSERT_TRUE(editor.insertOk());
  EXPECT_EQ(editor.lines, (EventLines{"00", "7 FDC8", kPress, "0 300", "0 7", kRelease, "8 FC"}));
  EXPECT_EQ(workingHex(3), recordHex("FD C8 A1 FE 01 2C FE 00 07 21 FC"));
}

TEST_F(GunPresetEditorTest, TheInsertFieldsKeepWhatTheyTake) {
  const auto typed = [&](GunInsertField which, const std::string& text) {
    editor.typeInsertField(which, text);
    return editor.insert.field(which);
  };
  EXPECT_EQ(editor.insert.field(GunInsertField::Delay), "50");
  EXPECT_EQ(typed(GunInsertField::Delay, "123456"), "12345") << "five digits at most";
  EXPECT_EQ(typed(GunInsertField::Delay, "9a9"), "99");
  EXPECT_EQ(typed(GunInsertField::X, "-"), "-") << "a lone minus is left as typed";
  EXPECT_EQ(typed(GunInsertField::X, "-200"), "-128");
  EXPECT_EQ(typed(GunInsertField::Y, "128"), "127");
  EXPECT_EQ(typed(GunInsertField::Y, "1-2"), "12");
  EXPECT_EQ(typed(GunInsertField::RepeatCount, "-4"), "4") << "the count takes digits only";
  EXPECT_EQ(typed(GunInsertField::RepeatCount, "999"), "255");
}

TEST_F(GunPresetEditorTest, ADelayPastTheDelayRangeIsInsertedAs65535) {
  setRecord(3, {});
  editor.selectPreset(3);
  insertDelay(GunInsertAction::DelayAfter, "99999");
  EXPECT_EQ(editor.lines, (EventLines{"00", "0 65535"}));
  EXPECT_EQ(workingHex(3), recordHex("FE FF FF"));
}

TEST_F(GunPresetEditorTest, WhileInsertingTheListsAndRecordAreDisabledAndCancelChangesNothing) {
  editor.selectPreset(1);
  EXPECT_FALSE(editor.beginInsert()) << "an insertion needs a selected line";
  editor.selectEntry(2);
  ASSERT_TRUE(editor.beginInsert(GunInsertAction::MoveBefore));
  EXPECT_FALSE(editor.presetListEnabled());
  EXPECT_FALSE(editor.recordEnabled());
  EXPECT_FALSE(editor.recordClick());
  editor.selectPreset(2);
  EXPECT_EQ(editor.selectedPreset(), 1) << "the preset list is disabled";
  EXPECT_FALSE(editor.deleteEntry());
  editor.typeInsertField(GunInsertField::X, "9");
  editor.insertCancel();
  EXPECT_FALSE(editor.insert.active);
  EXPECT_TRUE(editor.presetListEnabled());
  EXPECT_TRUE(editor.recordEnabled());
  EXPECT_EQ(editor.lines, kGun1Lines);
  EXPECT_EQ(workingHex(1), recordHex("A1 FE 00 06 FD 00 04 00 07 FE 00 14 FC 21 FE 00 06"));
}

// Seven delays and a click: 23 event bytes, a full preset.
class FullPresetTest : public GunPresetEditorTest {
 protected:
  void SetUp() override {
    GunPresetEditorTest::SetUp();
    std::vector<uint8_t> events{macro::kLeftPress};
    for (int k = 0; k < 7; ++k) events.insert(events.end(), {0xFE, 0x00, 0x0A});
    events.push_back(macro::kLeftRelease);
    setRecord(7, events);
    fullRecord = workingHex(7);
    editor.selectPreset(7);
    editor.selectEntry(0);
  }
  std::string fullRecord;
};

TEST_F(FullPresetTest, AnInsertionPastThe23rdEventByteIsRefused) {
  ASSERT_EQ(editor.usedBytes(), 23u);
  ASSERT_TRUE(editor.beginInsert(GunInsertAction::RepeatEndAfter));
  EXPECT_FALSE(editor.insertOk()) << "one byte more is one too many";
  EXPECT_EQ(editor.notice, GunPresetEditor::kFullText);
  EXPECT_FALSE(editor.insert.active) << "OK ends the insert state all the same";
  EXPECT_EQ(editor.lines.size(), 10u);
  EXPECT_EQ(workingHex(7), fullRecord);
}

TEST_F(FullPresetTest, AnInsertionThatFitsExactlyIsTaken) {
  editor.selectEntry(1);
  ASSERT_TRUE(editor.deleteEntry());  // one delay fewer: 20 bytes
  ASSERT_TRUE(editor.beginInsert(GunInsertAction::MoveAfter));
  EXPECT_TRUE(editor.insertOk());
  EXPECT_TRUE(editor.notice.empty());
  EXPECT_EQ(editor.usedBytes(), 23u);
  EXPECT_EQ(workingHex(7).substr(3 * 23), "00") << "the end byte still fits";
}

TEST_F(FullPresetTest, CompilingStopsAtThe23rdEventByte) {
  editor.lines.insert(editor.lines.begin() + 1, "0 5");
  EXPECT_FALSE(editor.compile());
  EXPECT_EQ(editor.notice, GunPresetEditor::kFullText);
  EXPECT_EQ(editor.lines.size(), 9u) << "the line that did not fit and those after it";
  EXPECT_EQ(editor.lines.back(), "0 10");
  EXPECT_EQ(workingHex(7),
            recordHex("FE 00 05 A1 FE 00 0A FE 00 0A FE 00 0A FE 00 0A FE 00 0A FE 00 0A"));
}

TEST_F(GunPresetEditorTest, ARecordWithoutAnEndByteLosesItsLastEventAtTheNextCompile) {
  std::vector<uint8_t> events;
  for (int k = 0; k < 8; ++k) events.insert(events.end(), {0xFE, 0x00, 0x01});
  std::ranges::copy(events, gunRecord(link.image.workingGunTable, 2).begin());
  editor.selectPreset(2);
  ASSERT_EQ(editor.lines.size(), 9u) << "eight delays fill all 24 bytes";
  EXPECT_FALSE(editor.compile());
  EXPECT_EQ(editor.lines.size(), 8u);
  EXPECT_EQ(workingHex(2).substr(3 * 21), "00 00 00");
}

TEST_F(GunPresetEditorTest, RecordedDelaysAreTheTimeBetweenClicksUpTo65535) {
  editor.selectPreset(1);
  editor.setDelayMode(DelayMode::RealRecord);
  ASSERT_TRUE(editor.recordClick());
  EXPECT_TRUE(source->started);
  EXPECT_EQ(workingHex(1), recordHex("")) << "the preset is cleared when recording starts";
  leftClick(120);
  host.virtualClock.advance(70'000);
  leftClick(5);
  ASSERT_TRUE(editor.recordClick());
  EXPECT_FALSE(source->started);
  EXPECT_EQ(editor.lines,
            (EventLines{"10", kPress, "0 120", kRelease, "0 65535", kPress, "0 5", kRelease}));
  EXPECT_EQ(workingHex(1), recordHex("A1 FE 00 78 21 FE FF FF A1 FE 00 05 21"));
}

TEST_F(GunPresetEditorTest, AFixedDelayGoesBeforeEveryClickButTheFirst) {
  editor.selectPreset(2);
  editor.setDelayMode(DelayMode::FixedDelay);
  editor.setFixedDelay(40);
  ASSERT_TRUE(editor.recordClick());
  leftClick(300);
  ASSERT_TRUE(editor.recordClick());
  EXPECT_EQ(editor.lines, (EventLines{"0140", kPress, "0 40", kRelease}));
  EXPECT_EQ(workingHex(2), recordHex("A1 FE 00 28 21"));
}

TEST_F(GunPresetEditorTest, WithNoDelayOnlyTheClicksAreRecorded) {
  editor.selectPreset(2);
  editor.setDelayMode(DelayMode::NoDelay);
  ASSERT_TRUE(editor.recordClick());
  leftClick(300);
  ASSERT_TRUE(editor.recordClick());
  EXPECT_EQ(editor.lines, (EventLines{"00", kPress, kRelease}));
  EXPECT_EQ(workingHex(2), recordHex("A1 21"));
}

TEST_F(GunPresetEditorTest, TheFixedDelayStaysWithinItsRange) {
  editor.setFixedDelay(0);
  EXPECT_EQ(editor.settings.fixedDelayMs, 1);
  editor.setFixedDelay(70'000);
  EXPECT_EQ(editor.settings.fixedDelayMs, 65535);
}

TEST_F(GunPresetEditorTest, ARecordingHearsTheLeftButtonAlone) {
  editor.selectPreset(2);
  editor.setDelayMode(DelayMode::NoDelay);
  ASSERT_TRUE(editor.recordClick());
  source->press(vk::kA);
  source->release(vk::kA);
  button(MouseButton::Right, true);
  button(MouseButton::Right, false);
  button(MouseButton::Middle, true);
  leftClick();
  ASSERT_TRUE(editor.recordClick());
  EXPECT_EQ(editor.lines, (EventLines{"00", kPress, kRelease}));
}

TEST_F(GunPresetEditorTest, WhileRecordingTheMonitorRestsAndTheListsAreDisabled) {
  link.startMonitor();
  editor.selectPreset(1);
  ASSERT_TRUE(editor.recordClick());
  EXPECT_FALSE(link.monitorTimerEnabled());
  EXPECT_EQ(editor.recordCaption(), "Stop");
  EXPECT_FALSE(editor.presetListEnabled());
  EXPECT_FALSE(editor.eventListEnabled());
  EXPECT_FALSE(editor.delayModeEnabled());
  editor.setDelayMode(DelayMode::NoDelay);
  EXPECT_EQ(editor.settings.delayMode, DelayMode::RealRecord) << "the delay mode box is disabled";
  editor.selectPreset(3);
  EXPECT_EQ(editor.selectedPreset(), 1);
  EXPECT_FALSE(editor.beginInsert());
  leftClick(10);
  EXPECT_EQ(editor.shownLines(), (EventLines{"10", kPress, "0 10", kRelease}))
      << "the list shows the lines as they come";
  ASSERT_TRUE(editor.recordClick());
  EXPECT_TRUE(link.monitorTimerEnabled());
  EXPECT_EQ(editor.recordCaption(), GunPresetEditor::kRecordCaption);
  EXPECT_TRUE(editor.presetListEnabled());
  EXPECT_TRUE(editor.delayModeEnabled());
}

TEST_F(GunPresetEditorTest, RecordingWithoutDelaysStopsItselfWhenNoFurtherClickFits) {
  editor.selectPreset(4);
  editor.setDelayMode(DelayMode::NoDelay);
  ASSERT_TRUE(editor.recordClick());
  for (int click = 0; click < 11; ++click) leftClick();
  EXPECT_TRUE(editor.recording()) << "22 bytes: one more press would leave no room for its release";
  button(MouseButton::Left, true);
  EXPECT_FALSE(editor.recording());
  EXPECT_FALSE(source->started);
  EXPECT_EQ(editor.notice, GunPresetEditor::kFullText);
  EXPECT_EQ(editor.lines.size(), 23u);
  std::string clicks;
  for (int click = 0; click < 11; ++click) clicks += click == 0 ? "A1 21" : " A1 21";
  EXPECT_EQ(workingHex(4), recordHex(clicks));
}

TEST_F(GunPresetEditorTest, RecordingWithDelaysKeepsRoomForEachReleaseAndItsDelay) {
  editor.selectPreset(5);
  editor.setDelayMode(DelayMode::FixedDelay);
  ASSERT_TRUE(editor.recordClick());
  for (int click = 0; click < 3; ++click) leftClick();
  ASSERT_TRUE(editor.recording());
  EXPECT_EQ(editor.usedBytes(), 21u);
  button(MouseButton::Left, true);
  EXPECT_FALSE(editor.recording());
  EXPECT_EQ(editor.notice, GunPresetEditor::kFullText);
  EXPECT_EQ(workingHex(5),
            recordHex("A1 FE 00 32 21 FE 00 32 A1 FE 00 32 21 FE 00 32 A1 FE 00 32 21"));
}

TEST_F(GunPresetEditorTest, TheEditorChangesTheWorkingCopyAndSendsNothing) {
  const GunTable committed = link.image.committedGunTable;
  editor.selectPreset(1);
  editor.selectEntry(0);
  ASSERT_TRUE(editor.deleteEntry());
  insertMove("1", "2");
  editor.setDelayMode(DelayMode::NoDelay);
  ASSERT_TRUE(editor.recordClick());
  leftClick();
  ASSERT_TRUE(editor.recordClick());
  EXPECT_EQ(workingHex(1), recordHex("A1 21"));
  EXPECT_EQ(link.image.committedGunTable, committed);
  EXPECT_TRUE(frames().empty()) << "the gun page's Confirm sends the presets";
}

TEST_F(GunPresetEditorTest, TheGunPageReadsAPresetTheEditorChanged) {
  guns.Btn_FireClick(1);
  ASSERT_EQ(guns.field(GunField::FireY), "7");
  editor.selectPreset(1);
  editor.selectEntry(3);  // the move
  ASSERT_TRUE(editor.deleteEntry());
  EXPECT_EQ(guns.field(GunField::FireY), "0");
  EXPECT_FALSE(guns.shown.yAt) << "a Fire Y-Axis edit has no move to write into";
}

TEST_F(GunPresetEditorTest, AReadShowsTheSelectedPresetAgain) {
  editor.selectPreset(1);
  setRecord(1, {macro::kLeftPress, macro::kLeftRelease});
  core.refreshFromImage();
  EXPECT_EQ(editor.lines, (EventLines{"00", kPress, kRelease}));
}

TEST_F(GunPresetEditorTest, RenameLabelsThePresetThroughTheNameDialog) {
  EXPECT_FALSE(editor.openRename()) << "rename needs a preset";
  editor.selectPreset(3);
  ASSERT_TRUE(editor.openRename());
  EXPECT_TRUE(host.overlaysVisible);
  editor.nameDialog->type(0, "Factory9");
  editor.nameDialog->type(0, "Factory9X");
  EXPECT_TRUE(editor.renameConfirm());
  EXPECT_FALSE(host.overlaysVisible);
  EXPECT_EQ(editor.presetNames()[2], "Factory9") << "the name dialog keeps eight characters";
  EXPECT_EQ(editor.presetNames()[1], "M16 Fire");
  ASSERT_TRUE(editor.openRename());
  EXPECT_FALSE(editor.renameConfirm()) << "an empty name changes nothing";
  ASSERT_TRUE(editor.openRename());
  editor.nameDialog->type(0, "Other");
  editor.renameClose();
  EXPECT_EQ(editor.presetNames()[2], "Factory9");
  EXPECT_FALSE(editor.nameDialog);
}

}  // namespace
}  // namespace mousecfg::test
