#include "app/QtEngineerGunTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/QtEngineerWidgets.h"
#include "app/QtFireMacroOffsetsGroup.h"
#include "app/QtFunctionMenu.h"
#include "app/QtMainWindow.h"
#include "app/QtProfileSettingGroup.h"
#include "app/QtText.h"
#include "base/LanguageKeys.h"
#include "base/LayoutSet.h"
#include "core/ApplicationCore.h"
#include "engineer/HexField.h"

namespace mousecfg {

namespace {

constexpr int kButtonsPerProfile = ButtonAssignment::kButtons;
constexpr int kComboKeyCount = ButtonAssignment::kComboKeys;
constexpr int kComboKeyColumns = 3;
constexpr int kProfileKeyColumns = 4;
constexpr int kKeyButtonWidth = 104;
constexpr int kOffsetDigits = 2;
constexpr uint32_t kMaxOffset = 0xFF;

QStringList gameModeSwitchItems() {
  return {engineerCaption("无", "None"),
          engineerCaption("长按中键", "Hold Middle Button"),
          engineerCaption("长按 CPI 循环键", "Hold CPI Loop"),
          engineerCaption("长按 CPI+", "Hold CPI +"),
          engineerCaption("长按 CPI-", "Hold CPI -"),
          engineerCaption("'右键'+'后退'组合键", "Right + Back"),
          engineerCaption("'右键'+'前进'组合键", "Right + Forward")};
}

QStringList itemsOf(std::span<const char* const> items) {
  QStringList list;
  for (const char* item : items) list << qt(item);
  return list;
}

}  // namespace

QtEngineerGunTab::QtEngineerGunTab(QtMainWindow& window, ApplicationCore& core,
                                   std::function<void()> changed, QWidget* parent)
    : QWidget(parent), window_(window), core_(core), changed_(std::move(changed)) {
  setObjectName("tab_GunConfirm");
  // Over the window, so no other control covers an open menu.
  menu_ = std::make_unique<QtFunctionMenu>(&window, core.assignment.menu);
  connectMenu();
  auto* columns = new QHBoxLayout(this);
  auto* keys = new QVBoxLayout;
  keys->addWidget(createKeyGroup(QStringLiteral("Combo Key"), QStringLiteral("btn_ComboKey"), 1,
                                 kComboKeyCount));
  keys->addWidget(createModeSwitchGroup());
  keys->addWidget(createComboEnableGroup());
  keys->addStretch();
  columns->addLayout(keys);
  auto* profiles = new QVBoxLayout;
  profiles->addWidget(createKeyGroup(QStringLiteral("Profile1"), QStringLiteral("btn_Key"), 101,
                                     kButtonsPerProfile));
  profiles->addWidget(createKeyGroup(QStringLiteral("Profile2"), QStringLiteral("btn_Key"), 201,
                                     kButtonsPerProfile));
  profileSetting_ = new QtProfileSettingGroup(core, changed_, this);
  profiles->addWidget(profileSetting_);
  fireMacroOffsets_ = new QtFireMacroOffsetsGroup(core, changed_, this);
  profiles->addWidget(fireMacroOffsets_);
  profiles->addStretch();
  columns->addLayout(profiles);
  columns->addWidget(createScriptGroup(), 0, Qt::AlignTop);
  columns->addStretch();
}

QtEngineerGunTab::~QtEngineerGunTab() = default;

void QtEngineerGunTab::handled(const std::function<void()>& handler) {
  handler();
  changed_();
}

QWidget* QtEngineerGunTab::createKeyGroup(const QString& title, const QString& prefix, int first,
                                          int count) {
  auto* group = new QGroupBox(title, this);
  auto* grid = new QGridLayout(group);
  grid->setSpacing(4);
  const int columns = count == kComboKeyCount ? kComboKeyColumns : kProfileKeyColumns;
  for (int n = 0; n < count; ++n) {
    auto* button = new QPushButton(group);
    button->setObjectName(prefix + QStringLiteral("%1").arg(first + n, 3, 10, QLatin1Char('0')));
    button->setMinimumWidth(kKeyButtonWidth);
    grid->addWidget(button, n / columns, n % columns);
    keyButtons_.push_back(button);
    connect(button, &QPushButton::clicked, this, [this, button] { keyButtonClicked(button); });
  }
  return group;
}

QWidget* QtEngineerGunTab::createModeSwitchGroup() {
  auto* group = new QGroupBox(engineerCaption("模式切换", "Mode Switch"), this);
  auto* grid = new QGridLayout(group);
  ModeSwitchOptions& modes = core_.modeSwitch;
  gameSwitch_ = comboBox(group, "cb_ChangeFireFun");
  gameSwitch_->addItems(gameModeSwitchItems());
  addLabelled(*grid, 0, 0, engineerCaption("游戏模式切换:", "Game Mode Switch:"), gameSwitch_);
  gunGameSwitch_ = new QCheckBox(
      engineerCaption("使能枪键进行游戏模式切换", "Gun buttons switch the game mode"), group);
  gunGameSwitch_->setObjectName("cb_IsGunFireMode");
  grid->addWidget(gunGameSwitch_, 1, 0, 1, 2);
  offset_ = hexEdit(group, "edt_OffSet", kOffsetDigits);
  addLabelled(*grid, 2, 0, QStringLiteral("OffSet:"), offset_);
  ledSwitch_ = comboBox(group, "cb_ChangeLEDModeFun");
  ledSwitch_->addItems(
      {engineerCaption("无", "None"), engineerCaption("'右键'+'后退'组合键", "Right + Back")});
  addLabelled(*grid, 3, 0, engineerCaption("灯效模式切换:", "LED Mode Switch:"), ledSwitch_);
  connect(gameSwitch_, &QComboBox::currentIndexChanged, this,
          [this, &modes](int item) { handled([&] { modes.cb_ChangeFireFunChange(item); }); });
  connect(gunGameSwitch_, &QCheckBox::clicked, this,
          [this, &modes](bool ticked) { handled([&] { modes.cb_IsGunFireModeClick(ticked); }); });
  connect(ledSwitch_, &QComboBox::currentIndexChanged, this,
          [this, &modes](int item) { handled([&] { modes.cb_ChangeLEDModeFunChange(item); }); });
  connect(offset_, &QLineEdit::textEdited, this, [this, &modes](const QString& text) {
    handled([&] {
      if (const auto typed = clampHexField(text.toStdString(), kMaxOffset))
        modes.offset = static_cast<uint8_t>(typed->value);
    });
  });
  return group;
}

QWidget* QtEngineerGunTab::createComboEnableGroup() {
  auto* group = new QGroupBox(QStringLiteral("Combo Enable"), this);
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(3);
  QStringList items;
  for (const std::string& item : EngineerKeyButtons::comboEnableListItems()) items << qt(item);
  int row = 0;
  for (const EngineerKeyButtons::ComboEnableListSpec& spec :
       EngineerKeyButtons::kComboEnableLists) {
    QComboBox* combo = comboBox(group, qt(spec.name));
    combo->addItems(items);
    comboEnableLists_.push_back(combo);
    addLabelled(*grid, row / 2, 2 * (row % 2), qt(spec.caption), combo);
    ++row;
    connect(combo, &QComboBox::currentIndexChanged, this, [this, list = spec.list](int item) {
      handled([&] { core_.engineerKeys.comboEnableChange(list, item); });
    });
  }
  return group;
}

QWidget* QtEngineerGunTab::createScriptGroup() {
  auto* group = new QGroupBox(engineerCaption("枪键参数配置:", "Fire Macro Codes"), this);
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(3);
  FireMacroScripts& scripts = core_.fireMacroScripts;
  scriptType_ = comboBox(group, "cb_SOSType");
  scriptType_->addItems(itemsOf(fire_macro::kTypeItems));
  auto* typeLabel = new QLabel(QStringLiteral("Script Offset Type:"), group);
  typeLabel->hide();  // the form shows through which controls are visible
  scriptType_->hide();
  scriptColour_ = comboBox(group, "cb_SOSColor");
  scriptColour_->addItems(itemsOf(fire_macro::kColourItems));
  auto* colourLabel = new QLabel(QStringLiteral("Script Offset Color:"), group);
  keepLeft_ = comboBox(group, "cb_SOSLB");
  keepLeft_->addItems(itemsOf(fire_macro::kKeepLeftItems));
  startIndex_ = comboBox(group, "cb_SOSStartIndex");
  startIndex_->addItems(itemsOf(fire_macro::kCountItems));
  presetCount_ = comboBox(group, "cb_SOSNumber");
  presetCount_->addItems(itemsOf(fire_macro::kCountItems));
  const auto addRow = [&](int row, QLabel* label, QComboBox* combo) {
    grid->addWidget(label, row, 0);
    grid->addWidget(combo, row, 1, Qt::AlignLeft);
  };
  auto* keepLeftLabel = new QLabel(engineerCaption("枪键是否保留左键:", "Keep Left Key:"), group);
  auto* startLabel = new QLabel(engineerCaption("枪键起始位置:", "First Preset:"), group);
  auto* countLabel = new QLabel(engineerCaption("枪键数量:", "Preset Count:"), group);
  addRow(0, typeLabel, scriptType_);
  addRow(1, colourLabel, scriptColour_);
  addRow(2, keepLeftLabel, keepLeft_);
  addRow(3, startLabel, startIndex_);
  addRow(4, countLabel, presetCount_);
  gunFormControls_ = {keepLeftLabel, keepLeft_, startLabel, startIndex_, countLabel, presetCount_};
  colourFormControls_ = {colourLabel, scriptColour_};

  auto* add = new QPushButton(engineerCaption("新增枪键", "Add Code"), group);
  add->setObjectName("btn_AddScript");
  auto* remove = new QPushButton(engineerCaption("删除枪键", "Delete Code"), group);
  remove->setObjectName("btn_DelScript");
  grid->addWidget(add, 5, 0);
  grid->addWidget(remove, 5, 1);
  scripts_ = new QListWidget(group);
  scripts_->setObjectName("LB_ScriptName");
  scripts_->setMinimumHeight(200);
  grid->addWidget(scripts_, 6, 0, 1, 2);

  connect(scriptType_, &QComboBox::currentIndexChanged, this,
          [this, &scripts](int item) { handled([&] { scripts.cb_SOSTypeChange(item); }); });
  connect(scriptColour_, &QComboBox::currentIndexChanged, this,
          [this, &scripts](int item) { handled([&] { scripts.cb_SOSColor = item; }); });
  connect(keepLeft_, &QComboBox::currentIndexChanged, this,
          [this, &scripts](int item) { handled([&] { scripts.cb_SOSLB = item; }); });
  connect(startIndex_, &QComboBox::currentIndexChanged, this,
          [this, &scripts](int item) { handled([&] { scripts.cb_SOSStartIndex = item; }); });
  connect(presetCount_, &QComboBox::currentIndexChanged, this,
          [this, &scripts](int item) { handled([&] { scripts.cb_SOSNumber = item; }); });
  const auto tellProblem = [this](const ScriptTableChange& change) {
    if (!change.problem.empty()) core_.host.showText(change.problem);
  };
  connect(add, &QPushButton::clicked, this, [this, &scripts, tellProblem] {
    handled([&] { tellProblem(scripts.btn_AddScriptClick()); });
  });
  connect(remove, &QPushButton::clicked, this, [this, &scripts, tellProblem] {
    handled([&] { tellProblem(scripts.btn_DelScriptClick()); });
  });
  connect(scripts_, &QListWidget::currentRowChanged, this, [this, &scripts](int row) {
    if (row >= 0) handled([&] { scripts.LB_ScriptNameClick(static_cast<size_t>(row)); });
  });
  return group;
}

void QtEngineerGunTab::keyButtonClicked(QPushButton* button) {
  const QRect place(button->mapTo(&window_, QPoint(0, 0)), button->size());
  handled([&] {
    core_.engineerKeys.TLShowPnlMain_OnClick(
        button->objectName().toStdString(),
        Rect{place.x(), place.y(), place.width(), place.height()});
  });
}

void QtEngineerGunTab::connectMenu() {
  FunctionMenu& menu = core_.assignment.menu;
  menu_->onEnter = [this, &menu](MenuPanel panel, size_t index) {
    handled([&] { menu.KeyByTagMouseEnter(panel, index); });
  };
  menu_->onLeave = [this, &menu](MenuPanel panel, size_t index) {
    handled([&] { menu.KeyByTagMouseLeave(panel, index); });
  };
  menu_->onClick = [this](MenuPanel panel, size_t index) {
    handled([&] { core_.assignment.menuItemClick(panel, index); });
  };
}

bool QtEngineerGunTab::menuShownHere() const {
  const FunctionMenu& menu = core_.assignment.menu;
  return menu.isOpen() && menu.page == MenuPage::Engineer &&
         window_.state().visiblePage == Page::Engineer;
}

void QtEngineerGunTab::render() {
  for (QPushButton* button : keyButtons_)
    button->setText(qt(core_.engineerKeys.caption(button->objectName().toStdString())));
  for (size_t n = 0; n < comboEnableLists_.size(); ++n)
    showItem(comboEnableLists_[n], core_.engineerKeys.comboEnableItems[n]);
  renderModeSwitch();
  profileSetting_->render();
  fireMacroOffsets_->render();
  renderScripts();
  renderMenu();
}

void QtEngineerGunTab::renderModeSwitch() {
  const ModeSwitchOptions& modes = core_.modeSwitch;
  showItem(gameSwitch_, modes.cb_ChangeFireFun);
  showItem(ledSwitch_, modes.cb_ChangeLEDModeFun);
  const QSignalBlocker quiet(gunGameSwitch_);
  gunGameSwitch_->setChecked(modes.cb_IsGunFireMode);
  if (!offset_->hasFocus())
    showText(
        offset_,
        QStringLiteral("%1").arg(modes.offset, 2, 16, QLatin1Char('0')).toUpper().toStdString());
}

void QtEngineerGunTab::renderScripts() {
  const FireMacroScripts& scripts = core_.fireMacroScripts;
  showItem(scriptType_, scripts.cb_SOSType);
  showItem(scriptColour_, scripts.cb_SOSColor);
  showItem(keepLeft_, scripts.cb_SOSLB);
  showItem(startIndex_, scripts.cb_SOSStartIndex);
  showItem(presetCount_, scripts.cb_SOSNumber);
  for (QWidget* control : gunFormControls_) control->setVisible(scripts.gunControlsShown);
  for (QWidget* control : colourFormControls_) control->setVisible(scripts.colourControlShown);
  const QSignalBlocker quiet(scripts_);
  QStringList names;
  for (const std::string& name : scripts.LB_ScriptName()) names << qt(name);
  QStringList shown;
  for (int row = 0; row < scripts_->count(); ++row) shown << scripts_->item(row)->text();
  if (shown != names) {
    scripts_->clear();
    scripts_->addItems(names);
  }
  scripts_->setCurrentRow(scripts.selected ? static_cast<int>(*scripts.selected) : -1);
  if (scripts.scrollTarget && static_cast<int>(*scripts.scrollTarget) < scripts_->count())
    scripts_->scrollToItem(scripts_->item(static_cast<int>(*scripts.scrollTarget)));
}

void QtEngineerGunTab::renderMenu() {
  const MainWindowState& state = window_.state();
  layout_.use(state.language());
  if (const std::optional<LayoutFile> file = builtInLayout(state.language()))
    core_.assignment.menu.setWidths(readMenuWidths(*file));
  menu_->render(
      functionMenuStyle(layout_, window_.fontName(), qt(state.text(langkey::menu::kMarker))),
      menuShownHere());
}

}  // namespace mousecfg
