#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/LanguageTables.h"
#include "cli/InProcessMousectl.h"
#include "settings/FunctionLookup.h"
#include "settings/MenuItems.h"

namespace mousecfg::test {
namespace {

std::vector<std::string> listedFunctions() {
  InProcessMousectl mousectl(::testing::TempDir() + "no-such-block.bin", ::testing::TempDir());
  const CommandRun run = mousectl.run("functions", "none");
  EXPECT_EQ(run.status, 0) << run.err;
  std::istringstream lines(run.out);
  std::vector<std::string> names;
  for (std::string line; std::getline(lines, line);) names.push_back(line);
  return names;
}

TEST(FunctionsCommand, EveryListedNameIsOneFunctionForTheButtonCommand) {
  const std::vector<std::string> names = listedFunctions();
  const auto assignable =
      std::count_if(menuEntries().begin(), menuEntries().end(),
                    [](const MenuEntry& entry) { return entry.action == MenuAction::Assign; });
  EXPECT_EQ(names.size(), static_cast<size_t>(assignable)) << "every function of the menu";
  const LanguageTables languages = LanguageTables::builtIn();
  for (const std::string& name : names) {
    const FunctionLookup found = lookUpFunction(name, languages, {}, {});
    EXPECT_EQ(found.matches.size(), 1u) << name << ": " << found.problem;
  }
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size())
      << "each name once";
}

TEST(FunctionsCommand, ListsTheMenusFunctionsQualifyingOnlyTwiceUsedNames) {
  const std::vector<std::string> names = listedFunctions();
  const std::set<std::string> listed(names.begin(), names.end());
  EXPECT_TRUE(listed.contains("DPI +"));
  EXPECT_TRUE(listed.contains("Middle Key"));
  for (const std::string& name : names) {
    const size_t slash = name.find('/');
    if (slash == std::string::npos) continue;
    EXPECT_FALSE(listed.contains(name.substr(slash + 1)))
        << name << ": the plain name would be ambiguous, so it is not listed";
  }
}

}  // namespace
}  // namespace mousecfg::test
