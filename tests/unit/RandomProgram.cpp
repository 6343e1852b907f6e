#include "RandomProgram.h"

#include <array>
#include <string_view>

namespace morvane::testing {

namespace {

constexpr std::array<std::string_view, 6> Numbers = {"A", "B", "C#", "N&", "M&", "X"};
constexpr std::array<std::string_view, 3> Strings = {"S$", "T$", "U$"};
constexpr std::array<std::string_view, 5> Literals = {"0", "1", "2.5", "7", "1E3"};
constexpr std::array<std::string_view, 4> Texts = {"\"\"", "\"ab\"", "\"Hello, World\"", "\"x:y\""};
constexpr std::array<std::string_view, 8> Comparisons = {"<", ">", "<=", ">=", "=", "<>", "=<", "><"};

template <std::size_t N>
std::string pick(const std::array<std::string_view, N>& list, int index) {
  return std::string(list[static_cast<std::size_t>(index)]);
}

}  // namespace

std::string RandomProgram::numberExpression(int depth) {
  const int kind = depth <= 0 ? below(4) : below(16);
  switch (kind) {
    case 0:
    case 1: return pick(Numbers, below(static_cast<int>(Numbers.size())));
    case 2: return pick(Literals, below(static_cast<int>(Literals.size())));
    case 3: return "D(" + std::to_string(below(chance(5) ? 13 : 11)) + ")";
    case 4: return numberExpression(depth - 1) + " + " + numberExpression(depth - 1);
    case 5: return numberExpression(depth - 1) + " - " + numberExpression(depth - 1);
    case 6: return numberExpression(depth - 1) + " * " + numberExpression(depth - 1);
    case 7: return numberExpression(depth - 1) + " / " + (chance(10) ? "0" : "(1 + ABS(" + numberExpression(depth - 1) + "))");
    case 8: return "(" + numberExpression(depth - 1) + ")";
    case 9: return "-" + numberExpression(depth - 1);
    case 10: return "INT(" + numberExpression(depth - 1) + ")";
    case 11: return "LEN(" + stringExpression(depth - 1) + ")";
    case 12:
      // Now and then a typed function, sometimes given a text (an error on purpose).
      if (chance(30)) return "H&(" + (chance(5) ? stringExpression(0) : numberExpression(depth - 1)) + ")";
      // A recursive function of numbers alone (its first argument keeps
      // the recursion small), now and then handed a bare variable, which
      // takes its parameter's final value back.
      if (chance(40)) {
        const std::string second =
            chance(30) ? pick(Numbers, below(static_cast<int>(Numbers.size()))) : numberExpression(depth - 1);
        return "R(" + std::to_string(below(9)) + ", " + second + ")";
      }
      return "F(" + numberExpression(depth - 1) + ")";
    case 13: return "G#(" + std::to_string(below(4)) + "," + std::to_string(below(4)) + ")";
    case 14: return numberExpression(depth - 1) + " ^ " + std::to_string(below(3));
    default: return "ASC(MID(\"ABCDEFG\", " + std::to_string(1 + below(7)) + ", 1))";
  }
}

std::string RandomProgram::stringExpression(int depth) {
  const int kind = depth <= 0 ? below(2) : below(8);
  switch (kind) {
    case 0: return pick(Strings, below(static_cast<int>(Strings.size())));
    case 1: return pick(Texts, below(static_cast<int>(Texts.size())));
    case 2: return stringExpression(depth - 1) + " + " + stringExpression(depth - 1);
    case 3: return stringExpression(depth - 1) + " & " + stringExpression(depth - 1);
    case 4: return "STR(" + numberExpression(depth - 1) + ")";
    case 5: return "CHR(65 + " + std::to_string(below(26)) + ")";
    case 6: return "MID(" + stringExpression(depth - 1) + ", 1, " + std::to_string(below(4)) + ")";
    default: return "E$(" + std::to_string(below(4)) + ")";
  }
}

std::string RandomProgram::condition(int depth) {
  switch (below(6)) {
    case 0: return stringExpression(depth) + (chance(50) ? " = " : " <> ") + stringExpression(depth);
    case 1: return condition(depth - 1) + (chance(50) ? " AND " : " OR ") + condition(depth - 1);
    case 2: return "NOT " + numberExpression(depth);
    default:
      return numberExpression(depth) + " " + pick(Comparisons, below(static_cast<int>(Comparisons.size()))) + " " +
             numberExpression(depth);
  }
}

std::string RandomProgram::numberTarget() {
  if (chance(20)) return "D(" + std::to_string(below(11)) + ")";
  if (chance(10)) return "G#(" + std::to_string(below(4)) + "," + std::to_string(below(4)) + ")";
  return pick(Numbers, below(static_cast<int>(Numbers.size())));
}

void RandomProgram::line(std::string& out, const std::string& text) {
  out.append(static_cast<std::size_t>(m_indent) * 2, ' ');
  out += text;
  out += "\r\n";
}

std::string RandomProgram::statement(int depth) {
  switch (below(depth > 0 ? 13 : 6)) {
    case 0:
    case 1: return numberTarget() + " = " + numberExpression(2);
    case 2: {
      // A value made of string variables is cut to 200 characters: a loop
      // that joins a variable to itself would otherwise double it until
      // memory runs out, in both engines alike.
      std::string value = stringExpression(2);
      if (value.find('$') != std::string::npos) value = "MID(" + value + ", 1, 200)";
      return pick(Strings, below(static_cast<int>(Strings.size()))) + " = " + value;
    }
    case 3: return "PRINT " + numberExpression(2) + (chance(50) ? "; " : ", ") + stringExpression(1);
    case 4:
      if (chance(25)) return "CALL Q(" + pick(Strings, below(3)) + (chance(5) ? ")" : ", " + numberTarget() + ")");
      return "CALL P(" + std::string(chance(50) ? "A" : "A + 0") + ", " + pick(Strings, below(3)) + ")";
    case 5: return "IF " + condition(1) + " THEN " + numberTarget() + " = " + numberExpression(1) +
                   (chance(50) ? " ELSE PRINT " + stringExpression(1) : "");
    case 6: return "E$(" + std::to_string(below(chance(5) ? 6 : 4)) + ") = " + stringExpression(1);
    case 7: return chance(30) ? "X = " + stringExpression(1) : "S$ = " + numberExpression(1);  // errors on purpose
    default: return "";  // a block: made by block()
  }
}

void RandomProgram::block(std::string& out, int depth, int statements) {
  for (int i = 0; i < statements; ++i) {
    std::string text = statement(depth);
    if (!text.empty()) {
      line(out, text);
      continue;
    }
    const char loopVariable = static_cast<char>('I' + m_loopDepth);
    switch (below(5)) {
      case 0: {
        line(out, "IF " + condition(1) + " THEN");
        ++m_indent;
        block(out, depth - 1, 1 + below(3));
        --m_indent;
        if (chance(50)) {
          line(out, "ELSEIF " + condition(1) + " THEN");
          ++m_indent;
          block(out, depth - 1, 1 + below(2));
          --m_indent;
        }
        if (chance(50)) {
          line(out, "ELSE");
          ++m_indent;
          block(out, depth - 1, 1 + below(2));
          --m_indent;
        }
        line(out, chance(50) ? "END IF" : "ENDIF");
        break;
      }
      case 1:
      case 2: {
        if (m_loopDepth >= 3) break;
        const std::string var(1, loopVariable);
        const bool down = chance(25);
        line(out, "FOR " + var + " = " + (down ? "4 TO 1 STEP -1" : "1 TO " + std::to_string(1 + below(5)) +
                                                                     (chance(30) ? " STEP 2" : "")));
        ++m_indent;
        ++m_loopDepth;
        block(out, depth - 1, 1 + below(3));
        if (chance(15)) line(out, "IF " + var + " = 2 THEN EXIT FOR");
        --m_loopDepth;
        --m_indent;
        line(out, "NEXT " + var);
        break;
      }
      case 3: {
        if (m_loopDepth >= 3) break;
        const std::string var(1, loopVariable);
        const bool whileForm = chance(50);
        line(out, var + " = 0");
        line(out, whileForm ? "DO WHILE " + var + " < " + std::to_string(1 + below(4)) : "DO");
        ++m_indent;
        ++m_loopDepth;
        line(out, var + " = " + var + " + 1");
        block(out, depth - 1, 1 + below(2));
        --m_loopDepth;
        --m_indent;
        line(out, whileForm ? "LOOP" : "LOOP UNTIL " + var + " >= " + std::to_string(1 + below(4)));
        break;
      }
      default: {
        const std::string label = "L" + std::to_string(++m_labels);
        line(out, "IF " + condition(1) + " THEN GOTO " + label);
        block(out, depth - 1, 1);
        line(out, label + ":");
        break;
      }
    }
  }
}

std::string RandomProgram::program() {
  std::string out;
  m_indent = 0;
  m_loopDepth = 0;
  m_labels = 0;
  line(out, "' a random program");
  line(out, "DIM D(10)");
  line(out, "DIM E$(3)");
  line(out, "DIM G#(3,3)");
  line(out, "A = 1: B = 2: C# = 3");
  line(out, "N& = 4");
  line(out, "M& = 5: X = 6");
  line(out, "S$ = \"s\": T$ = \"t\": U$ = \"\"");
  if (chance(30)) line(out, "GLOBAL H = 3");
  block(out, 3, 4 + below(6));
  line(out, "PRINT A; B; C#; N&; M&; X; S$; T$; U$; D(1); E$(1); G#(1,1)");
  if (chance(50)) line(out, "END");
  // A function that counts down, and a SUB with by-reference parameters.
  line(out, "FUNCTION F(K)");
  line(out, "  LOCAL Q");
  line(out, "  IF K > 3 OR K < -3 THEN K = INT(K / 2)");
  line(out, "  IF K > 0 THEN");
  line(out, "    Q = F(K - 1)");
  line(out, "    F = Q + K");
  line(out, "  ELSE");
  line(out, "    F = K");
  line(out, "  END IF");
  line(out, "END FUNCTION");
  // A function of numbers alone: it calls itself, changes a parameter,
  // hands it on bare, and now and then divides by zero deep inside.
  line(out, "FUNCTION R(U, W)");
  line(out, "  IF U > 2 THEN");
  line(out, "    R = R(U - 1, W) + R(U - 2 - W * W, -W)");
  line(out, "  ELSE");
  line(out, "    W = W + 1");
  line(out, "    R = U * W + INT(W / 2) + 1 / (W - 7)");
  line(out, "  END IF");
  line(out, "END FUNCTION");
  line(out, "SUB P(Y, Z$)");
  line(out, "  LOCAL R$");
  line(out, "  Y = Y + 1");
  line(out, "  R$ = Z$ + \"!\"");
  line(out, "  Z$ = MID(R$, 1, 5)");
  line(out, "END SUB");
  // A typed function, and an INLINE SUB that works on its caller's variables.
  line(out, "FUNCTION H&(V AS INTEGER) AS LONG");
  line(out, "  H& = V * 2");
  line(out, "END FUNCTION");
  line(out, "INLINE SUB Q(W$, V)");
  line(out, "  W$ = W$ + \"q\"");
  line(out, "  V = V + LEN(W$)");
  line(out, "END SUB");
  return out;
}

std::string RandomProgram::commandLine() {
  switch (below(5)) {
    case 0: return numberTarget() + " = " + numberExpression(2);
    case 1: return "PRINT " + stringExpression(2) + "; " + numberExpression(2);
    case 2: return numberExpression(2);
    case 3: return pick(Strings, below(3)) + " = " + stringExpression(2);
    default: return condition(1);
  }
}

}  // namespace morvane::testing
