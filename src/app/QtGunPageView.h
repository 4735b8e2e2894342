#pragma once

#include <array>

#include "app/QtPageLayout.h"
#include "app/QtPageView.h"
#include "fire/GunPageState.h"
#include "fire/GunPresets.h"

class QLabel;
class QLineEdit;

namespace mousecfg {

class ApplicationCore;
class QtColourSwatch;
class QtGunEditor;
class QtMainWindow;
class QtPictureButton;
class QtTickOption;

// The gun page (page 6) over "LN_Back6": the seven gun buttons in the rack on the left,
// and on the right the selected gun's recoil fields, its colour, "Keep the left key",
// Confirm and Cancel. Only the first stage of a gun is edited here. In service mode the
// gun preset editor lies over the rack; the page's background double-click asks for it.
class QtGunPageView : public QtPageView {
  Q_OBJECT

 public:
  QtGunPageView(QtMainWindow& window, ApplicationCore& core, QWidget* parent);
  ~QtGunPageView() override;

  void render() override;
  QtPageLayout& layout() { return layout_; }

  QtTickOption* gunButton(int gun) const { return guns_[static_cast<size_t>(gun - 1)]; }
  QLineEdit* field(GunField which) const { return fields_[static_cast<size_t>(which)]; }
  QtGunEditor* editor() const { return editor_; }

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  static constexpr size_t kGuns = gun::kLastGun;

  void createGuns();
  void createFields();
  void createSettings();
  QLabel* createLabel(const QString& name, Qt::Alignment alignment);
  void changed();

  void renderCaptions(const PagePalette& palette);
  void renderGuns(const PagePalette& palette);
  void renderFields(const PagePalette& palette);
  void renderSettings(const PagePalette& palette);
  QFont textFont() const;

  QtMainWindow& window_;
  ApplicationCore& core_;
  GunPageState& gunPage_;
  QtPageLayout layout_;

  QLabel* rackCaption_ = nullptr;
  QLabel* gunCaption_ = nullptr;
  QLabel* hint_ = nullptr;
  std::array<QtTickOption*, kGuns> guns_{};
  std::array<QLabel*, kGuns> gunNames_{};
  std::array<QLineEdit*, kGunFieldCount> fields_{};
  std::array<QLabel*, kGunFieldCount> fieldCaptions_{};
  QLabel* colourCaption_ = nullptr;
  QtColourSwatch* colour_ = nullptr;
  QtTickOption* keepLeft_ = nullptr;
  QtPictureButton* confirm_ = nullptr;
  QtPictureButton* cancel_ = nullptr;
  QtGunEditor* editor_ = nullptr;
};

}  // namespace mousecfg
