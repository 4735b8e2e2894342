#pragma once

#include <QString>

#include "app/QtPageView.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace mousecfg {

class ApplicationCore;
class QtEngineerAdvancedTab;
class QtEngineerGunTab;
class QtEngineerOperatorTab;
class QtMainWindow;

// The engineer page (page 7): the factory's editor of the vendor section, as plain
// dense controls in three tabs, with the file and default buttons above them. The logo
// is the door to the service levels, which decide the tabs and groups shown.
class QtEngineerPageView : public QtPageView {
  Q_OBJECT

 public:
  static constexpr const char* kOperatorTab = "  Operator  ";
  static constexpr const char* kAdvancedTab = "  Advanced    ";
  static constexpr const char* kGunConfirmTab = "  Gun Confirm  ";

  QtEngineerPageView(QtMainWindow& window, ApplicationCore& core, QWidget* page);
  ~QtEngineerPageView() override;

  void render() override;

  QTabWidget* tabs() const { return tabs_; }
  QLabel* logo() const { return logo_; }
  QtEngineerGunTab* gunTab() const { return gunTab_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createButtons();
  QPushButton* addButton(const char* name, const char* caption);
  void importFile(bool gunPresets);
  void renderTabs();
  void pageEntered();
  void done();

  QtMainWindow& window_;
  ApplicationCore& core_;
  QLabel* logo_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QtEngineerOperatorTab* operatorTab_ = nullptr;
  QtEngineerAdvancedTab* advancedTab_ = nullptr;
  QtEngineerGunTab* gunTab_ = nullptr;
  QPushButton* defaults_ = nullptr;
  QPushButton* importMacros_ = nullptr;
  QPushButton* importGuns_ = nullptr;
  bool shown_ = false;
};

}  // namespace mousecfg
