#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "device/ImageMap.h"
#include "device/TransferResult.h"
#include "settings/EngineerMirrors.h"

namespace mousecfg {

class DeviceLink;
class ReportRateControl;

// The engineer page's DPI controls: the level count, each level's step, the active
// level, the AIM step, the report rate and the level colours. They mirror every change
// made on the Advanced page and, when changed here, write the same bytes.
class EngineerDpiState : public DpiControlsMirror {
 public:
  static constexpr int kLevels = static_cast<int>(image::kDpiLevelCount);
  static constexpr int kNoItem = -1;
  enum ColourPart { Red = 0, Green = 1, Blue = 2 };

  EngineerDpiState(DeviceLink& link, ReportRateControl& rate) : link_(link), rate_(rate) {}

  int cb_CPISteps = 5;                         // "1".."8": level count - 1
  std::array<int, kLevels> cb_CPI{};           // each level's step; kNoItem when none is stored
  std::array<bool, kLevels> cpiListEnabled{};  // the lists of levels 1..count accept input
  int cb_CurrentCPI = 1;                       // active level - 1
  int cb_AIM = 0;                              // AIM step
  std::array<std::array<std::string, 3>, kLevels> edt_CPI;  // R, G, B of each level, decimal
  int cb_RepRate() const;  // report rate code, kNoItem before anything was shown

  // Run after a change made here, so the Advanced page shows it too.
  std::function<void()> valuesChanged;

  // List and edit handlers (level 1..8), called with the entry or text the user chose;
  // the fields above still hold the previous one. Each does nothing while the window is
  // being refreshed and sends nothing while a batch runs.
  void cb_CPIStepsChange(int index);
  void cb_CPIChange(int level, int index);
  void cb_CurrentCPIChange(int index);
  // Re-encodes the AIM keys; with no AIM key the list goes back to its previous entry
  // and "Please select a AIM Key" is shown. False in that case.
  bool cb_AIMChange(int index);
  void cb_RepRateChange(int index);

  // edt_CPIR, edt_CPIG, edt_CPIB of level 1..n: one colour component typed.
  void colourEdited(int level, ColourPart part, std::string_view text);
  // Shows a level's colour in its three edits without writing anything.
  void showLevelColour(int level, uint32_t rgb) override;
  // Shows the count as the level-count list does: lists 1..count accept input.
  void showLevelCount(int count) override;
  void showActiveLevel(int level) override { cb_CurrentCPI = level - 1; }
  void showLevelStep(int level, int step) override;
  void showAimStep(int step) override { cb_AIM = step; }
  void refreshFromImage();

  // What the mouse made of the last change sent; the window leaves a lost frame to the
  // monitor, mousectl reports it.
  TransferResult lastWrite;

 private:
  bool handlersBlocked() const;
  void notifyChanged();

  DeviceLink& link_;
  ReportRateControl& rate_;
};

}  // namespace mousecfg
