#include "app/QtAssemblyKeyDialog.h"

#include <QBitmap>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <string>

#include "app/QtPictureButton.h"
#include "app/QtSkin.h"
#include "app/QtVirtualKeys.h"
#include "base/LanguageKeys.h"
#include "base/LanguageTables.h"
#include "base/LayoutSet.h"
#include "settings/KeyCodes.h"

namespace mousecfg {

namespace {

constexpr QSize kDialogSize{420, 260};
constexpr int kHeaderHeight = 40;
constexpr QRect kCard{10, 50, 400, 200};
constexpr int kEditHeight = 28;
constexpr int kModifierBoxHeight = 24;
constexpr QSize kButtonSize{120, 34};
constexpr QSize kCloseSize{32, 32};
constexpr int kTitleWidth = 320;

// Skin set 2 puts light text on dark content; sets 1 and 3 dark text on light content.
bool hasDarkContent(int language) {
  return language == 2;
}

QString qt(const std::string& text) {
  return QString::fromStdString(text);
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
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("TFormAssemblyKey");
  setAttribute(Qt::WA_TranslucentBackground);
  const int language = languages.language();
  language_ = language;
  darkContent_ = hasDarkContent(language);
  background_ = QtSkin::picture("Msg", language);
  setFixedSize(background_.isNull() ? kDialogSize : background_.size());
  const LayoutFile layout = builtInLayout(language).value_or(LayoutFile());
  const AssemblyKeyDialogPlaces places = assemblyKeyDialogPlaces(layout, language);
  font_ = QFont(qt(languages.current().fontName()));
  font_.setPointSize(places.fontSize);
  textColour_ = places.textColour;
  setWindowTitle(qt(languages.text(langkey::caption::kAssemblyKey)));
  createControls(languages, places);
  shapeWindow();
  state_.FormCreate();
  render();
}

QtAssemblyKeyDialog* QtAssemblyKeyDialog::open(QWidget* parent, const LanguageTables& languages) {
  auto* dialog = new QtAssemblyKeyDialog(languages, parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  if (parent) {
    const QRect area = parent->frameGeometry();
    dialog->move(area.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
  }
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
  dialog->edit_->setFocus();
  return dialog;
}

void QtAssemblyKeyDialog::createControls(const LanguageTables& languages,
                                         const AssemblyKeyDialogPlaces& places) {
  title_ = new QLabel(qt(languages.text(langkey::caption::kAssemblyKey)), this);
  title_->setObjectName("AssemblyKeyTitle");
  QFont titleFont = font_;
  titleFont.setBold(true);
  title_->setFont(titleFont);
  title_->setStyleSheet(
      QString("color: %1; background: transparent;").arg(sheetColour(places.titleColour)));
  title_->setGeometry(QRect(places.title, QSize(kTitleWidth, 2 * places.fontSize + 8)));
  title_->setAttribute(Qt::WA_TransparentForMouseEvents);

  edit_ = new QLineEdit(this);
  edit_->setObjectName("Edt_Assembly");
  edit_->setReadOnly(true);  // its text is always the composed combination
  edit_->setContextMenuPolicy(Qt::NoContextMenu);
  edit_->setFont(font_);
  edit_->setGeometry(places.edit);
  edit_->setStyleSheet(QString("QLineEdit { color: %1; background: %2; border: 1px solid %3;"
                               " border-radius: 4px; padding: 0 6px; }")
                           .arg(sheetColour(textColour_), darkContent_ ? "#1b1e25" : "#f7f8fa",
                                darkContent_ ? "#363c48" : "#98a1ac"));
  edit_->installEventFilter(this);

  ctrl_ =
      addModifierBox("CB_Ctrl", kModifierCtrlName, places.ctrl, &AssemblyKeyDialog::CB_CtrlClick);
  shift_ = addModifierBox("CB_Shift", kModifierShiftName, places.shift,
                          &AssemblyKeyDialog::CB_ShiftClick);
  alt_ = addModifierBox("CB_Alt", kModifierAltName, places.alt, &AssemblyKeyDialog::CB_AltClick);
  win_ = addModifierBox("CB_Win", kModifierWinName, places.win, &AssemblyKeyDialog::CB_WinClick);

  addTextButton("IB_Confirm", qt(languages.text(langkey::caption::kAssemblyConfirm)),
                places.confirm, &QtAssemblyKeyDialog::confirm);
  addTextButton("IB_Cancel", qt(languages.text(langkey::caption::kAssemblyClear)), places.clear,
                &QtAssemblyKeyDialog::clear);
  addCloseButton(places.close);
}

QCheckBox* QtAssemblyKeyDialog::addModifierBox(const char* name, const QString& caption,
                                               QPoint place, void (AssemblyKeyDialog::*handler)()) {
  auto* box = new QCheckBox(caption, this);
  box->setObjectName(name);
  box->setFont(font_);
  box->setFocusPolicy(Qt::NoFocus);  // typing always goes to the field
  box->setStyleSheet(QString("QCheckBox { color: %1; background: transparent; spacing: 6px; }")
                         .arg(sheetColour(textColour_)) +
                     indicatorSheet());
  // Only the box and its caption take clicks, so the box is as wide as they are.
  box->setGeometry(QRect(place, box->sizeHint().expandedTo(QSize(0, kModifierBoxHeight))));
  connect(box, &QCheckBox::clicked, this, [this, handler] {
    (state_.*handler)();
    render();
  });
  return box;
}

QWidget* QtAssemblyKeyDialog::addTextButton(const QString& name, const QString& caption,
                                            QPoint place, void (QtAssemblyKeyDialog::*handler)()) {
  const QPixmap normal = QtSkin::picture("BtnS_01", language_);
  if (normal.isNull()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setFont(font_);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(QRect(place, kButtonSize));
    button->setStyleSheet(
        QString("QPushButton { color: %1; border: 1px solid %2; border-radius: 7px;"
                " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %3, stop:1 %4); }"
                "QPushButton:hover { background: %5; }"
                "QPushButton:pressed { background: %4; padding-top: 2px; }")
            .arg(sheetColour(textColour_), darkContent_ ? "#434a57" : "#9aa2ac",
                 darkContent_ ? "#343a45" : "#f1f3f6", darkContent_ ? "#272b33" : "#d5dae0",
                 darkContent_ ? "#3d4450" : "#fafbfc"));
    connect(button, &QPushButton::clicked, this, handler);
    return button;
  }
  auto* button = new QtPictureButton(this);
  button->setObjectName(name);
  button->setPicture(normal);
  button->setHoverPicture(QtSkin::picture("BtnS_02", language_));
  button->setPressedPicture(QtSkin::picture("BtnS_03", language_));
  button->setGeometry(QRect(place, normal.size()));
  button->setCaption(caption);
  const int captionWidth = QFontMetrics(font_).horizontalAdvance(caption);
  // A little slack, so rounding never elides a caption that fits.
  const int inset = std::max(0, (normal.width() - captionWidth) / 2 - 4);
  button->setCaptionRect(QRect(inset, 0, normal.width() - 2 * inset, normal.height()));
  button->setCaptionStyle(font_, textColour_);
  connect(button, &QtPictureButton::clicked, this, handler);
  return button;
}

QWidget* QtAssemblyKeyDialog::addCloseButton(QPoint place) {
  const QPixmap normal = QtSkin::picture("ExitS_01", language_);
  if (normal.isNull()) {
    auto* button = new QPushButton(QString::fromUtf8("\u00D7"), this);
    button->setObjectName("IB_Close");
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(QRect(place, kCloseSize));
    QFont closeFont = font_;
    closeFont.setPointSize(font_.pointSize() + 6);
    button->setFont(closeFont);
    button->setStyleSheet(
        "QPushButton { color: #c8ced6; background: transparent; border: none; }"
        "QPushButton:hover { color: #ffffff; background: #c0392b; border-radius: 6px; }"
        "QPushButton:pressed { background: #962d22; }");
    connect(button, &QPushButton::clicked, this, &QtAssemblyKeyDialog::closeWithoutResult);
    return button;
  }
  auto* button = new QtPictureButton(this);
  button->setObjectName("IB_Close");
  button->setPicture(normal);
  button->setHoverPicture(QtSkin::picture("ExitS_02", language_));
  button->setPressedPicture(QtSkin::picture("ExitS_03", language_));
  button->setGeometry(QRect(place, normal.size()));
  connect(button, &QtPictureButton::clicked, this, &QtAssemblyKeyDialog::closeWithoutResult);
  return button;
}

// The boxes show the skin's ticked and empty pictures, or a drawn box without them.
QString QtAssemblyKeyDialog::indicatorSheet() const {
  const QString ticked = skinPath("CbS_E", language_);
  const QString empty = skinPath("CbS_D", language_);
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
      .arg(darkContent_ ? "#5a6370" : "#98a1ac", darkContent_ ? "#1d2027" : "#fbfcfd");
}

void QtAssemblyKeyDialog::shapeWindow() {
  if (!background_.isNull() && background_.hasAlphaChannel()) {
    setMask(background_.mask());
    return;
  }
  QPainterPath outline;
  outline.addRoundedRect(QRectF(rect()), 12, 12);
  setMask(QRegion(outline.toFillPolygon().toPolygon()));
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

void QtAssemblyKeyDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!background_.isNull()) {
    painter.drawPixmap(0, 0, background_);
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF frame(rect());
  QPainterPath shape;
  shape.addRoundedRect(frame, 12, 12);
  painter.fillPath(shape, QColor("#15171c"));
  painter.save();
  painter.setClipPath(shape);
  QLinearGradient header(0, 0, 0, kHeaderHeight);
  header.setColorAt(0, QColor("#20232a"));
  header.setColorAt(1, QColor("#17191e"));
  painter.fillRect(QRectF(0, 0, frame.width(), kHeaderHeight), header);
  painter.fillRect(QRectF(0, kHeaderHeight - 1, frame.width(), 1), QColor(25, 198, 209, 160));
  painter.restore();
  QPainterPath card;
  card.addRoundedRect(QRectF(kCard), 10, 10);
  painter.fillPath(card, darkContent_ ? QColor("#242831") : QColor("#e6e9ed"));
  painter.setPen(QPen(QColor("#0b0c0f"), 1));
  painter.drawPath(card);
  painter.setPen(QPen(QColor(255, 255, 255, 22), 1));
  painter.drawRoundedRect(frame.adjusted(1.5, 1.5, -1.5, -1.5), 10.5, 10.5);
}

void QtAssemblyKeyDialog::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;  // no frame to drag by: the dialog moves by its background
  dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void QtAssemblyKeyDialog::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) move(event->globalPosition().toPoint() - dragOffset_);
}

void QtAssemblyKeyDialog::mouseReleaseEvent(QMouseEvent*) {
  dragging_ = false;
  edit_->setFocus();
}

}  // namespace mousecfg
