#include "workbench/CodePage.h"

#include "core/CodePageTable.h"

namespace morvane {

namespace {
constexpr char Unmappable = '?';
}  // namespace

char ToCodePage(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
    return static_cast<char>(static_cast<unsigned char>(character));
  }
  for (std::size_t i = 0; i < CodePageHighControls.size(); ++i) {
    if (CodePageHighControls[i] == character) return static_cast<char>(static_cast<unsigned char>(0x80 + i));
  }
  return Unmappable;
}

char16_t FromCodePage(unsigned char byte) { return CodePageCharacter(byte); }

std::string EncodeCodePage(QStringView text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      bytes.push_back(Unmappable);
      ++i;
      continue;
    }
    bytes.push_back(ToCodePage(c.unicode()));
  }
  return bytes;
}

QString DecodeCodePage(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char b : bytes) text.append(QChar(FromCodePage(static_cast<unsigned char>(b))));
  return text;
}

}  // namespace morvane
