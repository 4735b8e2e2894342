#include "base/MessageTexts.h"

namespace mousecfg {

const std::vector<std::string>& MessageTexts::keys() {
  static const std::vector<std::string> kKeys = {
      "Str020", "Str021", "Str022", "Str100", "Str101", "Str102",
      "Str103", "Str104", "Str105", "Str106", "Str107", "Str108",
  };
  return kKeys;
}

MessageTexts::MessageTexts(const LanguageTable& table) {
  for (const std::string& key : keys()) texts_[key] = table.text(key);
}

std::string MessageTexts::text(std::string_view key) const {
  const auto it = texts_.find(key);
  return it == texts_.end() ? std::string() : it->second;
}

}  // namespace mousecfg
