#include "workbench/desktop/SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace morvane {

namespace {

// How long a later start waits for the first workbench. A workbench in the
// middle of a run still answers, as a run yields to the window system.
constexpr int AnswerTimeoutMs = 5000;
// The first workbench's answer once it has the files.
constexpr char Taken = '+';

}  // namespace

QString SingleInstance::defaultServerName() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
      .filePath(QStringLiteral("morvane-workbench"));
}

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_serverName(std::move(serverName)) {
  m_server.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&m_server, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) serve(socket);
  });
}

SingleInstance::Role SingleInstance::start(const QStringList& files) {
  // Two workbenches started at once must not both decide to be the first:
  // the lock makes "try the socket, else listen" one step.
  QLockFile lock(m_serverName + QStringLiteral(".lock"));
  lock.lock();

  switch (handOver(files)) {
    case HandOver::Taken:
      return Role::HandedOver;
    case HandOver::NoAnswer:
      return Role::First;
    case HandOver::NobodyListens:
      break;
  }
  // A socket left behind by a workbench that crashed is in the way.
  QLocalServer::removeServer(m_serverName);
  m_server.listen(m_serverName);
  return Role::First;
}

SingleInstance::HandOver SingleInstance::handOver(const QStringList& files) const {
  QLocalSocket socket;
  socket.connectToServer(m_serverName);
  if (!socket.waitForConnected(AnswerTimeoutMs)) return HandOver::NobodyListens;
  QByteArray request;
  QDataStream out(&request, QIODevice::WriteOnly);
  out << files;
  socket.write(request);
  if (!socket.waitForBytesWritten(AnswerTimeoutMs)) return HandOver::NoAnswer;
  while (socket.bytesAvailable() == 0) {
    if (!socket.waitForReadyRead(AnswerTimeoutMs)) return HandOver::NoAnswer;
  }
  char answer = 0;
  return socket.getChar(&answer) && answer == Taken ? HandOver::Taken : HandOver::NoAnswer;
}

void SingleInstance::serve(QLocalSocket* socket) {
  connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
  connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
    // The list may come in pieces: read it once it is whole.
    QDataStream in(socket);
    in.startTransaction();
    QStringList files;
    in >> files;
    if (!in.commitTransaction()) return;
    socket->putChar(Taken);
    socket->flush();
    Q_EMIT filesRequested(files);
  });
}

}  // namespace morvane
