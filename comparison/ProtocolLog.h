#pragma once
// A protocol view that writes every change of the protocols it watches down
// as a line: the kind of edit, the text inserted and where the caret stands
// afterwards. Two runs that show the same protocol leave the same log.

#include <string>
#include <string_view>

#include "exec/ProtocolBuffer.h"

namespace morvane {

class ProtocolLog final : public ProtocolView {
 public:
  void protocolChanged(const ProtocolBuffer& protocol, ProtocolEdit edit, std::string_view text) override;

  const std::string& text() const { return m_text; }
  // Forgets what was written down, to compare the next run on its own.
  void clear() { m_text.clear(); }

 private:
  std::string m_text;
};

}  // namespace morvane
