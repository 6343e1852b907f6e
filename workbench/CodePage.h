#pragma once
// The single-byte code page the interpreter works in: Windows-1252 (Latin-1
// with printable characters in 0x80..0x9F). The workbench converts the
// editor's Unicode text to it for a run, and back for the protocol.

#include <string>
#include <string_view>

#include <QChar>
#include <QString>
#include <QStringView>

namespace morvane {

// The byte a character becomes; '?' for a character the code page lacks.
char ToCodePage(char32_t character);
// The character a byte stands for. The five bytes the code page leaves
// unassigned stand for the control characters of the same number, so every
// byte survives a round trip.
char16_t FromCodePage(unsigned char byte);

// Whole texts. A surrogate pair (a character beyond the Basic Multilingual
// Plane) becomes one '?'.
std::string EncodeCodePage(QStringView text);
QString DecodeCodePage(std::string_view bytes);

}  // namespace morvane
