#include "settings/KeyPageState.h"

#include <gtest/gtest.h>

#include "settings/ButtonAssignmentFixture.h"
#include "settings/MenuItems.h"

namespace mousecfg::test {
namespace {

class KeyPageStateTest : public ButtonAssignmentFixture {
 protected:
  KeyPageState pageWithRolling(bool rolling) {
    options.trEnable = rolling;
    return KeyPageState(assignment, options);
  }
};

TEST_F(KeyPageStateTest, PointingAtALabelMarksItAndRollsItsText) {
  KeyPageState page = pageWithRolling(true);
  page.KeyMouseEnter(6);
  EXPECT_EQ(page.markerPictures[5], "KeyS_02");
  ASSERT_TRUE(page.marqueeTimerEnabled());
  page.LabelRun();
  EXPECT_EQ(page.captions()[5], "PI +    D");
  page.LabelRun();
  EXPECT_EQ(page.captions()[5], "I +    DP");
  page.KeyMouseLeave(6);
  EXPECT_FALSE(page.marqueeTimerEnabled());
  EXPECT_EQ(page.markerPictures[5], "KeyS_01");
  EXPECT_EQ(page.captions()[5], "DPI +");
}

TEST_F(KeyPageStateTest, WithoutTextRollingOrOnADisabledLabelNothingRolls) {
  KeyPageState still = pageWithRolling(false);
  still.KeyMouseEnter(6);
  EXPECT_EQ(still.markerPictures[5], "KeyS_02");
  EXPECT_FALSE(still.marqueeTimerEnabled());
  KeyPageState rolling = pageWithRolling(true);
  rolling.labelEnabled[6] = false;
  rolling.KeyMouseEnter(7);
  EXPECT_FALSE(rolling.marqueeTimerEnabled());
}

TEST_F(KeyPageStateTest, ClickStopsTheRollingAndOpensTheMenuWithTheFullText) {
  KeyPageState page = pageWithRolling(true);
  page.KeyMouseEnter(2);
  page.LabelRun();
  page.ShowPnlMain_OnClick(2, kLabel, kWindow);
  EXPECT_FALSE(page.marqueeTimerEnabled());
  EXPECT_EQ(page.captions()[1], "Backward");
  EXPECT_EQ(page.markerPictures[1], "KeyS_01");
  EXPECT_TRUE(assignment.menu.isOpen());
  EXPECT_EQ(assignment.target, (MenuTarget{MenuTargetKind::KeyLabel, 1, 2}));
  page.ClearAP();
  EXPECT_FALSE(assignment.menu.isOpen());
}

TEST_F(KeyPageStateTest, LabelsOutsideOneToTwelveAreIgnored) {
  KeyPageState page = pageWithRolling(true);
  page.ShowPnlMain_OnClick(13, kLabel, kWindow);
  page.KeyMouseEnter(0);
  EXPECT_FALSE(assignment.menu.isOpen());
  EXPECT_FALSE(page.marqueeTimerEnabled());
}

TEST_F(KeyPageStateTest, ChangingTheEditedProfileShowsItsTable) {
  KeyPageState page = pageWithRolling(false);
  page.setEditedProfile(2);
  page.ShowPnlMain_OnClick(1, kLabel, kWindow);
  assignment.KeyStatusOnClick(menu_id::kMute);
  EXPECT_EQ(page.captions()[0], "Mute");
  page.setEditedProfile(1);
  EXPECT_EQ(page.editedProfile(), 1);
  EXPECT_EQ(page.captions()[0], "Left Key");
}

}  // namespace
}  // namespace mousecfg::test
