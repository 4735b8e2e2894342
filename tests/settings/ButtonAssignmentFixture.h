#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/LanguageTables.h"
#include "base/ProgramOptions.h"
#include "settings/ButtonAssignment.h"
#include "support/HexBytes.h"
#include "support/SimulatedLinkFixture.h"

namespace mousecfg::test {

inline const LanguageTables& builtInLanguageTables() {
  static const LanguageTables tables = LanguageTables::builtIn();
  return tables;
}

// A mouse read as the window reads it at connection, with the button captions
// refreshed and the trace cleared.
class ButtonAssignmentFixture : public SimulatedLinkFixture {
 protected:
  void SetUp() override {
    link.discovery.DevTimerTimer();
    ASSERT_TRUE(link.channel.isOpen());
    assignment.refreshFromImage();
    mouse.clearTrace();
  }

  void choose(int button, int id) {
    assignment.openForKeyLabel(button, kLabel, kWindow);
    assignment.KeyStatusOnClick(id);
  }

  std::string entryHex(int profile, int button) const {
    const auto& table = profile == 1 ? link.image.profile1 : link.image.profile2;
    return hexRange(table, static_cast<size_t>(button - 1) * 4, 4);
  }

  std::string storedHex(size_t offset, size_t length) const {
    return hexRange(mouse.storedBlock(), offset, length);
  }

  // Stores a device macro with a one-event body in slot k and re-parses the block.
  void addMacro(size_t k, const std::string& name, size_t eventBytes = 1) {
    std::array<uint8_t, 16> nameBytes{};
    for (size_t i = 0; i < name.size() && i < 8; ++i)
      nameBytes[2 * i + 1] = static_cast<uint8_t>(name[i]);
    std::vector<uint8_t> events;
    for (size_t i = 0; i < eventBytes; ++i) events.push_back(0xA1);
    events.push_back(0x00);
    ASSERT_TRUE(link.macros.setSlot(k, nameBytes, events));
    ASSERT_TRUE(link.macros.PackMacroBlock());
    link.macros.ReadAndRefreshMacroBlock();
  }

  static constexpr Rect kLabel{200, 110, 140, 40};
  static constexpr Size kWindow{800, 560};

  LanguageTables languages = builtInLanguageTables();
  ProgramOptions options = builtInProgramOptions();
  ButtonAssignment assignment{link, languages, options};
};

}  // namespace mousecfg::test
