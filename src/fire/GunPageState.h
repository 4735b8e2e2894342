#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "device/TransferResult.h"
#include "fire/GunPresets.h"
#include "settings/ButtonEntry.h"

namespace mousecfg {

class ButtonAssignment;
class DeviceLink;
class LightingPageState;
struct ProgramOptions;

// The gun page's six fields of stage 1 (FireCnt1, FireX1, FireX1_Offset, FireY1,
// FireY1_Offset, FireTime1), in this order.
enum class GunField { FireCount, FireX, XOffset, FireY, YOffset, FireDelay };
inline constexpr size_t kGunFieldCount = 6;

// The gun page (page 6), opened from the key page's "Fire Macro" for the button being
// edited. It edits the working copy of the gun table, the gun offsets and the gun
// colours; nothing reaches the mouse until Confirm, which also puts the chosen gun on
// the button when the key page shows the game-mode table. Cancel leaves without writing
// and keeps what was typed for the next Confirm.
class GunPageState {
 public:
  GunPageState(DeviceLink& link, ButtonAssignment& assignment, LightingPageState& lighting,
               const ProgramOptions& options);
  GunPageState(const GunPageState&) = delete;
  GunPageState& operator=(const GunPageState&) = delete;

  int selectedGun = gun::kFirstGun;
  // The key-page button the page was opened for (1..12); 0 when opened for none.
  int button = 0;
  std::array<std::string, kGunFieldCount> fields;
  bool keepLeft = false;  // "Keep the left key"
  // Set while a gun is being shown: field changes are not written back meanwhile.
  bool filling = false;
  // Where the selected gun's values sit in its record.
  GunRecordFields shown;

  // The colour dialog, set by the view: the current colour in, the chosen one out.
  std::function<std::optional<uint32_t>(uint32_t current)> pickColour;
  // Confirm and Cancel leave the page for the key page.
  std::function<void()> leavePage;
  // Told when the page shows another gun, so that the preset editor follows.
  std::function<void(int gun)> gunChosen = [](int) {};

  const std::string& field(GunField which) const { return fields[static_cast<size_t>(which)]; }
  // "Gun3_02" on the selected gun's button, "Gunk_01" on the others.
  std::string gunPicture(int gun) const;
  std::string keepLeftPicture() const;
  uint32_t swatchColour() const;

  // The key page's "Fire Macro" for button k: the page shows gun 1.
  void open(int forButton);
  // Btn_Fire1..Btn_Fire7.
  void Btn_FireClick(int gun);
  // A field's text changed; it is clamped where it stands and written into the working
  // copy of the selected gun (or its offset).
  void fieldChange(GunField which, std::string_view typed);
  // The swatch: the colour dialog, then the gun's colour slot and the engineer page's
  // colour edits of that slot (the image and the mouse take it with Confirm).
  void FireColorClick();
  // The gun's colour chosen by other means (mousectl), as the dialog would.
  void setColour(uint32_t rgb);
  void IsHasLKClick() { keepLeft = !keepLeft; }
  void Btn_ConfirmClick();
  void Btn_CancelClick();
  // After a read: the selected gun is shown again from the image.
  void refreshFromImage();
  // Gun k's X or Y offset (GunField::XOffset or YOffset) was written to the mouse
  // elsewhere: what waited for Confirm is older and gives way.
  void offsetWrittenElsewhere(int gun, GunField offset);

  // The entry Confirm puts on a button for gun k, with the page's keep-left option or
  // the one given.
  ButtonEntry entryForGun(int gun) const { return entryForGun(gun, keepLeft); }
  ButtonEntry entryForGun(int gun, bool keepLeftKey) const;

  // What the mouse made of the last Confirm.
  TransferResult lastWrite;

 private:
  // Offsets chosen on the page wait here for Confirm, and colours on the lighting page:
  // in the image they would go out with the next change of their section, under a
  // checksum the mouse's copy of the section does not match.
  struct WaitingValues {
    std::optional<int> xOffset;
    std::optional<int> yOffset;
  };

  bool writesBlocked() const;
  WaitingValues& waiting(int gun) { return waiting_[static_cast<size_t>(gun - 1)]; }
  const WaitingValues& waiting(int gun) const { return waiting_[static_cast<size_t>(gun - 1)]; }
  void commitWaitingValues();
  void showGun(int gun);
  void storeField(GunField which, int value);
  int coupled(GunField which, int value) const;
  int fieldValue(GunField which) const;
  void putOnButton();
  TransferResult sendColours();
  void leave();

  DeviceLink& link_;
  ButtonAssignment& assignment_;
  LightingPageState& lighting_;
  const ProgramOptions& options_;
  std::array<WaitingValues, gun::kLastGun> waiting_{};
};

}  // namespace mousecfg
