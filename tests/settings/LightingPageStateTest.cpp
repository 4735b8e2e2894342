#include <gtest/gtest.h>

#include "device/ConfigImage.h"
#include "support/SettingsPagesFixture.h"

namespace mousecfg::test {
namespace {

using namespace image;

class LightingPageStateTest : public SettingsPagesFixture {
 protected:
  void SetUp() override { readDevice(); }

  void useLedType(const char* type) {
    link.connection.ledType = type;
    refreshPages();
    mouse.clearTrace();
  }

  std::string speedPictures() const {
    std::string shown;
    for (int speed = 1; speed <= LightingPageState::kSpeeds; ++speed)
      shown += lighting.speedPicture(speed) == "Bar1_E" ? '#' : '.';
    return shown;
  }
};

TEST_F(LightingPageStateTest, Effect3OnAnMcuLedMouseWrites83) {
  useLedType("MCULED");
  lighting.RGBMode_OnClick(3);
  const auto writes = directWrites();
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0], directWrite(0xA5, {0x83}));
  EXPECT_EQ(writes[1], directWrite(0xBF, {userChecksum()}));
  EXPECT_EQ(lighting.effectChoice, 3);
  EXPECT_EQ(lighting.effectPicture(3), "RdS_E");
  EXPECT_EQ(lighting.effectPicture(1), "RdS_D");
  EXPECT_EQ(engineerLed.cb_BreMode, 2);
  EXPECT_TRUE(storedUserValid());
}

TEST_F(LightingPageStateTest, Effect3OnAnRgbMouseWrites82) {
  useLedType("RGB");
  lighting.RGBImgMode_OnClick(3);
  EXPECT_EQ(directWrites().front(), directWrite(0xA5, {0x82}));
}

TEST_F(LightingPageStateTest, Effect1OnAnRgbMouseClearsTheLowNibble) {
  useLedType("RGB");
  lighting.RGBMode_OnClick(1);
  EXPECT_EQ(directWrites().front(), directWrite(0xA5, {0x80}));
}

TEST_F(LightingPageStateTest, EveryWrittenEffectIsShownAgainAfterTheNextRead) {
  for (const char* type : {"RGB", "Sync", "MCULED", "SPITLED"}) {
    useLedType(type);
    for (int effect = 1; effect <= LightingPageState::kEffects; ++effect) {
      lighting.RGBMode_OnClick(effect);
      lighting.RGBMode_OnClick(effect == 1 ? 2 : 1);  // the page shows another choice
      lighting.RGBMode_OnClick(effect);
      readAgain();
      EXPECT_EQ(lighting.effectChoice, effect) << type;
      EXPECT_EQ(engineerLed.cb_BreMode, effect - 1) << type;
    }
  }
}

TEST_F(LightingPageStateTest, AStoredNibbleThatNoEffectWritesShowsNoChoice) {
  useLedType("MCULED");
  link.image.user[kUserLedEffect] = 0x80;
  refreshPages();
  EXPECT_EQ(lighting.effectChoice, 0);
  EXPECT_EQ(engineerLed.cb_BreMode, -1);
  EXPECT_TRUE(lighting.speedPicturesEnabled);
}

TEST_F(LightingPageStateTest, Effects6And7GreyOutTheSpeedPictures) {
  lighting.RGBMode_OnClick(6);
  EXPECT_FALSE(lighting.speedPicturesEnabled);
  mouse.clearTrace();
  lighting.FallTime_OnClick(3);
  EXPECT_TRUE(frames().empty()) << "greyed-out pictures take no clicks";
  lighting.RGBMode_OnClick(7);
  EXPECT_FALSE(lighting.speedPicturesEnabled);
  lighting.RGBMode_OnClick(5);
  EXPECT_TRUE(lighting.speedPicturesEnabled);
}

TEST_F(LightingPageStateTest, EffectDuringABatchIsMarkedButNotSent) {
  {
    const auto batch = link.holdBatch();
    lighting.RGBMode_OnClick(4);
  }
  EXPECT_EQ(lighting.effectChoice, 4);
  EXPECT_TRUE(frames().empty());
}

