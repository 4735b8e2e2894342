#include "app/QtEngineerOperatorTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/QtEngineerWidgets.h"
#include "app/QtText.h"
#include "base/LanguageKeys.h"
#include "core/ApplicationCore.h"

namespace mousecfg {

namespace {

constexpr int kCpiValueCount = 15;  // the language's CPI values "200".."12000"
constexpr int kAimValueCount = 14;  // the AIM list stops at "10000"
constexpr int kLedSpeedSteps = 8;
constexpr int kFewestLeds = 4;
constexpr int kMostLeds = 13;
constexpr int kOptionColumns = 2;

// The lists the option table leaves without a label of their own.
QString optionCaption(const OptionField& field) {
  if (!field.caption.empty()) return qt(field.caption);
  if (field.option == OptionRegister::RepRate) return engineerCaption("回报率:", "Report Rate:");
  return engineerCaption("传感器角度:", "Sensor Angle:");
}

QString levelName(int level) {
  return QStringLiteral("%1").arg(level);
}

}  // namespace

QtEngineerOperatorTab::QtEngineerOperatorTab(ApplicationCore& core, std::function<void()> changed,
                                             QWidget* parent)
    : QWidget(parent), core_(core), changed_(std::move(changed)) {
  setObjectName("tab_Operator");
  auto* columns = new QHBoxLayout(this);
  columns->setSpacing(6);
  columns->setContentsMargins(6, 6, 6, 6);
  auto* left = new QVBoxLayout;
  left->addWidget(createUsbGroup());
  left->addWidget(createCpiGroup());
  left->addWidget(createFireKeyGroup());
  left->addStretch();
  auto* middle = new QVBoxLayout;
  middle->addWidget(createOptionGroup());
  middle->addWidget(createLedGroup());
  middle->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(createColourGroup());
  right->addStretch();
  columns->addLayout(left);
  columns->addLayout(middle);
  columns->addLayout(right);
  columns->addStretch();
}

void QtEngineerOperatorTab::handled(const std::function<void()>& handler) {
  handler();
  changed_();
}

QWidget* QtEngineerOperatorTab::createUsbGroup() {
  auto* group = new QGroupBox(QStringLiteral("USB"), this);
  auto* grid = new QGridLayout(group);
  EngineerVendorState& vendor = core_.engineerVendor;
  vid_ = hexEdit(group, "edt_VID", 4);
  pid_ = hexEdit(group, "edt_PID", 4);
  usbDesc_ = textEdit(group, "edt_USBDesc", static_cast<int>(image::kProductStringLength));
  usbDesc_->setMinimumWidth(usbDesc_->fontMetrics().horizontalAdvance(QString(16, 'W')) / 2 + 40);
  buttonEffect_ = comboBox(group, "cb_BtnEFT");
  buttonEffect_->addItems({engineerCaption("关闭", "Off"), engineerCaption("打开", "On")});
  addLabelled(*grid, 0, 0, QStringLiteral("VID:"), vid_);
  addLabelled(*grid, 1, 0, QStringLiteral("PID:"), pid_);
  addLabelled(*grid, 2, 0, engineerCaption("USB 描述:", "USB Descriptor:"), usbDesc_);
  addLabelled(*grid, 3, 0, engineerCaption("按键灯效:", "Button Effect:"), buttonEffect_);
  connect(vid_, &QLineEdit::textEdited, this, [this, &vendor](const QString& text) {
    handled([&] { vendor.edt_VIDChange(text.toStdString()); });
  });
  connect(pid_, &QLineEdit::textEdited, this, [this, &vendor](const QString& text) {
    handled([&] { vendor.edt_PIDChange(text.toStdString()); });
  });
  connect(usbDesc_, &QLineEdit::textEdited, this, [this, &vendor](const QString& text) {
    handled([&] { vendor.edt_USBDescChange(text.toLatin1().toStdString()); });
  });
  connect(buttonEffect_, &QComboBox::currentIndexChanged, this,
          [this, &vendor](int item) { handled([&] { vendor.cb_BtnEFTChange(item); }); });

  deviceCodes_ = new QWidget(group);
  auto* codes = new QGridLayout(deviceCodes_);
  codes->setContentsMargins(0, 0, 0, 0);
  vendorCode_ = decimalEdit(deviceCodes_, "edt_VendorID", 3);
  productCode_ = decimalEdit(deviceCodes_, "edt_ProductID", 3);
  addLabelled(*codes, 0, 0, engineerCaption("厂商编码:", "Manufacturer Code:"), vendorCode_);
  addLabelled(*codes, 1, 0, engineerCaption("产品编码:", "Product Code:"), productCode_);
  // The codes the connected mouse carries, as it was found with them.
  deviceVendorCode_ = decimalEdit(deviceCodes_, "edt_VendorID_Rd", 3);
  deviceProductCode_ = decimalEdit(deviceCodes_, "edt_ProductID_Rd", 3);
  deviceVendorCode_->setReadOnly(true);
  deviceProductCode_->setReadOnly(true);
  addLabelled(*codes, 0, 2, QStringLiteral("Vendor No:"), deviceVendorCode_);
  addLabelled(*codes, 1, 2, QStringLiteral("Product No:"), deviceProductCode_);
  grid->addWidget(deviceCodes_, 4, 0, 1, 2);
  connect(vendorCode_, &QLineEdit::textEdited, this, [this, &vendor](const QString& text) {
    handled([&] { vendor.edt_VendorIDChange(text.toStdString()); });
  });
  connect(productCode_, &QLineEdit::textEdited, this, [this, &vendor](const QString& text) {
    handled([&] { vendor.edt_ProductIDChange(text.toStdString()); });
  });
  return group;
}

QWidget* QtEngineerOperatorTab::createOptionGroup() {
  auto* group = new QGroupBox(engineerCaption("芯片选项", "Option Registers"), this);
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(3);
  int row = 0;
  for (const OptionByteCaption& byte : kOptionByteCaptions) {
    auto* title = new QLabel(QStringLiteral("<b>%1</b>").arg(qt(byte.caption)), group);
    grid->addWidget(title, row++, 0, 1, 2 * kOptionColumns);
    int column = 0;
    for (const OptionField& field : optionFields()) {
      if (field.offset != byte.offset) continue;
      QComboBox* combo = comboBox(group, qt(field.control));
      for (const OptionItem& item : field.items) combo->addItem(qt(item.text));
      // Measured in the larger default font, so the denser page font never cuts an item.
      combo->setMinimumWidth(combo->sizeHint().width());
      options_[static_cast<size_t>(field.option)] = combo;
      addLabelled(*grid, row, 2 * column, optionCaption(field), combo);
      connect(combo, &QComboBox::currentIndexChanged, this,
              [this, option = field.option](int item) {
                handled([&] { core_.engineerVendor.optionChange(option, item); });
              });
      if (++column == kOptionColumns) {
        column = 0;
        ++row;
      }
    }
    if (column != 0) ++row;
  }
  return group;
}

QWidget* QtEngineerOperatorTab::createCpiGroup() {
  auto* group = new QGroupBox(QStringLiteral("CPI"), this);
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(3);
  EngineerDpiState& dpi = core_.engineerDpi;
  QStringList values;
  for (int n = 0; n < kCpiValueCount; ++n)
    values << qt(core_.text(langkey::keyAfter(langkey::caption::kDpiStep0, n)));
  cpiSteps_ = comboBox(group, "cb_CPISteps");
  for (int level = 1; level <= EngineerDpiState::kLevels; ++level)
    cpiSteps_->addItem(levelName(level));
  addLabelled(*grid, 0, 0, engineerCaption("CPI 档数:", "CPI Steps:"), cpiSteps_);
  currentCpi_ = comboBox(group, "cb_CurrentCPI");
  addLabelled(*grid, 0, 2, engineerCaption("当前档位:", "Current CPI:"), currentCpi_);
  for (int level = 1; level <= EngineerDpiState::kLevels; ++level) {
    QComboBox* list = comboBox(group, QStringLiteral("cb_CPI%1").arg(level));
    list->addItems(values);
    cpiLists_[static_cast<size_t>(level - 1)] = list;
    addLabelled(*grid, 1 + (level - 1) / 2, 2 * ((level - 1) % 2),
                QStringLiteral("CPI%1:").arg(level), list);
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, &dpi, level](int index) { handled([&] { dpi.cb_CPIChange(level, index); }); });
  }
  aim_ = comboBox(group, "cb_AIM");
  aim_->addItems(values.mid(0, kAimValueCount));
  addLabelled(*grid, 5, 0, QStringLiteral("AIM:"), aim_);
  connect(cpiSteps_, &QComboBox::currentIndexChanged, this,
          [this, &dpi](int index) { handled([&] { dpi.cb_CPIStepsChange(index); }); });
  connect(currentCpi_, &QComboBox::currentIndexChanged, this,
          [this, &dpi](int index) { handled([&] { dpi.cb_CurrentCPIChange(index); }); });
  connect(aim_, &QComboBox::currentIndexChanged, this,
          [this, &dpi](int index) { handled([&] { (void)dpi.cb_AIMChange(index); }); });
  return group;
}

