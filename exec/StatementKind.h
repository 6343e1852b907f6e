#pragma once
// The statement families, in the order the dispatch tries them, and the
// classification of a line's keyword into one of them.

#include <string_view>

namespace morvane {

enum class StatementKind {
  EndOfProgram,        // ""
  Assignment,          // contains "=" and does not begin with "FOR "
  IfBlock,             // ELSEIF, IF, ELSE, END IF, ENDIF
  ForLoop,             // FOR ..., NEXT ..., CONTINUE FOR, EXIT FOR
  DoLoop,              // DO, LOOP and their WHILE/UNTIL, EXIT and CONTINUE forms
  Call,                // CALL
  ProcedureHeader,     // FUNCTION, SUB and the INLINE forms
  ProcedureEnd,        // END/EXIT FUNCTION, END/EXIT SUB, ENDFUNCTION, ENDSUB
  InstructionFile,     // RUN, EXECUTE, EXECUTEGRAFIC, EDIT
  Terminate,           // TERMINATE
  ConsoleAndFiles,     // LINEINPUT, INPUT, PRINT, OPEN, CLOSE
  Declaration,         // LOCAL, DIM, GLOBAL
  FileSystem,          // CD, CDIR, MD, MDIR, RD, RDIR, DEL, DELETE, RENAME, COPY
  Drawing,             // DRAW ..., DRAWCOORDINATES
  Cls,                 // CLS
  Goto,                // GOTO
  RunControl,          // BEEP, WAIT, PAUSE, RESET
  EndOfRun,            // END, STOP
  Other,               // a label line, an expression, or an error
};

// The keyword must already have "DRAW COORDINATES" replaced by "DRAWCOORDINATES".
StatementKind ClassifyKeyword(std::string_view keyword);

}  // namespace morvane
