#include "core/ApplicationCore.h"

#include "base/LayoutSet.h"
#include "core/MouseAccess.h"
#include "device/ImageMap.h"

namespace mousecfg {

namespace {

bool comboKey8Enabled(int language) {
  const std::optional<LayoutFile> layout = builtInLayout(language);
  return layout && layout->enabled("ComboKey8_Enable");
}

}  // namespace

ApplicationCore::ApplicationCore(HidBackend& backend, Host& programHost, Setup setup)
    : host(programHost),
      link(backend, programHost),
      languages(LanguageTables::builtIn()),
      options(std::move(setup.options)),
      assignment(link, languages, options),
      keyPage(assignment, options),
      engineerKeys(assignment),
      reportRate(link),
      engineerDpi(link, reportRate),
      dpi(link, languages, options, engineerDpi, reportRate),
      engineerLed(link),
      engineerVendor(link, reportRate),
      lighting(link, options, engineerLed),
      fireKeys(link, assignment, languages),
      gunPage(link, assignment, lighting, options),
      gunEditor(link, languages, programHost.clock()),
      editedProfile(link, options),
      modeSwitch(link),
      profileSetting(link, editedProfile, assignment),
      fireMacroOffsets(link, gunPage),
      fireMacroScripts(fireMacroFilePath(setup.environment), assignment),
      gestures(link, modeSwitch, editedProfile, options, comboKey8Enabled(languages.language())),
      restore(link),
      profileFiles(link),
      updatePage(link),
      engineerDefaults(link),
      extendedData(link),
      mouseStore(SystemMouseStore::defaultPath(setup.environment)),
      desktop(selectDesktopMouseBackend(processRunner, setup.environment)),
      systemMouse(mouseStore, desktop.get()),
      footer(std::move(setup.checkAccess)),
      macroLibrary(libraryFilePath(options.path, setup.environment)),
      deviceMacros(link, assignment),
      macroPage(link, macroLibrary, deviceMacros, programHost.clock()),
      inputSource(std::move(setup.inputSource)),
      recording(*inputSource, programHost, macroPage.recorder),
      gunRecording(*inputSource, programHost, gunEditor.recorder),
      shell(*this, std::move(setup.pictureSizes)),
      programName_(std::move(setup.programName)) {
  link.setObserver(this);
  link.deriveFromBuiltInImage();
  link.connection.reserveIds = {options.revManuId, options.revProId};
  if (setup.lockMouse)
    mouseLockPath_ = mouseLockPath(setup.environment, link.deviceTable[0].vendorId,
                                   link.deviceTable[0].productId);
  tellDeviceFailures_ = setup.tellDeviceFailures;
  if (tellDeviceFailures_)
    link.channel.setWriteWatcher([this](const TransferResult& written) { noticeWrite(written); });
  engineerDpi.valuesChanged = [this] { dpi.refreshFromImage(); };
  engineerLed.valuesChanged = [this] { lighting.refreshFromImage(); };
  editedProfile.showKeyPage = [this](int profile) {
    keyPage.setEditedProfile(profile);
    shell.showEditedProfile(profile);
  };
  assignment.openGunPage = [this](int button) {
    gunPage.open(button);
    shell.showGunPage();
  };
  gunPage.leavePage = [this] { shell.leaveGunPage(); };
  // The gun page reads a preset the editor changed again, so that its fields write
  // where the values now stand; offsets waiting for Confirm stay. Page and editor show
  // the same gun.
  gunEditor.presetChanged = [this](int gun) {
    if (gunPage.selectedGun == gun) gunPage.Btn_FireClick(gun);
  };
  gunEditor.presetChosen = [this](int gun) {
    if (gunPage.selectedGun != gun) gunPage.Btn_FireClick(gun);
  };
  gunPage.gunChosen = [this](int gun) {
    if (gunEditor.selectedPreset() != gun) gunEditor.selectPreset(gun);
  };
  gunEditor.recordingChanged = [this](bool started) {
    if (started)
      gunRecording.begin();
    else
      gunRecording.end();
  };
  // The mode switches tell gun buttons by the same fire macro codes as the names do.
  fireMacroScripts.tableChanged = [this] { modeSwitch.fireMacros = assignment.fireMacros; };
  systemMouse.saveFailed = [this](const std::string& reason) {
    host.showText("The pointer settings could not be saved: " + reason);
  };
  macroPage.recordingChanged = [this](bool started) {
    if (started)
      recording.begin();
    else
      recording.end();
  };
  // New AIM key entries take the AIM step the DPI page shows, and profile-switch
  // entries the engineer page's "OffSet:".
  assignment.updateParameters = [this](EntryParameters& parameters) {
    parameters.aimStepNumber = dpi.aimStepNumber;
    parameters.profileSwitch.offset = modeSwitch.offset;
  };
}

ApplicationCore::~ApplicationCore() {
  link.channel.setWriteWatcher({});
  link.listener.stop();
  link.setObserver(nullptr);
}

// One refusal is told once: the writes that follow it in the same change (or while the
// mouse is away) fail too. A write the mouse takes, or the mouse going away, ends the
// silence.
void ApplicationCore::noticeWrite(const TransferResult& written) {
  if (written) {
    refusedWriteTold_ = false;
    return;
  }
  if (refusedWriteTold_) return;
  refusedWriteTold_ = true;
  host.showText(kRefusedWriteText);
}

void ApplicationCore::readCutShort() {
  if (tellDeviceFailures_) host.showText(kReadCutShortText);
}

// A restore whose write was refused has been told already: the mouse that went away
// in the write is why it was not found.
void ApplicationCore::notFoundAfterRestart() {
  footer.noMouse();
  if (tellDeviceFailures_ && !refusedWriteTold_) host.showText(kNotFoundAfterRestartText);
}

AccessReport ApplicationCore::defaultAccessCheck() {
  return checkDeviceAccess(image::kDefaultVendorId, image::kDefaultProductId);
}

bool ApplicationCore::holdMouseLock() {
  if (!mouseLockPath_ || mouseLock_) return true;
  MouseLock::Attempt attempt = MouseLock::tryAcquire(*mouseLockPath_, programName_);
  if (attempt.lock) {
    mouseLock_.emplace(std::move(*attempt.lock));
    return true;
  }
  mouseLockHolder_ = attempt.holder;
  if (attempt.holder) return false;
  if (!lockProblemTold_)
    host.showText("Other programs may change the mouse meanwhile: " + attempt.error);
  lockProblemTold_ = true;
  return true;
}

void ApplicationCore::refreshFromImage() {
  const auto refreshing = link.holdRefreshing();
  keyPage.refreshFromImage();
  fireKeys.refreshFromImage();
  gunPage.refreshFromImage();
  gunEditor.refreshFromImage();
  reportRate.refreshFromImage();
  engineerDpi.refreshFromImage();
  dpi.refreshFromImage();
  engineerLed.refreshFromImage();
  engineerVendor.refreshFromImage();
  lighting.refreshFromImage();
  editedProfile.refreshFromImage();
  modeSwitch.refreshFromImage();
  gestures.refreshFromImage();
}

void ApplicationCore::languageChanged(int language) {
  assignment.applyLanguage();
  gestures.setComboKey8Enable(comboKey8Enabled(language));
}

void ApplicationCore::refreshPages() {
  refreshFromImage();
}

void ApplicationCore::hideMenus() {
  shell.closeMenus();
  assignment.HideAllMenu();
}

void ApplicationCore::deviceGone() {
  refusedWriteTold_ = false;  // the next refusal is news
  footer.noMouse();
  reportRate.deviceGone();
  dpi.deviceGone();
  macroPage.deviceGone();
}

// A whole read has parsed the mouse's macros again and shows the library.
void ApplicationCore::refreshPcMacroNames() {
  macroPage.RefreshPCMacroName();
  macroPage.deviceMacrosChanged();
}

void ApplicationCore::clearMacroEditor() {
  macroPage.clearEditor();
}

void ApplicationCore::refreshSystemMouseGroups() {
  systemMouse.refreshFromStore();
}

void ApplicationCore::showFirstPage() {
  // A whole read shows the first page, and so does a restore as it begins, with the
  // mouse connected; a restore that loses the mouse says so in notFoundAfterRestart.
  footer.connected();
  shell.showFirstPage();
}

void ApplicationCore::errorStateEntered() {
  footer.noMouse();
  shell.showFirstPage();
}

void ApplicationCore::dpiButtonReleased() {
  dpi.RefreshCurrentDPIStatus();
  host.refreshWindow();
}

void ApplicationCore::profileButtonReleased() {
  editedProfile.RefreshCurrentProfileStatus();
  host.refreshWindow();
}

}  // namespace mousecfg
