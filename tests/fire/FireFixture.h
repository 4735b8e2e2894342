#pragma once

#include <string>
#include <vector>

#include "fire/FireKeyState.h"
#include "fire/GunPageState.h"
#include "settings/KeyTables.h"
#include "support/HexBytes.h"
#include "support/SimulatedCoreFixture.h"

namespace mousecfg::test {

// The application core over the simulated mouse, read as at connection, with the fire
// keys and the gun page at hand.
class FireFixture : public SimulatedCoreFixture {
 protected:
  explicit FireFixture(ApplicationCore::Setup setup = {})
      : SimulatedCoreFixture(std::move(setup)) {}

  void SetUp() override { readDevice(); }

  std::string entryHex(int profile, int button) const {
    return hexBytes(profileEntry(link.image, profile, button));
  }
  std::string storedHex(size_t offset, size_t length) const {
    return hexRange(mouse.storedBlock(), offset, length);
  }
  std::string storedEntryHex(int profile, int button) const {
    return storedHex(key_tables::profileEntryOffset(profile, button), 4);
  }
  bool storedUserValid() const {
    const auto stored = mouse.storedBlock();
    return hasValidChecksum(std::span(stored).subspan(image::kUserOffset, image::kUserLength));
  }
  // The command frames only: what was asked of the mouse, in order.
  std::vector<std::string> commands() const { return framesStartingWith("S 40"); }

  void bindButton(int profile, int button, const ButtonEntry& entry) {
    ASSERT_TRUE(storeProfileEntry(link.image, link.codes, profile, button, entry));
    core.assignment.refreshFromImage();
  }

  FireKeyState& fire = core.fireKeys;
  GunPageState& guns = core.gunPage;
  ButtonAssignment& assignment = core.assignment;
};

}  // namespace mousecfg::test
