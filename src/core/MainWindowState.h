#pragma once

#include <array>
#include <string>

#include "base/LanguageTables.h"
#include "base/LayoutSet.h"
#include "base/ProgramOptions.h"
#include "base/WindowLayout.h"
#include "device/DeviceLink.h"
#include "settings/ProfileFiles.h"

namespace mousecfg {

class ApplicationCore;

// The pages of the main window (group boxes gbPage1..gbPage7).
enum class Page {
  Keys = 1,
  Advanced = 2,
  Lighting = 3,
  Macro = 4,
  Update = 5,
  Guns = 6,
  Engineer = 7
};

// The eight page buttons; each checks its radio rb_1..rb_8 (the enum's value).
enum class PageButton {
  Main = 1,
  Switch = 2,
  Fixed = 3,
  Advanced = 4,
  Breath = 5,
  Macro = 6,
  Update = 7,
  Engineer = 8,
};

// The window shell's headless state: which page and radio are shown, the pictures of
// the page buttons, the window size, the language and the layout it applied. The Qt
// window renders it after every handler. It is part of the application core, whose
// languages, options and pages it uses.
class MainWindowState {
 public:
  MainWindowState(ApplicationCore& core, PictureSizes pictureSizes);

  // Builds the shell in start-up order; the monitor timer stays off until the progress
  // window exists (startMonitor).
  void FormCreate();
  void startMonitor();
  // The mouse's profile button or a mode button chose the profile the key page edits.
  void showEditedProfile(int profile);

  // Btn_Main_0Click..Btn_Engineer_0Click.
  void pageButtonClick(PageButton button);
  // Language buttons 1..3.
  void languageButtonClick(int language);
  // The web button: true when the address should be opened.
  bool Btn_Web_0Click();
  // The address the web button opens: the page the layout names, or, in place of the
  // built-in placeholder, the installed documentation (a file path) when it exists.
  std::string webAddress(const std::string& installedDocumentation) const;
  void FormCloseQuery();
  // "Save Profile" and "Load Profile". Their pictures show "SetS_03" while the action and
  // its dialog run and "SetS_01" again once it ends, however it ends: neither is a toggle.
  ProfileFiles::Outcome Btn_Save_0Click();
  ProfileFiles::Outcome Btn_Load_0Click();
  void closeMenus() { menusOpen = false; }

  // The key page's "Fire Macro" shows the gun page; its Confirm and Cancel go back to
  // the key page. The page buttons keep their pictures: the gun page belongs to page 1.
  void showGunPage();
  void leaveGunPage();

  // After a configuration read and in the error state: page 1 with its first button.
  void showFirstPage();

  DeviceLink& link() { return link_; }
  ApplicationCore& core() { return core_; }
  const LanguageTables& languages() const { return languages_; }
  const ProgramOptions& options() const { return options_; }
  const WindowLayout& layout() const { return layout_; }
  std::string text(std::string_view key) const { return languages_.text(key); }
  std::string title() const { return languages_.current().title(); }
  int language() const { return languages_.language(); }

  static constexpr const char* kCaption = "KVRM318x 062B Gaming Mouse v1.0";
  static constexpr const char* kApplicationTitle = "Gaming Mouse";

  Page visiblePage = Page::Keys;
  int checkedRadio = 1;  // rb_1..rb_8
  Size windowSize;
  bool menusOpen = false;
  bool overlaysVisible = false;
  bool webPressed = false;
  // The picture of each page button's five copies, by radio (index 0 = rb_1).
  std::array<std::string, 8> pageButtonPictures;
  // Language buttons 1..3: "SetS_03" on the language in use.
  std::array<std::string, 3> languageButtonPictures;
  // The five copies of the save button (Img_Save_1..5) and of the load button.
  std::string saveButtonPicture;
  std::string loadButtonPicture;
  // The caption of key label index (0..11) of the key page.
  const std::string& keyCaption(size_t index) const;

  // The background picture of the visible page ("L1_Back2", "L1_Back6" for the gun
  // page); empty for the update and engineer pages.
  std::string pagePicture() const;
  // "L1_BackGround" of the language in use.
  std::string backgroundPicture() const;
  Size pictureSize(std::string_view picture) const { return pictureSizes_(picture); }

 private:
  void applyLayoutAndLanguage();
  void showPage(Page page);
  void resetPageButtonPictures();
  void setOverlays(bool visible);
  template <typename Action>
  ProfileFiles::Outcome whilePictureSelected(std::string& picture, Action action);

  ApplicationCore& core_;
  DeviceLink& link_;
  LanguageTables& languages_;
  const ProgramOptions& options_;
  PictureSizes pictureSizes_;
  WindowLayout layout_;
};

}  // namespace mousecfg
