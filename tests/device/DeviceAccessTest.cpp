#include "device/DeviceAccess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "support/FileFixtures.h"

namespace mousecfg::test {
namespace {

namespace fs = std::filesystem;

// A sysfs tree, a /dev and rule folders of the test's own.
class DeviceAccessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root / "sys/bus/usb/devices");
    fs::create_directories(root / "sys/class/hidraw");
    places.sysfs = (root / "sys").string();
    places.dev = (root / "dev").string();
    places.ruleFolders = {(root / "etc").string(), (root / "usr").string()};
    places.usable = [this](const std::string& node) { return usableNodes.contains(node); };
  }

  static void write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
  }
  void plugUsbDevice(const std::string& name, const std::string& vendor,
                     const std::string& product) {
    write(root / "sys/bus/usb/devices" / name / "idVendor", vendor + "\n");
    write(root / "sys/bus/usb/devices" / name / "idProduct", product + "\n");
  }
  void addHidraw(const std::string& name, const std::string& hidId) {
    write(root / "sys/class/hidraw" / name / "device/uevent",
          "DRIVER=hid-generic\nHID_ID=" + hidId + "\nHID_NAME=USB Gaming Mouse\n");
  }
  std::string node(const std::string& name) const { return (root / "dev" / name).string(); }
  AccessReport check() const { return checkDeviceAccess(0x3A7E, 0x05ED, places); }

  TemporaryFolder folder;
  const fs::path root = folder.path();
  AccessPlaces places;
  std::set<std::string> usableNodes;
};

TEST_F(DeviceAccessTest, NoMouseOnTheBusIsToldByItsIds) {
  plugUsbDevice("1-1", "046d", "c52b");  // another vendor's receiver
  const AccessReport report = check();
  EXPECT_FALSE(report.onBus);
  EXPECT_TRUE(report.nodes.empty());
  EXPECT_FALSE(report.installedRule);
}

TEST_F(DeviceAccessTest, TheMouseIsFoundOnTheBusWithoutAnyNode) {
  plugUsbDevice("1-2", "3a7e", "05ed");
  const AccessReport report = check();
  EXPECT_TRUE(report.onBus);
  EXPECT_TRUE(report.nodes.empty());
  EXPECT_FALSE(report.nodesUsable());
}

TEST_F(DeviceAccessTest, OnlyTheMousesOwnNodesAreListedInOrderWithTheirAccess) {
  plugUsbDevice("1-2", "3a7e", "05ed");
  addHidraw("hidraw4", "0003:00003A7E:000005ED");
  addHidraw("hidraw2", "0003:00003A7E:000005ED");
  addHidraw("hidraw3", "0003:0000046D:0000C52B");
  usableNodes = {node("hidraw2")};
  const AccessReport report = check();
  ASSERT_EQ(report.nodes.size(), 2u);
  EXPECT_EQ(report.nodes[0].path, node("hidraw2"));
  EXPECT_TRUE(report.nodes[0].usable);
  EXPECT_EQ(report.nodes[1].path, node("hidraw4"));
  EXPECT_FALSE(report.nodes[1].usable);
  EXPECT_FALSE(report.nodesUsable()) << "every node is needed";
  usableNodes.insert(node("hidraw4"));
  EXPECT_TRUE(check().nodesUsable());
}

TEST_F(DeviceAccessTest, NodesAreListedInTheirNumbersOrder) {
  addHidraw("hidraw10", "0003:00003A7E:000005ED");
  addHidraw("hidraw2", "0003:00003A7E:000005ED");
  const AccessReport report = check();
  ASSERT_EQ(report.nodes.size(), 2u);
  EXPECT_EQ(report.nodes[0].path, node("hidraw2"));
  EXPECT_EQ(report.nodes[1].path, node("hidraw10"));
}

TEST_F(DeviceAccessTest, NodesAloneShowTheMouseIsThere) {
  addHidraw("hidraw0", "0003:00003A7E:000005ED");
  EXPECT_TRUE(check().onBus);
}

TEST_F(DeviceAccessTest, TheFirstRuleFolderHoldingTheRuleIsNamed) {
  write(root / "usr/70-mousecfg.rules", "rule\n");
  EXPECT_EQ(check().installedRule, (root / "usr/70-mousecfg.rules").string());
  write(root / "etc/70-mousecfg.rules", "rule\n");
  EXPECT_EQ(check().installedRule, (root / "etc/70-mousecfg.rules").string());
  write(root / "etc/71-other.rules", "rule\n");
  fs::remove(root / "etc/70-mousecfg.rules");
  fs::remove(root / "usr/70-mousecfg.rules");
  EXPECT_FALSE(check().installedRule) << "only our rule counts";
}

}  // namespace
}  // namespace mousecfg::test
