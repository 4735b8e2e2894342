#include "settings/ReportRateControl.h"

#include "device/DeviceLink.h"
#include "settings/SectionFieldWrite.h"

namespace mousecfg {

using namespace image;

int ReportRateControl::rateCodeOf(uint8_t optionRegister0) {
  return (optionRegister0 & kReportRateMask) >> kReportRateShift;
}

uint8_t ReportRateControl::withRateCode(uint8_t optionRegister0, int rateCode) {
  const auto bits = static_cast<uint8_t>((rateCode << kReportRateShift) & kReportRateMask);
  return static_cast<uint8_t>((optionRegister0 & ~kReportRateMask) | bits);
}

bool ReportRateControl::change(int rateCode) {
  if (rateCode < 0 || rateCode >= kRateCount) return false;
  const std::array<uint8_t, 1> option{withRateCode(link_.image.vendor[kOptionRegister0], rateCode)};
  lastWrite = writeVendorField(link_, kOptionRegister0, option);
  choice = rateCode;
  const bool differs = rememberedRate != rateCode;
  rememberedRate = rateCode;
  // A second change while the mouse is restarting is stored by the write above; the
  // restart already under way brings the mouse back with it.
  if (!differs || restartPending || link_.batchFlag() || !link_.channel.isOpen()) return false;
  restartPending = true;
  link_.discovery.RestartAndReFind();
  restartPending = false;
  return true;
}

void ReportRateControl::refreshFromImage() {
  choice = rateCodeOf(link_.image.vendor[kOptionRegister0]);
  rememberedRate = choice;
}

void ReportRateControl::deviceGone() {
  rememberedRate.reset();
  restartPending = false;
}

}  // namespace mousecfg
