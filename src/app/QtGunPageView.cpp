#include "app/QtGunPageView.h"

#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <string>

#include <QMouseEvent>

#include "app/QtColourSwatch.h"
#include "app/QtGunEditor.h"
#include "app/QtMacroFields.h"
#include "app/QtMainWindow.h"
#include "app/QtPictureButton.h"
#include "app/QtSkin.h"
#include "app/QtText.h"
#include "app/QtTickOption.h"
#include "base/LanguageKeys.h"
#include "core/ApplicationCore.h"
#include "settings/EntryNames.h"

namespace mousecfg {

namespace {

// The page's design in window pixels over "LN_Back6" (content panel at 184,70): the gun
// rack x 200..440 (header y 86..114, its well y 124..482 with the tiles in two columns
// and the seventh centred below), and the settings frame x 454..868 (header y 86..114):
// a grid of two columns of fields, the colour row below a divider at y 334, Confirm and
// Cancel below a divider at y 430.
constexpr CaptionDesign kRackCaption{220, 90, 200, 10, {}};
constexpr CaptionDesign kGunCaption{474, 90, 370, 10, {}};
constexpr CaptionDesign kHintCaption{470, 122, 382, 9, {}};

constexpr std::array<QPoint, gun::kLastGun> kGunPlaces{
    {{218, 128}, {326, 128}, {218, 216}, {326, 216}, {218, 304}, {326, 304}, {272, 392}}};
constexpr QSize kGunSize{96, 64};
constexpr int kGunNameGap = 2;  // between a tile and its name
constexpr int kGunNameSize = 8;
constexpr int kLightSkinAccentDarker = 140;  // percent

namespace captions = langkey::caption;

// A field, named by its layout key stem, with the caption above it.
struct FieldDesign {
  GunField field;
  const char* key;
  const char* caption;
  QPoint place;
};

constexpr FieldDesign kFieldDesigns[kGunFieldCount] = {
    {GunField::FireCount, "FireCnt1", captions::kFireCount, {470, 174}},
    {GunField::FireX, "FireX1", captions::kFireXAxis, {470, 234}},
    {GunField::XOffset, "FireX1_Offset", captions::kXAxisOffset, {676, 234}},
    {GunField::FireY, "FireY1", captions::kFireYAxis, {470, 294}},
    {GunField::YOffset, "FireY1_Offset", captions::kYAxisOffset, {676, 294}},
    {GunField::FireDelay, "FireTime1", captions::kFireDelayTime, {676, 174}},
};
constexpr QSize kFieldSize{176, 26};
constexpr int kCaptionAbove = 20;  // a caption's top above its field's
constexpr int kCaptionWidth = 196;
// Long enough for any value the state clamps to; a longer paste is refused whole.
constexpr int kFieldDigits = 7;

constexpr QPoint kColourPlace{470, 366};
constexpr QSize kColourSize{64, 26};
constexpr QPoint kKeepLeftPlace{676, 368};
constexpr QSize kKeepLeftSize{176, 22};
constexpr QSize kTickSize{18, 18};

constexpr QPoint kConfirmPlace{600, 444};
constexpr QPoint kCancelPlace{732, 444};
constexpr QSize kButtonSize{120, 34};

constexpr int kTextSize = 9;
// The service editor covers the rack: its header and its well.
constexpr QRect kEditorPlace{200, 86, 240, 396};

std::string joined(std::string_view first, std::string_view second) {
  return std::string(first) + std::string(second);
}

}  // namespace

QtGunPageView::QtGunPageView(QtMainWindow& window, ApplicationCore& core, QWidget* parent)
    : QtPageView(parent), window_(window), core_(core), gunPage_(core.gunPage) {
  setObjectName("GunPage");
  rackCaption_ = createLabel("lbl_GunSetting", Qt::AlignLeft | Qt::AlignVCenter);
  gunCaption_ = createLabel("lbl_GunName", Qt::AlignLeft | Qt::AlignVCenter);
  hint_ = createLabel("lbl_GunHint", Qt::AlignLeft | Qt::AlignVCenter);
  createGuns();
  createFields();
  createSettings();
  gunPage_.pickColour = [this](uint32_t current) -> std::optional<uint32_t> {
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(current), &window_);
    if (!chosen.isValid()) return std::nullopt;
    return chosen.rgb() & 0xFFFFFFu;
  };
  editor_ = new QtGunEditor(window_, core_, this);
  editor_->setGeometry(kEditorPlace);
  editor_->hide();
  connect(editor_, &QtGunEditor::changed, this, &QtGunPageView::changed);
}

