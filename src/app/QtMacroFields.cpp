#include "app/QtMacroFields.h"

#include <QLineEdit>
#include <QWidget>
#include <algorithm>

#include "app/QtPictureButton.h"
#include "app/QtSkin.h"
#include "app/QtTickOption.h"

namespace mousecfg {

namespace {

constexpr QSize kRadioSize{18, 18};

bool allDigits(const QString& text, bool minusAllowed) {
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isDigit() || (minusAllowed && i == 0 && c == '-')) continue;
    return false;
  }
  return true;
}

}  // namespace

QLineEdit* macroNumberField(QWidget* parent, const QString& name, int low, int high,
                            std::function<void(int)> changed) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setAlignment(Qt::AlignCenter);
  field->setContextMenuPolicy(Qt::NoContextMenu);
  auto kept = std::make_shared<QString>();
  QObject::connect(field, &QLineEdit::textEdited, field,
                   [field, low, high, changed, kept](const QString& text) {
                     if (text.isEmpty() || (low < 0 && text == "-")) return;
                     if (!allDigits(text, low < 0) || text.size() > 7) {
                       field->setText(*kept);
                       return;
                     }
                     const int value = std::clamp(text.toInt(), low, high);
                     *kept = QString::number(value);
                     if (*kept != text) field->setText(*kept);
                     changed(value);
                   });
  QObject::connect(field, &QLineEdit::editingFinished, field, [field, low, changed] {
    if (field->text().isEmpty() || field->text() == "-") {
      field->setText(QString::number(low));
      changed(low);
    }
  });
  return field;
}

void setSheet(QWidget& widget, const QString& sheet) {
  if (widget.styleSheet() != sheet) widget.setStyleSheet(sheet);
}

void styleMacroField(QLineEdit& field, const QFont& font, bool dark, bool enabled) {
  if (field.font() != font) field.setFont(font);
  field.setEnabled(enabled);
  setSheet(
      field,
      QString("QLineEdit { color: %1; background: %2; border: 1px solid %3; border-radius: 4px;"
              " padding: 0 4px; } QLineEdit:disabled { color: %4; background: %5; }")
          .arg(dark ? "#e6e9ee" : "#22262e", dark ? "#1b1e25" : "#ffffff",
               dark ? "#363c48" : "#aab2bc", dark ? "#5d6570" : "#9aa1aa",
               dark ? "#20232a" : "#eef0f3"));
}

void showFieldValue(QLineEdit& field, int value) {
  if (field.hasFocus()) return;
  const QString text = QString::number(value);
  if (field.text() != text) field.setText(text);
}

void renderRadio(QtTickOption& option, const QString& caption, bool chosen, const QFont& font,
                 const QColor& colour, int language) {
  const QString picture = chosen ? "RdS_E" : "RdS_D";
  option.setPicture(picture, QtSkin::picture(picture.toStdString(), language), kRadioSize);
  option.setCaption(caption);
  option.setCaptionStyle(font, colour);
}

QColor skinButtonTextColour(bool dark) {
  return dark ? QColor(230, 234, 239) : QColor(30, 34, 40);
}

void renderSkinButton(QtPictureButton& button, const QString& caption, const QFont& font,
                      const QColor& colour, int language) {
  button.setPicture(QtSkin::picture("BtnS_01", language));
  button.setHoverPicture(QtSkin::picture("BtnS_02", language));
  button.setPressedPicture(QtSkin::picture("BtnS_03", language));
  button.setCaption(caption);
  button.setCaptionAlignment(Qt::AlignCenter);
  button.setCaptionRect(QRect(QPoint(0, 0), button.size()));
  button.setCaptionStyle(font, colour);
}

}  // namespace mousecfg
