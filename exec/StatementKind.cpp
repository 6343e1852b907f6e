#include "exec/StatementKind.h"

#include <initializer_list>

namespace morvane {

namespace {

bool isOneOf(std::string_view keyword, std::initializer_list<std::string_view> words) {
  for (std::string_view w : words) {
    if (keyword == w) return true;
  }
  return false;
}

}  // namespace

StatementKind ClassifyKeyword(std::string_view k) {
  if (k.empty()) return StatementKind::EndOfProgram;
  if (k.find('=') != std::string_view::npos && !k.starts_with("FOR ")) return StatementKind::Assignment;
  if (isOneOf(k, {"ELSEIF", "IF", "ELSE", "END IF", "ENDIF"})) return StatementKind::IfBlock;
  if (k.starts_with("FOR ") || k.starts_with("NEXT ") || isOneOf(k, {"CONTINUE FOR", "EXIT FOR"})) {
    return StatementKind::ForLoop;
  }
  if (isOneOf(k, {"DO", "LOOP", "EXIT LOOP", "EXIT DO", "CONTINUE DO", "CONTINUE LOOP", "LOOP UNTIL",
                  "DO WHILE", "LOOP WHILE", "DO UNTIL"})) {
    return StatementKind::DoLoop;
  }
  if (k == "CALL") return StatementKind::Call;
  if (isOneOf(k, {"FUNCTION", "SUB", "INLINESUB", "INLINEFUNCTION", "INLINE SUB", "INLINE FUNCTION"})) {
    return StatementKind::ProcedureHeader;
  }
  if (isOneOf(k, {"END FUNCTION", "EXIT FUNCTION", "ENDFUNCTION", "EXIT SUB", "END SUB", "ENDSUB"})) {
    return StatementKind::ProcedureEnd;
  }
  if (isOneOf(k, {"RUN", "EXECUTE", "EXECUTEGRAFIC", "EDIT"})) return StatementKind::InstructionFile;
  if (k == "TERMINATE") return StatementKind::Terminate;
  if (isOneOf(k, {"LINEINPUT", "INPUT", "PRINT", "OPEN", "CLOSE"})) return StatementKind::ConsoleAndFiles;
  if (isOneOf(k, {"LOCAL", "DIM", "GLOBAL"})) return StatementKind::Declaration;
  if (isOneOf(k, {"CDIR", "CD", "MD", "MDIR", "RD", "RDIR", "DEL", "DELETE", "RENAME", "COPY"})) {
    return StatementKind::FileSystem;
  }
  if (k.starts_with("DRAW ") || k == "DRAWCOORDINATES" || k == "DRAW") return StatementKind::Drawing;
  if (k == "CLS") return StatementKind::Cls;
  if (k == "GOTO") return StatementKind::Goto;
  if (isOneOf(k, {"BEEP", "WAIT", "PAUSE", "RESET"})) return StatementKind::RunControl;
  if (isOneOf(k, {"END", "STOP"})) return StatementKind::EndOfRun;
  return StatementKind::Other;
}

}  // namespace morvane
