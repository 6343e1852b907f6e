#pragma once
// The statement families, in the order the dispatch tries them, the leading
// keywords that select them, and the classification of a line's keyword into
// one of them. The keyword table is the one list of statement keywords: the
// dispatch reads it, and so does the editor's colouring.

#include <array>
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

// A keyword either is the whole keyword of the line ("END IF") or begins it
// ("FOR " followed by the loop variable, "DRAW " by the shape).
enum class KeywordMatch { Whole, Prefix };

struct StatementKeywordEntry {
  std::string_view text;
  KeywordMatch match;
  StatementKind kind;
};

// The leading keywords, in the order the dispatch compares them; the first
// match decides. (The end of the program and the assignment are recognised
// before the table, a line that matches nothing after it.)
inline constexpr std::array<StatementKeywordEntry, 66> StatementKeywords{{
    {"ELSEIF", KeywordMatch::Whole, StatementKind::IfBlock},
    {"IF", KeywordMatch::Whole, StatementKind::IfBlock},
    {"ELSE", KeywordMatch::Whole, StatementKind::IfBlock},
    {"END IF", KeywordMatch::Whole, StatementKind::IfBlock},
    {"ENDIF", KeywordMatch::Whole, StatementKind::IfBlock},
    {"FOR ", KeywordMatch::Prefix, StatementKind::ForLoop},
    {"NEXT ", KeywordMatch::Prefix, StatementKind::ForLoop},
    {"CONTINUE FOR", KeywordMatch::Whole, StatementKind::ForLoop},
    {"EXIT FOR", KeywordMatch::Whole, StatementKind::ForLoop},
    {"DO", KeywordMatch::Whole, StatementKind::DoLoop},
    {"LOOP", KeywordMatch::Whole, StatementKind::DoLoop},
    {"EXIT LOOP", KeywordMatch::Whole, StatementKind::DoLoop},
    {"EXIT DO", KeywordMatch::Whole, StatementKind::DoLoop},
    {"CONTINUE DO", KeywordMatch::Whole, StatementKind::DoLoop},
    {"CONTINUE LOOP", KeywordMatch::Whole, StatementKind::DoLoop},
    {"LOOP UNTIL", KeywordMatch::Whole, StatementKind::DoLoop},
    {"DO WHILE", KeywordMatch::Whole, StatementKind::DoLoop},
    {"LOOP WHILE", KeywordMatch::Whole, StatementKind::DoLoop},
    {"DO UNTIL", KeywordMatch::Whole, StatementKind::DoLoop},
    {"CALL", KeywordMatch::Whole, StatementKind::Call},
    {"FUNCTION", KeywordMatch::Whole, StatementKind::ProcedureHeader},
    {"SUB", KeywordMatch::Whole, StatementKind::ProcedureHeader},
    {"INLINESUB", KeywordMatch::Whole, StatementKind::ProcedureHeader},
    {"INLINEFUNCTION", KeywordMatch::Whole, StatementKind::ProcedureHeader},
    {"INLINE SUB", KeywordMatch::Whole, StatementKind::ProcedureHeader},
    {"INLINE FUNCTION", KeywordMatch::Whole, StatementKind::ProcedureHeader},
    {"END FUNCTION", KeywordMatch::Whole, StatementKind::ProcedureEnd},
    {"EXIT FUNCTION", KeywordMatch::Whole, StatementKind::ProcedureEnd},
    {"ENDFUNCTION", KeywordMatch::Whole, StatementKind::ProcedureEnd},
    {"EXIT SUB", KeywordMatch::Whole, StatementKind::ProcedureEnd},
    {"END SUB", KeywordMatch::Whole, StatementKind::ProcedureEnd},
    {"ENDSUB", KeywordMatch::Whole, StatementKind::ProcedureEnd},
    {"RUN", KeywordMatch::Whole, StatementKind::InstructionFile},
    {"EXECUTE", KeywordMatch::Whole, StatementKind::InstructionFile},
    {"EXECUTEGRAFIC", KeywordMatch::Whole, StatementKind::InstructionFile},
    {"EDIT", KeywordMatch::Whole, StatementKind::InstructionFile},
    {"TERMINATE", KeywordMatch::Whole, StatementKind::Terminate},
    {"LINEINPUT", KeywordMatch::Whole, StatementKind::ConsoleAndFiles},
    {"INPUT", KeywordMatch::Whole, StatementKind::ConsoleAndFiles},
    {"PRINT", KeywordMatch::Whole, StatementKind::ConsoleAndFiles},
    {"OPEN", KeywordMatch::Whole, StatementKind::ConsoleAndFiles},
    {"CLOSE", KeywordMatch::Whole, StatementKind::ConsoleAndFiles},
    {"LOCAL", KeywordMatch::Whole, StatementKind::Declaration},
    {"DIM", KeywordMatch::Whole, StatementKind::Declaration},
    {"GLOBAL", KeywordMatch::Whole, StatementKind::Declaration},
    {"CDIR", KeywordMatch::Whole, StatementKind::FileSystem},
    {"CD", KeywordMatch::Whole, StatementKind::FileSystem},
    {"MD", KeywordMatch::Whole, StatementKind::FileSystem},
    {"MDIR", KeywordMatch::Whole, StatementKind::FileSystem},
    {"RD", KeywordMatch::Whole, StatementKind::FileSystem},
    {"RDIR", KeywordMatch::Whole, StatementKind::FileSystem},
    {"DEL", KeywordMatch::Whole, StatementKind::FileSystem},
    {"DELETE", KeywordMatch::Whole, StatementKind::FileSystem},
    {"RENAME", KeywordMatch::Whole, StatementKind::FileSystem},
    {"COPY", KeywordMatch::Whole, StatementKind::FileSystem},
    {"DRAW ", KeywordMatch::Prefix, StatementKind::Drawing},
    {"DRAWCOORDINATES", KeywordMatch::Whole, StatementKind::Drawing},
    {"DRAW", KeywordMatch::Whole, StatementKind::Drawing},
    {"CLS", KeywordMatch::Whole, StatementKind::Cls},
    {"GOTO", KeywordMatch::Whole, StatementKind::Goto},
    {"BEEP", KeywordMatch::Whole, StatementKind::RunControl},
    {"WAIT", KeywordMatch::Whole, StatementKind::RunControl},
    {"PAUSE", KeywordMatch::Whole, StatementKind::RunControl},
    {"RESET", KeywordMatch::Whole, StatementKind::RunControl},
    {"END", KeywordMatch::Whole, StatementKind::EndOfRun},
    {"STOP", KeywordMatch::Whole, StatementKind::EndOfRun},
}};

