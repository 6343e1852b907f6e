#include "workbench/NotePadHost.h"

#include "workbench/CanvasView.h"
#include "workbench/CodePage.h"
#include "workbench/ProgramEditor.h"
#include "workbench/ProtocolBox.h"
#include "workbench/StatusStrip.h"

namespace morvane {

std::string NotePadHost::editorText() const { return m_editor.interpreterText(); }

void NotePadHost::setEditorLocked(bool locked) { m_editor.setReadOnly(locked); }

// A line about to wait for its step: the protocol shows all that came
// before it.
void NotePadHost::selectEditorText(Position start, Position length) {
  m_protocol.showHeldBack();
  m_editor.selectInterpreterRange(start, length);
}

std::string NotePadHost::editorFontName() const { return EncodeCodePage(m_font.name); }

double NotePadHost::editorFontSize() const { return m_font.size; }

// Every key handler ends by setting the lamp, and so does every run: the
// protocol then shows all that was written meanwhile, so a window that is
// idle again holds nothing back. (The protocol holds a run's output back
// until the window gets its next chance, see ProtocolBox.)
void NotePadHost::setLamp(Lamp lamp) {
  m_protocol.showHeldBack();
  m_lamp.setLamp(lamp);
}

// The protocol is enabled when it is to be typed into (INPUT, the end of a
// run): the prompt and everything before it must show.
void NotePadHost::enableProtocol() {
  m_protocol.showHeldBack();
  m_protocol.setEnabled(true);
}

bool NotePadHost::protocolVisible() const { return !m_protocol.isHidden(); }

void NotePadHost::focusProtocol() { m_protocol.setFocus(Qt::OtherFocusReason); }

QString NotePadHost::program() const { return m_callerProgram ? *m_callerProgram : m_editor.programText(); }

Canvas& NotePadHost::canvas() { return m_canvas.drawing(); }

void NotePadHost::setEditorText(std::string_view text) {
  // The first text RUN shows stands in for the program; when RUN gives the
  // program back, the editor gets it exactly as it was typed (letters the
  // interpreter's code page lacks included).
  if (!m_callerProgram) {
    m_callerProgram = m_editor.programText();
    m_callerInterpreterText = m_editor.interpreterText();
  }
  if (text == m_callerInterpreterText) {
    m_editor.setProgramText(*m_callerProgram);
    m_callerProgram.reset();
    m_callerInterpreterText.clear();
    return;
  }
  // CR LF (and a lone CR or LF) is one line end of the editor.
  QString lines = DecodeCodePage(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  m_editor.setProgramText(lines);
}

}  // namespace morvane
