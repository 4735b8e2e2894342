#include "cli/ConfigTextReader.h"

#include <toml++/toml.h>
#include <algorithm>
#include <functional>
#include <limits>

#include "cli/ArgumentValues.h"
#include "cli/ConfigTextKeys.h"
#include "fire/FireKeyState.h"
#include "settings/ButtonEntry.h"
#include "settings/FlowingLedBlock.h"
#include "settings/LightingPageState.h"
#include "settings/ReportRateControl.h"
#include "settings/SystemMouseLevels.h"

namespace mousecfg {

namespace {

namespace keys = config_keys;

int lineOf(const toml::source_region& region) {
  return static_cast<int>(region.begin.line);
}

// Reads one parsed document into the configuration, stopping at the first mistake.
class Reader {
 public:
  explicit Reader(std::string_view source) : source_(source) {}

  ConfigTextRead read(const toml::table& document) {
    readDocument(document);
    ConfigTextRead result;
    if (error_.empty())
      result.config = std::move(config_);
    else
      result = {std::nullopt, line_, "line " + std::to_string(line_) + ": " + error_};
    return result;
  }

 private:
  using KeyHandler = std::function<bool(const std::string& key, const toml::node& value)>;

  bool failed() const { return !error_.empty(); }
  void fail(int line, std::string message) {
    if (failed()) return;
    line_ = line;
    error_ = std::move(message);
  }

  // Runs `handler` on every key of the table; a key it does not know is a mistake.
  void eachKey(const toml::table& table, const std::string& where, const KeyHandler& handler) {
    for (auto&& [key, value] : table) {
      if (failed()) return;
      const std::string name(key.str());
      if (!handler(name, value))
        fail(lineOf(key.source()), "unknown key \"" + name + "\" in " + where);
    }
  }

  const toml::table* tableOf(const toml::node& node, const std::string& what) {
    const toml::table* table = node.as_table();
    if (!table) fail(lineOf(node.source()), what + " must be a table");
    return table;
  }

  template <class T>
  ConfigValue<T> located(const toml::node& node, T value) {
    return {std::move(value), lineOf(node.source()), {}};
  }

  OptionalValue<int> integer(const toml::node& node, const std::string& what, int low, int high) {
    const auto* number = node.as_integer();
    if (!number) {
      fail(lineOf(node.source()), what + " must be a whole number");
      return std::nullopt;
    }
    const int64_t value = number->get();
    if (value < low || value > high) {
      fail(lineOf(node.source()), what + " must be " + std::to_string(low) + ".." +
                                      std::to_string(high) + ", not " + std::to_string(value));
      return std::nullopt;
    }
    return located(node, static_cast<int>(value));
  }

  OptionalValue<bool> boolean(const toml::node& node, const std::string& what) {
    const auto* flag = node.as_boolean();
    if (!flag) {
      fail(lineOf(node.source()), what + " must be true or false");
      return std::nullopt;
    }
    return located(node, flag->get());
  }

  OptionalValue<std::string> text(const toml::node& node, const std::string& what) {
    const auto* string = node.as_string();
    if (!string) {
      fail(lineOf(node.source()), what + " must be a text in quotes");
      return std::nullopt;
    }
    return located(node, string->get());
  }

  OptionalValue<uint32_t> colour(const toml::node& node, const std::string& what) {
    const OptionalValue<std::string> written = text(node, what);
    if (!written) return std::nullopt;
    const std::optional<uint32_t> rgb = parseColourArgument(written->value);
    if (!rgb) {
      fail(written->line,
           what + " must be six hexadecimal digits RRGGBB, not \"" + written->value + '"');
      return std::nullopt;
    }
    return ConfigValue<uint32_t>{*rgb, written->line, {}};
  }

  // A multi-line text starts on the line after its opening quotes.
  int firstTextLine(const toml::node& node) const {
    const int line = lineOf(node.source());
    size_t at = 0;
    for (int n = 1; n < line && at != std::string_view::npos; ++n) {
      at = source_.find('\n', at);
      if (at != std::string_view::npos) ++at;
    }
    if (at == std::string_view::npos) return line;
    // Columns count characters, not bytes: step over the continuation bytes of UTF-8.
    for (auto column = node.source().begin.column; column > 1 && at < source_.size(); --column) do
        ++at;
      while (at < source_.size() && (static_cast<unsigned char>(source_[at]) & 0xC0) == 0x80);
    const std::string_view rest = source_.substr(std::min(at, source_.size()));
    const bool multiLine = rest.starts_with("'''\n") || rest.starts_with("\"\"\"\n") ||
                           rest.starts_with("'''\r\n") || rest.starts_with("\"\"\"\r\n");
    return multiLine ? line + 1 : line;
  }

