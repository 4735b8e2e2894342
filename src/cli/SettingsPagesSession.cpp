#include "SettingsPagesSession.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "settings/DecimalField.h"
#include "settings/DpiSlider.h"

namespace mousecfg {

using namespace image;

SettingsPagesSession::SettingsPagesSession(std::ostream& err)
    : err_(err),
      session_(err),
      texts(LanguageTables::builtIn()),
      options(builtInProgramOptions()),
      rate(session_.link()),
      engineerDpi(session_.link(), rate),
      dpi(session_.link(), texts, options, engineerDpi, rate),
      engineerLed(session_.link()),
      lighting(session_.link(), options, engineerLed) {}

SettingsPagesSession::Snapshot SettingsPagesSession::workingCopies() {
  const ConfigImage& image = link().image;
  Snapshot copies{};
  const auto place = [&copies](const auto& section, size_t offset) {
    std::copy(section.begin(), section.end(), copies.begin() + static_cast<std::ptrdiff_t>(offset));
  };
  place(image.vendor, kVendorOffset);
  place(image.user, kUserOffset);
  place(image.profile1, kProfile1Offset);
  place(image.profile2, kProfile2Offset);
  place(image.patchRecord, kPatchRecordOffset);
  return copies;
}

int SettingsPagesSession::connect() {
  DeviceLink& device = link();
  device.channel.failedDataFrames = 0;
  if (const int status = session_.connect(true); status != kExitOk) return status;
  if (device.channel.failedDataFrames > 0 || !device.channel.isOpen()) {
    err_ << "mousectl: the mouse stopped answering while its configuration was read\n";
    return kExitNoDevice;
  }
  engineerDpi.refreshFromImage();
  dpi.refreshFromImage();
  engineerLed.refreshFromImage();
  lighting.refreshFromImage();
  connected_ = workingCopies();
  return kExitOk;
}

int SettingsPagesSession::verifyWritten() {
  const Snapshot now = workingCopies();
  if (now == connected_) return kExitOk;
  Snapshot stored{};
  DeviceLink& device = link();
  device.channel.failedDataFrames = 0;
  if (!device.channel.BlockRead(0, stored) || device.channel.failedDataFrames > 0) {
    err_ << "mousectl: the mouse did not answer after the change; it may not have taken it\n";
    return kExitNoDevice;
  }
  for (size_t at = 0; at < now.size(); ++at) {
    if (now[at] == connected_[at] || stored[at] == now[at]) continue;
    char detail[96];
    std::snprintf(detail, sizeof detail, "byte %zu holds 0x%02X instead of 0x%02X", at, stored[at],
                  now[at]);
    err_ << "mousectl: the mouse did not take the change: " << detail << '\n';
    return kExitNoDevice;
  }
  return kExitOk;
}

std::optional<uint32_t> parseColourArgument(std::string_view text) {
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  if (text.size() != 6) return std::nullopt;
  uint32_t rgb = 0;
  for (char c : text) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return std::nullopt;
    rgb = rgb << 4 | static_cast<uint32_t>(digit);
  }
  return rgb;
}

std::optional<int> parseNumberArgument(std::string_view text, int low, int high) {
  if (text.empty()) return std::nullopt;
  const std::optional<int64_t> value = readDecimalField(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<int> parseStepArgument(std::string_view text, int count,
                                     const LanguageTables& texts) {
  for (int step = 0; step < count; ++step)
    if (!text.empty() && stepText(step, texts) == text) return step;
  return parseNumberArgument(text, 0, count - 1);
}

std::string colourText(uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", rgb & 0xFFFFFF);
  return text;
}

}  // namespace mousecfg
