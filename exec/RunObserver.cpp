#include "exec/RunObserver.h"

#include "core/Messages.h"
#include "exec/Host.h"
#include "exec/StatementContext.h"
#include "prepare/StructureCheck.h"

namespace morvane {

// ---- LevelView -------------------------------------------------------------------

LineNumber LevelView::editorLine() const { return m_ctx.state.lines.sourceLine(m_ctx.state.currentLine); }

bool LevelView::beginsEditorLine() const {
  const LineTable& lines = m_ctx.state.lines;
  const LineNumber s = m_ctx.state.currentLine;
  return s == 1 || lines.sourceLine(s - 1) != lines.sourceLine(s);
}

bool LevelView::atEndOfProgram() const { return m_ctx.keyword.empty(); }

bool LevelView::commandLine() const { return m_ctx.document.runState == RunState::Command; }

const void* LevelView::program() const { return &m_ctx.state.programChars; }

const std::string& LevelView::message() const { return m_ctx.state.message; }

bool LevelView::endedByFault() const {
  const std::string& m = m_ctx.state.message;
  return !m.empty() && m != msg::End && m != msg::Stop && m != msg::ExecutionInterrupted && m != msg::Deleted;
}

std::vector<VariableEntry> LevelView::locals() const { return ListVariables(m_ctx.state.localTable); }

std::vector<VariableEntry> LevelView::globals() const { return ListVariables(m_ctx.workspace.globals()); }

// ---- The executor's side -----------------------------------------------------------

namespace {

// The window's observer, unless the window has been closed meanwhile.
RunObserver* observerOf(const Document& document) { return document.free ? nullptr : document.observer; }

}  // namespace

void ObserveLine(StatementContext& ctx) {
  Document& document = ctx.document;
  RunObserver* observer = observerOf(document);
  if (observer == nullptr) return;
  const LevelView level(ctx);
  if (document.runState == RunState::Running && observer->beforeLine(level) == LineAction::EnterSingleStep) {
    // As Pause does: the line is highlighted next and waits for a step.
    document.runState = RunState::StepOne;
    if (document.host != nullptr) document.host->setLamp(Lamp::Yellow);
  }
  if (document.runState == RunState::StepOne) observer->waitsAtLine(level);
}

void ReportStructureFault(Document& document, std::string_view checkMessage) {
  if (RunObserver* observer = observerOf(document)) observer->structureFault(FaultLineOf(checkMessage));
}

LevelWatch::LevelWatch(StatementContext& ctx) : m_ctx(ctx) {
  if (RunObserver* observer = observerOf(m_ctx.document)) observer->levelEntered(LevelView(m_ctx));
}

LevelWatch::~LevelWatch() {
  RunObserver* observer = observerOf(m_ctx.document);
  if (observer == nullptr || m_ctx.state.message == msg::Deleted) return;
  observer->levelLeft(LevelView(m_ctx));
}

}  // namespace morvane
