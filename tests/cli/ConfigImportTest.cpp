#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "DefaultImage.h"
#include "cli/CliSession.h"
#include "cli/ConfigOfMouse.h"
#include "cli/EngineerAccess.h"
#include "cli/LedEffectNames.h"
#include "device/SimulatedMouse.h"
#include "device/StoredBlockFile.h"
#include "settings/FunctionLookup.h"
#include "support/FileFixtures.h"
#include "support/HexBytes.h"
#include "support/ShellWords.h"
#include "support/VirtualClock.h"

namespace mousecfg::test {
namespace {

constexpr const char* kFirstCode = "first-level-test-code";
constexpr const char* kSecondCode = "second-level-test-code";

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

struct ImportRun {
  int status = -1;
  std::string out;
  std::string err;
  std::vector<std::string> frames;  // the simulated mouse's trace of the run
};

// mousectl export and import in-process on a simulated mouse whose stored block lives in
// the test's folder, its frames traced.
class ConfigImportTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(saveStoredBlockFile(simFile(), builtInDefaultImage())); }

  std::string simFile() const { return folder.file("stored.bin"); }
  std::string stored() const {
    return hexBytes(loadStoredBlockFile(simFile()).value_or(StoredBlock{}));
  }

  CliContext context(std::ostream& out, std::ostream& err) {
    const std::string home = folder.path().string();
    CliContext made{out, err,
                    [home](const char* name) -> std::optional<std::string> {
                      const std::string_view variable(name);
                      if (variable == "XDG_DATA_HOME" || variable == "XDG_CONFIG_HOME" ||
                          variable == "XDG_RUNTIME_DIR")
                        return home;
                      if (variable == "MOUSECFG_DESKTOP") return "none";
                      return std::nullopt;
                    },
                    clock};
    made.makeBackend = [this] {
      SimulatedMouse::Options options;
      options.persistPath = simFile();
      auto mouse = std::make_unique<SimulatedMouse>(options, [this] { return clock.nowMs(); });
      mouse->setTraceSink([this](const std::string& line) { frames.push_back(line); });
      return mouse;
    };
    return made;
  }

  ImportRun run(const std::string& commandLine) {
    std::ostringstream out;
    std::ostringstream err;
    frames.clear();
    ImportRun result;
    result.status = runMousectl(shellWords(commandLine), context(out, err));
    result.out = out.str();
    result.err = err.str();
    result.frames = frames;
    return result;
  }

  std::string exported() {
    const ImportRun result = run("export " + folder.file("a.toml"));
    EXPECT_EQ(result.status, 0) << result.err;
    return fileText(folder.file("a.toml"));
  }
  // The exported text with `from` replaced by `to`, written as b.toml.
  std::string edited(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
  }
  std::string fileWith(const std::string& text) {
    writeText(folder.file("b.toml"), text);
    return folder.file("b.toml");
  }
  // A refused import: the message, after checking that nothing was sent.
  std::string refused(const std::string& text) {
    const std::string before = stored();
    const ImportRun result = run("import --yes " + fileWith(text));
    EXPECT_EQ(result.status, kExitUsage) << result.out << result.err;
    EXPECT_TRUE(contains(result.err, "Nothing was sent.")) << result.err;
    EXPECT_EQ(stored(), before);
    return result.err;
  }

