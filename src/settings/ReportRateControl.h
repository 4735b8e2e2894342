#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/LanguageKeys.h"
#include "device/TransferResult.h"

namespace mousecfg {

class DeviceLink;

// The USB report rate, bits 4..5 of option register 0 (byte 4): 0 = 125 Hz, 1 = 250 Hz,
// 2 = 500 Hz, 3 = 1000 Hz. Shared by the Advanced page's four choices and the engineer
// page's list: the mouse takes a new rate only after it restarted, so a change to a rate
// other than the one shown before restarts it and finds it again.
class ReportRateControl {
 public:
  static constexpr int kRateCount = 4;
  // "125Hz", "250Hz", "500Hz", "1000Hz".
  static constexpr std::array<std::string_view, kRateCount> kRateTextKeys{
      langkey::caption::kRate125Hz, langkey::caption::kRate250Hz, langkey::caption::kRate500Hz,
      langkey::caption::kRate1000Hz};
  static constexpr std::array<int, kRateCount> kRateHertz{125, 250, 500, 1000};

  explicit ReportRateControl(DeviceLink& link) : link_(link) {}

  // The rate code shown on both pages; -1 before anything was shown.
  int choice = -1;
  // The rate the mouse was last known to run at; unknown after the device was gone.
  std::optional<int> rememberedRate;
  // Set while a restart for a new rate is running.
  bool restartPending = false;

  // Stores `rateCode` (0..3) in byte 4 and sends it; when it differs from the remembered
  // rate and a mouse is connected, restarts and re-finds the mouse. True when a restart ran.
  bool change(int rateCode);
  void refreshFromImage();
  void deviceGone();

  static int rateCodeOf(uint8_t optionRegister0);
  static uint8_t withRateCode(uint8_t optionRegister0, int rateCode);

  // What the mouse made of the last change sent; the window leaves a lost frame to the
  // monitor, mousectl reports it.
  TransferResult lastWrite;

 private:
  DeviceLink& link_;
};

}  // namespace mousecfg