TEST_F(LightingPageStateTest, BreathingSpeed4Writes20ToByte56) {
  lighting.FallTime_OnClick(4);
  const auto writes = directWrites();
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0], directWrite(0x38, {20}));
  EXPECT_EQ(writes[1], directWrite(0xA3, {vendorChecksum()}));
  EXPECT_EQ(engineerLed.edt_StepTime, "20");
  EXPECT_EQ(lighting.breathingSpeed, 4);
}

TEST_F(LightingPageStateTest, SpeedPicturesFollowTheDpiLedStatusStyle) {
  lighting.FallTime_OnClick(4);
  options.dpiLedStatus = true;
  EXPECT_EQ(speedPictures(), "...#......");
  options.dpiLedStatus = false;
  EXPECT_EQ(speedPictures(), "####......");
}

TEST_F(LightingPageStateTest, Typing23IntoStepTimeLightsSpeed5) {
  engineerLed.edt_StepTimeChange("23");
  EXPECT_EQ(lighting.breathingSpeed, 5);
  EXPECT_EQ(engineerLed.edt_StepTime, "23");
  EXPECT_EQ(directWrites().front(), directWrite(0x38, {23}));
}

TEST_F(LightingPageStateTest, TheDefaultStepTime9ShowsSpeed2) {
  EXPECT_EQ(lighting.breathingSpeed, 2);
}

TEST_F(LightingPageStateTest, Typing70000IntoUpperShows65535AndWritesFFFF) {
  engineerLed.edt_UpperChange("70000");
  EXPECT_EQ(engineerLed.edt_Upper, "65535");
  const auto writes = directWrites();
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0], directWrite(0x32, {0xFF, 0xFF}));
  EXPECT_EQ(writes[1], directWrite(0xA3, {vendorChecksum()}));
  EXPECT_EQ(hexRange(mouse.storedBlock(), 50, 2), "FF FF");
}

TEST_F(LightingPageStateTest, BreathingFieldsClampToTheirOwnMaximum) {
  engineerLed.edt_LowerTimeChange("5000");
  EXPECT_EQ(engineerLed.edt_LowerTime, "4094");
  engineerLed.edt_StepTimeChange("300");
  EXPECT_EQ(engineerLed.edt_StepTime, "255");
  engineerLed.edt_LowerChange("258");
  engineerLed.edt_UpperTimeChange("");
  EXPECT_EQ(hexRange(mouse.storedBlock(), 48, 9), "01 02 00 FF 0F FE 00 00 FF");
  EXPECT_EQ(lighting.breathingSpeed, 10);
}

TEST_F(LightingPageStateTest, BreathingFieldsIgnoreTextThatIsNotANumber) {
  engineerLed.edt_UpperChange("12ab");
  engineerLed.edt_LowerChange("-5");
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(engineerLed.edt_Upper, "255");
}

TEST_F(LightingPageStateTest, EngineerHandlersDoNothingWhileTheWindowIsRefreshed) {
  {
    const auto refreshing = link.holdRefreshing();
    engineerLed.edt_UpperChange("1");
    engineerLed.cb_MCULEDStepChange(4);
    engineerLed.colourEdited(1, EngineerLedState::Red, "1");
  }
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(engineerLed.cb_MCULEDStep, 2);
}

TEST_F(LightingPageStateTest, FlowSpeedOnTheFlowingLedWritesTheBlockAndTheXDataRegisters) {
  useLedType("MCULED");
  lighting.slider_MCULEDStepMouseUp(150);  // position 5
  EXPECT_EQ(lighting.flowSpeed, 5);
  EXPECT_EQ(engineerLed.cb_MCULEDStep, 5);
  const auto commands = framesStartingWith("S 40");
  ASSERT_EQ(commands.size(), 4u);
  EXPECT_EQ(commands[0], "S 40 07 03 F0 00 10 00 00") << "16-byte block write at 1008";
  EXPECT_EQ(commands[1], "S 40 01 07 C4 05 00 00 00");
  EXPECT_EQ(commands[2], "S 40 01 07 C5 80 00 00 00");
  EXPECT_EQ(commands[3], "S 40 01 07 B4 30 00 00 00");
  EXPECT_EQ(hexRange(mouse.storedBlock(), kFlowingLedOffset, 8), "05 80 00 00 00 00 00 DF");
  EXPECT_EQ(hexRange(link.image.patchRecord, 8, 8), "05 80 00 00 00 00 00 DF");
  EXPECT_EQ(mouse.extendedByte(0x07C4), 0x05);
  EXPECT_EQ(mouse.extendedByte(0x07C5), 0x80);
  EXPECT_EQ(mouse.extendedByte(0x07B4), 0x30);
}

