#pragma once
// The control-flow statements on the fast path: FOR and NEXT, IF, ELSEIF,
// ELSE and END IF, the DO and LOOP forms, and GOTO. Each does what its
// literal section in exec/ControlFlowStatements.cpp does, in the same order
// and with the same traces and messages; what the literal section finds
// again on every pass (THEN, TO and STEP, whether an IF stands on one editor
// line, where a false condition or a finished branch leads, the loop
// variable's record) is found once per line and kept in its ControlDecode.

#include "exec/StatementContext.h"
#include "exec/StatementKind.h"
#include "fast/VariableReference.h"

namespace morvane {

class FastEngine;
struct ExpressionEntry;

// The control-flow statement a keyword names.
enum class ControlStatement {
  None,              // not one of them: the literal section runs the line
  For,               // FOR v = a TO b [STEP c]
  Next,              // NEXT v
  JumpToPartner,     // EXIT FOR, CONTINUE FOR, LOOP, EXIT LOOP/DO, CONTINUE DO/LOOP, GOTO
  NextLineOnly,      // DO, END IF, ENDIF
  If,                // IF c THEN
  ElseIf,            // ELSEIF c THEN
  Else,              // ELSE
  DoWhile,           // DO WHILE c
  DoUntil,           // DO UNTIL c
  LoopWhile,         // LOOP WHILE c
  LoopUntil,         // LOOP UNTIL c
};

// What a control-flow line needs besides its keyword, found once.
struct ControlDecode {
  ControlStatement statement = ControlStatement::None;
  Position then = 0;  // IF, ELSEIF: the THEN; 0 when there is none
  Position to = 0;    // FOR: the TO; 0 when there is none
  Position step = 0;  // FOR: the STEP, 0 when there is none
  bool singleLine = false;        // IF, ELSEIF: the branch follows on the same editor line
  EntryFlag falseEntry = EntryFlag::InSequence;  // how a false condition enters its target
  LineNumber skipTarget = 0;      // ELSE, ELSEIF after a finished branch: where the block ends
  VariableReference loopVariable;  // FOR: the variable at the argument start
  Value advanced;                  // FOR: where the loop variable's next value is made
  // The expressions' entries, kept once evaluated: the condition of IF,
  // ELSEIF and the DO and LOOP forms; FOR's assignment, end value and step value.
  ExpressionEntry* condition = nullptr;
  ExpressionEntry* start = nullptr;
  ExpressionEntry* endValue = nullptr;
  ExpressionEntry* stepValue = nullptr;
};

// Classifies the line's keyword and finds what its statement needs.
void DecodeControlStatement(const StatementContext& ctx, StatementKind kind, ControlDecode& decode);

// The statements that evaluate something, each as its literal section
// runs it; the engine evaluates the line's expressions. The statements that
// only move on or jump are done in the engine's own dispatch (FreeStep).
// FOR; IF and ELSEIF; the DO and LOOP forms with WHILE or UNTIL.
Completion ForLoopFast(StatementContext& ctx, ControlDecode& decode, FastEngine& engine);
Completion TestConditionFast(StatementContext& ctx, ControlDecode& decode, FastEngine& engine);
Completion ConditionalLoopFast(StatementContext& ctx, ControlDecode& decode, FastEngine& engine);

}  // namespace morvane
