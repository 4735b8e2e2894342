#include "core/MainWindowState.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/SimulatedCoreFixture.h"

namespace mousecfg::test {
namespace {

Size skinSizes(std::string_view picture) {
  if (picture.ends_with("BackGround")) return {900, 600};
  if (picture == "SetS_01") return {150, 40};
  if (picture == "KeyS_01") return {160, 30};
  return {100, 30};
}

class MainWindowStateTest : public SimulatedCoreFixture {
 protected:
  MainWindowStateTest() : SimulatedCoreFixture({processEnvironment, skinSizes}) {
    state.FormCreate();
  }

  void connectMouse() {
    state.startMonitor();
    link.discovery.DevTimerTimer();
    ASSERT_TRUE(link.channel.isOpen());
  }
  std::string picture(PageButton button) const {
    return state.pageButtonPictures[static_cast<size_t>(button) - 1];
  }

  MainWindowState& state = core.shell;
};

TEST_F(MainWindowStateTest, StartsInTheErrorStateOnPageOneWithTheDefaults) {
  EXPECT_TRUE(link.errorFlag());
  EXPECT_FALSE(link.monitorTimerEnabled()) << "the monitor waits for the progress window";
  EXPECT_EQ(state.visiblePage, Page::Keys);
  EXPECT_EQ(state.checkedRadio, 1);
  EXPECT_EQ(picture(PageButton::Main), "SetS_03");
  for (PageButton other : {PageButton::Switch, PageButton::Advanced, PageButton::Engineer})
    EXPECT_EQ(picture(other), "SetS_01");
  EXPECT_EQ(state.windowSize.width, 900);
  EXPECT_EQ(state.language(), 1);
  EXPECT_EQ(state.languageButtonPictures[0], "SetS_03");
  EXPECT_EQ(state.title(), "USB Gaming Mouse");
  EXPECT_EQ(link.image.buffer[0], 0x3A) << "the built-in defaults are shown";
  EXPECT_EQ(link.connection.configuredMemoryType, "I2C");
  EXPECT_FALSE(state.overlaysVisible);
}

TEST_F(MainWindowStateTest, PageButtonsWithoutADeviceAnswerStr022) {
  state.pageButtonClick(PageButton::Advanced);
  EXPECT_EQ(host.messages, std::vector<std::string>{"Str022"});
  EXPECT_EQ(state.visiblePage, Page::Keys);
  EXPECT_EQ(state.checkedRadio, 1);
}

TEST_F(MainWindowStateTest, PageButtonsSwitchPagesOnceTheMouseIsRead) {
  connectMouse();
  EXPECT_FALSE(link.errorFlag());
  state.pageButtonClick(PageButton::Advanced);
  EXPECT_EQ(state.visiblePage, Page::Advanced);
  EXPECT_EQ(state.checkedRadio, 4);
  EXPECT_EQ(picture(PageButton::Advanced), "SetS_03");
  EXPECT_EQ(picture(PageButton::Main), "SetS_01");
  EXPECT_EQ(state.pagePicture(), "L1_Back2");

  state.pageButtonClick(PageButton::Breath);
  EXPECT_EQ(state.visiblePage, Page::Lighting);
  state.pageButtonClick(PageButton::Update);
  EXPECT_EQ(state.visiblePage, Page::Update);
  EXPECT_EQ(state.pagePicture(), "") << "the update page has no picture of its own";
  state.pageButtonClick(PageButton::Engineer);
  EXPECT_EQ(state.visiblePage, Page::Engineer);
  EXPECT_EQ(state.windowSize.width, 1256);
  EXPECT_EQ(state.windowSize.height, 680);
  state.pageButtonClick(PageButton::Switch);
  EXPECT_EQ(state.visiblePage, Page::Keys);
  EXPECT_EQ(state.checkedRadio, 2);
  EXPECT_EQ(state.windowSize.width, 900);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(MainWindowStateTest, RejectedDeviceKeepsThePageButtonsInactive) {
  mouse.setChip(SimulatedMouse::Chip::Kv204);
  connectMouse();
  EXPECT_TRUE(link.errorFlag());
  EXPECT_EQ(host.messages, std::vector<std::string>{"Str102"});
  state.pageButtonClick(PageButton::Advanced);
  EXPECT_EQ(state.visiblePage, Page::Keys) << "open handles, but the error state holds";
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(MainWindowStateTest, ModeButtonsDoNothingDuringARead) {
  connectMouse();
  state.pageButtonClick(PageButton::Advanced);
  const auto batch = link.holdBatch();
  state.pageButtonClick(PageButton::Switch);
  EXPECT_EQ(state.visiblePage, Page::Advanced);
  state.pageButtonClick(PageButton::Breath);
  EXPECT_EQ(state.visiblePage, Page::Lighting) << "only the three mode buttons wait";
}

TEST_F(MainWindowStateTest, UnpluggedMouseKeepsTheLastSettingsAndAnswersStr022) {
  connectMouse();
  state.pageButtonClick(PageButton::Advanced);
  const auto shown = link.image.profile1;
  mouse.unplug();
  link.discovery.DevTimerTimer();
  state.pageButtonClick(PageButton::Main);
  EXPECT_EQ(host.messages, std::vector<std::string>{"Str022"});
  EXPECT_EQ(state.visiblePage, Page::Advanced);
  EXPECT_TRUE(link.image.profile1 == shown);
  mouse.plug();
  link.discovery.DevTimerTimer();
  EXPECT_EQ(state.visiblePage, Page::Keys) << "read again, page 1 shown";
}

TEST_F(MainWindowStateTest, LanguageTwoReappliesItsLayoutAndRelabels) {
  const TextStyle groupA = state.layout().group('A');
  core.assignment.keyCaptions[0] = "Office Mode";
  core.assignment.keyCaptions[1] = "My Macro";
  state.languageButtonClick(2);
  EXPECT_EQ(state.language(), 2);
  EXPECT_NE(state.layout().group('A').rgb, groupA.rgb);
  EXPECT_EQ(state.layout().group('A').rgb, 0xFFFFFFu);
  EXPECT_EQ(state.layout().group('B').rgb, 0xFFFFFFu);
  EXPECT_EQ(core.assignment.keyCaptions[0], "Mode A");
  EXPECT_EQ(core.assignment.keyCaptions[1], "My Macro") << "a macro name keeps its caption";
  EXPECT_EQ(state.languageButtonPictures[1], "SetS_03");
  EXPECT_EQ(state.languageButtonPictures[0], "SetS_01");
  EXPECT_EQ(state.text("Str204"), "Web");
  EXPECT_EQ(state.backgroundPicture(), "L2_BackGround");
  state.languageButtonClick(4);
  EXPECT_EQ(state.language(), 2) << "there is no fourth language";
}

TEST_F(MainWindowStateTest, BuiltInLayoutHidesTheThirdLanguage) {
  EXPECT_FALSE(state.layout().button("Btn_Lang3").visible);
  EXPECT_TRUE(state.layout().button("Btn_Lang1").visible);
  EXPECT_TRUE(state.layout().button("Btn_Lang2").visible);
}

TEST_F(MainWindowStateTest, WebButtonOpensOnlyWhenEnabled) {
  EXPECT_TRUE(state.Btn_Web_0Click());
  EXPECT_TRUE(state.webPressed);
  ProgramOptions off = builtInProgramOptions();
  off.webEnable = false;
  ApplicationCore quietCore(mouse, host, {processEnvironment, skinSizes, off});
  MainWindowState& quiet = quietCore.shell;
  EXPECT_FALSE(quiet.Btn_Web_0Click());
  EXPECT_TRUE(quiet.webPressed) << "the press still shows";
}

TEST_F(MainWindowStateTest, WebButtonOpensTheInstalledReadmeInPlaceOfThePlaceholder) {
  std::filesystem::create_directories(configFolder);
  const std::filesystem::path readme = configFolder / "README.md";
  EXPECT_EQ(state.webAddress(readme.string()), kBuiltInWebAddress) << "not installed";
  std::ofstream(readme) << "# mousecfg\n";
  EXPECT_EQ(state.webAddress(readme.string()), "file://" + readme.string());

  ProgramOptions vendor = builtInProgramOptions();
  vendor.web = "https://example.com/mouse";
  ApplicationCore vendorCore(mouse, host, {processEnvironment, skinSizes, vendor});
  EXPECT_EQ(vendorCore.shell.webAddress(readme.string()), "https://example.com/mouse")
      << "a page the layout names wins";
}

TEST_F(MainWindowStateTest, ClosingDropsTheDevice) {
  connectMouse();
  state.FormCloseQuery();
  EXPECT_FALSE(link.channel.isOpen());
  EXPECT_EQ(link.channel.notificationHandle(), nullptr);
}

}  // namespace
}  // namespace mousecfg::test

namespace mousecfg::test {
namespace {

TEST_F(MainWindowStateTest, TheMouseButtonsAreReadBackIntoTheUserSection) {
  connectMouse();
  mouse.pressDpiButton();
  mouse.pressProfileButton();
  mouse.clearTrace();
  core.dpiButtonReleased();
  core.profileButtonReleased();
  EXPECT_EQ(framesStartingWith("S 40"),
            (std::vector<std::string>{"S 40 09 00 A6 00 01 00 00", "S 40 09 00 A4 00 01 00 00"}));
  EXPECT_EQ(link.image.user[2], mouse.storedBlock()[166]);
  EXPECT_EQ(link.image.user[0], mouse.storedBlock()[164]);
  EXPECT_EQ(link.image.user[0] & 0x0F, 1) << "the profile button toggled to profile 2";
}

TEST_F(MainWindowStateTest, WithoutASupportedInterfaceNothingIsRead) {
  connectMouse();
  link.connection.interfaceType.clear();
  mouse.clearTrace();
  core.dpiButtonReleased();
  EXPECT_TRUE(frames().empty());
}

}  // namespace
}  // namespace mousecfg::test
