#pragma once
// Every text the interpreter shows the user, defined once. Texts with a name
// or a number in them are built by the functions below; their blanks and
// punctuation are exactly what the user sees.

#include <string>
#include <string_view>

namespace morvane::msg {

inline std::string join(std::string_view a, std::string_view b, std::string_view c) {
  std::string s;
  s.reserve(a.size() + b.size() + c.size());
  s.append(a).append(b).append(c);
  return s;
}

// ---- Variables and values -------------------------------------------------
constexpr std::string_view NoVariable = "NO-VARIABLE";
constexpr std::string_view UseSuffixDouble = "Use suffix # for a DOUBLE FLOATING POINT variable!";
constexpr std::string_view UseSuffixLong = "Use suffix & for a LONG INTEGER variable!";
constexpr std::string_view UseSuffixString = "Use suffix $ for a STRING variable!";
inline std::string IllegalFirstCharacter(std::string_view name) { return join("Illegal first character in the name of variable ", name, "!"); }
inline std::string IllegalIndex(std::string_view name) { return join("Illegal index for the variable ", name, "!"); }
inline std::string InitialisationMismatch(std::string_view name) { return join("Type mismatch for the initialization of the variable ", name, " !"); }
inline std::string AlreadyDimensioned(std::string_view name) { return join("This variable ", name, " has already been dimensioned!"); }
inline std::string UnableToDimension(std::string_view name) { return join("Unable to dimension this variable ", name, "!"); }
inline std::string IndexOutOfRange(std::string_view name) { return join("Index of variable ", name, " is out of range!"); }
inline std::string ReferenceTypeMismatch(std::string_view name) { return join("Type mismatch for variable ", name, "!"); }
inline std::string IntegerOverflow(std::string_view name) { return join("Overflow of the integer variable ", name, " !"); }
inline std::string LocalTypeMismatch(std::string_view name) { return join("Type mismatch for the variable ", name, "!"); }
inline std::string GlobalTypeMismatch(std::string_view name) { return join("Type mismatch for the variable ", name, " !"); }
inline std::string NewVariableMismatch(std::string_view name) { return join("Type Mismatch for the Initialization of Variable ", name, " !"); }
inline std::string UnableToCreate(std::string_view name) { return join("Unable to create this new variable ", name, "!"); }

// ---- Program preparation ---------------------------------------------------
// Structure faults follow "(Line " + number text of the editor line.
constexpr std::string_view LinePrefix = "(Line ";
constexpr std::string_view IncompleteString = "): Incomplete string!";
inline std::string GotoUndefined(std::string_view label) { return join("): GOTO ", label, " undefined!"); }
inline std::string GotoOverdefined(std::string_view label) { return join("): GOTO ", label, " overdefined!"); }
constexpr std::string_view IllegalSingleLineIf = "):Illegal single line IF instruction!";
constexpr std::string_view TwoElseInSingleLineIf = "):Please not two ELSE in one IF instruction!";
constexpr std::string_view IfWithoutEndIf = "): IF without ENDIF!";
constexpr std::string_view NoElseIfAfterElse = "): No ELSEIF after ELSE!";
constexpr std::string_view NotTwoTimesElse = "): Not two times ELSE!";
constexpr std::string_view IncompleteIf = "): Incomplete IF construction!";
constexpr std::string_view IncompleteDoLoop = "): Incomplete DO-LOOP construction!";
constexpr std::string_view IncompleteForNext = "): Incomplete FOR-NEXT construction!";
constexpr std::string_view ForNextMismatch = "): FOR / NEXT mismatch!";
constexpr std::string_view IncompleteFor = "): Incomplete FOR instruction!";
constexpr std::string_view MisplacedExitDo = "): Misplaced EXIT DO!";
constexpr std::string_view MisplacedExitFor = "): Misplaced EXIT FOR!";
constexpr std::string_view MisplacedElseIf = "): Misplaced ELSEIF!";
constexpr std::string_view MisplacedElse = "): Misplaced ELSE!";
constexpr std::string_view MisplacedEndIf = "): Misplaced ENDIF!";
constexpr std::string_view UnidentifiedBasicfileError = "Unidentified error in Basicfile!";

// ---- Execution driver -------------------------------------------------------
constexpr std::string_view ExecutionInterrupted = "Execution interrupted!";
constexpr std::string_view NotAllowedInSingleLineMode = " Not allowed in single line mode!";
constexpr std::string_view UnknownInstruction = "Unknown instruction!";
constexpr std::string_view NoSound = "No Sound!";
constexpr std::string_view End = "End";
constexpr std::string_view Stop = "Stop";
constexpr std::string_view Deleted = "DELETED";  // internal mark, never shown
constexpr std::string_view ClearScreenAndVariables = "Clear Screen and Variables";
constexpr std::string_view ErrorInLine = " -> Error in Line ";
constexpr std::string_view Pause = "PAUSE";
constexpr std::string_view RunEcho = "Run";
constexpr std::string_view GoEcho = "Go";
// A statement whose section a later version of the interpreter provides.
inline std::string NotYetAvailable(std::string_view keyword) { return join("The instruction ", keyword, " is not available yet!"); }

}  // namespace morvane::msg