QWidget* QtEngineerOperatorTab::createFireKeyGroup() {
  auto* group = new QGroupBox(engineerCaption("连发键", "Fire Keys"), this);
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(3);
  FireKeyState& fire = core_.fireKeys;
  grid->addWidget(new QLabel(engineerCaption("次数", "Count"), group), 0, 1);
  grid->addWidget(new QLabel(engineerCaption("时间", "Time"), group), 0, 2);
  for (int key = 1; key <= FireKeyState::kKeys; ++key) {
    const size_t k = static_cast<size_t>(key - 1);
    grid->addWidget(new QLabel(qt(fire.keyName(key)), group), key, 0);
    fireCounts_[k] = comboBox(group, QStringLiteral("cb_FireCount%1").arg(key));
    for (int count = 1; count <= entry::kMaxFireCount; ++count)
      fireCounts_[k]->addItem(QString::number(count));
    fireTimes_[k] = decimalEdit(group, QStringLiteral("edt_FireTime%1").arg(key), 4);
    fireContinuous_[k] = new QCheckBox(engineerCaption("连续", "Continuous"), group);
    fireContinuous_[k]->setObjectName(QStringLiteral("cb_FireContinue%1").arg(key));
    grid->addWidget(fireCounts_[k], key, 1);
    grid->addWidget(fireTimes_[k], key, 2);
    grid->addWidget(fireContinuous_[k], key, 3);
    connect(fireCounts_[k], &QComboBox::currentIndexChanged, this, [this, &fire, key](int index) {
      handled([&] { fire.TLFireCountChange(key, index); });
    });
    connect(fireTimes_[k], &QLineEdit::textEdited, this, [this, &fire, key](const QString& text) {
      handled([&] { fire.TLFireTimeChange(key, text.toStdString()); });
    });
    connect(fireContinuous_[k], &QCheckBox::clicked, this,
            [this, &fire, key] { handled([&] { fire.TLFireContinueClick(key); }); });
  }
  return group;
}

