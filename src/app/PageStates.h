#pragma once

#include <memory>

#include "engineer/EngineerDefaults.h"
#include "engineer/EngineerDpiState.h"
#include "engineer/EngineerKeyButtons.h"
#include "engineer/EngineerLedState.h"
#include "engineer/ModeSwitchOptions.h"
#include "settings/ButtonAssignment.h"
#include "settings/DefaultRestore.h"
#include "settings/DesktopMouseBackend.h"
#include "settings/DpiPageState.h"
#include "settings/EditedProfile.h"
#include "settings/KeyPageState.h"
#include "settings/LightingPageState.h"
#include "settings/ModeSwitchGestures.h"
#include "settings/ProcessRunner.h"
#include "settings/ReportRateControl.h"
#include "settings/SystemMouseSettings.h"
#include "settings/SystemMouseStore.h"

namespace mousecfg {

class MainWindowState;

// Looks up an environment variable; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;
std::optional<std::string> processEnvironment(const char* name);

// The headless states of the pages, created in dependency order over the window's
// state, and the device link's page-side steps routed to them.
class PageStates {
 public:
  explicit PageStates(MainWindowState& window, EnvironmentLookup environment = processEnvironment);
  PageStates(const PageStates&) = delete;
  PageStates& operator=(const PageStates&) = delete;

  // After every configuration read, load or restore.
  void refreshFromImage();
  void deviceGone();
  // After a language button: captions that depend on the language.
  void languageChanged(int language);

  ButtonAssignment assignment;
  KeyPageState keyPage;
  EngineerKeyButtons engineerKeys;
  ReportRateControl reportRate;
  EngineerDpiState engineerDpi;
  DpiPageState dpi;
  EngineerLedState engineerLed;
  LightingPageState lighting;
  EditedProfile editedProfile;
  ModeSwitchOptions modeSwitch;
  ModeSwitchGestures gestures;
  DefaultRestore restore;
  EngineerDefaults engineerDefaults;
  SystemMouseStore mouseStore;
  PosixProcessRunner processRunner;
  std::unique_ptr<DesktopMouseBackend> desktop;
  SystemMouseSettings systemMouse;

 private:
  MainWindowState& window_;
};

}  // namespace mousecfg
