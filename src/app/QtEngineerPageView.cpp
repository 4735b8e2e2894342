#include "app/QtEngineerPageView.h"

#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <vector>

#include "app/QtEngineerAdvancedTab.h"
#include "app/QtEngineerGunTab.h"
#include "app/QtEngineerOperatorTab.h"
#include "app/QtEngineerWidgets.h"
#include "app/QtMainWindow.h"
#include "core/ApplicationCore.h"

namespace mousecfg {

namespace {

// Right of the window's title and page buttons, left of its frame buttons.
constexpr QPoint kButtonRowAt(240, 12);
constexpr QRect kLogoRect(760, 8, 160, 40);
constexpr int kTabsLeft = 180;
constexpr int kTabsTop = 56;
constexpr int kMargin = 10;
constexpr int kControlPointSize = 9;

std::optional<std::string> askForCodeInDialog(QWidget* parent) {
  bool ok = false;
  const QString code = QInputDialog::getText(parent, QStringLiteral("Password"), QString(),
                                             QLineEdit::Password, QString(), &ok);
  if (!ok) return std::nullopt;
  return code.toStdString();
}

// The top buttons' texts are Chinese only; where the captions are English a tip says in
// English what the button does.
QPushButton* withEnglishTip(QPushButton* button, const char* tip) {
  button->setToolTip(engineerCaption("", tip));
  return button;
}

}  // namespace

QtEngineerPageView::QtEngineerPageView(QtMainWindow& window, ApplicationCore& core, QWidget* page)
    : QtPageView(page), window_(window), core_(core) {
  setObjectName("EngineerPageView");
  logo_ = new QLabel(QStringLiteral("mousecfg"), this);
  logo_->setObjectName("img_Logo");
  logo_->setGeometry(kLogoRect);
  QFont logoFont = logo_->font();
  logoFont.setPointSize(16);
  logoFont.setBold(true);
  logo_->setFont(logoFont);
  logo_->installEventFilter(this);
  createButtons();
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("tab_Engineer");
  QFont dense = tabs_->font();
  dense.setPointSize(kControlPointSize);
  tabs_->setFont(dense);
  tabs_->setAutoFillBackground(true);
  const auto changed = [this] { done(); };
  operatorTab_ = new QtEngineerOperatorTab(core, changed);
  advancedTab_ = new QtEngineerAdvancedTab(core, changed);
  gunTab_ = new QtEngineerGunTab(window, core, changed);
  tabs_->addTab(operatorTab_, QString::fromUtf8(kOperatorTab));
  tabs_->addTab(advancedTab_, QString::fromUtf8(kAdvancedTab));
  tabs_->addTab(gunTab_, QString::fromUtf8(kGunConfirmTab));
  core_.serviceAccess.askForCode = [this] { return askForCodeInDialog(this); };
}

QtEngineerPageView::~QtEngineerPageView() {
  core_.serviceAccess.askForCode = nullptr;
}

QPushButton* QtEngineerPageView::addButton(const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption), this);
  button->setObjectName(name);
  return button;
}

void QtEngineerPageView::createButtons() {
  auto* row = new QWidget(this);
  row->move(kButtonRowAt);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  QPushButton* save =
      withEnglishTip(addButton("btn_SaveConfig", "保存配置"), "Save configuration to a file");
  QPushButton* load =
      withEnglishTip(addButton("btn_LoadConfig", "加载配置"), "Load configuration from a file");
  importMacros_ = withEnglishTip(addButton("btn_ImportMacro", "导入普通宏"),
                                 "Import device macros from a file");
  importGuns_ =
      withEnglishTip(addButton("btn_ImportGun", "导入压枪宏"), "Import gun presets from a file");
  defaults_ = withEnglishTip(addButton("btn_Default", "恢复默认值"), "Restore defaults");
  for (QPushButton* button : {save, load, importMacros_, importGuns_, defaults_}) {
    button->setParent(row);
    layout->addWidget(button);
  }
  // The row keeps the width of all five, so the two of the first service level stay
  // their own size.
  layout->addStretch();
  row->adjustSize();
  ProfileFiles& files = core_.profileFiles;
  connect(save, &QPushButton::clicked, this, [this, &files] {
    (void)files.Btn_Save_0Click();
    done();
  });
  connect(load, &QPushButton::clicked, this, [this, &files] {
    (void)files.Btn_Load_0Click();
    done();
  });
  connect(importMacros_, &QPushButton::clicked, this, [this] { importFile(false); });
  connect(importGuns_, &QPushButton::clicked, this, [this] { importFile(true); });
  connect(defaults_, &QPushButton::clicked, this, [this] {
    (void)core_.engineerDefaults.TLDefaultParameter();
    done();
  });
}

void QtEngineerPageView::importFile(bool gunPresets) {
  const QString path = QFileDialog::getOpenFileName(this, {}, {}, ProfileFiles::kLoadFilter);
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    core_.host.showText((path + QStringLiteral(": ") + file.errorString()).toStdString());
    return;
  }
  // Only the leading bytes are taken; a longer file is not read further.
  const qint64 wanted =
      static_cast<qint64>(gunPresets ? image::kGunTableLength : image::kMacroBlockLength);
  const QByteArray content = file.read(wanted);
  const std::vector<uint8_t> bytes(content.begin(), content.end());
  if (gunPresets)
    (void)core_.deviceMacros.writeGunPresetFile(bytes);
  else
    (void)core_.deviceMacros.writeMacroBlockFile(bytes);
  done();
}

bool QtEngineerPageView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == logo_ && event->type() == QEvent::MouseButtonDblClick) {
    core_.serviceAccess.logoDoubleClick();
    done();
    return true;
  }
  return QtPageView::eventFilter(watched, event);
}

void QtEngineerPageView::done() {
  window_.render();
}

// Entering the page shows the buttons' current functions.
void QtEngineerPageView::pageEntered() {
  core_.engineerKeys.TLRefreshProfile1Keys();
  core_.engineerKeys.TLRefreshProfile2Keys();
  core_.engineerKeys.TLRefreshComboKeys();
}

void QtEngineerPageView::render() {
  const bool visible = window_.state().visiblePage == Page::Engineer;
  if (visible && !shown_) pageEntered();
  shown_ = visible;
  const QWidget* page = parentWidget();
  setGeometry(page->rect());
  tabs_->setGeometry(kTabsLeft, kTabsTop, width() - kTabsLeft - kMargin,
                     height() - kTabsTop - kMargin);
  renderTabs();
  const bool secondLevel = core_.serviceAccess.defaultAndImportButtonsShown();
  for (QPushButton* button : {defaults_, importMacros_, importGuns_})
    button->setVisible(secondLevel);
  operatorTab_->render();
  advancedTab_->render();
  gunTab_->render();
}

void QtEngineerPageView::renderTabs() {
  const ServiceAccess& access = core_.serviceAccess;
  tabs_->setTabVisible(tabs_->indexOf(advancedTab_), access.advancedTabShown());
  tabs_->setTabVisible(tabs_->indexOf(gunTab_), access.gunConfirmTabShown());
}

}  // namespace mousecfg
