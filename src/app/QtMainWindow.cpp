#include "app/QtMainWindow.h"

#include <qdrawutil.h>
#include <QBitmap>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStatusTipEvent>
#include <QUrl>
#include <QWindow>
#include <algorithm>

#include "app/QtSkin.h"
#include "app/QtText.h"
#include "base/LanguageKeys.h"
#include "core/ApplicationCore.h"

namespace mousecfg {

namespace {

constexpr char kGroupPageButtons = 'A';
constexpr char kGroupWindowButtons = 'B';
constexpr char kGroupKeyLabels = 'C';
constexpr char kGroupTitle = 'E';
constexpr QPoint kTitlePosition{60, 18};
constexpr int kTitleWidth = 420;
// The connection footer: in the strip above the footer buttons, left of the web button.
constexpr QRect kFooterRect{204, 520, 536, 34};
constexpr int kFooterPointSize = 9;
constexpr QRgb kFooterColour = 0xF2B65A;

struct PageButtonBinding {
  const char* name;
  PageButton button;
};

constexpr PageButtonBinding kPageButtonBindings[] = {
    {"Btn_Main", PageButton::Main},     {"Btn_Switch", PageButton::Switch},
    {"Btn_Fixed", PageButton::Fixed},   {"Btn_Adv", PageButton::Advanced},
    {"Btn_Breath", PageButton::Breath}, {"Btn_Macro", PageButton::Macro},
    {"Btn_Update", PageButton::Update},
};

QRect qt(const Rect& rect) {
  return {rect.x, rect.y, rect.width, rect.height};
}

}  // namespace

QtMainWindow::QtMainWindow(MainWindowState& state)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Window), state_(state) {
  setObjectName("TForm1");
  setWindowTitle(MainWindowState::kCaption);
  setAttribute(Qt::WA_TranslucentBackground);
  setWindowIcon(QIcon(QtSkin::picture("AppIcon")));
  createPages();
  createButtons();
  createKeyLabels();
  title_ = new QLabel(this);
  title_->setObjectName("lbl_Title");
  hint_ = new QLabel(this);
  hint_->setObjectName("lbl_Content");
  footer_ = new QLabel(this);
  footer_->setObjectName("lbl_Connection");
  footer_->setWordWrap(true);
  footer_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  overlay_ = new QWidget(this);  // eats clicks while a transfer runs
  overlay_->setObjectName("Disable_All");
  overlay_->hide();
  devTimer_.setInterval(Discovery::kMonitorIntervalMs);
  connect(&devTimer_, &QTimer::timeout, this, &QtMainWindow::tickMonitor);
}

void QtMainWindow::createPages() {
  for (size_t i = 0; i < pages_.size(); ++i) {
    pages_[i] = new QWidget(this);
    pages_[i]->setObjectName(QStringLiteral("gbPage%1").arg(i + 1));
  }
}

QtPictureButton* QtMainWindow::addButton(const QString& name, void (QtMainWindow::*onClick)()) {
  auto* button = new QtPictureButton(this);
  button->setObjectName(name);
  if (onClick) connect(button, &QtPictureButton::clicked, this, onClick);
  buttons_.insert(name, button);
  return button;
}

void QtMainWindow::createButtons() {
  for (const PageButtonBinding& binding : kPageButtonBindings) {
    auto* button = addButton(binding.name, nullptr);
    connect(button, &QtPictureButton::clicked, this,
            [this, page = binding.button] { onPageButton(page); });
  }
  for (int language = kFirstLanguage; language <= kLastLanguage; ++language) {
    auto* button = addButton(QStringLiteral("Btn_Lang%1").arg(language), nullptr);
    connect(button, &QtPictureButton::clicked, this, [this, language] {
      state_.languageButtonClick(language);
      render();
    });
  }
  for (const char* name : {"Btn_Confirm1", "Btn_Confirm2", "Btn_Confirm3"})
    addButton(name, nullptr);
  connect(addButton("Btn_Save", nullptr), &QtPictureButton::clicked, this, [this] {
    (void)state_.Btn_Save_0Click();
    render();
  });
  connect(addButton("Btn_Load", nullptr), &QtPictureButton::clicked, this, [this] {
    (void)state_.Btn_Load_0Click();
    render();
  });
  connect(addButton("Btn_Exit", nullptr), &QtPictureButton::clicked, this, &QWidget::close);
  connect(addButton("Btn_Mini", nullptr), &QtPictureButton::clicked, this, &QWidget::showMinimized);
  engineerButton_ = new QtPictureButton(this);
  engineerButton_->setObjectName("Btn_Engineer");
  connect(engineerButton_, &QtPictureButton::clicked, this,
          [this] { onPageButton(PageButton::Engineer); });
  webButton_ = new QtPictureButton(this);
  webButton_->setObjectName("Btn_Web");
  connect(webButton_, &QtPictureButton::clicked, this, &QtMainWindow::onWeb);
}

