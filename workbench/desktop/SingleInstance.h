#pragma once
// One workbench per user. The first workbench to start listens on a local
// socket in the user's runtime folder; a workbench started later (the file
// manager opening a .bas file, say) hands its files to the first one over
// that socket and ends, and the first opens them and comes to the front.

#include <QLocalServer>
#include <QObject>
#include <QStringList>

class QLocalSocket;

namespace morvane {

class SingleInstance final : public QObject {
  Q_OBJECT

 public:
  enum class Role { First, HandedOver };

  // The socket for this user: in XDG_RUNTIME_DIR, which only the user can
  // enter.
  static QString defaultServerName();

  explicit SingleInstance(QString serverName, QObject* parent = nullptr);

  // Hands `files` (absolute paths) to the workbench listening on the
  // server name and answers HandedOver once it has taken them; otherwise
  // starts listening and answers First. A workbench that listens but does
  // not answer keeps its socket, and this one goes on as First without
  // listening.
  Role start(const QStringList& files);

 Q_SIGNALS:
  // A later start asked for these files; none: just come to the front.
  void filesRequested(const QStringList& files);

 private:
  enum class HandOver { NobodyListens, Taken, NoAnswer };
  HandOver handOver(const QStringList& files) const;
  void serve(QLocalSocket* socket);

  QString m_serverName;
  QLocalServer m_server;
};

}  // namespace morvane
