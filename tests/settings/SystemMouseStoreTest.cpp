#include "settings/SystemMouseStore.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "settings/SystemMouseLevels.h"

namespace mousecfg::test {
namespace {

using namespace systemmouse;
namespace fs = std::filesystem;

class SystemMouseStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("mousecfg-store-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  fs::path folder;
};

TEST_F(SystemMouseStoreTest, ValuesSurviveASaveAndALoad) {
  const fs::path path = folder / "mousecfg" / "system-mouse.ini";
  SystemMouseStore store(path.string());
  store.setValue(kMouseKey, kMouseSensitivity, "4");
  store.setValue(kMouseKey, kDoubleClickSpeed, "480");
  store.setValue(kDesktopKey, kWheelScrollLines, "-1");

  EXPECT_EQ(store.save(), "") << "the folder is created";
  EXPECT_EQ(readFile(path),
            "; The system mouse settings of mousecfg, rewritten on every change.\n"
            "[Control Panel\\Mouse]\nMouseSensitivity=4\nDoubleClickSpeed=480\n"
            "[Control Panel\\Desktop]\nWheelScrollLines=-1\n");

  SystemMouseStore reread(path.string());
  ASSERT_TRUE(reread.load());
  EXPECT_EQ(reread.value(kMouseKey, kMouseSensitivity), "4");
  EXPECT_EQ(reread.value(kMouseKey, kDoubleClickSpeed), "480");
  EXPECT_EQ(reread.value(kDesktopKey, kWheelScrollLines), "-1");
  EXPECT_EQ(reread.value(kMouseKey, kMouseSpeed), std::nullopt);
}

TEST_F(SystemMouseStoreTest, AMissingFileGivesNoValues) {
  SystemMouseStore store((folder / "none.ini").string());
  store.setValue(kMouseKey, kMouseSpeed, "1");
  EXPECT_FALSE(store.load());
  EXPECT_EQ(store.value(kMouseKey, kMouseSpeed), std::nullopt);
}

TEST_F(SystemMouseStoreTest, GarbageLinesAreSkippedAndGoodOnesKept) {
  SystemMouseStore store;
  using namespace std::string_literals;
  store.parse("\x01\xFF\xFE garbage\n"s + "MouseSpeed=1\n" +  // before any key
              "[control panel\\MOUSE]\r\n" + "  mousesensitivity =  12 \r\n" + "no equals sign\n" +
              "Unknown=5\n" + "MouseThreshold1=6\x07\n" + "MouseThreshold2=\xC3\xA9\n" +
              "DoubleClickSpeed=" + std::string(40, '9') + "\n" +
              "[Control Panel\\Desktop\n" +  // a broken header ends the key
              "WheelScrollLines=7\n" + "[Control Panel\\Desktop]\n" +
              "WheelScrollLines=5\0junk\n"s);
  EXPECT_EQ(store.value(kMouseKey, kMouseSensitivity), "12");
  EXPECT_EQ(store.value(kMouseKey, kMouseSpeed), std::nullopt);
  EXPECT_EQ(store.value(kMouseKey, kMouseThreshold1), std::nullopt);
  EXPECT_EQ(store.value(kMouseKey, kMouseThreshold2), std::nullopt);
  EXPECT_EQ(store.value(kMouseKey, kDoubleClickSpeed), std::nullopt);
  EXPECT_EQ(store.value(kDesktopKey, kWheelScrollLines), std::nullopt)
      << "a value with a NUL in it is dropped";
  EXPECT_EQ(store.value(kMouseKey, "Unknown"), std::nullopt);
}

TEST_F(SystemMouseStoreTest, BinaryAndOversizedFilesGiveNothingAndDoNotCrash) {
  const fs::path binary = folder / "binary.ini";
  std::string bytes(4096, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 37);
  writeFile(binary, bytes);
  SystemMouseStore store(binary.string());
  EXPECT_TRUE(store.load());
  EXPECT_EQ(store.text(), "; The system mouse settings of mousecfg, rewritten on every change.\n");

  const fs::path huge = folder / "huge.ini";
  writeFile(huge, "[Control Panel\\Mouse]\nMouseSpeed=1\n" + std::string(70000, ';'));
  SystemMouseStore big(huge.string());
  EXPECT_FALSE(big.load());
  EXPECT_EQ(big.value(kMouseKey, kMouseSpeed), std::nullopt);
}

TEST_F(SystemMouseStoreTest, OnlyKnownNamesAndPlainValuesAreStored) {
  SystemMouseStore store;
  store.setValue(kMouseKey, "Beep", "1");
  store.setValue(kDesktopKey, kMouseSpeed, "1");  // right name, wrong key
  store.setValue(kMouseKey, kMouseSpeed, "1\n[Control Panel\\Desktop]");
  EXPECT_EQ(store.text(), "; The system mouse settings of mousecfg, rewritten on every change.\n");
}

TEST_F(SystemMouseStoreTest, ASaveThatCannotWriteSaysWhyAndKeepsTheValues) {
  writeFile(folder / "blocker", "a file where the folder should be");
  SystemMouseStore store((folder / "blocker" / "system-mouse.ini").string());
  store.setValue(kMouseKey, kMouseSpeed, "0");
  EXPECT_NE(store.save(), "");
  EXPECT_EQ(store.value(kMouseKey, kMouseSpeed), "0");
  EXPECT_NE(SystemMouseStore().save(), "") << "no path at all";
}

TEST(SystemMouseStorePath, FollowsXdgConfigHomeThenHome) {
  const auto environment = [](std::optional<std::string> config, std::optional<std::string> home) {
    return [=](const char* name) -> std::optional<std::string> {
      return std::string(name) == "XDG_CONFIG_HOME" ? config : home;
    };
  };
  EXPECT_EQ(SystemMouseStore::defaultPath(environment("/cfg", "/home/u")),
            "/cfg/mousecfg/system-mouse.ini");
  EXPECT_EQ(SystemMouseStore::defaultPath(environment("relative", "/home/u")),
            "/home/u/.config/mousecfg/system-mouse.ini");
  EXPECT_EQ(SystemMouseStore::defaultPath(environment(std::nullopt, "/home/u")),
            "/home/u/.config/mousecfg/system-mouse.ini");
  EXPECT_EQ(SystemMouseStore::defaultPath(environment(std::nullopt, std::nullopt)), "");
}

}  // namespace
}  // namespace mousecfg::test
