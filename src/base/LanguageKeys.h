#pragma once

#include <string_view>

// Keys of the language-table texts that the pages look up by role, beyond the ones
// whose number the pages already use directly (Str022, Str210, Str300 + step, ...).
namespace mousecfg::langkey {

// Macro editor (macro page).
inline constexpr std::string_view kRecord = "Str400";
inline constexpr std::string_view kStop = "Str401";
inline constexpr std::string_view kRename = "Str402";
inline constexpr std::string_view kNewMacro = "Str404";
inline constexpr std::string_view kDeleteMacro = "Str405";
inline constexpr std::string_view kImportOne = "Str406";
inline constexpr std::string_view kImportAll = "Str407";
inline constexpr std::string_view kExportOne = "Str408";
inline constexpr std::string_view kExportAll = "Str409";
inline constexpr std::string_view kAddToMouse = "Str410";
inline constexpr std::string_view kEditEvent = "Str411";
inline constexpr std::string_view kDeleteEvent = "Str412";
inline constexpr std::string_view kInsertEvent = "Str413";
inline constexpr std::string_view kClearMacro = "Str414";
inline constexpr std::string_view kUsedBytes = "Str415";
inline constexpr std::string_view kRealRecord = "Str416";
inline constexpr std::string_view kDelayTime = "Str417";
inline constexpr std::string_view kNoDelay = "Str418";
inline constexpr std::string_view kInsertDelayFront = "Str420";
inline constexpr std::string_view kInsertDelayBack = "Str421";
inline constexpr std::string_view kInsertKeyFront = "Str422";
inline constexpr std::string_view kInsertKeyBack = "Str430";
inline constexpr std::string_view kInsertMoveFront = "Str432";
inline constexpr std::string_view kInsertMoveBack = "Str433";
inline constexpr std::string_view kInsertX = "Str434";
inline constexpr std::string_view kInsertY = "Str435";
inline constexpr std::string_view kInsertRepeat = "Str440";
inline constexpr std::string_view kInsertCount = "Str441";
inline constexpr std::string_view kMilliseconds = "Str442";
inline constexpr std::string_view kInsertOk = "Str450";
inline constexpr std::string_view kInsertCancel = "Str451";
inline constexpr std::string_view kConfirmClearMacro = "Str454";

// Update page.
inline constexpr std::string_view kBinPath = "Str455";
inline constexpr std::string_view kLoadBin = "Str456";
inline constexpr std::string_view kProgram = "Str457";
inline constexpr std::string_view kFirmwareFile = "Str458";

// Gun page labels (the gun names are Str600 + gun - 1).
inline constexpr std::string_view kFireCount = "Str610";
inline constexpr std::string_view kFireXAxis = "Str611";
inline constexpr std::string_view kFireYAxis = "Str612";
inline constexpr std::string_view kFireDelayTime = "Str613";
inline constexpr std::string_view kKeepLeftKey = "Str614";
inline constexpr std::string_view kGunConfirm = "Str620";
inline constexpr std::string_view kGunCancel = "Str621";
inline constexpr std::string_view kXAxisOffset = "Str846";
inline constexpr std::string_view kYAxisOffset = "Str847";
inline constexpr std::string_view kGunColor = "Str848";
inline constexpr std::string_view kGunMode = "Str849";
inline constexpr std::string_view kGunStage = "Str860";
inline constexpr std::string_view kGunHint = "Str861";

// Advanced page.
inline constexpr std::string_view kDpiSetting = "Str800";
inline constexpr std::string_view kAimDpi = "Str801";
inline constexpr std::string_view kUsbReportRate = "Str802";
inline constexpr std::string_view kPointerSetting = "Str803";
inline constexpr std::string_view kMovingSpeed = "Str804";
inline constexpr std::string_view kEnhancePointerPrecision = "Str805";
inline constexpr std::string_view kDoubleClickSpeed = "Str806";
inline constexpr std::string_view kRollingSpeed = "Str807";
inline constexpr std::string_view kScrollOneScreen = "Str808";
inline constexpr std::string_view kFireKeySetting = "Str809";
inline constexpr std::string_view kFireKeyRepeat = "Str810";
inline constexpr std::string_view kFireKeyInterval = "Str815";
inline constexpr std::string_view kFireKeyContinuous = "Str816";
inline constexpr std::string_view kFireKeyMilliseconds = "Str817";
inline constexpr std::string_view kDpiLevel = "Str857";
inline constexpr std::string_view kAimDpiNote = "Str858";
inline constexpr std::string_view kTimes = "Str859";
// The report rates 125, 250, 500 and 1000 Hz are Str850..Str853.

// Lighting page (the effects of the "MCULED" type are Str823..Str829).
inline constexpr std::string_view kBreathingSpeed = "Str812";
inline constexpr std::string_view kFast = "Str813";
inline constexpr std::string_view kSlow = "Str814";
inline constexpr std::string_view kLedEffect = "Str818";
inline constexpr std::string_view kLedFlowSpeed = "Str819";
inline constexpr std::string_view kLedBrightness = "Str820";
inline constexpr std::string_view kLedColor = "Str821";
inline constexpr std::string_view kLedColorHint = "Str822";
inline constexpr std::string_view kFullBrightness = "Str830";
inline constexpr std::string_view kHalfBrightness = "Str831";

// Macro page captions.
inline constexpr std::string_view kMacroList = "Str834";
inline constexpr std::string_view kMouseMacros = "Str835";
inline constexpr std::string_view kMacroEvents = "Str836";
inline constexpr std::string_view kDelayMode = "Str837";
inline constexpr std::string_view kRepeatMode = "Str838";
inline constexpr std::string_view kInsertPanel = "Str839";
inline constexpr std::string_view kMacroMemory = "Str840";
// The four repeat settings of a macro.
inline constexpr std::string_view kStopUntilKeyReleased = "Str841";
inline constexpr std::string_view kStopUntilMacroEnd = "Str842";
inline constexpr std::string_view kStopUntilAnyKeyReleased = "Str843";
inline constexpr std::string_view kCircles = "Str844";

// "Mode1".."Mode3" are Str854..Str856.

}  // namespace mousecfg::langkey