  // The window's handlers for the same three edits, on a mouse read as mousectl reads it.
  std::vector<std::string> windowFrames(const CliContext& context) {
    std::vector<std::string> seen;
    CliSession session(context);
    EXPECT_EQ(session.connectAndRead(), kExitOk);
    ApplicationCore& core = session.core();
    const FunctionLookup volume = lookUpFunction("Volume +", core.languages, {}, {});
    EXPECT_EQ(volume.matches.size(), 1u);
    std::string ignored;
    const std::optional<int> breathing = effectOfName("Breathing", core, ignored);
    std::optional<int> step3200;
    for (int step = 0; step < core.options.dpiCount && !step3200; ++step)
      if (dpiOfStep(step, core.languages) == 3200) step3200 = step;
    EXPECT_TRUE(breathing && step3200);
    const size_t readFrames = frames.size();
    for (int profile : {1, 2}) {
      core.assignment.setEditedProfile(profile);
      core.assignment.openForKeyLabel(6, {}, {});
      (void)core.assignment.KeyStatusOnClick(volume.matches[0].id);
    }
    core.dpi.chooseLevelStep(3, step3200.value_or(0));
    core.lighting.RGBMode_OnClick(breathing.value_or(1));
    return {frames.begin() + static_cast<std::ptrdiff_t>(readFrames), frames.end()};
  }

  TemporaryFolder folder;
  VirtualClock clock;
  std::vector<std::string> frames;
  ScopedServiceCodeHashes codes{
      {ServiceAccess::codeHash(kFirstCode), ServiceAccess::codeHash(kSecondCode)}};
};

// The three edits a user makes by hand, and what the window does for them.
const char* kProfile1Button6 = "6 = \"DPI +\"  # 09010000";
const char* kLevel3 = "level3 = { dpi = 2400";
const char* kEffect = "effect = \"Rainbow\"";

TEST_F(ConfigImportTest, ExportThenImportOnTheSameMouseSendsNothing) {
  const std::string text = exported();
  EXPECT_TRUE(contains(text, "[buttons.profile1]\n1 = \"Left Key\"  # 01010000\n")) << text;
  EXPECT_TRUE(
      contains(text, "level7 = { dpi = 200, colour = \"FF7F00\" }  # step 0, switched off"));
  EXPECT_TRUE(contains(text, "\"M4 Fire\" = '''\n# M4 Fire\ndown left\n")) << text;
  EXPECT_FALSE(contains(text, "[vendor]")) << "not without the service code";
  const std::string before = stored();
  const ImportRun result = run("import --yes " + folder.file("a.toml"));
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, folder.file("a.toml") + " matches the mouse; nothing to send.\n");
  EXPECT_EQ(stored(), before);
}

TEST_F(ConfigImportTest, HandEditsReachTheMouseFrameForFrameAsTheWindowSendsThem) {
  std::string text = exported();
  text = edited(text, kProfile1Button6, "6 = \"Volume +\"");
  text = edited(text, "6 = \"DPI +\"", "6 = \"volume +\"");
  text = edited(text, kLevel3, "level3 = { dpi = 3200");
  text = edited(text, kEffect, "effect = \"breathing\"");
  const std::string file = fileWith(text);

  const ImportRun shown = run("import " + file);
  EXPECT_EQ(shown.status, kExitUsage) << "not confirmed";
  EXPECT_TRUE(contains(shown.out, "profile 1 button 6: \"DPI +\" -> \"Volume +\"")) << shown.out;
  EXPECT_TRUE(contains(shown.out, "DPI level 3: 2400 -> 3200 DPI")) << shown.out;
  EXPECT_TRUE(contains(shown.out, "lighting effect: \"Rainbow\" -> \"Breathing\"")) << shown.out;
  EXPECT_TRUE(contains(shown.out, "changes 4 settings")) << shown.out;
  const std::vector<std::string> readOnly = shown.frames;

  const ImportRun applied = run("import --yes " + file);
  ASSERT_EQ(applied.status, kExitOk) << applied.err;
  const std::string afterImport = stored();

  ASSERT_TRUE(saveStoredBlockFile(simFile(), builtInDefaultImage()));
  std::ostringstream out;
  std::ostringstream err;
  frames.clear();
  const std::vector<std::string> window = windowFrames(context(out, err));
  ASSERT_FALSE(window.empty());
  ASSERT_GE(applied.frames.size(), readOnly.size() + window.size());
  EXPECT_TRUE(std::equal(readOnly.begin(), readOnly.end(), applied.frames.begin()))
      << "the same read first";
  const std::vector<std::string> sent(
      applied.frames.begin() + static_cast<std::ptrdiff_t>(readOnly.size()),
      applied.frames.begin() + static_cast<std::ptrdiff_t>(readOnly.size() + window.size()));
  EXPECT_EQ(sent, window);
  EXPECT_EQ(stored(), afterImport) << "both leave the mouse alike";

  const ImportRun again = run("import --yes " + file);
  EXPECT_EQ(again.status, kExitOk);
  EXPECT_TRUE(contains(again.out, "matches the mouse; nothing to send")) << again.out;
  EXPECT_EQ(again.frames.size(), readOnly.size()) << "a second import only reads";
}

