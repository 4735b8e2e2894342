#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace mousecfg {

enum class ServiceLevel { Off, First, Second };

// The factory's service mode. Every fifth double-click on the engineer page's logo
// asks for an access code: the first-level code shows the read-only manufacturer and
// product codes, the second-level code also the "  Gun Confirm  " and "  Advanced    "
// tabs, the default and import buttons and the LED, colour and profile-colour groups.
// On the gun page's background the same gesture with the first-level code shows the
// gun preset editor. While a mode is on, a double-click at the same place turns it off.
// Each place counts its double-clicks for the whole run.
class ServiceAccess {
 public:
  // Salted 64-bit FNV-1a hashes of the two codes. Storing hashes keeps the codes out of
  // the program's text; it is no security: a patched program passes any check.
  struct CodeHashes {
    uint64_t firstLevel;
    uint64_t secondLevel;
  };
  static constexpr CodeHashes kCodeHashes = {0x570846CDD21C3C41, 0x07E80C5DBAB6FCB7};
  static constexpr int kDoubleClicksPerAsk = 5;

  explicit ServiceAccess(CodeHashes hashes = kCodeHashes) : hashes_(hashes) {}

  // The "Password" input dialog, set by the view: the text entered, nullopt when cancelled.
  std::function<std::optional<std::string>()> askForCode;

  void logoDoubleClick();
  void gunPageDoubleClick();
  // The engineer page's level for an entered code; a wrong code changes nothing.
  void enterCode(std::string_view text);

  ServiceLevel level() const { return level_; }
  bool gunEditorShown() const { return gunEditorShown_; }

  // What the engineer page shows at the current level.
  bool vendorProductCodesShown() const { return level_ != ServiceLevel::Off; }
  bool gunConfirmTabShown() const { return level_ == ServiceLevel::Second; }
  bool advancedTabShown() const { return level_ == ServiceLevel::Second; }
  bool defaultAndImportButtonsShown() const { return level_ == ServiceLevel::Second; }
  bool lightingGroupsShown() const { return level_ == ServiceLevel::Second; }

  // The level a code opens (Off for any other text), for mousectl.
  static ServiceLevel acceptsServiceCode(std::string_view text, CodeHashes hashes = kCodeHashes);
  // The salted hash the codes are compared by.
  static uint64_t codeHash(std::string_view text);

 private:
  // Counts a double-click; true when this one asks for the code.
  static bool countsToAsk(int& count);
  std::optional<std::string> ask() const;

  CodeHashes hashes_;
  ServiceLevel level_ = ServiceLevel::Off;
  bool gunEditorShown_ = false;
  int logoDoubleClicks_ = 0;
  int gunPageDoubleClicks_ = 0;
};

}  // namespace mousecfg
