#include "app/QtHost.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "app/QtMainWindow.h"
#include "app/QtMessageDialog.h"
#include "app/QtProgressWindow.h"

namespace mousecfg {

void QtHost::attach(QtMainWindow* window, QtProgressWindow* progress) {
  window_ = window;
  progress_ = progress;
}

int64_t QtHost::nowMs() {
  static QElapsedTimer clock = [] {
    QElapsedTimer started;
    started.start();
    return started;
  }();
  return clock.elapsed();
}

void QtHost::sleepProcessing(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
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

bool QtHost::confirmMessage(const std::string& languageKey) {
  if (!window_) return false;
  return standardMessageBox(window_, window_->text(languageKey));
}

void QtHost::refreshWindow() {
  if (window_) window_->render();
}

}  // namespace mousecfg
