// The configuration text "mousectl import" reads, taken as it comes: any size, any
// bytes. A text over the size limit is refused unread; a refused text says why, naming
// a line of the text when it names one; an accepted text holds only values in their
// ranges, each on a line of the text, and its written form reads back as the same
// configuration, which writes the same text again.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "cli/ConfigText.h"
#include "cli/ConfigTextKeys.h"
#include "cli/ConfigTextReader.h"
#include "cli/ConfigTextWriter.h"
#include "settings/ButtonEntry.h"
#include "settings/FlowingLedBlock.h"
#include "settings/LightingPageState.h"
#include "settings/ReportRateControl.h"
#include "settings/SystemMouseLevels.h"
#include "support/PropertyCheck.h"
#include "support/Utf8.h"

namespace mousecfg {
namespace {

using fuzz::require;

int linesOf(std::string_view text) {
  return static_cast<int>(std::ranges::count(text, '\n')) + 1;
}

// Checks every value read: its line lies in the text and its value in its range.
class ValueCheck {
 public:
  explicit ValueCheck(int lines) : lines_(lines) {}

  template <class T>
  void located(const OptionalValue<T>& value) {
    if (value) require(value->line >= 1 && value->line <= lines_, "a value lies on a line");
  }
  void inRange(const OptionalValue<int>& value, int low, int high, std::string_view what) {
    located(value);
    if (value) require(value->value >= low && value->value <= high, what);
  }
  void colour(const OptionalValue<uint32_t>& value) {
    located(value);
    if (value) require(value->value <= 0xFFFFFF, "a colour is RRGGBB");
  }
  void text(const OptionalValue<std::string>& value) {
    located(value);
    if (value) require(fuzz::isValidUtf8(value->value), "a text is valid UTF-8");
  }
  void namedTexts(const std::vector<NamedText>& texts) {
    for (size_t i = 0; i < texts.size(); ++i) {
      require(fuzz::isValidUtf8(texts[i].name.value) && fuzz::isValidUtf8(texts[i].text.value),
              "names and texts are valid UTF-8");
      require(texts[i].name.line >= 1 && texts[i].name.line <= lines_, "a name lies on a line");
      require(texts[i].text.line >= 1 && texts[i].text.line <= lines_, "a text lies on a line");
      for (size_t k = 0; k < i; ++k)
        require(texts[k].name.value != texts[i].name.value, "a name is given once");
    }
  }

 private:
  int lines_;
};

void checkButtons(const ConfigText& config, ValueCheck& check) {
  for (const auto& profile : config.buttons)
    for (const auto& button : profile) check.text(button);
}

void checkDpi(const ConfigText::Dpi& dpi, ValueCheck& check) {
  check.inRange(dpi.levelsOn, 1, ConfigText::kDpiLevels, "levels_on is 1..8");
  check.inRange(dpi.active, 1, ConfigText::kDpiLevels, "active is 1..8");
  check.inRange(dpi.aimDpi, 1, config_keys::kMaxDpi, "aim_dpi is a positive DPI");
  for (const ConfigText::DpiLevel& level : dpi.levels) {
    check.inRange(level.dpi, 1, config_keys::kMaxDpi, "a level's dpi is a positive DPI");
    check.colour(level.colour);
  }
}

void checkLighting(const ConfigText::Lighting& lighting, ValueCheck& check) {
  check.text(lighting.effect);
  check.inRange(lighting.speed, 1, LightingPageState::kSpeeds, "speed is 1..10");
  check.inRange(lighting.flowSpeed, 0, kFlowSpeedSteps - 1, "flow_speed is 0..7");
  check.located(lighting.fullBrightness);
  const auto firstUnset = std::ranges::find_if(
      lighting.colours, [](const OptionalValue<uint32_t>& colour) { return !colour; });
  require(std::none_of(firstUnset, lighting.colours.end(),
                       [](const OptionalValue<uint32_t>& colour) { return colour.has_value(); }),
          "the colours given fill the first slots");
  for (const auto& colour : lighting.colours) check.colour(colour);
}

void checkFireKeys(const ConfigText& config, ValueCheck& check) {
  for (const ConfigText::FireKey& key : config.fireKeys) {
    // What an entry can hold; the comparison with the mouse narrows a change further.
    check.inRange(key.shots, 0, entry::kMaxFireCount, "shots is 0..15");
    check.inRange(key.intervalMs, 0, std::numeric_limits<uint16_t>::max(),
                  "interval_ms is 0..65535");
    check.located(key.continuous);
  }
}

void checkSystem(const ConfigText::System& system, ValueCheck& check) {
  const int low = systemmouse::kMinLevel;
  const int high = systemmouse::kMaxLevel;
  check.inRange(system.pointerSpeed, low, high, "pointer_speed is 1..11");
  check.inRange(system.doubleClickSpeed, low, high, "double_click_speed is 1..11");
  check.inRange(system.wheelLines, low, high, "wheel_lines is 1..11");
  check.located(system.enhancePrecision);
  check.located(system.oneScreenAtATime);
}

void checkValues(const ConfigText& config, int lines) {
  ValueCheck check(lines);
  checkButtons(config, check);
  checkDpi(config.dpi, check);
  check.located(config.reportRateHz);
  if (config.reportRateHz)
    require(std::ranges::find(ReportRateControl::kRateHertz, config.reportRateHz->value) !=
                ReportRateControl::kRateHertz.end(),
            "report_rate is one of the mouse's rates");
  checkLighting(config.lighting, check);
  checkFireKeys(config, check);
  check.namedTexts(config.guns);
  check.namedTexts(config.macros);
  checkSystem(config.system, check);
  check.namedTexts(config.vendor);
}

void checkRefused(const ConfigTextRead& read, std::string_view text) {
  require(!read.error.empty(), "a refused text says why");
  require(read.line >= 0 && read.line <= linesOf(text) + 1, "a mistake's line is in the text");
  if (read.line > 0)
    require(read.error.starts_with("line " + std::to_string(read.line) + ": "),
            "a mistake on a line starts with \"line N: \"");
}

void checkRoundTrip(const ConfigText& config) {
  const std::string written = writeConfigText(config, {});
  const ConfigTextRead again = readConfigText(written);
  require(again.ok(), "a written configuration reads back");
  checkValues(*again.config, linesOf(written));
  require(writeConfigText(*again.config, {}) == written,
          "a written configuration reads back as the same values");
}

// The input behind a mass of comment lines that takes the text one byte over the limit.
void checkOverLimit(std::string_view text) {
  static std::string padded(kMaxConfigTextBytes + 1, '\n');
  std::copy(text.begin(), text.end(), padded.begin());
  const ConfigTextRead read = readConfigText(padded);
  std::fill_n(padded.begin(), text.size(), '\n');
  require(!read.ok() && read.line == 0 && !read.error.empty(),
          "a text over the limit is refused without a line");
}

}  // namespace
}  // namespace mousecfg

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mousecfg;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ConfigTextRead read = readConfigText(text);
  if (read.ok()) {
    require(read.error.empty() && read.line == 0, "an accepted text has no mistake");
    checkValues(*read.config, linesOf(text));
    checkRoundTrip(*read.config);
  } else {
    checkRefused(read, text);
  }
  if (size <= kMaxConfigTextBytes) checkOverLimit(text);
  return 0;
}