TEST_F(ConfigImportTest, MistakesTheMouseRevealsAreRefusedWithTheirLineAndNothingIsSent) {
  const std::string text = exported();
  EXPECT_EQ(refused(edited(text, kProfile1Button6, "6 = \"Volme +\"")),
            "mousectl import: " + folder.file("b.toml") +
                ", line 15: profile 1 button 6: no function is called \"Volme +\"; did you mean "
                "\"Volume +\" or \"Volume -\"?\nNothing was sent.\n");
  EXPECT_TRUE(contains(refused(edited(text, kLevel3, "level3 = { dpi = 3300")),
                       "line 43: DPI level 3's dpi 3300 is none of this mouse's steps (200, 400"));
  EXPECT_TRUE(contains(refused(edited(text, "level7 = { dpi = 200", "level7 = { dpi = 400")),
                       "line 47: DPI level 7 is switched off (levels 1..6 are on)"));
  EXPECT_TRUE(contains(refused(edited(text, kEffect, "effect = \"Breathng\"")),
                       "no lighting effect \"Breathng\"; did you mean \"Breathing\"?"));
  EXPECT_TRUE(contains(refused(edited(text, "\"M4 Fire\" = '''\n# M4 Fire\ndown left\n",
                                      "\"M4 Fire\" = '''\n# M4 Fire\ndown lft\n")),
                       "\"M4 Fire\": "));
  EXPECT_TRUE(contains(refused(edited(text, "\"UZI Fire\" = '''", "\"UZZI Fire\" = '''")),
                       "no gun preset \"UZZI Fire\"; did you mean \"UZI Fire\"?"));
  EXPECT_TRUE(contains(refused(edited(text, "2 = \"Backward\"", "2 = \"AKM Fire\"")),
                       "line 11: profile 1 button 2: \"AKM Fire\" is a gun preset, for profile 2"));
  EXPECT_TRUE(contains(refused(text + "\n[vendor]\ncb_SensorSleep = \"Enable\"\n"),
                       "the [vendor] table needs the service code"));
}

TEST_F(ConfigImportTest, AMistakeInsideAGunTextIsShownAtItsLineInTheFile) {
  const std::string text = exported();
  const size_t gunLine = static_cast<size_t>(std::count(
                             text.begin(), text.begin() + text.find("\"M4 Fire\" = '''"), '\n')) +
                         1;
  const std::string message = refused(edited(text, "# M4 Fire\ndown left\n", "# M4 Fire\nup up\n"));
  EXPECT_TRUE(contains(message, "line " + std::to_string(gunLine + 2) + ": \"M4 Fire\": "))
      << message << " (the text's second line)";
}

