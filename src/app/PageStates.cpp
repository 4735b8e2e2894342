#include "PageStates.h"

#include <cstdlib>

#include "app/LayoutSet.h"
#include "app/MainWindowState.h"

namespace mousecfg {

namespace {

bool comboKey8Enabled(int language) {
  const std::optional<LayoutFile> layout = builtInLayout(language);
  return layout && layout->enabled("ComboKey8_Enable");
}

}  // namespace

std::optional<std::string> processEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (!value) return std::nullopt;
  return std::string(value);
}

PageStates::PageStates(MainWindowState& window, EnvironmentLookup environment)
    : assignment(window.link(), window.languages(), window.options()),
      keyPage(assignment, window.options()),
      engineerKeys(assignment),
      reportRate(window.link()),
      engineerDpi(window.link(), reportRate),
      dpi(window.link(), window.languages(), window.options(), engineerDpi, reportRate),
      engineerLed(window.link()),
      lighting(window.link(), window.options(), engineerLed),
      editedProfile(window.link(), window.options()),
      modeSwitch(window.link()),
      gestures(window.link(), modeSwitch, editedProfile, window.options(),
               comboKey8Enabled(window.language())),
      restore(window.link()),
      engineerDefaults(window.link()),
      mouseStore(SystemMouseStore::defaultPath(environment)),
      desktop(selectDesktopMouseBackend(processRunner, environment)),
      systemMouse(mouseStore, desktop.get()),
      window_(window) {
  editedProfile.showKeyPage = [this](int profile) {
    keyPage.setEditedProfile(profile);
    window_.showEditedProfile(profile);
  };
  // The DPI page reads the AIM step the AIM key entries are built with.
  assignment.updateParameters = [this](EntryParameters& parameters) {
    parameters.aimStepNumber = dpi.aimStepNumber;
  };
}

void PageStates::refreshFromImage() {
  DeviceLink& link = window_.link();
  const bool wasRefreshing = link.refreshingFlag;
  link.refreshingFlag = true;
  keyPage.refreshFromImage();
  reportRate.refreshFromImage();
  engineerDpi.refreshFromImage();
  dpi.refreshFromImage();
  engineerLed.refreshFromImage();
  lighting.refreshFromImage();
  editedProfile.refreshFromImage();
  modeSwitch.refreshFromImage();
  gestures.refreshFromImage();
  link.refreshingFlag = wasRefreshing;
}

void PageStates::deviceGone() {
  reportRate.deviceGone();
  dpi.deviceGone();
}

void PageStates::languageChanged(int language) {
  assignment.applyLanguage();
  gestures.setComboKey8Enable(comboKey8Enabled(language));
}

}  // namespace mousecfg
