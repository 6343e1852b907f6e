#pragma once
// The open text files of the whole application, by number. Programs use the
// numbers 1 to 100 (OPEN, PRINT #, LINEINPUT #, CLOSE); the system keeps 101
// to 104 for its own short reads. A file stays open until it is closed, its
// number is opened again, or the table is destroyed with the workspace at the
// end of the application, which closes every file and so writes out whatever
// is still buffered.
//
// Files are 8-bit text: bytes go in and out unchanged. Lines written end with
// CR LF; a line read ends at LF, with a CR before it dropped, so files made
// with either line end read alike, and a last line without a line end is
// still read.

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "core/FileSystem.h"

namespace morvane {

// The numbers the system keeps for itself; a program cannot open them.
enum class SystemFile : std::int32_t {
  InstructionFile = 101,   // RUN reads its instruction file
  ExistenceTest = 102,     // COPY and RENAME test that the first file can be read
  WorkbenchLoading = 103,  // the workbench loads a document
  FileFunction = 104,      // the FILE function reads a whole file
};

// What reading a line brought.
enum class LineRead {
  Read,         // the next line, without its line end
  NotReadable,  // the number is not open for input
  EndOfFile,    // every line has been read
};

// The file number a program wrote: the integer part of the value, rounded
// down. A value that is no whole number of the 32-bit range (too large, not a
// number) gives 0, which names no file.
std::int32_t FileNumberOf(double value);

class FileTable {
 public:
  static constexpr std::int32_t FirstProgramNumber = 1;
  static constexpr std::int32_t LastProgramNumber = 100;

  static constexpr bool isProgramNumber(std::int32_t number) {
    return number >= FirstProgramNumber && number <= LastProgramNumber;
  }

  // Files are opened in the given file system, which outlives the table.
  explicit FileTable(FileSystem& fileSystem);
  ~FileTable();
  FileTable(const FileTable&) = delete;
  FileTable& operator=(const FileTable&) = delete;

  // ---- Program files, numbers 1 to 100 -----------------------------------
  // Any other number is never open: writing and reading it fail, closing it
  // does nothing.

  // Opens the file at path under number, closing what the number held
  // first. False when the number is no program number or the file cannot be
  // opened in that mode (a directory is never opened).
  [[nodiscard]] bool open(std::int32_t number, const std::string& path, FileMode mode);
  // Closes the number. True when it is closed now, also when it was not
  // open; false when the platform failed while closing (what was buffered
  // could not be written).
  [[nodiscard]] bool close(std::int32_t number);
  bool isOpen(std::int32_t number) const;
  // Writes the bytes as they are. False when the number is not open for
  // output or append, or the write failed.
  [[nodiscard]] bool write(std::int32_t number, std::string_view text);
  // Hands what was written so far to the file, so any later reader sees it.
  [[nodiscard]] bool flush(std::int32_t number);
  // Reads the next line without its line end.
  [[nodiscard]] LineRead readLine(std::int32_t number, std::string& line);

  // ---- The system's numbers ----------------------------------------------
  [[nodiscard]] bool openForReading(SystemFile file, const std::string& path);
  // The length in bytes of the open file, -1 when it is not open.
  std::int64_t length(SystemFile file);
  // Reads the rest of the open file, bytes unchanged.
  [[nodiscard]] bool readAll(SystemFile file, std::string& content);
  void close(SystemFile file);

  // Closes every file, writing out what is buffered.
  void closeAll();

 private:
  static constexpr std::int32_t LastNumber = static_cast<std::int32_t>(SystemFile::FileFunction);

  struct OpenFile {
    std::unique_ptr<std::iostream> stream;
    FileMode mode = FileMode::Input;
  };

  OpenFile* find(std::int32_t number);
  const OpenFile* find(std::int32_t number) const;
  bool openSlot(std::int32_t number, const std::string& path, FileMode mode);
  bool closeSlot(std::int32_t number);

  FileSystem& m_fileSystem;
  // Slot 0 is never used; 1 to 100 belong to programs, 101 to 104 to the system.
  std::array<std::unique_ptr<OpenFile>, LastNumber + 1> m_files;
};

}  // namespace morvane
