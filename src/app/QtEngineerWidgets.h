#pragma once

#include <QString>
#include <string>
#include <string_view>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;

namespace mousecfg {

// The engineer page's caption in the default locale's language (the desktop's unless
// QLocale::setDefault chose another): the Chinese text where the locale is Chinese and
// there is one, the English text everywhere else.
QString engineerCaption(const char* chinese, const char* english);
inline QString engineerCaption(const char* only) {
  return QString::fromUtf8(only);
}

// Plain, dense engineering controls: a hex edit of `digits` digits, a decimal edit of
// `digits` digits, a text edit of at most `length` characters.
QLineEdit* hexEdit(QWidget* parent, const QString& name, int digits);
QLineEdit* decimalEdit(QWidget* parent, const QString& name, int digits);
QLineEdit* textEdit(QWidget* parent, const QString& name, int length);
QComboBox* comboBox(QWidget* parent, const QString& name);

// Label and control side by side in a grid cell pair.
void addLabelled(QGridLayout& grid, int row, int column, const QString& caption, QWidget* control);

// Shows a state value without running the control's handler, and without moving the
// cursor of an edit that already shows it.
void showText(QLineEdit* edit, const std::string& text);
void showItem(QComboBox* combo, int item);

}  // namespace mousecfg
