#pragma once
// The file system as the interpreter sees it: text files opened by name, the
// current directory, and the commands CD, MD, RD, DEL, COPY and RENAME. The
// engine reaches files through this interface alone. The real one works on
// the disk (DiskFileSystem); a file system held in memory (MemoryFileSystem)
// lets tests and fuzz targets run programs that write, delete and rename
// files without touching the machine's own.
//
// Names are relative to the current directory unless they begin with "/".
// Each command answers false when it is refused, and then leaves the
// directories and files as they were.

#include <iosfwd>
#include <memory>
#include <string>

namespace morvane {

enum class FileMode {
  Input,   // read line by line from the start
  Output,  // written from the start; the file is created or emptied
  Append,  // written at the end; the file is created when missing
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // A stream on the named file, bytes in and out unchanged; nullptr when it
  // cannot be opened in that mode. A directory is never opened. What is
  // written reaches the file at the latest when the stream is flushed or
  // destroyed.
  virtual std::unique_ptr<std::iostream> openFile(const std::string& path, FileMode mode) = 0;

  // The current directory as the file system writes it.
  virtual std::string currentDirectory() = 0;
  virtual bool changeDirectory(const std::string& path) = 0;
  // A name that exists already is refused.
  virtual bool makeDirectory(const std::string& path) = 0;
  // Only an empty directory is removed; a file never is.
  virtual bool removeDirectory(const std::string& path) = 0;
  // Deletes the named file, or, when the last part of the name holds "*" or
  // "?", every file of that directory whose name matches it (MatchesWildcard).
  // Directories are never deleted and never searched. Refused when no file
  // answers the name.
  virtual bool deleteFiles(const std::string& name) = 0;
  // Copies a file to the second name; an existing file of that name is
  // replaced, a directory is not.
  virtual bool copyFile(const std::string& from, const std::string& to) = 0;
  // Renames a file. Refused when the second name exists already, so that no
  // file is lost to a rename.
  virtual bool renameFile(const std::string& from, const std::string& to) = 0;

  // Reads the whole file, its bytes unchanged, into content; false (content
  // unchanged) when it cannot be opened or read.
  bool readWholeFile(const std::string& path, std::string& content);
};

}  // namespace morvane
