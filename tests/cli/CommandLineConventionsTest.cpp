#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "DefaultImage.h"
#include "cli/Commands.h"
#include "cli/InProcessMousectl.h"
#include "device/StoredBlockFile.h"
#include "support/FileFixtures.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

using nlohmann::json;

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Every command of mousectl, run in-process on the simulated mouse with the built-in
// default configuration stored.
class CommandLineConventionsTest : public ::testing::Test {
 protected:
  void SetUp() override { storeBlock(builtInDefaultImage()); }

  void storeBlock(const StoredBlock& block) { ASSERT_TRUE(saveStoredBlockFile(simFile(), block)); }
  StoredBlock stored() const {
    const auto loaded = loadStoredBlockFile(simFile());
    return loaded ? *loaded : StoredBlock{};
  }
  std::string simFile() const { return folder.file("stored.bin"); }

  CommandRun run(const std::string& words) { return mousectl.run(words); }

  // The command's JSON, or a failure naming the command when it is not JSON.
  json jsonOf(const std::string& words) {
    const CommandRun result = run(words);
    EXPECT_EQ(result.status, 0) << words << ": " << result.err;
    const json parsed = json::parse(result.out, nullptr, false);
    EXPECT_FALSE(parsed.is_discarded()) << words << " printed: " << result.out;
    return parsed;
  }

  TemporaryFolder folder;
  InProcessMousectl mousectl{folder.file("stored.bin"), folder.path()};
};

TEST_F(CommandLineConventionsTest, AnOptionTakesItsValueAfterASpaceOrAnEqualsSign) {
  const CommandRun spaced = run("dpi --levels 5 --step 2 2400");
  const StoredBlock afterSpaced = stored();
  storeBlock(builtInDefaultImage());
  const CommandRun joined = run("dpi --levels=5 --step=2 2400");
  ASSERT_EQ(joined.status, 0) << joined.err;
  EXPECT_EQ(joined.out, spaced.out);
  EXPECT_EQ(hexBytes(stored()), hexBytes(afterSpaced));
  EXPECT_TRUE(contains(joined.out, "levels:  5\n")) << joined.out;

  const CommandRun shortForm = run("button -p 2 3 Mute");
  const CommandRun longForm = run("button --profile=2 4 Mute");
  EXPECT_EQ(shortForm.status, 0) << shortForm.err;
  EXPECT_EQ(longForm.status, 0) << longForm.err;
  EXPECT_EQ(hexRange(stored(), 241 + 2 * 4, 8),
            hexRange(stored(), 241 + 3 * 4, 4) + " " + hexRange(stored(), 241 + 3 * 4, 4));
}

TEST_F(CommandLineConventionsTest, EveryCommandAndTheProgramHaveTheirHelp) {
  const CommandRun program = run("--help");
  EXPECT_EQ(program.status, 0);
  for (const CommandDefinition& command : mousectlCommands()) {
    const std::string name(command.name);
    const CommandRun help = run(name + " --help");
    EXPECT_EQ(help.status, 0) << name;
    EXPECT_TRUE(help.out.starts_with(std::string(command.summary))) << help.out;
    EXPECT_TRUE(contains(help.out, "Usage: mousectl " + name)) << help.out;
    EXPECT_EQ(run("help " + name).out, help.out) << name;
    EXPECT_EQ(run(name + " -h").out, help.out) << name;
    EXPECT_TRUE(contains(program.out, "  " + name + " ")) << name << " missing from the list";
    EXPECT_EQ(contains(help.out, "--json"), command.showsState) << name;
  }
  EXPECT_EQ(hexBytes(stored()), hexBytes(builtInDefaultImage())) << "help sends nothing";
}

TEST_F(CommandLineConventionsTest, MistypedCommandsAndOptionsGetSuggestions) {
  const CommandRun command = run("buton 3 Mute");
  EXPECT_EQ(command.status, 2);
  EXPECT_TRUE(contains(command.err, "unknown command \"buton\"")) << command.err;
  EXPECT_TRUE(contains(command.err, "did you mean: \"button\" \"buttons\"")) << command.err;

  const CommandRun option = run("dpi --levles=5");
  EXPECT_EQ(option.status, 2);
  EXPECT_TRUE(contains(option.err, "did you mean \"--levels\" for \"--levles\"?")) << option.err;
  EXPECT_TRUE(contains(option.err, "Run \"mousectl dpi --help\"")) << option.err;
  EXPECT_EQ(run("help frobnicate").status, 2);
  EXPECT_EQ(hexBytes(stored()), hexBytes(builtInDefaultImage()));
}

TEST_F(CommandLineConventionsTest, JsonIsOnlyForCommandsThatShowState) {
  const CommandRun rule = run("udev-rule --json");
  EXPECT_EQ(rule.status, 2);
  EXPECT_TRUE(rule.out.empty());
  EXPECT_EQ(run("restore 1 --yes --json").status, 2);
  EXPECT_EQ(hexBytes(stored()), hexBytes(builtInDefaultImage())) << "nothing was restored";
}

