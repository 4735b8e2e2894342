#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "device/ImageMap.h"

class QLineEdit;

namespace mousecfg {

class ApplicationCore;

// The engineer page's "  Advanced    " tab: the sensor tuning registers (group
// "XData"), the two LED-init registers, raw access to one chip XData byte and the
// patch code identifier.
class QtEngineerAdvancedTab : public QWidget {
  Q_OBJECT

 public:
  QtEngineerAdvancedTab(ApplicationCore& core, std::function<void()> changed,
                        QWidget* parent = nullptr);

  void render();

 private:
  QWidget* createRegisterGroup();
  QWidget* createXDataGroup();
  void handled(const std::function<void()>& handler);

  ApplicationCore& core_;
  std::function<void()> changed_;
  std::array<QLineEdit*, image::kSensorRegistersLength> sensorEdits_{};
  QLineEdit* ledInit0_ = nullptr;
  QLineEdit* ledInit1_ = nullptr;
  QLineEdit* address_ = nullptr;
  QLineEdit* value_ = nullptr;
  QLineEdit* patchCode_ = nullptr;
};

}  // namespace mousecfg
