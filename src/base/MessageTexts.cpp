#include "base/MessageTexts.h"

#include "base/LanguageKeys.h"

namespace mousecfg {

const std::vector<std::string>& MessageTexts::keys() {
  using namespace langkey::message;
  static const std::vector<std::string> kKeys = {
      kSelectModeSwitchKey, kSelectResetKey,    kDeviceNotFound, kNoDeviceFound,
      kCheckUsbPort,        kDataFileTypeError, kMacroTooLong,   kMemoryFull,
      kSelectAimKey,        kMacroExists,       kForeignIds,     kKeepLeftKey,
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
