#include "app/QtAssemblyKeyDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <string>

#include "app/QtText.h"
#include "app/QtVirtualKeys.h"
#include "base/LanguageKeys.h"
#include "base/LanguageTables.h"
#include "base/LayoutSet.h"
#include "settings/KeyCodes.h"

namespace mousecfg {

namespace {

constexpr QSize kDialogSize{420, 260};
constexpr int kEditHeight = 28;
constexpr int kModifierBoxHeight = 24;
constexpr int kTitleWidth = 320;

bool hasDarkContent(int language) {
  return QtSkinDialog::hasDarkContent(language);
}

QPoint pointOf(const LayoutFile& layout, const char* prefix, QPoint fallback) {
  const std::string key = prefix;
  return {layout.integer(key + "_X", fallback.x()), layout.integer(key + "_Y", fallback.y())};
}

QColor colourOf(const LayoutFile& layout, const char* prefix, QColor fallback) {
  const std::string key = prefix;
  auto component = [&](const char* part, int value) {
    return std::clamp(layout.integer(key + part, value), 0, 255);
  };
  return QColor(component("_R", fallback.red()), component("_G", fallback.green()),
                component("_B", fallback.blue()));
}

QString sheetColour(const QColor& colour) {
  return colour.name(QColor::HexRgb);
}

// The resource path of a skin picture, preferring the language's own variant; empty when
// the skin has neither.
QString skinPath(const QString& name, int language) {
  const QString variant = QString(":/skin/L%1_%2").arg(language).arg(name);
  if (QFile::exists(variant)) return variant;
  const QString shared = ":/skin/" + name;
  return QFile::exists(shared) ? shared : QString();
}

bool isOneOf(int value, std::initializer_list<int> values) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

}  // namespace

AssemblyKeyDialogPlaces assemblyKeyDialogPlaces(const LayoutFile& layout, int language) {
  AssemblyKeyDialogPlaces places;
  places.title = pointOf(layout, "AKT", {20, 10});
  const QPoint editPlace = pointOf(layout, "AKC", {30, 72});
  places.edit = QRect(editPlace, QSize(layout.integer("AKC_W", 360), kEditHeight));
  places.ctrl = pointOf(layout, "MK_C", {40, 122});
  places.shift = pointOf(layout, "MK_S", {130, 122});
  places.alt = pointOf(layout, "MK_A", {220, 122});
  places.win = pointOf(layout, "MK_W", {310, 122});
  places.confirm = pointOf(layout, "AK_Cfm", {70, 190});
  places.clear = pointOf(layout, "AK_Clear", {230, 190});
  places.close = pointOf(layout, "AK_Close", {380, 4});
  places.fontSize = std::clamp(layout.integer("Size_J", 10), 1, 72);
  const QColor lightText(230, 234, 239);
  const QColor darkText(30, 34, 40);
  places.textColour = colourOf(layout, "Color_K", hasDarkContent(language) ? lightText : darkText);
  places.titleColour = colourOf(layout, "Color_K_AK", lightText);
  return places;
}

QtAssemblyKeyDialog::QtAssemblyKeyDialog(const LanguageTables& languages, QWidget* parent)
    : QtSkinDialog(languages.language(), kDialogSize, parent) {
  setObjectName("TFormAssemblyKey");
  const LayoutFile layout = builtInLayout(language()).value_or(LayoutFile());
  const AssemblyKeyDialogPlaces places = assemblyKeyDialogPlaces(layout, language());
  QFont font(qt(languages.current().fontName()));
  font.setPointSize(places.fontSize);
  setTextStyle(font, places.textColour);
  setWindowTitle(qt(languages.text(langkey::caption::kAssemblyKey)));
  createControls(languages, places);
  state_.FormCreate();
  render();
}

QtAssemblyKeyDialog* QtAssemblyKeyDialog::open(QWidget* parent, const LanguageTables& languages) {
  auto* dialog = new QtAssemblyKeyDialog(languages, parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->showCentredOver(parent, dialog->edit_);
  return dialog;
}

void QtAssemblyKeyDialog::createControls(const LanguageTables& languages,
                                         const AssemblyKeyDialogPlaces& places) {
  title_ = addTitle(qt(languages.text(langkey::caption::kAssemblyKey)), places.title, kTitleWidth,
                    places.titleColour);
  title_->setObjectName("AssemblyKeyTitle");

  edit_ = addField("Edt_Assembly", places.edit);
  edit_->setReadOnly(true);  // its text is always the composed combination
  edit_->installEventFilter(this);

  ctrl_ =
      addModifierBox("CB_Ctrl", kModifierCtrlName, places.ctrl, &AssemblyKeyDialog::CB_CtrlClick);
  shift_ = addModifierBox("CB_Shift", kModifierShiftName, places.shift,
                          &AssemblyKeyDialog::CB_ShiftClick);
  alt_ = addModifierBox("CB_Alt", kModifierAltName, places.alt, &AssemblyKeyDialog::CB_AltClick);
  win_ = addModifierBox("CB_Win", kModifierWinName, places.win, &AssemblyKeyDialog::CB_WinClick);

  onClick(addTextButton("IB_Confirm", qt(languages.text(langkey::caption::kAssemblyConfirm)),
                        places.confirm),
          [this] { confirm(); });
  onClick(addTextButton("IB_Cancel", qt(languages.text(langkey::caption::kAssemblyClear)),
                        places.clear),
          [this] { clear(); });
  onClick(addCloseButton(places.close), [this] { closeWithoutResult(); });
}

QCheckBox* QtAssemblyKeyDialog::addModifierBox(const char* name, const QString& caption,
                                               QPoint place, void (AssemblyKeyDialog::*handler)()) {
  auto* box = new QCheckBox(caption, this);
  box->setObjectName(name);
  box->setFont(textFont());
  box->setFocusPolicy(Qt::NoFocus);  // typing always goes to the field
  box->setStyleSheet(QString("QCheckBox { color: %1; background: transparent; spacing: 6px; }")
                         .arg(sheetColour(textColour())) +
                     indicatorSheet());
  // Only the box and its caption take clicks, so the box is as wide as they are.
  box->setGeometry(QRect(place, box->sizeHint().expandedTo(QSize(0, kModifierBoxHeight))));
  connect(box, &QCheckBox::clicked, this, [this, handler] {
    (state_.*handler)();
    render();
  });
  return box;
}

// The boxes show the skin's ticked and empty pictures, or a drawn box without them.
QString QtAssemblyKeyDialog::indicatorSheet() const {
  const QString ticked = skinPath("CbS_E", language());
  const QString empty = skinPath("CbS_D", language());
  if (!ticked.isEmpty() && !empty.isEmpty())
    return QString(
               "QCheckBox::indicator { width: 18px; height: 18px; }"
               "QCheckBox::indicator:checked { image: url(%1); }"
               "QCheckBox::indicator:unchecked { image: url(%2); }")
        .arg(ticked, empty);
  return QString(
             "QCheckBox::indicator { width: 14px; height: 14px; border: 1px solid %1;"
             " border-radius: 3px; background: %2; }"
             "QCheckBox::indicator:checked { background: #19c6d1; border-color: #128f97; }")
      .arg(darkContent() ? "#5a6370" : "#98a1ac", darkContent() ? "#1d2027" : "#fbfcfd");
}

void QtAssemblyKeyDialog::render() {
  edit_->setText(qt(state_.editText));
  const std::pair<QCheckBox*, bool> boxes[] = {{ctrl_, state_.ctrlChecked},
                                               {shift_, state_.shiftChecked},
                                               {alt_, state_.altChecked},
                                               {win_, state_.winChecked}};
  for (const auto& [box, checked] : boxes) {
    const QSignalBlocker blocker(box);
    box->setChecked(checked);
  }
}

bool QtAssemblyKeyDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::ShortcutOverride) {
    event->accept();  // every key belongs to the field, none to a shortcut
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    keyTyped(key->key(), key->modifiers(), key->nativeVirtualKey());
    return true;
  }
  if (event->type() == QEvent::KeyRelease) return true;
  return QWidget::eventFilter(watched, event);
}