QWidget* QtEngineerOperatorTab::createLedGroup() {
  ledGroup_ = new QGroupBox(engineerCaption("LED 参数", "LED Parameters"), this);
  ledGroup_->setObjectName("gb_LED");
  auto* grid = new QGridLayout(ledGroup_);
  grid->setVerticalSpacing(3);
  EngineerLedState& led = core_.engineerLed;
  struct Breathing {
    const char* name;
    const char* chinese;
    const char* english;
    int digits;
    void (EngineerLedState::*change)(std::string_view);
  };
  static constexpr std::array<Breathing, 5> kBreathing{{
      {"edt_Lower", "亮度最小值", "Min Brightness:", 5, &EngineerLedState::edt_LowerChange},
      {"edt_Upper", "亮度最大值", "Max Brightness:", 5, &EngineerLedState::edt_UpperChange},
      {"edt_LowerTime", "全灭时间", "All-off Time:", 5, &EngineerLedState::edt_LowerTimeChange},
      {"edt_UpperTime", "全亮时间", "All-on Time:", 5, &EngineerLedState::edt_UpperTimeChange},
      {"edt_StepTime", "步进时间", "Step Time:", 3, &EngineerLedState::edt_StepTimeChange},
  }};
  for (size_t i = 0; i < kBreathing.size(); ++i) {
    const Breathing& field = kBreathing[i];
    breathing_[i] = decimalEdit(ledGroup_, field.name, field.digits);
    addLabelled(*grid, static_cast<int>(i % 3), 2 * static_cast<int>(i / 3),
                engineerCaption(field.chinese, field.english), breathing_[i]);
    connect(breathing_[i], &QLineEdit::textEdited, this,
            [this, &led, change = field.change](const QString& text) {
              handled([&] { (led.*change)(text.toStdString()); });
            });
  }
  ledStep_ = comboBox(ledGroup_, "cb_MCULEDStep");
  for (int step = 0; step < kLedSpeedSteps; ++step) ledStep_->addItem(QString::number(step));
  ledBrightness_ = comboBox(ledGroup_, "cb_MCULEDCtrl");
  ledBrightness_->addItems(
      {engineerCaption("流光半亮", "Half"), engineerCaption("流光全亮", "Full")});
  ledCount_ = comboBox(ledGroup_, "cb_MCULEDNum");
  for (int count = kFewestLeds; count <= kMostLeds; ++count)
    ledCount_->addItem(QString::number(count));
  addLabelled(*grid, 3, 0, engineerCaption("流光速度:", "Flow Speed:"), ledStep_);
  addLabelled(*grid, 3, 2, engineerCaption("流光亮度:", "Flow Brightness:"), ledBrightness_);
  addLabelled(*grid, 4, 0, engineerCaption("LED 数量:", "LED Count:"), ledCount_);
  connect(ledStep_, &QComboBox::currentIndexChanged, this,
          [this, &led](int index) { handled([&] { led.cb_MCULEDStepChange(index); }); });
  connect(ledBrightness_, &QComboBox::currentIndexChanged, this,
          [this, &led](int index) { handled([&] { led.cb_MCULEDCtrlChange(index); }); });
  connect(ledCount_, &QComboBox::currentIndexChanged, this,
          [this, &led](int index) { handled([&] { led.cb_MCULEDNumChange(index); }); });
  return ledGroup_;
}

