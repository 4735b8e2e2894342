#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/DeviceLink.h"
#include "device/SimulatedMouse.h"
#include "support/FakeHost.h"

namespace mousecfg::test {

// The simulated mouse on the fake host's virtual clock. Tests read the frames the mouse
// saw from its trace.
class SimulatedMouseFixture : public ::testing::Test {
 protected:
  explicit SimulatedMouseFixture(SimulatedMouse::Options options = {})
      : mouse(options, [this] { return host.nowMs(); }) {}

  std::vector<std::string> frames() const { return mouse.trace(); }

  // Frames whose text starts with prefix ("S 40", "S 41", "G 41").
  std::vector<std::string> framesStartingWith(const std::string& prefix) const {
    std::vector<std::string> matching;
    for (const std::string& line : mouse.trace())
      if (line.rfind(prefix, 0) == 0) matching.push_back(line);
    return matching;
  }

  // Opens the channel the way discovery does and forgets the frames of the probe.
  void openChannel(DeviceLink& link) {
    uint16_t version = 0;
    ASSERT_TRUE(link.discovery.OpenDevice(link.deviceTable[0].vendorId,
                                          link.deviceTable[0].productId, version));
    mouse.clearTrace();
  }

  FakeHost host;
  SimulatedMouse mouse;
};

// The device link alone, as the window sets it up at start.
class SimulatedLinkFixture : public SimulatedMouseFixture {
 protected:
  explicit SimulatedLinkFixture(SimulatedMouse::Options options = {})
      : SimulatedMouseFixture(options), link(mouse, host) {
    link.deriveFromBuiltInImage();
  }

  void openChannel() { SimulatedMouseFixture::openChannel(link); }

  DeviceLink link;
};

}  // namespace mousecfg::test
