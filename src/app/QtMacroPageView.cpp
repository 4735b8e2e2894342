#include "app/QtMacroPageView.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <string>

#include "app/QtMacroFields.h"
#include "app/QtMacroInputDialog.h"
#include "app/QtMacroInsertPanel.h"
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

// The page's design in window pixels over "LN_Back4": three frames with their headers
// at y 86..114 and their wells at y 124..482 — the library frame x 200..412, the event
// frame x 428..640, the settings frame x 656..868.
constexpr CaptionDesign kLibraryCaption{220, 90, 180, 10, {}};
constexpr CaptionDesign kEventsCaption{448, 90, 180, 10, {}};
constexpr CaptionDesign kSettingsCaption{676, 90, 180, 10, {}};
constexpr CaptionDesign kDeviceCaption{216, 306, 184, 9, {}};
constexpr CaptionDesign kRepeatCaption{672, 216, 184, 9, {}};
constexpr CaptionDesign kMemoryCaption{672, 354, 184, 9, {}};

constexpr QRect kLibraryList{212, 126, 188, 176};
constexpr QRect kDeviceList{212, 330, 188, 110};
constexpr QRect kEventList{440, 126, 188, 308};
constexpr QRect kNewMacroPlace{246, 444, 120, 34};
constexpr QRect kRecordPlace{474, 442, 120, 34};
constexpr QRect kInsertPanelPlace{665, 126, 193, 354};

constexpr QPoint kFirstDelayMode{672, 132};
constexpr QPoint kFirstRepeat{672, 240};
constexpr int kOptionDistance = 26;
constexpr QSize kOptionSize{184, 22};
constexpr QRect kFixedDelay{786, 132, 62, 22};
constexpr QRect kRepeatCount{800, 318, 48, 22};
constexpr QRect kMemoryPlace{672, 376, 184, 20};
constexpr QRect kUsedBytesPlace{672, 398, 184, 20};
constexpr QRect kWindowOnly{672, 426, 184, 50};

constexpr int kTextSize = 9;
constexpr int kRepeatCountMax = 126;

constexpr const char* kSaveFilter = "SaveFile(*.bin)";
constexpr const char* kLoadFilter = "LoadFile(*.bin)";
constexpr const char* kWindowOnlyText =
    "Recording hears keys and clicks in this window only on this desktop.";

constexpr std::array<DelayMode, 3> kDelayModes{DelayMode::RealRecord, DelayMode::FixedDelay,
                                               DelayMode::NoDelay};
constexpr std::array<const char*, 3> kDelayModeKeys{
    langkey::caption::kRealRecord, langkey::caption::kDelayTime, langkey::caption::kNoDelay};
constexpr std::array<RepeatSetting, 4> kRepeats{RepeatSetting::UntilKeyReleased,
                                                RepeatSetting::UntilMacroEnd,
                                                RepeatSetting::UntilAnyKey, RepeatSetting::Circles};
constexpr std::array<const char*, 4> kRepeatKeys{
    langkey::caption::kStopUntilKeyReleased, langkey::caption::kStopUntilMacroEnd,
    langkey::caption::kStopUntilAnyKeyReleased, langkey::caption::kCircles};

QStringList qtList(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list << qt(text);
  return list;
}