void QtMainWindow::createKeyLabels() {
  for (int i = 0; i < kKeyLabelCount; ++i) {
    auto* label = new QtPictureButton(page(Page::Keys));
    label->setObjectName(QStringLiteral("Key%1").arg(i + 1));
    keyLabels_[static_cast<size_t>(i)] = label;
  }
}

QString QtMainWindow::text(const std::string& languageKey) const {
  return qt(state_.text(languageKey));
}

QString QtMainWindow::fontName() const {
  return qt(state_.languages().current().fontName());
}

QFont QtMainWindow::groupFont(char group) const {
  QFont font(fontName());
  font.setPointSize(std::max(1, state_.layout().group(group).size));
  return font;
}

QColor QtMainWindow::groupColour(char group) const {
  return QColor::fromRgb(state_.layout().group(group).rgb);
}

// The engineer page's window is larger than the skinned pages': grown where it stood, it
// could reach past the screen's edge.
void QtMainWindow::keepOnScreen() {
  if (!isVisible()) return;
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QRect free = screen->availableGeometry();
  QRect placed = frameGeometry();
  placed.moveRight(std::min(placed.right(), free.right()));
  placed.moveBottom(std::min(placed.bottom(), free.bottom()));
  placed.moveLeft(std::max(placed.left(), free.left()));
  placed.moveTop(std::max(placed.top(), free.top()));
  if (placed.topLeft() != frameGeometry().topLeft()) move(placed.topLeft());
}

void QtMainWindow::render() {
  const Size size = state_.windowSize;
  if (width() != size.width || height() != size.height) {
    setFixedSize(size.width, size.height);
    keepOnScreen();
  }
  for (size_t i = 0; i < pages_.size(); ++i) {
    pages_[i]->setGeometry(rect());
    pages_[i]->setVisible(static_cast<int>(state_.visiblePage) == static_cast<int>(i) + 1);
  }
  renderButtons();
  renderKeyLabels();
  renderTexts();
  renderFooter();
  for (QtPageView* view : pageViews_) view->render();
  renderShape();
  overlay_->setGeometry(rect());
  // The shell's own overlay, or one the core asked for through the host (a macro dialog).
  overlay_->setVisible(state_.overlaysVisible || hostOverlay_);
  overlay_->raise();
  update();
}

