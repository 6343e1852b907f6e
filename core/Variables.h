#pragma once
// The four operations of the variable store. None takes the name as a
// string: each reads it out of the character store at a position (writing it
// back upper-cased) and reports the name it read in nameOut. Failure is
// reported by a message text; "" means success.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/VariableTable.h"
#include "prepare/ProgramChars.h"

namespace morvane {

// modeText: "LOCAL_" or "GLOBAL", then the type word ("SINGLE", "DOUBLE",
// "INTEGER", "LONG", "STRING" or "DIM"). indexList[0] is the initial value
// (Empty when none), indexList[1..indexCount] the upper bounds.
void DeclareVariable(std::string_view modeText, Position position, ProgramChars& chars,
                     IndexList indexList, int indexCount, std::string& errorText,
                     VariableTable& localTable, VariableTable& globalTable, std::string& nameOut);

// resultText: "" when found (the value is then in valueOut and indexList[0]),
// "NO-VARIABLE", or the out-of-range message.
void LookupVariable(Position position, ProgramChars& chars, IndexList indexList, int indexCount,
                    std::string& resultText, VariableTable& localTable,
                    VariableTable& globalTable, Value& valueOut, std::string& nameOut);

// Stores indexList[0]; creates a missing scalar in the local table, and then
// also hands the stored value back in valueOut.
void AssignVariable(Position position, ProgramChars& chars, IndexList indexList, int indexCount,
                    std::string& errorText, VariableTable& localTable,
                    VariableTable& globalTable, Value& valueOut, std::string& nameOut);

// The storage type ('#', '&' or '$') that a declaration with this type word
// ("DIM" or the word after AS) gives a name written with this storage suffix
// (' ' for none); ' ' when the suffix does not fit the type, or the word is
// none the store checks.
char DeclaredStorageType(std::string_view typeWord, char suffix);

// Adds a scalar at the end of a table, as DeclareVariable does once it has
// checked the name, the type and the initial value and found no variable of
// the name in the table: a copy of `model`, a scalar's record (its bounds 0)
// whose block is placed here. False, the table as it was, when memory runs
// out.
bool AddScalarVariable(VariableTable& table, const VariableRecord& model, const Value& initial);

// Stores a value into an element of an existing variable by the record's
// storage type ('#', '&' or '$') and the value's kind, as AssignVariable
// does once it has found the element. The element is unchanged unless Stored.
enum class StoreOutcome { Stored, Overflow, OutOfRange, TypeMismatch };
// A long variable refuses numbers beyond this size, a little below the Long range.
constexpr double LongStoreLimit = 2147483000.0;
// Every other case than a number into a double variable, or a whole number
// into a long one.
StoreOutcome StoreByRecordTypeOtherwise(char suffix, const Value& value, Value& element);
inline StoreOutcome StoreByRecordType(char suffix, const Value& value, Value& element) {
  if (suffix == '#' && value.isNumber()) {
    // Infinity and NaN are no numbers a variable holds.
    if (!std::isfinite(value.number())) return StoreOutcome::OutOfRange;
    element = value;  // a Long stays a Long
    return StoreOutcome::Stored;
  }
  if (suffix == '&' && value.isNumber()) {
    // A whole number within the limit needs no rounding (NaN fails the test).
    const double number = value.number();
    if (std::fabs(number) <= LongStoreLimit) {
      const auto whole = static_cast<std::int32_t>(number);
      if (whole == number) {
        element.setLong(whole);
        return StoreOutcome::Stored;
      }
    }
  }
  return StoreByRecordTypeOtherwise(suffix, value, element);
}

// Cuts the first item of a declaration list between from and to; returns the
// type word after AS (upper case) or "DIM".
std::string ScanDeclarationItem(const ProgramChars& chars, Position from, Position to,
                                Position& itemEnd, Position& nextStart, Position& openParen,
                                Position& closeParen, int& indexCount);

}  // namespace morvane
