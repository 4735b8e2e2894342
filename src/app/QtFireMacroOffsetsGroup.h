#pragma once

#include <QGroupBox>
#include <array>
#include <functional>

#include "engineer/FireMacroOffsets.h"

class QLineEdit;

namespace mousecfg {

class ApplicationCore;

// The X and Y offsets of the ten fire macros, a column each (the first seven are the
// gun presets').
class QtFireMacroOffsetsGroup : public QGroupBox {
  Q_OBJECT

 public:
  QtFireMacroOffsetsGroup(ApplicationCore& core, std::function<void()> changed, QWidget* parent);

  void render();

 private:
  QLineEdit* addEdit(int macro, OffsetAxis axis);
  QLineEdit*& edit(int macro, OffsetAxis axis);

  ApplicationCore& core_;
  std::function<void()> changed_;
  std::array<QLineEdit*, FireMacroOffsets::kCount> xEdits_{};
  std::array<QLineEdit*, FireMacroOffsets::kCount> yEdits_{};
  QLineEdit* typedIn_ = nullptr;  // the field the user is typing in
};

}  // namespace mousecfg
