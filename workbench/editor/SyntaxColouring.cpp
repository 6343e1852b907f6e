#include "workbench/editor/SyntaxColouring.h"

#include <span>

#include <QColor>

#include "exec/StatementKind.h"

namespace morvane {

namespace {

bool isNameStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isNamePart(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }
bool isSuffix(QChar c) { return QStringView(u"#!&%$").contains(c); }

// The index past a number beginning at i: digits, a decimal point, and an
// exponent ("1.5E-3").
qsizetype numberEnd(const QString& text, qsizetype i) {
  const qsizetype n = text.size();
  while (i < n && (text[i].isDigit() || text[i] == QLatin1Char('.'))) ++i;
  if (i + 1 < n && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
    qsizetype j = i + 1;
    if (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')) ++j;
    if (j < n && text[j].isDigit()) {
      while (j < n && text[j].isDigit()) ++j;
      i = j;
    }
  }
  return i;
}

// A line that holds a name followed by a colon and nothing else is a label.
bool isLabelLine(const QString& text, qsizetype& nameStart, qsizetype& nameEnd) {
  const QString trimmed = text.trimmed();
  if (trimmed.size() < 2 || !trimmed.endsWith(QLatin1Char(':')) || !isNameStart(trimmed[0])) return false;
  for (qsizetype i = 1; i + 1 < trimmed.size(); ++i) {
    if (!isNamePart(trimmed[i])) return false;
  }
  nameStart = text.indexOf(trimmed[0]);
  nameEnd = nameStart + trimmed.size() - 1;
  return true;
}

QTextCharFormat coloured(const QColor& colour, bool bold = false, bool italic = false) {
  QTextCharFormat format;
  format.setForeground(colour);
  if (bold) format.setFontWeight(QFont::Bold);
  format.setFontItalic(italic);
  return format;
}

}  // namespace

const QSet<QString>& SyntaxColouring::keywordWords() {
  // Every word of the statement keywords ("END IF" gives END and IF) and the
  // words inside statements.
  static const QSet<QString> words = [] {
    QSet<QString> set;
    for (const StatementKeywordEntry& entry : StatementKeywords) {
      const QString text = QString::fromLatin1(entry.text.data(), static_cast<qsizetype>(entry.text.size()));
      for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) set.insert(word);
    }
    for (const auto list : {std::span<const std::string_view>(ClauseWords),
                              std::span<const std::string_view>(DeclarationTypes)}) {
      for (std::string_view word : list) set.insert(QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
    }
    return set;
  }();
  return words;
}

SyntaxColouring::SyntaxColouring(QTextDocument* document) : QSyntaxHighlighter(document) {
  m_formats[static_cast<int>(TokenClass::Keyword)] = coloured(QColor(0, 0, 160), true);
  m_formats[static_cast<int>(TokenClass::String)] = coloured(QColor(163, 21, 21));
  m_formats[static_cast<int>(TokenClass::Comment)] = coloured(QColor(0, 128, 0), false, true);
  m_formats[static_cast<int>(TokenClass::Number)] = coloured(QColor(9, 134, 88));
  m_formats[static_cast<int>(TokenClass::Label)] = coloured(QColor(175, 0, 219), true);
  m_formats[static_cast<int>(TokenClass::Procedure)] = coloured(QColor(121, 94, 38), true);
}

void SyntaxColouring::setEnabled(bool enabled) {
  if (enabled == m_enabled) return;
  m_enabled = enabled;
  rehighlight();
}

const QTextCharFormat& SyntaxColouring::format(TokenClass token) const {
  return m_formats[static_cast<int>(token)];
}

void SyntaxColouring::highlightBlock(const QString& text) {
  if (!m_enabled) return;
  const QSet<QString>& keywords = keywordWords();

  qsizetype labelStart = 0;
  qsizetype labelEnd = 0;
  if (isLabelLine(text, labelStart, labelEnd)) {
    setFormat(static_cast<int>(labelStart), static_cast<int>(labelEnd - labelStart), format(TokenClass::Label));
    return;
  }

  // What the word before announced: a procedure's name after SUB, FUNCTION
  // or CALL (not after END SUB), a label after GOTO.
  enum class Expect { Nothing, Procedure, Label } expect = Expect::Nothing;
  QString previousWord;
  const qsizetype n = text.size();
  qsizetype i = 0;
  while (i < n) {
    const QChar c = text[i];
    const qsizetype start = i;
    if (c == QLatin1Char('"')) {
      // A string runs to its closing quote (or, unfinished, to the line's end).
      const qsizetype close = text.indexOf(QLatin1Char('"'), i + 1);
      i = close < 0 ? n : close + 1;
      setFormat(static_cast<int>(start), static_cast<int>(i - start), format(TokenClass::String));
      expect = Expect::Nothing;
    } else if (c == QLatin1Char('\'')) {
      setFormat(static_cast<int>(start), static_cast<int>(n - start), format(TokenClass::Comment));
      return;
    } else if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < n && text[i + 1].isDigit())) {
      i = numberEnd(text, i);
      setFormat(static_cast<int>(start), static_cast<int>(i - start), format(TokenClass::Number));
    } else if (isNameStart(c)) {
      while (i < n && isNamePart(text[i])) ++i;
      const QString word = text.mid(start, i - start).toUpper();
      if (i < n && isSuffix(text[i])) ++i;
      if (expect == Expect::Procedure && !keywords.contains(word)) {
        setFormat(static_cast<int>(start), static_cast<int>(i - start), format(TokenClass::Procedure));
        expect = Expect::Nothing;
      } else if (expect == Expect::Label) {
        setFormat(static_cast<int>(start), static_cast<int>(i - start), format(TokenClass::Label));
        expect = Expect::Nothing;
      } else if (keywords.contains(word)) {
        setFormat(static_cast<int>(start), static_cast<int>(i - start), format(TokenClass::Keyword));
        const bool ends = previousWord == QLatin1String("END") || previousWord == QLatin1String("EXIT");
        if ((word == QLatin1String("SUB") || word == QLatin1String("FUNCTION") || word == QLatin1String("CALL") ||
             word == QLatin1String("INLINESUB") || word == QLatin1String("INLINEFUNCTION")) && !ends) {
          expect = Expect::Procedure;
        } else if (word == QLatin1String("GOTO")) {
          expect = Expect::Label;
        }
      } else {
        expect = Expect::Nothing;
      }
      previousWord = word;
    } else {
      ++i;
    }
  }
}

}  // namespace morvane