QWidget* QtEngineerOperatorTab::createColourGroup() {
  colourGroup_ = new QGroupBox(engineerCaption("颜色 (R,G,B)", "Colours (R,G,B)"), this);
  colourGroup_->setObjectName("gb_Colours");
  auto* grid = new QGridLayout(colourGroup_);
  grid->setVerticalSpacing(2);
  grid->setHorizontalSpacing(3);
  static constexpr std::array<const char*, 3> kParts{"R", "G", "B"};
  const auto addRow = [&](int row, const QString& caption, const QString& prefix,
                          std::array<QLineEdit*, 3>& edits, const auto& onEdit) {
    grid->addWidget(new QLabel(caption, colourGroup_), row, 0);
    for (int part = 0; part < 3; ++part) {
      QLineEdit* edit = decimalEdit(colourGroup_, prefix + kParts[static_cast<size_t>(part)], 3);
      edits[static_cast<size_t>(part)] = edit;
      grid->addWidget(edit, row, 1 + part);
      connect(edit, &QLineEdit::textEdited, this,
              [this, onEdit, part](const QString& text) { handled([&] { onEdit(part, text); }); });
    }
  };
  for (int slot = 1; slot <= EngineerLedState::kSlots; ++slot)
    addRow(slot - 1, engineerCaption("颜色", "Colour") + QString::number(slot),
           QStringLiteral("edt_Col%1").arg(slot), slotColours_[static_cast<size_t>(slot - 1)],
           [this, slot](int part, const QString& text) {
             core_.engineerLed.colourEdited(slot, static_cast<EngineerLedState::ColourPart>(part),
                                            text.toStdString());
           });
  for (int level = 1; level <= EngineerDpiState::kLevels; ++level)
    addRow(EngineerLedState::kSlots + level - 1, QStringLiteral("CPI%1").arg(level),
           QStringLiteral("edt_CPI%1").arg(level), cpiColours_[static_cast<size_t>(level - 1)],
           [this, level](int part, const QString& text) {
             core_.engineerDpi.colourEdited(level, static_cast<EngineerDpiState::ColourPart>(part),
                                            text.toStdString());
           });
  return colourGroup_;
}