void QtMainWindow::renderButtons() {
  const int language = state_.language();
  const auto style = [&](QtPictureButton* button, const Placement& placement, char group) {
    button->setVisible(placement.visible);
    button->setGeometry(qt(placement.picture));
    button->setCaptionRect(
        qt(placement.label).translated(-placement.picture.x, -placement.picture.y));
    button->setCaptionStyle(groupFont(group), groupColour(group));
  };
  for (const PictureButtonSpec& spec : kPageButtons) {
    QtPictureButton* button = buttons_.value(qt(spec.name));
    style(button, state_.layout().button(spec.name), kGroupPageButtons);
    button->setCaption(text(std::string(spec.captionKey)));
    button->setStatusTip(button->caption());
    button->setPicture(QtSkin::picture(kPictureButtonNormal, language));
  }
  for (const PageButtonBinding& binding : kPageButtonBindings) {
    const auto& picture = state_.pageButtonPictures[static_cast<size_t>(binding.button) - 1];
    buttons_.value(binding.name)->setPicture(QtSkin::picture(picture, language));
  }
  for (int n = kFirstLanguage; n <= kLastLanguage; ++n)
    buttons_.value(QStringLiteral("Btn_Lang%1").arg(n))
        ->setPicture(
            QtSkin::picture(state_.languageButtonPictures[static_cast<size_t>(n - 1)], language));
  buttons_.value("Btn_Save")->setPicture(QtSkin::picture(state_.saveButtonPicture, language));
  buttons_.value("Btn_Load")->setPicture(QtSkin::picture(state_.loadButtonPicture, language));
  const bool engineer = state_.visiblePage == Page::Engineer;
  for (const PictureButtonSpec& spec : kWindowButtons) {
    QtPictureButton* button = buttons_.value(qt(spec.name));
    style(button, state_.layout().button(spec.name), kGroupWindowButtons);
    button->setCaptionAlignment(Qt::AlignCenter);
    const bool confirm = spec.name.starts_with("Btn_Confirm");
    button->setCaption(confirm ? text(std::string(spec.captionKey)) : QString());
    button->setStatusTip(text(std::string(spec.captionKey)));
    // The restore-default buttons belong to the key page.
    if (confirm && state_.visiblePage != Page::Keys) button->hide();
  }
  if (engineer) {
    // The wider engineer page keeps its frame buttons at its own right edge.
    const int shift = width() - state_.pictureSize(state_.backgroundPicture()).width;
    for (const char* name : {"Btn_Exit", "Btn_Mini"})
      buttons_.value(name)->move(buttons_.value(name)->pos() + QPoint(shift, 0));
    for (const char* name : {"Btn_Save", "Btn_Load"}) buttons_.value(name)->hide();
  }
  buttons_.value("Btn_Exit")->setPicture(QtSkin::picture(kPictureExit));
  buttons_.value("Btn_Exit")->setHoverPicture(QtSkin::picture("ExitS_02"));
  buttons_.value("Btn_Exit")->setPressedPicture(QtSkin::picture("ExitS_03"));
  buttons_.value("Btn_Mini")->setPicture(QtSkin::picture(kPictureMinimise));
  buttons_.value("Btn_Mini")->setHoverPicture(QtSkin::picture("MinS_02"));
  buttons_.value("Btn_Mini")->setPressedPicture(QtSkin::picture("MinS_03"));
  for (const char* name : {"Btn_Confirm1", "Btn_Confirm2", "Btn_Confirm3"}) {
    buttons_.value(name)->setPicture(QtSkin::picture(kPictureWindowButton, language));
    buttons_.value(name)->setPressedPicture(QtSkin::picture("BtnS_03", language));
  }

  engineerButton_->setGeometry(qt(state_.layout().engineerButton.picture));
  engineerButton_->setCursor(Qt::ArrowCursor);  // a factory door, not advertised
  const Placement& web = state_.layout().web;
  webButton_->setGeometry(qt(web.picture));
  webButton_->setVisible(web.visible && !engineer);
  webButton_->setPicture(
      QtSkin::picture(state_.webPressed ? kPictureWebPressed : kPictureWebNormal, language));
  webButton_->setStatusTip(qt(state_.options().web));
}

void QtMainWindow::renderKeyLabels() {
  const int language = state_.language();
  for (int i = 0; i < kKeyLabelCount; ++i) {
    QtPictureButton* label = keyLabels_[static_cast<size_t>(i)];
    const Placement& placement = state_.layout().keys[static_cast<size_t>(i)];
    label->setVisible(placement.visible);
    label->setGeometry(qt(placement.picture));
    label->setCaptionRect(QRect(10, 0, placement.picture.width - 16, placement.picture.height));
    label->setCaptionStyle(groupFont(kGroupKeyLabels), groupColour(kGroupKeyLabels));
    label->setPicture(QtSkin::picture(kPictureKeyNormal, language));
    label->setCaption(qt(state_.keyCaption(static_cast<size_t>(i))));
  }
}

void QtMainWindow::renderTexts() {
  title_->setText(qt(state_.title()));
  title_->setFont(groupFont(kGroupTitle));
  title_->setStyleSheet(QStringLiteral("color: %1;").arg(groupColour(kGroupTitle).name()));
  title_->setGeometry(
      QRect(kTitlePosition, QSize(kTitleWidth, 2 * groupFont(kGroupTitle).pointSize() + 8)));
  const LabelPlacement& hint = state_.layout().hint;
  QFont hintFont(fontName());
  hintFont.setPointSize(std::max(1, hint.style.size));
  hint_->setFont(hintFont);
  hint_->setStyleSheet(QStringLiteral("color: %1;").arg(QColor::fromRgb(hint.style.rgb).name()));
  hint_->setGeometry(qt(hint.rect));
}

