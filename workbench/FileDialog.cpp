#include "workbench/FileDialog.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QVBoxLayout>

#include "workbench/WorkbenchTexts.h"

namespace morvane {

namespace {

constexpr int PathRole = Qt::UserRole;

QString rootPath() { return QDir::rootPath(); }

}  // namespace

QStringList DrivePaths(const QList<Volume>& volumes, const QString& home) {
  QStringList paths{rootPath()};
  for (const Volume& volume : volumes) {
    // Pseudo file systems (proc, tmpfs, overlays) are no drives.
    if (!volume.device.startsWith(QLatin1String("/dev/"))) continue;
    if (!paths.contains(volume.rootPath)) paths.append(volume.rootPath);
  }
  if (!home.isEmpty() && !paths.contains(home)) paths.append(home);
  return paths;
}

QList<Volume> MountedVolumes() {
  QList<Volume> volumes;
  for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
    if (!storage.isValid() || !storage.isReady()) continue;
    volumes.append({storage.rootPath(), QString::fromLocal8Bit(storage.device())});
  }
  return volumes;
}

QStringList NameFilters(const QString& pattern) {
  QStringList filters;
  for (const QString& part : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QString filter = part.trimmed();
    if (filter.isEmpty()) continue;
    filters.append(filter == QLatin1String(texts::AllFilesPattern) ? QStringLiteral("*") : filter);
  }
  if (filters.isEmpty()) filters.append(QStringLiteral("*"));
  return filters;
}

FileDialog::FileDialog(const FileDialogRequest& request, QWidget* parent)
    : QDialog(parent),
      m_fontSize(request.fontSize),
      m_drives(new QComboBox(this)),
      m_directories(new QListWidget(this)),
      m_files(new QListWidget(this)),
      m_pattern(new QLineEdit(request.pattern, this)),
      m_name(new QLineEdit(request.fileName, this)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(request.title);
  QFont dialogFont = font();
  dialogFont.setPointSize(m_fontSize);
  setFont(dialogFont);

  m_drives->setObjectName(QStringLiteral("Drive1"));
  m_directories->setObjectName(QStringLiteral("Dir1"));
  m_files->setObjectName(QStringLiteral("File1"));
  m_pattern->setObjectName(QStringLiteral("Text2"));
  m_name->setObjectName(QStringLiteral("Text1"));
  for (const QString& path : DrivePaths(MountedVolumes(), QDir::homePath())) {
    m_drives->addItem(QDir::toNativeSeparators(path), path);
  }

  auto* confirmButton = new QPushButton(texts::tr(texts::ButtonOk), this);
  confirmButton->setObjectName(QStringLiteral("Command1"));
  confirmButton->setDefault(true);
  auto* cancelButton = new QPushButton(texts::tr(texts::ButtonCancel), this);
  cancelButton->setObjectName(QStringLiteral("Command2"));
  auto* filesCaption = new QLabel(texts::tr(texts::StoredFiles), this);
  filesCaption->setObjectName(QStringLiteral("Label1"));

  auto* grid = new QGridLayout(this);
  grid->addWidget(m_name, 0, 0);
  grid->addWidget(m_drives, 0, 1);
  grid->addWidget(m_files, 1, 0);
  grid->addWidget(m_directories, 1, 1);
  grid->addWidget(filesCaption, 2, 0);
  grid->addWidget(m_pattern, 3, 0);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(confirmButton);
  buttons->addWidget(cancelButton);
  grid->addLayout(buttons, 3, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(1, 1);
  resize(560, 380);

  connect(m_drives, &QComboBox::activated, this, &FileDialog::driveChosen);
  connect(m_directories, &QListWidget::itemActivated, this, &FileDialog::directoryActivated);
  connect(m_files, &QListWidget::itemClicked, this, &FileDialog::fileClicked);
  connect(m_files, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    fileClicked(item);
    confirm();
  });
  connect(m_pattern, &QLineEdit::textChanged, this, &FileDialog::fillFiles);
  connect(confirmButton, &QPushButton::clicked, this, &FileDialog::confirm);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

  if (!setDirectory(request.directory)) setDirectory(QDir::currentPath());
  m_name->setFocus(Qt::OtherFocusReason);
}

bool FileDialog::setDirectory(const QString& path) {
  const QDir directory(path);
  if (path.isEmpty() || !directory.exists() || !directory.isReadable()) return false;
  m_directory = QDir(directory.absolutePath());
  fillDirectories();
  fillFiles();
  return true;
}

// The directory list: the way from the root down to the directory, then
// its subdirectories, indented one step further.
void FileDialog::fillDirectories() {
  m_directories->clear();
  QStringList chain;
  QDir walk = m_directory;
  do {
    chain.prepend(walk.absolutePath());
  } while (walk.cdUp());
  int depth = 0;
  for (const QString& path : chain) {
    const QString name = depth == 0 ? QDir::toNativeSeparators(path) : QFileInfo(path).fileName();
    auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, m_directories);
    item->setData(PathRole, path);
    ++depth;
  }
  m_directories->setCurrentRow(m_directories->count() - 1);
  const QFileInfoList subdirectories =
      m_directory.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QFileInfo& subdirectory : subdirectories) {
    auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + subdirectory.fileName(), m_directories);
    item->setData(PathRole, subdirectory.absoluteFilePath());
  }
  // The drive list shows the volume the directory is on.
  int best = -1;
  qsizetype bestLength = -1;
  for (int i = 0; i < m_drives->count(); ++i) {
    const QString drive = m_drives->itemData(i).toString();
    const bool contains = m_directory.absolutePath() == drive ||
                          m_directory.absolutePath().startsWith(drive.endsWith(QLatin1Char('/')) ? drive : drive + QLatin1Char('/'));
    if (contains && drive.size() > bestLength) {
      best = i;
      bestLength = drive.size();
    }
  }
  if (best >= 0) m_drives->setCurrentIndex(best);
}

void FileDialog::fillFiles() {
  m_files->clear();
  const QStringList files = m_directory.entryList(NameFilters(m_pattern->text()), QDir::Files,
                                                  QDir::Name | QDir::IgnoreCase);
  m_files->addItems(files);
}

void FileDialog::driveChosen(int index) {
  // A drive that cannot be read leaves the lists as they were.
  setDirectory(m_drives->itemData(index).toString());
}

void FileDialog::directoryActivated(QListWidgetItem* item) { setDirectory(item->data(PathRole).toString()); }

void FileDialog::fileClicked(QListWidgetItem* item) { m_name->setText(item->text()); }

void FileDialog::confirm() {
  const QString name = m_name->text();
  if (name.isEmpty()) return;
  // A name with a path of its own stands for itself.
  m_filename = QDir::isAbsolutePath(name) ? QDir::cleanPath(name) : m_directory.absoluteFilePath(name);
  m_abbrechen = false;
  accept();
}

void FileDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  fillFiles();
}

}  // namespace morvane
