#include "fire/GunPresetEditor.h"

#include <algorithm>

#include "base/LanguageKeys.h"
#include "base/LanguageTables.h"
#include "device/DeviceLink.h"
#include "fire/GunPresetLines.h"
#include "macros/MacroPageState.h"
#include "settings/DecimalField.h"
#include "settings/EntryNames.h"

namespace mousecfg {

namespace {

constexpr int kMaxRepeatCount = 255;
constexpr int kDelayCost = 3;
constexpr int kLeftButtonCost = 1;

bool isSignedField(GunInsertField which) {
  return which == GunInsertField::X || which == GunInsertField::Y;
}

// The field's text as a number; a lone "-" (or nothing) reads as 0.
int64_t valueOf(std::string_view text) {
  const bool negative = text.starts_with('-');
  const int64_t magnitude = readDecimalField(negative ? text.substr(1) : text).value_or(0);
  return negative ? -magnitude : magnitude;
}

std::string limitedField(GunInsertField which, std::string_view typed) {
  std::string text;
  for (char c : typed) {
    if (c >= '0' && c <= '9')
      text += c;
    else if (c == '-' && isSignedField(which) && text.empty())
      text += c;
  }
  switch (which) {
    case GunInsertField::Delay:
      return text.substr(0, GunInsertState::kMaxDelayDigits);
    case GunInsertField::X:
    case GunInsertField::Y:
      if (text == "-") return text;
      return std::to_string(std::clamp<int64_t>(valueOf(text), gun::kMinMove, gun::kMaxMove));
    case GunInsertField::RepeatCount:
      break;
  }
  return std::to_string(std::clamp<int64_t>(valueOf(text), 0, kMaxRepeatCount));
}

bool insertsBefore(GunInsertAction action) {
  return action == GunInsertAction::DelayBefore || action == GunInsertAction::MoveBefore ||
         action == GunInsertAction::RepeatStartBefore;
}

}  // namespace

RecordingRules GunPresetEditor::recordingRules() {
  RecordingRules rules;
  rules.capacity = static_cast<int>(gun::kMaxEventBytes);
  rules.hearsKeys = false;
  rules.onlyButton = MouseButton::Left;
  rules.pressReserveWithDelay = 2 * (kDelayCost + kLeftButtonCost);
  rules.pressReserveWithoutDelay = 2 * kLeftButtonCost;
  rules.releaseReserveWithDelay = kDelayCost + kLeftButtonCost;
  rules.releaseReserveWithoutDelay = kLeftButtonCost;
  return rules;
}

GunPresetEditor::GunPresetEditor(DeviceLink& link, const LanguageTables& languages, Clock& clock)
    : recorder(clock, recordingRules()), link_(link), languages_(languages) {
  // A recording that fills the preset stops itself and is kept as a Stop keeps it.
  recorder.onStop = [this] { finishRecording(); };
  recorder.onLineAdded = [this] { link_.host.refreshWindow(); };
}

std::vector<std::string> GunPresetEditor::presetNames() const {
  std::vector<std::string> names;
  for (int gun = gun::kFirstGun; gun <= gun::kLastGun; ++gun) {
    const std::optional<std::string>& renamed = names_[static_cast<size_t>(gun - 1)];
    names.push_back(renamed ? *renamed : languages_.text(gunNameKey(gun)));
  }
  return names;
}

std::span<uint8_t, gun::kRecordLength> GunPresetEditor::record() {
  return gunRecord(link_.image.workingGunTable, *selected_);
}

bool GunPresetEditor::editable() const {
  return selected_ && !recording() && !insert.active;
}

void GunPresetEditor::selectPreset(int gun) {
  if (!gun::isGun(gun) || !presetListEnabled()) return;
  selected_ = gun;
  notice.clear();
  refreshFromImage();
  presetChosen(gun);
}

void GunPresetEditor::refreshFromImage() {
  if (!selected_ || recording()) return;
  insert.active = false;  // the line it was to go beside may be gone
  lines = decodeGunRecord(record());
  selectedEntry_.reset();
}

void GunPresetEditor::selectEntry(size_t entry) {
  if (eventListEnabled() && entry + 1 < lines.size()) selectedEntry_ = entry;
}

size_t GunPresetEditor::usedBytes() const {
  if (recording()) return static_cast<size_t>(recorder.used());
  return compileGunLines(lines).events.size();
}

bool GunPresetEditor::compile() {
  if (!selected_) return false;
  const CompiledGunLines compiled = compileGunLines(lines);
  if (!compiled.complete) {
    lines.resize(compiled.linesTaken + 1);
    notice = kFullText;
    if (selectedEntry_ && *selectedEntry_ >= compiled.linesTaken) selectedEntry_.reset();
  }
  storeGunEvents(record(), compiled.events);
  presetChanged(*selected_);
  return compiled.complete;
}

// The line before the first one removed stays selected (or the first, when that was
// the first).
bool GunPresetEditor::deleteEntry() {
  if (!editable() || !selectedEntry_) return false;
  notice.clear();
  const std::optional<std::vector<size_t>> doomed = linesToDelete(lines, *selectedEntry_ + 1);
  if (!doomed) {
    link_.host.showText(MacroPageState::kMacroContentError);
    return false;
  }
  for (auto it = doomed->rbegin(); it != doomed->rend(); ++it)
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*it));
  (void)compile();
  const size_t first = doomed->front();
  selectedEntry_.reset();
  if (lines.size() > 1) selectedEntry_ = first > 1 ? first - 2 : 0;
  return true;
}

