#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "device/ImageMap.h"
#include "device/TransferResult.h"
#include "settings/EngineerMirrors.h"

namespace mousecfg {

class DeviceLink;

// The engineer page's lighting controls: the effect list, the breathing parameters,
// the flowing-LED lists with the LED-parameter handler, and the colour-slot edits. They
// mirror the Breathing Light page and, when changed here, write the same bytes.
class EngineerLedState : public LightingControlsMirror {
 public:
  static constexpr int kSlots = static_cast<int>(image::kColourSlotCount);
  static constexpr int kNoItem = -1;
  enum ColourPart { Red = 0, Green = 1, Blue = 2 };
  enum class LedParameter { SpeedStep, Brightness, LedCount };
  static constexpr int kHalfBrightness = 0;  // cb_MCULEDCtrl "流光半亮"
  static constexpr int kFullBrightness = 1;  // cb_MCULEDCtrl "流光全亮"
  // A breathing parameter: where it lives, its width in bytes and its largest value.
  struct BreathingField {
    size_t offset;
    size_t width;
    int64_t maximum;
  };

  explicit EngineerLedState(DeviceLink& link) : link_(link) {}

  int cb_BreMode = kNoItem;  // effect - 1
  std::string edt_Lower;     // decimal texts of the breathing parameters
  std::string edt_Upper;
  std::string edt_LowerTime;
  std::string edt_UpperTime;
  std::string edt_StepTime;
  int cb_MCULEDStep = 2;                                   // flow speed "0".."7"
  int cb_MCULEDCtrl = kFullBrightness;                     // flow brightness
  int cb_MCULEDNum = 9;                                    // LED count "4".."13"
  std::array<std::array<std::string, 3>, kSlots> edt_Col;  // R, G, B of slots 1..10

  // Run after a change made here, so the Breathing Light page shows it too.
  std::function<void()> valuesChanged;

  // Handlers, called with what the user typed or chose (the fields above still hold the
  // previous value). Each does nothing while the window is being refreshed and sends
  // nothing while a batch runs.
  void cb_BreModeChange(int index);
  void edt_LowerChange(std::string_view text);
  void edt_UpperChange(std::string_view text);
  void edt_LowerTimeChange(std::string_view text);
  void edt_UpperTimeChange(std::string_view text);
  void edt_StepTimeChange(std::string_view text);
  void cb_MCULEDStepChange(int index);
  void cb_MCULEDCtrlChange(int index);
  void cb_MCULEDNumChange(int index);

  // The LED-parameter handler: sends the flowing-LED lists as the LED type needs them.
  // The flowing LED on an I2C device: the rebuilt block (block write at 1008) and the
  // three XData registers; RGB: the speed step as step time 10 + 30·step.
  void LEDParameterChange(LedParameter changed);
  // Whether a change of the parameter reaches the mouse with this LED type and
  // interface: the flowing LED on I2C stores all three, RGB the speed step only.
  bool storesParameter(LedParameter parameter) const;
  // The flowing LED block is stored, and read back, on I2C with the MCULED type only.
  bool storesFlowingLedBlock() const;

  // edt_ColR, edt_ColG, edt_ColB of slot 1..n: one colour component typed.
  void colourEdited(int slot, ColourPart part, std::string_view text);
  // Shows a slot's colour in its three edits without writing anything.
  void showSlotColour(int slot, uint32_t rgb) override;
  void showEffect(int effect) override { cb_BreMode = effect - 1; }
  void showStepTime(uint8_t stepTime) override;
  void sendFlowSpeed(int step) override;
  void sendFlowBrightness(bool full) override;
  void refreshFromImage();

  // What the mouse made of the last change sent; the window leaves a lost frame to the
  // monitor, mousectl reports it.
  TransferResult lastWrite;

 private:
  void breathingEdited(const BreathingField& field, std::string& edit, std::string_view text);
  TransferResult sendFlowingLedBlock();
  void notifyChanged();

  DeviceLink& link_;
};

}  // namespace mousecfg
