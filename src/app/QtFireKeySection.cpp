#include "app/QtFireKeySection.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <string>

#include "app/QtMacroFields.h"
#include "app/QtMainWindow.h"
#include "app/QtPageLayout.h"
#include "app/QtSkin.h"
#include "app/QtText.h"
#include "app/QtTickOption.h"
#include "base/LanguageKeys.h"

namespace mousecfg {

namespace {

// The card's design in window pixels, over the "LN_Back2" picture: the card spans
// x 541..868, y 360..498; a 28-pixel header, the column captions, then three 26-pixel
// rows from y 412.
constexpr CaptionDesign kCaption{561, 364, 290, 10, {}};
constexpr int kColumnCaptionY = 392;
constexpr int kFirstRowTop = 412;
constexpr int kRowHeight = 26;
constexpr int kFieldY = 2;  // below the row's top
constexpr int kTickY = 4;

constexpr int kNameX = 557;
constexpr int kRepeatX = 630;
constexpr int kIntervalX = 700;
constexpr int kContinuousX = 808;
constexpr QSize kNameSize{68, 22};
constexpr QSize kRepeatSize{44, 22};
constexpr QSize kIntervalSize{52, 22};
constexpr QSize kMillisecondsSize{26, 22};
constexpr int kMillisecondsGap = 4;
constexpr QSize kTickSize{18, 18};

// A column caption is centred over its column.
constexpr int kColumnCaptionWidth = 72;
constexpr int kContinuousCaptionWidth = 80;
constexpr int kTextSize = 9;

// Two digits hold every count up to 15, five every interval the mouse could be given;
// the state clamps both.
constexpr int kRepeatDigits = 2;
constexpr int kIntervalDigits = 5;

QLabel* newLabel(QWidget& parent, const QString& name, Qt::Alignment alignment) {
  auto* label = new QLabel(&parent);
  label->setObjectName(name);
  label->setAlignment(alignment);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

QLineEdit* newDigitField(QWidget& parent, const QString& name, int digits) {
  auto* field = new QLineEdit(&parent);
  field->setObjectName(name);
  field->setAlignment(Qt::AlignCenter);
  field->setContextMenuPolicy(Qt::NoContextMenu);
  field->setMaxLength(digits);
  field->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), field));
  return field;
}

// The state's text, set without the field reporting it as an edit.
void showText(QLineEdit& field, const std::string& text) {
  const QString shown = qt(text);
  if (field.text() == shown) return;
  const QSignalBlocker quiet(field);
  field.setText(shown);
}

void setTextStyle(QLabel& label, const QFont& font, const QColor& colour) {
  label.setFont(font);
  setSheet(label, QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
}

// A caption centred over a column whose left edge is `columnX` and width `columnWidth`.
CaptionDesign columnCaption(int columnX, int columnWidth, int captionWidth, QColor colour) {
  return {columnX + (columnWidth - captionWidth) / 2, kColumnCaptionY, captionWidth, kTextSize,
          colour};
}

}  // namespace

QtFireKeySection::QtFireKeySection(QWidget& page, FireKeyState& fireKeys, Hooks hooks)
    : QObject(&page), fireKeys_(fireKeys), hooks_(std::move(hooks)) {
  caption_ = newLabel(page, "lbl_FireKeySetting", Qt::AlignLeft | Qt::AlignVCenter);
  repeatCaption_ = newLabel(page, "lbl_FKRepeat", Qt::AlignCenter);
  intervalCaption_ = newLabel(page, "lbl_FKInterval", Qt::AlignCenter);
  continuousCaption_ = newLabel(page, "lbl_FKContinuous", Qt::AlignCenter);
  for (int key = 1; key <= FireKeyState::kKeys; ++key) createRow(page, key);
}

void QtFireKeySection::createRow(QWidget& page, int key) {
  Row& row = rows_[static_cast<size_t>(key - 1)];
  row.name =
      newLabel(page, QStringLiteral("lbl_FK%1Name").arg(key), Qt::AlignLeft | Qt::AlignVCenter);
  row.repeat = newDigitField(page, QStringLiteral("FK%1Cnt").arg(key), kRepeatDigits);
  connect(row.repeat, &QLineEdit::textEdited, this, [this, key](const QString& typed) {
    fireKeys_.FKCntChange(key, typed.toStdString());
    hooks_.changed();
  });
  connect(row.repeat, &QLineEdit::editingFinished, this, [this, key] {
    fireKeys_.FKCntExit(key);
    hooks_.changed();
  });
  row.interval = newDigitField(page, QStringLiteral("FK%1Delay").arg(key), kIntervalDigits);
  connect(row.interval, &QLineEdit::textEdited, this, [this, key](const QString& typed) {
    fireKeys_.FKDelayChange(key, typed.toStdString());
    hooks_.changed();
  });
  row.milliseconds =
      newLabel(page, QStringLiteral("lbl_FK%1Ms").arg(key), Qt::AlignLeft | Qt::AlignVCenter);
  row.continuous = new QtTickOption(&page);
  row.continuous->setObjectName(QStringLiteral("FK%1Continue").arg(key));
  connect(row.continuous, &QtTickOption::clicked, this,
          [this, key] { hooks_.covered([this, key] { fireKeys_.FKContinueClick(key); }); });
}

