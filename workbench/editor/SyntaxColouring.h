#pragma once
// The colours of the program editor: keywords, strings, comments, numbers,
// labels and the names of procedures. The keywords are the interpreter's own
// (its table of statement keywords and the words inside statements), so a
// word is coloured exactly when the interpreter reads it as a keyword. Each
// editor line is coloured on its own, in one pass over its characters.

#include <QSet>
#include <QString>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace morvane {

// What a stretch of a line is.
enum class TokenClass { Keyword, String, Comment, Number, Label, Procedure };

class SyntaxColouring final : public QSyntaxHighlighter {
  Q_OBJECT

 public:
  explicit SyntaxColouring(QTextDocument* document);

  // Off leaves the text in the editor's plain colour.
  void setEnabled(bool enabled);
  bool isEnabled() const { return m_enabled; }

  // The format of a token class (tests compare the colours of a sample line).
  const QTextCharFormat& format(TokenClass token) const;

  // The upper-case words the colouring takes for keywords.
  static const QSet<QString>& keywordWords();

 protected:
  void highlightBlock(const QString& text) override;

 private:
  bool m_enabled = true;
  QTextCharFormat m_formats[6];
};

}  // namespace morvane
