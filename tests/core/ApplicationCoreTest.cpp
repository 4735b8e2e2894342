#include "core/ApplicationCore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "core/MainWindowState.h"
#include "core/MouseAccess.h"
#include "device/ImageMap.h"
#include "settings/MenuItems.h"
#include "support/SimulatedCoreFixture.h"

namespace mousecfg::test {
namespace {

Size skinSizes(std::string_view picture) {
  if (picture.ends_with("BackGround")) return {900, 600};
  return {150, 40};
}

// The application core as the window runs it, on the simulated mouse.
class ApplicationCoreTest : public SimulatedCoreFixture {
 protected:
  ApplicationCoreTest() : SimulatedCoreFixture({processEnvironment, skinSizes}) {
    state.FormCreate();
  }
  void connectMouse() {
    state.startMonitor();
    link.discovery.DevTimerTimer();
    ASSERT_TRUE(link.channel.isOpen());
    mouse.clearTrace();
  }

  MainWindowState& state = core.shell;
  ApplicationCore& pages = core;
};

TEST_F(ApplicationCoreTest, TheDefaultsAreShownByNameBeforeAnyMouseIsFound) {
  EXPECT_EQ(state.keyCaption(0), "Left Key");
  EXPECT_EQ(state.keyCaption(3), "Right Key");
}

TEST_F(ApplicationCoreTest, AReadRefreshesEveryPageFromTheMouse) {
  auto stored = mouse.storedBlock();
  stored[192] = 0x01;  // button 1: Right Key
  stored[193] = 0x02;
  stored[240] = sectionChecksum(std::span(stored).subspan(192, 49));
  mouse.setStoredBlock(stored);
  connectMouse();
  EXPECT_EQ(state.keyCaption(0), "Right Key");
  EXPECT_FALSE(link.refreshingFlag()) << "the refresh ends its guard";
}

TEST_F(ApplicationCoreTest, GameModeButtonWritesTheModeAndEditsProfileTwo) {
  connectMouse();
  state.pageButtonClick(PageButton::Switch);
  EXPECT_EQ(pages.editedProfile.profile, 2);
  EXPECT_EQ(state.checkedRadio, 2);
  EXPECT_EQ(mouse.workingParameters()[164] & 0x0F, 1);
  EXPECT_FALSE(framesStartingWith("S 40 05 00 A4").empty()) << "the mode byte went to the mouse";
}

TEST_F(ApplicationCoreTest, TheMouseProfileButtonSwitchesTheShownTable) {
  connectMouse();
  state.pageButtonClick(PageButton::Advanced);
  mouse.pressProfileButton();
  core.profileButtonReleased();
  EXPECT_EQ(pages.editedProfile.profile, 2);
  EXPECT_EQ(state.visiblePage, Page::Keys);
  EXPECT_EQ(state.checkedRadio, 2);
}

TEST_F(ApplicationCoreTest, TheMouseDpiButtonMovesTheActiveLevel) {
  connectMouse();
  const int before = pages.dpi.activeLevel;
  mouse.pressDpiButton();
  core.dpiButtonReleased();
  EXPECT_EQ(pages.dpi.activeLevel, mouse.storedBlock()[166] + 1);
  EXPECT_NE(pages.dpi.activeLevel, before);
}

TEST_F(ApplicationCoreTest, LanguageTwoRenamesTheButtonsFromTheirEntries) {
  connectMouse();
  EXPECT_EQ(pages.assignment.comboCaptions[2], "Office Mode");
  state.languageButtonClick(2);
  EXPECT_EQ(pages.assignment.comboCaptions[2], "Mode A");
  EXPECT_EQ(state.keyCaption(0), "Left Key");
}

}  // namespace
}  // namespace mousecfg::test

