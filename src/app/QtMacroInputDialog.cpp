#include "app/QtMacroInputDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <string>

#include "app/QtPageLayout.h"
#include "app/QtText.h"
#include "app/QtVirtualKeys.h"
#include "base/LanguageKeys.h"
#include "base/LanguageTables.h"

namespace mousecfg {

namespace {

constexpr QSize kDialogSize{420, 260};
constexpr int kTitleWidth = 320;
constexpr int kLabelWidth = 170;
constexpr int kLabelAboveField = 26;

// The dialogs' places inside the 420 x 260 background when the layout has none.
constexpr QPoint kTitle{20, 10};
constexpr QPoint kField{60, 100};
constexpr int kFieldWidth = 300;
constexpr QPoint kXField{40, 110};
constexpr QPoint kYField{230, 110};
constexpr int kXYFieldWidth = 150;
constexpr QPoint kConfirmPlace{70, 190};
constexpr QPoint kClearPlace{230, 190};
constexpr QPoint kClosePlace{380, 4};
constexpr int kFontSize = 10;

QColor defaultText(bool dark) {
  return dark ? QColor(230, 234, 239) : QColor(30, 34, 40);
}

}  // namespace

QtMacroInputDialog::QtMacroInputDialog(MacroDialogKind kind, bool pressLine, Host& host,
                                       const LanguageTables& languages, QWidget* parent)
    : QtSkinDialog(languages.language(), kDialogSize, parent), state_(kind, host, pressLine) {
  setObjectName("TFormMacroInput");
  createControls(languages);
  render();
}

QtMacroInputDialog* QtMacroInputDialog::open(QWidget* parent, MacroDialogKind kind, bool pressLine,
                                             Host& host, const LanguageTables& languages) {
  auto* dialog = new QtMacroInputDialog(kind, pressLine, host, languages, parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->showCentredOver(parent, dialog->fields_[0]);
  return dialog;
}

size_t QtMacroInputDialog::fieldCount() const {
  return state_.kind() == MacroDialogKind::Move ? 2 : 1;
}

// The movement dialog takes its font size from the "M" group and its own places, the
// others from the "L" group and the name dialog's places. The colours are the "L"
// group's for every dialog: in these layouts "M" is the function menu's light text.
void QtMacroInputDialog::createControls(const LanguageTables& languages) {
  QtPageLayout layout;
  layout.use(language());
  const bool move = state_.kind() == MacroDialogKind::Move;
  QFont font(qt(languages.current().fontName()));
  font.setPointSize(std::clamp(layout.value(move ? "Size_M" : "Size_L", kFontSize), 1, 72));
  const QColor text = layout.colour("Color_L_", defaultText(darkContent()));
  const QColor fieldText = layout.colour("Color_L_MN_", defaultText(darkContent()));
  setTextStyle(font, fieldText);

  const std::array<const char*, 2> titles = state_.titleKeys();
  setWindowTitle(qt(languages.text(titles[0])));
  const QColor titleColour = defaultText(true);  // on the dialog's dark header
  if (!move) {
    addTitle(qt(languages.text(titles[0])), layout.point("MNT_", kTitle), kTitleWidth, titleColour);
    const QPoint place = layout.point("MNC_", kField);
    fields_[0] =
        addField("Edt_MacroInput", QRect(place, QSize(layout.value("MNC_W", kFieldWidth), 0)));
  } else {
    addTitle("X / Y", layout.point("MNT_", kTitle), kTitleWidth, titleColour);
    const QPoint x = layout.point("NewXVal_", kXField);
    const QPoint y = layout.point("NewYVal_", kYField);
    fields_[0] = addField("Edt_X", QRect(x, QSize(layout.value("NewXVal_W", kXYFieldWidth), 0)));
    fields_[1] = addField("Edt_Y", QRect(y, QSize(layout.value("NewYVal_W", kXYFieldWidth), 0)));
    const std::array<QPoint, 2> labels{layout.point("NewX_", x - QPoint(0, kLabelAboveField)),
                                       layout.point("NewY_", y - QPoint(0, kLabelAboveField))};
    for (size_t i = 0; i < 2; ++i) {
      auto* label = new QLabel(qt(languages.text(titles[i])), this);
      label->setFont(font);
      label->setStyleSheet(QString("color: %1; background: transparent;").arg(text.name()));
      label->setGeometry(QRect(labels[i], QSize(kLabelWidth, 2 * font.pointSize() + 4)));
    }
  }
  for (size_t i = 0; i < fieldCount(); ++i) {
    QLineEdit* field = fields_[i];
    field->setAlignment(Qt::AlignCenter);
    if (state_.kind() == MacroDialogKind::Key) {
      field->setReadOnly(true);  // shows the name of the key pressed, nothing typed
      field->installEventFilter(this);
    }
    connect(field, &QLineEdit::textEdited, this, [this, i](const QString& t) { typed(i, t); });
  }
  setTextStyle(font, text);
  using namespace langkey::macro_dialog;
  onClick(
      addTextButton("IB_Confirm", qt(languages.text(kOk)), layout.point("MN_Cfm_", kConfirmPlace)),
      [this] { confirm(); });
  onClick(
      addTextButton("IB_Clear", qt(languages.text(kClear)), layout.point("MN_Clear_", kClearPlace)),
      [this] { clear(); });
  onClick(addCloseButton(layout.point("MN_Close_", kClosePlace)), [this] { closeWithoutResult(); });
}

void QtMacroInputDialog::typed(size_t index, const QString& text) {
  state_.type(index, text.toStdString());
  render();
}

void QtMacroInputDialog::render() {
  for (size_t i = 0; i < fieldCount(); ++i) {
    const QString shown = qt(state_.field(i));
    if (fields_[i]->text() != shown) fields_[i]->setText(shown);
  }
}

void QtMacroInputDialog::confirm() {
  const std::optional<std::string> value = state_.Confirm();
  if (value) emit confirmed(qt(*value));
  emit closed();
  close();
}

void QtMacroInputDialog::clear() {
  state_.Clear();
  render();
  fields_[0]->setFocus();
}

void QtMacroInputDialog::closeWithoutResult() {
  state_.Close();
  emit closed();
  close();
}

void QtMacroInputDialog::closeEvent(QCloseEvent* event) {
  // Closed by the window system: the page must still be uncovered.
  if (state_.isOpen()) {
    state_.Close();
    emit closed();
  }
  event->accept();
}

void QtMacroInputDialog::dragEnded() {
  fields_[0]->setFocus();
}

bool QtMacroInputDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched != fields_[0]) return QtSkinDialog::eventFilter(watched, event);
  if (event->type() == QEvent::ShortcutOverride) {
    event->accept();  // every key belongs to the field, none to a shortcut
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    state_.keyDown(virtualKeyOfQtKey(key->key(), key->modifiers(), key->nativeVirtualKey()));
    render();
    return true;
  }
  return QtSkinDialog::eventFilter(watched, event);
}

}  // namespace mousecfg