TEST_F(ConfigImportTest, ProfileOneKeepsALeftKey) {
  const std::string text = exported();
  EXPECT_TRUE(contains(refused(edited(text, "1 = \"Left Key\"", "1 = \"Middle Key\"")),
                       "line 10: profile 1 would be left without a \"Left Key\""));
  std::string swapped = edited(text, "1 = \"Left Key\"", "1 = \"Right Key\"");
  swapped = edited(swapped, "4 = \"Right Key\"", "4 = \"Left Key\"");
  const ImportRun result = run("import --yes " + fileWith(swapped));
  EXPECT_EQ(result.status, kExitOk) << result.err;
  EXPECT_LT(result.out.find("applying line 13: profile 1 button 4"),
            result.out.find("applying line 10: profile 1 button 1"))
      << "the new Left Key first, so that one is kept all along\n"
      << result.out;
  EXPECT_TRUE(contains(run("export -").out, "[buttons.profile1]\n1 = \"Right Key\""));
}

TEST_F(ConfigImportTest, APartialFileChangesOnlyWhatItNamesAndTheRateRestartsTheMouseLast) {
  const std::string file = fileWith(
      "report_rate = 500\n[fire.key2]\nshots = 9\n[system]\nwheel_lines = 5\n"
      "[dpi]\nactive = 3\n");
  const ImportRun result = run("import -y " + file);
  ASSERT_EQ(result.status, kExitOk) << result.err;
  EXPECT_TRUE(
      result.out.ends_with("applying line 1: report rate: -> 500 Hz (the mouse restarts)\n"))
      << result.out;
  EXPECT_GE(clock.nowMs(), 17000) << "the restart wait";
  const std::string now = run("export -").out;
  EXPECT_TRUE(contains(now, "report_rate = 500")) << now;
  EXPECT_TRUE(contains(now, "[fire.key2]  # \"Fire Key2\"\nshots = 9\n")) << now;
  EXPECT_TRUE(contains(now, "wheel_lines = 5\n")) << now;
  EXPECT_TRUE(contains(now, "active = 3\n")) << now;
  EXPECT_TRUE(contains(now, "[fire.key1]  # \"Fire Key1\"\nshots = 3\n")) << "left alone";
}

// Switching a level on makes it active: the file's active level is set after it.
TEST_F(ConfigImportTest, MoreLevelsOnKeepTheFilesActiveLevel) {
  const std::string file = fileWith("[dpi]\nlevels_on = 8\nactive = 2\nlevel8 = { dpi = 400 }\n");
  const ImportRun result = run("import --yes " + file);
  ASSERT_EQ(result.status, kExitOk) << result.out << result.err;
  EXPECT_TRUE(contains(result.out, "line 3: active DPI level: 8 -> 2")) << result.out;
  const std::string now = run("export -").out;
  EXPECT_TRUE(contains(now, "levels_on = 8\nactive = 2\n")) << now;
  EXPECT_TRUE(contains(now, "level8 = { dpi = 400, colour = \"7F7F7F\" }  # step 1\n")) << now;
  EXPECT_TRUE(contains(run("import --yes " + file).out, "matches the mouse")) << "no drift";
}

// A breathing speed goes before a change to an effect without one.
TEST_F(ConfigImportTest, ASpeedAndAnEffectWithoutOneApplyInAnOrderThePageTakes) {
  const std::string file = fileWith("[lighting]\neffect = 6\nspeed = 5\n");
  const ImportRun result = run("import --yes " + file);
  ASSERT_EQ(result.status, kExitOk) << result.out << result.err;
  EXPECT_LT(result.out.find("applying line 3: breathing speed"),
            result.out.find("applying line 2: lighting effect"))
      << result.out;
  EXPECT_TRUE(contains(run("import --yes " + file).out, "matches the mouse")) << "no drift";
  EXPECT_TRUE(contains(refused("[lighting]\nspeed = 7\n"),
                       "line 2: effects 6 and 7 have no breathing speed"));
}

