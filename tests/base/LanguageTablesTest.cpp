#include "base/LanguageTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "BuiltInResources.h"

namespace mousecfg {
namespace {

LanguageTable tableOf(std::string_view text, std::string_view section = "lang1") {
  return LanguageTable::fromText(text, section);
}

LanguageTables tablesOf(std::string_view one, std::string_view two, std::string_view three) {
  return LanguageTables({tableOf(one), tableOf(two), tableOf(three)});
}

// ---- Reverse lookup and re-labelling on small tables ----

TEST(LanguageReverseLookupTest, LastMatchInATableWins) {
  const LanguageTables tables =
      tablesOf("[lang1] \"Str150=Same\" \"Str120=Same\" \"Str130=Other\"", "", "");
  EXPECT_EQ(tables.keyOfText("Same"), "Str150");
  EXPECT_EQ(tables.keyOfText("Other"), "Str130");
}

TEST(LanguageReverseLookupTest, LaterTableWinsOverLowerNumber) {
  const LanguageTables tables =
      tablesOf("[lang1] \"Str700=Same\"", "[lang1] \"Str200=Same\"", "[lang1] \"Str150=Only3\"");
  EXPECT_EQ(tables.keyOfText("Same"), "Str200");
  EXPECT_EQ(tables.keyOfText("Only3"), "Str150");
}

TEST(LanguageReverseLookupTest, SearchCoversStr100ToStr800Only) {
  const LanguageTables tables = tablesOf(
      "[lang1] \"Str099=Low\" \"Str004=Page\" \"Str100=First\" \"Str800=Last\" \"Str801=Beyond\"",
      "", "");
  EXPECT_EQ(tables.keyOfText("Low"), std::nullopt);
  EXPECT_EQ(tables.keyOfText("Page"), std::nullopt);
  EXPECT_EQ(tables.keyOfText("First"), "Str100");
  EXPECT_EQ(tables.keyOfText("Last"), "Str800");
  EXPECT_EQ(tables.keyOfText("Beyond"), std::nullopt);
}

TEST(LanguageReverseLookupTest, EmptyOrUnknownTextHasNoKey) {
  const LanguageTables tables = tablesOf("[lang1] \"Str150=\" \"Str151=Text\"", "", "");
  EXPECT_EQ(tables.keyOfText(""), std::nullopt);
  EXPECT_EQ(tables.keyOfText("text"), std::nullopt);
  EXPECT_EQ(tables.keyOfText("My Macro"), std::nullopt);
}

TEST(LanguageRelabelTest, CaptionTakesTheTextOfItsKeyInTheNewLanguage) {
  const LanguageTables tables =
      tablesOf("[lang1] \"Str251=Office Mode\" \"Str314=12000\"",
               "[lang1] \"Str251=Mode A\" \"Str314=12000\"", "[lang1] \"Str251=Büromodus\"");
  EXPECT_EQ(tables.relabel("Office Mode", 2), "Mode A");
  EXPECT_EQ(tables.relabel("Mode A", 1), "Office Mode");
  EXPECT_EQ(tables.relabel("Mode A", 3), "Büromodus");
  // Not a table text: a macro name or a key combination stays as it is.
  EXPECT_EQ(tables.relabel("Ctrl+A", 2), "Ctrl+A");
  // Language 3 lacks the key: the caption stays rather than going blank.
  EXPECT_EQ(tables.relabel("12000", 3), "12000");
  EXPECT_EQ(tables.relabel("Office Mode", 4), "Office Mode");
}

TEST(LanguageSwitchTest, SwitchRelabelsCaptionsAndSelectsTheLanguage) {
  LanguageTables tables =
      tablesOf("[lang1] \"Str022=No device\" \"Str210=Left Key\" \"Str200=*\"",
               "[lang1] \"Str022=Kein Gerät\" \"Str210=Linke\" \"Str200=-\"", "");
  EXPECT_EQ(tables.language(), 1);
  EXPECT_EQ(tables.messages().text("Str022"), "No device");
  std::vector<std::string> captions = {"Left Key", "Macro1", ""};
  ASSERT_TRUE(tables.switchLanguage(2, captions));
  EXPECT_EQ(tables.language(), 2);
  EXPECT_EQ(captions, (std::vector<std::string>{"Linke", "Macro1", ""}));
  EXPECT_EQ(tables.text("Str210"), "Linke");
  EXPECT_EQ(tables.menuItemText("Str210"), " - Linke");
  EXPECT_EQ(tables.messages().text("Str022"), "Kein Gerät");
}

TEST(LanguageSwitchTest, NumbersOutsideOneToThreeChangeNothing) {
  LanguageTables tables = tablesOf("[lang1] \"Str210=Left Key\"", "[lang1] \"Str210=L\"", "");
  std::vector<std::string> captions = {"Left Key"};
  EXPECT_FALSE(tables.switchLanguage(0, captions));
  EXPECT_FALSE(tables.switchLanguage(4, captions));
  EXPECT_FALSE(tables.selectLanguage(-1));
  EXPECT_EQ(tables.language(), 1);
  EXPECT_EQ(captions[0], "Left Key");
  EXPECT_EQ(tables.table(0).text("Str210"), "");
  EXPECT_EQ(tables.table(4).size(), 0u);
}

TEST(LanguageSwitchTest, ResourceSectionAndSkinNamesFollowTheLanguage) {
  EXPECT_EQ(languageTableResourceName(2), "LANG2");
  EXPECT_EQ(languageTableSectionName(3), "lang3");
  EXPECT_EQ(skinPicturePrefix(1), "L1_");
  EXPECT_EQ(skinPictureName(3, "Back1"), "L3_Back1");
  EXPECT_EQ(skinPictureName(2, "BackGround"), "L2_BackGround");
}

TEST(MessageTextsTest, KeepsOnlyMessageKeys) {
  const MessageTexts messages(tableOf("[lang1] \"Str022=No device\" \"Str210=Left Key\""));
  EXPECT_EQ(messages.text("Str022"), "No device");
  EXPECT_EQ(messages.text("Str108"), "");
  EXPECT_EQ(messages.text("Str210"), "");
  EXPECT_EQ(MessageTexts::keys().size(), 12u);
}

// ---- The built-in tables ----

const std::vector<std::pair<int, int>> kTextKeyRanges = {
    {1, 16},    {20, 22},   {100, 108}, {200, 208}, {210, 214}, {220, 223}, {230, 233}, {240, 243},
    {250, 254}, {260, 277}, {280, 286}, {290, 293}, {300, 314}, {400, 402}, {404, 418}, {420, 422},
    {430, 430}, {432, 435}, {440, 442}, {450, 451}, {454, 458}, {500, 502}, {510, 512}, {520, 526},
    {600, 606}, {610, 614}, {620, 621}, {700, 707}, {800, 810}, {812, 831}, {834, 861},
};

std::set<std::string> expectedKeys(int language) {
  std::set<std::string> keys = {"FontName", "Title"};
  for (const auto& [first, last] : kTextKeyRanges) {
    for (int number = first; number <= last; ++number) {
      if (language == 3 && (number == 314 || number >= 800)) continue;
      char key[16];
      std::snprintf(key, sizeof key, "Str%03d", number);
      keys.insert(key);
    }
  }
  return keys;
}

std::set<std::string> keySet(const LanguageTable& table) {
  const std::vector<std::string> keys = table.keys();
  return {keys.begin(), keys.end()};
}

class BuiltInLanguageTablesTest : public ::testing::Test {
 protected:
  const LanguageTables tables_ = LanguageTables::builtIn();
  const LanguageTable& one_ = tables_.table(1);
  const LanguageTable& two_ = tables_.table(2);
  const LanguageTable& three_ = tables_.table(3);
};

TEST_F(BuiltInLanguageTablesTest, EachTableHoldsExactlyItsKeys) {
  EXPECT_EQ(expectedKeys(1).size(), 235u);
  EXPECT_EQ(expectedKeys(3).size(), 175u);
  EXPECT_EQ(keySet(one_), expectedKeys(1));
  EXPECT_EQ(keySet(two_), expectedKeys(2));
  EXPECT_EQ(keySet(three_), expectedKeys(3));
  // No key appears twice in a file.
  EXPECT_EQ(one_.size(), 235u);
  EXPECT_EQ(two_.size(), 235u);
  EXPECT_EQ(three_.size(), 175u);
}

TEST_F(BuiltInLanguageTablesTest, FilesAreQuotedUtf16WithMarkAndCrLf) {
  for (const char* name : {"LANG1", "LANG2", "LANG3"}) {
    SCOPED_TRACE(name);
    const auto bytes = builtInResource(name);
    ASSERT_TRUE(bytes.has_value());
    ASSERT_GE(bytes->size(), 4u);
    EXPECT_EQ((*bytes)[0], 0xFF);
    EXPECT_EQ((*bytes)[1], 0xFE);
    const std::string text = decodeUtf16Le(*bytes);
    std::size_t start = 0;
    int entryLines = 0;
    while (start < text.size()) {
      const std::size_t lf = text.find('\n', start);
      ASSERT_NE(lf, std::string::npos) << "last line without CR LF";
      ASSERT_GT(lf, start) << "LF without CR at " << start;
      ASSERT_EQ(text[lf - 1], '\r') << "LF without CR at " << lf;
      const std::string line = text.substr(start, lf - 1 - start);
      start = lf + 1;
      if (line.empty() || line.front() == '[') continue;
      ASSERT_GE(line.size(), 2u);
      EXPECT_EQ(line.front(), '"') << line;
      EXPECT_EQ(line.back(), '"') << line;
      ++entryLines;
    }
    EXPECT_EQ(static_cast<std::size_t>(entryLines), tables_.table(name[4] - '0').size());
  }
}

TEST_F(BuiltInLanguageTablesTest, SectionsAreNamedAfterTheTables) {
  const auto bytes = builtInResource("LANG2");
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(LanguageTable::fromUtf16Ini(*bytes, "lang1").size(), 0u);
  EXPECT_EQ(LanguageTable::fromUtf16Ini(*bytes, "lang2").size(), 235u);
}

TEST_F(BuiltInLanguageTablesTest, TableOneCarriesTheProgramsTexts) {
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"FontName", "Calibri"},
      {"Title", "USB Gaming Mouse"},
      {"Str001", "Default"},
      {"Str002", "Confirm 2"},
      {"Str016", "Confirm 3"},
      {"Str003", "Exit"},
      {"Str004", "Office Mode"},
      {"Str005", "Game Mode"},
      {"Str006", "Third Mode"},
      {"Str007", "Advanced"},
      {"Str008", "LED"},
      {"Str009", "Save Profile"},
      {"Str010", "Load Profile"},
      {"Str011", "Chinese"},
      {"Str012", "English"},
      {"Str013", "Language3"},
      {"Str014", "Macro"},
      {"Str015", "Update"},
      {"Str020",
       "Please select the keyboard mode switch button to take effect after the key definition "
       "interface"},
      {"Str021", "Select the reset button in the key definition interface to take effect"},
      {"Str022", "Not find the specified device"},
      {"Str100", "No Device Found"},
      {"Str101", "Please check your device is attached to USB port"},
      {"Str102", "KVRM318x062BData.bin file type error"},
      {"Str103", "Macro bin length out of range"},
      {"Str104", "EEPROM space shortage"},
      {"Str105", "Please select a AIM Key"},
      {"Str106", "This macro already exists"},
      {"Str107", "The mouse manufacturer or product id error"},
      {"Str108", "Please keep a Left Key"},
      {"Str200", "*"},
      {"Str201", "Standard Mouse Key"},
      {"Str202", "Special Key"},
      {"Str203", "Media"},
      {"Str204", "Internet Explorer"},
      {"Str205", "User-defined"},
      {"Str206", "Base Macro"},
      {"Str207", "Others"},
      {"Str208", "Fire Macro"},
      {"Str210", "Left Key"},
      {"Str211", "Right Key"},
      {"Str212", "Middle Key"},
      {"Str213", "Backward"},
      {"Str214", "Forward"},
      {"Str220", "DPI"},
      {"Str221", "DPI Loop"},
      {"Str222", "DPI +"},
      {"Str223", "DPI -"},
      {"Str230", "Fire Key"},
      {"Str231", "Fire Key1"},
      {"Str232", "Fire Key2"},
      {"Str233", "Fire Key3"},
      {"Str240", "ACPI Key"},
      {"Str241", "Power Down"},
      {"Str242", "Sleep"},
      {"Str243", "Wake Up"},
      {"Str250", "Profile Switch"},
      {"Str251", "Office Mode"},
      {"Str252", "Game Mode"},
      {"Str253", "Third Mode"},
      {"Str254", "KB Switch Loop"},
      {"Str260", "AIM Key"},
      {"Str261", "LED Mode"},
      {"Str262", "LED ON/OFF"},
      {"Str263", "Button Effect Switch"},
      {"Str264", "Report Rate"},
      {"Str265", "Fire Macro Key"},
      {"Str266", "Fire Macro Off"},
      {"Str267", "Adjust XY Key"},
      {"Str268", "Adjust XY Fn"},
      {"Str269", "Adjust XY Switch"},
      {"Str270", "Play/Pause"},
      {"Str271", "Stop"},
      {"Str272", "Previous Track"},
      {"Str273", "Next Track"},
      {"Str274", "Volume +"},
      {"Str275", "Volume -"},
      {"Str276", "Mute"},
      {"Str277", "Key Off"},
      {"Str280", "Home"},
      {"Str281", "Search"},
      {"Str282", "Web Back"},
      {"Str283", "Web Forward"},
      {"Str284", "Stop"},
      {"Str285", "Refresh"},
      {"Str286", "Favorites"},
      {"Str290", "My Computer"},
      {"Str291", "Calculator"},
      {"Str292", "E-Mail"},
      {"Str293", "Desktop"},
      {"Str500", "Assembly Key"},
      {"Str501", "Confirm"},
      {"Str502", "Clear"},
      {"Str510", "Macro Name"},
      {"Str511", "OK"},
      {"Str512", "Clear"},
      {"Str520", "Input One Key"},
      {"Str521", "Input Delay Time"},
      {"Str522", "Please Select One Color"},
      {"Str523", "User Color"},
      {"Str524", "Input X Value"},
      {"Str525", "Input Y Value"},
      {"Str526", "Input Value"},
      {"Str600", "AKM Fire"},
      {"Str601", "M16 Fire"},
      {"Str602", "M4 Fire"},
      {"Str603", "UMP9 Fire"},
      {"Str604", "SCAR-L Fire"},
      {"Str605", "TOMPSON Fire"},
      {"Str606", "UZI Fire"},
      {"Str620", "Confirm"},
      {"Str621", "Cancel"},
      {"Str703", "Press 'DPI +' 3s Switch Office/Gaming Mode"},
      {"Str812", "LED Breathing Speed"},
      {"Str813", "Fast"},
      {"Str814", "Slow"},
      {"Str823", "Colorful Light"},
      {"Str824", "Rainbow"},
      {"Str825", "Flow Light"},
      {"Str826", "Waltz"},
      {"Str827", "4-Seasons"},
      {"Str828", "Off"},
      {"Str829", "Breathing"},
      {"Str830", "Full"},
      {"Str831", "Half"},
      {"Str850", "125Hz"},
      {"Str851", "250Hz"},
      {"Str852", "500Hz"},
      {"Str853", "1000Hz"},
  };
  for (const auto& [key, text] : expected) EXPECT_EQ(one_.text(key), text) << key;
}

