// One workbench per user: a later start hands its files to the first one,
// also past a socket a crashed workbench left behind, and the frame opens
// the files it is handed.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <future>

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "GuiTestSupport.h"
#include "workbench/MainWindow.h"
#include "workbench/desktop/SingleInstance.h"

using namespace morvane;

namespace {

// A later start, in a thread of its own: it waits for the first
// workbench's answer while this thread's event loop lets the first answer.
std::future<SingleInstance::Role> startLater(const QString& serverName, const QStringList& files) {
  return std::async(std::launch::async, [serverName, files] { return SingleInstance(serverName).start(files); });
}

bool ready(const std::future<SingleInstance::Role>& later) {
  return later.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

// What a crashed workbench leaves: a socket file nobody listens on.
void leaveStaleSocket(const QString& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  QVERIFY(fd >= 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name = QFile::encodeName(path);
  std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
  QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  QVERIFY(QFile::exists(path));
}

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

  QString serverName() const { return m_dir->filePath(QStringLiteral("workbench")); }

 private Q_SLOTS:
  void init() { m_dir = std::make_unique<QTemporaryDir>(); }

  void laterStartsHandTheirFilesToTheFirst() {
    SingleInstance first(serverName());
    QCOMPARE(first.start({}), SingleInstance::Role::First);
    QSignalSpy requests(&first, &SingleInstance::filesRequested);

    const QStringList files{QStringLiteral("/home/user/a.bas"), QStringLiteral("/home/user/with blank é.bas")};
    auto later = startLater(serverName(), files);
    QTRY_VERIFY(ready(later));
    QCOMPARE(later.get(), SingleInstance::Role::HandedOver);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).at(0).toStringList(), files);

    // Started without files, a later workbench only brings the first forward.
    auto plain = startLater(serverName(), {});
    QTRY_VERIFY(ready(plain));
    QCOMPARE(plain.get(), SingleInstance::Role::HandedOver);
    QCOMPARE(requests.size(), 2);
    QVERIFY(requests.at(1).at(0).toStringList().isEmpty());
  }

  void socketOfACrashedWorkbenchIsTakenOver() {
    leaveStaleSocket(serverName());
    SingleInstance first(serverName());
    QCOMPARE(first.start({}), SingleInstance::Role::First);
    QSignalSpy requests(&first, &SingleInstance::filesRequested);
    auto later = startLater(serverName(), {QStringLiteral("/x.bas")});
    QTRY_VERIFY(ready(later));
    QCOMPARE(later.get(), SingleInstance::Role::HandedOver);
    QCOMPARE(requests.size(), 1);
  }

  void frameOpensTheFilesItIsHanded() {
    testing::TemporarySettings temporary;
    testing::Application app(temporary.iniFile(QStringLiteral("frame")));
    MainWindow frame(app.workspace, app.settings);
    app.system.setFrame(&frame);
    frame.show();
    SingleInstance first(serverName());
    QCOMPARE(first.start({}), SingleInstance::Role::First);
    connect(&first, &SingleInstance::filesRequested, &frame, &MainWindow::openRequestedFiles);

    const QString program = m_dir->filePath(QStringLiteral("handed.bas"));
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("PRINT 1\r\n");
    file.close();
    auto later = startLater(serverName(), {program});
    QTRY_COMPARE(frame.documents().size(), 1);
    QCOMPARE(frame.documents().front()->filePath(), program);
    QTRY_VERIFY(ready(later));
    QCOMPARE(later.get(), SingleInstance::Role::HandedOver);
  }

 private:
  std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
