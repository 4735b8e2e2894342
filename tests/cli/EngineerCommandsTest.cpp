#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "DefaultImage.h"
#include "cli/CliContext.h"
#include "cli/EngineerAccess.h"
#include "device/ConfigImage.h"
#include "device/SimulatedMouse.h"
#include "device/StoredBlockFile.h"
#include "support/FileFixtures.h"
#include "support/HexBytes.h"
#include "support/ShellWords.h"
#include "support/VirtualClock.h"

namespace mousecfg::test {
namespace {

using nlohmann::json;

// The test's own codes: the program's are known to it by their hashes alone.
constexpr const char* kFirstCode = "test-first-level";
constexpr const char* kSecondCode = "test-second-level";

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

struct EngineerRun {
  int status = -1;
  std::string out;
  std::string err;
  std::vector<std::string> frames;  // the simulated mouse's trace of the run
};

// mousectl engineer in-process on a simulated mouse whose stored block lives in the
// test's folder, its frames traced; the service codes are the test's own.
class EngineerCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(saveStoredBlockFile(simFile(), builtInDefaultImage())); }

  std::string simFile() const { return folder.file("stored.bin"); }
  StoredBlock stored() const { return loadStoredBlockFile(simFile()).value_or(StoredBlock{}); }
  std::string macroFile() const { return folder.file("mousecfg/Fire Macro.bin"); }

  EngineerRun run(const std::string& commandLine, std::optional<std::string> codeVariable = {}) {
    std::ostringstream out;
    std::ostringstream err;
    auto frames = std::make_shared<std::vector<std::string>>();
    const std::string home = folder.path().string();
    CliContext context{out, err,
                       [home, codeVariable](const char* name) -> std::optional<std::string> {
                         const std::string_view variable(name);
                         if (variable == "XDG_DATA_HOME" || variable == "XDG_CONFIG_HOME" ||
                             variable == "XDG_RUNTIME_DIR")
                           return home;
                         if (variable == "MOUSECFG_DESKTOP") return "none";
                         if (variable == kServiceCodeVariable) return codeVariable;
                         return std::nullopt;
                       },
                       clock};
    context.makeBackend = [this, frames] {
      SimulatedMouse::Options options;
      options.persistPath = simFile();
      auto mouse = std::make_unique<SimulatedMouse>(options, [this] { return clock.nowMs(); });
      mouse->setTraceSink([frames](const std::string& line) { frames->push_back(line); });
      if (prepareMouse) prepareMouse(*mouse);
      return mouse;
    };
    EngineerRun result;
    result.status = runMousectl(shellWords(commandLine), context);
    result.out = out.str();
    result.err = err.str();
    result.frames = *frames;
    return result;
  }
  EngineerRun engineer(const std::string& words) {
    return run("engineer --service-code " + std::string(kSecondCode) + " " + words);
  }

  // The direct writes (command 05) the run sent.
  static std::vector<std::string> directWrites(const EngineerRun& result) {
    std::vector<std::string> writes;
    for (const std::string& line : result.frames)
      if (line.starts_with("S 40 05")) writes.push_back(line);
    return writes;
  }

  TemporaryFolder folder;
  VirtualClock clock;
  std::function<void(SimulatedMouse&)> prepareMouse;  // a fault for the next runs
  ScopedServiceCodeHashes codes{
      {ServiceAccess::codeHash(kFirstCode), ServiceAccess::codeHash(kSecondCode)}};
};

// ---- the service code ----

TEST_F(EngineerCommandsTest, WithoutAServiceCodeNothingRuns) {
  const EngineerRun result = run("engineer vendor");
  EXPECT_EQ(result.status, kExitUsage);
  EXPECT_TRUE(contains(result.err, "need a service code")) << result.err;
  EXPECT_TRUE(contains(result.err, "MOUSECFG_SERVICE_CODE")) << result.err;
  EXPECT_EQ(result.out, "");
  EXPECT_TRUE(result.frames.empty()) << "the mouse is not even opened";
}

TEST_F(EngineerCommandsTest, AWrongCodeIsRefusedWithoutShowingIt) {
  for (const EngineerRun& result : {run("engineer --service-code not-the-code vendor"),
                                    run("engineer vendor", "not-the-code")}) {
    EXPECT_EQ(result.status, kExitUsage);
    EXPECT_TRUE(contains(result.err, "service code is wrong")) << result.err;
    EXPECT_FALSE(contains(result.err, "not-the-code")) << "the code is never echoed";
    EXPECT_TRUE(result.frames.empty());
  }
}

TEST_F(EngineerCommandsTest, TheCodeMayComeFromTheEnvironmentOrAfterTheSubcommand) {
  EXPECT_EQ(run("engineer vendor", kSecondCode).status, kExitOk);
  EXPECT_EQ(run("engineer vendor --service-code " + std::string(kSecondCode)).status, kExitOk);
}

