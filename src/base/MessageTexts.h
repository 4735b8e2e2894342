#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/LanguageTable.h"

namespace mousecfg {

// The message texts of the language in use, kept when a table is applied and shown
// later by the message dialogs (Host::showMessage gets the key, e.g. "Str022").
class MessageTexts {
 public:
  MessageTexts() = default;
  explicit MessageTexts(const LanguageTable& table);

  // The keys kept: those of langkey::message, "Str020".."Str022" and "Str100".."Str108".
  static const std::vector<std::string>& keys();

  // The kept text of a message key; "" for a key that is not a message or is missing.
  std::string text(std::string_view key) const;

 private:
  std::map<std::string, std::string, std::less<>> texts_;
};

}  // namespace mousecfg
