#include "fast/FastProcedures.h"

#include <array>
#include <cmath>
#include <span>

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
const Value NoText = Value::fromString("");
const Value Zero = Value::fromDouble(0.0);
const Value& startValue(char storage) { return storage == '$' ? NoText : Zero; }

// Whether the record carries the declared record's name, compared packed
// (or, for a long name, whole).
bool sameName(const VariableRecord& record, const VariableRecord& declared) {
  return declared.nameKey != 0 ? record.nameKey == declared.nameKey : record.name == declared.name;
}

bool isScalar(const VariableRecord& record) { return record.bound1 == 0 && record.bound2 == 0 && record.bound3 == 0; }

// The value the header declares variable i with: the result 0 or "", a
// parameter its argument (0 or "" when the argument list holds none).
const Value& initialValue(const InterpreterState& s, const HeaderVariable& variable, std::size_t i) {
  const bool given = i > 0 && !s.argValues[i].isEmpty();
  return given ? s.argValues[i] : startValue(variable.record.suffix);
}

// An empty own table takes back the records its procedure's last call kept
// aside when they are exactly those the header declares: the names in
// order, each a scalar of the declared storage type whose block follows the
// one before. Only the values are added then. False, the table unchanged,
// otherwise (also when memory runs out: the usual way then reports it).
bool takeBackRecords(InterpreterState& s, const HeaderDecode& decode) {
  VariableTable& table = s.localTable;
  std::vector<VariableRecord>& kept = table.keptRecords;
  const std::size_t count = decode.variables.size();
  if (kept.size() != count + 1 || table.values.size() != 1) return false;
  for (std::size_t i = 0; i < count; ++i) {
    const VariableRecord& record = kept[i + 1];
    const VariableRecord& declared = decode.variables[i].record;
    if (!sameName(record, declared) || record.suffix != declared.suffix || !isScalar(record) ||
        record.firstSlot != i) {
      return false;
    }
  }
  try {
    for (std::size_t i = 0; i < count; ++i) table.values.push_back(initialValue(s, decode.variables[i], i));
  } catch (const std::bad_alloc&) {
    table.values.resize(1);
    return false;
  }
  table.records.swap(kept);
  table.generation += count;
  return true;
}

// Whether this entry into the header can bind on the fast path: a free run
// entering the procedure with one argument of a fitting type per parameter.
bool isUsualEntry(const StatementContext& ctx, const HeaderDecode& decode) {
  const InterpreterState& s = ctx.state;
  if (decode.state != State::Usual || ctx.commandMode() || ctx.singleStep()) return false;
  if (ctx.entryFlag != EntryFlag::AtEntry || s.argCount != decode.parameterCount()) return false;
  if (s.argValues.size() <= decode.variables.size()) return false;
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

// Whether record k of the table carries the name of the declared record.
[[gnu::always_inline]] inline bool carriesName(const VariableTable& table, std::size_t k,
                                              const VariableRecord& declared) {
  return k != 0 && k < table.records.size() && sameName(table.records[k], declared);
}

// The record of the table that carries the variable's name, 0 when none
// does (names are unique within a table).
std::size_t findDeclared(const VariableTable& table, HeaderVariable& variable) {
  if (carriesName(table, variable.recordHint, variable.record)) return variable.recordHint;
  for (std::size_t k = 1; k < table.records.size(); ++k) {
    if (carriesName(table, k, variable.record)) {
      variable.recordHint = k;
      return k;
    }
  }
  return 0;
}

// The records of the table that already carry the declared names (an
// INLINE form's caller may hold them), 0 for a name not there. False when
// one of them is an array: its declaration fails, which the literal section
// reports before anything else changes.
bool findExisting(const VariableTable& table, HeaderDecode& decode, std::span<std::size_t> existing) {
  for (std::size_t i = 0; i < decode.variables.size(); ++i) {
    existing[i] = findDeclared(table, decode.variables[i]);
    if (existing[i] == 0) continue;
    if (!isScalar(table.records[existing[i]])) return false;
  }
  return true;
}

// The record the variable whose name stands at `position` has in the
// table, when it is quickly found: the record after the one before it (a
// header that declared into an empty table left them so) or, when this
// engine's header bound the level, where the header found or put the name.
// nullptr otherwise.
const VariableRecord* declaredRecord(const ProgramChars& chars, Position position, const HeaderDecode* header,
                                     std::size_t slot, const VariableTable& table) {
  const std::size_t next = slot + 1;
  if (header != nullptr && slot < header->variables.size() && header->variables[slot].position == position) {
    // The name there is the one the header's decode read (the store holds
    // it upper-cased), compared packed.
    const HeaderVariable& declared = header->variables[slot];
    if (carriesName(table, next, declared.record)) return &table.records[next];
    if (carriesName(table, declared.recordHint, declared.record)) return &table.records[declared.recordHint];
    return nullptr;
  }
  if (next < table.records.size() && nameStandsAt(chars, position, table.records[next].name)) {
    return &table.records[next];
  }
  return nullptr;
}

}  // namespace

Completion ExecuteHeaderFast(StatementContext& ctx, HeaderDecode& decode) {
  InterpreterState& s = ctx.state;
  VariableTable& table = s.localTable;
  // A SUB's or FUNCTION's own table is empty; an INLINE form's caller may
  // hold the names already.
  const bool empty = table.recordCount() == 0;
  std::array<std::size_t, MaxParameters + 1> existing;
  if (!isUsualEntry(ctx, decode) || (!empty && !findExisting(table, decode, existing))) {
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
  // declared in order, each a scalar of the local table: a new one, or the
  // one of the name made again with the declared type, as a declaration
  // re-initialises a variable of the same shape.
  ctx.parameterCount = s.argCount;
  s.message.clear();
  const bool takenBack = empty && takeBackRecords(s, decode);
  for (std::size_t i = 0; i < decode.variables.size(); ++i) {
    HeaderVariable& variable = decode.variables[i];
    ctx.namePositions[i] = variable.position;
    if (takenBack) {
      variable.recordHint = i + 1;
      continue;
    }
    const VariableRecord& record = variable.record;
    const Value& initial = initialValue(s, variable, i);
    if (!empty && existing[i] != 0) {
      VariableRecord& found = table.records[existing[i]];
      found.suffix = record.suffix;
      table.values[found.firstSlot + 1] = initial;
      continue;
    }
    if (!AddScalarVariable(table, record, initial)) {
      ctx.currentName = record.name;
      return ctx.fail(msg::UnableToDimension(record.name));
    }
    variable.recordHint = table.records.size() - 1;
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
  // Each value comes from the record found quickly; where none is, the
  // store searches.
  const std::string* lastNameRead = nullptr;  // unless the store read it itself
  for (std::int32_t i = 0; i <= ctx.parameterCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    if (ctx.namePositions[slot] == 0 || slot >= s.argValues.size()) continue;
    if (const VariableRecord* found = declaredRecord(s.programChars, ctx.namePositions[slot], header, slot, table)) {
      s.argValues[slot] = table.values[found->firstSlot + 1];
      lastNameRead = &found->name;
      continue;
    }
    HandBackValue(ctx, slot);
    lastNameRead = nullptr;
  }
  if (lastNameRead != nullptr) VariableReference::CopyName(*lastNameRead, ctx.currentName);
  return Completion::PlainExit;
}

}  // namespace morvane