QString askFile(QWidget* parent, const QString& filter, bool save) {
  if (!save) return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
  return QFileDialog::getSaveFileName(parent, QString(), QString(), filter, nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

}  // namespace

QtMacroPageView::QtMacroPageView(QtMainWindow& window, ApplicationCore& core, QWidget* parent)
    : QtPageView(parent),
      window_(window),
      core_(core),
      page_(core.macroPage),
      popups_(window, core.macroPage, popupHandlers()) {
  setObjectName("MacroPage");
  chooseFileToOpen = [this](const QString& filter) { return askFile(&window_, filter, false); };
  chooseFileToSave = [this](const QString& filter) { return askFile(&window_, filter, true); };
  libraryCaption_ = addCaption("lbl_MacroList");
  deviceCaption_ = addCaption("lbl_MouseMacros");
  eventsCaption_ = addCaption("lbl_MacroEvents");
  settingsCaption_ = addCaption("lbl_DelayMode");
  repeatCaption_ = addCaption("lbl_RepeatMode");
  memoryCaption_ = addCaption("lbl_MacroMemory");
  memory_ = addCaption("lbl_Memory");
  usedBytes_ = addCaption("lbl_UsedBytes");
  windowOnly_ = addCaption("lbl_WindowOnly");
  windowOnly_->setWordWrap(true);
  createLists();
  createButtons();
  createSettings();
  insert_ = new QtMacroInsertPanel(window, page_, this);
  insert_->setGeometry(kInsertPanelPlace);
  connect(insert_, &QtMacroInsertPanel::changed, this, &QtMacroPageView::changed);
  core_.recording.pointerOverRecordCommand = [this] { return overRecordCommand(); };
}

// The core outlives the window: it must not ask a page that is gone.
QtMacroPageView::~QtMacroPageView() {
  core_.recording.pointerOverRecordCommand = [] { return false; };
}

QLabel* QtMacroPageView::addCaption(const QString& name) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

void QtMacroPageView::createLists() {
  library_ = new QtMacroList(this);
  library_->setObjectName("LB_MacroName");
  library_->setGeometry(kLibraryList);
  connect(library_, &QtMacroList::entryClicked, this, [this](int row) {
    popups_.hideAll();
    page_.selectLibraryMacro(static_cast<size_t>(row));
    changed();
  });
  connect(library_, &QtMacroList::popupRequested, this, [this](std::optional<int> row, QPoint at) {
    if (row) page_.selectLibraryMacro(static_cast<size_t>(*row));
    changed();
    popups_.showLibraryPopup(at);
  });
  device_ = new QtMacroList(this);
  device_->setObjectName("LB_Name");
  device_->setGeometry(kDeviceList);
  connect(device_, &QtMacroList::entryClicked, this, [this](int row) {
    popups_.hideAll();
    page_.selectDeviceMacro(static_cast<size_t>(row));
    changed();
  });
  connect(device_, &QtMacroList::popupRequested, this, [this](std::optional<int> row, QPoint at) {
    if (!row) return popups_.hideAll();
    page_.selectDeviceMacro(static_cast<size_t>(*row));
    changed();
    popups_.showDevicePopup(at);
  });
  events_ = new QtMacroList(this);
  events_->setObjectName("LB_macro");
  events_->setGeometry(kEventList);
  connect(events_, &QtMacroList::selectionCleared, this, [this] { popups_.hideAll(); });
  connect(events_, &QtMacroList::entryClicked, this, [this] { popups_.hideAll(); });
  connect(events_, &QtMacroList::popupRequested, this, [this](std::optional<int> row, QPoint at) {
    if (!row || !page_.eventCommandsEnabled()) return popups_.hideAll();
    const std::string& line = page_.lines.at(static_cast<size_t>(*row) + 1);
    popups_.showEventPopup(at, !line.starts_with(event_line::kRepeatEnd));
  });
}

void QtMacroPageView::createButtons() {
  record_ = new QtPictureButton(this);
  record_->setObjectName("Btn_Start");
  record_->setGeometry(kRecordPlace);
  connect(record_, &QtPictureButton::clicked, this, [this] {
    popups_.hideAll();
    page_.Btn_StartClick();
    changed();
  });
  newMacro_ = new QtPictureButton(this);
  newMacro_->setObjectName("Btn_NewMacro");
  newMacro_->setGeometry(kNewMacroPlace);
  connect(newMacro_, &QtPictureButton::clicked, this, [this] {
    popups_.hideAll();
    if (page_.newMacroEnabled()) askName(false);
  });
}

void QtMacroPageView::createSettings() {
  for (size_t i = 0; i < delayModes_.size(); ++i) {
    auto* option = new QtTickOption(this);
    option->setObjectName(QStringLiteral("rb_Delay%1").arg(i + 1));
    option->setGeometry(
        QRect(kFirstDelayMode + QPoint(0, static_cast<int>(i) * kOptionDistance), kOptionSize));
    connect(option, &QtTickOption::clicked, this, [this, mode = kDelayModes[i]] {
      if (page_.recorder.recording()) return;
      page_.settings.delayMode = mode;
      changed();
    });
    delayModes_[i] = option;
  }
  fixedDelay_ = macroNumberField(this, "Edt_DelayTime", EditorSettings::kMinDelayMs,
                                 EditorSettings::kMaxDelayMs,
                                 [this](int ms) { page_.settings.fixedDelayMs = ms; });
  fixedDelay_->setGeometry(kFixedDelay);
  for (size_t i = 0; i < repeats_.size(); ++i) {
    auto* option = new QtTickOption(this);
    option->setObjectName(QStringLiteral("rb_Repeat%1").arg(i + 1));
    option->setGeometry(
        QRect(kFirstRepeat + QPoint(0, static_cast<int>(i) * kOptionDistance), kOptionSize));
    connect(option, &QtTickOption::clicked, this, [this, repeat = kRepeats[i]] {
      page_.setRepeat(repeat, page_.settings.repeatCount);
      changed();
    });
    repeats_[i] = option;
  }
  repeatCount_ = macroNumberField(this, "Edt_RepeatCount", 1, kRepeatCountMax, [this](int count) {
    page_.setRepeat(page_.settings.repeat, count);
    changed();
  });
  repeatCount_->setGeometry(kRepeatCount);
  repeats_[3]->raise();
  repeatCount_->raise();
}

MacroPopupHandlers QtMacroPageView::popupHandlers() {
  MacroPopupHandlers handlers;
  const auto run = [this](auto action) {
    return [this, action] {
      action();
      changed();
    };
  };
  handlers.newMacro = [this] { askName(false); };
  handlers.rename = [this] { askName(true); };
  handlers.importOne = run([this] { importFrom(false); });
  handlers.importAll = run([this] { importFrom(true); });
  handlers.exportOne = run([this] { exportTo(false); });
  handlers.exportAll = run([this] { exportTo(true); });
  handlers.deleteLibraryMacro = run([this] { (void)page_.deleteLibraryMacro(); });
  handlers.addToMouse = run([this] { (void)page_.addToMouse(); });
  handlers.deleteDeviceMacro = run([this] { (void)page_.deleteDeviceMacro(); });
  handlers.editEvent = [this] { editEvent(); };
  handlers.deleteEvent = run([this] {
    const std::optional<int> entry = selectedEvent();
    if (!entry || !page_.deleteEntry(static_cast<size_t>(*entry))) return;
    events_->setSelected(std::max(0, *entry - 1));
  });
  handlers.insertEvent = run([this] {
    if (const std::optional<int> entry = selectedEvent())
      (void)page_.openInsertPanel(static_cast<size_t>(*entry));
  });
  return handlers;
}

std::optional<int> QtMacroPageView::selectedEvent() const {
  return events_->selected();
}

QtMacroInputDialog* QtMacroPageView::openInputDialog(MacroDialogKind kind, bool pressLine) {
  dialog_ = QtMacroInputDialog::open(&window_, kind, pressLine, core_.host, core_.languages);
  connect(dialog_, &QtMacroInputDialog::closed, this, [this] {
    dialog_ = nullptr;
    changed();
  });
  return dialog_;
}

void QtMacroPageView::askName(bool rename) {
  if (rename && !page_.selectedLibrary) return;
  page_.clearEditor();
  QtMacroInputDialog* dialog = openInputDialog(MacroDialogKind::Name, true);
  connect(dialog, &QtMacroInputDialog::confirmed, this, [this, rename](const QString& name) {
    if (rename)
      (void)page_.renameMacro(name.toStdString());
    else
      (void)page_.newMacro(name.toStdString());
  });
}

void QtMacroPageView::editEvent() {
  const std::optional<int> entry = selectedEvent();
  if (!entry || static_cast<size_t>(*entry) + 1 >= page_.lines.size()) return;
  const char kind = page_.lines[static_cast<size_t>(*entry) + 1].front();
  std::optional<MacroDialogKind> dialogKind;
  if (kind == event_line::kDelay) dialogKind = MacroDialogKind::Delay;
  if (kind == event_line::kPress || kind == event_line::kRelease) dialogKind = MacroDialogKind::Key;
  if (kind == event_line::kMove) dialogKind = MacroDialogKind::Move;
  if (kind == event_line::kRepeatStart) dialogKind = MacroDialogKind::RepeatCount;
  if (!dialogKind) return;
  QtMacroInputDialog* dialog = openInputDialog(*dialogKind, kind == event_line::kPress);
  connect(dialog, &QtMacroInputDialog::confirmed, this, [this, entry](const QString& line) {
    (void)page_.replaceEntry(static_cast<size_t>(*entry), line.toStdString());
    events_->setSelected(*entry);
  });
}

void QtMacroPageView::exportTo(bool all) {
  if (!all && !page_.selectedLibrary) return;
  const QString entered = chooseFileToSave(kSaveFilter);
  if (entered.isEmpty()) return;
  const QString target = qt(macroFileName(entered.toStdString()));
  if (QFileInfo::exists(target) &&
      QMessageBox::question(&window_, QString(),
                            QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                .arg(QFileInfo(target).fileName())) != QMessageBox::Yes)
    return;
  if (all)
    (void)page_.exportAll(entered.toStdString());
  else
    (void)page_.exportOne(entered.toStdString());
}

void QtMacroPageView::importFrom(bool all) {
  if (!all && !page_.importOneEnabled()) return;
  const QString path = chooseFileToOpen(kLoadFilter);
  if (path.isEmpty()) return;
  if (all)
    (void)page_.importAll(path.toStdString());
  else
    (void)page_.importOne(path.toStdString());
}

bool QtMacroPageView::overRecordCommand() const {
  return record_->underMouse() || newMacro_->underMouse() || insert_->recordButton()->underMouse();
}

void QtMacroPageView::changed() {
  window_.render();
}

void QtMacroPageView::render() {
  // Another page is shown: this one renders when its button shows it.
  if (parentWidget() && parentWidget()->isHidden()) return;
  setGeometry(parentWidget() ? parentWidget()->rect() : rect());
  layout_.use(window_.state().language());
  const PagePalette palette = pagePalette(layout_.language());
  renderCaptions(palette);
  renderLists(palette);
  renderSettings(palette);
  renderMemory(palette);
  insert_->setVisible(page_.insertPanel.open);
  if (page_.insertPanel.open) {
    insert_->raise();
    insert_->render();
  }
}

void QtMacroPageView::renderCaptions(const PagePalette& palette) {
  using namespace langkey::caption;
  const auto place = [&](QLabel* label, const char* name, CaptionDesign design,
                         const QColor& colour, const char* key) {
    design.colour = colour;
    layout_.placeCaption(*label, name, design, window_.fontName());
    label->setText(window_.text(key));
  };
  place(libraryCaption_, "Macro_List", kLibraryCaption, palette.heading, kMacroList);
  place(deviceCaption_, "Mouse_Macros", kDeviceCaption, palette.heading, kMouseMacros);
  place(eventsCaption_, "Macro_Events", kEventsCaption, palette.heading, kMacroEvents);
  place(settingsCaption_, "Delay_Mode", kSettingsCaption, palette.heading,
        page_.insertPanel.open ? kInsertPanel : kDelayMode);
  place(repeatCaption_, "Repeat_Mode", kRepeatCaption, palette.heading, kRepeatMode);
  place(memoryCaption_, "Macro_Memory", kMemoryCaption, palette.heading, kMacroMemory);
}

void QtMacroPageView::renderLists(const PagePalette& palette) {
  const bool dark = layout_.language() == 2;
  const QColor selected = layout_.colour("Color_MACRO_", palette.accent);
  const QColor others =
      layout_.colour("Color_F_LBack_", dark ? QColor(27, 30, 37) : QColor(255, 255, 255));
  const QColor text = dark ? QColor(222, 226, 232) : QColor(34, 38, 46);
  const QFont font = pageFont(window_.fontName(), layout_.value("Size_F", kTextSize));
  const bool enabled = !page_.recorder.recording();
  for (QtMacroList* list : {library_, device_, events_}) {
    list->setColours(selected, others, text, QColor(11, 14, 18));
    list->setTextFont(font);
    list->setEnabled(enabled);
  }
  library_->setEntries(qtList(page_.libraryNames()));
  library_->setSelected(page_.selectedLibrary
                            ? std::optional<int>(static_cast<int>(*page_.selectedLibrary))
                            : std::nullopt);
  device_->setEntries(qtList(page_.deviceNames()));
  device_->setSelected(page_.selectedDevice
                           ? std::optional<int>(static_cast<int>(*page_.selectedDevice))
                           : std::nullopt);

  QStringList entries;
  std::vector<QPixmap> icons;
  const EventLines& lines = page_.shownLines();
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    entries << qt(entryText(line));
    icons.push_back(
        QtSkin::picture("MacroEvent" + std::string(1, line.front()), layout_.language()));
  }
  const bool grew = entries.size() > events_->count();
  events_->setEntries(entries);
  events_->setIcons(icons);
  if (grew && page_.recorder.recording()) events_->scrollToEnd();
}

