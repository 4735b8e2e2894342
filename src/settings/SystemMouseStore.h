#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace mousecfg {

// The program's own copy of the system mouse settings: keys ("Control Panel\Mouse")
// holding named text values ("MouseSensitivity" = "10"), the way the desktop store
// they stand for keeps them. Kept in an INI-like text file:
//
//   [Control Panel\Mouse]
//   MouseSensitivity=10
//
// Reading never trusts the file: a missing, oversized or unreadable file gives no
// values, lines that are not "[key]" or "name=value" are skipped, values with control
// or non-ASCII characters are dropped, and only the known names are kept. Keys and
// names match without regard to ASCII case. The file is written whole.
class SystemMouseStore {
 public:
  static constexpr size_t kMaxFileBytes = 64 * 1024;
  static constexpr std::string_view kFileName = "system-mouse.ini";

  // An empty path keeps the values in memory only.
  explicit SystemMouseStore(std::string path = {}) : path_(std::move(path)) {}

  // $XDG_CONFIG_HOME/mousecfg/system-mouse.ini, or ~/.config/... when XDG_CONFIG_HOME is
  // unset or not absolute; empty when neither is known.
  using Environment = std::function<std::optional<std::string>(const char* name)>;
  static std::string defaultPath(const Environment& environment);

  const std::string& path() const { return path_; }

  // Replaces the values with the file's; false when there was no readable file.
  bool load();
  // Writes every value; empty on success, else the reason. Nothing is written when it
  // fails, and the values stay as they are.
  std::string save() const;

  std::optional<std::string> value(std::string_view key, std::string_view name) const;
  // Known names only; anything else is ignored.
  void setValue(std::string_view key, std::string_view name, std::string text);
  void clear() { values_.clear(); }

  // The file's text for the current values, and the values of a text.
  std::string text() const;
  void parse(std::string_view text);

 private:
  std::string path_;
  // Canonical key and name -> value.
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace mousecfg