TEST_F(EngineerCommandsTest, TheFirstLevelShowsTheVendorSectionButNotTheAdvancedTab) {
  EXPECT_EQ(run("engineer vendor", kFirstCode).status, kExitOk);
  const EngineerRun xdata = run("engineer xdata read 7241", kFirstCode);
  EXPECT_EQ(xdata.status, kExitUsage);
  EXPECT_TRUE(contains(xdata.err, "second-level service code")) << xdata.err;
  const EngineerRun sensor = run("engineer vendor set rpt-thr 05", kFirstCode);
  EXPECT_EQ(sensor.status, kExitUsage);
  EXPECT_TRUE(directWrites(sensor).empty());
}

// ---- vendor ----

TEST_F(EngineerCommandsTest, VendorShowsTheDefaultImagesFieldsByName) {
  const EngineerRun shown = engineer("vendor");
  ASSERT_EQ(shown.status, kExitOk) << shown.err;
  const std::vector<std::string> expected = {
      "edt_VID                  USB vendor id              3A7E",
      "edt_PID                  USB product id             05ED",
      "cb_SensorSleep           Sensor Sleep:              Disable",
      "cb_ICType                IC Type:                   3706",
      "Smth_Misc:                 0F",
      "MaxShut:                   48",
      "LED Init1:                 46",
      "cb_CPISteps              CPI steps                  6",
      "cb_CPI6                  CPI step 6                 12000",
      "edt_Col1                 colour 1                   00FF00",
      "edt_USBDesc              USB product string         USB Gaming Mouse",
      "Combo Key3                 07800018"};
  for (const std::string& line : expected) EXPECT_TRUE(contains(shown.out, line)) << line;
  EXPECT_TRUE(directWrites(shown).empty()) << "showing writes nothing";
}

TEST_F(EngineerCommandsTest, VendorJsonHoldsEveryFieldWithItsOffset) {
  const EngineerRun shown = engineer("vendor --json");
  ASSERT_EQ(shown.status, kExitOk) << shown.err;
  const json fields = json::parse(shown.out)["vendor"];
  const auto field = [&fields](const std::string& control) {
    for (const json& row : fields)
      if (row["control"] == control) return row;
    return json();
  };
  EXPECT_EQ(field("edt_PID")["value"], "05ED");
  EXPECT_EQ(field("cb_CPILevel")["offset"], 5);
  EXPECT_EQ(field("crpthrgain4sql")["value"], "EF");
  EXPECT_EQ(field("crpthrgain4sql")["caption"], "CrpThrGain4Sql:");
  EXPECT_EQ(field("edt_CPI8")["value"], "7F7F7F");
}

TEST_F(EngineerCommandsTest, AnOptionListWritesItsOneByteAsThePageDoes) {
  const EngineerRun enabled = engineer("vendor set cb_SensorSleep enable");
  ASSERT_EQ(enabled.status, kExitOk) << enabled.err;
  EXPECT_EQ(stored()[7], 0x7D);
  const std::string enabledChecksum = hexRange(stored(), 163, 1);
  const EngineerRun disabled = engineer("vendor set sensor-sleep Disable");
  ASSERT_EQ(disabled.status, kExitOk) << disabled.err;
  EXPECT_EQ(stored()[7], 0x7F) << "bit 1 set, the other bits kept";
  const std::string disabledChecksum = hexRange(stored(), 163, 1);
  for (const auto& [result, byte, checksum] :
       {std::tuple{enabled, "7D", enabledChecksum}, std::tuple{disabled, "7F", disabledChecksum}}) {
    const std::vector<std::string> writes = directWrites(result);
    ASSERT_EQ(writes.size(), 2u) << "the byte, then the vendor checksum";
    EXPECT_TRUE(writes[0].ends_with(std::string(" 07 ") + byte + " 00 00 01")) << writes[0];
    EXPECT_TRUE(writes[1].ends_with(" A3 " + checksum + " 00 00 01")) << writes[1];
  }
  EXPECT_TRUE(contains(disabled.out, "Sensor Sleep:              Disable"));
}

TEST_F(EngineerCommandsTest, ASensorRegisterIsSetByItsCaption) {
  const EngineerRun set = engineer("vendor set Rpt_Thr: 5a");
  ASSERT_EQ(set.status, kExitOk) << set.err;
  EXPECT_EQ(stored()[11], 0x5A);
  ASSERT_FALSE(directWrites(set).empty());
  EXPECT_TRUE(directWrites(set)[0].ends_with(" 0B 5A 00 00 01")) << directWrites(set)[0];
}

