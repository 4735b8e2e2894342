#include "app/QtSingleInstance.h"

#include <unistd.h>
#include <QCryptographicHash>
#include <QLocalSocket>

namespace mousecfg {

namespace {
constexpr int kConnectTimeoutMs = 500;
constexpr char kActivate[] = "activate\n";
}  // namespace

QtSingleInstance::QtSingleInstance(const QString& caption) : name_(socketName(caption)) {}

QString QtSingleInstance::socketName(const QString& caption) {
  const QByteArray hash =
      QCryptographicHash::hash(caption.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
  return QStringLiteral("mousecfg-%1-%2").arg(QString::number(getuid()), QString::fromLatin1(hash));
}

bool QtSingleInstance::activateRunning(const QString& caption) {
  QLocalSocket socket;
  socket.connectToServer(socketName(caption));
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  socket.write(kActivate);
  socket.waitForBytesWritten(kConnectTimeoutMs);
  socket.disconnectFromServer();
  return true;
}

bool QtSingleInstance::listen(std::function<void()> activate) {
  activate_ = std::move(activate);
  // A socket left behind by a crashed instance would block the name.
  QLocalServer::removeServer(name_);
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      if (activate_) activate_();
    }
  });
  return server_.listen(name_);
}

}  // namespace mousecfg
