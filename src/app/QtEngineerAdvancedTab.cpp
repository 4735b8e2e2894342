#include "app/QtEngineerAdvancedTab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/QtEngineerWidgets.h"
#include "app/QtText.h"
#include "core/ApplicationCore.h"
#include "engineer/SensorRegisters.h"

namespace mousecfg {

namespace {

constexpr int kRegisterColumns = 4;
constexpr int kRegisterDigits = 2;
constexpr int kPatchCodeDigits = 4;

}  // namespace

QtEngineerAdvancedTab::QtEngineerAdvancedTab(ApplicationCore& core, std::function<void()> changed,
                                             QWidget* parent)
    : QWidget(parent), core_(core), changed_(std::move(changed)) {
  setObjectName("tab_Advanced");
  auto* columns = new QHBoxLayout(this);
  columns->addWidget(createRegisterGroup(), 0, Qt::AlignTop);
  columns->addWidget(createXDataGroup(), 0, Qt::AlignTop);
  columns->addStretch();
}

void QtEngineerAdvancedTab::handled(const std::function<void()>& handler) {
  handler();
  changed_();
}

QWidget* QtEngineerAdvancedTab::createRegisterGroup() {
  auto* group = new QGroupBox(QStringLiteral("XData"), this);
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(3);
  grid->setHorizontalSpacing(8);
  EngineerVendorState& vendor = core_.engineerVendor;
  const int rows =
      (static_cast<int>(kSensorRegisters.size()) + kRegisterColumns - 1) / kRegisterColumns;
  for (size_t i = 0; i < kSensorRegisters.size(); ++i) {
    const HexRegister& reg = kSensorRegisters[i];
    QLineEdit* edit =
        hexEdit(group, QStringLiteral("edt_Sensor%1").arg(reg.offset), kRegisterDigits);
    sensorEdits_[i] = edit;
    addLabelled(*grid, static_cast<int>(i) % rows, 2 * (static_cast<int>(i) / rows),
                qt(reg.caption), edit);
    connect(edit, &QLineEdit::textEdited, this,
            [this, &vendor, offset = reg.offset](const QString& text) {
              handled([&] { vendor.sensorRegisterChange(offset, text.toStdString()); });
            });
  }
  ledInit0_ = hexEdit(group, "edt_LEDInit0", kRegisterDigits);
  ledInit1_ = hexEdit(group, "edt_LEDInit1", kRegisterDigits);
  addLabelled(*grid, rows, 0, qt(kLedInitRegisters[0].caption), ledInit0_);
  addLabelled(*grid, rows, 2, qt(kLedInitRegisters[1].caption), ledInit1_);
  connect(ledInit0_, &QLineEdit::textEdited, this, [this, &vendor](const QString& text) {
    handled([&] { vendor.edt_LEDInit0Change(text.toStdString()); });
  });
  connect(ledInit1_, &QLineEdit::textEdited, this, [this, &vendor](const QString& text) {
    handled([&] { vendor.edt_LEDInit1Change(text.toStdString()); });
  });
  return group;
}

QWidget* QtEngineerAdvancedTab::createXDataGroup() {
  auto* group = new QGroupBox(engineerCaption("XData 读写", "XData Access"), this);
  auto* grid = new QGridLayout(group);
  ExtendedData& xdata = core_.extendedData;
  address_ = hexEdit(group, "edt_XDataAddr", static_cast<int>(xdata::kAddressDigits));
  value_ = hexEdit(group, "edt_XDataValue", static_cast<int>(xdata::kValueDigits));
  addLabelled(*grid, 0, 0, engineerCaption("地址:", "Address:"), address_);
  addLabelled(*grid, 1, 0, engineerCaption("数值:", "Value:"), value_);
  auto* read = new QPushButton(QStringLiteral("Read"), group);
  read->setObjectName("btn_XDataRead");
  auto* write = new QPushButton(QStringLiteral("Write"), group);
  write->setObjectName("btn_XDataWrite");
  auto* preset = new QPushButton(QStringLiteral("Changed XData"), group);
  preset->setObjectName("btn_ChangeXData");
  grid->addWidget(read, 2, 0);
  grid->addWidget(write, 2, 1);
  grid->addWidget(preset, 3, 0, 1, 2);
  connect(address_, &QLineEdit::textEdited, this, [this, &xdata](const QString& text) {
    handled([&] { xdata.edt_XDataAddr = text.toStdString(); });
  });
  connect(value_, &QLineEdit::textEdited, this, [this, &xdata](const QString& text) {
    handled([&] { xdata.edt_XDataValue = text.toStdString(); });
  });
  connect(read, &QPushButton::clicked, this,
          [this, &xdata] { handled([&] { (void)xdata.btn_XDataReadClick(); }); });
  connect(write, &QPushButton::clicked, this,
          [this, &xdata] { handled([&] { (void)xdata.btn_XDataWriteClick(); }); });
  connect(preset, &QPushButton::clicked, this,
          [this, &xdata] { handled([&] { (void)xdata.btn_ChangeXDataClick(); }); });

  auto* patch = new QHBoxLayout;
  patch->addWidget(new QLabel(QStringLiteral("Patch Code:"), group));
  patch->addWidget(new QLabel(QStringLiteral("0x"), group));
  patchCode_ = hexEdit(group, "edt_PatchCode", kPatchCodeDigits);
  patchCode_->setReadOnly(true);
  patch->addWidget(patchCode_);
  patch->addStretch();
  grid->addLayout(patch, 4, 0, 1, 2);
  return group;
}

void QtEngineerAdvancedTab::render() {
  const EngineerVendorState& vendor = core_.engineerVendor;
  for (size_t i = 0; i < kSensorRegisters.size(); ++i)
    showText(sensorEdits_[i], vendor.sensorRegisterText(kSensorRegisters[i].offset));
  showText(ledInit0_, vendor.edt_LEDInit0);
  showText(ledInit1_, vendor.edt_LEDInit1);
  showText(address_, core_.extendedData.edt_XDataAddr);
  showText(value_, core_.extendedData.edt_XDataValue);
  showText(patchCode_, core_.extendedData.patchCodeText());
}

}  // namespace mousecfg