TEST_F(CommandLineConventionsTest, ButtonsJsonHoldsBothProfilesWithNamesAndBytes) {
  const json buttons = jsonOf("buttons --json");
  ASSERT_EQ(buttons["profiles"].size(), 2u);
  const StoredBlock block = stored();
  for (int p = 0; p < 2; ++p) {
    const json& profile = buttons["profiles"][p];
    EXPECT_EQ(profile["profile"], p + 1);
    ASSERT_EQ(profile["buttons"].size(), 12u);
    for (int k = 0; k < 12; ++k) {
      const json& entry = profile["buttons"][k];
      const size_t offset = (p == 0 ? 192 : 241) + 4 * static_cast<size_t>(k);
      const std::vector<int> bytes(block.begin() + static_cast<long>(offset),
                                   block.begin() + static_cast<long>(offset) + 4);
      EXPECT_EQ(entry["button"], k + 1);
      EXPECT_EQ(entry["bytes"].get<std::vector<int>>(), bytes) << "profile " << p + 1;
      std::string code = hexRange(block, offset, 4);
      std::erase(code, ' ');
      EXPECT_EQ(entry["code"], code);
      EXPECT_FALSE(entry["name"].get<std::string>().empty());
    }
  }
  EXPECT_EQ(buttons["profiles"][0]["buttons"][0]["name"], "Left Key");
  EXPECT_EQ(buttons["profiles"][0]["active"], true);
  EXPECT_EQ(buttons["combo_keys"].size(), 9u);
}

TEST_F(CommandLineConventionsTest, EveryStateCommandPrintsItsStateAsJson) {
  EXPECT_EQ(jsonOf("list --json")["collections"].size(), 3u);
  const json info = jsonOf("info --json");
  EXPECT_EQ(info["vendor_id"], "3a7e");
  EXPECT_EQ(info["accepted"], true);
  const json dpi = jsonOf("dpi --json --levels 3");
  EXPECT_EQ(dpi["levels_on"], 3);
  EXPECT_EQ(dpi["levels"].size(), 8u);
  EXPECT_EQ(dpi["levels"][1]["dpi"], 1600);
  EXPECT_EQ(dpi["steps"][6]["dpi"], 1600);
  EXPECT_EQ(jsonOf("rate --json")["report_rate_hz"], 1000);
  const json led = jsonOf("led --json --effect 2");
  EXPECT_EQ(led["effect"], 2);
  EXPECT_EQ(led["effect_name"], "Rainbow");
  EXPECT_EQ(led["colours"].size(), 10u);
  EXPECT_TRUE(contains(jsonOf("functions --json")["functions"].dump(), "\"DPI +\""));
  const json button = jsonOf("button 6 'DPI +' --json");
  EXPECT_EQ(button["profile"], 1);
  EXPECT_EQ(button["name"], "DPI +");
  EXPECT_EQ(button["bytes"], json::parse("[9, 1, 0, 0]")) << button.dump();
  EXPECT_EQ(jsonOf("doctor --json")["backend"], "sim");
}

TEST_F(CommandLineConventionsTest, CheckJsonNamesTheBrokenSection) {
  StoredBlock broken = builtInDefaultImage();
  broken[200] ^= 0xFF;
  const std::string file = folder.file("broken.bin");
  ASSERT_TRUE(saveStoredBlockFile(file, broken));
  const CommandRun result = run("check --json " + file);
  EXPECT_EQ(result.status, 1);
  const json check = json::parse(result.out);
  EXPECT_EQ(check["broken_sections"], 1);
  int brokenOk = 0;
  for (const json& section : check["sections"])
    if (section["ok"] == false) brokenOk += section["offset"].get<int>() <= 200 ? 1 : 0;
  EXPECT_EQ(brokenOk, 1) << result.out;
}

TEST_F(CommandLineConventionsTest, LedEffectsAreTakenByNameAsWellAsNumber) {
  ASSERT_EQ(run("led --led-type MCULED --effect 2").status, 0);
  const uint8_t byNumber = stored()[165];
  storeBlock(builtInDefaultImage());
  for (const char* name : {"Rainbow", "rainbow", "RAINBOW"}) {
    const CommandRun named = run(std::string("led --led-type MCULED --effect ") + name);
    ASSERT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(stored()[165], byNumber) << name;
  }
  ASSERT_EQ(run("led --led-type MCULED --effect flow-light").status, 0);
  EXPECT_EQ(stored()[165] & 0x0F, 3);
  const CommandRun close = run("led --effect rainbw");
  EXPECT_EQ(close.status, 2);
  EXPECT_TRUE(contains(close.err, "did you mean \"Rainbow\"?")) << close.err;
}

TEST_F(CommandLineConventionsTest, MessagesAreWrittenForTheConsole) {
  StoredBlock foreign = builtInDefaultImage();
  foreign[290] = 3;
  foreign[291] = 7;
  storeBlock(foreign);
  const CommandRun rejected = run("info");
  EXPECT_EQ(rejected.status, 4);
  EXPECT_TRUE(contains(rejected.err, "Its codes are 3, 7; this program accepts")) << rejected.err;
  EXPECT_FALSE(contains(rejected.err, "The mouse manufacturer or product id error"));

  const CommandRun missing = mousectl.run("buttons", "none");
  EXPECT_EQ(missing.status, 3);
  EXPECT_TRUE(contains(missing.err, "no gaming mouse found (3a7e:05ed)")) << missing.err;
  EXPECT_TRUE(contains(missing.err, "\"mousectl doctor\"")) << missing.err;
}

}  // namespace
}  // namespace mousecfg::test
