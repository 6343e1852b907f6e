#pragma once
// Every text the workbench shows: window titles, menu and button captions,
// message box texts and the find dialog's message line, each defined once.
// Their blanks and punctuation are exactly what the user sees. Texts with a
// name or a number in them are built by the functions at the end.

#include <QCoreApplication>
#include <QString>

namespace morvane::texts {

// Translates a text of this catalogue.
inline QString tr(const char* text) { return QCoreApplication::translate("Workbench", text); }

// ---- Main frame ---------------------------------------------------------------
inline constexpr char MainTitle[] = QT_TRANSLATE_NOOP("Workbench", "Morvane Version 2.1");
inline constexpr char MenuFile[] = QT_TRANSLATE_NOOP("Workbench", "&File");
inline constexpr char MenuNew[] = QT_TRANSLATE_NOOP("Workbench", "&New");
inline constexpr char MenuFrameOpen[] = QT_TRANSLATE_NOOP("Workbench", "&Open");
inline constexpr char MenuExit[] = QT_TRANSLATE_NOOP("Workbench", "&Exit");
inline constexpr char MenuOptions[] = QT_TRANSLATE_NOOP("Workbench", "&Options");
inline constexpr char MenuFrameToolbar[] = QT_TRANSLATE_NOOP("Workbench", "&Toolbar");
inline constexpr char MenuAbout[] = QT_TRANSLATE_NOOP("Workbench", "&About");
inline constexpr char ButtonGo[] = QT_TRANSLATE_NOOP("Workbench", "Go");
inline constexpr char ButtonRun[] = QT_TRANSLATE_NOOP("Workbench", "Run");
inline constexpr char ButtonPause[] = QT_TRANSLATE_NOOP("Workbench", "Pause");
inline constexpr char ButtonStop[] = QT_TRANSLATE_NOOP("Workbench", "Stop");
inline constexpr char ButtonReset[] = QT_TRANSLATE_NOOP("Workbench", "Reset");
// Tool tips of the picture buttons (the pictures carry no words).
inline constexpr char TipNew[] = QT_TRANSLATE_NOOP("Workbench", "New");
inline constexpr char TipOpen[] = QT_TRANSLATE_NOOP("Workbench", "Open");
inline constexpr char TipCut[] = QT_TRANSLATE_NOOP("Workbench", "Cut");
inline constexpr char TipCopy[] = QT_TRANSLATE_NOOP("Workbench", "Copy");
inline constexpr char TipPaste[] = QT_TRANSLATE_NOOP("Workbench", "Paste");

// ---- Document window --------------------------------------------------------------
inline constexpr char NoNamePrefix[] = "NoName";
inline constexpr char NoNameSuffix[] = ".bas";
inline constexpr char MenuEdit[] = QT_TRANSLATE_NOOP("Workbench", "&Edit");
inline constexpr char MenuSearch[] = QT_TRANSLATE_NOOP("Workbench", "&Search");
inline constexpr char MenuExecute[] = QT_TRANSLATE_NOOP("Workbench", "E&xecute");
inline constexpr char MenuWindow[] = QT_TRANSLATE_NOOP("Workbench", "&Window");
inline constexpr char MenuOpen[] = QT_TRANSLATE_NOOP("Workbench", "Open...");
inline constexpr char MenuClose[] = QT_TRANSLATE_NOOP("Workbench", "Close");
inline constexpr char MenuSave[] = QT_TRANSLATE_NOOP("Workbench", "Save");
inline constexpr char MenuSaveAs[] = QT_TRANSLATE_NOOP("Workbench", "Save As...");
inline constexpr char MenuDeleteFile[] = QT_TRANSLATE_NOOP("Workbench", "Delete");
inline constexpr char MenuUndo[] = QT_TRANSLATE_NOOP("Workbench", "Undo");
inline constexpr char MenuCut[] = QT_TRANSLATE_NOOP("Workbench", "Cut");
inline constexpr char MenuCopy[] = QT_TRANSLATE_NOOP("Workbench", "Copy");
inline constexpr char MenuPaste[] = QT_TRANSLATE_NOOP("Workbench", "Paste");
inline constexpr char MenuDelete[] = QT_TRANSLATE_NOOP("Workbench", "Delete");
inline constexpr char MenuGraficCopy[] = QT_TRANSLATE_NOOP("Workbench", "Grafic Copy");
inline constexpr char MenuGraficPaste[] = QT_TRANSLATE_NOOP("Workbench", "Grafic Paste");
inline constexpr char MenuGraficDelete[] = QT_TRANSLATE_NOOP("Workbench", "Grafic Delete");
inline constexpr char MenuClearProtocol[] = QT_TRANSLATE_NOOP("Workbench", "Clear Protocol");
inline constexpr char MenuSelectAll[] = QT_TRANSLATE_NOOP("Workbench", "Select All");
inline constexpr char MenuFind[] = QT_TRANSLATE_NOOP("Workbench", "Find/Replace");
inline constexpr char MenuFindNext[] = QT_TRANSLATE_NOOP("Workbench", "Find Next");
inline constexpr char MenuReplaceNext[] = QT_TRANSLATE_NOOP("Workbench", "Replace Next");
inline constexpr char MenuGo[] = QT_TRANSLATE_NOOP("Workbench", "Go (Single Step)");
inline constexpr char MenuRun[] = QT_TRANSLATE_NOOP("Workbench", "Run (Start Program)");
inline constexpr char MenuPause[] = QT_TRANSLATE_NOOP("Workbench", "Pause");
inline constexpr char MenuStop[] = QT_TRANSLATE_NOOP("Workbench", "Stop");
inline constexpr char MenuReset[] = QT_TRANSLATE_NOOP("Workbench", "Reset");
inline constexpr char MenuToolbar[] = QT_TRANSLATE_NOOP("Workbench", "Toolbar");
inline constexpr char MenuFontName[] = QT_TRANSLATE_NOOP("Workbench", "Font Name");
inline constexpr char MenuFontSize[] = QT_TRANSLATE_NOOP("Workbench", "Font Size %1pt");
inline constexpr char MenuDefaults[] = QT_TRANSLATE_NOOP("Workbench", "Defaults");
inline constexpr char MenuCascade[] = QT_TRANSLATE_NOOP("Workbench", "Cascade");
inline constexpr char MenuTile[] = QT_TRANSLATE_NOOP("Workbench", "Tile");
inline constexpr char MenuArrange[] = QT_TRANSLATE_NOOP("Workbench", "Arrange");
inline constexpr char StatusLine[] = QT_TRANSLATE_NOOP("Workbench", "Line:");
inline constexpr char StatusColumn[] = QT_TRANSLATE_NOOP("Workbench", "Column:");
inline constexpr char StatusLength[] = QT_TRANSLATE_NOOP("Workbench", "Length:");
inline constexpr char MenuProtocolWordWrap[] = QT_TRANSLATE_NOOP("Workbench", "Protocol Word Wrap");

// ---- Export Picture -------------------------------------------------------------------
inline constexpr char MenuExportPicture[] = QT_TRANSLATE_NOOP("Workbench", "Export Picture...");
inline constexpr char TitleExportPicture[] = QT_TRANSLATE_NOOP("Workbench", "Export Picture");
inline constexpr char SvgDescription[] = QT_TRANSLATE_NOOP("Workbench", "A drawing made with Morvane");

// ---- Help ------------------------------------------------------------------------------
inline constexpr char MenuHelp[] = QT_TRANSLATE_NOOP("Workbench", "&Help");
inline constexpr char MenuLanguageReference[] = QT_TRANSLATE_NOOP("Workbench", "Language Reference");
inline constexpr char TitleHelp[] = QT_TRANSLATE_NOOP("Workbench", "Language Reference");
inline constexpr char HelpContents[] = QT_TRANSLATE_NOOP("Workbench", "Contents");
inline constexpr char HelpIndex[] = QT_TRANSLATE_NOOP("Workbench", "Index");
inline constexpr char HelpFilter[] = QT_TRANSLATE_NOOP("Workbench", "Type a name");
inline constexpr char HelpBack[] = QT_TRANSLATE_NOOP("Workbench", "Back");
inline constexpr char HelpForward[] = QT_TRANSLATE_NOOP("Workbench", "Forward");
inline constexpr char HelpHome[] = QT_TRANSLATE_NOOP("Workbench", "Start Page");
inline constexpr char HelpOpenExample[] = QT_TRANSLATE_NOOP("Workbench", "Open in new window");
inline constexpr char HelpNotFound[] = QT_TRANSLATE_NOOP(
    "Workbench", "The language reference was not found. It is installed with Morvane in share/morvane/docs.");

// ---- Recovery -------------------------------------------------------------------------
inline constexpr char TitleRecovery[] = QT_TRANSLATE_NOOP("Workbench", "Attention!");
inline constexpr char RecoveryOffer[] = QT_TRANSLATE_NOOP(
    "Workbench", "Morvane was not closed properly. Restore %n unsaved program text(s)?");
inline constexpr char ButtonRestore[] = QT_TRANSLATE_NOOP("Workbench", "Restore");
inline constexpr char ButtonLater[] = QT_TRANSLATE_NOOP("Workbench", "Later");
inline constexpr char ButtonDiscard[] = QT_TRANSLATE_NOOP("Workbench", "Discard");

// ---- Editor and debugging -------------------------------------------------------------
inline constexpr char MenuToggleBreakpoint[] = QT_TRANSLATE_NOOP("Workbench", "Toggle Breakpoint");
inline constexpr char MenuStepOver[] = QT_TRANSLATE_NOOP("Workbench", "Step Over");
inline constexpr char MenuRunToCursor[] = QT_TRANSLATE_NOOP("Workbench", "Run to Cursor");
inline constexpr char MenuVariables[] = QT_TRANSLATE_NOOP("Workbench", "Variables");
inline constexpr char MenuSyntaxColouring[] = QT_TRANSLATE_NOOP("Workbench", "Syntax Colouring");
inline constexpr char VariablesScope[] = QT_TRANSLATE_NOOP("Workbench", "Scope");
inline constexpr char VariablesName[] = QT_TRANSLATE_NOOP("Workbench", "Name");
inline constexpr char VariablesType[] = QT_TRANSLATE_NOOP("Workbench", "Type");
inline constexpr char VariablesValue[] = QT_TRANSLATE_NOOP("Workbench", "Value");
inline constexpr char VariablesBounds[] = QT_TRANSLATE_NOOP("Workbench", "Bounds");
inline constexpr char VariablesGlobal[] = QT_TRANSLATE_NOOP("Workbench", "global");
inline constexpr char VariablesLocal[] = QT_TRANSLATE_NOOP("Workbench", "local (level %1)");

// ---- Message box --------------------------------------------------------------------
inline constexpr char MessageBoxTitle[] = QT_TRANSLATE_NOOP("Workbench", "Messagebox");
inline constexpr char InputBoxTitle[] = QT_TRANSLATE_NOOP("Workbench", "Message/Input-Box");
inline constexpr char TitleError[] = QT_TRANSLATE_NOOP("Workbench", "Error!");
inline constexpr char TitleChanged[] = QT_TRANSLATE_NOOP("Workbench", "Attention:");
inline constexpr char TitleAttention[] = QT_TRANSLATE_NOOP("Workbench", "Attention!");
inline constexpr char ButtonOk[] = QT_TRANSLATE_NOOP("Workbench", "OK");
inline constexpr char ButtonSave[] = QT_TRANSLATE_NOOP("Workbench", "Save");
inline constexpr char ButtonDischarge[] = QT_TRANSLATE_NOOP("Workbench", "Discharge");
inline constexpr char ButtonCancel[] = QT_TRANSLATE_NOOP("Workbench", "Cancel");
inline constexpr char ButtonOverwrite[] = QT_TRANSLATE_NOOP("Workbench", "Overwrite");
inline constexpr char ButtonYes[] = QT_TRANSLATE_NOOP("Workbench", "Yes");
inline constexpr char ButtonNo[] = QT_TRANSLATE_NOOP("Workbench", "No");
inline constexpr char FileTooBig[] = QT_TRANSLATE_NOOP("Workbench", "File %1 is too big!");
inline constexpr char UnableToOpen[] = QT_TRANSLATE_NOOP("Workbench", "Unable to open this file: %1 !");
inline constexpr char UnableToSave[] = QT_TRANSLATE_NOOP("Workbench", "Unable to save this file: %1 !");
inline constexpr char FileChanged[] = QT_TRANSLATE_NOOP("Workbench", "File %1 has been changed!");
inline constexpr char FileExists[] = QT_TRANSLATE_NOOP("Workbench", "File %1 exists! Overwrite?");
inline constexpr char DeleteFile[] = QT_TRANSLATE_NOOP("Workbench", "Delete File %1 ?");

// ---- File dialog ------------------------------------------------------------------------
inline constexpr char TitleFileOpen[] = QT_TRANSLATE_NOOP("Workbench", "File Open");
inline constexpr char TitleFileSave[] = QT_TRANSLATE_NOOP("Workbench", "File Save");
inline constexpr char StoredFiles[] = QT_TRANSLATE_NOOP("Workbench", "Stored Files of Filetype:");
inline constexpr char ProgramPattern[] = "*.bas";
inline constexpr char AllFilesPattern[] = "*.*";

// ---- Find dialog ------------------------------------------------------------------------
inline constexpr char TitleFind[] = QT_TRANSLATE_NOOP("Workbench", "Find");
inline constexpr char SearchFor[] = QT_TRANSLATE_NOOP("Workbench", "Search for:");
inline constexpr char ReplaceWith[] = QT_TRANSLATE_NOOP("Workbench", "Replace with:");
inline constexpr char Direction[] = QT_TRANSLATE_NOOP("Workbench", "Direction");
inline constexpr char FromTheBeginning[] = QT_TRANSLATE_NOOP("Workbench", "From the Beginnig");
inline constexpr char Forward[] = QT_TRANSLATE_NOOP("Workbench", "Forward");
inline constexpr char Backward[] = QT_TRANSLATE_NOOP("Workbench", "Backward");
inline constexpr char CaseSensitive[] = QT_TRANSLATE_NOOP("Workbench", "Case sensitive");
inline constexpr char ButtonSearch[] = QT_TRANSLATE_NOOP("Workbench", "Search");
inline constexpr char ButtonReplace[] = QT_TRANSLATE_NOOP("Workbench", "Replace");
inline constexpr char ButtonFindAndReplace[] = QT_TRANSLATE_NOOP("Workbench", "Find and Replace");
inline constexpr char ButtonOops[] = QT_TRANSLATE_NOOP("Workbench", "Oops");
inline constexpr char UnableToFind[] = QT_TRANSLATE_NOOP("Workbench", "Unable to find Searchstring!");
inline constexpr char FoundAt[] = QT_TRANSLATE_NOOP("Workbench", "Searchstring found at Line %1, Column %2");
inline constexpr char Occurrences[] = QT_TRANSLATE_NOOP("Workbench", "%1 Occurences ");

// ---- About box --------------------------------------------------------------------------
inline constexpr char TitleAbout[] = QT_TRANSLATE_NOOP("Workbench", "Software Licence Notice");
inline constexpr char ProductName[] = "Morvane";
inline constexpr char ProductVersion[] = QT_TRANSLATE_NOOP("Workbench", "Version 2.1");
inline constexpr char Ownership[] = QT_TRANSLATE_NOOP(
    "Workbench", "Copyright \u00a9 the Morvane developers. All rights reserved.");
inline constexpr char Disclaimer[] = QT_TRANSLATE_NOOP(
    "Workbench",
    "This software is provided \"as is\", without warranty of any kind, express or "
    "implied, including but not limited to the warranties of merchantability, fitness "
    "for a particular purpose and noninfringement. In no event shall the authors or "
    "copyright holders be liable for any claim, damages or other liability, whether in "
    "an action of contract, tort or otherwise, arising from, out of or in connection "
    "with the software or the use or other dealings in the software.");

// ---- Texts with a name or a number --------------------------------------------------
inline QString noNameCaption(int slot) {
  return QLatin1String(NoNamePrefix) + QString::number(slot) + QLatin1String(NoNameSuffix);
}
inline QString fontSizeCaption(int points) { return tr(MenuFontSize).arg(points); }
inline QString fileTooBig(const QString& name) { return tr(FileTooBig).arg(name); }
inline QString unableToOpen(const QString& name) { return tr(UnableToOpen).arg(name); }
inline QString unableToSave(const QString& name) { return tr(UnableToSave).arg(name); }
inline QString fileChanged(const QString& name) { return tr(FileChanged).arg(name); }
inline QString fileExists(const QString& name) { return tr(FileExists).arg(name); }
inline QString deleteFile(const QString& name) { return tr(DeleteFile).arg(name); }
inline QString foundAt(qint64 line, qint64 column) { return tr(FoundAt).arg(line).arg(column); }
inline QString occurrences(qint64 count) { return tr(Occurrences).arg(count); }
inline QString variablesLocal(int level) { return tr(VariablesLocal).arg(level); }
inline QString recoveryOffer(int count) {
  return QCoreApplication::translate("Workbench", RecoveryOffer, nullptr, count);
}

}  // namespace morvane::texts
