#include "workbench/recovery/RecoveryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QUuid>

namespace morvane {

namespace {

constexpr char ApplicationFolder[] = "morvane";
constexpr char SessionPrefix[] = "session-";
constexpr char LockName[] = "session.lock";
constexpr char TextSuffix[] = ".json";
constexpr QFileDevice::Permissions Private = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions PrivateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// The keys of a kept text.
constexpr char CaptionKey[] = "caption";
constexpr char HasFileKey[] = "hasFile";
constexpr char TextKey[] = "text";
constexpr char CodePageKey[] = "codePage";
constexpr char LfKey[] = "lineFeeds";
constexpr char ByteOrderMarkKey[] = "byteOrderMark";

bool makePrivateFolder(const QString& path) {
  if (!QDir().mkpath(path)) return false;
  return QFile::setPermissions(path, Private);
}

QByteArray encode(const RecoveredText& t) {
  QJsonObject o;
  o.insert(QLatin1String(CaptionKey), t.caption);
  o.insert(QLatin1String(HasFileKey), t.hasFile);
  o.insert(QLatin1String(TextKey), t.text);
  o.insert(QLatin1String(CodePageKey), t.format.encoding == TextEncoding::CodePage);
  o.insert(QLatin1String(LfKey), t.format.lineEnds == LineEnds::Lf);
  o.insert(QLatin1String(ByteOrderMarkKey), t.format.byteOrderMark);
  return QJsonDocument(o).toJson();
}

bool decode(const QByteArray& bytes, RecoveredText& t) {
  const QJsonDocument document = QJsonDocument::fromJson(bytes);
  if (!document.isObject()) return false;
  const QJsonObject o = document.object();
  if (!o.value(QLatin1String(TextKey)).isString()) return false;
  t.caption = o.value(QLatin1String(CaptionKey)).toString();
  t.hasFile = o.value(QLatin1String(HasFileKey)).toBool();
  t.text = o.value(QLatin1String(TextKey)).toString();
  t.format.encoding = o.value(QLatin1String(CodePageKey)).toBool() ? TextEncoding::CodePage : TextEncoding::Utf8;
  t.format.lineEnds = o.value(QLatin1String(LfKey)).toBool() ? LineEnds::Lf : LineEnds::CrLf;
  t.format.byteOrderMark = o.value(QLatin1String(ByteOrderMarkKey)).toBool();
  return true;
}

std::unique_ptr<QLockFile> takeLock(const QString& sessionFolder) {
  auto lock = std::make_unique<QLockFile>(QDir(sessionFolder).filePath(QLatin1String(LockName)));
  // A lock is stale only when its process is gone; a long run keeps it.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) return nullptr;
  return lock;
}

}  // namespace

struct RecoveryStore::Claim {
  QString folder;
  std::unique_ptr<QLockFile> lock;
};

QString RecoveryStore::defaultFolder() {
  // Only an absolute XDG_STATE_HOME counts; otherwise the default applies.
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  if (state.isEmpty() || QDir::isRelativePath(state)) state = QDir::homePath() + QStringLiteral("/.local/state");
  return QDir(state).filePath(QLatin1String(ApplicationFolder));
}

RecoveryStore::RecoveryStore(const QString& folder) : m_folder(folder) {
  if (!makePrivateFolder(m_folder)) return;
  const QString session =
      QDir(m_folder).filePath(QLatin1String(SessionPrefix) + QUuid::createUuid().toString(QUuid::WithoutBraces));
  if (!makePrivateFolder(session)) return;
  m_lock = takeLock(session);
  if (m_lock) m_session = session;
}

RecoveryStore::~RecoveryStore() = default;

bool RecoveryStore::keep(const QList<QPair<QString, RecoveredText>>& texts) {
  if (!isActive()) return false;
  QDir session(m_session);
  bool allWritten = true;
  QStringList kept;
  for (const auto& [key, text] : texts) {
    const QString name = key + QLatin1String(TextSuffix);
    QSaveFile file(session.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) {
      allWritten = false;
      continue;
    }
    file.setPermissions(PrivateFile);
    file.write(encode(text));
    if (file.commit()) {
      kept.append(name);
    } else {
      allWritten = false;
    }
  }
  // What a window no longer needs kept (saved, closed) goes.
  for (const QString& name : session.entryList({QLatin1String("*") + QLatin1String(TextSuffix)}, QDir::Files)) {
    if (!kept.contains(name)) session.remove(name);
  }
  return allWritten;
}

QList<RecoveredText> RecoveryStore::claimLeftBehind() {
  QList<RecoveredText> texts;
  const QDir folder(m_folder);
  const QStringList sessions =
      folder.entryList({QLatin1String(SessionPrefix) + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
  for (const QString& name : sessions) {
    const QString path = folder.filePath(name);
    if (path == m_session) continue;
    // A running workbench holds its folder's lock: its texts are its own.
    std::unique_ptr<QLockFile> lock = takeLock(path);
    if (!lock) continue;
    const QDir session(path);
    for (const QString& file : session.entryList({QLatin1String("*") + QLatin1String(TextSuffix)}, QDir::Files, QDir::Name)) {
      QFile in(session.filePath(file));
      RecoveredText text;
      if (in.open(QIODevice::ReadOnly) && decode(in.readAll(), text)) texts.append(text);
    }
    m_claims.push_back(std::make_unique<Claim>(Claim{path, std::move(lock)}));
  }
  return texts;
}

void RecoveryStore::discardClaimed() {
  for (const auto& claim : m_claims) {
    // The texts go while the folder is still held, so that nobody reads them meanwhile.
    QDir session(claim->folder);
    for (const QString& file : session.entryList({QLatin1String("*") + QLatin1String(TextSuffix)}, QDir::Files)) {
      session.remove(file);
    }
    claim->lock->unlock();
    session.removeRecursively();
  }
  m_claims.clear();
}

void RecoveryStore::releaseClaimed() { m_claims.clear(); }

void RecoveryStore::endSession() {
  if (!isActive()) return;
  m_lock->unlock();
  m_lock.reset();
  QDir(m_session).removeRecursively();
  m_session.clear();
}

}  // namespace morvane