// The page shows the flowing LED block's speed and brightness, which only MCULED stores.
TEST_F(ConfigImportTest, FlowSpeedAndBrightnessNeedTheLedTypeThatStoresThem) {
  const std::string text = "[lighting]\nflow_speed = 5\nbrightness = \"half\"\n";
  EXPECT_TRUE(contains(refused(text),
                       "line 2: the flow speed and brightness are stored only "
                       "with the MCULED LED type on I2C"));
  const std::string file = fileWith(text);
  const ImportRun result = run("import --yes --led-type MCULED " + file);
  ASSERT_EQ(result.status, kExitOk) << result.err;
  EXPECT_TRUE(contains(run("import --led-type MCULED " + file).out, "matches the mouse"));
  EXPECT_TRUE(contains(run("export -").out, "flow_speed = 5\nbrightness = \"half\"\n"));
}

TEST_F(ConfigImportTest, WheelLinesWaitWhileOneScreenAtATimeIsOn) {
  const std::string file = fileWith("[system]\none_screen_at_a_time = true\nwheel_lines = 5\n");
  const ImportRun result = run("import --yes " + file);
  ASSERT_EQ(result.status, kExitOk) << result.err;
  EXPECT_TRUE(contains(result.out, "changes 1 setting:\n  line 2: one screen at a time: on\n"))
      << result.out;
  EXPECT_TRUE(contains(run("import --yes " + file).out, "matches the mouse")) << "no drift";
  const ImportRun back = run("import --yes " + fileWith("[system]\none_screen_at_a_time = "
                                                        "false\nwheel_lines = 5\n"));
  EXPECT_LT(back.out.find("applying line 2: one screen at a time: off"),
            back.out.find("applying line 3: wheel lines"))
      << back.out;
  EXPECT_TRUE(contains(run("export -").out, "wheel_lines = 5\none_screen_at_a_time = false\n"));
}

TEST_F(ConfigImportTest, AFireKeyChangeTakesOnlyWhatTheAdvancedPageTakes) {
  EXPECT_TRUE(contains(refused("[fire.key2]\ninterval_ms = 0\n"),
                       "line 2: a fire key takes 1..4094 here, not 0"));
  EXPECT_TRUE(
      contains(refused("[fire.key2]\nshots = 0\n"), "line 2: a fire key takes 1..15 here, not 0"));
}

TEST_F(ConfigImportTest, DryRunShowsTheChangesAndSendsNothing) {
  const std::string before = stored();
  const ImportRun result =
      run("import --dry-run --led-type MCULED " + fileWith("[lighting]\nflow_speed = 5\n"));
  EXPECT_EQ(result.status, kExitOk);
  EXPECT_TRUE(contains(result.out, "line 2: flow speed: 2 -> 5\nNothing was sent (--dry-run).\n"))
      << result.out;
  EXPECT_EQ(stored(), before);
}

TEST_F(ConfigImportTest, TheVendorTableTravelsWithTheServiceCode) {
  const std::string text = run(std::string("export - --service-code ") + kSecondCode).out;
  EXPECT_TRUE(contains(text, "\n[vendor]\n")) << text;
  const std::string file =
      fileWith(edited(text, "cb_SensorSleep = \"Disable\"", "cb_SensorSleep = \"Enable\""));
  EXPECT_TRUE(contains(run("import --yes " + file).err, "needs the service code"));
  const ImportRun result =
      run(std::string("import --yes --service-code ") + kFirstCode + " " + file);
  EXPECT_EQ(result.status, kExitOk) << result.err;
  EXPECT_EQ(stored().substr(7 * 3, 2), "7D") << "Sensor Sleep enabled in vendor byte 7";
}