// The core outlives the window: its colour pick must not reach a page that is gone.
QtGunPageView::~QtGunPageView() {
  gunPage_.pickColour = nullptr;
}

// Only the background gets here: the page's controls take their own double-clicks. The
// code is asked for by the engineer page's "Password" dialog, which answers for both.
void QtGunPageView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QtPageView::mouseDoubleClickEvent(event);
  core_.serviceAccess.gunPageDoubleClick();
  changed();
}

QLabel* QtGunPageView::createLabel(const QString& name, Qt::Alignment alignment) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->setAlignment(alignment);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

void QtGunPageView::createGuns() {
  for (int gun = gun::kFirstGun; gun <= gun::kLastGun; ++gun) {
    auto* button = new QtTickOption(this);
    button->setObjectName(QStringLiteral("Btn_Fire%1").arg(gun));
    connect(button, &QtTickOption::clicked, this, [this, gun] {
      gunPage_.Btn_FireClick(gun);
      changed();
    });
    guns_[static_cast<size_t>(gun - 1)] = button;
    gunNames_[static_cast<size_t>(gun - 1)] =
        createLabel(QStringLiteral("lbl_Fire%1").arg(gun), Qt::AlignCenter);
  }
}

void QtGunPageView::createFields() {
  for (const FieldDesign& design : kFieldDesigns) {
    const auto index = static_cast<size_t>(design.field);
    auto* field = new QLineEdit(this);
    field->setObjectName(design.key);
    field->setAlignment(Qt::AlignCenter);
    field->setContextMenuPolicy(Qt::NoContextMenu);
    // Digits, and for the signed fields a leading minus: other keys change nothing.
    const bool isSigned =
        design.field != GunField::FireCount && design.field != GunField::FireDelay;
    const QString accepted = QStringLiteral("%1[0-9]{0,%2}")
                                 .arg(isSigned ? QStringLiteral("-?") : QString())
                                 .arg(kFieldDigits);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(accepted), field));
    connect(field, &QLineEdit::textChanged, this,
            [this, which = design.field](const QString& text) {
              gunPage_.fieldChange(which, text.toStdString());
              // The field may have rewritten the preset the editor shows.
              core_.gunEditor.refreshFromImage();
              changed();
            });
    fields_[index] = field;
    fieldCaptions_[index] =
        createLabel(QStringLiteral("lbl_%1").arg(design.key), Qt::AlignLeft | Qt::AlignVCenter);
  }
}

void QtGunPageView::createSettings() {
  colourCaption_ = createLabel("lbl_FireColor1", Qt::AlignLeft | Qt::AlignVCenter);
  colour_ = new QtColourSwatch(this);
  colour_->setObjectName("FireColor1");
  connect(colour_, &QtColourSwatch::clicked, this, [this] {
    gunPage_.FireColorClick();
    changed();
  });
  keepLeft_ = new QtTickOption(this);
  keepLeft_->setObjectName("IsHasLK");
  connect(keepLeft_, &QtTickOption::clicked, this, [this] {
    gunPage_.IsHasLKClick();
    changed();
  });
  confirm_ = new QtPictureButton(this);
  confirm_->setObjectName("Btn_Confirm");
  connect(confirm_, &QtPictureButton::clicked, this, [this] {
    gunPage_.Btn_ConfirmClick();
    changed();
  });
  cancel_ = new QtPictureButton(this);
  cancel_->setObjectName("Btn_Cancel");
  connect(cancel_, &QtPictureButton::clicked, this, [this] {
    gunPage_.Btn_CancelClick();
    changed();
  });
}

void QtGunPageView::changed() {
  window_.render();
}

QFont QtGunPageView::textFont() const {
  return pageFont(window_.fontName(), layout_.value("Size_F", kTextSize));
}

void QtGunPageView::render() {
  // Another page is shown: this one renders when the key page's menu shows it.
  if (parentWidget() && parentWidget()->isHidden()) return;
  setGeometry(parentWidget() ? parentWidget()->rect() : rect());
  layout_.use(window_.state().language());
  const PagePalette palette = pagePalette(layout_.language());
  renderCaptions(palette);
  renderGuns(palette);
  renderFields(palette);
  renderSettings(palette);
  const bool editorShown = core_.serviceAccess.gunEditorShown();
  editor_->setVisible(editorShown);
  if (editorShown) {
    editor_->raise();
    editor_->render(layout_);
  }
}