TEST_F(LightingPageStateTest, TheBlockWriteKeepsThePatchCheckValue) {
  useLedType("MCULED");
  link.image.patchRecord[6] = 0x12;
  link.image.patchRecord[7] = 0x34;
  lighting.chooseBrightness(false);
  EXPECT_EQ(hexRange(mouse.storedBlock(), kPatchRecordOffset, 16),
            "00 00 00 00 00 00 12 34 02 00 00 00 00 00 00 58");
  EXPECT_FALSE(lighting.fullBrightness);
  EXPECT_EQ(lighting.brightnessPicture(false), "RdS_E");
  EXPECT_EQ(engineerLed.cb_MCULEDCtrl, 0);
}

TEST_F(LightingPageStateTest, LedCountListGoesIntoTheLowNibble) {
  useLedType("MCULED");
  engineerLed.cb_MCULEDNumChange(0);  // "4" LEDs
  EXPECT_EQ(hexRange(mouse.storedBlock(), kFlowingLedOffset, 8), "02 89 00 00 00 00 00 D1");
}

TEST_F(LightingPageStateTest, TheFlowingLedSendsNothingUnlessTheInterfaceIsI2c) {
  useLedType("MCULED");
  link.connection.interfaceType = "KV204";
  lighting.chooseFlowSpeed(6);
  EXPECT_TRUE(frames().empty());
  EXPECT_EQ(lighting.flowSpeed, 6);
}

TEST_F(LightingPageStateTest, OnAnRgbMouseTheFlowSpeedSetsTheStepTime) {
  useLedType("RGB");
  lighting.chooseFlowSpeed(3);
  const auto commands = framesStartingWith("S 40");
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0], directWrite(0x38, {100}));
  EXPECT_EQ(commands[1], directWrite(0xA3, {vendorChecksum()}));
  EXPECT_TRUE(storedVendorValid());
  EXPECT_EQ(engineerLed.edt_StepTime, "100");
  mouse.clearTrace();
  lighting.chooseBrightness(true);
  EXPECT_TRUE(frames().empty()) << "brightness means nothing to an RGB mouse";
}

TEST_F(LightingPageStateTest, ColourSlotFromTheDialogGoesToTheEditsAndTheMouse) {
  lighting.pickColour = [](uint32_t current) {
    EXPECT_EQ(current, 0xFF0000u);
    return std::optional<uint32_t>(0xABCDEF);
  };
  lighting.lbl_ColClick(2);
  EXPECT_EQ(lighting.slotColour(2), 0xABCDEFu);
  EXPECT_EQ(engineerLed.edt_Col[1], (std::array<std::string, 3>{"171", "205", "239"}));
  const auto writes = directWrites();
  ASSERT_EQ(writes.size(), 2u);
  EXPECT_EQ(writes[0], directWrite(0x3C, {0xAB, 0xCD, 0xEF}));
  EXPECT_EQ(writes[1], directWrite(0xA3, {vendorChecksum()}));
}

TEST_F(LightingPageStateTest, TypedSlotColourIsClampedAndWritten) {
  engineerLed.colourEdited(10, EngineerLedState::Blue, "999");
  EXPECT_EQ(engineerLed.edt_Col[9][2], "255");
  engineerLed.colourEdited(10, EngineerLedState::Red, "16");
  EXPECT_EQ(lighting.slotColour(10), 0x10FFFFu);
  EXPECT_EQ(directWrites()[2], directWrite(0x54, {0x10}));
}

TEST_F(LightingPageStateTest, RefreshShowsTheFlowBlockAndTheColourTable) {
  EXPECT_EQ(lighting.flowSpeed, 2);
  EXPECT_TRUE(lighting.fullBrightness);
  EXPECT_EQ(engineerLed.cb_MCULEDNum, 9);
  EXPECT_EQ(lighting.slotColour(9), 0x7F00FFu);
  EXPECT_EQ(engineerLed.edt_Col[8], (std::array<std::string, 3>{"127", "", "255"}));
  EXPECT_EQ(engineerLed.edt_Upper, "255");
  EXPECT_EQ(engineerLed.edt_Lower, "");
}

}  // namespace
}  // namespace mousecfg::test