  void readNamedTexts(const toml::node& node, const std::string& where,
                      std::vector<NamedText>& texts) {
    const toml::table* table = tableOf(node, where);
    if (!table) return;
    for (auto&& [key, value] : *table) {
      const std::string name(key.str());
      OptionalValue<std::string> written = text(value, where + " \"" + name + '"');
      if (failed()) return;
      written->line = firstTextLine(value);
      texts.push_back({{name, lineOf(key.source()), {}}, std::move(*written)});
    }
  }

  void readMacros(const toml::node& node) {
    config_.macrosGiven = true;
    config_.macrosLine = lineOf(node.source());
    readNamedTexts(node, "[macros]", config_.macros);
  }

  void readButtons(const toml::node& node) {
    const toml::table* table = tableOf(node, "[buttons]");
    if (!table) return;
    eachKey(*table, "[buttons]", [this](const std::string& key, const toml::node& profile) {
      for (int p = 0; p < ConfigText::kProfiles; ++p)
        if (key == keys::profileTable(p + 1)) {
          readProfile(profile, p);
          return true;
        }
      return false;
    });
  }

  void readProfile(const toml::node& node, int profile) {
    const std::string where = "[buttons." + keys::profileTable(profile + 1) + ']';
    const toml::table* table = tableOf(node, where);
    if (!table) return;
    eachKey(*table, where, [&](const std::string& key, const toml::node& value) {
      const std::optional<int> button = parseNumberArgument(key, 1, ConfigText::kButtons);
      if (!button || key != std::to_string(*button)) return false;
      config_.buttons[static_cast<size_t>(profile)][static_cast<size_t>(*button - 1)] =
          text(value, "button " + key);
      return true;
    });
  }

  void readDpiLevel(const toml::node& node, int level) {
    const std::string where = "DPI level " + std::to_string(level);
    const toml::table* table = tableOf(node, where);
    if (!table) return;
    ConfigText::DpiLevel& wanted = config_.dpi.levels[static_cast<size_t>(level - 1)];
    eachKey(*table, where, [&](const std::string& key, const toml::node& value) {
      if (key == keys::kDpi)
        wanted.dpi = integer(value, where + "'s dpi", 1, keys::kMaxDpi);
      else if (key == keys::kColour)
        wanted.colour = colour(value, where + "'s colour");
      else
        return false;
      return true;
    });
  }

  void readDpi(const toml::node& node) {
    const toml::table* table = tableOf(node, "[dpi]");
    if (!table) return;
    ConfigText::Dpi& dpi = config_.dpi;
    eachKey(*table, "[dpi]", [&](const std::string& key, const toml::node& value) {
      if (key == keys::kLevelsOn) {
        dpi.levelsOn = integer(value, key, 1, ConfigText::kDpiLevels);
      } else if (key == keys::kActive) {
        dpi.active = integer(value, key, 1, ConfigText::kDpiLevels);
      } else if (key == keys::kAimDpi) {
        dpi.aimDpi = integer(value, key, 1, keys::kMaxDpi);
      } else {
        for (int level = 1; level <= ConfigText::kDpiLevels; ++level)
          if (key == keys::dpiLevelKey(level)) {
            readDpiLevel(value, level);
            return true;
          }
        return false;
      }
      return true;
    });
  }

  void readColours(const toml::node& node, ConfigText::Lighting& lighting) {
    const toml::array* array = node.as_array();
    if (!array || array->size() > static_cast<size_t>(ConfigText::kLightingSlots)) {
      fail(lineOf(node.source()), "colours must be a list of at most 10 colours");
      return;
    }
    for (size_t slot = 0; slot < array->size() && !failed(); ++slot)
      lighting.colours[slot] = colour((*array)[slot], "colour " + std::to_string(slot + 1));
  }

  void readLighting(const toml::node& node) {
    const toml::table* table = tableOf(node, "[lighting]");
    if (!table) return;
    ConfigText::Lighting& lighting = config_.lighting;
    eachKey(*table, "[lighting]", [&](const std::string& key, const toml::node& value) {
      if (key == keys::kEffect) {
        // The effect's number may be given as a number, too.
        if (const auto* number = value.as_integer())
          lighting.effect = located(value, std::to_string(number->get()));
        else
          lighting.effect = text(value, key);
      } else if (key == keys::kSpeed) {
        lighting.speed = integer(value, key, 1, LightingPageState::kSpeeds);
      } else if (key == keys::kFlowSpeed) {
        lighting.flowSpeed = integer(value, key, 0, kFlowSpeedSteps - 1);
      } else if (key == keys::kBrightness) {
        const OptionalValue<std::string> written = text(value, key);
        if (written && written->value != keys::kFull && written->value != keys::kHalf)
          fail(written->line, "brightness is \"full\" or \"half\", not \"" + written->value + '"');
        if (written) lighting.fullBrightness = {written->value == keys::kFull, written->line, {}};
      } else if (key == keys::kColours) {
        readColours(value, lighting);
      } else {
        return false;
      }
      return true;
    });
  }

