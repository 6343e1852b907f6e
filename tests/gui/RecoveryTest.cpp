// Typed work kept against a crash: the recovery folder's place and modes,
// texts kept and dropped as windows change, two running workbenches that
// leave each other's texts alone, a crash (a process that ends without its
// clean-up) whose texts the next start claims, the clean end, and in the
// main frame: the texts offered back after a simulated crash, and the
// caller's program kept while RUN shows an instruction file.

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "GuiTestSupport.h"
#include "exec/KeyCode.h"
#include "workbench/DocumentWindow.h"
#include "workbench/MainWindow.h"
#include "workbench/ProgramEditor.h"
#include "workbench/RunSession.h"
#include "workbench/recovery/RecoveryKeeper.h"
#include "workbench/recovery/RecoveryStore.h"

using namespace morvane;

namespace {

RecoveredText sample(const QString& caption, const QString& text) { return {caption, false, text, {}}; }

int modeOf(const QString& path) {
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) return -1;
  return static_cast<int>(status.st_mode & 0777);
}

QStringList keptFiles(const RecoveryStore& store) {
  return QDir(store.sessionFolder()).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
}

}  // namespace

class RecoveryTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::TemporarySettings> m_temporary;
  std::unique_ptr<QTemporaryDir> m_state;
  QString folder() const { return m_state->filePath(QStringLiteral("morvane")); }

 private Q_SLOTS:
  void initTestCase() { m_temporary = std::make_unique<testing::TemporarySettings>(); }
  void init() { m_state = std::make_unique<QTemporaryDir>(); }

  void folderFollowsXdgStateHome() {
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/state/home");
    QCOMPARE(RecoveryStore::defaultFolder(), QStringLiteral("/state/home/morvane"));
    // A relative value is no value; neither is an empty one.
    qputenv("XDG_STATE_HOME", "relative/state");
    QCOMPARE(RecoveryStore::defaultFolder(), QDir::homePath() + QStringLiteral("/.local/state/morvane"));
    qputenv("XDG_STATE_HOME", "");
    QCOMPARE(RecoveryStore::defaultFolder(), QDir::homePath() + QStringLiteral("/.local/state/morvane"));
    qputenv("XDG_STATE_HOME", saved);
  }

  void foldersArePrivate() {
    RecoveryStore store(folder());
    QVERIFY(store.isActive());
    QCOMPARE(modeOf(folder()), 0700);
    QCOMPARE(modeOf(store.sessionFolder()), 0700);
    QVERIFY(store.keep({{QStringLiteral("window-1"), sample(QStringLiteral("NoName1.bas"), QStringLiteral("PRINT 1\n"))}}));
    QCOMPARE(modeOf(QDir(store.sessionFolder()).filePath(QStringLiteral("window-1.json"))) & 077, 0);
  }

  void keepingDropsWhatIsNoLongerKept() {
    RecoveryStore store(folder());
    QVERIFY(store.keep({{QStringLiteral("window-1"), sample(QStringLiteral("a"), QStringLiteral("1"))},
                        {QStringLiteral("window-2"), sample(QStringLiteral("b"), QStringLiteral("2"))}}));
    QCOMPARE(keptFiles(store), (QStringList{"window-1.json", "window-2.json"}));
    QVERIFY(store.keep({{QStringLiteral("window-2"), sample(QStringLiteral("b"), QStringLiteral("2b"))}}));
    QCOMPARE(keptFiles(store), QStringList{"window-2.json"});
    store.endSession();
    QVERIFY(!QFileInfo::exists(store.sessionFolder()));
    QCOMPARE(QDir(folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{});
  }

  void aRunningWorkbenchKeepsItsTexts() {
    RecoveryStore first(folder());
    QVERIFY(first.keep({{QStringLiteral("window-1"), sample(QStringLiteral("a"), QStringLiteral("1"))}}));
    RecoveryStore second(folder());
    QVERIFY(second.isActive());
    QVERIFY(second.sessionFolder() != first.sessionFolder());
    QCOMPARE(second.claimLeftBehind(), QList<RecoveredText>{});
    second.discardClaimed();
    QCOMPARE(keptFiles(first), QStringList{"window-1.json"});
  }

  void aCrashedRunsTextsAreClaimedOnce() {
    // A child process keeps a text and ends without any clean-up, its lock
    // file left behind as a crash leaves it.
    const QString path = folder();
    const pid_t child = ::fork();
    if (child == 0) {
      RecoveryStore crashed(path);
      const RecoveredText text{QStringLiteral("/home/ada/plot.bas"), true, QStringLiteral("DRAW LINE (0, 0) TO (1, 1)\n"),
                               {TextEncoding::CodePage, LineEnds::Lf, false}};
      const bool kept = crashed.keep({{QStringLiteral("window-3"), text}});
      ::_exit(kept ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    RecoveryStore next(path);
    const QList<RecoveredText> texts = next.claimLeftBehind();
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts[0], (RecoveredText{QStringLiteral("/home/ada/plot.bas"), true,
                                      QStringLiteral("DRAW LINE (0, 0) TO (1, 1)\n"),
                                      {TextEncoding::CodePage, LineEnds::Lf, false}}));
    // While one start holds them, another does not get them too.
    RecoveryStore other(path);
    QCOMPARE(other.claimLeftBehind().size(), 0);
    // Later: the texts stay for the next start.
    next.releaseClaimed();
    QCOMPARE(other.claimLeftBehind().size(), 1);
    other.discardClaimed();
    RecoveryStore last(path);
    QCOMPARE(last.claimLeftBehind().size(), 0);
  }

  void frameOffersTheTextsBackAfterACrash() {
    auto app = std::make_unique<testing::Application>(m_temporary->iniFile(QStringLiteral("crash")));
    auto store = std::make_unique<RecoveryStore>(folder());
    auto frame = std::make_unique<MainWindow>(app->workspace, app->settings);
    frame->show();
    RecoveryKeeper keeper(*frame, *store);
    DocumentWindow* typed = frame->newDocument();
    typed->editor()->setFocus();
    QTest::keyClicks(typed->editor(), QStringLiteral("PRINT \"kept\""));
    QVERIFY(typed->document().changed);
    DocumentWindow* untouched = frame->newDocument();
    QVERIFY(!untouched->document().changed);
    keeper.keepNow();
    QCOMPARE(keptFiles(*store), QStringList{"window-1.json"});
    // The crash: nothing is closed, asked or cleaned up.
    frame.reset();
    store.reset();
    app.reset();

    app = std::make_unique<testing::Application>(m_temporary->iniFile(QStringLiteral("crash")));
    store = std::make_unique<RecoveryStore>(folder());
    frame = std::make_unique<MainWindow>(app->workspace, app->settings);
    RecoveryKeeper restarted(*frame, *store);
    QString message;
    testing::answerNextBox("Command1", &message);
    restarted.offerLeftBehind();
    QCOMPARE(message, QStringLiteral("Morvane was not closed properly. Restore 1 unsaved program text(s)?"));
    QCOMPARE(frame->documents().size(), 1);
    DocumentWindow* restored = frame->documents().front();
    QCOMPARE(restored->caption(), QStringLiteral("NoName1.bas"));
    QCOMPARE(restored->editor()->programText(), QStringLiteral("PRINT \"kept\""));
    QVERIFY(restored->document().changed);
    QVERIFY(!restored->hasFile());
    // Kept again under the new run; the crashed run's folder is gone.
    QCOMPARE(keptFiles(*store), QStringList{"window-1.json"});
    QCOMPARE(QDir(folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);

    // A clean end leaves nothing behind.
    testing::answerNextBox("Command2");  // Discharge
    QVERIFY(frame->close());
    QCOMPARE(QDir(folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{});
  }

  void whileRunShowsAFileTheCallersProgramIsKept() {
    QTemporaryDir files;
    const QString instructions = files.filePath(QStringLiteral("ask.bas"));
    QFile file(instructions);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("INPUT A\r\n");
    file.close();
    auto app = std::make_unique<testing::Application>(m_temporary->iniFile(QStringLiteral("run")));
    DocumentWindow window(app->workspace, app->settings);
    window.show();
    // A letter the interpreter's code page lacks comes back as typed.
    const QString caller = QStringLiteral("' \u0141\u00f3d\u017a\nRUN \"%1\"\n").arg(instructions);
    window.editor()->setProgramText(caller);

    QString keptDuringRun;
    QString shownDuringRun;
    testing::DuringRun during([&window] { window.session().keyDown(KeyCode::CtrlBreak, 0); });
    during.when([&window] { return window.document().runState == RunState::WaitingForInput; },
                [&] {
                  shownDuringRun = window.editor()->programText();
                  keptDuringRun = window.programToKeep();
                  window.session().keyDown(KeyCode::CtrlBreak, 0);
                });
    during.start();
    window.session().keyDown(KeyCode::F5Run, 0);
    QTRY_VERIFY(during.allDone());
    QCOMPARE(shownDuringRun, QStringLiteral("INPUT A\n"));
    QCOMPARE(keptDuringRun, caller);
    QTRY_COMPARE(window.editor()->programText(), caller);
    QCOMPARE(window.programToKeep(), caller);
  }
};

QTEST_MAIN(RecoveryTest)
#include "RecoveryTest.moc"
