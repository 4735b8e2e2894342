#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace mousecfg {

// The identifiers by which the function menu's items are told apart.
namespace menu_id {

inline constexpr int kLeftKey = 900;
inline constexpr int kRightKey = 901;
inline constexpr int kMiddleKey = 902;
inline constexpr int kBackward = 903;
inline constexpr int kForward = 904;

inline constexpr int kAimKey = 1000;
inline constexpr int kLedMode = 1001;
inline constexpr int kLedOnOff = 1002;
inline constexpr int kButtonEffectSwitch = 1003;
inline constexpr int kReportRate = 1004;
inline constexpr int kFireMacroKey = 1005;
inline constexpr int kFireMacroOff = 1006;
inline constexpr int kKeyOff = 1007;

inline constexpr int kPlayPause = 1100;
inline constexpr int kMediaStop = 1101;
inline constexpr int kPreviousTrack = 1102;
inline constexpr int kNextTrack = 1103;
inline constexpr int kVolumeUp = 1104;
inline constexpr int kVolumeDown = 1105;
inline constexpr int kMute = 1106;

inline constexpr int kWebHome = 1200;
inline constexpr int kWebSearch = 1201;
inline constexpr int kWebBack = 1202;
inline constexpr int kWebForward = 1203;
inline constexpr int kWebStop = 1204;
inline constexpr int kWebRefresh = 1205;
inline constexpr int kWebFavorites = 1206;

inline constexpr int kMyComputer = 1300;
inline constexpr int kCalculator = 1301;
inline constexpr int kEMail = 1302;
inline constexpr int kDesktop = 1303;

inline constexpr int kDpiLoop = 2000;
inline constexpr int kDpiUp = 2001;
inline constexpr int kDpiDown = 2002;

inline constexpr int kFireKey1 = 2100;
inline constexpr int kFireKey2 = 2101;
inline constexpr int kFireKey3 = 2102;

inline constexpr int kPowerDown = 2200;
inline constexpr int kSleep = 2201;
inline constexpr int kWakeUp = 2202;

inline constexpr int kOfficeMode = 2300;
inline constexpr int kGameMode = 2301;
inline constexpr int kThirdMode = 2302;
inline constexpr int kKbSwitchLoop = 2303;

inline constexpr int kAdjustXyFn = 2400;
inline constexpr int kAdjustXySwitch = 2401;

// Category items and the other actions carry no function identifier.
inline constexpr int kNone = 0;

}  // namespace menu_id

// The panels of the function menu and its two lists.
enum class MenuPanel {
  Main,        // Pnl_Main
  MouseKeys,   // Pnl_MseKey
  Special,     // Pnl_Special
  FireKeys,    // Pnl_FireKey (nested in Pnl_Special)
  Dpi,         // Pnl_CPIKey (nested)
  Acpi,        // Pnl_ACPI (nested)
  Profiles,    // Pnl_Profile (nested)
  AdjustXy,    // Pnl_AdjustXY (nested)
  Media,       // Pnl_Media
  Web,         // Pnl_WWW
  Others,      // Pnl_MyPC
  MacroList,   // LB_Name: the device macros ("Base Macro")
  ScriptList,  // LB_Script: the fire macro codes (engineer page's "Fire Macro")
};
inline constexpr size_t kMenuPanelCount = 13;

std::string_view menuPanelName(MenuPanel panel);
// Sub-menus opened from an item of Pnl_Special rather than of Pnl_Main.
bool isNestedPanel(MenuPanel panel);

enum class MenuAction {
  Assign,       // a function item: KeyStatusOnClick with its identifier
  OpenPanel,    // a category: hovering opens `opens`
  UserDefined,  // "User-defined": the combination-key dialog
  GunPage,      // the key page's "Fire Macro": the gun page
};

// Which page's menu shows an item (the two "Fire Macro" items differ).
enum class MenuPage { Both, KeyPage, Engineer };

struct MenuEntry {
  MenuPanel panel;
  std::string_view languageKey;
  MenuAction action;
  int id = menu_id::kNone;
  MenuPanel opens = MenuPanel::Main;  // for OpenPanel
  MenuPage page = MenuPage::Both;
};

// Every item of every panel, each panel's items in display order.
std::span<const MenuEntry> menuEntries();
// The function item with identifier id; nullptr for other identifiers.
const MenuEntry* menuEntryOfId(int id);

}  // namespace mousecfg