TEST_F(EngineerCommandsTest, TheProductStringGoesInTheSixWritesOfThePage) {
  const EngineerRun set = engineer("vendor set edt_USBDesc Mouse");
  ASSERT_EQ(set.status, kExitOk) << set.err;
  EXPECT_EQ(hexRange(stored(), 111, 16), "4D 6F 75 73 65 00 00 00 00 00 00 00 00 00 00 00");
  EXPECT_EQ(directWrites(set).size(), 7u) << "five of three bytes, one of one, the checksum";
}

TEST_F(EngineerCommandsTest, TheFirstLevelSetsTheOperatorTabsUsbIds) {
  const EngineerRun set = run("engineer vendor set vid 1a2B", kFirstCode);
  ASSERT_EQ(set.status, kExitOk) << set.err;
  EXPECT_EQ(hexRange(stored(), 0, 4), "1A 2B 05 ED");
  ASSERT_FALSE(directWrites(set).empty());
  EXPECT_TRUE(directWrites(set)[0].ends_with(" 00 1A 2B 00 02")) << directWrites(set)[0];
  EXPECT_TRUE(contains(set.out, "USB vendor id              1A2B")) << set.out;
}

TEST_F(EngineerCommandsTest, AVendorChangeTheMouseRefusedIsAFailure) {
  const EngineerRun normal = engineer("vendor set cb_ComboKeyTime 2s");
  ASSERT_EQ(normal.status, kExitOk) << normal.err;
  const auto write = std::ranges::find_if(
      normal.frames, [](const std::string& line) { return line.starts_with("S 40 05"); });
  ASSERT_NE(write, normal.frames.end());
  const int before =
      static_cast<int>(std::count_if(normal.frames.begin(), write, [](const std::string& line) {
        return line[0] == 'S' || line[0] == 'G';
      }));
  ASSERT_TRUE(saveStoredBlockFile(simFile(), builtInDefaultImage()));
  prepareMouse = [before](SimulatedMouse& mouse) { mouse.refuseOneFrameAfter(before); };
  const EngineerRun refused = engineer("vendor set cb_ComboKeyTime 2s");
  EXPECT_EQ(refused.status, kExitNoDevice);
  EXPECT_EQ(refused.err, "mousectl engineer: the mouse did not take the new cb_ComboKeyTime\n");
  EXPECT_EQ(refused.out, "") << "nothing claims the change was made";
  EXPECT_EQ(stored()[7], 0x7F) << "the byte did not reach the mouse";
}

TEST_F(EngineerCommandsTest, BadFieldsAndValuesAreRefusedBeforeAnythingIsSent) {
  const StoredBlock before = stored();
  const EngineerRun mistyped = engineer("vendor set cb_SensorSleep Disabel");
  EXPECT_EQ(mistyped.status, kExitUsage);
  EXPECT_TRUE(contains(mistyped.err, "did you mean \"Disable\"")) << mistyped.err;
  EXPECT_TRUE(mistyped.frames.empty()) << "refused before the mouse is opened";
  const EngineerRun field = engineer("vendor set cb_SensorSlep Disable");
  EXPECT_EQ(field.status, kExitUsage);
  EXPECT_TRUE(contains(field.err, "did you mean \"cb_SensorSleep\"")) << field.err;
  for (const char* words :
       {"vendor set edt_VID 3A7", "vendor set edt_PID 12345", "vendor set rpt-thr 1FF",
        "vendor set rpt-thr zz", "vendor set edt_USBDesc 12345678901234567",
        "vendor set cb_RepRate 500Hz"}) {
    const EngineerRun result = engineer(words);
    EXPECT_EQ(result.status, kExitUsage) << words;
    EXPECT_TRUE(result.frames.empty()) << words;
  }
  EXPECT_EQ(hexBytes(stored()), hexBytes(before));
}

// ---- xdata ----

TEST_F(EngineerCommandsTest, AnXDataWriteSendsTheOneWriteFrame) {
  const EngineerRun written = engineer("xdata write 7241 05");
  ASSERT_EQ(written.status, kExitOk) << written.err;
  std::vector<std::string> extended;
  for (const std::string& line : written.frames)
    if (line.starts_with("S 40 01")) extended.push_back(line);
  EXPECT_EQ(extended, std::vector<std::string>{"S 40 01 72 41 05 00 00 00"});
}

TEST_F(EngineerCommandsTest, AnXDataReadAsksForOneByteAndPrintsItAsTwoDigits) {
  const EngineerRun read = engineer("xdata read 07C4");
  ASSERT_EQ(read.status, kExitOk) << read.err;
  EXPECT_EQ(read.out, "00\n") << "the simulated chip's XData starts zeroed";
  bool asked = false;
  for (const std::string& line : read.frames) asked |= line == "S 40 02 07 C4 00 01 00 00";
  EXPECT_TRUE(asked);
  const json shown = json::parse(engineer("xdata read 7c4 --json").out);
  EXPECT_EQ(shown["address"], "07C4");
  EXPECT_EQ(shown["value"], "00");
}

