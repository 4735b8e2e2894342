#include "settings/KeyPageState.h"

#include "base/ProgramOptions.h"

namespace mousecfg {

namespace {

bool isLabel(int button) {
  return button >= 1 && button <= kKeyLabelCount;
}
size_t at(int button) {
  return static_cast<size_t>(button - 1);
}

}  // namespace

KeyPageState::KeyPageState(ButtonAssignment& buttons, const ProgramOptions& options)
    : assignment(buttons), textRolling_(options.trEnable) {
  markerPictures.fill(std::string(kPictureKeyNormal));
  labelEnabled.fill(true);
}

void KeyPageState::stopMarquee() {
  mousecfg::stopMarquee(marquee, captions());
}

void KeyPageState::ShowPnlMain_OnClick(int button, const Rect& label, Size window) {
  if (!isLabel(button)) return;
  stopMarquee();
  markerPictures[at(button)] = kPictureKeyNormal;
  assignment.openForKeyLabel(button, label, window);
}

void KeyPageState::KeyMouseEnter(int button) {
  if (!isLabel(button)) return;
  stopMarquee();
  markerPictures[at(button)] = kPictureKeySelected;
  if (labelEnabled[at(button)] && textRolling_)
    startMarquee(marquee, button, captions()[at(button)]);
}

void KeyPageState::KeyMouseLeave(int button) {
  if (!isLabel(button)) return;
  stopMarquee();
  markerPictures[at(button)] = kPictureKeyNormal;
}

void KeyPageState::LabelRun() {
  mousecfg::LabelRun(marquee, captions());
}

void KeyPageState::setEditedProfile(int profile) {
  stopMarquee();
  assignment.setEditedProfile(profile);
}

void KeyPageState::refreshFromImage() {
  stopMarquee();
  assignment.refreshFromImage();
}

}  // namespace mousecfg