// The words inside statements that are no names, each defined where the
// statements look for it.
namespace clause {
inline constexpr std::string_view Then = "THEN";      // IF c THEN, ELSEIF c THEN
inline constexpr std::string_view To = "TO";          // FOR v = a TO b
inline constexpr std::string_view Step = "STEP";      // FOR ... STEP s
inline constexpr std::string_view As = "AS";          // OPEN f FOR mode AS n, declarations
inline constexpr std::string_view For = "FOR";        // OPEN f FOR mode
inline constexpr std::string_view Input = "INPUT";    // the modes of OPEN
inline constexpr std::string_view Output = "OUTPUT";
inline constexpr std::string_view Append = "APPEND";
}  // namespace clause

inline constexpr std::array<std::string_view, 8> ClauseWords{
    clause::Then, clause::To, clause::Step, clause::As, clause::For, clause::Input, clause::Output, clause::Append};

// The type words after AS in DIM, LOCAL and GLOBAL ("DIM" for an item
// without AS).
inline constexpr std::array<std::string_view, 6> DeclarationTypes{"SINGLE", "DOUBLE", "LONG",
                                                                  "INTEGER", "STRING", "DIM"};

// The keyword must already have "DRAW COORDINATES" replaced by "DRAWCOORDINATES".
StatementKind ClassifyKeyword(std::string_view keyword);

}  // namespace morvane
