#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/WindowControls.h"
#include "device/ImageMap.h"
#include "device/TransferResult.h"

namespace mousecfg {

class DeviceLink;
class LanguageTables;
class DpiControlsMirror;
class ReportRateControl;
struct ProgramOptions;

// One DPI level's controls on the Advanced page.
struct DpiLevelControls {
  bool enabled = false;    // name label in the enabled colour; slider, check and swatch usable
  int sliderPosition = 0;  // slider_DPIn, 0..sliderMax()
  std::string valueText;   // lbl_DPInValue
  bool dragged = false;    // the slider was dragged since the last release
};

// The Advanced page (page 2): DPI levels with their steps and colours, the active level,
// the AIM DPI and the report rate. Every change is sent to the mouse at once.
class DpiPageState {
 public:
  static constexpr int kLevels = static_cast<int>(image::kDpiLevelCount);
  static constexpr const char* kChecked = kPictureTicked.data();
  static constexpr const char* kUnchecked = kPictureUnticked.data();
  static constexpr const char* kRadioChosen = "RdS_E";
  static constexpr const char* kRadioNotChosen = "RdS_D";

  DpiPageState(DeviceLink& link, const LanguageTables& texts, const ProgramOptions& options,
               DpiControlsMirror& engineer, ReportRateControl& rate);
  DpiPageState(const DpiPageState&) = delete;
  DpiPageState& operator=(const DpiPageState&) = delete;

  std::array<DpiLevelControls, kLevels> levels;  // index 0 = level 1
  int enabledLevels = 1;                         // N: levels 1..N are enabled
  int activeLevel = 1;                           // 1..8
  int aimSliderPosition = 0;                     // slider_AIMDPI, 0..1400
  int aimStepNumber = 1;              // AIM step + 1; new AIM-key entries take step number - 1
  std::string aimValueText;           // lbl_AIMDPIValue
  bool blockingPanelVisible = false;  // Disable_All_2 while a level is switched on or off

  // The colour dialog, set by the view: the current colour in, the chosen one out
  // (nullopt when cancelled).
  std::function<std::optional<uint32_t>(uint32_t current)> pickColour;

  int sliderMax() const;
  int dpiCount() const;
  // "CbS_E" on the active level's check picture, "CbS_D" on the others.
  std::string checkPicture(int level) const;
  uint32_t levelColour(int level) const;  // the swatch, 0xRRGGBB
  // The level's step as stored (0..14), or 15 when none is.
  int levelStep(int level) const;
  // Report-rate choice 1..4 (0 none) and its radio picture.
  int reportRateChoice() const;
  std::string ratePicture(int choice) const;

  void DPILevel_OnClick(int level);
  // Levels 1..count on and the rest off, one click on a level name at a time, as a user
  // would click them; stops early when a click changes nothing (handlers blocked).
  void switchOnLevels(int count);
  void CurrentDPI_OnClick(int level);
  void slider_DPIChange(int level, int position);
  void slider_DPIMouseUp(int level, int clickX, int sliderWidthPixels);
  // Gives a level a step as the slider's release does (also used by mousectl).
  void chooseLevelStep(int level, int step);
  void slider_AIMDPIChange(int position);
  void slider_AIMDPIMouseUp(int clickX);
  // Sets the AIM step (0..14) as the AIM slider's release does; false when no button is
  // an AIM key, in which case the AIM setting went back to its first step.
  bool chooseAimStep(int step);
  void lbl_DPIColClick(int level);
  void ReportRate_OnClick(int choice);
  void RefreshCurrentDPIStatus();
  void RefreshAIMKey();
  void refreshFromImage();
  // The device is gone: the remembered report rate is forgotten.
  void deviceGone();

  // What the mouse made of the last change sent; the window leaves a lost frame to the
  // monitor, mousectl reports it.
  TransferResult lastWrite;

 private:
  bool handlersBlocked() const;
  bool usableLevel(int level) const;
  void showLevelStep(int level, int step);
  void enableLevel(int level);
  void disableLevel(int level);
  void showAimStep(int step);

  DeviceLink& link_;
  const LanguageTables& texts_;
  const ProgramOptions& options_;
  DpiControlsMirror& engineer_;
  ReportRateControl& rate_;
};

}  // namespace mousecfg
