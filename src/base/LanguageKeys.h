#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Keys of the language-table texts: "Str" and a three-digit number. A text the program
// looks up by role has a name here; a run of numbered texts (the DPI steps, the gun
// names, ...) is named by its first key and the others are reached with keyAfter.
namespace mousecfg::langkey {

inline constexpr std::string_view kPrefix = "Str";
inline constexpr size_t kDigits = 3;

// The number of a key: 602 for "Str602".
constexpr int keyNumber(std::string_view key) {
  int number = 0;
  for (char c : key.substr(kPrefix.size())) number = number * 10 + (c - '0');
  return number;
}

// The key of a number, zero-padded to three digits: keyOfNumber(22) is "Str022".
inline std::string keyOfNumber(int number) {
  const std::string digits = std::to_string(number);
  std::string key(kPrefix);
  if (digits.size() < kDigits) key.append(kDigits - digits.size(), '0');
  return key + digits;
}

// The key `steps` numbers after `first`: keyAfter("Str600", 2) is "Str602".
inline std::string keyAfter(std::string_view first, int steps) {
  return keyOfNumber(keyNumber(first) + steps);
}

// Messages the host shows; MessageTexts keeps these texts of the language in use.
namespace message {
inline constexpr const char* kSelectModeSwitchKey = "Str020";
inline constexpr const char* kSelectResetKey = "Str021";
inline constexpr const char* kDeviceNotFound = "Str022";
inline constexpr const char* kNoDeviceFound = "Str100";
inline constexpr const char* kCheckUsbPort = "Str101";
inline constexpr const char* kDataFileTypeError = "Str102";  // the chip does not fit the image
inline constexpr const char* kMacroTooLong = "Str103";
inline constexpr const char* kMemoryFull = "Str104";
inline constexpr const char* kSelectAimKey = "Str105";
inline constexpr const char* kMacroExists = "Str106";
inline constexpr const char* kForeignIds = "Str107";
inline constexpr const char* kKeepLeftKey = "Str108";
}  // namespace message

// Texts of the function menu: the marker its items start with, the categories that
// open a panel and the items that assign a function.
namespace menu {
inline constexpr const char* kMarker = "Str200";

inline constexpr const char* kMouseKeys = "Str201";
inline constexpr const char* kSpecialKeys = "Str202";
inline constexpr const char* kMedia = "Str203";
inline constexpr const char* kWeb = "Str204";
inline constexpr const char* kUserDefined = "Str205";
inline constexpr const char* kBaseMacro = "Str206";
inline constexpr const char* kOthers = "Str207";
inline constexpr const char* kFireMacro = "Str208";

inline constexpr const char* kLeftKey = "Str210";
inline constexpr const char* kRightKey = "Str211";
inline constexpr const char* kMiddleKey = "Str212";
inline constexpr const char* kBackward = "Str213";
inline constexpr const char* kForward = "Str214";

inline constexpr const char* kDpi = "Str220";
inline constexpr const char* kDpiLoop = "Str221";
inline constexpr const char* kDpiUp = "Str222";
inline constexpr const char* kDpiDown = "Str223";

// The fire keys 1..3 are kFireKey1 and the two keys after it.
inline constexpr const char* kFireKey = "Str230";
inline constexpr const char* kFireKey1 = "Str231";
inline constexpr const char* kFireKey2 = "Str232";
inline constexpr const char* kFireKey3 = "Str233";

inline constexpr const char* kAcpi = "Str240";
inline constexpr const char* kPowerDown = "Str241";
inline constexpr const char* kSleep = "Str242";
inline constexpr const char* kWakeUp = "Str243";

// The switch targets 0..2 (office, game, third mode) are kOfficeMode and the two keys
// after it.
inline constexpr const char* kProfileSwitch = "Str250";
inline constexpr const char* kOfficeMode = "Str251";
inline constexpr const char* kGameMode = "Str252";
inline constexpr const char* kThirdMode = "Str253";
inline constexpr const char* kKbSwitchLoop = "Str254";

inline constexpr const char* kAimKey = "Str260";
inline constexpr const char* kLedMode = "Str261";
inline constexpr const char* kLedOnOff = "Str262";
inline constexpr const char* kButtonEffectSwitch = "Str263";
inline constexpr const char* kReportRate = "Str264";
inline constexpr const char* kFireMacroKey = "Str265";
inline constexpr const char* kFireMacroOff = "Str266";
inline constexpr const char* kAdjustXy = "Str267";
inline constexpr const char* kAdjustXyFn = "Str268";
inline constexpr const char* kAdjustXySwitch = "Str269";

inline constexpr const char* kPlayPause = "Str270";
inline constexpr const char* kMediaStop = "Str271";
inline constexpr const char* kPreviousTrack = "Str272";
inline constexpr const char* kNextTrack = "Str273";
inline constexpr const char* kVolumeUp = "Str274";
inline constexpr const char* kVolumeDown = "Str275";
inline constexpr const char* kMute = "Str276";
inline constexpr const char* kKeyOff = "Str277";

inline constexpr const char* kWebHome = "Str280";
inline constexpr const char* kWebSearch = "Str281";
inline constexpr const char* kWebBack = "Str282";
inline constexpr const char* kWebForward = "Str283";
inline constexpr const char* kWebStop = "Str284";
inline constexpr const char* kWebRefresh = "Str285";
inline constexpr const char* kWebFavorites = "Str286";

inline constexpr const char* kMyComputer = "Str290";
inline constexpr const char* kCalculator = "Str291";
inline constexpr const char* kEMail = "Str292";
inline constexpr const char* kDesktop = "Str293";
}  // namespace menu

// Captions of the window's buttons and of the pages' controls.
namespace caption {
// The window frame's buttons and the page buttons.
inline constexpr const char* kConfirm1 = "Str001";
inline constexpr const char* kConfirm2 = "Str002";
inline constexpr const char* kConfirm3 = "Str016";
inline constexpr const char* kExit = "Str003";
inline constexpr const char* kOfficeMode = "Str004";
inline constexpr const char* kGameMode = "Str005";
inline constexpr const char* kThirdMode = "Str006";
inline constexpr const char* kAdvanced = "Str007";
inline constexpr const char* kLighting = "Str008";
inline constexpr const char* kSaveProfile = "Str009";
inline constexpr const char* kLoadProfile = "Str010";
inline constexpr const char* kLanguage1 = "Str011";
inline constexpr const char* kLanguage2 = "Str012";
inline constexpr const char* kLanguage3 = "Str013";
inline constexpr const char* kMacro = "Str014";
inline constexpr const char* kUpdate = "Str015";

// The DPI steps 0..14 ("200".."12000") are kDpiStep0 and the keys after it.
inline constexpr const char* kDpiStep0 = "Str300";

// Macro editor (macro page).
inline constexpr const char* kRecord = "Str400";
inline constexpr const char* kStop = "Str401";
inline constexpr const char* kRename = "Str402";
inline constexpr const char* kNewMacro = "Str404";
inline constexpr const char* kDeleteMacro = "Str405";
inline constexpr const char* kImportOne = "Str406";
inline constexpr const char* kImportAll = "Str407";
inline constexpr const char* kExportOne = "Str408";
inline constexpr const char* kExportAll = "Str409";
inline constexpr const char* kAddToMouse = "Str410";
inline constexpr const char* kEditEvent = "Str411";
inline constexpr const char* kDeleteEvent = "Str412";
inline constexpr const char* kInsertEvent = "Str413";
inline constexpr const char* kClearMacro = "Str414";
inline constexpr const char* kUsedBytes = "Str415";
inline constexpr const char* kRealRecord = "Str416";
inline constexpr const char* kDelayTime = "Str417";
inline constexpr const char* kNoDelay = "Str418";
inline constexpr const char* kInsertDelayFront = "Str420";
inline constexpr const char* kInsertDelayBack = "Str421";
inline constexpr const char* kInsertKeyFront = "Str422";
inline constexpr const char* kInsertKeyBack = "Str430";
inline constexpr const char* kInsertMoveFront = "Str432";
inline constexpr const char* kInsertMoveBack = "Str433";
inline constexpr const char* kInsertX = "Str434";
inline constexpr const char* kInsertY = "Str435";
inline constexpr const char* kInsertRepeat = "Str440";
inline constexpr const char* kInsertCount = "Str441";
inline constexpr const char* kMilliseconds = "Str442";
inline constexpr const char* kInsertOk = "Str450";
inline constexpr const char* kInsertCancel = "Str451";
inline constexpr const char* kConfirmClearMacro = "Str454";

// Update page.
inline constexpr const char* kBinPath = "Str455";
inline constexpr const char* kLoadBin = "Str456";
inline constexpr const char* kProgram = "Str457";
inline constexpr const char* kFirmwareFile = "Str458";

// The "Assembly Key" dialog.
inline constexpr const char* kAssemblyKey = "Str500";
inline constexpr const char* kAssemblyConfirm = "Str501";
inline constexpr const char* kAssemblyClear = "Str502";

// Gun page. The names of the guns 1..7 are kGunName1 and the keys after it.
inline constexpr const char* kGunName1 = "Str600";
inline constexpr const char* kFireCount = "Str610";
inline constexpr const char* kFireXAxis = "Str611";
inline constexpr const char* kFireYAxis = "Str612";
inline constexpr const char* kFireDelayTime = "Str613";
inline constexpr const char* kKeepLeftKey = "Str614";
inline constexpr const char* kGunConfirm = "Str620";
inline constexpr const char* kGunCancel = "Str621";
inline constexpr const char* kGunSetting = "Str845";
inline constexpr const char* kXAxisOffset = "Str846";
inline constexpr const char* kYAxisOffset = "Str847";
inline constexpr const char* kGunColor = "Str848";
inline constexpr const char* kGunMode = "Str849";
inline constexpr const char* kGunStage = "Str860";
inline constexpr const char* kGunHint = "Str861";

// The mode-switch gestures 1..8 are kGesture1 and the keys after it.
inline constexpr const char* kGesture1 = "Str700";

// Advanced page.
inline constexpr const char* kDpiSetting = "Str800";
inline constexpr const char* kAimDpi = "Str801";
inline constexpr const char* kUsbReportRate = "Str802";
inline constexpr const char* kPointerSetting = "Str803";
inline constexpr const char* kMovingSpeed = "Str804";
inline constexpr const char* kEnhancePointerPrecision = "Str805";
inline constexpr const char* kDoubleClickSpeed = "Str806";
inline constexpr const char* kRollingSpeed = "Str807";
inline constexpr const char* kScrollOneScreen = "Str808";
inline constexpr const char* kFireKeySetting = "Str809";
inline constexpr const char* kFireKeyRepeat = "Str810";
inline constexpr const char* kFireKeyInterval = "Str815";
inline constexpr const char* kFireKeyContinuous = "Str816";
inline constexpr const char* kFireKeyMilliseconds = "Str817";
inline constexpr const char* kRate125Hz = "Str850";
inline constexpr const char* kRate250Hz = "Str851";
inline constexpr const char* kRate500Hz = "Str852";
inline constexpr const char* kRate1000Hz = "Str853";
// "Mode1".."Mode3" are kModeName1 and the two keys after it.
inline constexpr const char* kModeName1 = "Str854";
inline constexpr const char* kDpiLevel = "Str857";
inline constexpr const char* kAimDpiNote = "Str858";
inline constexpr const char* kTimes = "Str859";

// Lighting page. The effects 1..7 of the "MCULED" type are kMcuLedEffect1 and the keys
// after it.
inline constexpr const char* kBreathingSpeed = "Str812";
inline constexpr const char* kFast = "Str813";
inline constexpr const char* kSlow = "Str814";
inline constexpr const char* kLedEffect = "Str818";
inline constexpr const char* kLedFlowSpeed = "Str819";
inline constexpr const char* kLedBrightness = "Str820";
inline constexpr const char* kLedColor = "Str821";
inline constexpr const char* kLedColorHint = "Str822";
inline constexpr const char* kMcuLedEffect1 = "Str823";
inline constexpr const char* kFullBrightness = "Str830";
inline constexpr const char* kHalfBrightness = "Str831";

// Macro page.
inline constexpr const char* kMacroList = "Str834";
inline constexpr const char* kMouseMacros = "Str835";
inline constexpr const char* kMacroEvents = "Str836";
inline constexpr const char* kDelayMode = "Str837";
inline constexpr const char* kRepeatMode = "Str838";
inline constexpr const char* kInsertPanel = "Str839";
inline constexpr const char* kMacroMemory = "Str840";
// The four repeat settings of a macro.
inline constexpr const char* kStopUntilKeyReleased = "Str841";
inline constexpr const char* kStopUntilMacroEnd = "Str842";
inline constexpr const char* kStopUntilAnyKeyReleased = "Str843";
inline constexpr const char* kCircles = "Str844";
}  // namespace caption

// The macro page's input dialogs: titles and button captions.
namespace macro_dialog {
inline constexpr const char* kMacroName = "Str510";
inline constexpr const char* kOk = "Str511";
inline constexpr const char* kClear = "Str512";
inline constexpr const char* kInputOneKey = "Str520";
inline constexpr const char* kInputDelay = "Str521";
inline constexpr const char* kInputX = "Str524";
inline constexpr const char* kInputY = "Str525";
inline constexpr const char* kInputValue = "Str526";
}  // namespace macro_dialog

}  // namespace mousecfg::langkey
