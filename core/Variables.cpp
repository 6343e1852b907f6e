#include "core/Variables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>
#include <optional>

#include "core/IntegerConversion.h"
#include "core/Messages.h"
#include "prepare/Characters.h"

namespace morvane {

namespace {

// ---- Storage suffixes -------------------------------------------------------

// The storage type of a record. A reference may also carry no suffix at all.
constexpr char DoubleSuffix = '#';
constexpr char LongSuffix = '&';
constexpr char StringSuffix = '$';
constexpr char NoSuffix = ' ';

// The suffix character written after a name, as the storage type it stands
// for: "!" is a double like "#", "%" a long like "&".
char StorageSuffix(char written) {
  switch (written) {
    case '#':
    case '!': return DoubleSuffix;
    case '&':
    case '%': return LongSuffix;
    case '$': return StringSuffix;
    default: return NoSuffix;
  }
}

// ---- Names ------------------------------------------------------------------

// Reads the name that starts at `position` into nameOut and returns the
// storage suffix written right after it. The first character belongs to the
// name whatever it is; the name then runs on while the next character,
// upper-cased, is a letter, a digit or "_". Every character read is written
// back upper-cased, so the program text holds names in upper case once they
// have been scanned. nameOut keeps its capacity from call to call.
char ScanVariableName(ProgramChars& chars, Position position, std::string& nameOut) {
  nameOut.clear();
  Position last = position;
  for (;;) {
    const char upper = chars.upperAt(last);
    chars.set(last, upper);
    nameOut.push_back(upper);
    // A name never runs past the end of the store.
    if (last >= chars.size() || !isNameChar(chars.upperAt(last + 1))) break;
    ++last;
  }
  return last >= chars.size() ? NoSuffix : StorageSuffix(chars.at(last + 1));
}

// ---- Indices ----------------------------------------------------------------

// The indices of a reference, or the bounds of a declaration; missing ones are 0.
using Indices = std::array<std::int64_t, 3>;
constexpr int MaxIndexCount = 3;
constexpr std::int64_t LongMax = std::numeric_limits<std::int32_t>::max();

enum class IndexState {
  Valid,       // whole, non-negative numbers within the Long range
  BeyondLong,  // whole and non-negative, but one lies beyond the Long range
  Illegal,     // a fraction, a negative number, a string, or too many indices
};

// Reads index slots 1 to indexCount. An index beyond the Long range is held as
// LongMax + 1, which exceeds every bound, so it can never address an element.
// A list too short to hold the value and all its indices carries no usable
// reference at all.
IndexState ReadIndices(IndexList indexList, int indexCount, Indices& indices) {
  indices = {0, 0, 0};
  if (indexCount > MaxIndexCount) return IndexState::Illegal;
  if (indexList.size() < static_cast<std::size_t>(std::max(indexCount, 0)) + 1) {
    return IndexState::Illegal;
  }
  IndexState state = IndexState::Valid;
  for (int k = 1; k <= indexCount; ++k) {
    const Value& slot = indexList[static_cast<std::size_t>(k)];
    if (slot.isString()) return IndexState::Illegal;
    const double number = slot.number();
    // Written so that NaN fails too: it is never equal to its integer part.
    if (!(number >= 0 && number == std::floor(number))) return IndexState::Illegal;
    if (const std::optional<std::int32_t> index = ToInteger<std::int32_t>(number)) {
      indices[static_cast<std::size_t>(k - 1)] = *index;
    } else {
      indices[static_cast<std::size_t>(k - 1)] = LongMax + 1;
      state = IndexState::BeyondLong;
    }
  }
  return state;
}

bool ExceedsBounds(const VariableRecord& record, const Indices& indices) {
  return indices[0] > record.bound1 || indices[1] > record.bound2 || indices[2] > record.bound3;
}

// The number of slots a block with these bounds needs, or 0 when it would be
// larger than MaxBlockSize. Each factor is at most 2^31 and the product so far
// at most MaxBlockSize, so no multiplication leaves the 64-bit range.
std::int64_t CappedBlockSize(const Indices& bounds) {
  std::int64_t size = 1;
  for (const std::int64_t bound : bounds) {
    size *= bound + 1;
    if (size > MaxBlockSize) return 0;
  }
  return size;
}

// ---- Searching a table --------------------------------------------------------

// Where a variable lives: its table, its record, and the number of value slots
// owned by the records before it (its block starts right after them).
struct VariableLocation {
  VariableTable* table = nullptr;
  std::size_t record = 0;
  std::size_t blockStart = 0;

