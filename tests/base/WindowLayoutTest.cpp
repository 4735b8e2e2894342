#include "base/WindowLayout.h"

#include <gtest/gtest.h>

namespace mousecfg {
namespace {

Size fixedSizes(std::string_view picture) {
  if (picture == "SetS_01") return {150, 40};
  if (picture == "KeyS_01") return {160, 30};
  if (picture == "BtnS_01") return {120, 34};
  if (picture == "WebS_01") return {130, 36};
  if (picture == "L2_Back1") return {700, 470};
  return {};
}

WindowLayout layoutOf(std::string_view text, int language = 1) {
  return applyLayout(LayoutFile(text, "org1"), ProgramOptions{}, language, fixedSizes);
}

TEST(WindowLayout, PageButtonPictureAndInsetCaption) {
  const WindowLayout layout = layoutOf(
      "[org1]\nBtn_Space_F=14\nBtn_Space_B = 10\nBtn_B4_Enable=1\nBtn_B4_X=20\nBtn_B4_Y=176\n");
  const Placement& adv = layout.button("Btn_Adv");
  EXPECT_TRUE(adv.visible);
  EXPECT_EQ(adv.picture, (Rect{20, 176, 150, 40}));
  EXPECT_EQ(adv.label, (Rect{34, 176, 126, 40}));
}

TEST(WindowLayout, OnlyAOneEnablesAndMissingKeysHide) {
  const WindowLayout layout = layoutOf(
      "[org1]\nBtn_B10_Enable=0\nBtn_B10_X=20\nBtn_B10_Y=544\nBtn_B8_Enable=01\n"
      "Btn_B9_Enable=1\n");
  EXPECT_FALSE(layout.button("Btn_Lang3").visible) << "position given, but switched off";
  EXPECT_FALSE(layout.button("Btn_Lang1").visible) << "only \"1\" switches on";
  EXPECT_TRUE(layout.button("Btn_Lang2").visible);
  EXPECT_FALSE(layout.button("Btn_Save").visible) << "no keys at all";
  EXPECT_FALSE(layout.button("Btn_NoSuchButton").visible);
}

TEST(WindowLayout, OffWindowCoordinatesAreUsedUnchanged) {
  const WindowLayout layout = layoutOf(
      "[org1]\nBtn_B8_Enable=1\nBtn_B8_X=9790\nBtn_B8_Y=-30\nKey7_Enable=1\nKey7_X=2506\n"
      "Key7_Y=8394\n");
  EXPECT_EQ(layout.button("Btn_Lang1").picture.x, 9790);
  EXPECT_EQ(layout.button("Btn_Lang1").picture.y, -30);
  EXPECT_EQ(layout.keys[6].picture, (Rect{2506, 8394, 160, 30}));
  EXPECT_EQ(layout.keys[6].label, layout.keys[6].picture) << "a key label covers its picture";
}

TEST(WindowLayout, TextGroupsComposeTheirColour) {
  const WindowLayout layout =
      layoutOf("[org1]\nSize_A=11\nColor_A_R=255\nColor_A_G=128\nColor_A_B=1\nSize_B=x\n");
  EXPECT_EQ(layout.group('A'), (TextStyle{11, 0xFF8001}));
  EXPECT_EQ(layout.group('B').size, 9) << "a non-numeric size falls back";
  EXPECT_EQ(layout.group('M'), (TextStyle{9, 0}));
}

TEST(WindowLayout, EngineerButtonAlwaysAtTenTen) {
  const WindowLayout layout = layoutOf("[org1]\n");
  EXPECT_TRUE(layout.engineerButton.visible);
  EXPECT_EQ(layout.engineerButton.picture.x, 10);
  EXPECT_EQ(layout.engineerButton.picture.y, 10);
}

TEST(WindowLayout, PagePicturesTakeTheLanguagesPictureSize) {
  const WindowLayout layout = layoutOf("[org1]\nP1_X=184\nP1_Y=70\n", 2);
  EXPECT_EQ(layout.pagePictures[0], (Rect{184, 70, 700, 470}));
}

TEST(WindowLayout, HintLineIsTwiceItsFontSizeHigh) {
  const WindowLayout layout = layoutOf(
      "[org1]\nHint_Lable_X=190\nHint_Lable_Y=524\nHint_Lable_Width=540\nHint_Lable_Size=8\n"
      "Hint_Lable_R=200\nHint_Lable_G=200\nHint_Lable_B=200\n");
  EXPECT_EQ(layout.hint.rect, (Rect{190, 524, 540, 16}));
  EXPECT_EQ(layout.hint.style, (TextStyle{8, 0xC8C8C8}));
}

TEST(WindowLayout, WebButtonComesFromTheGeneralOptions) {
  ProgramOptions options;
  options.webX = 750;
  options.webY = 520;
  const WindowLayout layout = applyLayout(LayoutFile("[org1]\n", "org1"), options, 1, fixedSizes);
  EXPECT_EQ(layout.web.picture, (Rect{750, 520, 130, 36}));
}

}  // namespace
}  // namespace mousecfg
