#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "base/LanguageTables.h"
#include "base/ProgramOptions.h"
#include "device/ConfigImage.h"
#include "engineer/EngineerDpiState.h"
#include "engineer/EngineerLedState.h"
#include "settings/DpiPageState.h"
#include "settings/LightingPageState.h"
#include "settings/ReportRateControl.h"
#include "support/HexBytes.h"
#include "support/SimulatedCoreFixture.h"

namespace mousecfg::test {

// The Advanced and Breathing Light pages with their engineer mirrors, in the application
// core over the simulated mouse.
class SettingsPagesFixture : public SimulatedCoreFixture {
 protected:
  // The first monitor tick finds and reads the mouse; the pages then show the image.
  void readDevice() {
    link.discovery.DevTimerTimer();
    ASSERT_TRUE(link.channel.isOpen());
    refreshPages();
    mouse.clearTrace();
  }

  void refreshPages() {
    engineerDpi.refreshFromImage();
    dpi.refreshFromImage();
    engineerLed.refreshFromImage();
    lighting.refreshFromImage();
  }

  // Reads the stored block again, as after a reconnect, and shows it.
  void readAgain() {
    EXPECT_TRUE(link.transfer.Btn_Read());
    refreshPages();
  }

  std::vector<std::string> directWrites() const { return framesStartingWith("S 40 05"); }

  // The trace line of a one- to three-byte direct write.
  static std::string directWrite(uint8_t address, std::initializer_list<uint8_t> bytes) {
    uint8_t frame[8] = {0x40, 0x05, 0x00, address, 0, 0, 0, static_cast<uint8_t>(bytes.size())};
    size_t at = 4;
    for (uint8_t byte : bytes) frame[at++] = byte;
    return "S " + hexBytes(frame);
  }

  uint8_t storedByte(size_t address) const { return mouse.storedBlock()[address]; }
  bool storedVendorValid() const {
    const auto stored = mouse.storedBlock();
    return hasValidChecksum(std::span(stored).subspan(image::kVendorOffset, image::kVendorLength));
  }
  bool storedUserValid() const {
    const auto stored = mouse.storedBlock();
    return hasValidChecksum(std::span(stored).subspan(image::kUserOffset, image::kUserLength));
  }
  uint8_t vendorChecksum() const { return link.image.vendor[image::kVendorLength - 1]; }
  uint8_t userChecksum() const { return link.image.user[image::kUserLength - 1]; }

  LanguageTables& texts = core.languages;
  ProgramOptions& options = core.options;
  ReportRateControl& rate = core.reportRate;
  EngineerDpiState& engineerDpi = core.engineerDpi;
  DpiPageState& dpi = core.dpi;
  EngineerLedState& engineerLed = core.engineerLed;
  LightingPageState& lighting = core.lighting;
};

}  // namespace mousecfg::test
