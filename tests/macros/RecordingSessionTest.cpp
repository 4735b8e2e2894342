#include "macros/RecordingSession.h"

#include <gtest/gtest.h>

#include "settings/KeyCodes.h"
#include "support/FakeHost.h"
#include "support/FakeInputSource.h"

namespace mousecfg::test {
namespace {

class RecordingSessionTest : public ::testing::Test {
 protected:
  RecordingSessionTest() {
    EditorSettings settings;
    settings.delayMode = DelayMode::NoDelay;
    recorder.start(settings);
  }

  FakeHost host;
  FakeInputSource source;
  MacroRecorder recorder{host.clock()};
  RecordingSession session{source, host, recorder};
};

TEST_F(RecordingSessionTest, ButtonsReachTheLinesThroughAPassOnTheUiThread) {
  session.begin();
  source.press(vk::kA);
  source.release(vk::kA);
  source.button(MouseButton::Right, true);
  ASSERT_TRUE(host.awaitPosted()) << "the worker asks for a pass";
  EXPECT_EQ(recorder.lines.size(), 3u) << "nothing changes before the UI thread runs the pass";
  host.runPosted();
  EXPECT_EQ(recorder.lines,
            (EventLines{"00", "1 A CODE:8204", "2 A CODE:0204", "1 RightKey CODE:00A2"}));
  session.end();
  EXPECT_FALSE(source.started);
}

TEST_F(RecordingSessionTest, TheClickOnTheRecordCommandIsNeverRecorded) {
  bool overRecord = true;
  session.pointerOverRecordCommand = [&] { return overRecord; };
  session.begin();
  source.button(MouseButton::Left, true);
  source.button(MouseButton::Left, false);
  ASSERT_TRUE(host.awaitPosted());
  host.runPosted();
  EXPECT_EQ(recorder.lines, EventLines{"00"});
  overRecord = false;
  source.button(MouseButton::Left, true);
  ASSERT_TRUE(host.awaitPosted());
  host.runPosted();
  EXPECT_EQ(recorder.lines.back(), "1 LeftKey CODE:00A1");
}

TEST_F(RecordingSessionTest, APassPostedBeforeTheSessionEndedDoesNothingAfterwards) {
  {
    RecordingSession brief(source, host, recorder);
    brief.begin();
    source.button(MouseButton::Middle, true);
    ASSERT_TRUE(host.awaitPosted());
  }
  host.runPosted();  // the session is gone: its pass must not touch it
  EXPECT_EQ(recorder.lines, EventLines{});
}

}  // namespace
}  // namespace mousecfg::test
