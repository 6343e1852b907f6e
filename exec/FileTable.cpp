#include "exec/FileTable.h"

#include <cmath>
#include <istream>
#include <iterator>
#include <optional>
#include <ostream>

#include "core/IntegerConversion.h"

namespace morvane {

namespace {

constexpr char LineFeed = '\n';
constexpr char CarriageReturn = '\r';

bool writable(FileMode mode) { return mode == FileMode::Output || mode == FileMode::Append; }

}  // namespace

std::int32_t FileNumberOf(double value) {
  // 0 is no file number: beyond the range (NaN too) the number fits no file.
  return ToInteger<std::int32_t>(std::floor(value)).value_or(0);
}

FileTable::FileTable(FileSystem& fileSystem) : m_fileSystem(fileSystem) {}

FileTable::~FileTable() { closeAll(); }

FileTable::OpenFile* FileTable::find(std::int32_t number) {
  if (number < 1 || number > LastNumber) return nullptr;
  return m_files[static_cast<std::size_t>(number)].get();
}

const FileTable::OpenFile* FileTable::find(std::int32_t number) const {
  if (number < 1 || number > LastNumber) return nullptr;
  return m_files[static_cast<std::size_t>(number)].get();
}

bool FileTable::openSlot(std::int32_t number, const std::string& path, FileMode mode) {
  (void)closeSlot(number);
  auto file = std::make_unique<OpenFile>();
  file->mode = mode;
  file->stream = m_fileSystem.openFile(path, mode);
  if (!file->stream) return false;
  m_files[static_cast<std::size_t>(number)] = std::move(file);
  return true;
}

bool FileTable::closeSlot(std::int32_t number) {
  OpenFile* file = find(number);
  if (file == nullptr) return true;
  // An earlier read past the end leaves the stream failed; only writing out
  // what is buffered decides the answer. The stream closes as it ends.
  file->stream->clear();
  file->stream->flush();
  const bool closed = !file->stream->fail();
  m_files[static_cast<std::size_t>(number)].reset();
  return closed;
}

// ---- Program files -------------------------------------------------------------

bool FileTable::open(std::int32_t number, const std::string& path, FileMode mode) {
  if (!isProgramNumber(number)) return false;
  return openSlot(number, path, mode);
}

bool FileTable::close(std::int32_t number) {
  if (!isProgramNumber(number)) return true;
  return closeSlot(number);
}

bool FileTable::isOpen(std::int32_t number) const {
  return isProgramNumber(number) && find(number) != nullptr;
}

bool FileTable::write(std::int32_t number, std::string_view text) {
  OpenFile* file = isProgramNumber(number) ? find(number) : nullptr;
  if (file == nullptr || !writable(file->mode)) return false;
  file->stream->write(text.data(), static_cast<std::streamsize>(text.size()));
  return !file->stream->fail();
}

bool FileTable::flush(std::int32_t number) {
  OpenFile* file = isProgramNumber(number) ? find(number) : nullptr;
  if (file == nullptr || !writable(file->mode)) return false;
  file->stream->flush();
  return !file->stream->fail();
}

LineRead FileTable::readLine(std::int32_t number, std::string& line) {
  OpenFile* file = isProgramNumber(number) ? find(number) : nullptr;
  if (file == nullptr || file->mode != FileMode::Input) return LineRead::NotReadable;
  // A line that was read (even the last one, without a line end) counts;
  // only a read that found nothing at all is the end.
  if (!std::getline(*file->stream, line, LineFeed)) return LineRead::EndOfFile;
  if (!line.empty() && line.back() == CarriageReturn) line.pop_back();
  return LineRead::Read;
}

// ---- The system's numbers -------------------------------------------------------

bool FileTable::openForReading(SystemFile which, const std::string& path) {
  return openSlot(static_cast<std::int32_t>(which), path, FileMode::Input);
}

std::int64_t FileTable::length(SystemFile which) {
  OpenFile* file = find(static_cast<std::int32_t>(which));
  if (file == nullptr) return -1;
  std::iostream& s = *file->stream;
  const std::streampos here = s.tellg();
  s.seekg(0, std::ios::end);
  const std::streampos end = s.tellg();
  s.seekg(here);
  if (here < 0 || end < 0 || s.fail()) return -1;
  return static_cast<std::int64_t>(end);
}

bool FileTable::readAll(SystemFile which, std::string& content) {
  OpenFile* file = find(static_cast<std::int32_t>(which));
  if (file == nullptr) return false;
  content.assign(std::istreambuf_iterator<char>(*file->stream), std::istreambuf_iterator<char>());
  return !file->stream->bad();
}

void FileTable::close(SystemFile which) { (void)closeSlot(static_cast<std::int32_t>(which)); }

void FileTable::closeAll() {
  for (std::int32_t number = 1; number <= LastNumber; ++number) (void)closeSlot(number);
}

}  // namespace morvane