void QtMacroPageView::renderSettings(const PagePalette& palette) {
  using namespace langkey::caption;
  const int language = layout_.language();
  const bool dark = language == 2;
  const QFont font = pageFont(window_.fontName(), layout_.value("Size_F", kTextSize));
  const bool recording = page_.recorder.recording();
  const bool settingsShown = !page_.insertPanel.open;
  for (size_t i = 0; i < delayModes_.size(); ++i) {
    renderRadio(*delayModes_[i], window_.text(kDelayModeKeys[i]),
                page_.settings.delayMode == kDelayModes[i], font,
                recording ? palette.faint : palette.text, language);
    delayModes_[i]->setVisible(settingsShown);
  }
  styleMacroField(*fixedDelay_, font, dark,
                  !recording && page_.settings.delayMode == DelayMode::FixedDelay);
  showFieldValue(*fixedDelay_, page_.settings.fixedDelayMs);
  fixedDelay_->setVisible(settingsShown);
  for (size_t i = 0; i < repeats_.size(); ++i) {
    renderRadio(*repeats_[i], window_.text(kRepeatKeys[i]), page_.settings.repeat == kRepeats[i],
                font, palette.text, language);
    repeats_[i]->setVisible(settingsShown);
  }
  styleMacroField(*repeatCount_, font, dark, page_.settings.repeat == RepeatSetting::Circles);
  showFieldValue(*repeatCount_, page_.settings.repeatCount);
  repeatCount_->setVisible(settingsShown);
  repeatCaption_->setVisible(settingsShown);

  const QColor buttonText = dark ? QColor(230, 234, 239) : QColor(30, 34, 40);
  renderSkinButton(*record_, window_.text(recording ? kStop : kRecord), font, buttonText, language);
  record_->setEnabled(page_.selectedLibrary.has_value() && !page_.insertPanel.open);
  renderSkinButton(*newMacro_, window_.text(kNewMacro), font, buttonText, language);
  newMacro_->setEnabled(page_.newMacroEnabled() && !recording);
}

