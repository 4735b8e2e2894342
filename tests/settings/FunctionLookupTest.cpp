#include "settings/FunctionLookup.h"

#include <gtest/gtest.h>

#include "base/LanguageTables.h"
#include "settings/MenuItems.h"

namespace mousecfg {
namespace {

class FunctionLookupTest : public ::testing::Test {
 protected:
  FunctionLookup find(std::string_view text) {
    return lookUpFunction(text, languages, macroNames, fireMacroNames);
  }
  LanguageTables languages = LanguageTables::builtIn();
  std::vector<std::string> macroNames{"Burst", "Reload"};
  std::vector<std::string> fireMacroNames{"Fire Macro1"};
};

TEST_F(FunctionLookupTest, MenuTextsInAnyCaseAndWithTheMarker) {
  for (const char* text : {"DPI +", "dpi +", "  DPI +  ", " * DPI +", "*dpi +", "DPI/DPI +"}) {
    const FunctionLookup found = find(text);
    ASSERT_EQ(found.matches.size(), 1u) << text;
    EXPECT_EQ(found.matches[0].kind, FunctionChoice::Kind::MenuItem);
    EXPECT_EQ(found.matches[0].id, menu_id::kDpiUp) << text;
  }
}

TEST_F(FunctionLookupTest, CodeStringsAreTakenAsEntries) {
  const FunctionLookup found = find("02010400");
  ASSERT_EQ(found.matches.size(), 1u);
  EXPECT_EQ(found.matches[0].kind, FunctionChoice::Kind::Code);
  EXPECT_EQ(found.matches[0].code, "02010400");
  EXPECT_EQ(find("0b8f0000").matches.at(0).code, "0B8F0000");
}

TEST_F(FunctionLookupTest, MacrosAndFireMacrosByName) {
  FunctionLookup found = find("reload");
  ASSERT_EQ(found.matches.size(), 1u);
  EXPECT_EQ(found.matches[0].kind, FunctionChoice::Kind::DeviceMacro);
  EXPECT_EQ(found.matches[0].position, 1u);
  found = find("Fire Macro1");
  ASSERT_EQ(found.matches.size(), 1u);
  EXPECT_EQ(found.matches[0].kind, FunctionChoice::Kind::FireMacro);
}

TEST_F(FunctionLookupTest, ATextOfTwoItemsNeedsItsGroup) {
  const FunctionLookup found = find("Stop");
  EXPECT_TRUE(found.matches.empty());
  EXPECT_EQ(found.suggestions, (std::vector<std::string>{"Media/Stop", "Internet Explorer/Stop"}));
  EXPECT_EQ(find("Media/Stop").matches.at(0).id, menu_id::kMediaStop);
  EXPECT_EQ(find("internet explorer/stop").matches.at(0).id, menu_id::kWebStop);
}

TEST_F(FunctionLookupTest, UnknownTextsGetCloseMatches) {
  const FunctionLookup found = find("Volume+");
  EXPECT_TRUE(found.matches.empty());
  EXPECT_EQ(found.problem, "no function is called \"Volume+\"");
  ASSERT_FALSE(found.suggestions.empty());
  EXPECT_NE(std::find(found.suggestions.begin(), found.suggestions.end(), "Volume +"),
            found.suggestions.end());
  EXPECT_LE(found.suggestions.size(), 5u);
  EXPECT_TRUE(find("qqqqqqqqqqqq").suggestions.empty());
  const std::vector<std::string> fire = find("Fire").suggestions;
  EXPECT_EQ(std::count(fire.begin(), fire.end(), "Special Key/Fire Macro Off"), 0)
      << "a text that names one function is offered plain";
  const std::vector<std::string> stops = find("Stopp").suggestions;
  EXPECT_NE(std::find(stops.begin(), stops.end(), "Media/Stop"), stops.end());
  EXPECT_EQ(std::count(stops.begin(), stops.end(), "Stop"), 0) << "ambiguous plain text";
  EXPECT_TRUE(find("").matches.empty());
}

TEST_F(FunctionLookupTest, GroupsAndDialogItemsAreExplained) {
  FunctionLookup found = find("DPI");
  EXPECT_TRUE(found.matches.empty());
  EXPECT_EQ(found.problem, "\"DPI\" is a menu group, not a function");
  EXPECT_EQ(found.suggestions, (std::vector<std::string>{"DPI Loop", "DPI +", "DPI -"}));
  found = find("User-defined");
  EXPECT_TRUE(found.matches.empty());
  EXPECT_NE(found.problem.find("8 hexadecimal digits"), std::string::npos);
}

}  // namespace
}  // namespace mousecfg
