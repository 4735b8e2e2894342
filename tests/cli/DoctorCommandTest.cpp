#include "cli/DoctorCommand.h"

#include <gtest/gtest.h>

#include <string>

#include "cli/InProcessMousectl.h"

namespace mousecfg::test {
namespace {

AccessReport reportOf(bool onBus, std::vector<MouseNode> nodes,
                      std::optional<std::string> rule = std::nullopt) {
  AccessReport report;
  report.onBus = onBus;
  report.nodes = std::move(nodes);
  report.installedRule = std::move(rule);
  return report;
}

bool says(const AccessAdvice& advice, const std::string& text) {
  return advice.text.find(text) != std::string::npos;
}

TEST(DoctorAdvice, AMouseThatIsNotThereIsToBePluggedIn) {
  const AccessAdvice advice = adviseOnAccess(reportOf(false, {}));
  EXPECT_EQ(advice.status, 3);
  EXPECT_TRUE(says(advice, "1. On the USB bus:      no")) << advice.text;
  EXPECT_TRUE(says(advice, "Plug the mouse in")) << advice.text;
  EXPECT_TRUE(says(advice, "lsusb -d 3a7e:05ed")) << advice.text;
}

TEST(DoctorAdvice, AMouseWithoutNodesNeedsTheHidrawDriver) {
  const AccessAdvice advice = adviseOnAccess(reportOf(true, {}));
  EXPECT_EQ(advice.status, 3);
  EXPECT_TRUE(says(advice, "2. Its hidraw nodes:    none")) << advice.text;
  EXPECT_TRUE(says(advice, "sudo modprobe hidraw")) << advice.text;
}

TEST(DoctorAdvice, NodesThatCannotBeOpenedWithoutTheRuleGetTheRuleInstalled) {
  const AccessAdvice advice = adviseOnAccess(reportOf(true, {{"/dev/hidraw3", false}}));
  EXPECT_EQ(advice.status, 3);
  EXPECT_TRUE(says(advice, "/dev/hidraw3 (no access)")) << advice.text;
  EXPECT_TRUE(says(advice, "3. The udev rule:       not installed")) << advice.text;
  EXPECT_TRUE(says(advice, "mousectl udev-rule | sudo tee /etc/udev/rules.d/70-mousecfg.rules"))
      << advice.text;
  EXPECT_TRUE(says(advice, "plug it in again")) << advice.text;
}

TEST(DoctorAdvice, NodesThatCannotBeOpenedDespiteTheRuleWantAReplug) {
  const AccessAdvice advice = adviseOnAccess(
      reportOf(true, {{"/dev/hidraw3", false}}, "/usr/lib/udev/rules.d/70-mousecfg.rules"));
  EXPECT_EQ(advice.status, 3);
  EXPECT_TRUE(says(advice, "/usr/lib/udev/rules.d/70-mousecfg.rules")) << advice.text;
  EXPECT_TRUE(says(advice, "not yours yet")) << advice.text;
  EXPECT_FALSE(says(advice, "sudo tee")) << "the rule is there already";
}

TEST(DoctorAdvice, UsableNodesLeaveNothingToDo) {
  const AccessAdvice advice = adviseOnAccess(
      reportOf(true, {{"/dev/hidraw3", true}, {"/dev/hidraw4", true}}, "/etc/x.rules"));
  EXPECT_EQ(advice.status, 0);
  EXPECT_TRUE(says(advice, "/dev/hidraw3, /dev/hidraw4, you may open them")) << advice.text;
  EXPECT_TRUE(says(advice, "What to do: Nothing")) << advice.text;
}

TEST(DoctorCommand, TheSimulatedMouseAndNoMouseAreToldApart) {
  InProcessMousectl mousectl(::testing::TempDir() + "doctor-block.bin", ::testing::TempDir());
  const CommandRun simulated = mousectl.run("doctor", "sim");
  EXPECT_EQ(simulated.status, 0);
  EXPECT_NE(simulated.out.find("simulated mouse, which needs no"), std::string::npos);
  const CommandRun none = mousectl.run("doctor", "none");
  EXPECT_EQ(none.status, 3);
  EXPECT_NE(none.out.find("looks for no mouse at all"), std::string::npos);
  EXPECT_EQ(mousectl.run("doctor now", "sim").status, 2);
  const CommandRun misspelt = mousectl.run("doctor", "simm");
  EXPECT_EQ(misspelt.status, 2);
  EXPECT_NE(misspelt.err.find("MOUSECFG_BACKEND=simm is not known"), std::string::npos)
      << misspelt.err;
}

}  // namespace
}  // namespace mousecfg::test
