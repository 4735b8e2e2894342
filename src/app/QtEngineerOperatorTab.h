#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "engineer/EngineerDpiState.h"
#include "engineer/EngineerLedState.h"
#include "engineer/OptionRegisters.h"
#include "fire/FireKeyState.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;

namespace mousecfg {

class ApplicationCore;

// The engineer page's "  Operator  " tab: USB identities, the option registers, the CPI
// tables, the fire keys, and (at the second service level) the LED parameters and the
// colour tables. Every control runs its state's handler and then `changed`.
class QtEngineerOperatorTab : public QWidget {
  Q_OBJECT

 public:
  QtEngineerOperatorTab(ApplicationCore& core, std::function<void()> changed,
                        QWidget* parent = nullptr);

  void render();

 private:
  QWidget* createUsbGroup();
  QWidget* createOptionGroup();
  QWidget* createCpiGroup();
  QWidget* createFireKeyGroup();
  QWidget* createLedGroup();
  QWidget* createColourGroup();
  void renderUsb();
  void renderCpi();
  void renderLed();
  void renderColours();
  // Runs a handler, then lets the page redraw.
  void handled(const std::function<void()>& handler);

  ApplicationCore& core_;
  std::function<void()> changed_;
  QLineEdit* vid_ = nullptr;
  QLineEdit* pid_ = nullptr;
  QLineEdit* usbDesc_ = nullptr;
  QLineEdit* vendorCode_ = nullptr;
  QLineEdit* productCode_ = nullptr;
  QLineEdit* deviceVendorCode_ = nullptr;
  QLineEdit* deviceProductCode_ = nullptr;
  QWidget* deviceCodes_ = nullptr;
  QComboBox* buttonEffect_ = nullptr;
  std::array<QComboBox*, kOptionRegisterCount> options_{};
  QComboBox* cpiSteps_ = nullptr;
  std::array<QComboBox*, EngineerDpiState::kLevels> cpiLists_{};
  QComboBox* currentCpi_ = nullptr;
  QComboBox* aim_ = nullptr;
  std::array<QComboBox*, FireKeyState::kKeys> fireCounts_{};
  std::array<QLineEdit*, FireKeyState::kKeys> fireTimes_{};
  std::array<QCheckBox*, FireKeyState::kKeys> fireContinuous_{};
  QGroupBox* ledGroup_ = nullptr;
  QGroupBox* colourGroup_ = nullptr;
  std::array<QLineEdit*, 5> breathing_{};
  QComboBox* ledStep_ = nullptr;
  QComboBox* ledBrightness_ = nullptr;
  QComboBox* ledCount_ = nullptr;
  std::array<std::array<QLineEdit*, 3>, EngineerLedState::kSlots> slotColours_{};
  std::array<std::array<QLineEdit*, 3>, EngineerDpiState::kLevels> cpiColours_{};
};

}  // namespace mousecfg
