#include "app/QtGunEditor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>

#include "app/QtMacroFields.h"
#include "app/QtMacroInputDialog.h"
#include "app/QtMacroList.h"
#include "app/QtMainWindow.h"
#include "app/QtPictureButton.h"
#include "app/QtSkin.h"
#include "app/QtText.h"
#include "app/QtTickOption.h"
#include "base/LanguageKeys.h"
#include "core/ApplicationCore.h"

namespace mousecfg {

namespace {

// Places inside the editor, which covers the gun rack (240 x 396): two columns above,
// the insert row across the bottom.
constexpr QRect kPresetList{4, 4, 88, 154};
constexpr QRect kEventList{96, 4, 140, 176};
constexpr QPoint kFirstDelayMode{4, 162};
constexpr int kDelayModeDistance = 22;
constexpr QSize kDelayModeSize{88, 22};
constexpr QRect kFixedDelay{4, 230, 56, 22};
constexpr QRect kMilliseconds{62, 230, 28, 22};
constexpr QRect kNotice{96, 182, 140, 34};
constexpr QRect kDelete{96, 218, 68, 26};
constexpr QRect kRename{168, 218, 68, 26};
constexpr QRect kRecord{96, 248, 140, 26};
constexpr QRect kActions{4, 280, 232, 24};
constexpr int kFirstFieldRow = 310;
constexpr int kFieldRowDistance = 26;
constexpr int kLabelWidth = 52;
constexpr int kFieldWidth = 60;
constexpr int kSecondColumn = 120;
constexpr int kFieldHeight = 22;
constexpr QRect kInsert{4, 364, 74, 28};
constexpr QRect kOk{83, 364, 74, 28};
constexpr QRect kCancel{162, 364, 74, 28};
constexpr int kCornerRadius = 6;
constexpr int kTextSize = 9;
constexpr int kNoticeSize = 8;

// The insert fields' places: delay and count in the first row, X and Y in the second.
struct FieldDesign {
  GunInsertField field;
  const char* name;
  int row;
  int column;
};
constexpr std::array<FieldDesign, kGunInsertFields> kFieldDesigns{{
    {GunInsertField::Delay, "Edt_GunInsertDelay", 0, 0},
    {GunInsertField::RepeatCount, "Edt_GunInsertCount", 0, 1},
    {GunInsertField::X, "Edt_GunInsertX", 1, 0},
    {GunInsertField::Y, "Edt_GunInsertY", 1, 1},
}};
constexpr const char* kCountCaption = "Count";
constexpr const char* kMillisecondsCaption = "ms";

constexpr std::array<DelayMode, QtGunEditor::kDelayModeCount> kDelayModes{
    DelayMode::RealRecord, DelayMode::FixedDelay, DelayMode::NoDelay};
constexpr std::array<const char*, QtGunEditor::kDelayModeCount> kDelayModeKeys{
    langkey::caption::kRealRecord, langkey::caption::kDelayTime, langkey::caption::kNoDelay};

bool usesField(GunInsertAction action, GunInsertField field) {
  switch (field) {
    case GunInsertField::Delay:
      return action == GunInsertAction::DelayBefore || action == GunInsertAction::DelayAfter;
    case GunInsertField::X:
    case GunInsertField::Y:
      return action == GunInsertAction::MoveBefore || action == GunInsertAction::MoveAfter;
    case GunInsertField::RepeatCount:
      return action == GunInsertAction::RepeatStartBefore;
  }
  return false;
}

}  // namespace

QtGunEditor::QtGunEditor(QtMainWindow& window, ApplicationCore& core, QWidget* parent)
    : QWidget(parent), window_(window), core_(core), editor_(core.gunEditor) {
  setObjectName("Pnl_GunEditor");
  createLists();
  createSettings();
  createButtons();
  createInsertControls();
  // A click on Record or Stop is the command itself, never a recorded event.
  core_.gunRecording.pointerOverRecordCommand = [this] { return record_->underMouse(); };
}

// The core outlives the window: it must not ask an editor that is gone.
QtGunEditor::~QtGunEditor() {
  core_.gunRecording.pointerOverRecordCommand = [] { return false; };
}

QLabel* QtGunEditor::addLabel(const QString& name, const QRect& place) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->setGeometry(place);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

QtPictureButton* QtGunEditor::addButton(const char* name, const QRect& place,
                                        std::function<void()> handler) {
  auto* button = new QtPictureButton(this);
  button->setObjectName(name);
  button->setGeometry(place);
  connect(button, &QtPictureButton::clicked, this, [this, handler = std::move(handler)] {
    handler();
    emit changed();
  });
  return button;
}

void QtGunEditor::createLists() {
  presets_ = new QtMacroList(this);
  presets_->setObjectName("LB_GunPreset");
  presets_->setGeometry(kPresetList);
  connect(presets_, &QtMacroList::entryClicked, this, [this](int row) {
    editor_.selectPreset(gun::kFirstGun + row);
    emit changed();
  });
  events_ = new QtMacroList(this);
  events_->setObjectName("LB_GunEvents");
  events_->setGeometry(kEventList);
  connect(events_, &QtMacroList::entryClicked, this, [this](int row) {
    editor_.selectEntry(static_cast<size_t>(row));
    emit changed();
  });
  connect(events_, &QtMacroList::popupRequested, this, [this](std::optional<int> row, QPoint) {
    if (row) editor_.selectEntry(static_cast<size_t>(*row));
    emit changed();
  });
  connect(events_, &QtMacroList::selectionCleared, this, &QtGunEditor::changed);
}

void QtGunEditor::createSettings() {
  for (size_t i = 0; i < delayModes_.size(); ++i) {
    auto* option = new QtTickOption(this);
    option->setObjectName(QStringLiteral("rb_GunDelay%1").arg(i + 1));
    option->setGeometry(QRect(kFirstDelayMode + QPoint(0, static_cast<int>(i) * kDelayModeDistance),
                              kDelayModeSize));
    connect(option, &QtTickOption::clicked, this, [this, mode = kDelayModes[i]] {
      editor_.setDelayMode(mode);
      emit changed();
    });
    delayModes_[i] = option;
  }
  fixedDelay_ =
      macroNumberField(this, "Edt_GunDelayTime", EditorSettings::kMinDelayMs,
                       EditorSettings::kMaxDelayMs, [this](int ms) { editor_.setFixedDelay(ms); });
  fixedDelay_->setGeometry(kFixedDelay);
  milliseconds_ = addLabel("lbl_GunDelayMs", kMilliseconds);
  notice_ = addLabel("lbl_GunNotice", kNotice);
  notice_->setWordWrap(true);
}

void QtGunEditor::createButtons() {
  record_ = addButton("Btn_GunRecord", kRecord, [this] { (void)editor_.recordClick(); });
  delete_ = addButton("Btn_GunDelete", kDelete, [this] { (void)editor_.deleteEntry(); });
  rename_ = addButton("Btn_GunRename", kRename, [this] { openRename(); });
}

void QtGunEditor::createInsertControls() {
  actions_ = new QComboBox(this);
  actions_->setObjectName("Cb_GunInsert");
  actions_->setGeometry(kActions);
  for (const char* text : GunPresetEditor::kInsertActionTexts) actions_->addItem(qt(text));
  connect(actions_, &QComboBox::activated, this, [this](int index) {
    editor_.chooseInsertAction(static_cast<GunInsertAction>(index));
    emit changed();
  });
  for (const FieldDesign& design : kFieldDesigns) {
    const int x = design.column * kSecondColumn + 4;
    const int y = kFirstFieldRow + design.row * kFieldRowDistance;
    const auto index = static_cast<size_t>(design.field);
    fieldLabels_[index] =
        addLabel(QStringLiteral("lbl_%1").arg(design.name), QRect(x, y, kLabelWidth, kFieldHeight));
    auto* field = new QLineEdit(this);
    field->setObjectName(design.name);
    field->setAlignment(Qt::AlignCenter);
    field->setContextMenuPolicy(Qt::NoContextMenu);
    field->setGeometry(x + kLabelWidth, y, kFieldWidth, kFieldHeight);
    connect(field, &QLineEdit::textEdited, this, [this, which = design.field](const QString& text) {
      editor_.typeInsertField(which, text.toStdString());
      emit changed();
    });
    fields_[index] = field;
  }
  insert_ = addButton("Btn_GunInsert", kInsert, [this] {
    (void)editor_.beginInsert(static_cast<GunInsertAction>(actions_->currentIndex()));
  });
  ok_ = addButton("Btn_GunInsertOk", kOk, [this] { (void)editor_.insertOk(); });
  cancel_ = addButton("Btn_GunInsertCancel", kCancel, [this] { editor_.insertCancel(); });
}

void QtGunEditor::openRename() {
  if (!editor_.openRename()) return;
  dialog_ =
      QtMacroInputDialog::open(&window_, MacroDialogKind::Name, true, core_.host, core_.languages);
  connect(dialog_, &QtMacroInputDialog::confirmed, this, [this](const QString& name) {
    if (editor_.nameDialog) editor_.nameDialog->type(0, name.toStdString());
    (void)editor_.renameConfirm();
  });
  connect(dialog_, &QtMacroInputDialog::closed, this, [this] {
    editor_.renameClose();
    dialog_ = nullptr;
    emit changed();
  });
}

void QtGunEditor::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(frame_);
  painter.setBrush(background_);
  painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius,
                          kCornerRadius);
}

