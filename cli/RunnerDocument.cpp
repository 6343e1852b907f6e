#include "cli/RunnerDocument.h"

#include <algorithm>

namespace morvane {

RunnerDocument::RunnerDocument(RunnerOutput& output, Canvas& canvas, std::unique_ptr<Canvas> ownCanvas)
    : m_output(output), m_ownCanvas(std::move(ownCanvas)), m_canvas(canvas) {}

void RunnerDocument::attach(Workspace& workspace, std::int32_t windowIndex) {
  m_windowIndex = windowIndex;
  m_control = std::make_unique<RunControl>(workspace, windowIndex);
  document().protocol.setView(this);
}

void RunnerDocument::protocolChanged(const ProtocolBuffer&, ProtocolEdit edit, std::string_view text) {
  if (edit != ProtocolEdit::Inserted || m_silent) return;
  if (m_skip > 0) {
    const std::size_t skipped = std::min(m_skip, text.size());
    m_skip -= skipped;
    text.remove_prefix(skipped);
  }
  m_output.write(text);
}

}  // namespace morvane