void QtEngineerOperatorTab::render() {
  renderUsb();
  for (const OptionField& field : optionFields())
    showItem(options_[static_cast<size_t>(field.option)],
             core_.engineerVendor.optionItem(field.option));
  renderCpi();
  const FireKeyState& fire = core_.fireKeys;
  for (size_t k = 0; k < fire.engineer.size(); ++k) {
    showItem(fireCounts_[k], fire.engineer[k].countIndex);
    showText(fireTimes_[k], fire.engineer[k].timeText);
    const QSignalBlocker quiet(fireContinuous_[k]);
    fireContinuous_[k]->setChecked(fire.engineer[k].continuous);
  }
  renderLed();
  renderColours();
}

void QtEngineerOperatorTab::renderUsb() {
  const EngineerVendorState& vendor = core_.engineerVendor;
  showText(vid_, vendor.edt_VID);
  showText(pid_, vendor.edt_PID);
  showText(usbDesc_, vendor.edt_USBDesc);
  showText(vendorCode_, vendor.edt_VendorID);
  showText(productCode_, vendor.edt_ProductID);
  const std::optional<IdPair>& found = core_.link.connection.deviceIds;
  showText(deviceVendorCode_, found ? std::to_string(found->first) : std::string());
  showText(deviceProductCode_, found ? std::to_string(found->second) : std::string());
  showItem(buttonEffect_, vendor.cb_BtnEFT);
  deviceCodes_->setVisible(core_.serviceAccess.vendorProductCodesShown());
}

void QtEngineerOperatorTab::renderCpi() {
  const EngineerDpiState& dpi = core_.engineerDpi;
  showItem(cpiSteps_, dpi.cb_CPISteps);
  const int count = dpi.cb_CPISteps + 1;
  if (currentCpi_->count() != count) {
    const QSignalBlocker quiet(currentCpi_);
    currentCpi_->clear();
    for (int level = 1; level <= count; ++level) currentCpi_->addItem(levelName(level));
  }
  showItem(currentCpi_, dpi.cb_CurrentCPI);
  for (size_t n = 0; n < cpiLists_.size(); ++n) {
    showItem(cpiLists_[n], dpi.cb_CPI[n]);
    cpiLists_[n]->setEnabled(dpi.cpiListEnabled[n]);
  }
  showItem(aim_, dpi.cb_AIM);
}

void QtEngineerOperatorTab::renderLed() {
  const EngineerLedState& led = core_.engineerLed;
  const std::array<const std::string*, 5> texts{&led.edt_Lower, &led.edt_Upper, &led.edt_LowerTime,
                                                &led.edt_UpperTime, &led.edt_StepTime};
  for (size_t i = 0; i < texts.size(); ++i) showText(breathing_[i], *texts[i]);
  showItem(ledStep_, led.cb_MCULEDStep);
  showItem(ledBrightness_, led.cb_MCULEDCtrl);
  showItem(ledCount_, led.cb_MCULEDNum);
  ledGroup_->setVisible(core_.serviceAccess.lightingGroupsShown());
}

void QtEngineerOperatorTab::renderColours() {
  for (size_t slot = 0; slot < slotColours_.size(); ++slot)
    for (size_t part = 0; part < 3; ++part)
      showText(slotColours_[slot][part], core_.engineerLed.edt_Col[slot][part]);
  for (size_t level = 0; level < cpiColours_.size(); ++level)
    for (size_t part = 0; part < 3; ++part)
      showText(cpiColours_[level][part], core_.engineerDpi.edt_CPI[level][part]);
  colourGroup_->setVisible(core_.serviceAccess.lightingGroupsShown());
}

}  // namespace mousecfg
