#pragma once

#include <array>
#include <string_view>

#include "base/LanguageKeys.h"

namespace mousecfg {

// A picture button of the window: its control name, its layout key family
// ("Btn_B1" gives Btn_B1_Enable, Btn_B1_X, Btn_B1_Y) and its caption's language key.
struct PictureButtonSpec {
  std::string_view name;
  std::string_view layoutKey;
  std::string_view captionKey;
};

// The page buttons, each with five copies (one per page group), and the buttons of
// the window frame. Order matters nowhere but in the tests.
inline constexpr std::array<PictureButtonSpec, 12> kPageButtons{{
    {"Btn_Main", "Btn_B1", langkey::caption::kOfficeMode},
    {"Btn_Switch", "Btn_B2", langkey::caption::kGameMode},
    {"Btn_Fixed", "Btn_B3", langkey::caption::kThirdMode},
    {"Btn_Adv", "Btn_B4", langkey::caption::kAdvanced},
    {"Btn_Breath", "Btn_B5", langkey::caption::kLighting},
    {"Btn_Save", "Btn_B6", langkey::caption::kSaveProfile},
    {"Btn_Load", "Btn_B7", langkey::caption::kLoadProfile},
    {"Btn_Lang1", "Btn_B8", langkey::caption::kLanguage1},
    {"Btn_Lang2", "Btn_B9", langkey::caption::kLanguage2},
    {"Btn_Lang3", "Btn_B10", langkey::caption::kLanguage3},
    {"Btn_Macro", "Btn_B11", langkey::caption::kMacro},
    {"Btn_Update", "Btn_B12", langkey::caption::kUpdate},
}};

inline constexpr std::array<PictureButtonSpec, 5> kWindowButtons{{
    {"Btn_Confirm1", "Btn_A2", langkey::caption::kConfirm1},
    {"Btn_Confirm2", "Btn_A3", langkey::caption::kConfirm2},
    {"Btn_Confirm3", "Btn_A5", langkey::caption::kConfirm3},
    {"Btn_Exit", "Btn_A4", langkey::caption::kExit},
    {"Btn_Mini", "Btn_A6", ""},
}};

inline constexpr int kKeyLabelCount = 12;
inline constexpr int kPagePictureCount = 6;  // P1..P6
inline constexpr int kEngineerButtonX = 10;
inline constexpr int kEngineerButtonY = 10;
inline constexpr int kEngineerButtonSize = 40;  // an unmarked spot over the brand mark
inline constexpr int kEngineerPageWidth = 1256;
inline constexpr int kEngineerPageHeight = 680;

// Picture names of the skin.
inline constexpr std::string_view kPictureBackground = "BackGround";  // "L1_BackGround"
inline constexpr std::string_view kPictureButtonNormal = "SetS_01";
inline constexpr std::string_view kPictureButtonSelected = "SetS_03";
inline constexpr std::string_view kPictureTicked = "CbS_E";  // an option that is on
inline constexpr std::string_view kPictureUnticked = "CbS_D";
inline constexpr std::string_view kPictureKeyNormal = "KeyS_01";
inline constexpr std::string_view kPictureKeySelected = "KeyS_02";
inline constexpr std::string_view kPictureWebNormal = "WebS_01";
inline constexpr std::string_view kPictureWebPressed = "WebS_03";
inline constexpr std::string_view kPictureWindowButton = "BtnS_01";
inline constexpr std::string_view kPictureExit = "ExitS_01";
inline constexpr std::string_view kPictureMinimise = "MinS_01";

}  // namespace mousecfg
