#include "exec/FileSystemStatements.h"

#include <string>
#include <string_view>

#include "core/Messages.h"
#include "exec/FileNameArgument.h"
#include "exec/FileTable.h"
#include "prepare/Scanning.h"

namespace morvane {

namespace {

enum class FileSystemCommand {
  ChangeDirectory,  // CD, CDIR
  MakeDirectory,    // MD, MDIR
  RemoveDirectory,  // RD, RDIR
  Delete,           // DEL, DELETE
  Copy,             // COPY
  Rename,           // RENAME
};

FileSystemCommand commandOf(std::string_view keyword) {
  if (keyword == "CD" || keyword == "CDIR") return FileSystemCommand::ChangeDirectory;
  if (keyword == "MD" || keyword == "MDIR") return FileSystemCommand::MakeDirectory;
  if (keyword == "RD" || keyword == "RDIR") return FileSystemCommand::RemoveDirectory;
  if (keyword == "COPY") return FileSystemCommand::Copy;
  if (keyword == "RENAME") return FileSystemCommand::Rename;
  return FileSystemCommand::Delete;
}

std::string_view labelOf(FileSystemCommand command) {
  switch (command) {
    case FileSystemCommand::ChangeDirectory: return msg::ChangedToLabel;
    case FileSystemCommand::MakeDirectory: return msg::EstablishedLabel;
    case FileSystemCommand::RemoveDirectory: return msg::RemovedLabel;
    case FileSystemCommand::Delete: return msg::DeletedLabel;
    case FileSystemCommand::Copy: return msg::CopiedToLabel;
    case FileSystemCommand::Rename: return msg::RenamedAsLabel;
  }
  return {};
}

// Carries out a command on one name. CD without a name changes nothing;
// the others need one.
bool carryOut(FileSystem& files, FileSystemCommand command, const std::string& name) {
  if (name.empty()) return command == FileSystemCommand::ChangeDirectory;
  switch (command) {
    case FileSystemCommand::ChangeDirectory: return files.changeDirectory(name);
    case FileSystemCommand::MakeDirectory: return files.makeDirectory(name);
    case FileSystemCommand::RemoveDirectory: return files.removeDirectory(name);
    case FileSystemCommand::Delete: return files.deleteFiles(name);
    case FileSystemCommand::Copy:
    case FileSystemCommand::Rename: break;
  }
  return false;
}

// The next line; in single step and at the command line the confirmation
// follows on a line of its own.
Completion confirmed(StatementContext& ctx, std::string_view label, std::string_view name) {
  const Completion next = ctx.nextLine();
  if (ctx.singleStep()) {
    ctx.print(msg::Confirmation(label, name));
    ctx.print(CRLF);
  }
  return next;
}

// CD, MD, RD, DEL name.
Completion onOneName(StatementContext& ctx, FileSystemCommand command) {
  InterpreterState& s = ctx.state;
  // 1. The name: a String, or the characters up to the first blank.
  const std::string name =
      TakeFileName(ctx, ctx.argumentStart, ctx.lastPosition, UnquotedName::UpToFirstBlank);
  // 2., 3. Whatever the platform refuses is reported with this text.
  FileSystem& files = ctx.workspace.fileSystem();
  s.message.assign(msg::FilenameIncorrect);
  if (!carryOut(files, command, name)) return Completion::ErrorExit;
  // 4., 5. The confirmation names the current directory after the command.
  s.message.clear();
  const bool showOnly = command == FileSystemCommand::ChangeDirectory && name.empty();
  return confirmed(ctx, showOnly ? msg::CurrentDirectoryLabel : labelOf(command), files.currentDirectory());
}

// COPY first, second and RENAME first, second.
Completion onTwoNames(StatementContext& ctx, FileSystemCommand command) {
  InterpreterState& s = ctx.state;
  const Position a = ctx.argumentStart;
  const Position e = ctx.lastPosition;

  // 1. Two names, separated by "," or ";".
  const Position separator = a > 0 ? FindSeparator(s.programChars, a, e) : 0;
  if (separator == 0 || separator == e) return ctx.fail(msg::SpecifyTwoFiles);

  // 2. Each a String, or its characters without blanks.
  const std::string first = TakeFileName(ctx, a, separator - 1, UnquotedName::BlanksDropped);
  const std::string second = TakeFileName(ctx, separator + 1, e, UnquotedName::BlanksDropped);

  // 3. The first file must be readable.
  FileTable& files = ctx.workspace.files();
  s.message.assign(msg::FileDoesNotExist);
  if (!files.openForReading(SystemFile::ExistenceTest, first)) return Completion::ErrorExit;
  files.close(SystemFile::ExistenceTest);

  // 4., 5. Whatever the platform refuses is reported with this text.
  s.message.assign(msg::FilenamesIncorrect);
  FileSystem& fileSystem = ctx.workspace.fileSystem();
  const bool done = command == FileSystemCommand::Copy ? fileSystem.copyFile(first, second)
                                                       : fileSystem.renameFile(first, second);
  if (!done) return Completion::ErrorExit;

  // 6., 7. The confirmation names the second file.
  s.message.clear();
  return confirmed(ctx, labelOf(command), second);
}

}  // namespace

Completion ExecuteFileSystemCommand(StatementContext& ctx) {
  const FileSystemCommand command = commandOf(ctx.keyword);
  if (command == FileSystemCommand::Copy || command == FileSystemCommand::Rename) {
    return onTwoNames(ctx, command);
  }
  return onOneName(ctx, command);
}

}  // namespace morvane
