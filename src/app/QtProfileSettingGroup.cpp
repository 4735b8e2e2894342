#include "app/QtProfileSettingGroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QSignalBlocker>

#include "app/QtEngineerWidgets.h"
#include "app/QtText.h"
#include "base/LanguageKeys.h"
#include "core/ApplicationCore.h"

namespace mousecfg {

namespace {

QStringList colourItems() {
  QStringList items;
  for (int n = 1; n <= profile_switch::kFixedColourItem; ++n)
    items << engineerCaption("颜色", "Colour ") + QString::number(n);
  items << engineerCaption("指定颜色", "Fixed Colour");
  return items;
}

// The colour each profile-switch button shows on switching to office, game or third mode.
QString switchColourCaption(int target) {
  static constexpr std::array<std::array<const char*, 2>, profile_switch::kTargetCount> kCaptions{{
      {"模式1颜色:", "Office Switch Colour:"},
      {"模式2颜色:", "Game Switch Colour:"},
      {"模式3颜色:", "Third Switch Colour:"},
  }};
  const auto& caption = kCaptions[static_cast<size_t>(target)];
  return engineerCaption(caption[0], caption[1]);
}

QStringList onOffItems() {
  return {QStringLiteral("Disable"), QStringLiteral("Enable")};
}

}  // namespace

QtProfileSettingGroup::QtProfileSettingGroup(ApplicationCore& core, std::function<void()> changed,
                                             QWidget* parent)
    : QGroupBox(QStringLiteral("Profile Setting"), parent),
      core_(core),
      changed_(std::move(changed)) {
  setObjectName("gb_ProfileSetting");
  auto* grid = new QGridLayout(this);
  grid->setVerticalSpacing(3);
  ProfileSettingState& setting = core_.profileSetting;
  profile_ = addList(0, 0, "cb_Profile", engineerCaption("当前模式:", "Profile:"), {},
                     [&setting](int item) { setting.cb_ProfileChange(item); });
  profileColour_ =
      addList(0, 2, "cb_ProfileColor", engineerCaption("模式颜色:", "Profile Colour:"),
              colourItems(), [&setting](int item) { setting.cb_ProfileColorChange(item); });
  returnToZero_ = addList(1, 0, "cb_RTZ", QStringLiteral("RTZ:"), onOffItems(),
                          [&setting](int item) { setting.cb_RTZChange(item); });
  adjustXy_ = addList(1, 2, "cb_AXY", QStringLiteral("AXY:"), onOffItems(),
                      [&setting](int item) { setting.cb_AXYChange(item); });
  colourChange_ = addList(2, 0, "cb_CC", QStringLiteral("CC:"), onOffItems(),
                          [&setting](int item) { setting.cb_CCChange(item); });
  returnToZero_->setToolTip(engineerCaption("归零", "Return to zero"));
  adjustXy_->setToolTip(engineerCaption("调整 XY", "Adjust X and Y"));
  colourChange_->setToolTip(engineerCaption("切换颜色", "Change colour on switching"));
  for (int target = 0; target < profile_switch::kTargetCount; ++target) {
    const int cell = target + 5;  // two lists a row, after the profile, RTZ, AXY and CC
    switchColours_[static_cast<size_t>(target)] =
        addList(cell / 2, 2 * (cell % 2), QStringLiteral("cb_Profile%1Color").arg(target + 1),
                switchColourCaption(target), colourItems(),
                [&setting, target](int item) { setting.profileSwitchColourChange(target, item); });
  }
}

QComboBox* QtProfileSettingGroup::addList(int row, int column, const QString& name,
                                          const QString& caption, const QStringList& items,
                                          std::function<void(int)> handler) {
  QComboBox* combo = comboBox(this, name);
  combo->addItems(items);
  addLabelled(*static_cast<QGridLayout*>(layout()), row, column, caption, combo);
  connect(combo, &QComboBox::currentIndexChanged, this,
          [this, handler = std::move(handler)](int item) {
            handler(item);
            changed_();
          });
  return combo;
}

// The profiles carry the names the language gives them ("Office Mode", "Game Mode").
void QtProfileSettingGroup::fillProfileList() {
  const MainWindowState& state = core_.shell;
  const QStringList names{qt(state.text(langkey::menu::kOfficeMode)),
                          qt(state.text(langkey::menu::kGameMode))};
  QStringList shown;
  for (int n = 0; n < profile_->count(); ++n) shown << profile_->itemText(n);
  if (shown == names) return;
  const QSignalBlocker quiet(profile_);
  profile_->clear();
  profile_->addItems(names);
}

void QtProfileSettingGroup::render() {
  const ProfileSettingState& setting = core_.profileSetting;
  fillProfileList();
  showItem(profile_, setting.cb_Profile());
  showItem(profileColour_, setting.cb_ProfileColor());
  showItem(returnToZero_, setting.cb_RTZ());
  showItem(adjustXy_, setting.cb_AXY());
  showItem(colourChange_, setting.cb_CC());
  for (int target = 0; target < profile_switch::kTargetCount; ++target)
    showItem(switchColours_[static_cast<size_t>(target)], setting.profileSwitchColour(target));
}

}  // namespace mousecfg
