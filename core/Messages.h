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

// ---- Instruction files and other windows -------------------------------------
constexpr std::string_view SpecifyFilename = "Please specify a filename!";
constexpr std::string_view CannotOpenInstructionFile = "I cannot open this instructionfile!";
constexpr std::string_view InstructionFileTooLong = "The instructionfile is too long!";
// What an instruction file may end with without being reported as an error.
constexpr std::string_view ProgramExecutionTerminated = "Program execution terminated!";
inline std::string InFile(std::string_view name, std::string_view message) { return join("File ", name, ": ") + std::string(message); }
inline std::string UnableToStart(std::string_view name) { return join("Unable to start ", name, "!"); }
inline std::string UnableToEdit(std::string_view name) { return join("Unable to edit ", name, "!"); }
constexpr std::string_view Finished = " finished!";
constexpr std::string_view Started = " started!";

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
// A sum (or any other result) beyond the largest number, about 1.8E308.
constexpr std::string_view ArithmeticOverflow = "Arithmetic overflow: the result is too large!";
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

// ---- Console and files --------------------------------------------------------
constexpr std::string_view UseVariableForInput = "Use a variable for the INPUT instruction!";
constexpr std::string_view UseTwoArgumentsForLineInput = "Use two arguments for the LINEINPUT instruction!";
// Also the answer of CD, MD, RD and DEL when the platform refuses.
constexpr std::string_view FilenameIncorrect = "The filename is incorrect!";
constexpr std::string_view FilenumberIncorrect = "The filenumber is incorrect!";
constexpr std::string_view UseOpenMode = "Use FOR INPUT, FOR OUTPUT or FOR APPEND!";
constexpr std::string_view CannotOpenFile = "I cannot open this file!";
constexpr std::string_view CannotCloseFile = "I cannot close this file!";
// PRINT # to a number that is not open for writing, or a write that failed.
constexpr std::string_view CannotWriteFile = "I cannot write to this file!";
// LINEINPUT # from a number that is not open for reading.
constexpr std::string_view CannotReadFile = "I cannot read from this file!";
// LINEINPUT # after the file's last line.
constexpr std::string_view EndOfFileReached = "The end of this file has been reached!";

// ---- Drawing ------------------------------------------------------------------
constexpr std::string_view SpecifyParameter = "Please specify a parameter!";
constexpr std::string_view UnknownDrawstyle = "Unknown drawstyle!";
constexpr std::string_view WrongDrawScaleParameter = "Wrong parameter in DRAW SCALE instruction!";
// Also the answer of DRAW LINESTYLE to a style it does not know.
constexpr std::string_view UnknownTextstyle = "Unknown textstyle!";
constexpr std::string_view TextfontNotAvailable = "Textfont not available!";
constexpr std::string_view InvalidXScale = "Invalid X-Scale!";
constexpr std::string_view InvalidYScale = "Invalid Y-Scale!";
constexpr std::string_view InvalidDrawscale = "Invalid Drawscale!";
constexpr std::string_view SpecifyTwoInitialCoordinates = "Please specify two initial coordinates!";
constexpr std::string_view SpecifyTwoCoordinates = "Please specify two coordinates!";
constexpr std::string_view SpecifyTwoFinalCoordinates = "Please specify two final coordinates!";
constexpr std::string_view SpecifyRadius = "Please specify a radius!";
constexpr std::string_view SpecifyText = "Please specify a text!";
constexpr std::string_view SpecifyTextstring = "Please specify a textstring!";

// ---- Declarations and file system ---------------------------------------------
constexpr std::string_view UnknownVariableType = "Unknown type for variable or array!";
constexpr std::string_view SpecifyTwoFiles = "Please specify two files!";
constexpr std::string_view FileDoesNotExist = "This file does not exist!";
constexpr std::string_view FilenamesIncorrect = "The filenames are incorrect!";
// The confirmations of the file-system commands in single step and at the
// command line: " ( " + label + a directory or file name + " )".
constexpr std::string_view ChangedToLabel = "changed to: ";
constexpr std::string_view EstablishedLabel = "established: ";
constexpr std::string_view RemovedLabel = "removed: ";
constexpr std::string_view DeletedLabel = "deleted: ";
constexpr std::string_view CopiedToLabel = "copied to: ";
constexpr std::string_view RenamedAsLabel = "renamed as: ";
// CD without a name shows the current directory under this label.
constexpr std::string_view CurrentDirectoryLabel = " ";
inline std::string Confirmation(std::string_view label, std::string_view name) {
  std::string s(" ( ");
  s.append(label).append(name).append(" )");
  return s;
}

}  // namespace morvane::msg