void QtMacroPageView::renderMemory(const PagePalette& palette) {
  using namespace langkey::caption;
  const QFont font = pageFont(window_.fontName(), layout_.value("Size_F", kTextSize));
  const bool shown = !page_.insertPanel.open;
  const DeviceMacroBlock& macros = core_.link.macros;
  memory_->setText(QStringLiteral("%1 / %2 macros, %3 / %4 bytes")
                       .arg(macros.macroCount())
                       .arg(macro_block::kMaxMacros)
                       .arg(macros.totalLength())
                       .arg(macro_block::kRecordAreaLength));
  QString used;
  if (page_.selectedLibrary)
    used = QStringLiteral("%1: %2")
               .arg(window_.text(kUsedBytes))
               .arg(core_.macroLibrary.library().slot(*page_.selectedLibrary).length());
  usedBytes_->setText(used);
  windowOnly_->setText(core_.inputSource->global() ? QString() : QString(kWindowOnlyText));
  const std::array<std::pair<QLabel*, QRect>, 3> labels{
      {{memory_, kMemoryPlace}, {usedBytes_, kUsedBytesPlace}, {windowOnly_, kWindowOnly}}};
  for (const auto& [label, place] : labels) {
    label->setGeometry(place);
    if (label->font() != font) label->setFont(font);
    setSheet(
        *label,
        QString("color: %1;").arg((label == windowOnly_ ? palette.hint : palette.text).name()));
    label->setVisible(shown);
  }
  memoryCaption_->setVisible(shown);
}

}  // namespace mousecfg
