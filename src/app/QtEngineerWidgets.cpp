#include "app/QtEngineerWidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <algorithm>

namespace mousecfg {

namespace {

constexpr int kEditPadding = 10;  // frame and text margins

QLineEdit* filteredEdit(QWidget* parent, const QString& name, const QString& pattern, int digits) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
  edit->setMaxLength(digits);
  const int digitWidth = edit->fontMetrics().horizontalAdvance(QLatin1Char('0'));
  edit->setFixedWidth(digitWidth * std::max(digits, 2) + kEditPadding);
  return edit;
}

}  // namespace

QString engineerCaption(const char* chinese, const char* english) {
  // The default locale is the desktop's unless the program set another.
  const bool inChinese = QLocale().language() == QLocale::Chinese;
  return QString::fromUtf8(inChinese ? chinese : english);
}

QLineEdit* hexEdit(QWidget* parent, const QString& name, int digits) {
  return filteredEdit(parent, name, QStringLiteral("[0-9a-fA-F]*"), digits);
}

QLineEdit* decimalEdit(QWidget* parent, const QString& name, int digits) {
  return filteredEdit(parent, name, QStringLiteral("[0-9]*"), digits);
}

QLineEdit* textEdit(QWidget* parent, const QString& name, int length) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(length);
  return edit;
}

QComboBox* comboBox(QWidget* parent, const QString& name) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return combo;
}

void addLabelled(QGridLayout& grid, int row, int column, const QString& caption, QWidget* control) {
  auto* label = new QLabel(caption, control->parentWidget());
  label->setBuddy(control);
  grid.addWidget(label, row, column);
  grid.addWidget(control, row, column + 1, Qt::AlignLeft);
}

void showText(QLineEdit* edit, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (edit->text() == shown) return;
  const QSignalBlocker quiet(edit);
  edit->setText(shown);
}

void showItem(QComboBox* combo, int item) {
  if (combo->currentIndex() == item) return;
  const QSignalBlocker quiet(combo);
  combo->setCurrentIndex(item);
}

}  // namespace mousecfg
