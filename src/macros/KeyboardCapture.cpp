#include "macros/KeyboardCapture.h"

#include <algorithm>

#include "settings/KeyCodes.h"

namespace mousecfg {

namespace {

bool isModifier(int keyIndex, int virtualKey) {
  return keyIndex == keyIndexOfVirtualKey(virtualKey);
}

}  // namespace

void KeyboardCapture::keyDown(int virtualKey) {
  ++keyDownCount_;
  const int index = keyIndexOfVirtualKey(virtualKey);
  const auto listed = std::ranges::find(keys_, index, &Listed::keyIndex);
  if (listed == keys_.end())
    keys_.push_back({index, false});
  else
    listed->released = false;
  report(virtualKey);
}

void KeyboardCapture::keyUp(int virtualKey) {
  const int index = keyIndexOfVirtualKey(virtualKey);
  const auto listed = std::ranges::find(keys_, index, &Listed::keyIndex);
  if (listed != keys_.end()) listed->released = true;
  keyDownCount_ = 0;
  report(virtualKey);
  if (std::ranges::all_of(keys_, &Listed::released)) completeCombination();
}

void KeyboardCapture::report(int virtualKey) {
  if (!onReceive || !enabled) return;
  const KeyEventType type = keyDownCount_ == 0   ? KeyEventType::KeyUp
                            : keyDownCount_ == 1 ? KeyEventType::FirstDown
                                                 : KeyEventType::FurtherDown;
  onReceive(virtualKey, keyDownCount_, type);
}

// The list is emptied whenever every key is up, so that the next combination starts
// afresh even while nobody listens for combinations.
void KeyboardCapture::completeCombination() {
  if (onKeyCombination && enabled) {
    Modifiers modifiers;
    std::vector<int> others;
    for (const Listed& key : keys_) {
      if (isModifier(key.keyIndex, vk::kShift))
        modifiers.shift = true;
      else if (isModifier(key.keyIndex, vk::kControl))
        modifiers.ctrl = true;
      else if (isModifier(key.keyIndex, vk::kMenu))
        modifiers.alt = true;
      else
        others.push_back(key.keyIndex);
    }
    onKeyCombination(modifiers, others);
  }
  keys_.clear();
}

}  // namespace mousecfg
