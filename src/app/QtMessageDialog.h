#pragma once

#include <QString>

class QWidget;

namespace mousecfg {

// The program's message dialog: modal, no icon, one OK button, the language's font.
void RefreshFormMessagDialog(QWidget* parent, const QString& text, const QString& fontName);
// A standard message box with an empty caption; true when closed with OK.
bool standardMessageBox(QWidget* parent, const QString& text);

}  // namespace mousecfg
