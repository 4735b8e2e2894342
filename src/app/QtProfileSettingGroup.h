#pragma once

#include <QGroupBox>
#include <array>
#include <functional>

#include "settings/ProfileSwitchEntry.h"

class QComboBox;

namespace mousecfg {

class ApplicationCore;

// The group "Profile Setting": the profile the mouse uses with its colour, and the
// options and colours of the profile-switch buttons.
class QtProfileSettingGroup : public QGroupBox {
  Q_OBJECT

 public:
  QtProfileSettingGroup(ApplicationCore& core, std::function<void()> changed, QWidget* parent);

  void render();

 private:
  QComboBox* addList(int row, int column, const QString& name, const QString& caption,
                     const QStringList& items, std::function<void(int)> handler);
  void fillProfileList();

  ApplicationCore& core_;
  std::function<void()> changed_;
  QComboBox* profile_ = nullptr;
  QComboBox* profileColour_ = nullptr;
  QComboBox* returnToZero_ = nullptr;
  QComboBox* adjustXy_ = nullptr;
  QComboBox* colourChange_ = nullptr;
  std::array<QComboBox*, profile_switch::kTargetCount> switchColours_{};
};

}  // namespace mousecfg
