#include "prepare/StructureCheck.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "core/Messages.h"
#include "core/NumberText.h"
#include "prepare/Scanning.h"

namespace morvane {

namespace {

// ---- Keyword classes -----------------------------------------------------

// A search for a block partner or a label never crosses one of these.
constexpr std::array<std::string_view, 8> ProcedureBarriers{
    "SUB",        "FUNCTION",        "INLINESUB", "INLINEFUNCTION",
    "INLINE SUB", "INLINE FUNCTION", "END SUB",   "END FUNCTION"};
// The lines that open a procedure: the upper end of a GOTO's label search.
constexpr std::array<std::string_view, 6> ProcedureStarts{
    "SUB", "FUNCTION", "INLINEFUNCTION", "INLINESUB", "INLINE FUNCTION", "INLINE SUB"};
constexpr std::array<std::string_view, 3> DoOpeners{"DO", "DO WHILE", "DO UNTIL"};
constexpr std::array<std::string_view, 3> LoopClosers{"LOOP", "LOOP WHILE", "LOOP UNTIL"};
constexpr std::array<std::string_view, 2> IfClosers{"ENDIF", "END IF"};
// Keywords that may not stand inside a single-line IF (exact equality).
constexpr std::array<std::string_view, 17> IllegalInSingleLineIf{
    "DO WHILE",        "DO",        "DO UNTIL", "LOOP",           "LOOP WHILE",
    "LOOP UNTIL",      "ENDIF",     "FOR",      "NEXT",           "END FUNCTION",
    "END SUB",         "FUNCTION",  "SUB",      "INLINEFUNCTION", "INLINESUB",
    "INLINE FUNCTION", "INLINE SUB"};

template <std::size_t Size>
bool isOneOf(std::string_view keyword, const std::array<std::string_view, Size>& list) {
  return std::find(list.begin(), list.end(), keyword) != list.end();
}

bool isForLine(std::string_view keyword) { return keyword.starts_with("FOR "); }
bool isNextLine(std::string_view keyword) { return keyword.starts_with("NEXT "); }

// One check: the passes of the structure check over a split program. Each pass answers
// false at its first fault and leaves the message in m_message.
class StructureChecker {
 public:
  StructureChecker(const ProgramChars& chars, LineTable& lines) : m_chars(chars), m_lines(lines) {}

  std::string run() {
    // 1.
    m_message = SplitProgram(m_chars, m_lines);
    if (!m_message.empty()) return m_message;
    // 2. to 7.
    if (labelPass() && singleLineIfPass() && blockIfPass() && loopPass() && nextPass() &&
        leftoverPass()) {
      m_message.clear();  // 8.
    }
    return m_message;
  }

 private:
  LineNumber lastLine() const { return m_lines.lastLine; }

  // The keyword of line s, recomputed on every visit (nothing is cached);
  // the buffer is reused. Valid until the next call.
  const std::string& keyword(LineNumber s) {
    StatementKeyword(m_chars, m_lines, s, m_keywordEnd, m_keyword);
    return m_keyword;
  }

  bool fail(std::string message) {
    m_message = std::move(message);
    return false;
  }
  bool failAt(LineNumber s, std::string_view fault) {
    std::string text(msg::LinePrefix);
    text.append(NumberText(m_lines.sourceLine(s))).append(fault);
    return fail(std::move(text));
  }
  // The run-time fault of the check: an index the table cannot hold.
  bool unidentified() { return fail(std::string(msg::UnidentifiedBasicfileError)); }

  bool link(LineNumber s, LineNumber target) {
    return m_lines.setBlockLink(s, target) || unidentified();
  }

  // True when a CR lies between the statement's last significant character
  // (StatementEnd(LineStart(s), LineStart(s + 1))) and LineStart(s + 1), both
  // included: line s is the last statement of its editor line. A line without
  // a significant character (the final empty line) is searched from its start.
  bool endsEditorLine(LineNumber s) const {
    const Position start = m_lines.lineStart(s);
    const Position next = m_lines.lineStart(s + 1);
    const Position end = StatementEnd(m_chars, start, next);
    const Position from = std::max<Position>(end != 0 ? end : start, 1);
    const Position to = std::min(next, m_chars.size());
    for (Position p = from; p <= to; ++p) {
      if (m_chars.at(p) == CR) return true;
    }
    return false;
  }

