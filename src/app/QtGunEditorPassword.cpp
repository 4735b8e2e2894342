#include "app/QtGunEditorPassword.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace mousecfg {

std::optional<std::string> askServicePassword(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName("Dlg_Password");
  dialog.setWindowTitle(QStringLiteral("Password"));
  auto* field = new QLineEdit(&dialog);
  field->setObjectName("Edt_Password");
  field->setEchoMode(QLineEdit::Password);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(field);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return field->text().toStdString();
}

}  // namespace mousecfg
