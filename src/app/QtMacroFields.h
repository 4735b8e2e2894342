#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace mousecfg {

class QtPictureButton;
class QtTickOption;

// The small controls the macro page and its insert panel share, in the page's look.

// A number field that keeps `low`..`high` while typing: anything else leaves it as it
// was, an empty field stays empty until it is left (then it shows `low`). `changed`
// gets each accepted value.
QLineEdit* macroNumberField(QWidget* parent, const QString& name, int low, int high,
                            std::function<void(int)> changed);
void styleMacroField(QLineEdit& field, const QFont& font, bool dark, bool enabled);
// Shows `value` unless the user is typing into the field.
void showFieldValue(QLineEdit& field, int value);

// Sets a style sheet only when it differs: the page renders after every handler and
// monitor tick, and each new sheet costs a re-polish of the widget.
void setSheet(QWidget& widget, const QString& sheet);

// A radio option of the skin ("RdS_E" chosen, "RdS_D" not).
void renderRadio(QtTickOption& option, const QString& caption, bool chosen, const QFont& font,
                 const QColor& colour, int language);

// The caption colour of skin buttons on the light and the dark skin.
QColor skinButtonTextColour(bool dark);
// A skin button ("BtnS_01" .. "BtnS_03") with a centred caption.
void renderSkinButton(QtPictureButton& button, const QString& caption, const QFont& font,
                      const QColor& colour, int language);

}  // namespace mousecfg
