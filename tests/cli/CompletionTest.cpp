#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "cli/Commands.h"
#include "cli/InProcessMousectl.h"
#include "cli/MousectlParser.h"

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

// The part of a completion script that handles one command: from its case label to the
// next label of the same indentation.
std::string caseOf(const std::string& script, const std::string& command,
                   const std::string& indent) {
  const std::regex label("\n" + indent + "([a-z|-]+( \\| [a-z-]+)*)\\)");
  for (std::sregex_iterator at(script.begin(), script.end(), label), end; at != end; ++at) {
    const std::string labels = (*at)[1];
    std::set<std::string> names;
    std::istringstream words(std::regex_replace(labels, std::regex("[| ]+"), " "));
    for (std::string word; words >> word;) names.insert(word);
    if (!names.contains(command)) continue;
    const size_t from = static_cast<size_t>(at->position() + at->length());
    std::smatch next;
    const std::string rest = script.substr(from);
    return std::regex_search(rest, next, label) ? rest.substr(0, next.position()) : rest;
  }
  return {};
}

TEST(MousectlCompletion, OffersEveryOptionOfEveryCommand) {
  const std::string bash = fileText(COMPLETION_PATH);
  const std::string zsh = fileText(ZSH_COMPLETION_PATH);
  const MousectlParser parser;
  for (const CommandDefinition& command : mousectlCommands()) {
    const std::string name(command.name);
    const std::string bashCase = caseOf(bash, name, "    ");
    const std::string zshCase = caseOf(zsh, name, "    ");
    for (const std::string& option : parser.optionNames(name)) {
      EXPECT_NE(bashCase.find(option), std::string::npos) << "bash: " << name << ' ' << option;
      if (option == "--help") continue;  // zsh offers it by itself
      const std::string zshOption = option == "--json" ? "$json" : option;
      EXPECT_NE(zshCase.find(zshOption), std::string::npos) << "zsh: " << name << ' ' << option;
    }
  }
}

// The effect names the completion offers after "led --effect".
TEST(MousectlCompletion, OffersEffectNamesMousectlTakes) {
  const std::string bash = fileText(COMPLETION_PATH);
  std::smatch match;
  ASSERT_TRUE(std::regex_search(bash, match, std::regex(R"re(--effect\) options="([^"]*)")re")));
  std::istringstream words(match[1]);
  int names = 0;
  InProcessMousectl mousectl(::testing::TempDir() + "no-such-block.bin", ::testing::TempDir());
  for (std::string word; words >> word;) {
    // Without a mouse a valid effect ends at "no mouse" (3), a bad one at its usage (2).
    EXPECT_EQ(mousectl.run("led --effect " + word, "none").status, 3) << word;
    ++names;
  }
  EXPECT_EQ(names, 14);
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
