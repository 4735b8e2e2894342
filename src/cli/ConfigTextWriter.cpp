#include "cli/ConfigTextWriter.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <sstream>

#include "cli/ArgumentValues.h"
#include "cli/ConfigTextKeys.h"

namespace mousecfg {

namespace keys = config_keys;

std::string tomlQuoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (c == '\n') {
      quoted += "\\n";
    } else if (c == '\t') {
      quoted += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04X", byte);
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

namespace {

bool bareKey(std::string_view key) {
  if (key.empty()) return false;
  for (const char c : key)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-')) return false;
  return true;
}

std::string keyText(std::string_view key) {
  return bareKey(key) ? std::string(key) : tomlQuoted(key);
}

// A text of several lines as a literal block that reads as it stands; texts that a
// literal block cannot hold are quoted.
std::string blockText(const std::string& text) {
  bool literal = text.find("'''") == std::string::npos && !text.ends_with('\'');
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && c != '\n' && c != '\t') || byte == 0x7F || c == '\r') literal = false;
  }
  return literal ? "'''\n" + text + "'''" : tomlQuoted(text);
}

class Writer {
 public:
  explicit Writer(const ConfigText& config) : config_(config) {}

  std::string write(const std::vector<std::string>& heading) {
    for (const std::string& line : heading) out_ << "# " << line << '\n';
    out_ << keys::kFormat << " = " << ConfigText::kFormat << '\n';
    value(keys::kReportRate, config_.reportRateHz);
    writeButtons();
    writeDpi();
    writeLighting();
    writeFireKeys();
    writeTexts(keys::kGuns, config_.guns);
    writeTexts(keys::kMacros, config_.macros, config_.macrosGiven);
    writeSystem();
    writeTexts(keys::kVendor, config_.vendor);
    return out_.str();
  }

 private:
  void table(const std::string& name, const std::string& note = {}) {
    out_ << "\n[" << name << ']';
    if (!note.empty()) out_ << "  # " << note;
    out_ << '\n';
  }

  template <class T>
  static std::string shown(const T& value) {
    if constexpr (std::is_same_v<T, bool>)
      return value ? "true" : "false";
    else if constexpr (std::is_same_v<T, std::string>)
      return tomlQuoted(value);
    else if constexpr (std::is_same_v<T, uint32_t>)
      return tomlQuoted(colourText(value));
    else
      return std::to_string(value);
  }

  template <class T>
  void value(std::string_view key, const OptionalValue<T>& wanted) {
    if (!wanted) return;
    out_ << keyText(key) << " = " << shown(wanted->value);
    if (!wanted->note.empty()) out_ << "  # " << wanted->note;
    out_ << '\n';
  }

  void writeButtons() {
    for (int profile = 0; profile < ConfigText::kProfiles; ++profile) {
      const auto& buttons = config_.buttons[static_cast<size_t>(profile)];
      if (std::none_of(buttons.begin(), buttons.end(), [](const auto& b) { return b.has_value(); }))
        continue;
      table(std::string(keys::kButtons) + '.' + keys::profileTable(profile + 1));
      for (int button = 1; button <= ConfigText::kButtons; ++button)
        value(std::to_string(button), buttons[static_cast<size_t>(button - 1)]);
    }
  }

  void writeDpi() {
    const ConfigText::Dpi& dpi = config_.dpi;
    table(std::string(keys::kDpiTable));
    value(keys::kLevelsOn, dpi.levelsOn);
    value(keys::kActive, dpi.active);
    value(keys::kAimDpi, dpi.aimDpi);
    for (int level = 1; level <= ConfigText::kDpiLevels; ++level) {
      const ConfigText::DpiLevel& wanted = dpi.levels[static_cast<size_t>(level - 1)];
      if (!wanted.dpi && !wanted.colour) continue;
      out_ << keys::dpiLevelKey(level) << " = {";
      std::string separator = " ";
      if (wanted.dpi) {
        out_ << separator << keys::kDpi << " = " << wanted.dpi->value;
        separator = ", ";
      }
      if (wanted.colour) out_ << separator << keys::kColour << " = " << shown(wanted.colour->value);
      out_ << " }";
      if (wanted.dpi && !wanted.dpi->note.empty()) out_ << "  # " << wanted.dpi->note;
      out_ << '\n';
    }
  }

  void writeLighting() {
    const ConfigText::Lighting& lighting = config_.lighting;
    table(std::string(keys::kLighting));
    value(keys::kEffect, lighting.effect);
    value(keys::kSpeed, lighting.speed);
    value(keys::kFlowSpeed, lighting.flowSpeed);
    if (lighting.fullBrightness)
      out_ << keys::kBrightness << " = \""
           << (lighting.fullBrightness->value ? keys::kFull : keys::kHalf) << "\"\n";
    size_t given = 0;
    while (given < lighting.colours.size() && lighting.colours[given]) ++given;
    if (given == 0) return;
    out_ << keys::kColours << " = [\n";
    for (size_t slot = 0; slot < given; ++slot)
      out_ << "  " << shown(lighting.colours[slot]->value) << ",  # " << slot + 1 << '\n';
    out_ << "]\n";
  }

  void writeFireKeys() {
    for (int key = 1; key <= ConfigText::kFireKeys; ++key) {
      const ConfigText::FireKey& wanted = config_.fireKeys[static_cast<size_t>(key - 1)];
      if (!wanted.shots && !wanted.intervalMs && !wanted.continuous) continue;
      table(std::string(keys::kFire) + '.' + keys::fireKeyTable(key),
            wanted.shots ? wanted.shots->note : std::string());
      OptionalValue<int> shots = wanted.shots;
      if (shots) shots->note.clear();  // it heads the table
      value(keys::kShots, shots);
      value(keys::kIntervalMs, wanted.intervalMs);
      value(keys::kContinuous, wanted.continuous);
    }
  }

  void writeTexts(std::string_view name, const std::vector<NamedText>& texts,
                  bool evenEmpty = false) {
    if (texts.empty() && !evenEmpty) return;
    table(std::string(name));
    for (const NamedText& named : texts) {
      if (!named.text.note.empty()) out_ << "# " << named.text.note << '\n';
      const bool block = named.text.value.find('\n') != std::string::npos;
      out_ << keyText(named.name.value) << " = "
           << (block ? blockText(named.text.value) : tomlQuoted(named.text.value));
      if (!named.name.note.empty()) out_ << "  # " << named.name.note;
      out_ << '\n';
    }
  }

  void writeSystem() {
    const ConfigText::System& system = config_.system;
    if (!system.pointerSpeed && !system.enhancePrecision && !system.doubleClickSpeed &&
        !system.wheelLines && !system.oneScreenAtATime)
      return;
    table(std::string(keys::kSystem), "the PC's mouse settings, not the mouse's");
    value(keys::kPointerSpeed, system.pointerSpeed);
    value(keys::kEnhancePrecision, system.enhancePrecision);
    value(keys::kDoubleClickSpeed, system.doubleClickSpeed);
    value(keys::kWheelLines, system.wheelLines);
    value(keys::kOneScreenAtATime, system.oneScreenAtATime);
  }

  const ConfigText& config_;
  std::ostringstream out_;
};

}  // namespace

std::string writeConfigText(const ConfigText& config, const std::vector<std::string>& heading) {
  return Writer(config).write(heading);
}

}  // namespace mousecfg
