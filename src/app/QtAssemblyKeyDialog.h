#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include "app/QtSkinDialog.h"
#include "settings/AssemblyKeyDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace mousecfg {

class LanguageTables;
class LayoutFile;

// Where the dialog's controls go and how its texts look, from the layout of a language.
// A key the layout lacks gives the place the dialog was drawn for, inside its 420 x 260
// background.
struct AssemblyKeyDialogPlaces {
  QPoint title;        // AKT_X, AKT_Y
  QRect edit;          // AKC_X, AKC_Y, AKC_W
  QPoint ctrl;         // MK_C_X, MK_C_Y
  QPoint shift;        // MK_S_X, MK_S_Y
  QPoint alt;          // MK_A_X, MK_A_Y
  QPoint win;          // MK_W_X, MK_W_Y
  QPoint confirm;      // AK_Cfm_X, AK_Cfm_Y
  QPoint clear;        // AK_Clear_X, AK_Clear_Y
  QPoint close;        // AK_Close_X, AK_Close_Y
  int fontSize = 10;   // Size_J
  QColor textColour;   // Color_K_R/G/B: check boxes, edit field, button captions
  QColor titleColour;  // Color_K_AK_R/G/B: the title on the dialog's header
};

AssemblyKeyDialogPlaces assemblyKeyDialogPlaces(const LayoutFile& layout, int language);

// The "Assembly Key" window: a borderless, always-on-top view of AssemblyKeyDialog. Keys
// typed into its field arrive as Windows virtual-key codes.
class QtAssemblyKeyDialog : public QtSkinDialog {
  Q_OBJECT

 public:
  QtAssemblyKeyDialog(const LanguageTables& languages, QWidget* parent = nullptr);

  // Opens a dialog centred over `parent` with the focus in its field. It deletes itself
  // when it closes; connect to its signals right after opening.
  static QtAssemblyKeyDialog* open(QWidget* parent, const LanguageTables& languages);

  const AssemblyKeyDialog& state() const { return state_; }

 signals:
  // Confirm: the button's new text ("" for "Key Off") and its entry's code string.
  void confirmed(const QString& displayText, const QString& codeString);
  // Confirm or Close: the main window takes its blocking panel away.
  void closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnded() override;

 private:
  void createControls(const LanguageTables& languages, const AssemblyKeyDialogPlaces& places);
  QCheckBox* addModifierBox(const char* name, const QString& caption, QPoint place,
                            void (AssemblyKeyDialog::*handler)());
  QString indicatorSheet() const;
  void render();
  void keyTyped(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeVirtualKey);
  void confirm();
  void clear();
  void closeWithoutResult();

  AssemblyKeyDialog state_;
  QLabel* title_ = nullptr;
  QLineEdit* edit_ = nullptr;
  QCheckBox* ctrl_ = nullptr;
  QCheckBox* shift_ = nullptr;
  QCheckBox* alt_ = nullptr;
  QCheckBox* win_ = nullptr;
};

}  // namespace mousecfg