// A [macros] table is the whole list of the mouse's macros.
TEST_F(ConfigImportTest, AMacroOfTheFileIsAddedAndAButtonOfTheFilePlaysIt) {
  const std::string text = exported();
  std::string withMacro =
      edited(text, "[macros]\n", "[macros]\nCopy = \"press A\\nrelease A\\n\"\n");
  withMacro = edited(withMacro, "5 = \"Forward\"  # 01100000", "5 = \"Copy\"");
  const ImportRun result = run("import --yes " + fileWith(withMacro));
  ASSERT_EQ(result.status, kExitOk) << result.out << result.err;
  EXPECT_LT(result.out.find("macro \"Copy\": added"), result.out.find("profile 1 button 5"))
      << "the macro before the button that plays it\n"
      << result.out;
  const std::string now = run("export -").out;
  EXPECT_TRUE(contains(now, "[macros]\nCopy = '''\n")) << now;
  EXPECT_TRUE(contains(now, "\n5 = \"Copy\"  # 10")) << now;
  const ImportRun again = run("import --yes " + fileWith(withMacro));
  EXPECT_TRUE(contains(again.out, "matches the mouse; nothing to send")) << again.out;
}

TEST_F(ConfigImportTest, AMacroGivenNewEventsKeepsItsButtonsAndARemovedOneLeavesKeyOff) {
  std::string text =
      edited(exported(), "[macros]\n", "[macros]\nCopy = \"press A\\nrelease A\\n\"\n");
  text = edited(text, "5 = \"Forward\"  # 01100000", "5 = \"Copy\"");
  ASSERT_EQ(run("import --yes " + fileWith(text)).status, kExitOk);
  const std::string replaced =
      edited(run("export -").out, "press A\nrelease A\n", "press B\nrelease B\n");
  const ImportRun renewed = run("import --yes " + fileWith(replaced));
  ASSERT_EQ(renewed.status, kExitOk) << renewed.out << renewed.err;
  EXPECT_TRUE(contains(renewed.out, "profile 1 button 5: plays the new \"Copy\"")) << renewed.out;
  const std::string now = run("export -").out;
  EXPECT_TRUE(contains(now, "press B\nrelease B\n")) << now;
  EXPECT_TRUE(contains(now, "\n5 = \"Copy\"")) << now;

  EXPECT_TRUE(contains(refused(edited(now, "Copy = '''", "Other = '''")),
                       "plays macro \"Copy\", which the [macros] table does not hold"));
  const size_t from = now.find("Copy = '''");
  const size_t to = now.find("'''\n", from + 11) + 4;
  const std::string removed = now.substr(0, from) + now.substr(to);
  const size_t button = removed.find("\n5 = \"Copy\"");
  const std::string unnamed =
      removed.substr(0, button) + removed.substr(removed.find('\n', button + 1));
  const ImportRun gone = run("import --yes " + fileWith(unnamed));
  ASSERT_EQ(gone.status, kExitOk) << gone.out << gone.err;
  EXPECT_TRUE(
      contains(gone.out, "profile 1 button 5: \"Copy\" -> \"Key Off\" (its macro is removed)"))
      << gone.out;
  EXPECT_TRUE(contains(run("export -").out, "\n5 = \"Key Off\"")) << "as the macro list's delete";
}

TEST_F(ConfigImportTest, MacrosTheMouseCannotHoldAreRefused) {
  EXPECT_TRUE(
      contains(refused("[macros]\nNew = \"press a\\n\"\n"), "line 2: \"New\": no key \"a\""));
  EXPECT_TRUE(contains(refused("[macros]\n\"Nine char\" = \"press A\\n\"\n"),
                       "line 2: a macro name has 1..8 characters, not \"Nine char\""));
  std::string many = "[macros]\n";
  for (int k = 1; k <= 16; ++k) many += "m" + std::to_string(k) + " = \"press A\\n\"\n";
  EXPECT_TRUE(contains(refused(many), "line 1: the mouse keeps at most 15 macros"));
  std::string longOnes = "[macros]\n";
  for (int k = 1; k <= 3; ++k) {
    longOnes += "m" + std::to_string(k) + " = '''\n";
    for (int e = 0; e < 60; ++e) longOnes += "delay 1\n";
    longOnes += "'''\n";
  }
  EXPECT_TRUE(contains(refused(longOnes), "the macros take more than the mouse's 512 bytes"));
}

}  // namespace
}  // namespace mousecfg::test
