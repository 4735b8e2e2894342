#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/Environment.h"
#include "base/Host.h"
#include "base/LanguageTables.h"
#include "base/MouseLock.h"
#include "base/ProgramOptions.h"
#include "base/WindowLayout.h"
#include "core/ConnectionFooter.h"
#include "core/MainWindowState.h"
#include "device/DeviceLink.h"
#include "device/HidBackend.h"
#include "device/LinkObserver.h"
#include "engineer/EngineerDefaults.h"
#include "engineer/EngineerDpiState.h"
#include "engineer/EngineerKeyButtons.h"
#include "engineer/EngineerLedState.h"
#include "engineer/EngineerVendorState.h"
#include "engineer/ExtendedData.h"
#include "engineer/FireMacroOffsets.h"
#include "engineer/ProfileSettingState.h"
#include "engineer/ServiceAccess.h"
#include "fire/FireKeyState.h"
#include "fire/FireMacroScripts.h"
#include "fire/GunPageState.h"
#include "fire/GunPresetEditor.h"
#include "macros/DeviceMacroEditing.h"
#include "macros/InputSource.h"
#include "macros/LibraryFile.h"
#include "macros/MacroPageState.h"
#include "macros/RecordingSession.h"
#include "settings/ButtonAssignment.h"
#include "settings/DefaultRestore.h"
#include "settings/DesktopMouseBackend.h"
#include "settings/DpiPageState.h"
#include "settings/EditedProfile.h"
#include "settings/KeyPageState.h"
#include "settings/LightingPageState.h"
#include "settings/ModeSwitchGestures.h"
#include "settings/ModeSwitchOptions.h"
#include "settings/ProcessRunner.h"
#include "settings/ProfileFiles.h"
#include "settings/ReportRateControl.h"
#include "settings/SystemMouseSettings.h"
#include "settings/SystemMouseStore.h"
#include "settings/UpdatePageState.h"

namespace mousecfg {

// The whole program without its window: the device link, the language tables and layout
// options, the window shell's state and every page state, created in dependency order
// and wired to each other here and nowhere else. The window adds views over it,
// mousectl a console host, the tests a fake host with a virtual clock. A new page is
// added as a member here, and to refreshFromImage / deviceGone when it shows the image.
class ApplicationCore : public LinkObserver {
 public:
  struct Setup {
    EnvironmentLookup environment = processEnvironment;
    // The sizes of the skin's pictures; the window passes its skin, others none.
    PictureSizes pictureSizes = [](std::string_view) { return Size{}; };
    ProgramOptions options = builtInProgramOptions();
    // Whether to keep other programs off the mouse while this one has it (the window
    // and mousectl do; tests of one process do not), and the name the others are told.
    bool lockMouse = false;
    std::string programName = kWindowProgramName;
    // The window tells the user of a change the mouse refused, a read cut short and a
    // mouse lost in its restart; mousectl reports the results of its own commands.
    bool tellDeviceFailures = true;
    // What stands between the user and the real mouse, for the footer without a mouse.
    ConnectionFooter::AccessCheck checkAccess = defaultAccessCheck;
    // What the macro recorder hears: the desktop's keys and buttons in the window, a
    // fake in tests, nothing in mousectl.
    std::unique_ptr<InputSource> inputSource = std::make_unique<NoInputSource>();
  };
  static AccessReport defaultAccessCheck();

  static constexpr const char* kRefusedWriteText =
      "The mouse did not take the last change; it may have been unplugged. The settings "
      "shown may differ from the mouse's until it is read again.";
  static constexpr const char* kReadCutShortText =
      "The mouse stopped answering while its settings were read. The settings shown are "
      "the ones from before; unplug the mouse and plug it in again to read it.";
  static constexpr const char* kNotFoundAfterRestartText =
      "The mouse was not found again after its restart. Plug it in again; its settings "
      "are read when it is found.";

  ApplicationCore(HidBackend& backend, Host& host, Setup setup);
  ApplicationCore(HidBackend& backend, Host& programHost)
      : ApplicationCore(backend, programHost, Setup{}) {}
  ~ApplicationCore() override;
  ApplicationCore(const ApplicationCore&) = delete;
  ApplicationCore& operator=(const ApplicationCore&) = delete;

  Host& host;
  DeviceLink link;
  LanguageTables languages;
  ProgramOptions options;

  ButtonAssignment assignment;
  KeyPageState keyPage;
  EngineerKeyButtons engineerKeys;
  ReportRateControl reportRate;
  EngineerDpiState engineerDpi;
  DpiPageState dpi;
  EngineerLedState engineerLed;
  EngineerVendorState engineerVendor;
  LightingPageState lighting;
  FireKeyState fireKeys;
  GunPageState gunPage;
  // The gun page's service editor of the gun presets' event sequences.
  GunPresetEditor gunEditor;
  EditedProfile editedProfile;
  ModeSwitchOptions modeSwitch;
  ProfileSettingState profileSetting;
  FireMacroOffsets fireMacroOffsets;
  // The fire macro codes of the "  Gun Confirm  " tab, read at start-up.
  FireMacroScripts fireMacroScripts;
  ModeSwitchGestures gestures;
  DefaultRestore restore;
  ProfileFiles profileFiles;
  UpdatePageState updatePage;
  EngineerDefaults engineerDefaults;
  ExtendedData extendedData;
  ServiceAccess serviceAccess;
  SystemMouseStore mouseStore;
  PosixProcessRunner processRunner;
  std::unique_ptr<DesktopMouseBackend> desktop;
  SystemMouseSettings systemMouse;
  ConnectionFooter footer;
  // The PC macro library, read from its file by whoever shows it (CheckPCMacro), and
  // the commands that change the mouse's macros.
  MacroLibraryFile macroLibrary;
  DeviceMacroEditing deviceMacros;
  MacroPageState macroPage;
  std::unique_ptr<InputSource> inputSource;
  RecordingSession recording;
  // The gun preset editor's recording: the same input, the left button only.
  RecordingSession gunRecording;
  MainWindowState shell;

  std::string text(std::string_view languageKey) const { return languages.text(languageKey); }

  // One program at a time talks to the mouse. True while this one holds the mouse's
  // lock, taking it when it is free; the window's monitor waits until then. A lock file
  // that cannot be used is told once and does not keep the program off its mouse.
  bool holdMouseLock();
  // Who has the mouse, after holdMouseLock() found it taken.
  std::optional<LockHolder> mouseLockHolder() const { return mouseLockHolder_; }

  // Every page re-reads its controls from the working copies.
  void refreshFromImage();
  // After a language button: captions that depend on the language.
  void languageChanged(int language);

  // LinkObserver: what the device link's steps mean for the pages and the shell.
  void refreshPages() override;
  void hideMenus() override;
  void deviceGone() override;
  void refreshPcMacroNames() override;
  void clearMacroEditor() override;
  void refreshSystemMouseGroups() override;
  void showFirstPage() override;
  void errorStateEntered() override;
  void dpiButtonReleased() override;
  void profileButtonReleased() override;
  void readCutShort() override;
  void notFoundAfterRestart() override;

 private:
  void noticeWrite(const TransferResult& written);

  std::optional<std::string> mouseLockPath_;
  std::string programName_;
  std::optional<MouseLock> mouseLock_;
  std::optional<LockHolder> mouseLockHolder_;
  bool lockProblemTold_ = false;
  bool tellDeviceFailures_ = true;
  bool refusedWriteTold_ = false;
};

}  // namespace mousecfg
