#include "app/QtFireMacroOffsetsGroup.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "app/QtEngineerWidgets.h"
#include "core/ApplicationCore.h"

namespace mousecfg {

namespace {

constexpr int kSignedByteChars = 4;  // "-128"
constexpr int kEditPadding = 10;

}  // namespace

QtFireMacroOffsetsGroup::QtFireMacroOffsetsGroup(ApplicationCore& core,
                                                 std::function<void()> changed, QWidget* parent)
    : QGroupBox(engineerCaption("枪键偏移", "Fire Macro Offsets"), parent),
      core_(core),
      changed_(std::move(changed)) {
  setObjectName("gb_FireMacroOffsets");
  auto* grid = new QGridLayout(this);
  grid->setSpacing(3);
  grid->addWidget(new QLabel(QStringLiteral("X:"), this), 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("Y:"), this), 2, 0);
  for (int macro = 1; macro <= FireMacroOffsets::kCount; ++macro) {
    auto* number = new QLabel(QString::number(macro), this);
    number->setAlignment(Qt::AlignCenter);
    grid->addWidget(number, 0, macro);
    grid->addWidget(addEdit(macro, OffsetAxis::X), 1, macro);
    grid->addWidget(addEdit(macro, OffsetAxis::Y), 2, macro);
  }
}

QLineEdit*& QtFireMacroOffsetsGroup::edit(int macro, OffsetAxis axis) {
  auto& edits = axis == OffsetAxis::X ? xEdits_ : yEdits_;
  return edits[static_cast<size_t>(macro - 1)];
}

QLineEdit* QtFireMacroOffsetsGroup::addEdit(int macro, OffsetAxis axis) {
  auto* field = new QLineEdit(this);
  field->setObjectName(QStringLiteral("edt_FireMacro%1%2")
                           .arg(axis == OffsetAxis::X ? QLatin1Char('X') : QLatin1Char('Y'))
                           .arg(macro));
  field->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), field));
  field->setMaxLength(kSignedByteChars);
  field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-000")) +
                       kEditPadding);
  connect(field, &QLineEdit::textEdited, this, [this, field, macro, axis](const QString& text) {
    typedIn_ = field;
    (void)core_.fireMacroOffsets.offsetChange(macro, axis, text.toStdString());
    changed_();
  });
  // A field left while it reads "" or "-" shows the stored value again.
  connect(field, &QLineEdit::editingFinished, this, [this] {
    typedIn_ = nullptr;
    render();
  });
  edit(macro, axis) = field;
  return field;
}

void QtFireMacroOffsetsGroup::render() {
  const FireMacroOffsets& offsets = core_.fireMacroOffsets;
  for (int macro = 1; macro <= FireMacroOffsets::kCount; ++macro) {
    for (const OffsetAxis axis : {OffsetAxis::X, OffsetAxis::Y}) {
      QLineEdit* field = edit(macro, axis);
      const QString stored = QString::fromStdString(offsets.text(macro, axis));
      // The field being typed in keeps a number still being started ("", "-") and the
      // user's spelling of the stored value.
      const QString typed = field->text();
      if (field == typedIn_ &&
          (typed.isEmpty() || typed == QStringLiteral("-") || typed.toInt() == stored.toInt()))
        continue;
      showText(field, offsets.text(macro, axis));
    }
  }
}

}  // namespace mousecfg