  explicit operator bool() const { return table != nullptr; }
  VariableRecord& recordEntry() const { return table->records[record]; }
};

// Searches the records in order of creation, adding up the block sizes on the way.
VariableLocation FindVariable(VariableTable& table, std::string_view name) {
  std::size_t blockStart = 0;
  for (std::size_t k = 1; k < table.records.size(); ++k) {
    const VariableRecord& record = table.records[k];
    if (record.name == name) return {&table, k, blockStart};
    blockStart += static_cast<std::size_t>(record.blockSize());
  }
  return {};
}

// A local variable hides a global one of the same name.
VariableLocation FindVisibleVariable(VariableTable& localTable, VariableTable& globalTable,
                                     std::string_view name) {
  if (VariableLocation local = FindVariable(localTable, name)) return local;
  return FindVariable(globalTable, name);
}

// The slot of element (i1, i2, i3); the last index varies fastest. The indices
// lie within the bounds, so the offset stays below the block size.
Value& Element(const VariableLocation& location, const Indices& indices) {
  const VariableRecord& record = location.recordEntry();
  const std::int64_t stride3 = 1;
  const std::int64_t stride2 = (std::int64_t{record.bound3} + 1) * stride3;
  const std::int64_t stride1 = (std::int64_t{record.bound2} + 1) * stride2;
  const std::int64_t offset = indices[0] * stride1 + indices[1] * stride2 + indices[2] * stride3;
  return location.table->values[location.blockStart + 1 + static_cast<std::size_t>(offset)];
}

// Adds a variable at the end of a table: one record, and one block of values
// all set to the initial value. Returns false, leaving the table as it was,
// when the memory for the block cannot be had.
bool AddVariable(VariableTable& table, std::string_view name, char suffix, const Indices& bounds,
                 std::int64_t blockSize, const Value& initial) {
  const std::size_t oldValueCount = table.values.size();
  try {
    // A scalar, the usual case (every parameter is one), is one more slot.
    if (blockSize == 1) {
      table.values.push_back(initial);
    } else {
      // An array leaves room for the scalars usually made after it, which
      // would otherwise move the whole array at once.
      constexpr std::size_t ScalarRoom = 256;
      const std::size_t needed = oldValueCount + static_cast<std::size_t>(blockSize);
      if (needed > table.values.capacity()) table.values.reserve(needed + ScalarRoom);
      table.values.resize(needed, initial);
    }
    table.records.push_back(VariableRecord{std::string(name), suffix,
                                           static_cast<std::int32_t>(bounds[0]),
                                           static_cast<std::int32_t>(bounds[1]),
                                           static_cast<std::int32_t>(bounds[2]), oldValueCount - 1});
    ++table.generation;
  } catch (const std::bad_alloc&) {
    table.values.resize(oldValueCount);
    return false;
  }
  return true;
}

// ---- Declared types ---------------------------------------------------------

// Infinity and NaN are no numbers a variable holds.
bool isBeyondRange(const Value& value) { return value.isNumber() && !std::isfinite(value.number()); }

enum class DeclaredType { Double, Long, String, FromSuffix, Unchecked };

constexpr std::string_view LocalScope = "LOCAL_";
constexpr std::string_view GlobalScope = "GLOBAL";
constexpr std::size_t ScopeLength = 6;
constexpr std::string_view DimWord = "DIM";

DeclaredType TypeOfWord(std::string_view word) {
  if (word == "SINGLE" || word == "DOUBLE") return DeclaredType::Double;
  if (word == "INTEGER" || word == "LONG") return DeclaredType::Long;
  if (word == "STRING") return DeclaredType::String;
  if (word == DimWord) return DeclaredType::FromSuffix;
  return DeclaredType::Unchecked;
}

// A declaration without AS takes its type from the suffix; no suffix means double.
DeclaredType TypeOfSuffix(char suffix) {
  if (suffix == LongSuffix) return DeclaredType::Long;
  if (suffix == StringSuffix) return DeclaredType::String;
  return DeclaredType::Double;
}

// Gives a name without suffix the suffix of its declared type, and prepares
// the initial value: none at all means 0 for a number and "" for a string.
// Returns the message for a suffix or a value that does not fit the type,
// "" when both fit.
std::string CheckDeclaredType(DeclaredType type, char& suffix, Value& initial,
                              std::string_view name) {
  switch (type) {
    case DeclaredType::Double:
    case DeclaredType::Long: {
      const char wanted = type == DeclaredType::Double ? DoubleSuffix : LongSuffix;
      if (suffix == NoSuffix) suffix = wanted;
      if (suffix != wanted) {
        return std::string(type == DeclaredType::Double ? msg::UseSuffixDouble
                                                        : msg::UseSuffixLong);
      }
      if (initial.isEmpty()) initial.setDouble(0.0);
      if (initial.isString()) return msg::InitialisationMismatch(name);
      if (isBeyondRange(initial)) {
        return type == DeclaredType::Long ? msg::IntegerOverflow(name) : std::string(msg::ArithmeticOverflow);
      }
      return {};
    }
    case DeclaredType::String:
      if (suffix == NoSuffix) suffix = StringSuffix;
      if (suffix != StringSuffix) return std::string(msg::UseSuffixString);
      if (initial.isEmpty()) initial.setString("");
      if (!initial.isString()) return msg::InitialisationMismatch(name);
      return {};
    case DeclaredType::FromSuffix:  // resolved by the caller
    case DeclaredType::Unchecked:
      return {};
  }
  return {};
}

// ---- Storing values -----------------------------------------------------------

// Rounds to the nearest whole number, halves to the even neighbour
// (2.5 gives 2, 3.5 gives 4, -2.5 gives -2); nothing beyond the Long range.
std::optional<std::int32_t> RoundHalfToEven(double x) {
  double rounded = std::round(x);  // halves away from zero
  const bool isHalf = std::fabs(x - std::trunc(x)) == 0.5;
  if (isHalf && std::fmod(rounded, 2.0) != 0.0) rounded -= std::copysign(1.0, x);
  return ToInteger<std::int32_t>(rounded);
}

}  // namespace

char DeclaredStorageType(std::string_view typeWord, char suffix) {
  DeclaredType type = TypeOfWord(typeWord);
  if (type == DeclaredType::FromSuffix) type = TypeOfSuffix(suffix);
  char wanted = NoSuffix;
  switch (type) {
    case DeclaredType::Double: wanted = DoubleSuffix; break;
    case DeclaredType::Long: wanted = LongSuffix; break;
    case DeclaredType::String: wanted = StringSuffix; break;
    case DeclaredType::FromSuffix:
    case DeclaredType::Unchecked: return NoSuffix;
  }
  return suffix == NoSuffix || suffix == wanted ? wanted : NoSuffix;
}

bool AddScalarVariable(VariableTable& table, const VariableRecord& model, const Value& initial) {
  const std::size_t oldValueCount = table.values.size();
  try {
    table.values.push_back(initial);
    table.records.push_back(model);
  } catch (const std::bad_alloc&) {
    table.values.resize(oldValueCount);
    return false;
  }
  table.records.back().firstSlot = oldValueCount - 1;
  ++table.generation;
  return true;
}

StoreOutcome StoreByRecordTypeOtherwise(char suffix, const Value& value, Value& element) {
  if (suffix == LongSuffix && value.isNumber()) {
    const double number = value.number();
    // Written so that NaN overflows too.
    const std::optional<std::int32_t> whole = RoundHalfToEven(number);
    if (!(std::fabs(number) <= LongStoreLimit) || !whole) return StoreOutcome::Overflow;
    element.setLong(*whole);
    return StoreOutcome::Stored;
  }
  if (suffix == StringSuffix && value.isString()) {
    element = value;
    return StoreOutcome::Stored;
  }
  return StoreOutcome::TypeMismatch;
}

namespace {

// ---- Declaration lists -------------------------------------------------------

// A blank, "_" and a blank: the rest of the editor line is ignored and the
// statement goes on in the next one.
bool IsContinuation(const ProgramChars& chars, Position p) {
  return isBlank(chars.at(p)) && chars.at(p + 1) == '_' && isBlank(chars.at(p + 2));
}

// A blank, "AS" in any case, and a blank.
bool IsAsClause(const ProgramChars& chars, Position p) {
  return isBlank(chars.at(p)) && chars.upperAt(p + 1) == 'A' && chars.upperAt(p + 2) == 'S' &&
         isBlank(chars.at(p + 3));
}

// Gathers the significant characters of the type word, upper-cased, from
// `from` up to the next ")" or "," or through `to`; nextStart is one past
// where gathering stopped.
std::string GatherTypeWord(const ProgramChars& chars, Position from, Position to,
                           Position& nextStart) {
  std::string word;
  for (Position p = from; p <= to; ++p) {
    const char c = chars.at(p);
    if (c == ')' || c == ',') {
      nextStart = p + 1;
      return word;
    }
    if (isSignificant(c)) word.push_back(upperChar(c));
  }
  nextStart = to + 1;
  return word;
}

}  // namespace

// ---- DeclareVariable ----------------------------------------------------------

void DeclareVariable(std::string_view modeText, Position position, ProgramChars& chars,
                     IndexList indexList, int indexCount, std::string& errorText,
                     VariableTable& localTable, VariableTable& globalTable, std::string& nameOut) {
  // 1. The scope is the first six characters, the type word the rest.
  const std::string_view scope = modeText.substr(0, std::min(ScopeLength, modeText.size()));
  const std::string_view typeWord =
      modeText.size() > ScopeLength ? modeText.substr(ScopeLength) : std::string_view{};
  //    The name is read together with the suffix written after it (step 4).
  char suffix = ScanVariableName(chars, position, nameOut);

  // 2. A variable's name begins with a letter.
  if (!isLetterAtoZ(nameOut.front())) {
    errorText = msg::IllegalFirstCharacter(nameOut);
    return;
  }

  // 3. The bounds are whole, non-negative Longs.
  Indices bounds{};
  if (ReadIndices(indexList, indexCount, bounds) != IndexState::Valid) {
    errorText = msg::IllegalIndex(nameOut);
    return;
  }

  // 4. (The suffix was read with the name.)
  // 5. Without AS the suffix decides the type.
  DeclaredType type = TypeOfWord(typeWord);
  if (type == DeclaredType::FromSuffix) type = TypeOfSuffix(suffix);

  // 6. The suffix and the initial value must fit the type.
  Value initial = indexList[0];
  if (std::string fault = CheckDeclaredType(type, suffix, initial, nameOut); !fault.empty()) {
    errorText = std::move(fault);
    return;
  }

  // 7. The scope chooses the table.
  VariableTable* table = nullptr;
  if (scope == LocalScope) table = &localTable;
  if (scope == GlobalScope) table = &globalTable;
  if (table == nullptr) return;

  // 8. An existing variable of the same shape is re-initialised (and may change
  //    its type); one of another shape cannot be declared again.
  if (const VariableLocation found = FindVariable(*table, nameOut)) {
    VariableRecord& record = found.recordEntry();
    record.suffix = suffix;
    if (record.bound1 != bounds[0] || record.bound2 != bounds[1] || record.bound3 != bounds[2]) {
      errorText = msg::AlreadyDimensioned(nameOut);
      return;
    }
    const auto block = table->values.begin() + static_cast<std::ptrdiff_t>(found.blockStart + 1);
    std::fill(block, block + record.blockSize(), initial);
    errorText.clear();
    return;
  }

  //    A new variable. A block too large for the store leaves the table as it
  //    was; the message is made only then, as declaring is frequent (every
  //    procedure call declares its parameters).
  const std::int64_t blockSize = CappedBlockSize(bounds);
  if (blockSize != 0 && AddVariable(*table, nameOut, suffix, bounds, blockSize, initial)) {
    errorText.clear();
    return;
  }
  errorText = msg::UnableToDimension(nameOut);
}

// ---- LookupVariable -----------------------------------------------------------

void LookupVariable(Position position, ProgramChars& chars, IndexList indexList, int indexCount,
                    std::string& resultText, VariableTable& localTable,
                    VariableTable& globalTable, Value& valueOut, std::string& nameOut) {
  // 1. The suffix written after the name plays no part in a lookup.
  ScanVariableName(chars, position, nameOut);
  resultText = msg::NoVariable;

  // 2. Indices that cannot address any element find no variable.
  Indices indices{};
  if (ReadIndices(indexList, indexCount, indices) != IndexState::Valid) return;

  // 3. The local variable first, then the global one.
  const VariableLocation found = FindVisibleVariable(localTable, globalTable, nameOut);
  if (!found) return;
  if (ExceedsBounds(found.recordEntry(), indices)) {
    resultText = msg::IndexOutOfRange(nameOut);
    return;
  }
  const Value& element = Element(found, indices);
  valueOut = element;
  indexList[0] = element;
  resultText.clear();
}

// ---- AssignVariable -----------------------------------------------------------

void AssignVariable(Position position, ProgramChars& chars, IndexList indexList, int indexCount,
                    std::string& errorText, VariableTable& localTable,
                    VariableTable& globalTable, Value& valueOut, std::string& nameOut) {
  // 1. The name and the suffix of the reference.
  const char referenceSuffix = ScanVariableName(chars, position, nameOut);

  // 2. Indices must be whole and non-negative.
  Indices indices{};
  if (ReadIndices(indexList, indexCount, indices) == IndexState::Illegal) {
    errorText = msg::IllegalIndex(nameOut);
    return;
  }
  const Value& value = indexList[0];

  // 3. An existing variable, local first, keeps its storage type.
  if (const VariableLocation found = FindVisibleVariable(localTable, globalTable, nameOut)) {
    const VariableRecord& record = found.recordEntry();
    if (referenceSuffix != NoSuffix && referenceSuffix != record.suffix) {
      errorText = msg::ReferenceTypeMismatch(nameOut);
      return;
    }
    if (ExceedsBounds(record, indices)) {
      errorText = msg::IndexOutOfRange(nameOut);
      return;
    }
    switch (StoreByRecordType(record.suffix, value, Element(found, indices))) {
      case StoreOutcome::Stored: errorText.clear(); break;
      case StoreOutcome::Overflow: errorText = msg::IntegerOverflow(nameOut); break;
      case StoreOutcome::OutOfRange: errorText = msg::ArithmeticOverflow; break;
      case StoreOutcome::TypeMismatch:
        errorText = found.table == &localTable ? msg::LocalTypeMismatch(nameOut)
                                               : msg::GlobalTypeMismatch(nameOut);
        break;
    }
    return;
  }

  // 4. A missing variable becomes a local scalar, whatever indices the reference
  //    carried; without a suffix it is a double.
  const char suffix = referenceSuffix == NoSuffix ? DoubleSuffix : referenceSuffix;
  const bool numericSuffix = suffix == LongSuffix || suffix == DoubleSuffix;
  if ((numericSuffix && value.isString()) || (suffix == StringSuffix && !value.isString())) {
    errorText = msg::NewVariableMismatch(nameOut);
    return;
  }
  if (isBeyondRange(value)) {
    errorText = suffix == LongSuffix ? msg::IntegerOverflow(nameOut) : std::string(msg::ArithmeticOverflow);
    return;
  }
  Value stored = value;
  // A new long takes the integer part (toward minus infinity), without an
  // overflow test (but never Infinity or NaN, refused above).
  if (suffix == LongSuffix && value.kind() == ValueKind::Double) {
    stored.setDouble(std::floor(value.asDouble()));
  }
  if (!AddVariable(localTable, nameOut, suffix, Indices{0, 0, 0}, 1, stored)) {
    errorText = msg::UnableToCreate(nameOut);
    return;
  }
  valueOut = std::move(stored);
  errorText.clear();
}

// ---- ScanDeclarationItem ------------------------------------------------------

std::string ScanDeclarationItem(const ProgramChars& chars, Position from, Position to,
                                Position& itemEnd, Position& nextStart, Position& openParen,
                                Position& closeParen, int& indexCount) {
  openParen = 0;
  closeParen = 0;
  indexCount = 0;
  int depth = 0;
  for (Position p = from; p <= to; ++p) {
    const char c = chars.at(p);

    // Inside the outer parentheses the first significant character starts the
    // first index, and every comma starts another.
    if (depth == 1) {
      if (indexCount == 0 && isSignificant(c) && c != ')') indexCount = 1;
      if (c == ',') ++indexCount;
    }

    if (c == Quote) {  // a string literal, up to and including its closing quote
      do ++p; while (p <= to && chars.at(p) != Quote);
      continue;
    }
    if (IsContinuation(chars, p)) {
      while (p <= to && chars.at(p) != CR) ++p;
      continue;
    }
    if (c == '(') {
      if (++depth == 1) openParen = p;
      continue;
    }
    if (c == ')') {
      if (depth-- == 1) closeParen = p;
      continue;
    }
    if (depth != 0) continue;

    // At the top level a comma or an AS clause ends the item.
    if (c == ',') {
      itemEnd = p - 1;
      nextStart = p + 1;
      return std::string(DimWord);
    }
    if (IsAsClause(chars, p)) {
      itemEnd = p;
      return GatherTypeWord(chars, p + 4, to, nextStart);
    }
  }
  itemEnd = to;
  nextStart = to + 1;
  return std::string(DimWord);
}

}  // namespace morvane
