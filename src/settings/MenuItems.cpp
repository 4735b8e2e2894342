#include "settings/MenuItems.h"

#include <array>

namespace mousecfg {

namespace {

using namespace menu_id;
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
    category(P::Main, "Str201", P::MouseKeys),
    category(P::Main, "Str202", P::Special),
    category(P::Main, "Str203", P::Media),
    category(P::Main, "Str204", P::Web),
    category(P::Main, "Str207", P::Others),
    category(P::Main, "Str206", P::MacroList),
    MenuEntry{P::Main, "Str205", A::UserDefined},
    MenuEntry{P::Main, "Str208", A::GunPage, kNone, P::Main, MenuPage::KeyPage},
    category(P::Main, "Str208", P::ScriptList, MenuPage::Engineer),

    item(P::MouseKeys, "Str210", kLeftKey),
    item(P::MouseKeys, "Str211", kRightKey),
    item(P::MouseKeys, "Str212", kMiddleKey),
    item(P::MouseKeys, "Str213", kBackward),
    item(P::MouseKeys, "Str214", kForward),

    item(P::Special, "Str260", kAimKey),
    item(P::Special, "Str261", kLedMode),
    item(P::Special, "Str262", kLedOnOff),
    item(P::Special, "Str264", kReportRate),
    item(P::Special, "Str277", kKeyOff),
    category(P::Special, "Str230", P::FireKeys),
    category(P::Special, "Str220", P::Dpi),
    category(P::Special, "Str240", P::Acpi),
    category(P::Special, "Str250", P::Profiles),
    item(P::Special, "Str263", kButtonEffectSwitch),
    item(P::Special, "Str266", kFireMacroOff),
    category(P::Special, "Str267", P::AdjustXy),
    item(P::Special, "Str265", kFireMacroKey),

    item(P::FireKeys, "Str231", kFireKey1),
    item(P::FireKeys, "Str232", kFireKey2),
    item(P::FireKeys, "Str233", kFireKey3),

    item(P::Dpi, "Str221", kDpiLoop),
    item(P::Dpi, "Str222", kDpiUp),
    item(P::Dpi, "Str223", kDpiDown),

    item(P::Acpi, "Str241", kPowerDown),
    item(P::Acpi, "Str242", kSleep),
    item(P::Acpi, "Str243", kWakeUp),

    item(P::Profiles, "Str251", kOfficeMode),
    item(P::Profiles, "Str252", kGameMode),
    item(P::Profiles, "Str253", kThirdMode),
    item(P::Profiles, "Str254", kKbSwitchLoop),

    item(P::AdjustXy, "Str268", kAdjustXyFn),
    item(P::AdjustXy, "Str269", kAdjustXySwitch),

    item(P::Media, "Str270", kPlayPause),
    item(P::Media, "Str271", kMediaStop),
    item(P::Media, "Str272", kPreviousTrack),
    item(P::Media, "Str273", kNextTrack),
    item(P::Media, "Str274", kVolumeUp),
    item(P::Media, "Str275", kVolumeDown),
    item(P::Media, "Str276", kMute),

    item(P::Web, "Str280", kWebHome),
    item(P::Web, "Str281", kWebSearch),
    item(P::Web, "Str282", kWebBack),
    item(P::Web, "Str283", kWebForward),
    item(P::Web, "Str284", kWebStop),
    item(P::Web, "Str285", kWebRefresh),
    item(P::Web, "Str286", kWebFavorites),

    item(P::Others, "Str290", kMyComputer),
    item(P::Others, "Str291", kCalculator),
    item(P::Others, "Str292", kEMail),
    item(P::Others, "Str293", kDesktop),
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
