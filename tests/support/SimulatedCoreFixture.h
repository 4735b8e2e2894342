#pragma once

#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/ApplicationCore.h"
#include "support/SimulatedLinkFixture.h"

namespace mousecfg::test {

// The whole application core over the simulated mouse, its settings files in a folder
// of the test's own and the desktop left alone.
class SimulatedCoreFixture : public SimulatedMouseFixture {
 protected:
  explicit SimulatedCoreFixture(ApplicationCore::Setup setup = {})
      : configFolder(std::filesystem::temp_directory_path() /
                     ("mousecfg-core-" + std::to_string(::getpid()) + "-" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name())),
        core(mouse, host, privateSetup(std::move(setup))),
        link(core.link) {}
  ~SimulatedCoreFixture() override {
    link.listener.stop();
    std::filesystem::remove_all(configFolder);
  }

  void openChannel() { SimulatedMouseFixture::openChannel(link); }

  // The first monitor tick finds and reads the mouse, and the pages show it.
  void readDevice() {
    link.discovery.DevTimerTimer();
    ASSERT_TRUE(link.channel.isOpen());
    mouse.clearTrace();
  }

  std::filesystem::path configFolder;
  ApplicationCore core;
  DeviceLink& link;

 private:
  ApplicationCore::Setup privateSetup(ApplicationCore::Setup setup) {
    setup.environment = [this](const char* name) -> std::optional<std::string> {
      if (std::string_view(name) == "XDG_CONFIG_HOME") return configFolder.string();
      if (std::string_view(name) == "XDG_DATA_HOME") return (configFolder / "data").string();
      if (std::string_view(name) == "MOUSECFG_DESKTOP") return "none";
      return std::nullopt;
    };
    // The machine's own USB devices play no part: no mouse is on its bus.
    setup.checkAccess = [] { return AccessReport{}; };
    return setup;
  }
};

}  // namespace mousecfg::test
