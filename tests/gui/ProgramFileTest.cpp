// Program files: which characters and line ends a file is read with, that a
// file opened and saved unchanged keeps its bytes, the size limit, the
// shortened names of the boxes, and that a failed save leaves the old file
// whole.

#include <sys/resource.h>

#include <csignal>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "exec/ProgramFile.h"
#include "workbench/ProgramFile.h"

using namespace morvane;

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes every write beyond `bytes` fail (as a full disk does) while it lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_previousHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit m_saved{};
  void (*m_previousHandler)(int);
};

}  // namespace

class ProgramFileTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void decodedAs_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<int>("lineEnds");
    const int utf8 = int(TextEncoding::Utf8);
    const int codePage = int(TextEncoding::CodePage);
    const int crlf = int(LineEnds::CrLf);
    const int lf = int(LineEnds::Lf);
    QTest::newRow("utf-8, CR LF") << QByteArray("PRINT \"Gr\xC3\xBC\xC3\x9F" "e\"\r\nEND\r\n")
                                  << QStringLiteral("PRINT \"Grüße\"\nEND\n") << utf8 << crlf;
    QTest::newRow("utf-8, LF") << QByteArray("a\nb\n") << QStringLiteral("a\nb\n") << utf8 << lf;
    QTest::newRow("8-bit from an older system") << QByteArray("PRINT \"Gr\xFC\xDF" "e \x80\"\r\n")
                                                << QStringLiteral("PRINT \"Grüße €\"\n") << codePage << crlf;
    QTest::newRow("no line end") << QByteArray("END") << QStringLiteral("END") << utf8 << crlf;
    QTest::newRow("lone CR") << QByteArray("a\rb") << QStringLiteral("a\nb") << utf8 << crlf;
  }
  void decodedAs() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(int, encoding);
    QFETCH(int, lineEnds);
    const ProgramText program = DecodeProgram(bytes);
    QCOMPARE(program.text, text);
    QCOMPARE(int(program.format.encoding), encoding);
    QCOMPARE(int(program.format.lineEnds), lineEnds);
  }

  void openedAndSavedUnchangedKeepsItsBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("utf-8 with accents, CR LF") << QByteArray("' caf\xC3\xA9 na\xC3\xAFve\r\nPRINT 1\r\n");
    QTest::newRow("utf-8 with accents, LF") << QByteArray("' caf\xC3\xA9\nPRINT 1\n");
    QTest::newRow("utf-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBFPRINT \"\xC3\xA9\"\r\n");
    QTest::newRow("8-bit") << QByteArray("' caf\xE9 \x80 \x81\r\nEND");
    QTest::newRow("no-break space") << QByteArray("a\xC2\xA0" "b\r\n");
  }
  void openedAndSavedUnchangedKeepsItsBytes() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("program.bas"));
    QVERIFY(writeBytes(path, bytes));
    ProgramText program;
    QCOMPARE(ReadProgramFile(path, program), ProgramReadStatus::Loaded);
    QVERIFY(WriteProgramFile(path, program.text, program.format));
    QCOMPARE(readBytes(path), bytes);
  }

  void sizeLimit() {
    QTemporaryDir dir;
    const QString largest = dir.filePath(QStringLiteral("largest.bas"));
    const QString tooBig = dir.filePath(QStringLiteral("too_big.bas"));
    QVERIFY(writeBytes(largest, QByteArray(LargestProgramFile, 'x')));
    QVERIFY(writeBytes(tooBig, QByteArray(LargestProgramFile + 1, 'x')));
    ProgramText program;
    QCOMPARE(ReadProgramFile(largest, program), ProgramReadStatus::Loaded);
    QCOMPARE(program.text.size(), LargestProgramFile);
    QCOMPARE(ReadProgramFile(tooBig, program), ProgramReadStatus::TooBig);
    QCOMPARE(ReadProgramFile(dir.filePath(QStringLiteral("missing.bas")), program), ProgramReadStatus::CannotRead);
    QCOMPARE(ReadProgramFile(dir.path(), program), ProgramReadStatus::CannotRead);
  }

  void newTextIsSavedAsUtf8WithCrLf() {
    QCOMPARE(EncodeProgram(QStringLiteral("PRINT \"é\"\nEND"), ProgramFileFormat{}),
             QByteArray("PRINT \"\xC3\xA9\"\r\nEND"));
  }

  void textOutsideTheCodePageOfAnOldFile() {
    const ProgramFileFormat old{TextEncoding::CodePage, LineEnds::CrLf, false};
    QCOMPARE(EncodeProgram(QStringLiteral("Ω€"), old), QByteArray("?\x80"));
  }

  void failedSaveKeepsTheOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.bas"));
    const QByteArray old("PRINT \"old\"\r\n");
    QVERIFY(writeBytes(path, old));
    const QString large(20000, QLatin1Char('x'));
    {
      const FileSizeLimit fullDisk(4096);
      QVERIFY(!WriteProgramFile(path, large, ProgramFileFormat{}));
    }
    QCOMPARE(readBytes(path), old);
    // Nothing half-written is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.bas")});
  }

  void saveIntoAMissingFolderFails() {
    QTemporaryDir dir;
    QVERIFY(!WriteProgramFile(dir.filePath(QStringLiteral("no/such/folder/a.bas")), QStringLiteral("END"),
                              ProgramFileFormat{}));
  }

  void shortenedNames_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");
    QTest::newRow("25 characters") << QStringLiteral("/home/user/programs/a.bas")
                                   << QStringLiteral("/home/user/programs/a.bas");
    QTest::newRow("26 characters") << QStringLiteral("/home/user/programs/ab.bas")
                                   << QStringLiteral("...e/user/programs/ab.bas");
    QTest::newRow("short") << QStringLiteral("NoName1.bas") << QStringLiteral("NoName1.bas");
  }
  void shortenedNames() {
    QFETCH(QString, path);
    QFETCH(QString, shown);
    QCOMPARE(ShortenedName(path), shown);
    if (path.size() > 25) QCOMPARE(ShortenedName(path).size(), 25);
  }
};

QTEST_GUILESS_MAIN(ProgramFileTest)
#include "ProgramFileTest.moc"
