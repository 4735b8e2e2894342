#pragma once

#include <functional>
#include <vector>

namespace mousecfg {

// How the keyboard capture reports a key event.
enum class KeyEventType {
  FirstDown = 0,    // the first key goes down
  KeyUp = 1,        // a key comes up
  FurtherDown = 2,  // a key goes down while keys are held, auto-repeat included
};

// The keyboard capture the recorder listens to. It is fed every key event of the
// desktop (by the input source of the platform) and keeps the keys seen since the last
// complete release with a key-down counter, from which each event gets its type.
class KeyboardCapture {
 public:
  struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool operator==(const Modifiers&) const = default;
  };
  using Receive = std::function<void(int virtualKey, int keyDownCount, KeyEventType type)>;
  // Once every listed key is up: the modifiers among them and the other keys' indexes.
  using Combination = std::function<void(Modifiers modifiers, const std::vector<int>& keys)>;

  bool enabled = false;  // events are only passed on while set
  Receive onReceive;
  Combination onKeyCombination;

  void keyDown(int virtualKey);
  void keyUp(int virtualKey);

 private:
  struct Listed {
    int keyIndex;
    bool released;
  };
  void report(int virtualKey);
  void completeCombination();

  std::vector<Listed> keys_;
  int keyDownCount_ = 0;
};

}  // namespace mousecfg
