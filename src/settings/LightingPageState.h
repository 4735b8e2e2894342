#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "device/ImageMap.h"
#include "device/TransferResult.h"

namespace mousecfg {

class DeviceLink;
class LightingControlsMirror;
struct ProgramOptions;

// The Breathing Light page (page 3): the effect, the breathing speed, the flow speed,
// the brightness and the ten-colour table. Every choice is sent to the mouse at once.
class LightingPageState {
 public:
  static constexpr int kEffects = 7;
  static constexpr int kSpeeds = 10;
  static constexpr int kSlots = static_cast<int>(image::kColourSlotCount);
  // Effects 6 and 7 do not breathe: the speed pictures are greyed out for them.
  static constexpr int kLastBreathingEffect = 5;
  static constexpr const char* kRadioChosen = "RdS_E";
  static constexpr const char* kRadioNotChosen = "RdS_D";
  static constexpr const char* kSpeedLit = "Bar1_E";
  static constexpr const char* kSpeedUnlit = "Bar1_D";

  LightingPageState(DeviceLink& link, const ProgramOptions& options,
                    LightingControlsMirror& engineer);
  LightingPageState(const LightingPageState&) = delete;
  LightingPageState& operator=(const LightingPageState&) = delete;

  int effectChoice = 0;              // 1..7; 0 when the stored effect is none of them
  bool speedPicturesEnabled = true;  // Img_Fall1..10 accept clicks
  int breathingSpeed = 1;            // 1..10
  int flowSpeed = 2;                 // slider_MCULEDStep position 0..7
  bool fullBrightness = true;        // "Full" (lbl_MCULED3Control) or "Half" (lbl_MCULED6Control)

  // The colour dialog, set by the view: the current colour in, the chosen one out.
  std::function<std::optional<uint32_t>(uint32_t current)> pickColour;

  std::string effectPicture(int effect) const;  // radio picture of Img_LEDk
  std::string speedPicture(int speed) const;    // "Bar1_E" lit, "Bar1_D" not, by DPILED_Status
  std::string brightnessPicture(bool full) const;
  uint32_t slotColour(int slot) const;  // swatch lbl_Colk, 0xRRGGBB

  // A colour the gun page chose for its gun's slot: the swatch and the engineer page's
  // edits show it at once, the image and the mouse take it with the gun page's Confirm.
  // The lighting page's own choice for the slot replaces it.
  void setWaitingColour(int slot, uint32_t rgb);
  std::optional<uint32_t> waitingColour(int slot) const;
  void clearWaitingColours() { waitingColours_.fill(std::nullopt); }

  void RGBMode_OnClick(int effect);
  void RGBImgMode_OnClick(int effect) { RGBMode_OnClick(effect); }
  void FallTime_OnClick(int speed);
  void slider_MCULEDStepMouseUp(int clickX);
  // Sets the flow speed (0..7) as the slider's release does.
  void chooseFlowSpeed(int step);
  void chooseBrightness(bool full);
  void lbl_ColClick(int slot);
  void refreshFromImage();

  // What the mouse made of the last change sent; the window leaves a lost frame to the
  // monitor, mousectl reports it.
  TransferResult lastWrite;

 private:
  bool handlersBlocked() const;
  void markEffect(int effect);

  DeviceLink& link_;
  const ProgramOptions& options_;
  LightingControlsMirror& engineer_;
  std::array<std::optional<uint32_t>, kSlots> waitingColours_{};
};

}  // namespace mousecfg
