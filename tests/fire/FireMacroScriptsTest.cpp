#include "fire/FireMacroScripts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fire/FireFixture.h"
#include "support/FileFixtures.h"

namespace mousecfg::test {
namespace {

using Names = std::vector<std::string>;

class FireMacroScriptsTest : public FireFixture {
 protected:
  std::string filePath() const { return scripts.filePath(); }

  void writeFile(const std::vector<uint8_t>& bytes) const {
    std::filesystem::create_directories(std::filesystem::path(filePath()).parent_path());
    std::ofstream(filePath(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  std::string fileHex() const {
    const std::string text = fileText(filePath());
    return hexBytes(std::vector<uint8_t>(text.begin(), text.end()));
  }
  // The table's bytes, slot 1 first, as the file holds them.
  std::string tableHex() const {
    std::vector<uint8_t> bytes;
    for (const ButtonEntry& code : assignment.fireMacros.codes)
      bytes.insert(bytes.end(), code.begin(), code.end());
    return hexBytes(bytes);
  }
  Names menuScriptNames() const {
    Names names;
    for (const auto& item : assignment.menu.panel(MenuPanel::ScriptList).items)
      names.push_back(item.caption);
    return names;
  }

  // A gun code from the lists: keep-left item, start and count items as shown ("3" is 3).
  ScriptTableChange addGunCode(int keepLeft, int shownStart, int shownCount) {
    scripts.cb_SOSType = fire_macro::kGunForm;
    scripts.cb_SOSLB = keepLeft;
    scripts.cb_SOSStartIndex = shownStart - 1;
    scripts.cb_SOSNumber = shownCount - 1;
    return scripts.btn_AddScriptClick();
  }
  void addCodes(int count) {
    for (int n = 1; n <= count; ++n) ASSERT_TRUE(addGunCode(0, n, n).problem.empty());
  }

  FireMacroScripts& scripts = core.fireMacroScripts;
};

// ---- Loading ----

TEST_F(FireMacroScriptsTest, TheFileLivesInTheDataFolder) {
  EXPECT_EQ(filePath(), (configFolder / "data" / "mousecfg" / "Fire Macro.bin").string());
}

TEST_F(FireMacroScriptsTest, NoFileMeansAnEmptyTableThatNamesNothing) {
  scripts.loadAtStartup();
  EXPECT_FALSE(assignment.fireMacros.present);
  EXPECT_EQ(scripts.LB_ScriptName(), Names{});
  EXPECT_EQ(tableHex(), hexRepeat(0x00, 40));
}

TEST_F(FireMacroScriptsTest, TheFileFillsBothListsAndTheNames) {
  writeFile({0x0B, 0x12, 0x02, 0x00, 0x0B, 0x8F, 0x00, 0x00});
  scripts.loadAtStartup();
  EXPECT_TRUE(assignment.fireMacros.present);
  EXPECT_EQ(scripts.LB_ScriptName(), (Names{"Fire Macro1", "Fire Macro2"}));
  EXPECT_EQ(menuScriptNames(), (Names{"Fire Macro1", "Fire Macro2"}));
  EXPECT_EQ(scripts.codeString(1), "0B120200");
  EXPECT_EQ(scripts.codeString(2), "0B8F0000");
  EXPECT_EQ(scripts.codeString(3), "00000000");
  EXPECT_EQ(assignment.nameOfCode("0B120200"), "Fire Macro1");
  EXPECT_TRUE(core.modeSwitch.fireMacros.present) << "the mode switches see the same codes";
  EXPECT_EQ(core.modeSwitch.fireMacros.codes[1], (ButtonEntry{0x0B, 0x8F, 0x00, 0x00}));
}

TEST_F(FireMacroScriptsTest, AShortFileFillsAsManyBytesAsItHolds) {
  writeFile({0x0B, 0x12, 0x02, 0x00, 0x0B, 0x05});
  scripts.loadAtStartup();
  EXPECT_EQ(tableHex(), "0B 12 02 00 0B 05 00 00 " + hexRepeat(0x00, 32));
}

TEST_F(FireMacroScriptsTest, TheWindowReadsTheFileAtStartUp) {
  writeFile({0x0B, 0x12, 0x02, 0x00});
  core.shell.FormCreate();
  EXPECT_TRUE(assignment.fireMacros.present);
  EXPECT_EQ(scripts.LB_ScriptName(), Names{"Fire Macro1"});
}

// ---- Adding ----

TEST_F(FireMacroScriptsTest, AddingAGunCodeStoresItListsItAndWritesTheFile) {
  scripts.loadAtStartup();
  const ScriptTableChange added = addGunCode(fire_macro::kKeepLeftOn, 3, 2);
  EXPECT_TRUE(added.changed);
  EXPECT_EQ(added.problem, "");
  EXPECT_EQ(hexBytes(assignment.fireMacros.codes[0]), "0B 12 02 00");
  EXPECT_EQ(scripts.LB_ScriptName(), Names{"Fire Macro1"});
  EXPECT_EQ(menuScriptNames(), Names{"Fire Macro1"});
  EXPECT_EQ(scripts.scrollTarget, 0u);
  EXPECT_EQ(fileHex(), "0B 12 02 00 " + hexRepeat(0x00, 36));
}

TEST_F(FireMacroScriptsTest, AddingAppendsAfterTheLastCode) {
  scripts.loadAtStartup();
  addCodes(2);
  ASSERT_TRUE(addGunCode(0, 10, 10).problem.empty());
  EXPECT_EQ(scripts.codeString(3), "0B090A00");
  EXPECT_EQ(scripts.LB_ScriptName(), (Names{"Fire Macro1", "Fire Macro2", "Fire Macro3"}));
  EXPECT_EQ(scripts.scrollTarget, 2u);
  EXPECT_EQ(fileHex(), tableHex());
}

TEST_F(FireMacroScriptsTest, AColourCodeCarriesTheColourInByteOne) {
  scripts.loadAtStartup();
  scripts.cb_SOSType = fire_macro::kColourForm;
  scripts.cb_SOSNumber = 4;  // the gun lists play no part
  scripts.cb_SOSColor = 3;
  ASSERT_TRUE(scripts.btn_AddScriptClick().problem.empty());
  scripts.cb_SOSColor = 10;
  ASSERT_TRUE(scripts.btn_AddScriptClick().problem.empty());
  scripts.cb_SOSColor = 0;
  ASSERT_TRUE(scripts.btn_AddScriptClick().problem.empty());
  EXPECT_EQ(scripts.codeString(1), "0B830000");
  EXPECT_EQ(scripts.codeString(2), "0B8F0000") << "\"User Color\" is colour code 15";
  EXPECT_EQ(scripts.codeString(3), "0B800000");
}

TEST_F(FireMacroScriptsTest, AnUnknownFormAddsAnEmptyGunCode) {
  scripts.loadAtStartup();
  scripts.cb_SOSType = 2;
  ASSERT_TRUE(scripts.btn_AddScriptClick().changed);
  EXPECT_EQ(scripts.codeString(1), "0B000000");
  EXPECT_EQ(scripts.LB_ScriptName(), Names{"Fire Macro1"});
}

TEST_F(FireMacroScriptsTest, AddingToTenCodesDoesNothing) {
  scripts.loadAtStartup();
  addCodes(10);
  const std::string before = fileHex();
  std::filesystem::remove(filePath());
  const ScriptTableChange added = addGunCode(1, 1, 1);
  EXPECT_FALSE(added.changed);
  EXPECT_EQ(added.problem, "");
  EXPECT_EQ(tableHex(), before);
  EXPECT_FALSE(std::filesystem::exists(filePath())) << "the file is not rewritten";
}

TEST_F(FireMacroScriptsTest, AFileWrittenByAnAddNamesGunEntriesOnlyFromTheNextStart) {
  scripts.loadAtStartup();
  ASSERT_TRUE(addGunCode(fire_macro::kKeepLeftOn, 3, 2).problem.empty());
  EXPECT_FALSE(assignment.fireMacros.present);
  EXPECT_NE(assignment.nameOfCode("0B120200"), "Fire Macro1");
  EXPECT_EQ(menuScriptNames(), Names{"Fire Macro1"}) << "the menu offers it at once";

  scripts.loadAtStartup();  // the next start
  EXPECT_TRUE(assignment.fireMacros.present);
  EXPECT_EQ(assignment.nameOfCode("0B120200"), "Fire Macro1");
}

TEST_F(FireMacroScriptsTest, AnUnwritableDataFolderIsReportedAndTheTableKept) {
  std::filesystem::create_directories(configFolder);
  writeText((configFolder / "data").string(), "a file where the folder should be");
  scripts.loadAtStartup();
  const ScriptTableChange added = addGunCode(fire_macro::kKeepLeftOn, 3, 2);
  EXPECT_TRUE(added.changed);
  EXPECT_NE(added.problem.find((configFolder / "data").string()), std::string::npos)
      << added.problem;
  EXPECT_EQ(scripts.LB_ScriptName(), Names{"Fire Macro1"});
  EXPECT_EQ(scripts.codeString(1), "0B120200");
}

TEST_F(FireMacroScriptsTest, WithoutADataFolderAnAddIsReported) {
  FireMacroScripts homeless("", assignment);
  homeless.loadAtStartup();
  const ScriptTableChange added = homeless.btn_AddScriptClick();
  EXPECT_TRUE(added.changed);
  EXPECT_NE(added.problem.find("no data folder"), std::string::npos) << added.problem;
}

// ---- Deleting ----

TEST_F(FireMacroScriptsTest, DeletingTheFirstOfThreeClosesTheGapAndSelectsTheFirst) {
  scripts.loadAtStartup();
  addCodes(3);
  const std::string second = scripts.codeString(2);
  const std::string third = scripts.codeString(3);
  scripts.LB_ScriptNameClick(0);
  const ScriptTableChange deleted = scripts.btn_DelScriptClick();
  EXPECT_TRUE(deleted.changed);
  EXPECT_EQ(deleted.problem, "");
  EXPECT_EQ(scripts.codeString(1), second);
  EXPECT_EQ(scripts.codeString(2), third);
  EXPECT_EQ(scripts.LB_ScriptName(), (Names{"Fire Macro1", "Fire Macro2"}));
  EXPECT_EQ(menuScriptNames(), (Names{"Fire Macro1", "Fire Macro2"}));
  EXPECT_EQ(scripts.selected, 0u);
  EXPECT_EQ(fileHex(), "0B 01 02 00 0B 02 03 00 " + hexRepeat(0x00, 32));
}

TEST_F(FireMacroScriptsTest, DeletingALaterCodeSelectsTheOneBeforeIt) {
  scripts.loadAtStartup();
  addCodes(3);
  scripts.LB_ScriptNameClick(2);
  ASSERT_TRUE(scripts.btn_DelScriptClick().changed);
  EXPECT_EQ(scripts.selected, 1u);
  EXPECT_EQ(fileHex(), "0B 00 01 00 0B 01 02 00 " + hexRepeat(0x00, 32));
}

TEST_F(FireMacroScriptsTest, DeletingTheLastCodeLeavesNothingSelected) {
  scripts.loadAtStartup();
  addCodes(1);
  scripts.LB_ScriptNameClick(0);
  ASSERT_TRUE(scripts.btn_DelScriptClick().changed);
  EXPECT_EQ(scripts.selected, std::nullopt);
  EXPECT_EQ(scripts.LB_ScriptName(), Names{});
  EXPECT_EQ(fileHex(), hexRepeat(0x00, 40));
}

TEST_F(FireMacroScriptsTest, DeletingWithNothingSelectedDoesNothing) {
  scripts.loadAtStartup();
  addCodes(2);
  std::filesystem::remove(filePath());
  const ScriptTableChange deleted = scripts.btn_DelScriptClick();
  EXPECT_FALSE(deleted.changed);
  EXPECT_EQ(scripts.LB_ScriptName(), (Names{"Fire Macro1", "Fire Macro2"}));
  EXPECT_FALSE(std::filesystem::exists(filePath()));
}

// ---- Showing a code ----

TEST_F(FireMacroScriptsTest, AColourCodeShowsTheColourForm) {
  writeFile({0x0B, 0x12, 0x02, 0x00, 0x0B, 0x8F, 0x00, 0x00});
  scripts.loadAtStartup();
  scripts.LB_ScriptNameClick(1);
  EXPECT_EQ(scripts.selected, 1u);
  EXPECT_EQ(fire_macro::kTypeItems[static_cast<size_t>(scripts.cb_SOSType)], std::string("Enable"));
  EXPECT_EQ(fire_macro::kColourItems[static_cast<size_t>(scripts.cb_SOSColor)],
            std::string("User Color"));
  EXPECT_TRUE(scripts.colourControlShown);
  EXPECT_FALSE(scripts.gunControlsShown);
}

TEST_F(FireMacroScriptsTest, AGunCodeShowsKeepLeftStartAndCount) {
  writeFile({0x0B, 0x8F, 0x00, 0x00, 0x0B, 0x14, 0x07, 0x00, 0x0B, 0x09, 0x0A, 0x00});
  scripts.loadAtStartup();
  scripts.LB_ScriptNameClick(0);
  scripts.LB_ScriptNameClick(1);
  EXPECT_EQ(scripts.cb_SOSType, fire_macro::kGunForm);
  EXPECT_TRUE(scripts.gunControlsShown);
  EXPECT_FALSE(scripts.colourControlShown);
  EXPECT_EQ(scripts.cb_SOSLB, fire_macro::kKeepLeftOn);
  EXPECT_EQ(fire_macro::kCountItems[static_cast<size_t>(scripts.cb_SOSStartIndex)],
            std::string("5"));
  EXPECT_EQ(fire_macro::kCountItems[static_cast<size_t>(scripts.cb_SOSNumber)], std::string("7"));

  scripts.LB_ScriptNameClick(2);
  EXPECT_EQ(scripts.cb_SOSLB, 0);
  EXPECT_EQ(scripts.cb_SOSStartIndex, 9);
  EXPECT_EQ(scripts.cb_SOSNumber, 9);
}

TEST_F(FireMacroScriptsTest, ValuesTheListsDoNotHoldLeaveThemAsTheyWere) {
  writeFile({0x0B, 0x1C, 0x00, 0x00, 0x0B, 0x8C, 0x00, 0x00});
  scripts.loadAtStartup();
  scripts.cb_SOSStartIndex = 4;
  scripts.cb_SOSNumber = 3;
  scripts.cb_SOSColor = 6;
  scripts.LB_ScriptNameClick(0);
  EXPECT_EQ(scripts.cb_SOSLB, fire_macro::kKeepLeftOn);
  EXPECT_EQ(scripts.cb_SOSStartIndex, 4) << "start position 12";
  EXPECT_EQ(scripts.cb_SOSNumber, 3) << "no presets";
  scripts.LB_ScriptNameClick(1);
  EXPECT_EQ(scripts.cb_SOSColor, 6) << "colour code 12";
}

TEST_F(FireMacroScriptsTest, APositionPastTheListSelectsNothing) {
  writeFile({0x0B, 0x12, 0x02, 0x00});
  scripts.loadAtStartup();
  scripts.LB_ScriptNameClick(1);
  EXPECT_EQ(scripts.selected, std::nullopt);
  EXPECT_EQ(scripts.cb_SOSNumber, 0);
}

// ---- Form ----

TEST_F(FireMacroScriptsTest, TheFormChoosesTheControlsShown) {
  scripts.cb_SOSTypeChange(fire_macro::kColourForm);
  EXPECT_TRUE(scripts.colourControlShown);
  EXPECT_FALSE(scripts.gunControlsShown);
  scripts.cb_SOSTypeChange(5);
  EXPECT_EQ(scripts.cb_SOSType, fire_macro::kColourForm) << "an unknown form changes nothing";
  EXPECT_TRUE(scripts.colourControlShown);
  scripts.cb_SOSTypeChange(fire_macro::kGunForm);
  EXPECT_TRUE(scripts.gunControlsShown);
  EXPECT_FALSE(scripts.colourControlShown);
}

TEST_F(FireMacroScriptsTest, TheListsStartAtTheirDefaults) {
  EXPECT_EQ(fire_macro::kTypeItems[static_cast<size_t>(scripts.cb_SOSType)],
            std::string("Disable"));
  EXPECT_EQ(fire_macro::kKeepLeftItems[static_cast<size_t>(scripts.cb_SOSLB)],
            std::string("Enable"));
  EXPECT_EQ(fire_macro::kCountItems[static_cast<size_t>(scripts.cb_SOSStartIndex)],
            std::string("1"));
  EXPECT_EQ(fire_macro::kCountItems[static_cast<size_t>(scripts.cb_SOSNumber)], std::string("1"));
  EXPECT_TRUE(scripts.gunControlsShown);
  EXPECT_FALSE(scripts.colourControlShown);
}

// ---- The engineer page's menu ----

TEST_F(FireMacroScriptsTest, AnAddedCodeGoesOnAnEngineerProfileButton) {
  scripts.loadAtStartup();
  addCodes(1);
  ASSERT_TRUE(addGunCode(fire_macro::kKeepLeftOn, 3, 2).problem.empty());
  assignment.openForEngineerButton(104, {}, {1256, 680});
  EXPECT_EQ(menuScriptNames(), (Names{"Fire Macro1", "Fire Macro2"}));
  mouse.clearTrace();
  EXPECT_EQ(assignment.LB_ScriptClick(1), AssignOutcome::Stored);
  EXPECT_EQ(entryHex(1, 4), "0B 12 02 00");
  EXPECT_EQ(assignment.engineerCaptions[0][3], "Fire Macro2");
  EXPECT_EQ(storedEntryHex(1, 4), "0B 12 02 00");
}

}  // namespace
}  // namespace mousecfg::test
