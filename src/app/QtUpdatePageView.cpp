#include "app/QtUpdatePageView.h"

#include <QFileDialog>
#include <QLabel>
#include <QPainter>

#include "app/QtMacroFields.h"
#include "app/QtMainWindow.h"
#include "app/QtPageLayout.h"
#include "app/QtPictureButton.h"
#include "app/QtSkin.h"
#include "app/QtText.h"
#include "base/LanguageKeys.h"
#include "core/ApplicationCore.h"

namespace mousecfg {

namespace {

// The page's design in window pixels over "LN_Back5" (content panel at 184,70): the
// heading in the header band of the firmware file's frame, the path in the frame's well
// beside its caption, and the two buttons below the divider.
constexpr std::string_view kPanelPicture = "Back5";
constexpr QRect kHeading{222, 86, 600, 28};
constexpr QRect kPathCaption{216, 132, 100, 30};
constexpr QRect kPath{320, 132, 532, 30};
constexpr QRect kLoad{320, 186, 130, 32};
constexpr QRect kProgramButton{462, 186, 130, 32};
constexpr int kHeadingSize = 12;
constexpr int kTextSize = 10;

}  // namespace

QtUpdatePageView::QtUpdatePageView(QtMainWindow& window, ApplicationCore& core, QWidget* parent)
    : QtPageView(parent), window_(window), core_(core) {
  setObjectName("gbPage5");
  heading_ = addLabel("lbl_FirmwareFile", kHeading);
  pathCaption_ = addLabel("lbl_BINPath", kPathCaption);
  path_ = addLabel("lbl_LoadBIN", kPath);
  path_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  UpdatePageState& page = core_.updatePage;
  page.chooseFile = [this]() -> std::optional<std::string> {
    const QString path = QFileDialog::getOpenFileName(&window_, QString(), QString(),
                                                      QString::fromUtf8(UpdatePageState::kFilter));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
  };
  load_ = addButton("Btn_LoadBIN", kLoad);
  program_ = addButton("Btn_Program", kProgramButton);
  connect(load_, &QtPictureButton::clicked, this, [this, &page] {
    page.Btn_LoadBINClick();
    window_.render();
  });
  connect(program_, &QtPictureButton::clicked, this, [this, &page] {
    (void)page.Btn_ProgramClick();
    window_.render();
  });
}

// The core outlives the window: it must not open a dialog over a window that is gone.
QtUpdatePageView::~QtUpdatePageView() {
  core_.updatePage.chooseFile = nullptr;
}

QLabel* QtUpdatePageView::addLabel(const char* name, const QRect& place) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->setGeometry(place);
  return label;
}

QtPictureButton* QtUpdatePageView::addButton(const char* name, const QRect& place) {
  auto* button = new QtPictureButton(this);
  button->setObjectName(name);
  button->setGeometry(place);
  return button;
}

void QtUpdatePageView::render() {
  using namespace langkey::caption;
  const int language = window_.state().language();
  const bool dark = isDarkSkin(language);
  setGeometry(parentWidget() ? parentWidget()->rect() : rect());
  const PagePalette palette = pagePalette(language);
  const QFont font = pageFont(window_.fontName(), kTextSize);
  QFont headingFont = pageFont(window_.fontName(), kHeadingSize);
  headingFont.setBold(true);
  heading_->setText(window_.text(kFirmwareFile));
  heading_->setFont(headingFont);
  setSheet(*heading_, QString("color: %1;").arg(palette.heading.name()));
  pathCaption_->setText(window_.text(kBinPath));
  pathCaption_->setFont(font);
  setSheet(*pathCaption_, QString("color: %1;").arg(palette.text.name()));
  // The whole path stays in the tool tip; the field shows its end, where the name is.
  const QString path = qt(core_.updatePage.lbl_LoadBIN);
  path_->setFont(font);
  path_->setText(path_->fontMetrics().elidedText(path, Qt::ElideLeft, kPath.width() - 16));
  path_->setToolTip(path);
  setSheet(
      *path_,
      QString("color: %1; background: transparent; padding-left: 6px;").arg(palette.text.name()));
  const QColor buttonText = skinButtonTextColour(dark);
  renderSkinButton(*load_, window_.text(kLoadBin), font, buttonText, language);
  renderSkinButton(*program_, window_.text(kProgram), font, buttonText, language);
  program_->setEnabled(core_.updatePage.fileLoaded() && core_.link.channel.isOpen());
  update();
}

// The panel of the language's skin set, under the page's controls.
void QtUpdatePageView::paintEvent(QPaintEvent*) {
  const MainWindowState& state = window_.state();
  const Rect& at = state.layout().pagePictures[static_cast<size_t>(Page::Update) - 1];
  QPainter(this).drawPixmap(at.x, at.y,
                            QtSkin::picture(skinPictureName(state.language(), kPanelPicture)));
}

}  // namespace mousecfg