TEST_F(BuiltInLanguageTablesTest, CpiValuesFollowTheStepList) {
  const std::vector<std::string> values = {"200",  "400",  "600",  "800",   "1000",
                                           "1200", "1600", "2000", "2400",  "3200",
                                           "4800", "6400", "8000", "10000", "12000"};
  for (std::size_t step = 0; step < values.size(); ++step)
    EXPECT_EQ(one_.text("Str" + std::to_string(300 + step)), values[step]) << step;
}

TEST_F(BuiltInLanguageTablesTest, RepeatModesAndModeNamesArePresent) {
  std::set<std::string> texts;
  for (const std::string& key : one_.keys())
    if (key.starts_with("Str8")) texts.insert(one_.text(key));
  for (const char* text :
       {"Stop until the key released", "Stop until the macro end", "Stop until any key released",
        "Circles 1-127", "Mode1", "Mode2", "Mode3"})
    EXPECT_TRUE(texts.contains(text)) << text;
}

TEST_F(BuiltInLanguageTablesTest, TableTwoDiffersOnlyInItsOwnTexts) {
  EXPECT_EQ(two_.text("Str204"), "Web");
  EXPECT_EQ(two_.text("Str251"), "Mode A");
  EXPECT_EQ(two_.text("Str252"), "Mode B");
  EXPECT_NE(two_.text("Str825"), one_.text("Str825"));
  EXPECT_FALSE(two_.text("Str825").empty());
  const std::set<std::string> ownTexts = {"Str204", "Str251", "Str252", "Str825"};
  for (const std::string& key : one_.keys()) {
    if (ownTexts.contains(key)) continue;
    EXPECT_EQ(two_.text(key), one_.text(key)) << key;
  }
}

