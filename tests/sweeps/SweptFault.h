#pragma once

#include <gtest/gtest.h>

#include <string>

#include "device/SimulatedMouse.h"

namespace mousecfg::test {

// The faults a sweep puts at every frame of an operation: the mouse is unplugged, one
// frame is refused, or every reply from then on is noise.
enum class Fault { Unplug, Refusal, Garbage };

inline std::string faultName(Fault fault) {
  switch (fault) {
    case Fault::Unplug:
      return "Unplug";
    case Fault::Refusal:
      return "Refusal";
    case Fault::Garbage:
      return "Garbage";
  }
  return "Unknown";
}

inline std::string faultCaseName(const ::testing::TestParamInfo<Fault>& fault) {
  return faultName(fault.param);
}

// Whether the fault loses frames, which the program can see, unlike noise in a reply.
inline bool losesFrames(Fault fault) {
  return fault != Fault::Garbage;
}

// The fault strikes once this many further frames reached the mouse.
inline void arm(SimulatedMouse& mouse, Fault fault, int frames) {
  switch (fault) {
    case Fault::Unplug:
      mouse.unplugAfterFrames(frames);
      break;
    case Fault::Refusal:
      mouse.refuseOneFrameAfter(frames);
      break;
    case Fault::Garbage:
      mouse.garbageRepliesAfterFrames(frames);
      break;
  }
}

inline void disarm(SimulatedMouse& mouse) {
  mouse.unplugAfterFrames(-1);
  mouse.refuseOneFrameAfter(-1);
  mouse.garbageRepliesAfterFrames(-1);
  mouse.setGarbageReplies(false);
}

}  // namespace mousecfg::test