  // 2. Label pass: every GOTO finds its one label line inside its procedure.
  bool labelPass() {
    for (LineNumber s = 1; s <= lastLine(); ++s) {
      if (keyword(s) != "GOTO") continue;
      // 2.1 A GOTO with nothing after it is a run-time fault of the check.
      const Position p = FirstNonBlank(m_chars, m_keywordEnd + 1, m_lines.lineStart(s + 1) - 1);
      if (p == 0) return unidentified();
      // 2.2 The label: the first character, then the name characters after it.
      std::string label(1, m_chars.upperAt(p));
      for (Position q = p + 1; q <= m_chars.size() && isNameChar(m_chars.upperAt(q)); ++q) {
        label.push_back(m_chars.upperAt(q));
      }
      // 2.3 The procedure that holds the GOTO.
      if (!link(s, 0)) return false;
      LineNumber first = 1;
      for (LineNumber t = s - 1; t >= 1; --t) {
        if (isOneOf(keyword(t), ProcedureStarts)) {
          first = t + 1;
          break;
        }
      }
      LineNumber last = lastLine();
      for (LineNumber t = s + 1; t <= lastLine(); ++t) {
        if (isOneOf(keyword(t), ProcedureBarriers)) {
          last = t - 1;
          break;
        }
      }
      // 2.4 The label lines.
      LineNumber found = 0;
      for (LineNumber j = first; j <= last; ++j) {
        if (keyword(j) != label) continue;
        if (found != 0) return failAt(j, msg::GotoOverdefined(label));
        found = j;
        if (!link(s, j) || !link(j, s)) return false;
      }
      // 2.5
      if (found == 0) return failAt(s, msg::GotoUndefined(label));
    }
    return true;
  }

  // 3. Single-line IF pass: an IF whose THEN does not end the editor line
  // links to its ELSE (or past its last statement), the ELSE past the last.
  bool singleLineIfPass() {
    for (LineNumber s = 1; s <= lastLine() - 1; ++s) {
      if (keyword(s) != "IF") continue;
      if (endsEditorLine(s)) continue;  // 3.1 a block IF
      // 3.2
      LineNumber last = s;
      bool elseSeen = false;
      LineNumber j = s + 1;
      for (;; ++j) {
        // The final empty line ends every editor line; past it is no line.
        if (j > lastLine()) return unidentified();
        const std::string& k = keyword(j);
        if (isOneOf(k, IllegalInSingleLineIf)) return failAt(s, msg::IllegalSingleLineIf);
        if (k == "ELSE") {
          if (elseSeen) return failAt(s, msg::TwoElseInSingleLineIf);
          elseSeen = true;
          if (!link(last, j)) return false;
          last = j;
        }
        if (endsEditorLine(j)) break;
      }
      // 3.3
      if (!link(last, j + 1)) return false;
    }
    return true;
  }

  // The DO and FOR nesting must be balanced at a branch or the closer of a block IF.
  bool balancedAt(LineNumber j, int doDepth, int forDepth) {
    if (doDepth != 0) return failAt(j, msg::IncompleteDoLoop);
    if (forDepth != 0) return failAt(j, msg::IncompleteForNext);
    return true;
  }

  // 4. Block IF pass: IF, ELSEIF, ELSE and the closer are chained.
  bool blockIfPass() {
    for (LineNumber s = 1; s <= lastLine() - 1; ++s) {
      if (keyword(s) != "IF" || m_lines.blockLink(s) != 0) continue;
      int depth = 0;
      int doDepth = 0;
      int forDepth = 0;
      bool elseSeen = false;
      LineNumber last = s;
      bool closed = false;
      for (LineNumber j = s + 1; j <= lastLine() && !closed; ++j) {
        const std::string& k = keyword(j);
        if (isOneOf(k, ProcedureBarriers)) return failAt(s, msg::IfWithoutEndIf);  // 4.1
        if (isOneOf(k, DoOpeners)) ++doDepth;                                      // 4.2
        if (isOneOf(k, LoopClosers)) --doDepth;
        if (isForLine(k)) ++forDepth;  // 4.3
        if (isNextLine(k)) --forDepth;
        if (k == "IF" && m_lines.blockLink(j) == 0) ++depth;  // 4.4
        if (k == "ELSEIF" && depth == 0) {                    // 4.5
          if (elseSeen) return failAt(j, msg::NoElseIfAfterElse);
          if (!balancedAt(j, doDepth, forDepth) || !link(last, j)) return false;
          last = j;
        }
        if (k == "ELSE" && depth == 0 && m_lines.blockLink(j) == 0) {  // 4.6
          if (elseSeen) return failAt(j, msg::NotTwoTimesElse);
          elseSeen = true;
          if (!balancedAt(j, doDepth, forDepth) || !link(last, j)) return false;
          last = j;
        }
        if (isOneOf(k, IfClosers)) {  // 4.7
          if (depth > 0) {
            --depth;
          } else {
            if (!balancedAt(j, doDepth, forDepth) || !link(last, j + 1) || !link(j, j + 1)) {
              return false;
            }
            closed = true;
          }
        }
      }
      if (!closed) return failAt(s, msg::IncompleteIf);
    }
    return true;
  }

