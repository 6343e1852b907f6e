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
// ---- Control flow and procedures -------------------------------------------
constexpr std::string_view WhereIsThen = "Where is THEN in this IF instruction?";
constexpr std::string_view WhereIsTo = "Where is TO in this FOR instruction?";
constexpr std::string_view WrongNumberOfArguments = "Wrong number of arguments in SUB or FUNCTION!";

// A statement whose section a later version of the interpreter provides.
inline std::string NotYetAvailable(std::string_view keyword) { return join("The instruction ", keyword, " is not available yet!"); }

// ---- Expressions ------------------------------------------------------------
constexpr std::string_view ExpressionTooComplex = "This mathematical expression is too complex!";
constexpr std::string_view IllegalCharacterInExpression = "Illegal character in this expression!";
constexpr std::string_view EmptyExpression = "Empty mathematical expression!";
constexpr std::string_view SyntaxError = "Syntax error!";
constexpr std::string_view OnlyOneDecimalPoint = "Please only one decimal point in a number!";
constexpr std::string_view OnlyOneExponent = "Please only one exponent in a number!";
constexpr std::string_view WrongExponent = "Wrong exponent specification!";
// A string literal whose closing quote is missing up to the end of the text.
constexpr std::string_view UnclosedString = "Incomplete string!";
constexpr std::string_view IllegalExponentiation = "Illegal exponentiation";
constexpr std::string_view IllegalProduct = "Illegal product";
constexpr std::string_view IllegalDivision = "Illegal division";
constexpr std::string_view WrongType = "Wrong Type!";
constexpr std::string_view TooManyNestedCalls = "Too many nested calls!";
inline std::string UndefinedName(std::string_view name) { return join("Undefined variable or function: ", name, "!"); }
// Note: no "is", unlike the variable store's own out-of-range message.
inline std::string IndexOutOfRangeInExpression(std::string_view name) { return join("Index of variable ", name, " out of range!"); }

// ---- Built-in functions -----------------------------------------------------
// Also the evaluator's signal to look for a procedure of the program.
constexpr std::string_view UnknownFunctionOrVariable = " Unknown Function or Variable!";
inline std::string FunctionFailed(std::string_view name) { return join("Unidentified error in function ", name, " !"); }
constexpr std::string_view AbsNeedsNumber = "Please use a numerical argument in the ABS-function!";
constexpr std::string_view SqrNeedsPositive = "Please use a positive argument in the SQR-function!";
constexpr std::string_view LnNeedsPositive = "Please use a positive argument in the LN-function!";
constexpr std::string_view ExpNeedsNumber = "Please use a numerical argument in the EXP-function!";
constexpr std::string_view SinNeedsNumber = "Please use a numerical argument in the SIN-function!";
constexpr std::string_view CosNeedsNumber = "Please use a numerical argument in the COS-function!";
constexpr std::string_view TanNeedsNumber = "Please use a numerical argument in the TAN-function!";
constexpr std::string_view CotNeedsNumber = "Please use a numerical argument in the COT-function!";
constexpr std::string_view AtnNeedsNumber = "Please use a numerical argument in the ATN-function!";
constexpr std::string_view AsinNeedsNumber = "Please use a numerical argument in the ASIN-function!";
constexpr std::string_view AcosNeedsNumber = "Please use a numerical argument in the ACOS-function!";
constexpr std::string_view AcotNeedsNumber = "Please use a numerical argument in the ACOT-function!";
constexpr std::string_view SignNeedsNumber = "Please use a numerical argument in the SIGN-function!";
constexpr std::string_view IntNeedsNumber = "Please use a numerical argument in the INT-function!";
constexpr std::string_view FixNeedsNumber = "Please use a numerical argument in the FIX-function!";
constexpr std::string_view MaxNeedsNumbers = "Please use numerical arguments in the MAX-function!";
constexpr std::string_view MinNeedsNumbers = "Please use numerical arguments in the MIN-function!";
constexpr std::string_view InputBoxNeedsComment = "Please use a string as comment in the INPUTBOX-function!";
constexpr std::string_view FileNeedsName = "Please use a string as filename in the FILE-function!";
constexpr std::string_view TimerNeedsNoArguments = "The TIMER-function needs no arguments!";
constexpr std::string_view TimeNeedsNoArguments = "The TIME function needs no arguments!";
constexpr std::string_view DateNeedsNoArguments = "The DATE function needs no arguments!";
constexpr std::string_view VersionNeedsNoArguments = "The VERSION function needs no arguments!";
constexpr std::string_view FormatArgumentCount = "Please use two string arguments in the FORMAT-function!";
// This text has no closing "!".
constexpr std::string_view FormatNeedsNumber = "Please use a numerical value as first argument in the FORMAT-function";
constexpr std::string_view FormatNeedsPattern = "Please use a format string in the FORMAT-function!";
constexpr std::string_view FormatIncorrectCharacter = "Incorrect character in FORMAT-string!";
constexpr std::string_view LenNeedsString = "Please use a string argument in the STRLENGTH-function!";
constexpr std::string_view ChrNeedsCode = "Please use a correct parameter in the CHR-function!";
constexpr std::string_view ValNeedsString = "Please use a string argument in the VAL-function!";
constexpr std::string_view StrNeedsArgument = "Please use a numerical argument in the STR-function!";
constexpr std::string_view LcaseNeedsString = "Please use a string argument in the LCASE-function!";
constexpr std::string_view UcaseNeedsString = "Please use a string argument in the UCASE-function!";
constexpr std::string_view AscNeedsCharacter = "Please use a single character as argument in the ASC-function!";
constexpr std::string_view MidArgumentCount = "Please use two or three arguments in the MID-function!";
constexpr std::string_view MidNeedsString = "Please use a String in the MID-Function!";
constexpr std::string_view InstrNeedsStrings = "Please use two string arguments in the INSTR-function!";
constexpr std::string_view StrchrNeedsArguments = "Please use three correct arguments in the STRCHR-function!";
constexpr std::string_view RgbArgumentCount = "Please use three arguments in the RGB-function!";
constexpr std::string_view RgbNeedsNumbers = "Please use no strings in the RGB-Function!";
// The caption of the input box that INPUTBOX opens.
constexpr std::string_view InputBoxCaption = "Message/Input-Box";
// What VERSION answers.
constexpr std::string_view LanguageVersion = "1.3.2018";

}  // namespace morvane::msg
