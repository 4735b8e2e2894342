#include "app/QtHost.h"

#include <QCoreApplication>
#include <algorithm>

#include "app/QtMainWindow.h"
#include "app/QtMessageDialog.h"
#include "app/QtProgressWindow.h"

namespace mousecfg {

void QtHost::attach(QtMainWindow* window, QtProgressWindow* progress) {
  window_ = window;
  progress_ = progress;
}

void QtHost::sleepProcessing(int ms) {
  const int64_t until = clock_.nowMs() + ms;
  for (;;) {
    QCoreApplication::processEvents();
    const int64_t left = until - clock_.nowMs();
    if (left <= 0) return;
    clock_.sleepMs(static_cast<int>(std::min<int64_t>(left, kEventSliceMs)));
  }
}

void QtHost::processMessages() {
  QCoreApplication::processEvents();
}

void QtHost::postToUi(std::function<void()> work) {
  QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work), Qt::QueuedConnection);
}

void QtHost::showProgress() {
  if (progress_) progress_->showCentred();
}

void QtHost::hideProgress() {
  if (progress_) progress_->hide();
}

void QtHost::setOverlaysVisible(bool visible) {
  if (window_) window_->setOverlaysVisible(visible);
}

void QtHost::showMessage(const std::string& languageKey) {
  if (!window_) return;
  RefreshFormMessagDialog(window_, window_->text(languageKey), window_->fontName());
}

void QtHost::showText(const std::string& text) {
  if (!window_) return;
  RefreshFormMessagDialog(window_, QString::fromStdString(text), window_->fontName());
}

bool QtHost::confirmMessage(const std::string& languageKey) {
  if (!window_) return false;
  return standardMessageBox(window_, window_->text(languageKey));
}

void QtHost::refreshWindow() {
  if (window_) window_->render();
}

}  // namespace mousecfg