  // 5. LOOP pass: each LOOP closer searches upward for its DO opener.
  bool loopPass() {
    for (LineNumber s = lastLine(); s >= 1; --s) {
      if (!isOneOf(keyword(s), LoopClosers)) continue;
      int depth = 0;
      int forDepth = 0;
      LineNumber opener = 0;
      for (LineNumber j = s - 1; j >= 1 && opener == 0; --j) {
        const std::string& k = keyword(j);
        if (isOneOf(k, ProcedureBarriers)) break;  // 5.1
        if (isOneOf(k, LoopClosers)) ++depth;      // 5.2
        if (isNextLine(k)) ++forDepth;
        if (isForLine(k)) --forDepth;
        if (isOneOf(k, DoOpeners)) {  // 5.3
          if (depth == 0) {
            opener = j;
          } else {
            --depth;
          }
        }
        if (depth == 0 && (k == "EXIT DO" || k == "EXIT LOOP")) {  // 5.4
          if (!link(j, s + 1)) return false;
        }
        if (depth == 0 && (k == "CONTINUE DO" || k == "CONTINUE LOOP")) {
          if (!link(j, s)) return false;
        }
      }
      if (opener == 0) return failAt(s, msg::IncompleteDoLoop);
      if (forDepth != 0) return failAt(opener, msg::IncompleteForNext);
      if (!link(s, opener) || !link(opener, s + 1)) return false;
    }
    return true;
  }

  // 6. NEXT pass: each NEXT line searches upward for its FOR line.
  bool nextPass() {
    for (LineNumber s = lastLine(); s >= 1; --s) {
      if (!isNextLine(keyword(s))) continue;
      const std::string next = m_keyword;  // x; the search reuses the buffer
      std::string forKeyword;              // f
      int depth = 0;
      LineNumber forLine = 0;
      for (LineNumber j = s - 1; j >= 1 && forLine == 0; --j) {
        const std::string& k = keyword(j);
        if (isOneOf(k, ProcedureBarriers)) break;  // 6.1
        if (isNextLine(k)) ++depth;                // 6.2
        if (isForLine(k)) {                        // 6.3
          if (depth == 0) {
            forLine = j;
            forKeyword = k;
            continue;
          }
          --depth;
        }
        if (depth == 0 && k == "EXIT FOR") {  // 6.4
          if (!link(j, s + 1)) return false;
        }
        if (depth == 0 && k == "CONTINUE FOR") {
          if (!link(j, s)) return false;
        }
      }
      if (forLine == 0) return failAt(s, msg::IncompleteForNext);
      // The FOR variable lies between "FOR " and the first "="; the NEXT
      // variable follows "NEXT ".
      const std::string_view f = forKeyword;
      const std::size_t equals = f.find('=');
      if (equals == std::string_view::npos) return failAt(forLine, msg::IncompleteFor);
      const std::string_view forVariable = f.substr(4, equals - 4);
      const std::string_view nextVariable = std::string_view(next).substr(5);
      if (forVariable != nextVariable) return failAt(forLine, msg::ForNextMismatch);
      if (!link(s, forLine) || !link(forLine, s + 1)) return false;
    }
    return true;
  }

  // 7. Leftover pass: what no pass has linked and needs a partner.
  bool leftoverPass() {
    for (LineNumber s = 1; s <= lastLine() - 1; ++s) {
      if (m_lines.blockLink(s) != 0) continue;
      const std::string& k = keyword(s);
      if (isForLine(k)) return failAt(s, msg::IncompleteForNext);
      if (k.starts_with("DO ")) return failAt(s, msg::IncompleteDoLoop);
      if (k == "EXIT LOOP" || k == "EXIT DO") return failAt(s, msg::MisplacedExitDo);
      if (k == "EXIT FOR") return failAt(s, msg::MisplacedExitFor);
      if (k == "ELSEIF") return failAt(s, msg::MisplacedElseIf);
      if (k == "ELSE") return failAt(s, msg::MisplacedElse);
      if (k == "ENDIF") return failAt(s, msg::MisplacedEndIf);
    }
    return true;
  }

  const ProgramChars& m_chars;
  LineTable& m_lines;
  std::string m_message;
  std::string m_keyword;
  Position m_keywordEnd = 0;
};

}  // namespace

std::string CheckProgramStructure(const ProgramChars& chars, LineTable& lines) {
  return StructureChecker(chars, lines).run();
}

}  // namespace morvane

namespace morvane {

LineNumber FaultLineOf(std::string_view checkMessage) {
  if (!checkMessage.starts_with(msg::LinePrefix)) return 0;
  // The number text: a leading blank, then the digits.
  std::size_t i = msg::LinePrefix.size();
  while (i < checkMessage.size() && checkMessage[i] == ' ') ++i;
  LineNumber line = 0;
  for (; i < checkMessage.size() && isDigit(checkMessage[i]); ++i) {
    if (line > 100'000'000) return 0;  // no editor holds that many lines
    line = line * 10 + (checkMessage[i] - '0');
  }
  return line;
}

}  // namespace morvane
