#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "CliSession.h"
#include "app/LanguageTables.h"
#include "app/ProgramOptions.h"
#include "engineer/EngineerDpiState.h"
#include "engineer/EngineerLedState.h"
#include "settings/DpiPageState.h"
#include "settings/LightingPageState.h"
#include "settings/ReportRateControl.h"

namespace mousecfg {

// The Advanced and Breathing Light pages as mousectl runs them: the page states of the
// window, on a mouse whose configuration was read, changed through the same handlers.
class SettingsPagesSession {
 public:
  explicit SettingsPagesSession(std::ostream& err);

  // Connects, reads the configuration and shows it on the pages; an exit status.
  int connect();
  // Reads the stored block back and checks that every byte the handlers changed in the
  // working copies since connect() reached the mouse; an exit status.
  int verifyWritten();

  DeviceLink& link() { return session_.link(); }
  std::string text(std::string_view key) const { return texts.text(key); }

 private:
  using Snapshot = std::array<uint8_t, 1024>;
  Snapshot workingCopies();

  std::ostream& err_;
  CliSession session_;

 public:
  const LanguageTables texts;
  const ProgramOptions options;
  ReportRateControl rate;
  EngineerDpiState engineerDpi;
  DpiPageState dpi;
  EngineerLedState engineerLed;
  LightingPageState lighting;

 private:
  Snapshot connected_{};
};

// "FF7F00" or "#FF7F00" as 0xFF7F00.
std::optional<uint32_t> parseColourArgument(std::string_view text);
// A whole decimal number within [low, high].
std::optional<int> parseNumberArgument(std::string_view text, int low, int high);
// A DPI step given as its number (0..count-1) or as its DPI text ("1600").
std::optional<int> parseStepArgument(std::string_view text, int count, const LanguageTables& texts);
// "FF7F00".
std::string colourText(uint32_t rgb);

}  // namespace mousecfg
