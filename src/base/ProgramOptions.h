#pragma once

#include <string>

#include "base/LayoutFile.h"

namespace mousecfg {

// The web address of the built-in general file. It is a reserved name that never
// resolves, so the web button leads nowhere until a vendor puts its own page there.
inline constexpr const char* kBuiltInWebAddress = "https://mousecfg.invalid/";

// The CPI value list has fifteen texts. A list needs at least two steps: the DPI
// slider spreads its width over DPI_Count - 1 gaps.
inline constexpr int kMinDpiCount = 2;
inline constexpr int kMaxDpiCount = 15;

// The program-wide options of section [org], read once at start-up. A key that is
// missing or not a number keeps the value below, which is the built-in file's value.
struct ProgramOptions {
  bool webEnable = true;                 // Web_Enable: the web button opens `web`
  std::string web = kBuiltInWebAddress;  // Web, UTF-8
  int webX = 750;                        // Web_X
  int webY = 520;                        // Web_Y
  int revManuId = 0;                     // Rev_Manu_ID: reserve manufacturer code
  int revProId = 0;                      // Rev_Pro_ID: reserve product code
  std::string path;                      // Path: macro file folder, UTF-8; empty = program folder
  bool trEnable = false;                 // TR_Enable: key labels roll their text
  bool beEnable = false;                 // BE_Enable: button-effect feature shown
  bool gdEnable = true;                  // GD_Enable: gun presets offered in game mode
  bool dpiLedStatus = true;              // DPILED_Status: true = slider bars, false = progress bars
  int gun6Num = 1;                       // Gun6_Num: stages of gun 6, 1..2
  int gun7Num = 1;                       // Gun7_Num: stages of gun 7, 1..3
  int numOrder = -1;                     // Num_Order: LED speed numbers 0 up, 1 down, -1 hidden
  int numMouseOrder = 0;                 // Num_Mouse_Order: -1 hides the mouse scale numbers
  int dpiCount = kMaxDpiCount;           // DPI_Count: CPI steps offered, 2..15

  // The DPI sliders run from 0 to this position (1409 for fifteen steps).
  int dpiSliderMax() const { return dpiCount * 100 - 91; }

  bool operator==(const ProgramOptions&) const = default;
};

ProgramOptions readProgramOptions(const LayoutFile& org);

// The options of the general file built into the program (resource "ORG").
ProgramOptions builtInProgramOptions();

}  // namespace mousecfg