void QtGunEditor::render(const QtPageLayout& layout) {
  const int language = layout.language();
  const bool dark = isDarkSkin(language);
  const PagePalette palette = pagePalette(language);
  const QColor background = dark ? QColor(22, 25, 31) : QColor(236, 239, 243);
  if (background != background_ || palette.swatchFrame != frame_) {
    background_ = background;
    frame_ = palette.swatchFrame;
    update();
  }
  const QFont font = pageFont(window_.fontName(), layout.value("Size_F", kTextSize));
  renderLists(layout);
  renderSettings(font, palette, language);
  renderButtons(font, language);
  renderInsert(font, palette, language);
}

void QtGunEditor::renderLists(const QtPageLayout& layout) {
  const bool dark = isDarkSkin(layout.language());
  const PagePalette palette = pagePalette(layout.language());
  const QColor selected = layout.colour("Color_MACRO_", palette.accent);
  const QColor others =
      layout.colour("Color_F_LBack_", dark ? QColor(27, 30, 37) : QColor(255, 255, 255));
  const QColor text = dark ? QColor(222, 226, 232) : QColor(34, 38, 46);
  const QFont font = pageFont(window_.fontName(), layout.value("Size_F", kTextSize));
  for (QtMacroList* list : {presets_, events_}) {
    list->setColours(selected, others, text, QColor(11, 14, 18));
    list->setTextFont(font);
  }
  presets_->setEnabled(editor_.presetListEnabled());
  events_->setEnabled(editor_.eventListEnabled());

  QStringList names;
  for (const std::string& name : editor_.presetNames()) names << qt(name);
  presets_->setEntries(names);
  const std::optional<int> preset = editor_.selectedPreset();
  presets_->setSelected(preset ? std::optional<int>(*preset - gun::kFirstGun) : std::nullopt);

  QStringList entries;
  std::vector<QPixmap> icons;
  const EventLines& lines = editor_.shownLines();
  for (size_t i = 1; i < lines.size(); ++i) {
    entries << qt(entryText(lines[i]));
    icons.push_back(
        QtSkin::picture("MacroEvent" + std::string(1, lines[i].front()), layout.language()));
  }
  const bool grew = entries.size() > events_->count();
  events_->setEntries(entries);
  events_->setIcons(icons);
  const std::optional<size_t> entry = editor_.selectedEntry();
  events_->setSelected(entry ? std::optional<int>(static_cast<int>(*entry)) : std::nullopt);
  if (grew && editor_.recording()) events_->scrollToEnd();
}

