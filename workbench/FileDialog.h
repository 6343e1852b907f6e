#pragma once
// Form1, the workbench's file dialog: a "drive" list (Drive1) with the
// file-system root, the mounted volumes and the home folder, a directory
// list (Dir1), a file list (File1) filtered by the pattern box (Text2), the
// file name box (Text1), confirm (Command1) and Cancel (Command2).

#include <QDialog>
#include <QDir>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace morvane {

// A mounted volume as the drive list sees it.
struct Volume {
  QString rootPath;
  QString device;
};

// The drive list: the root, then the mounted volumes on devices, then the
// home folder; each path once.
QStringList DrivePaths(const QList<Volume>& volumes, const QString& home);
// The volumes mounted now.
QList<Volume> MountedVolumes();
// The name filters of a pattern box text: "*.bas" or "*.bas;*.txt"; "*.*"
// means every file, with or without an extension.
QStringList NameFilters(const QString& pattern);

struct FileDialogRequest {
  QString title;                              // "File Open" or "File Save"
  QString directory;                          // where the lists start
  QString fileName;                           // the name box's text
  QString pattern = QStringLiteral("*.bas");  // the pattern box's text
  int fontSize = 12;                          // the settings' "Size"
};

class FileDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit FileDialog(const FileDialogRequest& request, QWidget* parent = nullptr);

  // The chosen path, and whether the user cancelled.
  QString filename() const { return m_filename; }
  bool abbrechen() const { return m_abbrechen; }

  QString directory() const { return m_directory.absolutePath(); }
  // Changes the directory list and with it the file list; false (and the
  // lists as they were) when the directory cannot be read.
  bool setDirectory(const QString& path);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fillDirectories();
  void fillFiles();
  void driveChosen(int index);
  void directoryActivated(QListWidgetItem* item);
  void fileClicked(QListWidgetItem* item);
  void confirm();

  QDir m_directory;
  QString m_filename;
  bool m_abbrechen = true;
  int m_fontSize;
  QComboBox* m_drives;
  QListWidget* m_directories;
  QListWidget* m_files;
  QLineEdit* m_pattern;
  QLineEdit* m_name;
};

}  // namespace morvane
