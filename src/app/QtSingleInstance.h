#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>

namespace mousecfg {

// One window per user: the first start listens on a local socket named after the
// window caption; a second start asks it to come to the front and then exits.
class QtSingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit QtSingleInstance(const QString& caption);

  // True when another instance answered and was asked to come to the front.
  static bool activateRunning(const QString& caption);
  // Starts listening; `activate` runs whenever a second start knocks.
  bool listen(std::function<void()> activate);

 private:
  static QString socketName(const QString& caption);

  QString name_;
  QLocalServer server_;
  std::function<void()> activate_;
};

}  // namespace mousecfg
