#include <QLabel>

#include "app/QtColourSwatch.h"
#include "app/QtSettingsPageFixture.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

using namespace image;

class QtLightingPageViewTest : public QtSettingsPageFixture {
 protected:
  void SetUp() override { connectAndOpen("Btn_Breath"); }
  QtTickOption* effect(int k) {
    return widget<QtTickOption>(qPrintable(QStringLiteral("lbl_LED%1").arg(k)));
  }
  QtTickOption* speedBar(int k) {
    return widget<QtTickOption>(qPrintable(QStringLiteral("Img_Fall%1").arg(k)));
  }
  std::string storedHex(size_t offset, size_t length) {
    return hexRange(mouse.storedBlock(), offset, length);
  }
};

TEST_F(QtLightingPageViewTest, ShowsTheEffectsAndTheColourTable) {
  EXPECT_TRUE(lighting->isVisible());
  EXPECT_EQ(effect(1)->caption(), "Colorful Light");
  EXPECT_EQ(effect(7)->caption(), "Breathing");
  EXPECT_EQ(widget<QtColourSwatch>("lbl_Col1")->colour(), QColor(0, 255, 0));
  EXPECT_EQ(widget<QtColourSwatch>("lbl_Col6")->colour(), QColor(0xFF, 0x80, 0x00));
  EXPECT_EQ(widget<QLabel>("lbl_LEDEffect")->text(), "LED Effect");
  EXPECT_EQ(widget<QLabel>("lbl_Fast")->text(), "Fast");
}

TEST_F(QtLightingPageViewTest, EffectClickWritesTheEffectCodeToByte165) {
  ASSERT_EQ(storedHex(kUserOffset + kUserLedEffect, 1), "81");
  click(effect(3));  // no LED type chosen: effects count from 0
  EXPECT_EQ(storedHex(kUserOffset + kUserLedEffect, 1), "82");
  EXPECT_EQ(effect(3)->pictureName(), "RdS_E");
  EXPECT_EQ(effect(1)->pictureName(), "RdS_D");
}

TEST_F(QtLightingPageViewTest, EffectOnAnMcuLedMouseCountsFromOne) {
  shell.link.connection.ledType = "MCULED";
  click(effect(3));
  EXPECT_EQ(storedHex(kUserOffset + kUserLedEffect, 1), "83");
}

TEST_F(QtLightingPageViewTest, EffectsWithoutBreathingGreyTheSpeedsOut) {
  click(effect(6));
  EXPECT_FALSE(speedBar(1)->isEnabled());
  mouse.clearTrace();
  click(speedBar(4));
  EXPECT_TRUE(mouse.trace().empty()) << "a greyed speed takes no clicks";
  click(effect(2));
  EXPECT_TRUE(speedBar(1)->isEnabled());
}

TEST_F(QtLightingPageViewTest, BreathingSpeedFourWrites20AndLightsItsBar) {
  click(effect(1));
  click(speedBar(4));
  EXPECT_EQ(storedHex(kBreathingStepTimeOffset, 1), "14");
  for (int k = 1; k <= 10; ++k)
    EXPECT_EQ(speedBar(k)->pictureName(), k == 4 ? "Bar1_E" : "Bar1_D") << k;
}

TEST_F(QtLightingPageViewTest, ColourSlotTakesTheColourFromTheDialog) {
  uint32_t offered = 0;
  shell.core.lighting.pickColour = [&](uint32_t current) -> std::optional<uint32_t> {
    offered = current;
    return 0xA0B0C0;
  };
  click(widget<QtColourSwatch>("lbl_Col3"));
  EXPECT_EQ(offered, 0x0000FFu) << "slot 3 is blue";
  EXPECT_EQ(storedHex(kColourTableOffset + 6, 3), "A0 B0 C0");
  EXPECT_EQ(widget<QtColourSwatch>("lbl_Col3")->colour(), QColor(0xA0, 0xB0, 0xC0));
  EXPECT_EQ(storedHex(kColourTableOffset + 3, 3), "FF 00 00") << "slot 2 untouched";
}

TEST_F(QtLightingPageViewTest, FlowSpeedTakesThePositionUnderTheClick) {
  auto* flow = widget<QtSkinSlider>("slider_MCULEDStep");
  const int distance = flow->trackLength() / 7;
  clickTrack(flow, 5 * distance);
  EXPECT_EQ(shell.core.lighting.flowSpeed, 5);
  EXPECT_EQ(shell.core.engineerLed.cb_MCULEDStep, 5);
  EXPECT_EQ(flow->position(), 5);
}

TEST_F(QtLightingPageViewTest, HalfBrightnessSwapsTheChoices) {
  click(widget<QtTickOption>("lbl_MCULED6Control"));
  EXPECT_FALSE(shell.core.lighting.fullBrightness);
  EXPECT_EQ(picture("lbl_MCULED6Control"), "RdS_E");
  EXPECT_EQ(picture("lbl_MCULED3Control"), "RdS_D");
  click(widget<QtTickOption>("lbl_MCULED3Control"));
  EXPECT_TRUE(shell.core.lighting.fullBrightness);
  EXPECT_EQ(picture("lbl_MCULED3Control"), "RdS_E");
}

}  // namespace
}  // namespace mousecfg::test
