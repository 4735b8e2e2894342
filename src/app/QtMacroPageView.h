#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "app/QtMacroPopups.h"
#include "app/QtPageLayout.h"
#include "app/QtPageView.h"

class QLabel;
class QLineEdit;

namespace mousecfg {

class ApplicationCore;
class MacroPageState;
class QtMacroInputDialog;
class QtMacroInsertPanel;
class QtMacroList;
class QtMainWindow;
class QtPictureButton;
class QtTickOption;
enum class MacroDialogKind;

// The macro page (page 4) over "LN_Back4": the library list with the mouse's macros
// below it on the left, the selected macro's events with Record/Stop in the middle, and
// on the right the delay mode, the repeat setting and the macro memory, or the insert
// panel while it is open.
class QtMacroPageView : public QtPageView {
  Q_OBJECT

 public:
  QtMacroPageView(QtMainWindow& window, ApplicationCore& core, QWidget* parent);
  ~QtMacroPageView() override;

  void render() override;

  // The file choosers; tests answer them without a dialog. An empty path is a cancel.
  std::function<QString(const QString& filter)> chooseFileToOpen;
  std::function<QString(const QString& filter)> chooseFileToSave;
  // The input dialog last opened, while it is open.
  QtMacroInputDialog* openDialog() const { return dialog_; }
  QtMacroPopups& popups() { return popups_; }
  QtMacroList* libraryList() const { return library_; }
  QtMacroList* deviceList() const { return device_; }
  QtMacroList* eventList() const { return events_; }
  QtPictureButton* recordButton() const { return record_; }
  QtMacroInsertPanel* insertPanel() const { return insert_; }
  std::optional<int> selectedEvent() const;

 private:
  void createLists();
  void createButtons();
  void createSettings();
  MacroPopupHandlers popupHandlers();
  QLabel* addCaption(const QString& name);

  void renderCaptions(const PagePalette& palette);
  void renderLists(const PagePalette& palette);
  void renderSettings(const PagePalette& palette);
  void renderMemory(const PagePalette& palette);

  void changed();
  void askName(bool rename);
  void editEvent();
  void exportTo(bool all);
  void importFrom(bool all);
  QtMacroInputDialog* openInputDialog(MacroDialogKind kind, bool pressLine);
  bool recordingBlocks() const;
  bool overRecordCommand() const;

  QtMainWindow& window_;
  ApplicationCore& core_;
  MacroPageState& page_;
  QtPageLayout layout_;
  QtMacroPopups popups_;
  QtMacroInputDialog* dialog_ = nullptr;

  QLabel* libraryCaption_ = nullptr;
  QLabel* deviceCaption_ = nullptr;
  QLabel* eventsCaption_ = nullptr;
  QLabel* settingsCaption_ = nullptr;
  QLabel* repeatCaption_ = nullptr;
  QLabel* memoryCaption_ = nullptr;
  QLabel* memory_ = nullptr;
  QLabel* usedBytes_ = nullptr;
  QLabel* windowOnly_ = nullptr;
  QtMacroList* library_ = nullptr;
  QtMacroList* device_ = nullptr;
  QtMacroList* events_ = nullptr;
  QtPictureButton* record_ = nullptr;
  QtPictureButton* newMacro_ = nullptr;
  std::array<QtTickOption*, 3> delayModes_{};
  QLineEdit* fixedDelay_ = nullptr;
  std::array<QtTickOption*, 4> repeats_{};
  QLineEdit* repeatCount_ = nullptr;
  QtMacroInsertPanel* insert_ = nullptr;
};

}  // namespace mousecfg
