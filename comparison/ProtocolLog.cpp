#include "comparison/ProtocolLog.h"

namespace morvane {

void ProtocolLog::protocolChanged(const ProtocolBuffer& protocol, ProtocolEdit edit, std::string_view text) {
  m_text += std::to_string(static_cast<int>(edit));
  m_text += text;
  m_text += '|';
  m_text += std::to_string(protocol.cursor());
  m_text += '\n';
}

}  // namespace morvane
