#include "app/QtKeyPageView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "app/QtAssemblyKeyDialog.h"
#include "app/QtFunctionMenu.h"
#include "app/QtMainWindow.h"
#include "app/QtSkin.h"
#include "app/QtText.h"
#include "app/QtTickOption.h"
#include "base/LanguageKeys.h"
#include "base/LayoutSet.h"
#include "core/ApplicationCore.h"

namespace mousecfg {

namespace {

// The gesture options as the key page was designed: two columns of four under the labels.
constexpr int kGestureFirstX = 204;
constexpr int kGestureColumnStep = 340;
constexpr int kGestureFirstY = 398;
constexpr int kGestureRowStep = 26;
constexpr int kGesturesPerColumn = 4;
constexpr int kGestureWidth = 320;
constexpr int kGestureHeight = 22;
constexpr char kKeyLabelGroup = 'C';
constexpr int kMarqueeTickMs = 200;

const QColor kBlockingTint(8, 10, 14, 96);

// The three restore buttons and the default store each writes.
struct RestoreBinding {
  const char* button;
  int store;
};
constexpr RestoreBinding kRestoreButtons[] = {
    {"Btn_Confirm1", 1},
    {"Btn_Confirm2", 2},
    {"Btn_Confirm3", 3},
};

// Disable_All_1: covers the window while the combination-key dialog is open, so
// nothing else can be clicked.
class BlockingPanel : public QWidget {
 public:
  explicit BlockingPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("Disable_All_1");
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), kBlockingTint); }
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
  void wheelEvent(QWheelEvent* event) override { event->accept(); }
};

}  // namespace

QtKeyPageView::QtKeyPageView(QtMainWindow& window, ApplicationCore& pages)
    : QtPageView(window.page(Page::Keys)), window_(window), pages_(pages) {
  setObjectName("KeyPageView");
  // Over the window rather than the page, so no window button covers an open menu.
  menu_ = std::make_unique<QtFunctionMenu>(&window, pages.assignment.menu);
  blockingPanel_ = new BlockingPanel(&window);
  createGestureOptions();
  connectKeyLabels();
  connectRestoreButtons();
  connectMenu();
  pages_.assignment.openAssemblyKeyDialog = [this] { openAssemblyKeyDialog(); };
  labelRun_.setInterval(kMarqueeTickMs);
  connect(&labelRun_, &QTimer::timeout, this, [this] {
    pages_.keyPage.LabelRun();
    done();
  });
  qApp->installEventFilter(this);
}

QtKeyPageView::~QtKeyPageView() {
  pages_.assignment.openAssemblyKeyDialog = nullptr;
}

void QtKeyPageView::done() {
  window_.render();
}

void QtKeyPageView::createGestureOptions() {
  for (int n = 1; n <= ModeSwitchGestures::kGestureCount; ++n) {
    auto* option = new QtTickOption(this);
    option->setObjectName(QStringLiteral("IB_ComboKey%1").arg(n));
    connect(option, &QtTickOption::clicked, this, [this, n] {
      pages_.gestures.comboKeyClick(n);
      done();
    });
    gestures_[static_cast<size_t>(n - 1)] = option;
  }
}

void QtKeyPageView::connectKeyLabels() {
  for (int k = 1; k <= kKeyLabelCount; ++k)
    connect(window_.keyLabel(k - 1), &QtPictureButton::clicked, this,
            [this, k] { keyLabelClicked(k); });
}

void QtKeyPageView::connectRestoreButtons() {
  for (const RestoreBinding& binding : kRestoreButtons) {
    QtPictureButton* button = window_.button(binding.button);
    if (!button) continue;
    connect(button, &QtPictureButton::clicked, this, [this, store = binding.store] {
      // The window shows the outcome itself: the read-back configuration, or the error
      // state and the monitor's next look for the mouse.
      (void)pages_.restore.DefaultParameterConfirm(store);
      done();
    });
  }
}

void QtKeyPageView::connectMenu() {
  FunctionMenu& menu = pages_.assignment.menu;
  menu_->onEnter = [this, &menu](MenuPanel panel, size_t index) {
    menu.KeyByTagMouseEnter(panel, index);
    done();
  };
  menu_->onLeave = [this, &menu](MenuPanel panel, size_t index) {
    menu.KeyByTagMouseLeave(panel, index);
    done();
  };
  menu_->onClick = [this](MenuPanel panel, size_t index) {
    pages_.assignment.menuItemClick(panel, index);
    done();
  };
}

void QtKeyPageView::keyLabelClicked(int button) {
  const MainWindowState& state = window_.state();
  const Rect& label = state.layout().keys[static_cast<size_t>(button - 1)].picture;
  pages_.keyPage.ShowPnlMain_OnClick(button, label, state.windowSize);
  done();
}

void QtKeyPageView::openAssemblyKeyDialog() {
  auto* dialog = QtAssemblyKeyDialog::open(&window_, window_.state().languages());
  connect(dialog, &QtAssemblyKeyDialog::confirmed, this,
          [this](const QString& displayText, const QString& code) {
            pages_.assignment.assemblyKeyConfirmed(displayText.toStdString(), code.toStdString());
            done();
          });
  connect(dialog, &QtAssemblyKeyDialog::closed, this, [this] {
    pages_.assignment.assemblyKeyClosed();
    done();
  });
}