void QtFireKeySection::render(const QtPageLayout& layout, const PagePalette& palette,
                              const QtMainWindow& window) {
  renderCaptions(layout, palette, window);
  for (int key = 1; key <= FireKeyState::kKeys; ++key) renderRow(key, layout, palette, window);
}

void QtFireKeySection::renderCaptions(const QtPageLayout& layout, const PagePalette& palette,
                                      const QtMainWindow& window) {
  const QString font = window.fontName();
  const auto place = [&](QLabel* label, const char* name, const CaptionDesign& design,
                         const char* text) {
    layout.placeCaption(*label, name, design, font);
    label->setText(window.text(text));
  };
  CaptionDesign caption = kCaption;
  caption.colour = palette.heading;
  place(caption_, "Fire_Key", caption, langkey::caption::kFireKeySetting);
  place(repeatCaption_, "Fire_Key_Repeat",
        columnCaption(kRepeatX, kRepeatSize.width(), kColumnCaptionWidth, palette.hint),
        langkey::caption::kFireKeyRepeat);
  place(intervalCaption_, "Fire_Key_Interval",
        columnCaption(kIntervalX, kIntervalSize.width(), kColumnCaptionWidth, palette.hint),
        langkey::caption::kFireKeyInterval);
  place(continuousCaption_, "Fire_Key_Continuous",
        columnCaption(kContinuousX, kTickSize.width(), kContinuousCaptionWidth, palette.hint),
        langkey::caption::kFireKeyContinuous);
}

void QtFireKeySection::renderRow(int key, const QtPageLayout& layout, const PagePalette& palette,
                                 const QtMainWindow& window) {
  Row& row = rows_[static_cast<size_t>(key - 1)];
  const FireKeyFields& fields = fireKeys_.fields[static_cast<size_t>(key - 1)];
  const int top = kFirstRowTop + kRowHeight * (key - 1);
  const std::string prefix = "FK" + std::to_string(key);
  const int language = layout.language();
  const QFont font = pageFont(window.fontName(), layout.value("Size_F", kTextSize));
  const QColor text = layout.colour("Color_F_", palette.text);

  row.name->setGeometry(QRect(layout.point(prefix + "Name_", {kNameX, top + kFieldY}), kNameSize));
  setTextStyle(*row.name, font, text);
  row.name->setText(qt(fireKeys_.keyName(key)));

  const bool dark = isDarkSkin(language);
  const QPoint repeat = layout.point(prefix + "Cnt_", {kRepeatX, top + kFieldY});
  row.repeat->setGeometry(QRect(repeat, kRepeatSize));
  styleMacroField(*row.repeat, font, dark, true);
  showText(*row.repeat, fields.repeatText);

  const QPoint interval = layout.point(prefix + "Delay_", {kIntervalX, top + kFieldY});
  row.interval->setGeometry(QRect(interval, kIntervalSize));
  styleMacroField(*row.interval, font, dark, true);
  showText(*row.interval, fields.intervalText);

  row.milliseconds->setGeometry(
      QRect(interval + QPoint(kIntervalSize.width() + kMillisecondsGap, 0), kMillisecondsSize));
  setTextStyle(*row.milliseconds, font, text);
  row.milliseconds->setText(window.text(langkey::caption::kFireKeyMilliseconds));

  const QString picture = qt(fireKeys_.continuousPicture(key));
  row.continuous->setGeometry(
      QRect(layout.point(prefix + "Continue_", {kContinuousX, top + kTickY}), kTickSize));
  row.continuous->setPicture(picture, QtSkin::picture(picture.toStdString(), language), kTickSize);
  row.continuous->setAccessibleName(row.name->text() + ' ' +
                                    window.text(langkey::caption::kFireKeyContinuous));
}

}  // namespace mousecfg
