#pragma once

#include <array>
#include <string_view>

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
    {"Btn_Main", "Btn_B1", "Str004"},
    {"Btn_Switch", "Btn_B2", "Str005"},
    {"Btn_Fixed", "Btn_B3", "Str006"},
    {"Btn_Adv", "Btn_B4", "Str007"},
    {"Btn_Breath", "Btn_B5", "Str008"},
    {"Btn_Save", "Btn_B6", "Str009"},
    {"Btn_Load", "Btn_B7", "Str010"},
    {"Btn_Lang1", "Btn_B8", "Str011"},
    {"Btn_Lang2", "Btn_B9", "Str012"},
    {"Btn_Lang3", "Btn_B10", "Str013"},
    {"Btn_Macro", "Btn_B11", "Str014"},
    {"Btn_Update", "Btn_B12", "Str015"},
}};

inline constexpr std::array<PictureButtonSpec, 5> kWindowButtons{{
    {"Btn_Confirm1", "Btn_A2", "Str001"},
    {"Btn_Confirm2", "Btn_A3", "Str002"},
    {"Btn_Confirm3", "Btn_A5", "Str016"},
    {"Btn_Exit", "Btn_A4", "Str003"},
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
inline constexpr std::string_view kPictureKeyNormal = "KeyS_01";
inline constexpr std::string_view kPictureKeySelected = "KeyS_02";
inline constexpr std::string_view kPictureWebNormal = "WebS_01";
inline constexpr std::string_view kPictureWebPressed = "WebS_03";
inline constexpr std::string_view kPictureWindowButton = "BtnS_01";
inline constexpr std::string_view kPictureExit = "ExitS_01";
inline constexpr std::string_view kPictureMinimise = "MinS_01";

}  // namespace mousecfg
