#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mousecfg {

// One value of the readable configuration, with the line it stood on in the file (0
// when it was not read from a file) and, when written, a comment for the reader.
template <class T>
struct ConfigValue {
  T value{};
  int line = 0;
  std::string note;
};

template <class T>
using OptionalValue = std::optional<ConfigValue<T>>;

// A named text of the configuration: a gun preset or a device macro in the readable
// macro text, or a vendor field as the engineer page shows it.
struct NamedText {
  ConfigValue<std::string> name;
  ConfigValue<std::string> text;
};

// The readable configuration: everything a user sets, by name. Every value is
// optional, so that a file may hold only what it means to change; the mouse keeps
// the rest.
struct ConfigText {
  static constexpr int kFormat = 1;
  static constexpr int kProfiles = 2;
  static constexpr int kButtons = 12;
  static constexpr int kDpiLevels = 8;
  static constexpr int kLightingSlots = 10;
  static constexpr int kFireKeys = 3;

  // Button functions: a function menu text ("Volume +"), a macro or gun name, or the
  // raw entry as 8 hexadecimal digits.
  std::array<std::array<OptionalValue<std::string>, kButtons>, kProfiles> buttons;

  struct DpiLevel {
    OptionalValue<int> dpi;  // the step's DPI value
    OptionalValue<uint32_t> colour;
  };
  struct Dpi {
    OptionalValue<int> levelsOn;
    OptionalValue<int> active;
    OptionalValue<int> aimDpi;
    std::array<DpiLevel, kDpiLevels> levels;
  } dpi;

  OptionalValue<int> reportRateHz;

  struct Lighting {
    OptionalValue<std::string> effect;
    OptionalValue<int> speed;
    OptionalValue<int> flowSpeed;
    OptionalValue<bool> fullBrightness;
    std::array<OptionalValue<uint32_t>, kLightingSlots> colours;
  } lighting;

  struct FireKey {
    OptionalValue<int> shots;
    OptionalValue<int> intervalMs;
    OptionalValue<bool> continuous;
  };
  std::array<FireKey, kFireKeys> fireKeys;

  std::vector<NamedText> guns;  // by gun name, the preset as readable text
  // By macro name, its events as readable text. A [macros] table, even an empty one,
  // is the whole list of the mouse's macros.
  std::vector<NamedText> macros;
  bool macrosGiven = false;
  int macrosLine = 0;  // of the [macros] table

  struct System {
    OptionalValue<int> pointerSpeed;
    OptionalValue<bool> enhancePrecision;
    OptionalValue<int> doubleClickSpeed;
    OptionalValue<int> wheelLines;
    OptionalValue<bool> oneScreenAtATime;
  } system;

  std::vector<NamedText> vendor;  // by control name, the field's text
};

}  // namespace mousecfg