TEST_F(BuiltInLanguageTablesTest, TableThreeHasItsOwnFontTitleAndLanguageButton) {
  EXPECT_EQ(three_.fontName(), "Arial Narrow");
  EXPECT_FALSE(three_.title().empty());
  EXPECT_NE(three_.title(), one_.title());
  EXPECT_EQ(three_.text("Str013"), "Deutsch");
  // Advanced page captions are empty in language 3.
  EXPECT_EQ(three_.text("Str800"), "");
  EXPECT_EQ(three_.text("Str314"), "");
  for (const std::string& key : three_.keys()) EXPECT_FALSE(three_.text(key).empty()) << key;
}

TEST_F(BuiltInLanguageTablesTest, LanguageOneIsInUseAtStart) {
  EXPECT_EQ(tables_.language(), 1);
  EXPECT_EQ(tables_.text("Str022"), "Not find the specified device");
  EXPECT_EQ(tables_.messages().text("Str022"), "Not find the specified device");
  EXPECT_EQ(tables_.menuItemText("Str201"), " * Standard Mouse Key");
}

TEST_F(BuiltInLanguageTablesTest, KeyCaptionsFollowALanguageSwitch) {
  LanguageTables tables = LanguageTables::builtIn();
  std::vector<std::string> captions = {"Office Mode", "Fire Key1", "Internet Explorer",
                                       "Left Key",    "My Macro",  "Ctrl+Shift+A"};
  ASSERT_TRUE(tables.switchLanguage(2, captions));
  EXPECT_EQ(captions, (std::vector<std::string>{"Mode A", "Fire Key1", "Web", "Left Key",
                                                "My Macro", "Ctrl+Shift+A"}));
  EXPECT_EQ(tables.messages().text("Str108"), "Please keep a Left Key");
  ASSERT_TRUE(tables.switchLanguage(3, captions));
  EXPECT_EQ(captions[0], three_.text("Str251"));
  EXPECT_EQ(captions[3], three_.text("Str210"));
  EXPECT_EQ(tables.messages().text("Str022"), three_.text("Str022"));
  ASSERT_TRUE(tables.switchLanguage(1, captions));
  EXPECT_EQ(captions, (std::vector<std::string>{"Office Mode", "Fire Key1", "Internet Explorer",
                                                "Left Key", "My Macro", "Ctrl+Shift+A"}));
}

