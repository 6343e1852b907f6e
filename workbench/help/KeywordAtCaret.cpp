#include "workbench/help/KeywordAtCaret.h"

#include <QList>

namespace morvane {

namespace {

struct Word {
  qsizetype start = 0;
  qsizetype end = 0;  // one past the last character
};

bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

QList<Word> wordsOf(const QString& line) {
  QList<Word> words;
  for (qsizetype i = 0; i < line.size();) {
    if (!isWordCharacter(line[i])) {
      ++i;
      continue;
    }
    Word w{i, i};
    while (w.end < line.size() && isWordCharacter(line[w.end])) ++w.end;
    words.append(w);
    i = w.end;
  }
  return words;
}

// Two words form one keyword only when nothing but blanks parts them.
bool onlyBlanksBetween(const QString& line, const Word& left, const Word& right) {
  for (qsizetype i = left.end; i < right.start; ++i) {
    if (line[i] != QLatin1Char(' ') && line[i] != QLatin1Char('\t')) return false;
  }
  return true;
}

}  // namespace

QStringList KeywordsAtCaret(const QString& line, int column) {
  const QList<Word> words = wordsOf(line);
  qsizetype at = -1;
  for (qsizetype i = 0; i < words.size(); ++i) {
    if (words[i].start <= column && column <= words[i].end) {
      at = i;
      break;
    }
  }
  if (at < 0) return {};
  const auto text = [&line](const Word& w) { return line.mid(w.start, w.end - w.start).toUpper(); };
  const QString word = text(words[at]);

  QStringList candidates;
  if (at > 0 && onlyBlanksBetween(line, words[at - 1], words[at])) {
    candidates.append(text(words[at - 1]) + QLatin1Char(' ') + word);
  }
  const bool joinedToNext = at + 1 < words.size() && onlyBlanksBetween(line, words[at], words[at + 1]);
  if (joinedToNext) candidates.append(word + QLatin1Char(' ') + text(words[at + 1]));
  candidates.append(word);
  QString withoutDigits = word;
  while (!withoutDigits.isEmpty() && withoutDigits.back().isDigit()) withoutDigits.chop(1);
  if (!withoutDigits.isEmpty() && withoutDigits != word) candidates.append(withoutDigits);
  // A word that leads others ("DRAW" of "DRAW BRICK") is described under the next.
  if (joinedToNext) candidates.append(text(words[at + 1]));
  return candidates;
}

}  // namespace morvane
