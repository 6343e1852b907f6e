#pragma once
// frmMDI, the main frame: the parent of all document windows, with the
// toolbar (picToolbar), the menus that are active when no document is open,
// the recent-files list and the find dialog. The active document window's
// menus take the menu bar while it is active.

#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>

#include "exec/KeyCode.h"
#include "workbench/DocumentWindow.h"
#include "workbench/FindDialog.h"
#include "workbench/RecentFiles.h"
#include "workbench/TextSearch.h"

class QDockWidget;
class QMdiSubWindow;
class QPushButton;
class QToolBar;

namespace morvane {

class HelpPane;
class ImageButton;
class SettingsStore;
class Workspace;

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Workspace& workspace, SettingsStore& settings, QWidget* parent = nullptr);
  ~MainWindow() override;

  // New: a document window without a file.
  DocumentWindow* newDocument();
  // Open of the menu and toolbar: the file dialog, then the file.
  void open();
  // Opens a file into a new window; reports failures in the message box and
  // answers nullptr.
  DocumentWindow* openDocumentFromPath(const QString& path, WindowLayout mode = WindowLayout::Usual);
  // Opens a file as Open does, and enters it into the recent-files list.
  DocumentWindow* openFile(const QString& path);
  // Files handed over by a later start of the workbench: each opens as
  // openFile does, and the frame comes to the front.
  void openRequestedFiles(const QStringList& paths);

  // Closes the window in this slot without the save question; a window
  // whose run is on the stack goes once the run has unwound.
  void unloadDocument(std::int32_t slot);

  DocumentWindow* activeDocument() const;
  QList<DocumentWindow*> documents() const;
  bool anyDocumentOpen() const;

  // The recent-files list: validated and shown in every window's menu.
  RecentFiles& recentFiles() { return m_recentFiles; }
  void updateRecentFiles();

  // Find and replace on the active window.
  TextSearch& textSearch() { return m_search; }
  FindDialog* findDialog() const { return m_findDialog; }
  void showFindDialog();
  void findNext();
  void replaceNext();

  void arrange(WindowArrangement arrangement);
  void setToolbarShown(bool shown);
  void showAbout();
  // The language reference in the help dock, at the entry of the first of
  // the keywords it knows, or at its start page.
  void showHelp(const QStringList& keywords = {});
  HelpPane* helpPane() const { return m_helpPane; }
  void setProtocolWordWrap(bool wrap);
  int dialogFontSize() const;

 Q_SIGNALS:
  // The frame closed with every window's question answered: nothing typed
  // is left unsaved that the user did not discard.
  void closedCleanly();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createActions();
  void createToolbar();
  void readSettings();
  void writeSettings();
  void updateMenus();
  void updateToolbarButtons();
  DocumentWindow* createDocumentWindow(WindowLayout mode);
  QSize newWindowSize() const;
  void placeNewWindow(QMdiSubWindow* window);
  QList<QMdiSubWindow*> arrangedWindows(QMdiArea::WindowOrder order) const;
  void runButton(KeyCode code);

  Workspace& m_workspace;
  SettingsStore& m_settings;
  RecentFiles m_recentFiles;
  TextSearch m_search;
  QPoint m_findPosition;  // where the find dialog was when it was last closed
  bool m_findPositionKnown = false;

  QMdiArea* m_mdiArea;
  QToolBar* m_toolbar = nullptr;
  QList<QAction*> m_documentButtons;  // the run and clipboard buttons
  QPointer<FindDialog> m_findDialog;

  QMenu* m_fileMenu = nullptr;
  QMenu* m_optionsMenu = nullptr;
  QAction* m_toolbarAction = nullptr;
  QAction* m_aboutAction = nullptr;
  QMenu* m_helpMenu = nullptr;
  QDockWidget* m_helpDock = nullptr;
  HelpPane* m_helpPane = nullptr;
  QAction* m_recentSeparator = nullptr;
  QList<QAction*> m_recentFileActions;
};

}  // namespace morvane