bool GunPresetEditor::beginInsert(GunInsertAction action) {
  const bool noEvents = lines.size() <= 1;
  if (!editable() || (!selectedEntry_ && !noEvents)) return false;
  notice.clear();
  insert.active = true;
  insert.action = action;
  return true;
}

void GunPresetEditor::chooseInsertAction(GunInsertAction action) {
  if (insert.active) insert.action = action;
}

void GunPresetEditor::typeInsertField(GunInsertField which, std::string_view typed) {
  insert.fields[static_cast<size_t>(which)] = limitedField(which, typed);
}

std::optional<std::string> GunPresetEditor::insertLine() const {
  const auto value = [&](GunInsertField which) { return valueOf(insert.field(which)); };
  switch (insert.action) {
    case GunInsertAction::DelayBefore:
    case GunInsertAction::DelayAfter:
      return delayLine(
          static_cast<int>(std::clamp<int64_t>(value(GunInsertField::Delay), 0, gun::kMaxDelay)));
    case GunInsertAction::MoveBefore:
    case GunInsertAction::MoveAfter:
      return moveLine(static_cast<int>(std::clamp<int64_t>(value(GunInsertField::X), gun::kMinMove,
                                                           gun::kMaxMove)),
                      static_cast<int>(std::clamp<int64_t>(value(GunInsertField::Y), gun::kMinMove,
                                                           gun::kMaxMove)));
    case GunInsertAction::RepeatStartBefore:
      return repeatStartLine(static_cast<int>(
          std::clamp<int64_t>(value(GunInsertField::RepeatCount), 0, kMaxRepeatCount)));
    case GunInsertAction::RepeatEndAfter:
      return repeatEndLine();
  }
  return std::nullopt;
}

// Before the selected line or after it; in a preset with no events, as its first line.
size_t GunPresetEditor::insertPosition() const {
  if (!selectedEntry_) return 1;
  return *selectedEntry_ + (insertsBefore(insert.action) ? 1 : 2);
}

// OK ends the insert state whether or not the line found room.
bool GunPresetEditor::insertOk() {
  if (!insert.active) return false;
  insert.active = false;
  const std::optional<std::string> line = insertLine();
  if (!line) return false;
  if (usedBytes() + gunLineBytes(*line).size() > gun::kMaxEventBytes) {
    notice = kFullText;
    return false;
  }
  if (lines.empty()) lines.push_back(event_line::kNoDelay);
  const size_t at = std::min(insertPosition(), lines.size());
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), *line);
  (void)compile();
  selectedEntry_ = at - 1;
  return true;
}

void GunPresetEditor::insertCancel() {
  insert.active = false;
}

bool GunPresetEditor::openRename() {
  if (!editable() || nameDialog) return false;
  nameDialog.emplace(MacroDialogKind::Name, link_.host);
  return true;
}

bool GunPresetEditor::renameConfirm() {
  if (!nameDialog) return false;
  const std::optional<std::string> name = nameDialog->Confirm();
  nameDialog.reset();
  if (!name || !selected_) return false;
  names_[static_cast<size_t>(*selected_ - 1)] = *name;
  return true;
}

void GunPresetEditor::renameClose() {
  if (!nameDialog) return;
  nameDialog->Close();
  nameDialog.reset();
}

std::string GunPresetEditor::recordCaption() const {
  return recording() ? languages_.text(langkey::caption::kStop) : kRecordCaption;
}

void GunPresetEditor::setDelayMode(DelayMode mode) {
  if (delayModeEnabled()) settings.delayMode = mode;
}

void GunPresetEditor::setFixedDelay(int ms) {
  if (delayModeEnabled())
    settings.fixedDelayMs =
        std::clamp(ms, EditorSettings::kMinDelayMs, EditorSettings::kMaxDelayMs);
}

bool GunPresetEditor::recordClick() {
  if (!recordEnabled()) return false;
  if (recording()) {
    recorder.stop();
    finishRecording();
    return true;
  }
  notice.clear();
  lines.clear();
  selectedEntry_.reset();
  storeGunEvents(record(), {});
  presetChanged(*selected_);
  recorder.start(settings);
  monitorHeld_.emplace(link_.holdMonitor());
  recordingChanged(true);
  return true;
}

// What was recorded goes into the preset at once; a recording the preset's room ended
// says so.
void GunPresetEditor::finishRecording() {
  lines = recorder.lines;
  if (recorder.full() || recorder.used() >= recorder.capacity()) notice = kFullText;
  (void)compile();
  monitorHeld_.reset();
  recordingChanged(false);
  link_.host.refreshWindow();
}

}  // namespace mousecfg
