#pragma once

#include <QString>
#include <array>
#include <memory>

#include "app/QtSkinDialog.h"
#include "macros/MacroInputDialog.h"

class QLabel;
class QLineEdit;

namespace mousecfg {

class Host;
class LanguageTables;

// One of the macro page's five input dialogs as a skinned window over its headless
// state: a name, a key, a delay, a movement or a repeat count. Whatever is typed is
// limited at once as the state says; the key dialog shows the name of each key pressed.
class QtMacroInputDialog : public QtSkinDialog {
  Q_OBJECT

 public:
  QtMacroInputDialog(MacroDialogKind kind, bool pressLine, Host& host,
                     const LanguageTables& languages, QWidget* parent = nullptr);

  // Opens a dialog centred over `parent` with the focus in its first field. It deletes
  // itself when it closes; connect to its signals right after opening.
  static QtMacroInputDialog* open(QWidget* parent, MacroDialogKind kind, bool pressLine, Host& host,
                                  const LanguageTables& languages);

  const MacroInputDialog& state() const { return state_; }
  QLineEdit* field(size_t index) const { return fields_.at(index); }
  void confirm();
  void clear();

 signals:
  // Confirm with a value: the name, or the new event line.
  void confirmed(const QString& value);
  // Confirm or Close: the page is uncovered.
  void closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnded() override;

 private:
  void createControls(const LanguageTables& languages);
  void typed(size_t index, const QString& text);
  void closeWithoutResult();
  void render();
  size_t fieldCount() const;

  MacroInputDialog state_;
  std::array<QLineEdit*, 2> fields_{};
};

}  // namespace mousecfg
