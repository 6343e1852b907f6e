#pragma once
// What a document window offers the interpreter (DocumentHost): its editor
// as CR LF text in the code page, the editor's lock and highlight, the font,
// the run lamp, the protocol box and the canvas.

#include <optional>
#include <string>

#include <QString>

#include "exec/Host.h"

namespace morvane {

class CanvasView;
class ProgramEditor;
class ProtocolBox;
class RunLamp;

// The font of a window's editor, protocol and canvas, by the name the user
// chose (which the platform may show with a substitute).
struct DocumentFont {
  QString name;
  int size = 12;
};

class NotePadHost final : public DocumentHost {
 public:
  NotePadHost(ProgramEditor& editor, ProtocolBox& protocol, RunLamp& lamp, CanvasView& canvas,
              const DocumentFont& font)
      : m_editor(editor), m_protocol(protocol), m_lamp(lamp), m_canvas(canvas), m_font(font) {}

  std::string editorText() const override;
  void setEditorLocked(bool locked) override;
  void selectEditorText(Position start, Position length) override;
  std::string editorFontName() const override;
  double editorFontSize() const override;
  void setLamp(Lamp lamp) override;
  void enableProtocol() override;
  bool protocolVisible() const override;
  void focusProtocol() override;
  Canvas& canvas() override;
  void setEditorText(std::string_view text) override;

  // The program of the window: while RUN shows an instruction file in the
  // editor, the text the editor held before (exactly as typed).
  QString program() const;

 private:
  ProgramEditor& m_editor;
  ProtocolBox& m_protocol;
  RunLamp& m_lamp;
  CanvasView& m_canvas;
  const DocumentFont& m_font;
  // While RUN shows an instruction file: the editor's own text, and the
  // same as the interpreter reads it (RUN gives that back at its end).
  std::optional<QString> m_callerProgram;
  std::string m_callerInterpreterText;
};

}  // namespace morvane