int QtKeyPageView::keyLabelOf(const QObject* object) const {
  for (int k = 1; k <= kKeyLabelCount; ++k)
    if (object == window_.keyLabel(k - 1)) return k;
  return 0;
}

bool QtKeyPageView::menuShownHere() const {
  const FunctionMenu& menu = pages_.assignment.menu;
  return menu.isOpen() && menu.page == MenuPage::KeyPage &&
         window_.state().visiblePage == Page::Keys;
}

// A press anywhere in the window but on the menu closes the menu, as a press on the
// page's background does.
void QtKeyPageView::closeMenuOnPressOutside(QObject* watched) {
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !menuShownHere() || widget->window() != &window_ || menu_->contains(widget))
    return;
  pages_.keyPage.ClearAP();
  done();
}

bool QtKeyPageView::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      closeMenuOnPressOutside(watched);
      break;
    case QEvent::KeyPress:
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && menuShownHere()) {
        pages_.keyPage.ClearAP();
        done();
        return true;
      }
      break;
    case QEvent::Enter:
      if (const int k = keyLabelOf(watched)) {
        pages_.keyPage.KeyMouseEnter(k);
        done();
      }
      break;
    case QEvent::Leave:
      if (const int k = keyLabelOf(watched)) {
        pages_.keyPage.KeyMouseLeave(k);
        done();
      }
      break;
    default:
      break;
  }
  return QtPageView::eventFilter(watched, event);
}

void QtKeyPageView::render() {
  QWidget* page = window_.page(Page::Keys);
  setGeometry(page->rect());
  lower();  // under the key labels: a press here is a press on the page's background
  layout_.use(window_.state().language());
  renderKeyLabels();
  renderGestures();
  renderMenu();
  renderBlockingPanel();
  renderMarqueeTimer();
}

// The label whose menu is open, and the one under the pointer, show the selected picture.
void QtKeyPageView::renderKeyLabels() {
  const int language = window_.state().language();
  const MenuTarget& target = pages_.assignment.target;
  const bool menuOnLabel = menuShownHere() && target.kind == MenuTargetKind::KeyLabel;
  for (int k = 1; k <= kKeyLabelCount; ++k) {
    const std::string& marker = pages_.keyPage.markerPictures[static_cast<size_t>(k - 1)];
    const bool selected = menuOnLabel && target.index == k;
    window_.keyLabel(k - 1)->setPicture(
        QtSkin::picture(selected ? kPictureKeySelected : std::string_view(marker), language));
  }
}

void QtKeyPageView::renderGestures() {
  const MainWindowState& state = window_.state();
  const int language = state.language();
  const TextStyle group = state.layout().group(kKeyLabelGroup);
  const QFont font = pageFont(window_.fontName(), group.size - 1);
  const QColor colour = QColor::fromRgb(group.rgb);
  const QPoint offset(layout_.value("ComboxKey_X_Offset", 0),
                      layout_.value("ComboxKey_Y_Offset", 0));
  const int width = layout_.value("ComboKey_Width", kGestureWidth);
  const ModeSwitchGestures& gestures = pages_.gestures;
  for (int n = 1; n <= ModeSwitchGestures::kGestureCount; ++n) {
    QtTickOption* option = gestures_[static_cast<size_t>(n - 1)];
    const std::string family = "ComboKey" + std::to_string(n);
    const int column = (n - 1) / kGesturesPerColumn;
    const int row = (n - 1) % kGesturesPerColumn;
    const QPoint designed(kGestureFirstX + column * kGestureColumnStep,
                          kGestureFirstY + row * kGestureRowStep);
    const QPoint at = layout_.point(family + "_", designed) + offset;
    const bool enabled = layout_.value(family + "_Enable", 1) == 1;
    const std::string_view picture = gestures.tickPicture(n);
    const QPixmap tick = QtSkin::picture(picture, language);
    option->setPicture(qt(picture), tick, tick.size());
    option->setCaption(qt(state.text(ModeSwitchGestures::captionKey(n))));
    option->setCaptionStyle(font, colour);
    option->setGeometry(at.x(), at.y(), width, kGestureHeight);
    option->setVisible(enabled &&
                       (n < ModeSwitchGestures::kGestureCount || gestures.comboKey8Visible()));
  }
}

void QtKeyPageView::renderMenu() {
  const MainWindowState& state = window_.state();
  if (const std::optional<LayoutFile> file = builtInLayout(state.language()))
    pages_.assignment.menu.setWidths(readMenuWidths(*file));
  menu_->render(
      functionMenuStyle(layout_, window_.fontName(), qt(state.text(langkey::menu::kMarker))),
      menuShownHere());
}

void QtKeyPageView::renderBlockingPanel() {
  blockingPanel_->setGeometry(window_.rect());
  blockingPanel_->setVisible(pages_.assignment.blockingPanelVisible);
  if (blockingPanel_->isVisible()) blockingPanel_->raise();
}

void QtKeyPageView::renderMarqueeTimer() {
  if (!pages_.keyPage.marqueeTimerEnabled())
    labelRun_.stop();
  else if (!labelRun_.isActive())
    labelRun_.start();
}

}  // namespace mousecfg