TEST_F(EngineerCommandsTest, AnXDataReadTheMouseDoesNotAnswerIsAFailure) {
  const EngineerRun answered = engineer("xdata read 7241");
  ASSERT_EQ(answered.status, kExitOk) << answered.err;
  // The feature frames before the read's own: every S and G line of the trace.
  const auto read = std::ranges::find(answered.frames, "S 40 02 72 41 00 01 00 00");
  ASSERT_NE(read, answered.frames.end());
  const int before =
      static_cast<int>(std::count_if(answered.frames.begin(), read, [](const std::string& line) {
        return line[0] == 'S' || line[0] == 'G';
      }));
  prepareMouse = [before](SimulatedMouse& mouse) { mouse.refuseOneFrameAfter(before); };
  const EngineerRun lost = engineer("xdata read 7241");
  EXPECT_EQ(lost.status, kExitNoDevice);
  EXPECT_EQ(lost.err, "mousectl engineer: the mouse did not answer the XData read\n");
  EXPECT_EQ(lost.out, "");
}

TEST_F(EngineerCommandsTest, XDataArgumentsAreCheckedBeforeSending) {
  for (const char* words : {"xdata write 72411 05", "xdata write 7241 105", "xdata read g1"}) {
    const EngineerRun result = engineer(words);
    EXPECT_EQ(result.status, kExitUsage) << words;
    EXPECT_TRUE(result.frames.empty()) << words;
  }
}

// ---- fire-macros ----

// `count` zero bytes as hexBytes writes them.
std::string zeros(size_t count) {
  const std::vector<uint8_t> bytes(count, 0);
  return hexBytes(bytes);
}

std::string fileHex(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  return hexBytes(bytes);
}

TEST_F(EngineerCommandsTest, FireMacroCodesAreAddedListedAndDeletedWithTheFile) {
  EXPECT_EQ(engineer("fire-macros").out, "no fire macro codes\n");
  const EngineerRun added = engineer("fire-macros add --keep-left on --start 3 --count 2");
  ASSERT_EQ(added.status, kExitOk) << added.err;
  EXPECT_EQ(added.out, "Fire Macro1  0B120200\n");
  ASSERT_EQ(engineer("fire-macros add --keep-left off").status, kExitOk);
  ASSERT_EQ(engineer("fire-macros add --colour 'user color'").status, kExitOk);
  EXPECT_EQ(fileHex(macroFile()), "0B 12 02 00 0B 00 01 00 0B 8F 00 00 " + zeros(28));
  EXPECT_EQ(engineer("fire-macros").out,
            "Fire Macro1  0B120200\nFire Macro2  0B000100\nFire Macro3  0B8F0000\n");
  const EngineerRun deleted = engineer("fire-macros delete 1");
  ASSERT_EQ(deleted.status, kExitOk) << deleted.err;
  EXPECT_EQ(deleted.out, "Fire Macro1  0B000100\nFire Macro2  0B8F0000\n");
  EXPECT_EQ(fileHex(macroFile()), "0B 00 01 00 0B 8F 00 00 " + zeros(32));
  const json listed = json::parse(engineer("fire-macros --json").out)["fire_macros"];
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[1]["code"], "0B8F0000");
}

TEST_F(EngineerCommandsTest, FireMacroMistakesAreRefused) {
  EXPECT_EQ(engineer("fire-macros delete 1").status, kExitUsage) << "the list is empty";
  const EngineerRun colour = engineer("fire-macros add --colour 'LED Colr1'");
  EXPECT_EQ(colour.status, kExitUsage);
  EXPECT_TRUE(contains(colour.err, "did you mean \"LED Color1\"")) << colour.err;
  EXPECT_EQ(engineer("fire-macros add --start 11").status, kExitUsage);
  EXPECT_EQ(engineer("fire-macros add --colour 'LED Color1' --count 2").status, kExitUsage);
  EXPECT_FALSE(std::filesystem::exists(macroFile())) << "nothing was written";
}

TEST_F(EngineerCommandsTest, AFileThatCannotBeWrittenIsReported) {
  std::filesystem::create_directories(macroFile());  // a folder where the file should be
  const EngineerRun added = engineer("fire-macros add");
  EXPECT_EQ(added.status, kExitFileError);
  EXPECT_TRUE(contains(added.err, "mousectl engineer fire-macros: ")) << added.err;
}

}  // namespace
}  // namespace mousecfg::test
