#include "device/BackendSelection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include <unistd.h>

#include "device/TracingBackend.h"

namespace mousecfg {
namespace {

EnvironmentLookup environment(std::map<std::string, std::string> values) {
  return [values](const char* name) -> std::optional<std::string> {
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
}

std::vector<std::string> lines(const std::string& path) {
  std::ifstream file(path);
  std::vector<std::string> result;
  for (std::string line; std::getline(file, line);) result.push_back(line);
  return result;
}

class BackendSelectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder =
        std::filesystem::temp_directory_path() / ("mousecfg-backend-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  std::string file(const char* name) const { return (folder / name).string(); }

  std::filesystem::path folder;
};

TEST_F(BackendSelectionTest, SimSelectsTheSimulatedMouseAndTracesItsFrames) {
  auto selected =
      selectBackend(environment({{"MOUSECFG_BACKEND", "sim"}, {"MOUSECFG_TRACE", file("t")}}));
  ASSERT_NE(selected.simulatedMouse, nullptr);
  EXPECT_EQ(selected.simulatedMouse, selected.backend.get());
  auto handle = selected.backend->open("sim:vendor", HidAccess::None);
  ASSERT_TRUE(handle);
  const std::array<uint8_t, 8> probe{0x40, 0x0D};
  ASSERT_TRUE(handle->setFeature(probe));
  EXPECT_EQ(lines(file("t")), std::vector<std::string>{"S 40 0D 00 00 00 00 00 00"});
}

TEST_F(BackendSelectionTest, SimKeepsItsBlockInTheNamedFile) {
  auto selected =
      selectBackend(environment({{"MOUSECFG_BACKEND", "sim"}, {"MOUSECFG_SIM_FILE", file("b")}}));
  ASSERT_NE(selected.simulatedMouse, nullptr);
  selected.simulatedMouse->pressProfileButton();
  EXPECT_EQ(std::filesystem::file_size(file("b")), 2048u);
}

TEST_F(BackendSelectionTest, AnythingElseSelectsRealDevices) {
  auto selected = selectBackend(environment({{"MOUSECFG_BACKEND", "hid"}}));
  EXPECT_NE(selected.backend, nullptr);
  EXPECT_EQ(selected.simulatedMouse, nullptr);
  EXPECT_FALSE(selected.traceFileFailed);
}

TEST_F(BackendSelectionTest, UnwritableTraceFileIsReported) {
  auto selected = selectBackend(
      environment({{"MOUSECFG_BACKEND", "sim"}, {"MOUSECFG_TRACE", file("missing/t")}}));
  EXPECT_TRUE(selected.traceFileFailed);
  EXPECT_NE(selected.simulatedMouse, nullptr);
}

TEST(TracingBackend, TracesWhatTheWrappedBackendAcceptedOnly) {
  std::vector<std::string> trace;
  auto inner = std::make_unique<SimulatedMouse>();
  SimulatedMouse& mouse = *inner;
  TracingBackend backend(std::move(inner), [&](const std::string& line) { trace.push_back(line); });
  EXPECT_EQ(backend.enumerate().size(), mouse.enumerate().size());
  auto handle = backend.open("sim:vendor", HidAccess::ReadWrite);
  ASSERT_TRUE(handle);
  std::array<uint8_t, 8> frame{0x40, 0x0D};
  ASSERT_TRUE(handle->setFeature(frame));
  frame = {0x41};
  ASSERT_TRUE(handle->getFeature(frame));
  mouse.pressProfileButton();
  ASSERT_EQ(handle->readInput(frame, 100), 8);
  mouse.refuseFrames(true);
  EXPECT_FALSE(handle->setFeature(frame));
  EXPECT_EQ(trace,
            (std::vector<std::string>{"S 40 0D 00 00 00 00 00 00", "G 41 00 5A C0 00 00 00 00",
                                      "I 42 00 00 08 00 00 00 00"}));
  EXPECT_EQ(backend.open("sim:none", HidAccess::None), nullptr);
}

}  // namespace
}  // namespace mousecfg
