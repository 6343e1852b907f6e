#pragma once
// Program files as the workbench opens and saves them.
//
// The rule for a file's characters: a file whose bytes are valid UTF-8 is
// read as UTF-8 and saved back as UTF-8 (a byte-order mark is kept); any
// other file comes from an older system and is read and saved in the
// single-byte code page (Windows-1252). The rule for line ends: a file whose
// lines all end in a bare LF is saved with LF; every other file with CR LF.
// A lone CR reads as a line end. So a file opened and saved unchanged keeps
// its bytes. A new document is saved as UTF-8 with CR LF.
//
// Saving never leaves a half-written file: the text is written beside the
// target and replaces it only when the whole write succeeded.

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace morvane {

enum class TextEncoding { Utf8, CodePage };
enum class LineEnds { CrLf, Lf };

struct ProgramFileFormat {
  TextEncoding encoding = TextEncoding::Utf8;
  LineEnds lineEnds = LineEnds::CrLf;
  bool byteOrderMark = false;
  bool operator==(const ProgramFileFormat&) const = default;
};

// Editor text: one '\n' per line end.
struct ProgramText {
  QString text;
  ProgramFileFormat format;
};

ProgramText DecodeProgram(const QByteArray& bytes);
QByteArray EncodeProgram(QStringView text, const ProgramFileFormat& format);

enum class ProgramReadStatus { Loaded, CannotRead, TooBig };

// Reads a program file of at most LargestProgramFile bytes.
ProgramReadStatus ReadProgramFile(const QString& path, ProgramText& program);

// Writes the text beside the target and renames it over the target; false
// (and the target as it was) when anything fails.
[[nodiscard]] bool WriteProgramFile(const QString& path, QStringView text, const ProgramFileFormat& format);

// A path longer than 25 characters as "..." and its last 22 characters.
QString ShortenedName(const QString& path);

}  // namespace morvane