void QtAssemblyKeyDialog::keyTyped(int qtKey, Qt::KeyboardModifiers modifiers,
                                   quint32 nativeVirtualKey) {
  const int virtualKey = virtualKeyOfQtKey(qtKey, modifiers, nativeVirtualKey);
  // A modifier's own key-down counts as that modifier held, whatever the platform says.
  const bool shiftHeld = modifiers.testFlag(Qt::ShiftModifier) ||
                         isOneOf(virtualKey, {vk::kShift, vk::kLeftShift, vk::kRightShift});
  const bool ctrlHeld = modifiers.testFlag(Qt::ControlModifier) ||
                        isOneOf(virtualKey, {vk::kControl, vk::kLeftControl, vk::kRightControl});
  const bool altHeld = modifiers.testFlag(Qt::AltModifier) ||
                       isOneOf(virtualKey, {vk::kMenu, vk::kLeftMenu, vk::kRightMenu});
  state_.Edt_AssemblyKeyDown(virtualKey, shiftHeld, ctrlHeld, altHeld);
  render();
}

void QtAssemblyKeyDialog::confirm() {
  const AssemblyKeyResult result = state_.IB_ConfirmClick();
  emit confirmed(qt(result.displayText), qt(result.codeString));
  emit closed();
  close();
}

void QtAssemblyKeyDialog::clear() {
  state_.IB_CancelClick();
  render();
  edit_->setFocus();
}

void QtAssemblyKeyDialog::closeWithoutResult() {
  state_.IB_CloseClick();
  emit closed();
  close();
}

void QtAssemblyKeyDialog::closeEvent(QCloseEvent* event) {
  // Closed by the window system: the main window must still take its panel away.
  if (state_.isOpen()) {
    state_.IB_CloseClick();
    emit closed();
  }
  event->accept();
}

void QtAssemblyKeyDialog::dragEnded() {
  edit_->setFocus();
}

}  // namespace mousecfg
