#include "settings/MenuItems.h"

#include <array>

#include "base/LanguageKeys.h"

namespace mousecfg {

namespace {

using namespace menu_id;
namespace menu_text = langkey::menu;
using A = MenuAction;
using P = MenuPanel;

constexpr MenuEntry item(P panel, std::string_view key, int id) {
  return {panel, key, A::Assign, id};
}

constexpr MenuEntry category(P panel, std::string_view key, P opens,
                             MenuPage page = MenuPage::Both) {
  return {panel, key, A::OpenPanel, kNone, opens, page};
}

// Pnl_Special's first nine items are offered in both profiles; the menu's height
// decides which of the last four can be reached (see FunctionMenu).
constexpr std::array kEntries{
    category(P::Main, menu_text::kMouseKeys, P::MouseKeys),
    category(P::Main, menu_text::kSpecialKeys, P::Special),
    category(P::Main, menu_text::kMedia, P::Media),
    category(P::Main, menu_text::kWeb, P::Web),
    category(P::Main, menu_text::kOthers, P::Others),
    category(P::Main, menu_text::kBaseMacro, P::MacroList),
    MenuEntry{P::Main, menu_text::kUserDefined, A::UserDefined},
    MenuEntry{P::Main, menu_text::kFireMacro, A::GunPage, kNone, P::Main, MenuPage::KeyPage},
    category(P::Main, menu_text::kFireMacro, P::ScriptList, MenuPage::Engineer),

    item(P::MouseKeys, menu_text::kLeftKey, kLeftKey),
    item(P::MouseKeys, menu_text::kRightKey, kRightKey),
    item(P::MouseKeys, menu_text::kMiddleKey, kMiddleKey),
    item(P::MouseKeys, menu_text::kBackward, kBackward),
    item(P::MouseKeys, menu_text::kForward, kForward),

    item(P::Special, menu_text::kAimKey, kAimKey),
    item(P::Special, menu_text::kLedMode, kLedMode),
    item(P::Special, menu_text::kLedOnOff, kLedOnOff),
    item(P::Special, menu_text::kReportRate, kReportRate),
    item(P::Special, menu_text::kKeyOff, kKeyOff),
    category(P::Special, menu_text::kFireKey, P::FireKeys),
    category(P::Special, menu_text::kDpi, P::Dpi),
    category(P::Special, menu_text::kAcpi, P::Acpi),
    category(P::Special, menu_text::kProfileSwitch, P::Profiles),
    item(P::Special, menu_text::kButtonEffectSwitch, kButtonEffectSwitch),
    item(P::Special, menu_text::kFireMacroOff, kFireMacroOff),
    category(P::Special, menu_text::kAdjustXy, P::AdjustXy),
    item(P::Special, menu_text::kFireMacroKey, kFireMacroKey),

    item(P::FireKeys, menu_text::kFireKey1, kFireKey1),
    item(P::FireKeys, menu_text::kFireKey2, kFireKey2),
    item(P::FireKeys, menu_text::kFireKey3, kFireKey3),

    item(P::Dpi, menu_text::kDpiLoop, kDpiLoop),
    item(P::Dpi, menu_text::kDpiUp, kDpiUp),
    item(P::Dpi, menu_text::kDpiDown, kDpiDown),

    item(P::Acpi, menu_text::kPowerDown, kPowerDown),
    item(P::Acpi, menu_text::kSleep, kSleep),
    item(P::Acpi, menu_text::kWakeUp, kWakeUp),

    item(P::Profiles, menu_text::kOfficeMode, kOfficeMode),
    item(P::Profiles, menu_text::kGameMode, kGameMode),
    item(P::Profiles, menu_text::kThirdMode, kThirdMode),
    item(P::Profiles, menu_text::kKbSwitchLoop, kKbSwitchLoop),

    item(P::AdjustXy, menu_text::kAdjustXyFn, kAdjustXyFn),
    item(P::AdjustXy, menu_text::kAdjustXySwitch, kAdjustXySwitch),

    item(P::Media, menu_text::kPlayPause, kPlayPause),
    item(P::Media, menu_text::kMediaStop, kMediaStop),
    item(P::Media, menu_text::kPreviousTrack, kPreviousTrack),
    item(P::Media, menu_text::kNextTrack, kNextTrack),
    item(P::Media, menu_text::kVolumeUp, kVolumeUp),
    item(P::Media, menu_text::kVolumeDown, kVolumeDown),
    item(P::Media, menu_text::kMute, kMute),

    item(P::Web, menu_text::kWebHome, kWebHome),
    item(P::Web, menu_text::kWebSearch, kWebSearch),
    item(P::Web, menu_text::kWebBack, kWebBack),
    item(P::Web, menu_text::kWebForward, kWebForward),
    item(P::Web, menu_text::kWebStop, kWebStop),
    item(P::Web, menu_text::kWebRefresh, kWebRefresh),
    item(P::Web, menu_text::kWebFavorites, kWebFavorites),

    item(P::Others, menu_text::kMyComputer, kMyComputer),
    item(P::Others, menu_text::kCalculator, kCalculator),
    item(P::Others, menu_text::kEMail, kEMail),
    item(P::Others, menu_text::kDesktop, kDesktop),
};

constexpr std::array<std::string_view, kMenuPanelCount> kPanelNames{
    "Pnl_Main", "Pnl_MseKey",  "Pnl_Special",  "Pnl_FireKey", "Pnl_CPIKey",
    "Pnl_ACPI", "Pnl_Profile", "Pnl_AdjustXY", "Pnl_Media",   "Pnl_WWW",
    "Pnl_MyPC", "LB_Name",     "LB_Script"};

}  // namespace

std::string_view menuPanelName(MenuPanel panel) {
  return kPanelNames[static_cast<size_t>(panel)];
}

bool isNestedPanel(MenuPanel panel) {
  return panel == P::FireKeys || panel == P::Dpi || panel == P::Acpi || panel == P::Profiles ||
         panel == P::AdjustXy;
}

std::span<const MenuEntry> menuEntries() {
  return kEntries;
}

const MenuEntry* menuEntryOfId(int id) {
  if (id == kNone) return nullptr;
  for (const MenuEntry& entry : kEntries)
    if (entry.action == A::Assign && entry.id == id) return &entry;
  return nullptr;
}

}  // namespace mousecfg
