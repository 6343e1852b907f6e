#include "exec/InstructionFileStatements.h"

#include "core/EngineServices.h"
#include "core/Messages.h"
#include "exec/ExecuteStatement.h"
#include "exec/FileNameArgument.h"
#include "exec/Host.h"
#include "exec/ProgramFile.h"
#include "exec/RunControl.h"
#include "prepare/Scanning.h"
#include "prepare/StructureCheck.h"

namespace morvane {

namespace {

// While an instruction file runs, the editor shows it. Whatever way the RUN
// ends, the editor gets back the text it held before, and the window's
// changed flag is cleared again if it was clear.
class EditorShowsInstructionFile {
 public:
  EditorShowsInstructionFile(Document& document, std::string_view fileText)
      : m_document(document), m_wasChanged(document.changed) {
    if (m_document.host == nullptr) return;
    m_callerText = m_document.host->editorText();
    m_document.host->setEditorText(fileText);
    restoreChangedFlag();
  }
  ~EditorShowsInstructionFile() {
    // Nothing is written to a window that was closed meanwhile.
    if (m_document.host == nullptr || m_document.free) return;
    m_document.host->setEditorText(m_callerText);
    restoreChangedFlag();
  }
  EditorShowsInstructionFile(const EditorShowsInstructionFile&) = delete;
  EditorShowsInstructionFile& operator=(const EditorShowsInstructionFile&) = delete;

 private:
  void restoreChangedFlag() {
    if (!m_wasChanged) m_document.changed = false;
  }

  Document& m_document;
  bool m_wasChanged;
  std::string m_callerText;
};

// The inner message of an instruction file, named after the file. The
// window's own closing passes through as it is, so nothing is written to it.
Completion failInFile(StatementContext& ctx, const std::string& name) {
  InterpreterState& s = ctx.state;
  if (s.message == msg::Deleted) return Completion::PlainExit;
  s.message = msg::InFile(name, s.message);
  return Completion::ErrorExit;
}

Completion runInstructionFile(StatementContext& ctx, const std::string& name) {
  InterpreterState& s = ctx.state;
  FileTable& files = ctx.workspace.files();
  // 1. Open the file under the system's number for instruction files.
  if (!files.openForReading(SystemFile::InstructionFile, name)) {
    return ctx.fail(msg::CannotOpenInstructionFile);
  }
  // 2. It must be shorter than 64000 bytes.
  const std::int64_t length = files.length(SystemFile::InstructionFile);
  if (length < 0 || length >= InstructionFileLimit) {
    files.close(SystemFile::InstructionFile);
    return ctx.fail(length < 0 ? msg::CannotOpenInstructionFile : msg::InstructionFileTooLong);
  }
  // 3. A store of its own, the editor showing the file meanwhile.
  std::string text;
  const bool read = files.readAll(SystemFile::InstructionFile, text);
  // 4. The line table is sized by its line ends and colons; the file is closed.
  files.close(SystemFile::InstructionFile);
  if (!read) return ctx.fail(msg::CannotOpenInstructionFile);
  // Files written on Linux end their lines with LF alone: they are read as
  // the workbench opens a program, with CR LF line ends.
  text = WithCrLfLineEnds(text);
  EditorShowsInstructionFile editor(ctx.document, text);
  ProgramChars chars = ProgramChars::forProgram(text);
  LineTable lines(lineTableCapacity(text));
  // 5. Single step starts the file on a line of its own.
  if (ctx.singleStep()) ctx.print(CRLF);
  // 6. The file's structure.
  s.message = CheckProgramStructure(chars, lines);
  if (!s.message.empty()) return failInFile(ctx, name);
  // 7. The file runs as a nested level that shares this level's message,
  // result, variables, arguments and window.
  std::int32_t argCount = s.argCount;
  InterpreterState level{chars, lines, 1, s.message, s.resultValue, s.localTable,
                         s.argValues, argCount, s.windowIndex, s.services};
  ExecuteStatement(level, ctx.workspace);
  // 8. Whatever ended it (an error, END, STOP, an interruption) is reported
  // as an error of the RUN line, naming the file.
  if (!s.message.empty() && s.message != msg::ProgramExecutionTerminated) return failInFile(ctx, name);
  // 9. Done: the editor gets its program back, and the run goes on.
  if (ctx.singleStep()) {
    ctx.print(name);
    ctx.print(msg::Finished);
    ctx.print(CRLF);
  }
  s.message.clear();
  s.currentLine += 1;
  ctx.entryFlag = EntryFlag::InSequence;
  return Completion::NextLine;
}

// EXECUTE, EXECUTEGRAFIC and EDIT: the file in a new window.
Completion openInWindow(StatementContext& ctx, const std::string& name, WindowLayout layout, bool run) {
  InterpreterState& s = ctx.state;
  const std::string failure = run ? msg::UnableToStart(name) : msg::UnableToEdit(name);
  const std::int32_t window = ctx.workspace.system().openDocumentWindow(name, layout);
  if (window == 0) return ctx.fail(failure);
  // The new window's program runs within this statement, to its end or its
  // first wait.
  if (run) RunControl(ctx.workspace, window).Text2_KeyDown(KeyCode::F5Run, 1);
  s.message.clear();
  if (ctx.singleStep() && !ctx.document.free) {
    ctx.print(" ");
    ctx.print(name);
    ctx.print(msg::Started);
    ctx.print(CRLF);
  }
  s.currentLine += 1;
  ctx.entryFlag = EntryFlag::InSequence;
  return Completion::NextLine;
}

}  // namespace

Completion ExecuteInstructionFile(StatementContext& ctx) {
  if (ctx.argumentStart == 0) return ctx.fail(msg::SpecifyFilename);
  // A file that runs itself, or a program that starts itself in a new
  // window, nests without end: such runs count as nested calls.
  ExpressionWorkspaces::CallGuard nesting(ctx.state.services.expressionWorkspaces());
  if (!nesting.allowed()) return ctx.fail(msg::TooManyNestedCalls);
  const std::string name =
      TakeFileName(ctx, ctx.argumentStart, ctx.lastPosition, UnquotedName::UpToFirstBlank);
  if (name.empty()) return ctx.fail(msg::SpecifyFilename);
  const std::string_view k = ctx.keyword;
  if (k == "RUN") return runInstructionFile(ctx, name);
  if (k == "EXECUTE") return openInWindow(ctx, name, WindowLayout::Usual, true);
  if (k == "EXECUTEGRAFIC") return openInWindow(ctx, name, WindowLayout::CanvasOnly, true);
  return openInWindow(ctx, name, WindowLayout::EditorOnly, false);
}

Completion ExecuteTerminate(StatementContext& ctx) {
  // The window closes without asking about unsaved changes; its run ends
  // silently.
  ctx.document.changed = false;
  ctx.workspace.system().unloadDocumentWindow(ctx.state.windowIndex);
  ctx.state.message.assign(msg::Deleted);
  return Completion::PlainExit;
}

}  // namespace morvane
