#include "prepare/Scanning.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/Messages.h"
#include "core/NumberText.h"

namespace morvane {

namespace {

constexpr char Colon = ':';
constexpr char Underscore = '_';

// The first words that take one more word into the keyword (END IF, FOR I=,
// DRAW LINE ...).
constexpr std::array<std::string_view, 9> TwoWordKeywords{
    "EXIT", "END", "DO", "LOOP", "FOR", "NEXT", "DRAW", "CONTINUE", "INLINE"};

bool isTwoWordKeyword(std::string_view keyword) {
  return std::find(TwoWordKeywords.begin(), TwoWordKeywords.end(), keyword) !=
         TwoWordKeywords.end();
}

// The continuation mark: blank, "_", blank.
bool isContinuation(const ProgramChars& chars, Position i) {
  return isBlank(chars.at(i)) && chars.at(i + 1) == Underscore && isBlank(chars.at(i + 2));
}

// The characters at p .. p + word.size() - 1, upper-cased, equal the word.
bool matchesUpper(const ProgramChars& chars, Position p, std::string_view word) {
  for (const char w : word) {
    if (chars.upperAt(p) != w) return false;
    ++p;
  }
  return true;
}

// LineStart(s + 1), 0 when s + 1 lies outside the table (no overflow for any s).
Position nextLineStart(const LineTable& lines, LineNumber s) {
  return (s >= 0 && s < lines.capacity()) ? lines.lineStart(s + 1) : 0;
}

// A range's end clipped to the store. A position outside the store reads as
// CR, which ends every scan; clipping keeps the loops and their answers inside
// the text whatever range a caller hands in.
Position clipTo(const ProgramChars& chars, Position to) { return std::min(to, chars.size()); }

// The type suffixes a variable's name may carry.
bool isTypeSuffix(char c) { return c == '#' || c == '!' || c == '&' || c == '%' || c == '$'; }

// The assignment look-ahead for a target with blanks inside its parentheses,
// as in A(J + 1) = T: from `from`, a name (a letter, name characters, perhaps
// a type suffix) followed directly by "(", everything up to the matching ")"
// (strings and continuation marks passed over), then blanks and "=". On
// success `target` holds the target upper-cased without its blanks (those
// inside strings kept) and `close` the position of the ")".
bool readIndexedTarget(const ProgramChars& chars, Position from, Position last, std::string& target,
                       Position& close) {
  Position i = FirstNonBlank(chars, from, last);
  if (i == 0 || !isLetterAtoZ(chars.upperAt(i))) return false;
  target.clear();
  while (i < last && isNameChar(chars.upperAt(i))) target.push_back(chars.upperAt(i++));
  if (i < last && isTypeSuffix(chars.at(i))) target.push_back(chars.at(i++));
  if (chars.at(i) != '(') return false;
  // Up to the matching ")"; the statement ends at a comment, a CR or ": ".
  int depth = 0;
  for (; i <= last; ++i) {
    const char c = chars.at(i);
    if (isContinuation(chars, i)) {
      while (i < last && chars.at(i) != CR) ++i;
      continue;
    }
    if (c == CommentMark || c == CR || (c == Colon && isBlank(chars.at(i + 1)))) return false;
    if (c == Quote) {
      target.push_back(c);
      for (++i; i <= last && chars.at(i) != Quote; ++i) {
        if (chars.at(i) == CR) return false;
        target.push_back(upperChar(chars.at(i)));
      }
      if (i > last) return false;
      target.push_back(Quote);
      continue;
    }
    if (isBlank(c)) continue;
    target.push_back(upperChar(c));
    if (c == '(') ++depth;
    if (c == ')' && --depth == 0) break;
  }
  if (i > last) return false;
  close = i;
  // The first significant character after the ")" decides.
  const Position next = FirstNonBlank(chars, close + 1, last);
  return next != 0 && chars.at(next) == '=';
}

std::string lineFault(LineNumber editorLine, std::string_view fault) {
  std::string text(msg::LinePrefix);
  text.append(NumberText(editorLine)).append(fault);
  return text;
}

}  // namespace

// ---------------------------------------------------------------------------
// SplitProgram
// ---------------------------------------------------------------------------
std::string SplitProgram(const ProgramChars& chars, LineTable& lines) {
  // A check rebuilds the table: every entry 0, the capacity kept.
  lines.dimension(lines.capacity());

  const Position n = chars.size();
  Position i = 0;
  LineNumber editorLine = 1;
  LineNumber c = 1;

  // Step 4. The table grows when the program has more logical lines than
  // its capacity foresaw (a single-line IF is cut at THEN and ELSE).
  auto record = [&](Position at) {
    if (!lines.makeRoomFor(c) || !lines.setLineStart(c, at) || !lines.setBlockLink(c, 0) ||
        !lines.setSourceLine(c, editorLine)) {
      return false;
    }
    ++c;
    return true;
  };

  // Between logical lines.
  for (;;) {
    // 1. The end of the store: the final empty logical line. It is recorded at
    // N: after a continuation mark on the last editor line i may stand on N + 1.
    ++i;
    if (i >= n) {
      if (!record(n)) return std::string(msg::UnidentifiedBasicfileError);
      break;
    }
    // 2. Comments and line ends between statements.
    if (chars.at(i) == CommentMark) {
      while (i < n - 1 && chars.at(i) != CR) ++i;
      ++editorLine;
    } else if (chars.at(i) == CR) {
      ++editorLine;
    }
    // 3. A statement begins on a significant character other than "_" and ":".
    const char first = chars.at(i);
    if (!isSignificant(first) || first == Underscore || first == Colon) continue;
    // 4.
    if (!record(i)) return std::string(msg::UnidentifiedBasicfileError);

    // 5. Scan the statement.
    bool storeEnded = false;
    for (;;) {
      // 5.1
      ++i;
      if (i >= n) {
        storeEnded = true;
        break;
      }
      // 5.2 A string literal must close on its editor line.
      if (chars.at(i) == Quote) {
        for (;;) {
          ++i;
          if (i >= n - 1 || chars.at(i) == CR) return lineFault(editorLine, msg::IncompleteString);
          if (chars.at(i) == Quote) break;
        }
      }
      // 5.3 A comment runs to the end of the editor line.
      if (chars.at(i) == CommentMark) {
        while (i < n - 1 && chars.at(i) != CR) ++i;
      }
      // 5.4 A continuation mark: the statement goes on on the next editor line.
      if (i < n - 3 && isContinuation(chars, i)) {
        while (i < n - 1 && chars.at(i) != CR) ++i;
        ++i;  // onto the LF
        ++editorLine;
      }
      const char here = chars.at(i);
      // 5.5 A blank after THEN or ELSE ends the statement.
      if (isBlank(here) && i >= 6) {
        const char before = chars.at(i - 5);
        if ((matchesUpper(chars, i - 4, "THEN") && (before == ')' || isBlank(before))) ||
            (matchesUpper(chars, i - 4, "ELSE") && isBlank(before))) {
          if (here == CR) ++editorLine;
          break;
        }
      }
      // 5.6 A blank before ELSE ends the statement, so that ELSE starts a line.
      if (isBlank(here) && i < n - 5) {
        const char after = chars.at(i + 5);
        if (matchesUpper(chars, i + 1, "ELSE") && (after == Colon || isBlank(after))) break;
      }
      // 5.7 The statement separator.
      if (here == Colon && isBlank(chars.at(i + 1))) break;
      // 5.8 The end of the editor line.
      if (here == CR) {
        ++editorLine;
        break;
      }
    }
    if (storeEnded) break;
  }

  // 6. The store already ends with CR, so nothing is written into it.
  if (!lines.makeRoomFor(c) || !lines.setLineStart(c, n)) {
    return std::string(msg::UnidentifiedBasicfileError);
  }
  lines.lastLine = c - 1;
  return {};
}

// ---------------------------------------------------------------------------
// StatementKeyword
// ---------------------------------------------------------------------------
void StatementKeyword(const ProgramChars& chars, const LineTable& lines, LineNumber s,
                      Position& keywordEnd, std::string& keyword) {
  keyword.clear();  // keeps the capacity: no allocation in the executor's loop
  const Position start = lines.lineStart(s);
  keywordEnd = start;
  // 1. No such line (LineStart(s + 1) is 0, or s is no line at all).
  const Position next = nextLineStart(lines, s);
  if (next == 0 || start < 1) return;
  const Position last = next - 1;
  const Position size = chars.size();

  // 2.
  bool wordOpen = false;
  bool endFrozen = false;
  int openParentheses = 0;  // "(" less ")" in the keyword so far
  Position i = start - 1;
  // 3.
  for (;;) {
    ++i;  // 3.1
    const char c = chars.at(i);
    if (c == CommentMark || c == Colon || c == CR) break;  // 3.2
    if (isContinuation(chars, i)) {                        // 3.3
      while (i < size && chars.at(i) != CR) ++i;
    } else if (isSignificant(c)) {  // 3.4
      keyword.push_back(upperChar(c));
      if (!endFrozen) keywordEnd = i;
      wordOpen = true;
      if (c == '(') ++openParentheses;
      if (c == ')') --openParentheses;
    } else if (isTwoWordKeyword(keyword)) {  // 3.5, a blank
      keyword.push_back(' ');
      wordOpen = false;
      if (keyword == "NEXT " || keyword == "FOR ") endFrozen = true;
    } else if (wordOpen) {
      // A blank inside the target's parentheses, as in A(J + 1) = T: when the
      // line is an assignment, its keyword is the whole target with "=".
      if (openParentheses > 0) {
        std::string target;
        Position close = 0;
        if (readIndexedTarget(chars, start, last, target, close)) {
          keyword.assign(target).push_back('=');
          keywordEnd = close;
          break;
        }
      }
      // The keyword is complete; an assignment shows as the target with "=".
      // The skip does not leave the logical line.
      while (i < last && isBlank(chars.at(i))) ++i;
      if (chars.at(i) == '=') keyword.push_back('=');
      break;
    }
    if (i >= last) break;  // 3.6
  }
  // 4.
  if (!keyword.empty() && keyword.back() == ' ') keyword.pop_back();
}

std::string StatementKeyword(const ProgramChars& chars, const LineTable& lines, LineNumber s,
                             Position& keywordEnd) {
  std::string keyword;
  StatementKeyword(chars, lines, s, keywordEnd, keyword);
  return keyword;
}

// ---------------------------------------------------------------------------
// StatementEnd
// ---------------------------------------------------------------------------
Position StatementEnd(const ProgramChars& chars, Position from, Position to) {
  to = clipTo(chars, to);
  // 1. (A range starting before the store reads CR first: nothing.)
  if (from > to || from < 1) return 0;
  Position last = 0;
  Position i = from - 1;
  // 2.
  for (;;) {
    ++i;
    const char c = chars.at(i);
    if (c == CommentMark || c == CR) return last;             // 2.1
    if (c == Colon && isBlank(chars.at(i + 1))) return last;  // 2.2
    if (isContinuation(chars, i)) {                           // 2.3
      while (i < to && chars.at(i) != CR) ++i;
    } else if (c == Quote) {  // 2.4
      while (i < to) {
        ++i;
        if (chars.at(i) == Quote) break;
      }
      last = i;
    } else if (isSignificant(c)) {  // 2.5
      last = i;
    }
    if (i >= to) return last;  // 2.6
  }
}

// ---------------------------------------------------------------------------
// FirstNonBlank
// ---------------------------------------------------------------------------
Position FirstNonBlank(const ProgramChars& chars, Position from, Position to) {
  to = clipTo(chars, to);
  // 1.
  if (from > to || from < 1) return 0;
  Position i = from - 1;
  // 2.
  while (i < to) {
    ++i;
    const char c = chars.at(i);
    if (c == CommentMark || c == CR) return 0;
    if (isContinuation(chars, i)) {
      while (i < to && chars.at(i) != CR) ++i;
    } else if (isSignificant(c)) {
      return i;
    }
  }
  // 3.
  return 0;
}

// ---------------------------------------------------------------------------
// FindWord
// ---------------------------------------------------------------------------
Position FindWord(const ProgramChars& chars, Position from, Position to, std::string_view word) {
  to = clipTo(chars, to);
  // (No word, a word longer than the store, or a range outside it: nothing.)
  if (word.empty() || from < 1 || from > to || word.size() > static_cast<std::size_t>(to)) {
    return 0;
  }
  const auto w = static_cast<Position>(word.size());
  const Position stop = to - w;  // the last position of the blank before the word
  // 1.
  if (from > stop) return 0;
  Position i = from - 1;
  // 2.
  while (i < stop) {
    ++i;
    const char c = chars.at(i);
    if (c == CommentMark || c == CR) return 0;  // 2.1
    if (c == Quote) {                           // 2.2
      while (i < stop) {
        ++i;
        if (chars.at(i) == Quote) break;
      }
    } else if (isContinuation(chars, i)) {  // 2.3
      while (i < stop && chars.at(i) != CR) ++i;
    }
    // 2.4
    if (isBlank(chars.at(i)) && matchesUpper(chars, i + 1, word) && isBlank(chars.at(i + w + 1))) {
      return i + 1;
    }
  }
  // 3.
  return 0;
}

// ---------------------------------------------------------------------------
// FindSeparator
// ---------------------------------------------------------------------------
Position FindSeparator(const ProgramChars& chars, Position from, Position to) {
  to = clipTo(chars, to);
  // 1.
  if (from > to || from < 1) return 0;
  Position i = from - 1;

  // Steps 2.2 and 2.3: a string or a continuation mark at i is passed over.
  auto skipStringOrContinuation = [&] {
    if (chars.at(i) == Quote) {
      while (i < to) {
        ++i;
        if (chars.at(i) == Quote) break;
      }
      return true;
    }
    if (isContinuation(chars, i)) {
      while (i < to && chars.at(i) != CR) ++i;
      return true;
    }
    return false;
  };

  // 2.
  while (i < to) {
    ++i;
    const char c = chars.at(i);
    if (c == CommentMark || c == CR) return 0;  // 2.1
    if (!skipStringOrContinuation() && c == '(') {
      // 2.4 Passes over the parenthesised part, nested parentheses included.
      int depth = 1;
      while (depth != 0 && i < to) {
        ++i;
        if (skipStringOrContinuation()) continue;
        if (chars.at(i) == '(') ++depth;
        if (chars.at(i) == ')') --depth;
      }
    }
    // 2.5
    if (chars.at(i) == ';' || chars.at(i) == ',') return i;
  }
  // 3.
  return 0;
}

// ---------------------------------------------------------------------------
// StatementText
// ---------------------------------------------------------------------------
std::string StatementText(const ProgramChars& chars, const LineTable& lines, LineNumber s) {
  if (s < 1) return {};
  const Position start = lines.lineStart(s);
  const Position end = StatementEnd(chars, start, nextLineStart(lines, s) - 1);
  if (end == 0) return {};
  return std::string(chars.range(start, end));
}

}  // namespace morvane
