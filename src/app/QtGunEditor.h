#pragma once

#include <QWidget>
#include <array>

#include "app/QtPageLayout.h"
#include "fire/GunPresetEditor.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace mousecfg {

class ApplicationCore;
class QtMacroInputDialog;
class QtMacroList;
class QtMainWindow;
class QtPictureButton;
class QtTickOption;

// The gun page's service editor over the gun rack: the seven presets on the left with
// the delay mode below them, the selected preset's events with Delete, Rename and
// Record/Stop on the right, and the insert action with its fields, Insert, OK and
// Cancel along the bottom. It edits the working gun table only; the page's Confirm
// sends it.
class QtGunEditor : public QWidget {
  Q_OBJECT

 public:
  static constexpr size_t kDelayModeCount = 3;

  QtGunEditor(QtMainWindow& window, ApplicationCore& core, QWidget* parent);
  ~QtGunEditor() override;

  void render(const QtPageLayout& layout);

  QtMacroList* presetList() const { return presets_; }
  QtMacroList* eventList() const { return events_; }
  QtPictureButton* recordButton() const { return record_; }
  QtPictureButton* deleteButton() const { return delete_; }
  QtPictureButton* renameButton() const { return rename_; }
  QtPictureButton* insertButton() const { return insert_; }
  QtPictureButton* okButton() const { return ok_; }
  QtPictureButton* cancelButton() const { return cancel_; }
  QComboBox* insertActions() const { return actions_; }
  QLineEdit* insertField(GunInsertField which) const { return fields_[static_cast<size_t>(which)]; }
  QtTickOption* delayMode(size_t index) const { return delayModes_.at(index); }
  QLineEdit* fixedDelay() const { return fixedDelay_; }
  QLabel* notice() const { return notice_; }
  QtMacroInputDialog* openDialog() const { return dialog_; }

 signals:
  // A command changed the editor's state: the page renders again.
  void changed();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void createLists();
  void createSettings();
  void createButtons();
  void createInsertControls();
  QtPictureButton* addButton(const char* name, const QRect& place, std::function<void()> handler);
  QLabel* addLabel(const QString& name, const QRect& place);
  void openRename();

  void renderLists(const QtPageLayout& layout);
  void renderSettings(const QFont& font, const PagePalette& palette, int language);
  void renderButtons(const QFont& font, int language);
  void renderInsert(const QFont& font, const PagePalette& palette, int language);

  QtMainWindow& window_;
  ApplicationCore& core_;
  GunPresetEditor& editor_;
  QtMacroInputDialog* dialog_ = nullptr;
  QColor background_;
  QColor frame_;

  QtMacroList* presets_ = nullptr;
  QtMacroList* events_ = nullptr;
  std::array<QtTickOption*, kDelayModeCount> delayModes_{};
  QLineEdit* fixedDelay_ = nullptr;
  QLabel* milliseconds_ = nullptr;
  QLabel* notice_ = nullptr;
  QtPictureButton* record_ = nullptr;
  QtPictureButton* delete_ = nullptr;
  QtPictureButton* rename_ = nullptr;
  QComboBox* actions_ = nullptr;
  std::array<QLineEdit*, kGunInsertFields> fields_{};
  std::array<QLabel*, kGunInsertFields> fieldLabels_{};
  QtPictureButton* insert_ = nullptr;
  QtPictureButton* ok_ = nullptr;
  QtPictureButton* cancel_ = nullptr;
};

}  // namespace mousecfg
