#include "cli/ArgumentValues.h"

#include "base/HexText.h"
#include "settings/DecimalField.h"
#include "settings/DpiSlider.h"

namespace mousecfg {

std::optional<uint32_t> parseColourArgument(std::string_view text) {
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  if (text.size() != 6) return std::nullopt;
  return readHexDigits(text);
}

std::optional<int> parseNumberArgument(std::string_view text, int low, int high) {
  if (text.empty()) return std::nullopt;
  const std::optional<int64_t> value = readDecimalField(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<int> parseSignedArgument(std::string_view text, int low, int high) {
  if (!text.starts_with('-')) return parseNumberArgument(text, low, high);
  const std::optional<int> magnitude = parseNumberArgument(text.substr(1), 0, -low);
  if (!magnitude || -*magnitude > high) return std::nullopt;
  return -*magnitude;
}

std::optional<bool> parseOnOffArgument(std::string_view text) {
  if (text == "on") return true;
  if (text == "off") return false;
  return std::nullopt;
}

std::optional<int> parseStepArgument(std::string_view text, int count,
                                     const LanguageTables& texts) {
  for (int step = 0; step < count; ++step)
    if (!text.empty() && stepText(step, texts) == text) return step;
  return parseNumberArgument(text, 0, count - 1);
}

std::string colourText(uint32_t rgb) {
  return hexDigits(rgb & 0xFFFFFF, 6);
}

std::string usbIdText(int id) {
  return hexDigits(static_cast<uint32_t>(id), 4, HexLetters::Lower);
}

}  // namespace mousecfg
