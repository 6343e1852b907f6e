#pragma once
// frmNotePad, a document window: the program editor (Text1), the protocol
// (Text2), the canvas (Picture1) and the status strip (Picture2) laid out by
// two fractions with draggable gaps, the window's menus, and its file
// commands (Save, Save As, Delete, the close question). Running belongs to
// the window's RunSession; the interpreter reaches the window through its
// NotePadHost.

#include <cstdint>
#include <memory>

#include <QList>
#include <QWidget>

#include "exec/Host.h"
#include "workbench/DocumentLayout.h"
#include "workbench/NotePadHost.h"
#include "workbench/ProgramFile.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QTimer;

namespace morvane {

class BreakpointLines;
class CanvasView;
class DebugSession;
class LineNumberGutter;
class SyntaxColouring;
class VariablesView;
class ProgramEditor;
class ProtocolBox;
class RunSession;
class SettingsStore;
class StatusStrip;
class Workspace;
struct Document;

// The arrangements of the Window menu.
enum class WindowArrangement : int { Cascade = 0, TileHorizontally = 1, ArrangeIcons = 3 };

class DocumentWindow final : public QWidget {
  Q_OBJECT

 public:
  DocumentWindow(Workspace& workspace, SettingsStore& settings, WindowLayout mode = WindowLayout::Usual,
                 QWidget* parent = nullptr);
  ~DocumentWindow() override;

  std::int32_t slot() const { return m_slot; }
  Document& document();
  RunSession& session() { return *m_session; }

  // The caption: the file's full path, or "NoName" + slot + ".bas".
  QString caption() const { return windowTitle(); }
  bool hasFile() const { return m_hasFile; }
  QString filePath() const { return m_hasFile ? caption() : QString(); }

  // Shows a program read from `path`; the window counts as unchanged.
  void loadProgram(const QString& path, const ProgramText& program);
  // Shows a text kept from a crashed run, under the caption it had; the
  // window counts as changed.
  void restoreText(const QString& caption, bool hasFile, const QString& text, const ProgramFileFormat& format);
  // The text to keep for a crash: the editor's, or, while RUN shows an
  // instruction file there, the program that called it.
  QString programToKeep() const;
  const ProgramFileFormat& fileFormat() const { return m_format; }

  // The file commands. Each answers whether the text reached its file.
  bool save();
  bool saveAs();
  void deleteFile();
  // The close question for a changed window: true when the window may close.
  bool maybeSave();

  // True once the window has been closed; it may still wait for its frames
  // to unwind before it is destroyed.
  bool isUnloaded() const { return m_unloaded; }

  // The clipboard commands on the window's active text pane.
  void copyText();
  void cutText();
  void pasteText();

  // The window's menus for the frame's menu bar, and its About item.
  QList<QMenu*> menus() const;
  QAction* aboutAction() const { return m_aboutAction; }
  void showRecentFiles(const QStringList& paths);
  void setToolbarChecked(bool checked);
  // Options > Protocol Word Wrap: long protocol lines wrap at the pane's edge.
  void setProtocolWordWrap(bool wrap);

  ProgramEditor* editor() const { return m_editor; }
  ProtocolBox* protocol() const { return m_protocol; }
  CanvasView* canvasView() const { return m_canvasView; }
  StatusStrip* statusStrip() const { return m_status; }
  BreakpointLines& breakpoints() const { return *m_breakpoints; }
  LineNumberGutter* gutter() const { return m_gutter; }
  SyntaxColouring* colouring() const { return m_colouring; }
  DebugSession& debugSession() const { return *m_debug; }
  VariablesView* variablesView() const { return m_variables; }
  // Shows or hides the Variables pane beside the protocol.
  void showVariablesView(bool shown);

  // The debugging commands of the Execute menu.
  void toggleBreakpointAtCaret();
  void stepOver();
  void runToCursor();
  const DocumentLayout& layoutFractions() const { return m_layout; }
  const DocumentFont& documentFont() const { return m_font; }
  // The text pane the clipboard commands act on: the one that last had
  // the focus.
  QPlainTextEdit* activeTextPane() const;

  void applyFont(const QString& name, int size);

 Q_SIGNALS:
  void newRequested();
  void openRequested();
  void recentFileChosen(const QString& path);
  void exitRequested();
  void toolbarToggleRequested();
  void arrangeRequested(morvane::WindowArrangement arrangement);
  void aboutRequested();
  void findRequested();
  void findNextRequested();
  void replaceNextRequested();
  // A file was written: the recent-files list takes it.
  void fileSaved(const QString& path);
  // The recent-files list must be validated and shown again.
  void recentFilesOutdated();
  // Options > Protocol Word Wrap was chosen: the frame switches every window.
  void protocolWordWrapRequested();
  // Help > Language Reference (F1), with the keywords the editor's caret
  // may stand on, the likeliest first.
  void helpRequested(const QStringList& keywords);
  // The window was closed (its slot is free).
  void unloaded(morvane::DocumentWindow* window);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createActions();
  void createDebugActions();
  void setUpDebugging();
  void fillWindowList();
  void fillFontMenu();
  void applyLayout();
  void showCanvasDrawnOn();
  void setCaption(const QString& caption, bool hasFile);
  void unload();
  void finishUnload();
  void graficCopy();
  void graficPaste();
  void graficDelete();
  void exportPicture();
  void chooseFont(const QString& name);
  void chooseFontSize(int size);
  void restoreFontDefaults();
  int dialogFontSize() const;

  Workspace& m_workspace;
  SettingsStore& m_settings;

  ProgramEditor* m_editor;
  ProtocolBox* m_protocol;
  CanvasView* m_canvasView;
  StatusStrip* m_status;
  BreakpointLines* m_breakpoints;
  LineNumberGutter* m_gutter;
  SyntaxColouring* m_colouring;
  DebugSession* m_debug;
  VariablesView* m_variables;
  QAction* m_variablesAction = nullptr;
  DocumentFont m_font;
  std::unique_ptr<NotePadHost> m_host;
  std::int32_t m_slot = 0;
  std::unique_ptr<RunSession> m_session;
  QTimer* m_unwindCheck;

  DocumentLayout m_layout;
  PaneLayout m_panes;
  bool m_settingUp = true;  // no layout until the window is complete
  Splitter m_dragging = Splitter::None;
  bool m_canvasRevealPending = false;  // a drawing's check of the canvas width waits

  bool m_hasFile = false;
  ProgramFileFormat m_format;
  bool m_unloaded = false;

  QMenu* m_fileMenu = nullptr;
  QMenu* m_editMenu = nullptr;
  QMenu* m_searchMenu = nullptr;
  QMenu* m_executeMenu = nullptr;
  QMenu* m_optionsMenu = nullptr;
  QMenu* m_fontNameMenu = nullptr;
  QMenu* m_windowMenu = nullptr;
  QAction* m_windowListSeparator = nullptr;  // the open windows follow it
  QAction* m_aboutAction = nullptr;
  QAction* m_toolbarAction = nullptr;
  QAction* m_wordWrapAction = nullptr;
  QMenu* m_helpMenu = nullptr;
  QList<QAction*> m_recentFileActions;
  QAction* m_recentSeparator = nullptr;
};

}  // namespace morvane
