#include "cli/OrderedOptions.h"

#include <CLI/CLI.hpp>
#include <map>

namespace mousecfg {

std::vector<OptionUse> optionsInOrder(const CLI::App& command) {
  // The parser lists an option once for every value it took, in order; an option with
  // two values per use ("--step LEVEL STEP") appears twice for each use.
  std::vector<OptionUse> uses;
  std::map<const CLI::Option*, size_t> taken;
  for (const CLI::Option* option : command.parse_order()) {
    const size_t index = taken[option]++;
    const std::vector<std::string>& results = option->results();
    if (index >= results.size()) continue;
    const size_t perUse = static_cast<size_t>(std::max(1, option->get_type_size()));
    if (index % perUse == 0) uses.push_back({"--" + option->get_single_name(), {}});
    uses.back().values.push_back(results[index]);
  }
  return uses;
}

void addRepeatedOption(CLI::App& command, const std::string& names, const std::string& valueNames,
                       int valueCount, const std::string& description) {
  command.add_option(names, description)
      ->type_name(valueNames)
      ->type_size(valueCount)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->allow_extra_args(false);
}

}  // namespace mousecfg
