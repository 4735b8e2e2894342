#include "fire/FireKeyState.h"

#include <algorithm>
#include <limits>

#include "base/LanguageKeys.h"
#include "base/LanguageTables.h"
#include "base/WindowControls.h"
#include "device/DeviceLink.h"
#include "settings/ButtonAssignment.h"
#include "settings/DecimalField.h"
#include "settings/KeyTables.h"

namespace mousecfg {

namespace {

size_t at(int key) {
  return static_cast<size_t>(key - 1);
}

bool isKey(int key) {
  return key >= 1 && key <= FireKeyState::kKeys;
}

std::string digitsOf(std::string_view typed) {
  std::string digits;
  std::copy_if(typed.begin(), typed.end(), std::back_inserter(digits),
               [](char c) { return c >= '0' && c <= '9'; });
  return digits;
}

int64_t numberOf(const std::string& digits) {
  return readDecimalField(digits).value_or(0);
}

// A count the entries can hold; a field that shows 0 or nothing still encodes a shot.
int countOf(int64_t typed) {
  return static_cast<int>(std::clamp<int64_t>(typed, entry::kMinFireCount, entry::kMaxFireCount));
}

int intervalOf(int64_t typed) {
  return static_cast<int>(std::clamp<int64_t>(typed, 0, FireKeyState::kMaxInterval));
}

}  // namespace

FireKeyState::FireKeyState(DeviceLink& link, ButtonAssignment& assignment,
                           const LanguageTables& languages)
    : link_(link), assignment_(assignment), languages_(languages) {}

std::string FireKeyState::continuousPicture(int key) const {
  return std::string(isKey(key) && fields[at(key)].continuous ? kPictureTicked : kPictureUnticked);
}

std::string FireKeyState::keyName(int key) const {
  return languages_.text(langkey::keyAfter(langkey::menu::kFireKey1, key - 1));
}

bool FireKeyState::handlersBlocked() const {
  return link_.batchFlag() || link_.refreshingFlag();
}

void FireKeyState::FKCntChange(int key, std::string_view typed) {
  if (!isKey(key)) return;
  std::string text = digitsOf(typed);
  if (text.empty())
    text = kDefaultRepeat;
  else if (numberOf(text) > entry::kMaxFireCount)
    text = std::to_string(entry::kMaxFireCount);
  fields[at(key)].repeatText = text;
  SettingFireKey();
}

void FireKeyState::FKCntExit(int key) {
  if (!isKey(key) || numberOf(fields[at(key)].repeatText) >= 2) return;
  fields[at(key)].repeatText = kDefaultRepeat;
  SettingFireKey();
}

void FireKeyState::FKDelayChange(int key, std::string_view typed) {
  if (!isKey(key)) return;
  std::string text = digitsOf(typed);
  const int64_t value = numberOf(text);
  if (value <= 0)
    text = kMinInterval;
  else if (value > kMaxInterval)
    text = std::to_string(kMaxInterval);
  fields[at(key)].intervalText = text;
  SettingFireKey();
}

void FireKeyState::FKContinueClick(int key) {
  if (!isKey(key) || busy || handlersBlocked()) return;
  const ScopedFlag busyWhile(busy, true, false);
  const ScopedFlag coverWhile(coverVisible, true, false);
  fields[at(key)].continuous = !fields[at(key)].continuous;
  SettingFireKey();
}

void FireKeyState::TLFireCountChange(int key, int index) {
  if (!isKey(key) || index < 0 || index >= entry::kMaxFireCount) return;
  engineer[at(key)].countIndex = index;
  TLSettingFireKey();
}

void FireKeyState::TLFireTimeChange(int key, std::string_view typed) {
  if (!isKey(key)) return;
  std::string text = digitsOf(typed);
  if (numberOf(text) > kMaxInterval) text = std::to_string(kMaxInterval);
  engineer[at(key)].timeText = text;
  TLSettingFireKey();
}

void FireKeyState::TLFireContinueClick(int key) {
  if (!isKey(key) || handlersBlocked()) return;
  engineer[at(key)].continuous = !engineer[at(key)].continuous;
  TLSettingFireKey();
}

FireKeySetting FireKeyState::shownSetting(int key) const {
  const FireKeyFields& shown = fields[static_cast<size_t>(key - 1)];
  const auto number = [](const std::string& text) {
    const int64_t value = readDecimalField(text).value_or(0);
    return static_cast<int>(std::min<int64_t>(value, std::numeric_limits<int>::max()));
  };
  return {number(shown.repeatText), number(shown.intervalText), shown.continuous};
}

void FireKeyState::setFireKey(int key, const FireKeySetting& setting) {
  if (!isKey(key)) return;
  FireKeyFields& shown = fields[at(key)];
  shown.repeatText = std::to_string(countOf(setting.count));
  shown.intervalText = std::to_string(std::clamp(setting.intervalMs, 1, kMaxInterval));
  shown.continuous = setting.continuous;
  SettingFireKey();
}

void FireKeyState::SettingFireKey() {
  send(Source::AdvancedPage);
}

void FireKeyState::TLSettingFireKey() {
  send(Source::EngineerPage);
}

// A transfer lets the window run, so a field may change again while the change before
// it is being sent: that one goes after it, never in the middle of its frames.
void FireKeyState::send(Source source) {
  if (handlersBlocked()) {
    if (!sending_) lastWrite = TransferResult();
    return;
  }
  pending_ = source;
  if (sending_) return;
  const ScopedFlag sendingWhile(sending_, true, false);
  lastWrite = TransferResult();
  while (pending_) {
    const Source next = *pending_;
    pending_.reset();
    const FireKeySettings settings = settingsOf(next);
    encode(settings);
    for (int key = 1; key <= kKeys; ++key) {
      if (next == Source::AdvancedPage)
        showOnEngineerPage(key, settings[at(key)]);
      else
        showOnAdvancedPage(key, settings[at(key)]);
    }
    lastWrite += link_.transfer.WriteKeyTablesAndFireKeys();
    assignment_.refreshFromImage();
  }
}

FireKeySettings FireKeyState::settingsOf(Source source) const {
  FireKeySettings settings;
  for (int key = 1; key <= kKeys; ++key) {
    if (source == Source::AdvancedPage) {
      const FireKeyFields& shown = fields[at(key)];
      settings[at(key)] = {countOf(numberOf(shown.repeatText)),
                           intervalOf(numberOf(shown.intervalText)), shown.continuous};
    } else {
      const EngineerFireKeyFields& shown = engineer[at(key)];
      settings[at(key)] = {shown.countIndex + 1, intervalOf(numberOf(shown.timeText)),
                           shown.continuous};
    }
  }
  return settings;
}

// The buttons are recognised by the names they had before the change: afterwards their
// entries no longer match the key's new count and interval.
void FireKeyState::encode(const FireKeySettings& settings) {
  const std::array<std::array<std::string, key_tables::kButtonCount>, 2> names{
      assignment_.profileNames(1), assignment_.profileNames(2)};
  for (int key = 1; key <= kKeys; ++key) {
    const FireKeySetting& setting = settings[at(key)];
    const size_t offset = image::kFireKeyParamsOffset + image::kFireKeyParamsLength * at(key);
    link_.image.fireKey[offset] = static_cast<uint8_t>(setting.count - 1);
    link_.image.fireKey[offset + 1] = static_cast<uint8_t>(setting.intervalMs >> 8);
    link_.image.fireKey[offset + 2] = static_cast<uint8_t>(setting.intervalMs & 0xFF);
    assignment_.parameters.fireKeys[at(key)] = setting;
    const std::string name = keyName(key);
    const ButtonEntry entry = fireKeyEntry(setting.count, setting.intervalMs, setting.continuous);
    for (int profile = key_tables::kFirstProfile; profile <= key_tables::kLastProfile; ++profile)
      for (int button = 1; button <= key_tables::kButtonCount; ++button)
        if (names[static_cast<size_t>(profile - 1)][at(button)] == name)
          (void)storeProfileEntry(link_.image, link_.codes, profile, button, entry);
  }
}

void FireKeyState::showOnAdvancedPage(int key, const FireKeySetting& setting) {
  FireKeyFields& shown = fields[at(key)];
  shown.repeatText = std::to_string(setting.count);
  shown.intervalText = std::to_string(setting.intervalMs);
  shown.continuous = setting.continuous;
}

void FireKeyState::showOnEngineerPage(int key, const FireKeySetting& setting) {
  EngineerFireKeyFields& shown = engineer[at(key)];
  shown.countIndex = countOf(setting.count) - 1;
  shown.timeText = std::to_string(setting.intervalMs);
  shown.continuous = setting.continuous;
}

int FireKeyState::activeProfile() const {
  return (link_.image.user[image::kUserActiveProfile] & 0x0F) == 0 ? 1 : 2;
}

template <typename Show>
void FireKeyState::refreshFrom(Show show) {
  const int profile = activeProfile();
  for (int button = 1; button <= key_tables::kButtonCount; ++button) {
    const ButtonEntry buttonEntry = profileEntry(link_.image, profile, button);
    const std::string name = assignment_.nameOfCode(profileCode(link_.codes, profile, button));
    for (int key = 1; key <= kKeys; ++key)
      if (!name.empty() && name == keyName(key))
        show(key, FireKeySetting{fireKeyCountOf(buttonEntry), fireKeyIntervalOf(buttonEntry),
                                 fireKeyContinuousOf(buttonEntry)});
  }
}

void FireKeyState::RefreshFireKey() {
  refreshFrom([this](int key, const FireKeySetting& s) { showOnAdvancedPage(key, s); });
}

void FireKeyState::TLRefreshFireKey() {
  refreshFrom([this](int key, const FireKeySetting& s) { showOnEngineerPage(key, s); });
}

void FireKeyState::refreshFromImage() {
  const auto refreshing = link_.holdRefreshing();
  FireKeySettings settings = assignment_.parameters.fireKeys;
  readFireKeySettings(link_.image.fireKey, settings);
  for (int key = 1; key <= kKeys; ++key) {
    FireKeySetting shown = settings[at(key)];
    shown.count = countOf(shown.count);
    showOnAdvancedPage(key, shown);
    showOnEngineerPage(key, shown);
  }
  RefreshFireKey();
  TLRefreshFireKey();
}

}  // namespace mousecfg
