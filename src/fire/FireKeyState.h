#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "device/TransferResult.h"
#include "settings/EntryParameters.h"

namespace mousecfg {

class ButtonAssignment;
class DeviceLink;
class LanguageTables;

// Fire key j's controls on the Advanced page: FKjCnt_ (Repeat), FKjDelay_ (Interval, ms)
// and FKjContinue_ (Continuous).
struct FireKeyFields {
  std::string repeatText = "2";
  std::string intervalText = "1";
  bool continuous = false;
};

// Fire key j's twins on the engineer page: a count list ("1".."15", so index = count - 1),
// a time field and the Continuous option.
struct EngineerFireKeyFields {
  int countIndex = 0;
  std::string timeText;
  bool continuous = false;
};

// The three rapid-fire keys. Their counts and intervals live in the fire-key block;
// which button uses which key, and the Continuous option, live only in the button
// entries, which name a fire key by comparing count and interval. A change on either
// page re-encodes every button named after the key in both profiles, mirrors the other
// page's controls and goes to the mouse at once.
class FireKeyState {
 public:
  static constexpr int kKeys = static_cast<int>(kFireKeyCount);
  static constexpr int kMaxInterval = 4094;
  static constexpr const char* kDefaultRepeat = "2";
  static constexpr const char* kMinInterval = "1";

  FireKeyState(DeviceLink& link, ButtonAssignment& assignment, const LanguageTables& languages);
  FireKeyState(const FireKeyState&) = delete;
  FireKeyState& operator=(const FireKeyState&) = delete;

  std::array<FireKeyFields, kKeys> fields;            // index 0 = fire key 1
  std::array<EngineerFireKeyFields, kKeys> engineer;  // the engineer page's twins
  // While an option toggle is processed: further toggles are refused and a cover over
  // the Advanced page takes the clicks.
  bool busy = false;
  bool coverVisible = false;

  // The Continuous option's picture on the Advanced page.
  std::string continuousPicture(int key) const;

  // Advanced page. Repeat takes digits only: empty becomes "2", above 15 "15"; leaving
  // the field turns a Repeat below 2 into "2". Interval takes digits only: empty or 0
  // becomes "1", above 4094 "4094".
  void FKCntChange(int key, std::string_view typed);
  void FKCntExit(int key);
  void FKDelayChange(int key, std::string_view typed);
  void FKContinueClick(int key);

  // Engineer page: the count list, the time field (above 4094 becomes "4094") and the
  // Continuous option.
  void TLFireCountChange(int key, int index);
  void TLFireTimeChange(int key, std::string_view typed);
  void TLFireContinueClick(int key);

  // Fire key j as both pages would set it (mousectl): count 1..15, interval 1..4094.
  void setFireKey(int key, const FireKeySetting& setting);
  // Fire key j as the Advanced page's fields show it; a field that holds no number
  // counts as 0.
  FireKeySetting shownSetting(int key) const;

  // The controls of each page into the block, the entries and the mouse.
  void SettingFireKey();
  void TLSettingFireKey();
  // The controls of each page from the entries of the active profile's table.
  void RefreshFireKey();
  void TLRefreshFireKey();
  // After a read: counts and intervals from the block, the options from the entries.
  void refreshFromImage();

  // The language text that names fire key j ("Fire Key1").
  std::string keyName(int key) const;

  // What the mouse made of the last change sent.
  TransferResult lastWrite;

 private:
  enum class Source { AdvancedPage, EngineerPage };

  bool handlersBlocked() const;
  void send(Source source);
  FireKeySettings settingsOf(Source source) const;
  void encode(const FireKeySettings& settings);
  void showOnAdvancedPage(int key, const FireKeySetting& setting);
  void showOnEngineerPage(int key, const FireKeySetting& setting);
  int activeProfile() const;
  template <typename Show>
  void refreshFrom(Show show);

  DeviceLink& link_;
  ButtonAssignment& assignment_;
  const LanguageTables& languages_;
  bool sending_ = false;
  std::optional<Source> pending_;
};

}  // namespace mousecfg
