#include "macros/MacroRecorder.h"

#include <gtest/gtest.h>

#include "settings/KeyCodes.h"
#include "support/HexBytes.h"
#include "support/VirtualClock.h"

namespace mousecfg::test {
namespace {

EditorSettings withDelay(DelayMode mode) {
  EditorSettings settings;
  settings.delayMode = mode;
  return settings;
}

// The recorder fed by the keyboard capture, as the platform's input source feeds it.
class MacroRecorderTest : public ::testing::Test {
 protected:
  MacroRecorderTest() {
    capture.onReceive = [this](int key, int, KeyEventType type) {
      types.push_back(static_cast<int>(type));
      recorder.KeyboardHook1Receive(key, type);
    };
    capture.enabled = true;
  }
  void tap(int key) {
    capture.keyDown(key);
    capture.keyUp(key);
  }

  VirtualClock clock;
  MacroRecorder recorder{clock};
  KeyboardCapture capture;
  std::vector<int> types;
};

TEST_F(MacroRecorderTest, AKeyDownAndUpWithNoDelayGivesItsPressAndRelease) {
  recorder.start(withDelay(DelayMode::NoDelay));
  tap(vk::kA);
  EXPECT_EQ(recorder.lines, (EventLines{"00", "1 A CODE:8204", "2 A CODE:0204"}));
  EXPECT_EQ(hexBytes(compileMacro(recorder.lines, RepeatSetting::UntilKeyReleased, 1).bytes),
            "82 04 02 04 00");
  EXPECT_EQ(recorder.used(), 4);
}

TEST_F(MacroRecorderTest, AHeldKeyRecordsOnePress) {
  recorder.start(withDelay(DelayMode::NoDelay));
  capture.keyDown(vk::kA);
  capture.keyDown(vk::kA);
  capture.keyDown(vk::kA);
  capture.keyUp(vk::kA);
  EXPECT_EQ(types, (std::vector<int>{0, 2, 2, 1}));
  EXPECT_EQ(recorder.lines, (EventLines{"00", "1 A CODE:8204", "2 A CODE:0204"}));
}

TEST_F(MacroRecorderTest, TwoKeysHeldTogetherGiveTheirTypesInOrder) {
  capture.keyDown(vk::kA);
  capture.keyDown((vk::kA + 1));
  capture.keyUp(vk::kA);
  capture.keyUp((vk::kA + 1));
  EXPECT_EQ(types, (std::vector<int>{0, 2, 1, 1}));
}

TEST_F(MacroRecorderTest, CombinationsCompleteWhenEveryKeyIsUp) {
  std::vector<int> keys;
  KeyboardCapture::Modifiers modifiers;
  capture.onKeyCombination = [&](KeyboardCapture::Modifiers m, const std::vector<int>& k) {
    modifiers = m;
    keys = k;
  };
  capture.keyDown(vk::kControl);
  capture.keyDown(vk::kA);
  capture.keyUp(vk::kA);
  EXPECT_TRUE(keys.empty()) << "Ctrl is still down";
  capture.keyUp(vk::kControl);
  EXPECT_TRUE(modifiers.ctrl);
  EXPECT_EQ(keys, std::vector<int>{keyIndexOfVirtualKey(vk::kA)});
}

TEST_F(MacroRecorderTest, ModifiersRecordTheirModifierCodes) {
  recorder.start(withDelay(DelayMode::NoDelay));
  tap(vk::kShift);
  tap(vk::kLeftWin);
  EXPECT_EQ(recorder.lines, (EventLines{"00", "1 Shift CODE:8102", "2 Shift CODE:0102",
                                        "1 Left Windows CODE:8108", "2 Left Windows CODE:0108"}));
}

TEST_F(MacroRecorderTest, RecordedDelaysAreTheTimeBetweenEventsUpTo65535) {
  recorder.start(withDelay(DelayMode::RealRecord));
  capture.keyDown(vk::kA);
  clock.advance(120);
  capture.keyUp(vk::kA);
  clock.advance(70'000);
  EXPECT_TRUE(recorder.mouseButton(MouseButton::Left, true));
  EXPECT_EQ(recorder.lines, (EventLines{"10", "1 A CODE:8204", "0 120", "2 A CODE:0204", "0 65535",
                                        "1 LeftKey CODE:00A1"}));
  EXPECT_EQ(recorder.used(), 2 + 3 + 2 + 3 + 1);
}

TEST_F(MacroRecorderTest, AFixedDelayGoesBeforeEveryEventButTheFirst) {
  EditorSettings settings = withDelay(DelayMode::FixedDelay);
  settings.fixedDelayMs = 40;
  recorder.start(settings);
  tap(vk::kA);
  EXPECT_EQ(recorder.lines, (EventLines{"0140", "1 A CODE:8204", "0 40", "2 A CODE:0204"}));
}

TEST_F(MacroRecorderTest, TheBudgetStopsTheRecording) {
  bool stopped = false;
  recorder.onStop = [&] { stopped = true; };
  recorder.start(withDelay(DelayMode::RealRecord));
  ButtonFlags flags;
  for (int i = 0; i < 200 && recorder.recording(); ++i) {
    clock.advance(10);
    tap(vk::kA + i % 26);
    flags.hookEvent(recorder.recording(), false, MouseButton::Right, true);
    recorder.pass(flags);
  }
  EXPECT_TRUE(stopped);
  EXPECT_FALSE(recorder.recording());
  EXPECT_LE(recorder.used(), MacroRecorder::kCapacity);
  const CompiledMacro compiled = compileMacro(recorder.lines, RepeatSetting::UntilKeyReleased, 1);
  EXPECT_EQ(compiled.bytes.size(), static_cast<size_t>(recorder.used()) + 1);
  EXPECT_TRUE(compiled.fits());
}

TEST_F(MacroRecorderTest, ThePassTakesTheFlagsInOrderAndClearsThem) {
  recorder.start(withDelay(DelayMode::NoDelay));
  ButtonFlags flags;
  flags.hookEvent(true, false, MouseButton::Backward, false);
  flags.hookEvent(true, false, MouseButton::Left, true);
  flags.hookEvent(true, true, MouseButton::Left, false);     // the click on Stop
  flags.hookEvent(false, false, MouseButton::Middle, true);  // not recording
  recorder.pass(flags);
  EXPECT_EQ(recorder.lines, (EventLines{"00", "1 LeftKey CODE:00A1", "2 Backward CODE:0030"}));
  EXPECT_FALSE(flags.any());
  EXPECT_TRUE(recorder.recording());
}

TEST_F(MacroRecorderTest, InsertRecordingPutsItsLinesAtThePosition) {
  recorder.lines = {"00", "1 A CODE:8204", "2 A CODE:0204"};
  recorder.startInsert(withDelay(DelayMode::NoDelay), 2, 4);
  tap((vk::kA + 1));
  EXPECT_EQ(recorder.lines,
            (EventLines{"00", "1 A CODE:8204", "1 B CODE:8205", "2 B CODE:0205", "2 A CODE:0204"}));
  EXPECT_EQ(recorder.insertPosition(), 4u);
}

}  // namespace
}  // namespace mousecfg::test
