#pragma once

#include <string>
#include <vector>

namespace mousecfg::test {

// Splits a command line the way a shell would for the tests' simple cases: words part
// at spaces, and single quotes keep spaces inside a word.
inline std::vector<std::string> shellWords(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (char c : line) {
    if (c == '\'') {
      quoted = !quoted;
      inWord = true;
    } else if (c == ' ' && !quoted) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

}  // namespace mousecfg::test
