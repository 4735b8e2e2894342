#include "core/ConnectionFooter.h"

#include <gtest/gtest.h>

#include <string>

#include "core/MainWindowState.h"
#include "support/SimulatedCoreFixture.h"

namespace mousecfg::test {
namespace {

AccessReport pluggedIn(bool usable, bool ruleInstalled) {
  AccessReport report;
  report.onBus = true;
  report.nodes = {{"/dev/hidraw3", usable}};
  if (ruleInstalled) report.installedRule = "/usr/lib/udev/rules.d/70-mousecfg.rules";
  return report;
}

std::string footerFor(AccessReport report) {
  ConnectionFooter footer([report] { return report; });
  footer.noMouse();
  return footer.text();
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(ConnectionFooter, NamesTheStepThatIsMissingAndThatChangesReachNoMouse) {
  EXPECT_TRUE(contains(footerFor(AccessReport{}), "No mouse connected (3a7e:05ed): plug it in."));
  AccessReport withoutNodes;
  withoutNodes.onBus = true;
  EXPECT_TRUE(contains(footerFor(withoutNodes), "mousectl doctor"));
  EXPECT_TRUE(contains(footerFor(pluggedIn(false, false)), "install the udev rule"));
  EXPECT_TRUE(contains(footerFor(pluggedIn(false, true)), "not yet yours"));
  EXPECT_TRUE(contains(footerFor(pluggedIn(true, true)), "plugged in but not connected"));
  for (const AccessReport& report : {AccessReport{}, pluggedIn(false, false)})
    EXPECT_TRUE(contains(footerFor(report), "Changes made now reach no mouse."));
}

TEST(ConnectionFooter, ChecksAccessOnlyWhenTheMouseIsMissing) {
  int checks = 0;
  ConnectionFooter footer([&checks] {
    ++checks;
    return AccessReport{};
  });
  footer.connected();
  EXPECT_EQ(checks, 0);
  EXPECT_EQ(footer.text(), "");
  footer.noMouse();
  EXPECT_EQ(checks, 1);
  footer.connected();
  EXPECT_EQ(footer.text(), "") << "a connected mouse needs no advice";
}

// The window's core: the footer follows the mouse.
class WindowFooterTest : public SimulatedCoreFixture {
 protected:
  WindowFooterTest() { core.shell.FormCreate(); }
};

TEST_F(WindowFooterTest, SaysNoMouseUntilOneIsReadAndAgainWhenItGoes) {
  EXPECT_TRUE(contains(core.footer.text(), "No mouse connected")) << "at start";
  link.discovery.DevTimerTimer();
  ASSERT_TRUE(link.channel.isOpen());
  EXPECT_EQ(core.footer.text(), "");
  mouse.unplug();
  link.discovery.DevTimerTimer();
  EXPECT_TRUE(contains(core.footer.text(), "No mouse connected"));
}

TEST_F(WindowFooterTest, AReadCutShortLeavesTheMouseShownAsMissing) {
  mouse.unplugAfterFrames(2 + 2 + 3 + 1 + 100);
  link.discovery.DevTimerTimer();
  EXPECT_FALSE(link.channel.isOpen());
  EXPECT_TRUE(contains(core.footer.text(), "No mouse connected"));
}

}  // namespace
}  // namespace mousecfg::test
