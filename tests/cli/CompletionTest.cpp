#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "cli/InProcessMousectl.h"

namespace mousecfg::test {
namespace {

std::string fileText(const char* path) {
  std::ifstream file(path);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The commands `mousectl --help` lists: the first word of each line under "commands:".
std::set<std::string> commandsInTheHelp() {
  InProcessMousectl mousectl(::testing::TempDir() + "no-such-block.bin", ::testing::TempDir());
  std::istringstream help(mousectl.run("--help", "none").out);
  std::set<std::string> commands;
  bool listing = false;
  const std::regex entry(R"(^  ([a-z][a-z-]*)( |$))");
  for (std::string line; std::getline(help, line);) {
    if (line == "commands:") listing = true;
    std::smatch match;
    if (listing && std::regex_search(line, match, entry)) commands.insert(match[1]);
  }
  return commands;
}

// The words the completion offers after "mousectl ".
std::set<std::string> commandsTheCompletionOffers() {
  const std::string script = fileText(COMPLETION_PATH);
  std::smatch match;
  if (!std::regex_search(script, match, std::regex(R"(local commands="([^"]*)\")"))) return {};
  std::istringstream words(match[1]);
  std::set<std::string> commands;
  for (std::string word; words >> word;) commands.insert(word);
  return commands;
}

TEST(MousectlCompletion, OffersEveryCommandTheHelpLists) {
  const std::set<std::string> listed = commandsInTheHelp();
  ASSERT_GE(listed.size(), 11u) << "the help lists the commands";
  std::set<std::string> offered = commandsTheCompletionOffers();
  offered.erase("help");
  EXPECT_EQ(offered, listed);
}

// The commands the zsh completion describes: the words before ':' in its list.
std::set<std::string> commandsTheZshCompletionOffers() {
  const std::string script = fileText(ZSH_COMPLETION_PATH);
  std::set<std::string> commands;
  const std::regex entry(R"(^    '([a-z-]+):)");
  std::istringstream lines(script);
  for (std::string line; std::getline(lines, line);) {
    std::smatch match;
    if (std::regex_search(line, match, entry)) commands.insert(match[1]);
  }
  return commands;
}

TEST(MousectlCompletion, TheZshCompletionOffersEveryCommandTheHelpLists) {
  std::set<std::string> offered = commandsTheZshCompletionOffers();
  offered.erase("help");
  EXPECT_EQ(offered, commandsInTheHelp());
}

TEST(MousectlCompletion, OffersTheProgramsOwnOptions) {
  const std::string script = fileText(COMPLETION_PATH);
  EXPECT_NE(script.find(R"("$commands --help --version")"), std::string::npos);
}

TEST(MousectlVersion, PrintsTheProjectsVersion) {
  InProcessMousectl mousectl(::testing::TempDir() + "no-such-block.bin", ::testing::TempDir());
  for (const char* option : {"--version", "-V"}) {
    const CommandRun version = mousectl.run(option, "none");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("mousectl ") + PROJECT_VERSION + "\n");
  }
}

}  // namespace
}  // namespace mousecfg::test