// Without a mouse, the strip above the footer buttons says what is missing.
void QtMainWindow::renderFooter() {
  const std::string& text = state_.core().footer.text();
  footer_->setVisible(!text.empty() && state_.visiblePage != Page::Engineer);
  if (text.empty()) return;
  QFont font(fontName());
  font.setPointSize(kFooterPointSize);
  footer_->setFont(font);
  footer_->setStyleSheet(QStringLiteral("color: %1;").arg(QColor(kFooterColour).name()));
  footer_->setText(qt(text));
  footer_->setGeometry(kFooterRect);
}

// The background picture, stretched for the wider engineer page: its frame (header,
// navigation column, footer) keeps its size, the content card grows.
QPixmap QtMainWindow::background() const {
  const QPixmap picture = QtSkin::picture(state_.backgroundPicture());
  if (picture.isNull() || picture.size() == size()) return picture;
  if (stretchedBackground_.size() == size() && stretchedFrom_ == picture.cacheKey())
    return stretchedBackground_;
  constexpr int kLeft = 184, kTop = 70, kRight = 16, kBottom = 92;
  const QMargins margins(kLeft, kTop, kRight, kBottom);
  QPixmap stretched(size());
  stretched.fill(Qt::transparent);
  QPainter painter(&stretched);
  qDrawBorderPixmap(&painter, rect(), margins, picture, picture.rect(), margins);
  stretchedBackground_ = stretched;
  stretchedFrom_ = picture.cacheKey();
  return stretched;
}

// The window takes the shape of its background picture.
void QtMainWindow::renderShape() {
  const QPixmap shape = background();
  if (!shape.isNull() && shape.size() == size()) setMask(shape.mask());
}

void QtMainWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, background());
  const std::string pagePicture = state_.pagePicture();
  if (pagePicture.empty()) return;
  const Rect& at = state_.layout().pagePictures[static_cast<size_t>(state_.visiblePage) - 1];
  painter.drawPixmap(at.x, at.y, QtSkin::picture(pagePicture));
}

bool QtMainWindow::event(QEvent* event) {
  // Hints of the controls under the pointer go to the hint line.
  if (event->type() == QEvent::StatusTip) {
    hint_->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QWidget::event(event);
}

void QtMainWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  state_.closeMenus();
  if (windowHandle() && windowHandle()->startSystemMove()) return;
  dragging_ = true;  // no window manager to move us: move by hand
  dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void QtMainWindow::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) move(event->globalPosition().toPoint() - dragOffset_);
}

void QtMainWindow::mouseReleaseEvent(QMouseEvent*) {
  dragging_ = false;
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
  state_.FormCloseQuery();
  devTimer_.stop();
  event->accept();
}

void QtMainWindow::setOverlaysVisible(bool visible) {
  hostOverlay_ = visible;
  overlay_->setGeometry(rect());
  overlay_->setVisible(visible);
  overlay_->raise();
}

void QtMainWindow::tickMonitor() {
  // While a mousectl command has the mouse, the window looks for it again next tick.
  if (!state_.link().monitorTimerEnabled() || !state_.core().holdMouseLock()) return;
  state_.link().discovery.DevTimerTimer();
  render();
}

void QtMainWindow::onPageButton(PageButton button) {
  state_.pageButtonClick(button);
  render();
}

// The README that cmake --install puts beside the program: PREFIX/share/doc/mousecfg.
std::string QtMainWindow::installedDocumentation() {
  const QString path = QCoreApplication::applicationDirPath() + "/../share/doc/mousecfg/README.md";
  return QDir::cleanPath(path).toStdString();
}

void QtMainWindow::onWeb() {
  if (state_.Btn_Web_0Click())
    QDesktopServices::openUrl(QUrl(qt(state_.webAddress(installedDocumentation()))));
  render();
}

}  // namespace mousecfg
