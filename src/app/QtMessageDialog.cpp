#include "app/QtMessageDialog.h"

#include <QMessageBox>

namespace mousecfg {

void RefreshFormMessagDialog(QWidget* parent, const QString& text, const QString& fontName) {
  QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent);
  box.setObjectName("MessageDialog");
  if (!fontName.isEmpty()) box.setFont(QFont(fontName, 10));
  box.exec();
}

bool standardMessageBox(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent);
  box.setObjectName("StandardMessageBox");
  return box.exec() == QMessageBox::Ok;
}

}  // namespace mousecfg
