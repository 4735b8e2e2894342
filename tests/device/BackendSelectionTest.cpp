#include "device/BackendSelection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include <unistd.h>

#include <cstring>

#include "device/TracingBackend.h"
#include "support/FileFixtures.h"

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

TEST_F(BackendSelectionTest, AnUnknownBackendIsAProblemAndRealDevicesAreUsed) {
  auto selected = selectBackend(environment({{"MOUSECFG_BACKEND", "bogus"}}));
  EXPECT_NE(selected.backend, nullptr);
  EXPECT_EQ(selected.simulatedMouse, nullptr);
  EXPECT_EQ(selected.problems,
            std::vector<std::string>{"MOUSECFG_BACKEND=bogus is not known: \"sim\" selects the "
                                     "simulated mouse, \"hid\" (or nothing) the real devices, "
                                     "\"none\" no devices at all"});
}

TEST_F(BackendSelectionTest, NoneListsNoDevicesAtAll) {
  auto selected = selectBackend(environment({{"MOUSECFG_BACKEND", "none"}}));
  ASSERT_NE(selected.backend, nullptr);
  EXPECT_TRUE(selected.backend->enumerate().empty());
  EXPECT_EQ(selected.backend->open("sim:vendor", HidAccess::None), nullptr);
  EXPECT_TRUE(selected.problems.empty());
}

TEST_F(BackendSelectionTest, AnUnwritableTraceFileIsToldWithItsReason) {
  auto selected = selectBackend(
      environment({{"MOUSECFG_BACKEND", "sim"}, {"MOUSECFG_TRACE", file("missing/t")}}));
  EXPECT_EQ(selected.problems,
            std::vector<std::string>{"MOUSECFG_TRACE: cannot write " + file("missing/t") + ": " +
                                     std::strerror(ENOENT)});
}

TEST_F(BackendSelectionTest, ATraceFifoWithoutAReaderIsToldWithoutWaiting) {
  ASSERT_EQ(::mkfifo(file("fifo").c_str(), 0600), 0);
  auto selected =
      selectBackend(environment({{"MOUSECFG_BACKEND", "sim"}, {"MOUSECFG_TRACE", file("fifo")}}));
  EXPECT_TRUE(selected.traceFileFailed);
  EXPECT_EQ(selected.problems,
            std::vector<std::string>{"MOUSECFG_TRACE: cannot write " + file("fifo") +
                                     ": it is a FIFO with no reader"});
}

TEST_F(BackendSelectionTest, ATraceFifoWithAReaderGetsTheLines) {
  ASSERT_EQ(::mkfifo(file("fifo").c_str(), 0600), 0);
  test::FifoReadEnd reader(file("fifo"));
  auto selected =
      selectBackend(environment({{"MOUSECFG_BACKEND", "sim"}, {"MOUSECFG_TRACE", file("fifo")}}));
  ASSERT_TRUE(selected.problems.empty());
  auto handle = selected.backend->open("sim:vendor", HidAccess::None);
  ASSERT_TRUE(handle);
  const std::array<uint8_t, 8> probe{0x40, 0x0D};
  ASSERT_TRUE(handle->setFeature(probe));
  EXPECT_EQ(reader.available(), "S 40 0D 00 00 00 00 00 00\n");
  EXPECT_EQ(test::typeOf(file("fifo")), static_cast<mode_t>(S_IFIFO));
}

TEST_F(BackendSelectionTest, ASimFileThatCannotBeUsedIsAProblem) {
  std::ofstream(file("b"), std::ios::binary) << std::string(100, 'x');
  auto selected =
      selectBackend(environment({{"MOUSECFG_BACKEND", "sim"}, {"MOUSECFG_SIM_FILE", file("b")}}));
  ASSERT_NE(selected.simulatedMouse, nullptr);
  EXPECT_EQ(selected.problems,
            std::vector<std::string>{"MOUSECFG_SIM_FILE cannot be used: " + file("b") +
                                     " holds 100 bytes; a stored block has exactly 2048"});
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
