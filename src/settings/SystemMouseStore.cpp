#include "settings/SystemMouseStore.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <span>

#include "base/WholeFile.h"
#include "settings/SystemMouseLevels.h"

namespace mousecfg {

using namespace systemmouse;

namespace {

struct KnownValue {
  std::string_view key;
  std::string_view name;
};

// In the order the file lists them.
constexpr std::array<KnownValue, 6> kKnownValues{{
    {kMouseKey, kMouseSensitivity},
    {kMouseKey, kMouseSpeed},
    {kMouseKey, kMouseThreshold1},
    {kMouseKey, kMouseThreshold2},
    {kMouseKey, kDoubleClickSpeed},
    {kDesktopKey, kWheelScrollLines},
}};

constexpr size_t kMaxValueLength = 32;

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

const KnownValue* findKnown(std::string_view key, std::string_view name) {
  for (const KnownValue& known : kKnownValues)
    if (sameIgnoringCase(known.key, key) && sameIgnoringCase(known.name, name)) return &known;
  return nullptr;
}

std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool isPlainText(std::string_view text) {
  return text.size() <= kMaxValueLength &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

}  // namespace

std::string SystemMouseStore::defaultPath(const Environment& environment) {
  namespace fs = std::filesystem;
  fs::path folder;
  const std::optional<std::string> configHome = environment("XDG_CONFIG_HOME");
  if (configHome && fs::path(*configHome).is_absolute()) {
    folder = *configHome;
  } else if (const std::optional<std::string> home = environment("HOME"); home && !home->empty()) {
    folder = fs::path(*home) / ".config";
  } else {
    return {};
  }
  return (folder / "mousecfg" / kFileName).string();
}

bool SystemMouseStore::load() {
  values_.clear();
  if (path_.empty()) return false;
  const FileContents file = readWholeFile(path_, kMaxFileBytes);
  if (!file.ok) return false;
  parse(std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
  return true;
}

void SystemMouseStore::parse(std::string_view text) {
  values_.clear();
  std::string_view key;
  bool inKey = false;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      inKey = close != std::string_view::npos;
      if (inKey) key = trimmed(line.substr(1, close - 1));
      continue;
    }
    const size_t equals = line.find('=');
    if (!inKey || equals == std::string_view::npos) continue;
    const std::string_view value = trimmed(line.substr(equals + 1));
    if (isPlainText(value)) setValue(key, trimmed(line.substr(0, equals)), std::string(value));
  }
}

std::optional<std::string> SystemMouseStore::value(std::string_view key,
                                                   std::string_view name) const {
  const KnownValue* known = findKnown(key, name);
  if (!known) return std::nullopt;
  const auto found = values_.find({std::string(known->key), std::string(known->name)});
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

void SystemMouseStore::setValue(std::string_view key, std::string_view name, std::string text) {
  const KnownValue* known = findKnown(key, name);
  if (!known || !isPlainText(text)) return;
  values_[{std::string(known->key), std::string(known->name)}] = std::move(text);
}

std::string SystemMouseStore::text() const {
  std::string text = "; The system mouse settings of mousecfg, rewritten on every change.\n";
  std::string_view currentKey;
  for (const KnownValue& known : kKnownValues) {
    const std::optional<std::string> stored = value(known.key, known.name);
    if (!stored) continue;
    if (known.key != currentKey) {
      text += '[';
      text += known.key;
      text += "]\n";
      currentKey = known.key;
    }
    text += known.name;
    text += '=';
    text += *stored;
    text += '\n';
  }
  return text;
}

std::string SystemMouseStore::save() const {
  if (path_.empty())
    return "no folder for the settings file (neither XDG_CONFIG_HOME nor HOME is set)";
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  if (error) return "cannot create " + folder.string() + ": " + error.message();
  const std::string contents = text();
  const FileWritten written = writeWholeFile(
      path_, std::span(reinterpret_cast<const uint8_t*>(contents.data()), contents.size()));
  return written.error;
}

}  // namespace mousecfg