  void readFireKey(const toml::node& node, int key) {
    const std::string where = "[fire." + keys::fireKeyTable(key) + ']';
    const toml::table* table = tableOf(node, where);
    if (!table) return;
    ConfigText::FireKey& wanted = config_.fireKeys[static_cast<size_t>(key - 1)];
    eachKey(*table, where, [&](const std::string& name, const toml::node& value) {
      // The ranges an entry can hold; what a change may set is checked against the mouse.
      if (name == keys::kShots)
        wanted.shots = integer(value, name, 0, entry::kMaxFireCount);
      else if (name == keys::kIntervalMs)
        wanted.intervalMs = integer(value, name, 0, std::numeric_limits<uint16_t>::max());
      else if (name == keys::kContinuous)
        wanted.continuous = boolean(value, name);
      else
        return false;
      return true;
    });
  }

  void readFire(const toml::node& node) {
    const toml::table* table = tableOf(node, "[fire]");
    if (!table) return;
    eachKey(*table, "[fire]", [this](const std::string& name, const toml::node& value) {
      for (int key = 1; key <= ConfigText::kFireKeys; ++key)
        if (name == keys::fireKeyTable(key)) {
          readFireKey(value, key);
          return true;
        }
      return false;
    });
  }

  void readSystem(const toml::node& node) {
    const toml::table* table = tableOf(node, "[system]");
    if (!table) return;
    ConfigText::System& system = config_.system;
    const int low = systemmouse::kMinLevel;
    const int high = systemmouse::kMaxLevel;
    eachKey(*table, "[system]", [&](const std::string& key, const toml::node& value) {
      if (key == keys::kPointerSpeed)
        system.pointerSpeed = integer(value, key, low, high);
      else if (key == keys::kEnhancePrecision)
        system.enhancePrecision = boolean(value, key);
      else if (key == keys::kDoubleClickSpeed)
        system.doubleClickSpeed = integer(value, key, low, high);
      else if (key == keys::kWheelLines)
        system.wheelLines = integer(value, key, low, high);
      else if (key == keys::kOneScreenAtATime)
        system.oneScreenAtATime = boolean(value, key);
      else
        return false;
      return true;
    });
  }

  void readReportRate(const toml::node& node) {
    const OptionalValue<int> rate = integer(node, std::string(keys::kReportRate), 1, 1000000);
    if (!rate) return;
    if (std::ranges::find(ReportRateControl::kRateHertz, rate->value) ==
        ReportRateControl::kRateHertz.end()) {
      fail(rate->line,
           "report_rate is one of 125, 250, 500 and 1000, not " + std::to_string(rate->value));
      return;
    }
    config_.reportRateHz = rate;
  }

  void readFormat(const toml::node& node) {
    const OptionalValue<int> format = integer(node, std::string(keys::kFormat), 1, 1000000);
    if (format && format->value != ConfigText::kFormat)
      fail(format->line, "this mousectl reads format " + std::to_string(ConfigText::kFormat) +
                             ", not " + std::to_string(format->value));
  }

  void readDocument(const toml::table& document) {
    eachKey(document, "the file", [this](const std::string& key, const toml::node& value) {
      if (key == keys::kFormat)
        readFormat(value);
      else if (key == keys::kReportRate)
        readReportRate(value);
      else if (key == keys::kButtons)
        readButtons(value);
      else if (key == keys::kDpiTable)
        readDpi(value);
      else if (key == keys::kLighting)
        readLighting(value);
      else if (key == keys::kFire)
        readFire(value);
      else if (key == keys::kGuns)
        readNamedTexts(value, "[guns]", config_.guns);
      else if (key == keys::kMacros)
        readMacros(value);
      else if (key == keys::kSystem)
        readSystem(value);
      else if (key == keys::kVendor)
        readNamedTexts(value, "[vendor]", config_.vendor);
      else
        return false;
      return true;
    });
  }

  std::string_view source_;
  ConfigText config_;
  int line_ = 0;
  std::string error_;
};

}  // namespace

ConfigTextRead readConfigText(std::string_view text) {
  if (text.size() > kMaxConfigTextBytes)
    return {std::nullopt, 0, "the file is larger than a configuration can be (1 MiB)"};
  try {
    const toml::table document = toml::parse(text);
    return Reader(text).read(document);
  } catch (const toml::parse_error& error) {
    const int line = lineOf(error.source());
    return {std::nullopt, line,
            "line " + std::to_string(line) + ": " + std::string(error.description())};
  }
}

}  // namespace mousecfg