void QtGunEditor::renderSettings(const QFont& font, const PagePalette& palette, int language) {
  const bool enabled = editor_.delayModeEnabled();
  for (size_t i = 0; i < delayModes_.size(); ++i) {
    renderRadio(*delayModes_[i], window_.text(kDelayModeKeys[i]),
                editor_.settings.delayMode == kDelayModes[i], font,
                enabled ? palette.text : palette.faint, language);
    delayModes_[i]->setEnabled(enabled);
  }
  const bool fixed = enabled && editor_.settings.delayMode == DelayMode::FixedDelay;
  styleMacroField(*fixedDelay_, font, isDarkSkin(language), fixed);
  showFieldValue(*fixedDelay_, editor_.settings.fixedDelayMs);
  milliseconds_->setText(kMillisecondsCaption);
  milliseconds_->setFont(font);
  setSheet(*milliseconds_, QString("color: %1;").arg(palette.text.name()));

  const QFont noticeFont = pageFont(window_.fontName(), kNoticeSize);
  notice_->setText(qt(editor_.notice));
  if (notice_->font() != noticeFont) notice_->setFont(noticeFont);
  setSheet(*notice_, QString("color: %1;").arg(palette.hint.name()));
}

void QtGunEditor::renderButtons(const QFont& font, int language) {
  using namespace langkey::caption;
  const QColor text = skinButtonTextColour(isDarkSkin(language));
  const bool recording = editor_.recording();
  // The caption of Record is the editor's own; Stop is the language's.
  renderSkinButton(*record_, recording ? window_.text(kStop) : qt(GunPresetEditor::kRecordCaption),
                   font, text, language);
  record_->setEnabled(editor_.recordEnabled());
  const bool editable = editor_.selectedPreset() && !recording && !editor_.insert.active;
  renderSkinButton(*delete_, window_.text(kDeleteEvent), font, text, language);
  delete_->setEnabled(editable && editor_.selectedEntry().has_value());
  renderSkinButton(*rename_, window_.text(langkey::caption::kRename), font, text, language);
  rename_->setEnabled(editable && !dialog_);
}

