#include "base/LayoutFile.h"

#include <charconv>
#include <optional>

#include "base/GbkText.h"

namespace mousecfg {
namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

// The name inside "[name]" when the line is a section header.
std::optional<std::string_view> sectionName(std::string_view line) {
  if (line.empty() || line.front() != '[') return std::nullopt;
  const size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return trimmed(line.substr(1, close - 1));
}

bool parseDecimal(std::string_view text, int& value) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    // "+-5" must not slip through as -5.
    if (!text.empty() && text.front() == '-') return false;
  }
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc{} && stop == end;
}

}  // namespace

LayoutFile::LayoutFile(std::span<const uint8_t> bytes, std::string_view section)
    : LayoutFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                 section) {}

LayoutFile::LayoutFile(std::string_view bytes, std::string_view section) {
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  const std::string wanted = lowerAscii(trimmed(section));
  bool inSection = false;
  while (!bytes.empty()) {
    const size_t newline = bytes.find('\n');
    const std::string_view line = trimmed(bytes.substr(0, newline));
    bytes.remove_prefix(newline == std::string_view::npos ? bytes.size() : newline + 1);

    if (line.empty() || line.front() == ';') continue;
    if (const auto name = sectionName(line)) {
      inSection = lowerAscii(*name) == wanted;
      hasSection_ = hasSection_ || inSection;
      continue;
    }
    const size_t equals = line.find('=');
    if (!inSection || equals == std::string_view::npos) continue;
    const std::string_view key = trimmed(line.substr(0, equals));
    if (key.empty()) continue;
    values_.emplace(lowerAscii(key), std::string(trimmed(line.substr(equals + 1))));
  }
}

const std::string* LayoutFile::rawValue(std::string_view key) const {
  const auto found = values_.find(lowerAscii(key));
  return found == values_.end() ? nullptr : &found->second;
}

bool LayoutFile::contains(std::string_view key) const {
  return rawValue(key) != nullptr;
}

int LayoutFile::integer(std::string_view key, int fallback) const {
  const std::string* value = rawValue(key);
  int number = 0;
  if (value == nullptr || !parseDecimal(*value, number)) return fallback;
  return number;
}

bool LayoutFile::enabled(std::string_view key) const {
  const std::string* value = rawValue(key);
  return value != nullptr && *value == "1";
}

std::string LayoutFile::text(std::string_view key) const {
  const std::string* value = rawValue(key);
  return value == nullptr ? std::string() : decodeGbk(*value);
}

}  // namespace mousecfg
