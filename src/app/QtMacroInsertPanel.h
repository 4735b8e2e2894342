#pragma once

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace mousecfg {

class MacroPageState;
class QtMainWindow;
class QtPictureButton;
class QtTickOption;

// The macro page's insert panel, over the right-hand frame while it is open: what to
// insert and where, the delay and movement to insert, its own delay mode and Record/Stop
// for keys, and OK / Cancel.
class QtMacroInsertPanel : public QWidget {
  Q_OBJECT

 public:
  QtMacroInsertPanel(QtMainWindow& window, MacroPageState& page, QWidget* parent);

  void render();
  QtPictureButton* recordButton() const { return record_; }
  QComboBox* choices() const { return choices_; }

 signals:
  // A command changed the page's state: the page renders again.
  void changed();

 private:
  void createControls();
  QLabel* addLabel(const QString& name);

  QtMainWindow& window_;
  MacroPageState& page_;
  QComboBox* choices_ = nullptr;
  QLabel* delayLabel_ = nullptr;
  QLineEdit* delay_ = nullptr;
  QLabel* xLabel_ = nullptr;
  QLineEdit* x_ = nullptr;
  QLabel* yLabel_ = nullptr;
  QLineEdit* y_ = nullptr;
  std::array<QtTickOption*, 3> delayModes_{};
  QtPictureButton* record_ = nullptr;
  QtPictureButton* ok_ = nullptr;
  QtPictureButton* cancel_ = nullptr;
};

}  // namespace mousecfg
