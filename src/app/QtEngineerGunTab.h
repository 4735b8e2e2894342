#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/QtPageLayout.h"
#include "settings/FunctionMenu.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace mousecfg {

class ApplicationCore;
class QtFireMacroOffsetsGroup;
class QtFunctionMenu;
class QtMainWindow;
class QtProfileSettingGroup;

// The engineer page's "  Gun Confirm  " tab: the combo keys and both profiles' buttons,
// which open the function menu, the game-mode and LED-mode switch options, the profile
// setting, the fire macros' offsets and the fire
// macro code editor "枪键参数配置:".
class QtEngineerGunTab : public QWidget {
  Q_OBJECT

 public:
  QtEngineerGunTab(QtMainWindow& window, ApplicationCore& core, std::function<void()> changed,
                   QWidget* parent = nullptr);
  ~QtEngineerGunTab() override;

  void render();
  QtFunctionMenu& functionMenu() { return *menu_; }

 private:
  QWidget* createKeyGroup(const QString& title, const QString& prefix, int first, int count);
  QWidget* createModeSwitchGroup();
  QWidget* createComboEnableGroup();
  QWidget* createScriptGroup();
  void connectMenu();
  void keyButtonClicked(QPushButton* button);
  bool menuShownHere() const;
  void renderModeSwitch();
  void renderScripts();
  void renderMenu();
  void handled(const std::function<void()>& handler);

  QtMainWindow& window_;
  ApplicationCore& core_;
  std::function<void()> changed_;
  QtPageLayout layout_;
  std::unique_ptr<QtFunctionMenu> menu_;
  std::vector<QPushButton*> keyButtons_;
  std::vector<QComboBox*> comboEnableLists_;
  QComboBox* gameSwitch_ = nullptr;
  QCheckBox* gunGameSwitch_ = nullptr;
  QLineEdit* offset_ = nullptr;
  QComboBox* ledSwitch_ = nullptr;
  QtProfileSettingGroup* profileSetting_ = nullptr;
  QtFireMacroOffsetsGroup* fireMacroOffsets_ = nullptr;
  QComboBox* scriptType_ = nullptr;
  QComboBox* scriptColour_ = nullptr;
  QComboBox* keepLeft_ = nullptr;
  QComboBox* startIndex_ = nullptr;
  QComboBox* presetCount_ = nullptr;
  std::vector<QWidget*> gunFormControls_;
  std::vector<QWidget*> colourFormControls_;
  QListWidget* scripts_ = nullptr;
};

}  // namespace mousecfg
