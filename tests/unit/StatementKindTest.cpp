#include "exec/StatementKind.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

struct Case {
  const char* keyword;
  StatementKind kind;
};

// The order of the tests matters: an "=" wins over every keyword but FOR.
TEST(ClassifyKeyword, FollowsTheDispatchOrder) {
  const Case cases[] = {
      {"", StatementKind::EndOfProgram},
      {"X=", StatementKind::Assignment},
      {"IF=", StatementKind::Assignment},
      {"A(1)=", StatementKind::Assignment},
      {"FOR I=", StatementKind::ForLoop},
      {"NEXT I", StatementKind::ForLoop},
      {"NEXT", StatementKind::Other},
      {"EXIT FOR", StatementKind::ForLoop},
      {"END IF", StatementKind::IfBlock},
      {"ENDIF", StatementKind::IfBlock},
      {"ELSEIF", StatementKind::IfBlock},
      {"DO UNTIL", StatementKind::DoLoop},
      {"CONTINUE LOOP", StatementKind::DoLoop},
      {"CALL", StatementKind::Call},
      {"INLINE SUB", StatementKind::ProcedureHeader},
      {"INLINEFUNCTION", StatementKind::ProcedureHeader},
      {"ENDSUB", StatementKind::ProcedureEnd},
      {"EXIT FUNCTION", StatementKind::ProcedureEnd},
      {"EXECUTEGRAFIC", StatementKind::InstructionFile},
      {"TERMINATE", StatementKind::Terminate},
      {"LINEINPUT", StatementKind::ConsoleAndFiles},
      {"GLOBAL", StatementKind::Declaration},
      {"RDIR", StatementKind::FileSystem},
      {"DRAW LINE", StatementKind::Drawing},
      {"DRAWCOORDINATES", StatementKind::Drawing},
      {"DRAW", StatementKind::Drawing},
      {"DRAWING", StatementKind::Other},
      {"CLS", StatementKind::Cls},
      {"GOTO", StatementKind::Goto},
      {"RESET", StatementKind::RunControl},
      {"STOP", StatementKind::EndOfRun},
      {"END", StatementKind::EndOfRun},
      {"LABEL1", StatementKind::Other},
      {"PRINT\"A\"", StatementKind::Other},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClassifyKeyword(c.keyword), c.kind) << "keyword '" << c.keyword << "'";
  }
}

}  // namespace
}  // namespace morvane
