#include "settings/SystemMouseSettings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "settings/DesktopMouseBackend.h"
#include "settings/SystemMouseStore.h"
#include "support/FakeProcessRunner.h"

namespace mousecfg::test {
namespace {

using namespace systemmouse;
namespace fs = std::filesystem;

// Records the four system calls in the order they come.
class RecordingBackend : public DesktopMouseBackend {
 public:
  std::string name() const override { return "recording"; }
  bool setMouseSpeed(int sensitivity) override {
    return record("speed " + std::to_string(sensitivity));
  }
  bool setMouseAcceleration(int threshold1, int threshold2, int acceleration) override {
    return record("acceleration " + std::to_string(threshold1) + " " + std::to_string(threshold2) +
                  " " + std::to_string(acceleration));
  }
  bool setDoubleClickTime(int milliseconds) override {
    return record("double-click " + std::to_string(milliseconds));
  }
  bool setWheelScrollLines(int lines) override { return record("wheel " + std::to_string(lines)); }

  std::vector<std::string> calls;

 private:
  bool record(std::string call) {
    calls.push_back(std::move(call));
    return true;
  }
};

class SystemMouseSettingsTest : public ::testing::Test {
 protected:
  SystemMouseSettingsTest()
      : folder(fs::temp_directory_path() /
               ("mousecfg-pointer-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::remove_all(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string path() const { return (folder / "mousecfg" / "system-mouse.ini").string(); }
  std::optional<std::string> saved(std::string_view key, std::string_view name) const {
    SystemMouseStore reread(path());
    reread.load();
    return reread.value(key, name);
  }

  fs::path folder;
  SystemMouseStore store{path()};
  RecordingBackend backend;
  SystemMouseSettings settings{store, &backend};
};

TEST_F(SystemMouseSettingsTest, SpeedLevelThreeWritesFourAndAppliesIt) {
  settings.slider_spdMouseUp(3);

  EXPECT_EQ(saved(kMouseKey, kMouseSensitivity), "4");
  EXPECT_EQ(backend.calls, (std::vector<std::string>{"speed 4", "acceleration 6 10 1",
                                                     "double-click 480", "wheel 3"}));
  EXPECT_EQ(settings.lastSaveError, "");
}

TEST_F(SystemMouseSettingsTest, EveryChangeWritesAllValues) {
  settings.slider_DbSpdMouseUp(7);
  EXPECT_EQ(saved(kMouseKey, kDoubleClickSpeed), "480");
  EXPECT_EQ(saved(kMouseKey, kMouseSensitivity), "10");
  EXPECT_EQ(saved(kMouseKey, kMouseSpeed), "1");
  EXPECT_EQ(saved(kMouseKey, kMouseThreshold1), "6");
  EXPECT_EQ(saved(kMouseKey, kMouseThreshold2), "10");
  EXPECT_EQ(saved(kDesktopKey, kWheelScrollLines), "3");
}

TEST_F(SystemMouseSettingsTest, PrecisionOffWritesZerosAndSwitchesAccelerationOff) {
  settings.lbl_IsControlClick();
  EXPECT_FALSE(settings.enhancePrecision);
  EXPECT_EQ(saved(kMouseKey, kMouseSpeed), "0");
  EXPECT_EQ(saved(kMouseKey, kMouseThreshold1), "0");
  EXPECT_EQ(saved(kMouseKey, kMouseThreshold2), "0");
  EXPECT_EQ(backend.calls[1], "acceleration 0 0 0");
}

TEST_F(SystemMouseSettingsTest, OneScreenAtATimeWritesMinusOneAndGreysTheScale) {
  settings.slider_ScrSpdMouseUp(5);
  settings.lbl_IsScreenClick();

  EXPECT_EQ(saved(kDesktopKey, kWheelScrollLines), "-1");
  EXPECT_FALSE(settings.scrollScaleEnabled());
  EXPECT_EQ(backend.calls.back(), "wheel -1");

  backend.calls.clear();
  settings.slider_ScrSpdMouseUp(9);
  EXPECT_TRUE(backend.calls.empty()) << "the greyed scale takes no clicks";

  settings.lbl_IsScreenClick();
  EXPECT_TRUE(settings.scrollScaleEnabled());
  EXPECT_EQ(saved(kDesktopKey, kWheelScrollLines), "5") << "the scale's level is back";
  EXPECT_EQ(backend.calls.back(), "wheel 5");
}

TEST_F(SystemMouseSettingsTest, LevelsOutsideTheScaleAreClamped) {
  settings.slider_spdMouseUp(40);
  settings.slider_DbSpdMouseUp(-2);
  EXPECT_EQ(settings.speedLevel, 11);
  EXPECT_EQ(saved(kMouseKey, kMouseSensitivity), "20");
  EXPECT_EQ(saved(kMouseKey, kDoubleClickSpeed), "900");
}

TEST_F(SystemMouseSettingsTest, ReadingShowsTheStoredLevels) {
  store.setValue(kMouseKey, kMouseSensitivity, "4");
  store.setValue(kMouseKey, kMouseSpeed, "0");
  store.setValue(kMouseKey, kMouseThreshold1, "0");
  store.setValue(kMouseKey, kMouseThreshold2, "0");
  store.setValue(kMouseKey, kDoubleClickSpeed, "500");
  store.setValue(kDesktopKey, kWheelScrollLines, "8");
  ASSERT_EQ(store.save(), "");

  settings.refreshFromStore();

  EXPECT_EQ(settings.speedLevel, 3);
  EXPECT_FALSE(settings.enhancePrecision);
  EXPECT_EQ(settings.doubleClickLevel, 7);
  EXPECT_EQ(settings.scrollLevel, 8);
  EXPECT_FALSE(settings.oneScreenAtATime);
  EXPECT_TRUE(backend.calls.empty()) << "reading applies nothing";
}

TEST_F(SystemMouseSettingsTest, OneNonZeroAccelerationValueMeansPrecisionOn) {
  settings.enhancePrecision = false;
  store.setValue(kMouseKey, kMouseThreshold2, "10");
  settings.RefreshMouseSystemParameterA();
  EXPECT_TRUE(settings.enhancePrecision);
}

TEST_F(SystemMouseSettingsTest, MinusOneWheelLinesTicksOneScreenAndKeepsLevelOne) {
  settings.scrollLevel = 6;
  store.setValue(kDesktopKey, kWheelScrollLines, "-1");
  settings.RefreshMouseSystemParameterB();
  EXPECT_TRUE(settings.oneScreenAtATime);
  EXPECT_FALSE(settings.scrollScaleEnabled());
  EXPECT_EQ(settings.scrollLevel, 1);
}

TEST_F(SystemMouseSettingsTest, MissingValuesLeaveTheControlsAndOddOnesAreHandled) {
  settings.speedLevel = 9;
  settings.doubleClickLevel = 2;
  settings.scrollLevel = 4;
  settings.refreshFromStore();  // no file yet
  EXPECT_EQ(settings.speedLevel, 9);
  EXPECT_EQ(settings.doubleClickLevel, 2);
  EXPECT_EQ(settings.scrollLevel, 4);
  EXPECT_TRUE(settings.enhancePrecision);

  store.setValue(kMouseKey, kMouseSensitivity, "fast");
  store.setValue(kMouseKey, kDoubleClickSpeed, "12abc");
  store.setValue(kDesktopKey, kWheelScrollLines, "250");
  settings.RefreshMouseSystemParameterA();
  settings.RefreshMouseSystemParameterB();
  EXPECT_EQ(settings.speedLevel, 6) << "an unknown sensitivity shows the middle";
  EXPECT_EQ(settings.doubleClickLevel, 2) << "an unreadable time is ignored";
  EXPECT_EQ(settings.scrollLevel, 11);
}

TEST_F(SystemMouseSettingsTest, AStoreThatCannotBeWrittenStillAppliesTheSettings) {
  fs::create_directories(folder);
  { std::ofstream(folder / "mousecfg") << "a file where the folder should be"; }

  settings.slider_spdMouseUp(2);

  EXPECT_NE(settings.lastSaveError, "");
  EXPECT_EQ(backend.calls.front(), "speed 2");
  EXPECT_EQ(settings.speedLevel, 2);
}

TEST_F(SystemMouseSettingsTest, WithoutABackendTheValuesAreOnlyKept) {
  SystemMouseSettings keptOnly(store, nullptr);
  keptOnly.slider_spdMouseUp(4);
  EXPECT_EQ(saved(kMouseKey, kMouseSensitivity), "6");
  EXPECT_FALSE(keptOnly.lastApplied.speed);
  EXPECT_FALSE(keptOnly.lastApplied.wheelLines);
}

TEST(GnomeMouseBackend, RunsGsettingsOnTheMouseSchema) {
  FakeProcessRunner runner;
  GnomeMouseBackend gnome(runner, "/usr/bin/gsettings");
  SystemMouseStore memoryOnly;
  SystemMouseSettings settings(memoryOnly, &gnome);

  settings.slider_spdMouseUp(3);

  EXPECT_EQ(runner.runs,
            (std::vector<std::string>{
                "/usr/bin/gsettings set org.gnome.desktop.peripherals.mouse speed -0.60",
                "/usr/bin/gsettings set org.gnome.desktop.peripherals.mouse "
                "accel-profile 'adaptive'",
                "/usr/bin/gsettings set org.gnome.desktop.peripherals.mouse "
                "double-click 480"}));
  EXPECT_TRUE(settings.lastApplied.speed);
  EXPECT_TRUE(settings.lastApplied.acceleration);
  EXPECT_TRUE(settings.lastApplied.doubleClick);
  EXPECT_FALSE(settings.lastApplied.wheelLines) << "GNOME has no wheel-lines setting";
}

TEST(GnomeMouseBackend, PrecisionOffIsTheFlatProfile) {
  FakeProcessRunner runner;
  GnomeMouseBackend gnome(runner, "/bin/gsettings");
  EXPECT_TRUE(gnome.setMouseAcceleration(0, 0, 0));
  EXPECT_EQ(runner.runs.back(),
            "/bin/gsettings set org.gnome.desktop.peripherals.mouse accel-profile 'flat'");
}

TEST(GnomeMouseBackend, SpeedIsATenthPerSensitivityStepAroundTen) {
  EXPECT_EQ(GnomeMouseBackend::speedText(1), "-0.90");
  EXPECT_EQ(GnomeMouseBackend::speedText(10), "0.00");
  EXPECT_EQ(GnomeMouseBackend::speedText(15), "0.50");
  EXPECT_EQ(GnomeMouseBackend::speedText(20), "1.00");
  EXPECT_EQ(GnomeMouseBackend::speedText(99), "1.00");
}

TEST(GnomeMouseBackend, AFailingOrMissingProgramIsReportedNotThrown) {
  FakeProcessRunner runner;
  GnomeMouseBackend gnome(runner, "/usr/bin/gsettings");
  runner.exitStatus = 1;
  EXPECT_FALSE(gnome.setDoubleClickTime(480));
  runner.exitStatus = std::nullopt;
  EXPECT_FALSE(gnome.setMouseSpeed(10));
  EXPECT_EQ(runner.runs.size(), 2u);
}

TEST(DesktopMouseBackendSelection, GnomeWhenGsettingsIsFoundElseNone) {
  FakeProcessRunner runner;
  const auto noVariables = [](const char*) -> std::optional<std::string> { return std::nullopt; };
  EXPECT_EQ(selectDesktopMouseBackend(runner, noVariables), nullptr);

  runner.programs["gsettings"] = "/usr/bin/gsettings";
  const auto backend = selectDesktopMouseBackend(runner, noVariables);
  ASSERT_NE(backend, nullptr);
  EXPECT_EQ(backend->name(), "GNOME");

  const auto switchedOff = [](const char* name) -> std::optional<std::string> {
    if (std::string(name) == "MOUSECFG_DESKTOP") return "none";
    return std::nullopt;
  };
  EXPECT_EQ(selectDesktopMouseBackend(runner, switchedOff), nullptr);
}

TEST(PosixProcessRunner, RunsProgramsWithoutAShellAndReportsTheirStatus) {
  PosixProcessRunner runner;
  const std::optional<std::string> trueProgram = runner.findProgram("true");
  const std::optional<std::string> falseProgram = runner.findProgram("false");
  ASSERT_TRUE(trueProgram && falseProgram);
  EXPECT_EQ(runner.run({*trueProgram}), 0);
  EXPECT_EQ(runner.run({*falseProgram, "; exit 0"}), 1);
  EXPECT_EQ(runner.run({"/nonexistent/program"}), std::nullopt);
  EXPECT_EQ(runner.run({}), std::nullopt);
  EXPECT_EQ(runner.findProgram("no-such-program-anywhere"), std::nullopt);
  EXPECT_EQ(runner.findProgram("../true"), std::nullopt);
}

}  // namespace
}  // namespace mousecfg::test