namespace mousecfg::test {
namespace {

// A button change as the key page makes it: the label's menu, then a function.
void chooseDpiUp(ApplicationCore& core, int button) {
  core.assignment.openForKeyLabel(button, Rect{200, 110, 140, 40}, Size{800, 560});
  (void)core.assignment.KeyStatusOnClick(menu_id::kDpiUp);
}

TEST_F(ApplicationCoreTest, AChangeTheMouseRefusesIsToldOnce) {
  connectMouse();
  mouse.refuseFrames(true);
  chooseDpiUp(core, 6);
  EXPECT_FALSE(core.assignment.lastWrite);
  EXPECT_EQ(host.texts, std::vector<std::string>{ApplicationCore::kRefusedWriteText})
      << "the table write, its read-back and the reload fail, and one message says so";
  chooseDpiUp(core, 7);
  EXPECT_EQ(host.texts.size(), 1u) << "nothing new to tell while the mouse still refuses";
}

TEST_F(ApplicationCoreTest, AnAcceptedChangeEndsTheSilenceAboutRefusals) {
  connectMouse();
  mouse.refuseOneFrameAfter(1 + 3);  // a data frame of the key tables
  chooseDpiUp(core, 6);
  ASSERT_EQ(host.texts.size(), 1u);
  chooseDpiUp(core, 7);
  EXPECT_TRUE(core.assignment.lastWrite);
  EXPECT_EQ(host.texts.size(), 1u) << "an accepted change is not an error";
  mouse.refuseOneFrameAfter(1 + 3);
  chooseDpiUp(core, 8);
  EXPECT_EQ(host.texts.size(), 2u) << "a new refusal is told again";
}

TEST_F(ApplicationCoreTest, ChangesWithoutAMouseAreNotToldAsRefused) {
  chooseDpiUp(core, 6);
  EXPECT_TRUE(host.texts.empty());
}

// The window's core over a simulated mouse whose block file other programs share.
class WindowMouseLockTest : public SimulatedCoreFixture {
 protected:
  WindowMouseLockTest() {
    environment = [this](const char* name) -> std::optional<std::string> {
      const std::string_view variable(name);
      if (variable == "MOUSECFG_BACKEND") return "sim";
      if (variable == "MOUSECFG_SIM_FILE") return (configFolder / "mouse.bin").string();
      if (variable == "XDG_RUNTIME_DIR" || variable == "XDG_CONFIG_HOME")
        return configFolder.string();
      if (variable == "MOUSECFG_DESKTOP") return "none";
      return std::nullopt;
    };
    lockPath = *mouseLockPath(environment, image::kDefaultVendorId, image::kDefaultProductId);
  }

  std::unique_ptr<ApplicationCore> lockingCore() {
    ApplicationCore::Setup setup;
    setup.environment = environment;
    setup.lockMouse = true;
    return std::make_unique<ApplicationCore>(mouse, host, std::move(setup));
  }

  EnvironmentLookup environment;
  std::string lockPath;
};

TEST_F(WindowMouseLockTest, TheWindowWaitsWhileMousectlHasTheMouseThenKeepsIt) {
  std::filesystem::create_directories(configFolder);
  auto window = lockingCore();
  {
    const MouseLock::Attempt command = MouseLock::tryAcquire(lockPath, "mousectl");
    ASSERT_TRUE(command.lock.has_value()) << command.error;
    EXPECT_FALSE(window->holdMouseLock());
    ASSERT_TRUE(window->mouseLockHolder().has_value());
    EXPECT_EQ(window->mouseLockHolder()->program, "mousectl");
  }
  EXPECT_TRUE(window->holdMouseLock()) << "free again: the window takes it";
  const MouseLock::Attempt later = MouseLock::tryAcquire(lockPath, "mousectl");
  EXPECT_FALSE(later.lock.has_value()) << "and keeps it";
  ASSERT_TRUE(later.holder.has_value());
  EXPECT_EQ(later.holder->program, "mousecfg");
  EXPECT_TRUE(host.texts.empty()) << "a busy mouse is no error to show";
}

TEST_F(WindowMouseLockTest, WithoutAUsableLockFileTheWindowSaysSoOnceAndGoesOn) {
  std::filesystem::create_directories(configFolder);
  std::ofstream(configFolder / "mousecfg") << "a file where the lock folder should be";
  auto window = lockingCore();
  EXPECT_TRUE(window->holdMouseLock());
  EXPECT_TRUE(window->holdMouseLock());
  ASSERT_EQ(host.texts.size(), 1u);
  EXPECT_NE(host.texts[0].find("lock"), std::string::npos) << host.texts[0];
}

}  // namespace
}  // namespace mousecfg::test