void QtGunEditor::renderInsert(const QFont& font, const PagePalette& palette, int language) {
  using namespace langkey::caption;
  const bool dark = isDarkSkin(language);
  const GunInsertState& insert = editor_.insert;
  const bool recording = editor_.recording();
  if (insert.active && actions_->currentIndex() != static_cast<int>(insert.action)) {
    const QSignalBlocker quiet(actions_);
    actions_->setCurrentIndex(static_cast<int>(insert.action));
  }
  actions_->setFont(font);
  actions_->setEnabled(!recording && editor_.selectedPreset().has_value());
  const auto action = static_cast<GunInsertAction>(actions_->currentIndex());

  const std::array<QString, kGunInsertFields> captions{
      window_.text(kDelayTime), window_.text(kInsertX), window_.text(kInsertY),
      QString(kCountCaption)};
  for (const FieldDesign& design : kFieldDesigns) {
    const auto index = static_cast<size_t>(design.field);
    QLabel* label = fieldLabels_[index];
    label->setText(captions[index]);
    label->setFont(font);
    setSheet(*label, QString("color: %1;").arg(palette.text.name()));
    QLineEdit* field = fields_[index];
    const bool used = insert.active && usesField(action, design.field);
    styleMacroField(*field, font, dark, used);
    field->setEnabled(used);
    const QString value = qt(insert.field(design.field));
    if (field->text() != value) field->setText(value);
  }
  const QColor text = skinButtonTextColour(dark);
  renderSkinButton(*insert_, window_.text(kInsertEvent), font, text, language);
  insert_->setEnabled(!recording && !insert.active && editor_.selectedPreset().has_value());
  renderSkinButton(*ok_, qt(GunPresetEditor::kInsertOkCaption), font, text, language);
  renderSkinButton(*cancel_, qt(GunPresetEditor::kInsertCancelCaption), font, text, language);
  ok_->setEnabled(insert.active);
  cancel_->setEnabled(insert.active);
}

}  // namespace mousecfg