void QtGunPageView::renderCaptions(const PagePalette& palette) {
  const QString font = window_.fontName();
  const auto place = [&](QLabel* label, const char* name, CaptionDesign design, QColor colour,
                         const QString& text) {
    design.colour = colour;
    layout_.placeCaption(*label, name, design, font);
    label->setText(text);
  };
  place(rackCaption_, "Gun_Setting", kRackCaption, palette.heading,
        window_.text(captions::kGunSetting));
  place(gunCaption_, "Gun_Name", kGunCaption, palette.heading,
        window_.text(gunNameKey(gunPage_.selectedGun)));
  place(hint_, "Gun_Hint", kHintCaption, palette.hint, window_.text(captions::kGunHint));
}

void QtGunPageView::renderGuns(const PagePalette& palette) {
  const int language = layout_.language();
  const QFont nameFont = pageFont(window_.fontName(), kGunNameSize);
  // The accent is too light to read as text on the light skins.
  const QColor selectedName =
      isDarkSkin(language) ? palette.accent : palette.accent.darker(kLightSkinAccentDarker);
  for (int gun = gun::kFirstGun; gun <= gun::kLastGun; ++gun) {
    const auto index = static_cast<size_t>(gun - 1);
    QtTickOption* button = guns_[index];
    const QPoint at = layout_.point("Fire" + std::to_string(gun) + "_", kGunPlaces[index]);
    button->setGeometry(QRect(at, kGunSize));
    const QString picture = qt(gunPage_.gunPicture(gun));
    button->setPicture(picture, QtSkin::picture(picture.toStdString(), language), kGunSize);
    const QString name = window_.text(gunNameKey(gun));
    button->setAccessibleName(name);
    button->setStatusTip(name);
    QLabel* label = gunNames_[index];
    label->setGeometry(at.x(), at.y() + kGunSize.height() + kGunNameGap, kGunSize.width(),
                       2 * kGunNameSize + 2);
    label->setFont(nameFont);
    setSheet(*label, QStringLiteral("color: %1; background: transparent;")
                         .arg((gun == gunPage_.selectedGun ? selectedName : palette.text).name()));
    label->setText(name);
  }
}

void QtGunPageView::renderFields(const PagePalette& palette) {
  const QFont font = textFont();
  const bool dark = isDarkSkin(layout_.language());
  for (const FieldDesign& design : kFieldDesigns) {
    const auto index = static_cast<size_t>(design.field);
    QLineEdit* field = fields_[index];
    const QPoint at = layout_.point(joined(design.key, "_"), design.place);
    field->setGeometry(QRect(at, kFieldSize));
    styleMacroField(*field, font, dark, true);
    const QString text = qt(gunPage_.field(design.field));
    if (field->text() != text) {
      const QSignalBlocker quiet(field);
      field->setText(text);
    }
    layout_.placeCaption(*fieldCaptions_[index], joined("Gun_", design.key),
                         {at.x(), at.y() - kCaptionAbove, kCaptionWidth, font.pointSize(),
                          layout_.colour("Color_F_", palette.text)},
                         window_.fontName());
    fieldCaptions_[index]->setText(window_.text(design.caption));
  }
}

void QtGunPageView::renderSettings(const PagePalette& palette) {
  const int language = layout_.language();
  const QFont font = textFont();
  const QColor text = layout_.colour("Color_F_", palette.text);

  const QPoint swatch = layout_.point("FireColor1_", kColourPlace);
  colour_->setGeometry(QRect(swatch, kColourSize));
  colour_->setColour(QColor::fromRgb(gunPage_.swatchColour()));
  colour_->setFrameColour(palette.swatchFrame);
  layout_.placeCaption(
      *colourCaption_, "Gun_Color",
      {swatch.x(), swatch.y() - kCaptionAbove, kCaptionWidth, font.pointSize(), text},
      window_.fontName());
  colourCaption_->setText(window_.text(captions::kGunColor));

  keepLeft_->setGeometry(QRect(layout_.point("IsHasLK_", kKeepLeftPlace), kKeepLeftSize));
  const QString tick = qt(gunPage_.keepLeftPicture());
  keepLeft_->setPicture(tick, QtSkin::picture(tick.toStdString(), language), kTickSize);
  keepLeft_->setCaption(window_.text(captions::kKeepLeftKey));
  keepLeft_->setCaptionStyle(font, text);

  confirm_->setGeometry(QRect(layout_.point("FireConfirm_", kConfirmPlace), kButtonSize));
  renderSkinButton(*confirm_, window_.text(captions::kGunConfirm), font, palette.text, language);
  cancel_->setGeometry(QRect(layout_.point("FireCancel_", kCancelPlace), kButtonSize));
  renderSkinButton(*cancel_, window_.text(captions::kGunCancel), font, palette.text, language);
}

}  // namespace mousecfg
