#include "fast/FastProcedures.h"

#include <cmath>

#include "core/Messages.h"
#include "core/Variables.h"
#include "exec/ProcedureStatements.h"
#include "fast/VariableReference.h"
#include "prepare/Characters.h"
#include "prepare/Scanning.h"

namespace morvane {

namespace {

using State = HeaderDecode::State;

// Adds the variable whose name stands at `position`, declared with the type
// word, to the header's list; false when the literal declaration would not
// simply add a new scalar: no name, a name that is no variable's, a suffix
// that does not fit the type, a type word the store does not check, or a
// name the header declares twice (the second declaration would re-initialise
// the first).
bool addVariable(const ProgramChars& chars, Position position, std::string_view typeWord,
                 std::vector<HeaderVariable>& variables) {
  if (position == 0) return false;
  VariableReference reference;
  reference.bind(chars, position);
  const std::string& name = reference.name();
  if (!isLetterAtoZ(name.front())) return false;
  const char storage = DeclaredStorageType(typeWord, reference.suffix());
  if (storage == ' ') return false;
  for (const HeaderVariable& declared : variables) {
    if (declared.record.name == name) return false;
  }
  variables.push_back(HeaderVariable{position, VariableRecord{name, storage}});
  return true;
}

// Reads the header line the way its literal section does: the procedure's
// item with its type word and parenthesised list, then one item per
// parameter.
State readHeader(const StatementContext& ctx, std::vector<HeaderVariable>& variables) {
  const ProgramChars& chars = ctx.state.programChars;
  variables.clear();
  Position itemEnd = 0, nextStart = 0, openParen = 0, closeParen = 0;
  int parameters = 0;
  const std::string typeWord = ScanDeclarationItem(chars, ctx.argumentStart, ctx.lastPosition, itemEnd,
                                                   nextStart, openParen, closeParen, parameters);
  if (parameters > MaxParameters || (parameters > 0 && closeParen == 0)) return State::Literal;
  if (!addVariable(chars, FirstNonBlank(chars, ctx.argumentStart, ctx.lastPosition), typeWord, variables)) {
    return State::Literal;
  }
  Position from = openParen + 1;
  for (int i = 1; i <= parameters; ++i) {
    int indices = 0;
    Position open = 0, close = 0;
    const std::string parameterType =
        ScanDeclarationItem(chars, from, closeParen - 1, itemEnd, nextStart, open, close, indices);
    if (!addVariable(chars, FirstNonBlank(chars, from, closeParen - 1), parameterType, variables)) {
      return State::Literal;
    }
    from = nextStart;
  }
  return State::Usual;
}

// Whether a declaration of this storage type accepts the value to
// initialise it with (none counts as 0 or "").
bool accepts(char storage, const Value& given) {
  if (given.isEmpty()) return true;
  if (storage == '$') return given.isString();
  return given.isNumber() && std::isfinite(given.number());
}

// What a variable of this storage type starts with when no value is given.
const Value& startValue(char storage) {
  static const Value noText = Value::fromString("");
  static const Value zero = Value::fromDouble(0.0);
  return storage == '$' ? noText : zero;
}

// Whether this entry into the header can bind on the fast path: a free run
// entering the procedure with one argument of a fitting type per parameter,
// into a table that holds no variable yet.
bool isUsualEntry(const StatementContext& ctx, const HeaderDecode& decode) {
  const InterpreterState& s = ctx.state;
  if (decode.state != State::Usual || ctx.commandMode() || ctx.singleStep()) return false;
  if (ctx.entryFlag != EntryFlag::AtEntry || s.argCount != decode.parameterCount()) return false;
  if (s.localTable.recordCount() != 0 || s.argValues.size() <= decode.variables.size()) return false;
  for (std::size_t i = 1; i < decode.variables.size(); ++i) {
    if (!accepts(decode.variables[i].record.suffix, s.argValues[i])) return false;
  }
  return true;
}

// The name `name` stands at `position` exactly as the store keeps it
// (upper-cased) and ends there.
bool nameStandsAt(const ProgramChars& chars, Position position, const std::string& name) {
  const auto length = static_cast<Position>(name.size());
  for (Position k = 0; k < length; ++k) {
    if (chars.at(position + k) != name[static_cast<std::size_t>(k)]) return false;
  }
  const Position last = position + length - 1;
  return last >= chars.size() || !isNameChar(chars.upperAt(last + 1));
}

// Whether the record is the variable whose name stands at `position`. When
// this engine's header bound the level, the name there is the one its
// decode read (the store holds it upper-cased), compared packed.
bool holdsDeclared(const ProgramChars& chars, Position position, const HeaderDecode* header, std::size_t slot,
                   const VariableRecord& record) {
  if (header != nullptr && slot < header->variables.size() && header->variables[slot].position == position) {
    const VariableRecord& declared = header->variables[slot].record;
    return declared.nameKey != 0 ? record.nameKey == declared.nameKey : record.name == declared.name;
  }
  return nameStandsAt(chars, position, record.name);
}

}  // namespace

Completion ExecuteHeaderFast(StatementContext& ctx, HeaderDecode& decode) {
  InterpreterState& s = ctx.state;
  if (!isUsualEntry(ctx, decode)) {
    // The literal section; once it has bound a level, every name of the
    // header stands upper-cased in the store, as the store reads it.
    ctx.boundHeader = nullptr;
    const Completion completion = ExecuteProcedureHeader(ctx);
    if (decode.state == State::Unread && completion == Completion::NextLine) {
      decode.state = readHeader(ctx, decode.variables);
    }
    return completion;
  }
  // The same steps: the parameter count, then the result and the parameters
  // declared in order, each a new scalar of the local table.
  ctx.parameterCount = s.argCount;
  s.message.clear();
  for (std::size_t i = 0; i < decode.variables.size(); ++i) {
    const HeaderVariable& variable = decode.variables[i];
    ctx.namePositions[i] = variable.position;
    // The result starts as 0 or ""; a parameter as its argument (0 or ""
    // when the argument list holds none).
    const VariableRecord& record = variable.record;
    const bool given = i > 0 && !s.argValues[i].isEmpty();
    if (!AddScalarVariable(s.localTable, record, given ? s.argValues[i] : startValue(record.suffix))) {
      ctx.currentName = record.name;
      return ctx.fail(msg::UnableToDimension(record.name));
    }
  }
  // The name the last declaration read.
  VariableReference::CopyName(decode.variables.back().record.name, ctx.currentName);
  ctx.boundHeader = &decode;
  return ctx.nextLine();
}

Completion EndProcedureFast(StatementContext& ctx) {
  InterpreterState& s = ctx.state;
  const VariableTable& table = s.localTable;
  const HeaderDecode* header = ctx.boundHeader;
  // The header declared the result and the parameters in order, so each is
  // usually the record after the one before; where not, the store searches.
  const std::string* lastNameRead = nullptr;  // unless the store read it itself
  for (std::int32_t i = 0; i <= ctx.parameterCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    if (ctx.namePositions[slot] == 0 || slot >= s.argValues.size()) continue;
    const std::size_t record = slot + 1;
    if (record < table.records.size() && holdsDeclared(s.programChars, ctx.namePositions[slot], header, slot,
                                                       table.records[record])) {
      const VariableRecord& found = table.records[record];
      s.argValues[slot] = table.values[found.firstSlot + 1];
      lastNameRead = &found.name;
      continue;
    }
    HandBackValue(ctx, slot);
    lastNameRead = nullptr;
  }
  if (lastNameRead != nullptr) VariableReference::CopyName(*lastNameRead, ctx.currentName);
  return Completion::PlainExit;
}

}  // namespace morvane
