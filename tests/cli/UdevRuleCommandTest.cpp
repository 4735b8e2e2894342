#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "cli/InProcessMousectl.h"

namespace mousecfg::test {
namespace {

std::string installedRule() {
  std::ifstream file(UDEV_RULE_PATH, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

InProcessMousectl mousectlWithoutAMouse() {
  return InProcessMousectl(::testing::TempDir() + "no-such-block.bin", ::testing::TempDir());
}

TEST(UdevRuleCommand, PrintsTheRuleThatIsInstalledByteForByte) {
  auto mousectl = mousectlWithoutAMouse();
  const CommandRun printed = mousectl.run("udev-rule", "none");
  EXPECT_EQ(printed.status, 0) << printed.err;
  EXPECT_EQ(printed.out, installedRule());
  EXPECT_EQ(printed.err, "");
}

TEST(UdevRuleCommand, TheRuleGrantsTheSeatUserThisMouseOnly) {
  const std::string rule = installedRule();
  EXPECT_NE(rule.find(R"(SUBSYSTEM=="hidraw")"), std::string::npos);
  EXPECT_NE(rule.find(R"(ATTRS{idVendor}=="3a7e", ATTRS{idProduct}=="05ed")"), std::string::npos);
  EXPECT_NE(rule.find(R"(TAG+="uaccess")"), std::string::npos);
  EXPECT_EQ(rule.find("MODE"), std::string::npos) << "no world-writable nodes";
}

TEST(UdevRuleCommand, HelpSaysHowToInstallItAndExtraWordsAreAMistake) {
  auto mousectl = mousectlWithoutAMouse();
  const CommandRun help = mousectl.run("udev-rule --help", "none");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("sudo tee /etc/udev/rules.d/70-mousecfg.rules"), std::string::npos);
  EXPECT_NE(help.out.find("udevadm trigger"), std::string::npos);
  const CommandRun extra = mousectl.run("udev-rule now", "none");
  EXPECT_EQ(extra.status, 2);
  EXPECT_EQ(extra.out, "");
}

}  // namespace
}  // namespace mousecfg::test