// A button caption must name the same function after any switch: the reverse lookup
// must not land on another key whose text differs in the target language.
TEST_F(BuiltInLanguageTablesTest, EveryTranslatedCaptionSurvivesEverySwitch) {
  for (int from = 1; from <= 3; ++from) {
    const LanguageTable& source = tables_.table(from);
    for (const std::string& key : source.keys()) {
      if (!key.starts_with("Str")) continue;
      const int number = std::stoi(key.substr(3));
      if (number < 100 || number > 800) continue;
      for (int to = 1; to <= 3; ++to) {
        const LanguageTable& target = tables_.table(to);
        if (!target.contains(key)) continue;
        EXPECT_EQ(tables_.relabel(source.text(key), to), target.text(key))
            << key << " from " << from << " to " << to;
      }
    }
  }
}

TEST_F(BuiltInLanguageTablesTest, SharedTextResolvesToTheLastKey) {
  // "Stop" stands under the media key, the browser key and the record button.
  EXPECT_EQ(one_.text("Str271"), "Stop");
  EXPECT_EQ(one_.text("Str284"), "Stop");
  EXPECT_EQ(tables_.keyOfText("Stop"), "Str401");
  EXPECT_EQ(tables_.keyOfText("Office Mode"), "Str251");
  EXPECT_EQ(tables_.keyOfText("Mode A"), "Str251");
}

}  // namespace
}  // namespace mousecfg
