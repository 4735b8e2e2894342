#include "app/QtMacroInsertPanel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/QtMacroFields.h"
#include "app/QtMainWindow.h"
#include "app/QtPageLayout.h"
#include "app/QtPictureButton.h"
#include "app/QtTickOption.h"
#include "base/LanguageKeys.h"
#include "macros/MacroPageState.h"

namespace mousecfg {

namespace {

// Places inside the panel, which covers the right-hand frame's well (193 x 350).
constexpr QRect kChoices{8, 8, 177, 26};
constexpr int kRowHeight = 26;
constexpr int kLabelWidth = 80;
constexpr int kFieldX = 96;
constexpr int kFieldWidth = 80;
constexpr int kDelayRow = 44;
constexpr int kXRow = 76;
constexpr int kYRow = 106;
constexpr int kFirstDelayMode = 142;
constexpr int kDelayModeDistance = 26;
constexpr QRect kRecordPlace{36, 226, 120, 34};
constexpr QRect kOk{4, 310, 90, 30};
constexpr QRect kCancel{99, 310, 90, 30};
constexpr int kFontSize = 9;

constexpr std::array<const char*, 6> kChoiceKeys{
    langkey::caption::kInsertDelayFront, langkey::caption::kInsertDelayBack,
    langkey::caption::kInsertKeyFront,   langkey::caption::kInsertKeyBack,
    langkey::caption::kInsertMoveFront,  langkey::caption::kInsertMoveBack};
constexpr std::array<const char*, 3> kDelayModeKeys{
    langkey::caption::kRealRecord, langkey::caption::kDelayTime, langkey::caption::kNoDelay};
constexpr std::array<DelayMode, 3> kDelayModes{DelayMode::RealRecord, DelayMode::FixedDelay,
                                               DelayMode::NoDelay};

bool insertsKeys(InsertChoice choice) {
  return choice == InsertChoice::KeyFront || choice == InsertChoice::KeyBack;
}

}  // namespace

QtMacroInsertPanel::QtMacroInsertPanel(QtMainWindow& window, MacroPageState& page, QWidget* parent)
    : QWidget(parent), window_(window), page_(page) {
  setObjectName("Pnl_Insert");
  createControls();
}

QLabel* QtMacroInsertPanel::addLabel(const QString& name) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

void QtMacroInsertPanel::createControls() {
  choices_ = new QComboBox(this);
  choices_->setObjectName("Cb_Insert");
  choices_->setGeometry(kChoices);
  connect(choices_, &QComboBox::activated, this, [this](int index) {
    page_.insertPanel.choice = static_cast<InsertChoice>(index);
    emit changed();
  });
  delayLabel_ = addLabel("lbl_InsertDelay");
  delay_ = macroNumberField(this, "Edt_InsertDelay", EditorSettings::kMinDelayMs,
                            EditorSettings::kMaxDelayMs,
                            [this](int ms) { page_.insertPanel.settings.fixedDelayMs = ms; });
  xLabel_ = addLabel("lbl_InsertX");
  x_ = macroNumberField(this, "Edt_InsertX", event_line::kMinMove, event_line::kMaxMove,
                        [this](int x) { page_.insertPanel.x = x; });
  yLabel_ = addLabel("lbl_InsertY");
  y_ = macroNumberField(this, "Edt_InsertY", event_line::kMinMove, event_line::kMaxMove,
                        [this](int y) { page_.insertPanel.y = y; });
  delayLabel_->setGeometry(8, kDelayRow, kLabelWidth, kRowHeight);
  delay_->setGeometry(kFieldX, kDelayRow, kFieldWidth, kRowHeight - 2);
  xLabel_->setGeometry(8, kXRow, kLabelWidth, kRowHeight);
  x_->setGeometry(kFieldX, kXRow, kFieldWidth, kRowHeight - 2);
  yLabel_->setGeometry(8, kYRow, kLabelWidth, kRowHeight);
  y_->setGeometry(kFieldX, kYRow, kFieldWidth, kRowHeight - 2);
  for (size_t i = 0; i < delayModes_.size(); ++i) {
    auto* option = new QtTickOption(this);
    option->setObjectName(QStringLiteral("rb_InsertDelay%1").arg(i + 1));
    option->setGeometry(8, kFirstDelayMode + static_cast<int>(i) * kDelayModeDistance, 177, 22);
    connect(option, &QtTickOption::clicked, this, [this, mode = kDelayModes[i]] {
      if (page_.insertRecording()) return;
      page_.insertPanel.settings.delayMode = mode;
      emit changed();
    });
    delayModes_[i] = option;
  }
  const auto button = [this](const char* name, const QRect& place, auto handler) {
    auto* b = new QtPictureButton(this);
    b->setObjectName(name);
    b->setGeometry(place);
    connect(b, &QtPictureButton::clicked, this, [this, handler] {
      handler();
      emit changed();
    });
    return b;
  };
  record_ = button("Btn_InsertStart", kRecordPlace, [this] { (void)page_.insertRecordClick(); });
  ok_ = button("Btn_InsertOk", kOk, [this] { (void)page_.insertOk(); });
  cancel_ = button("Btn_InsertCancel", kCancel, [this] { page_.insertCancel(); });
}

void QtMacroInsertPanel::render() {
  using namespace langkey::caption;
  const int language = window_.state().language();
  const bool dark = language == 2;
  const PagePalette palette = pagePalette(language);
  const QFont font = pageFont(window_.fontName(), kFontSize);
  const InsertPanel& panel = page_.insertPanel;
  const bool recording = page_.insertRecording();

  if (choices_->count() != static_cast<int>(kChoiceKeys.size()) ||
      choices_->itemText(0) != window_.text(kChoiceKeys[0])) {
    choices_->clear();
    for (const char* key : kChoiceKeys) choices_->addItem(window_.text(key));
  }
  choices_->setCurrentIndex(static_cast<int>(panel.choice));
  choices_->setEnabled(!recording);
  choices_->setFont(font);

  const std::array<std::pair<QLabel*, QString>, 3> labels{{{delayLabel_, window_.text(kDelayTime)},
                                                           {xLabel_, window_.text(kInsertX)},
                                                           {yLabel_, window_.text(kInsertY)}}};
  for (const auto& [label, text] : labels) {
    label->setText(text);
    label->setFont(font);
    setSheet(*label, QString("color: %1;").arg(palette.text.name()));
  }
  const bool delay =
      panel.choice == InsertChoice::DelayFront || panel.choice == InsertChoice::DelayBack ||
      (insertsKeys(panel.choice) && panel.settings.delayMode == DelayMode::FixedDelay);
  const bool move =
      panel.choice == InsertChoice::MoveFront || panel.choice == InsertChoice::MoveBack;
  styleMacroField(*delay_, font, dark, delay && !recording);
  styleMacroField(*x_, font, dark, move);
  styleMacroField(*y_, font, dark, move);
  showFieldValue(*delay_, panel.settings.fixedDelayMs);
  showFieldValue(*x_, panel.x);
  showFieldValue(*y_, panel.y);

  for (size_t i = 0; i < delayModes_.size(); ++i) {
    renderRadio(*delayModes_[i], window_.text(kDelayModeKeys[i]),
                panel.settings.delayMode == kDelayModes[i], font, palette.text, language);
    delayModes_[i]->setVisible(insertsKeys(panel.choice));
  }
  const QColor buttonText = dark ? QColor(230, 234, 239) : QColor(30, 34, 40);
  renderSkinButton(*record_, window_.text(recording ? kStop : kRecord), font, buttonText, language);
  record_->setVisible(insertsKeys(panel.choice));
  renderSkinButton(*ok_, window_.text(kInsertOk), font, buttonText, language);
  renderSkinButton(*cancel_, window_.text(kInsertCancel), font, buttonText, language);
  ok_->setEnabled(!recording);
  cancel_->setEnabled(!recording);
}

}  // namespace mousecfg
