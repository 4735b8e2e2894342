#include "core/MainWindowState.h"

#include <filesystem>

#include "base/LanguageKeys.h"
#include "core/ApplicationCore.h"

namespace mousecfg {

namespace {

Page pageOf(PageButton button) {
  switch (button) {
    case PageButton::Main:
    case PageButton::Switch:
    case PageButton::Fixed:
      return Page::Keys;
    case PageButton::Advanced:
      return Page::Advanced;
    case PageButton::Breath:
      return Page::Lighting;
    case PageButton::Macro:
      return Page::Macro;
    case PageButton::Update:
      return Page::Update;
    case PageButton::Engineer:
      return Page::Engineer;
  }
  return Page::Keys;
}

bool isModeButton(PageButton button) {
  return button == PageButton::Main || button == PageButton::Switch || button == PageButton::Fixed;
}

}  // namespace

MainWindowState::MainWindowState(ApplicationCore& core, PictureSizes pictureSizes)
    : core_(core),
      link_(core.link),
      languages_(core.languages),
      options_(core.options),
      pictureSizes_(std::move(pictureSizes)) {
  resetPageButtonPictures();
  languageButtonPictures.fill(std::string(kPictureButtonNormal));
  saveButtonPicture = kPictureButtonNormal;
  loadButtonPicture = kPictureButtonNormal;
}

void MainWindowState::FormCreate() {
  setOverlays(true);
  link_.resetFlags();
  link_.connection = {};
  windowSize = pictureSizes_(backgroundPicture());
  link_.channel.closeAll();
  link_.connection.reserveIds = {options_.revManuId, options_.revProId};
  languages_.selectLanguage(kFirstLanguage);
  applyLayoutAndLanguage();
  core_.macroPage.loadLibrary();
  core_.fireMacroScripts.loadAtStartup();
  link_.deriveFromBuiltInImage();
  link_.RefreshErrorAP();
  core_.refreshSystemMouseGroups();
  showPage(Page::Keys);
  languageButtonPictures[static_cast<size_t>(language() - 1)] = kPictureButtonSelected;
  link_.listener.start();
  setOverlays(false);
}

void MainWindowState::startMonitor() {
  link_.startMonitor();
}

void MainWindowState::setOverlays(bool visible) {
  overlaysVisible = visible;
  link_.host.setOverlaysVisible(visible);
}

void MainWindowState::applyLayoutAndLanguage() {
  const std::optional<LayoutFile> layout = builtInLayout(language());
  layout_ = applyLayout(layout.value_or(LayoutFile{}), options_, language(), pictureSizes_);
}

std::string MainWindowState::backgroundPicture() const {
  return skinPictureName(language(), kPictureBackground);
}

std::string MainWindowState::pagePicture() const {
  const int page = static_cast<int>(visiblePage);
  if (page > 4 && visiblePage != Page::Guns) return {};
  return skinPictureName(language(), "Back" + std::to_string(page));
}

void MainWindowState::resetPageButtonPictures() {
  pageButtonPictures.fill(std::string(kPictureButtonNormal));
}

void MainWindowState::showPage(Page page) {
  visiblePage = page;
  windowSize = page == Page::Engineer ? Size{kEngineerPageWidth, kEngineerPageHeight}
                                      : pictureSizes_(backgroundPicture());
}

void MainWindowState::showGunPage() {
  closeMenus();
  showPage(Page::Guns);
  link_.host.refreshWindow();
}

void MainWindowState::leaveGunPage() {
  showPage(Page::Keys);
  link_.host.refreshWindow();
}

void MainWindowState::pageButtonClick(PageButton button) {
  if (!link_.channel.isOpen()) {
    link_.host.showMessage(langkey::message::kDeviceNotFound);
    return;
  }
  if (link_.errorFlag() || (isModeButton(button) && link_.batchFlag())) return;
  setOverlays(true);
  closeMenus();
  resetPageButtonPictures();
  checkedRadio = static_cast<int>(button);
  if (isModeButton(button)) core_.editedProfile.selectMode(checkedRadio);
  if (button == PageButton::Update) core_.updatePage.pageOpened();
  showPage(pageOf(button));
  pageButtonPictures[static_cast<size_t>(checkedRadio - 1)] = kPictureButtonSelected;
  setOverlays(false);
  link_.host.refreshWindow();
}

void MainWindowState::languageButtonClick(int language) {
  if (language < kFirstLanguage || language > kLastLanguage) return;
  setOverlays(true);
  languageButtonPictures.fill(std::string(kPictureButtonNormal));
  languageButtonPictures[static_cast<size_t>(language - 1)] = kPictureButtonSelected;
  languages_.switchLanguage(language, {});
  applyLayoutAndLanguage();
  core_.languageChanged(language);
  if (visiblePage != Page::Engineer) windowSize = pictureSizes_(backgroundPicture());
  setOverlays(false);
  link_.host.refreshWindow();
}

bool MainWindowState::Btn_Web_0Click() {
  webPressed = true;
  return options_.webEnable && !options_.web.empty();
}

std::string MainWindowState::webAddress(const std::string& installedDocumentation) const {
  std::error_code error;
  if (options_.web == kBuiltInWebAddress && !installedDocumentation.empty() &&
      std::filesystem::is_regular_file(installedDocumentation, error))
    return "file://" + std::filesystem::absolute(installedDocumentation, error).string();
  return options_.web;
}

// The window is drawn before the action so the selected picture is on screen while a
// modal dialog waits.
template <typename Action>
ProfileFiles::Outcome MainWindowState::whilePictureSelected(std::string& picture, Action action) {
  picture = kPictureButtonSelected;
  link_.host.refreshWindow();
  const ProfileFiles::Outcome outcome = action();
  picture = kPictureButtonNormal;
  return outcome;
}

ProfileFiles::Outcome MainWindowState::Btn_Save_0Click() {
  return whilePictureSelected(saveButtonPicture,
                              [this] { return core_.profileFiles.Btn_Save_0Click(); });
}

ProfileFiles::Outcome MainWindowState::Btn_Load_0Click() {
  return whilePictureSelected(loadButtonPicture,
                              [this] { return core_.profileFiles.Btn_Load_0Click(); });
}

void MainWindowState::FormCloseQuery() {
  link_.channel.closeAll();
  link_.listener.stop();
}

void MainWindowState::showFirstPage() {
  resetPageButtonPictures();
  checkedRadio = static_cast<int>(PageButton::Main);
  pageButtonPictures[0] = kPictureButtonSelected;
  showPage(Page::Keys);
}

void MainWindowState::showEditedProfile(int profile) {
  resetPageButtonPictures();
  checkedRadio = profile;
  pageButtonPictures[static_cast<size_t>(profile - 1)] = kPictureButtonSelected;
  showPage(Page::Keys);
}

const std::string& MainWindowState::keyCaption(size_t index) const {
  return core_.assignment.keyCaptions.at(index);
}

}  // namespace mousecfg
