#pragma once

#include <array>
#include <string>

#include "base/WindowControls.h"
#include "base/WindowLayout.h"
#include "settings/ButtonAssignment.h"
#include "settings/LabelMarquee.h"

namespace mousecfg {

struct ProgramOptions;

// The key page (page 1): twelve button labels Key1..Key12 over the picture of the
// mouse, each with its marker picture Img_Key1..12, the scrolling of a long label under
// the pointer, and the function menu the labels open. Captions and assignments belong
// to ButtonAssignment, which the engineer page shares.
class KeyPageState {
 public:
  KeyPageState(ButtonAssignment& assignment, const ProgramOptions& options);

  ButtonAssignment& assignment;
  std::array<std::string, kKeyLabelCount>& captions() { return assignment.keyCaptions; }
  // "KeyS_01", or "KeyS_02" while the pointer is on the label.
  std::array<std::string, kKeyLabelCount> markerPictures;
  // Disabled labels do not scroll.
  std::array<bool, kKeyLabelCount> labelEnabled;
  LabelMarquee marquee;
  // The view runs its 200 ms timer (LabelRun) while this is true.
  bool marqueeTimerEnabled() const { return marquee.running(); }

  // A click on label k (1..12) opens the function menu beside it.
  void ShowPnlMain_OnClick(int button, const Rect& label, Size window);
  // The pointer on a label and off it.
  void KeyMouseEnter(int button);
  void KeyMouseLeave(int button);
  // One tick of the marquee timer.
  void LabelRun();
  // A click on the page's background closes the menu.
  void ClearAP() { assignment.HideAllMenu(); }

  // The edited profile (1 or 2) was selected; the labels show its table.
  void setEditedProfile(int profile);
  int editedProfile() const { return assignment.editedProfile; }
  void refreshFromImage();

 private:
  void stopMarquee();

  bool textRolling_;
};

}  // namespace mousecfg
