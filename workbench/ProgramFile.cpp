#include "workbench/ProgramFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include "exec/ProgramFile.h"
#include "workbench/CodePage.h"

namespace morvane {

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
const QByteArray Utf8ByteOrderMark("\xEF\xBB\xBF");

// Every CR LF, lone CR and lone LF becomes one '\n'.
QString withLineFeeds(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == QLatin1Char(CR)) {
      out.append(QLatin1Char(LF));
      if (i + 1 < text.size() && text[i + 1] == QLatin1Char(LF)) ++i;
    } else {
      out.append(c);
    }
  }
  return out;
}

// LF when the text has line ends and each is a bare LF.
LineEnds lineEndsOf(const QByteArray& bytes) {
  bool anyLf = false;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == CR) return LineEnds::CrLf;
    if (bytes[i] == LF) anyLf = true;
  }
  return anyLf ? LineEnds::Lf : LineEnds::CrLf;
}

}  // namespace

ProgramText DecodeProgram(const QByteArray& bytes) {
  ProgramText program;
  const QByteArray& body = bytes;
  program.format.lineEnds = lineEndsOf(bytes);

  // The decoder drops a byte-order mark; the format remembers it.
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(body);
  if (!utf8.hasError()) {
    program.format.encoding = TextEncoding::Utf8;
    program.format.byteOrderMark = body.startsWith(Utf8ByteOrderMark);
  } else {
    program.format.encoding = TextEncoding::CodePage;
    text = DecodeCodePage(std::string_view(body.constData(), static_cast<std::size_t>(body.size())));
  }
  program.text = withLineFeeds(text);
  return program;
}

QByteArray EncodeProgram(QStringView text, const ProgramFileFormat& format) {
  QString lines = text.toString();
  if (format.lineEnds == LineEnds::CrLf) lines.replace(QLatin1Char(LF), QLatin1String("\r\n"));
  if (format.encoding == TextEncoding::CodePage) {
    const std::string bytes = EncodeCodePage(lines);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
  }
  QByteArray bytes = lines.toUtf8();
  if (format.byteOrderMark) bytes.prepend(Utf8ByteOrderMark);
  return bytes;
}

ProgramReadStatus ReadProgramFile(const QString& path, ProgramText& program) {
  const QFileInfo info(path);
  if (info.isDir()) return ProgramReadStatus::CannotRead;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return ProgramReadStatus::CannotRead;
  if (file.size() > LargestProgramFile) return ProgramReadStatus::TooBig;
  // Read one byte more than allowed, for files whose size is not known ahead.
  const QByteArray bytes = file.read(LargestProgramFile + 1);
  if (file.error() != QFileDevice::NoError) return ProgramReadStatus::CannotRead;
  if (bytes.size() > LargestProgramFile) return ProgramReadStatus::TooBig;
  program = DecodeProgram(bytes);
  return ProgramReadStatus::Loaded;
}

bool WriteProgramFile(const QString& path, QStringView text, const ProgramFileFormat& format) {
  const QByteArray bytes = EncodeProgram(text, format);
  QSaveFile file(path);
  // No fallback to writing the target in place: that could truncate it.
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

QString ShortenedName(const QString& path) {
  constexpr qsizetype Longest = 25;
  constexpr qsizetype Kept = 22;
  if (path.size() <= Longest) return path;
  return QStringLiteral("...") + path.right(Kept);
}

}  // namespace morvane
