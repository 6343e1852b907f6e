#pragma once
// A name of the program text as the variable store reads it, with the record
// it resolved to last time. The store searches every table by name on every
// access; a reference remembers the table and the record instead and checks
// that the record still carries its name. Names are unique within a table
// and records are never removed one by one, so a record that carries the
// name is the variable; a cleared or fresh table simply fails the check and
// is searched again.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/VariableTable.h"
#include "prepare/ProgramChars.h"

namespace morvane {

class VariableReference {
 public:
  // Reads the name at `position` as the store does (the first character
  // whatever it is, then letters, digits and "_") and the suffix after it.
  void bind(const ProgramChars& chars, Position position);

  const std::string& name() const { return m_name; }
  // Writes the name where the evaluator keeps the name it read last. Names
  // are short and mostly of one length, so a name of the same length is
  // copied over character by character, without the string's machinery.
  void writeName(std::string& out) const { CopyName(m_name, out); }
  static void CopyName(const std::string& name, std::string& out) {
    if (out.size() != name.size()) {
      out = name;
      return;
    }
    for (std::size_t k = 0; k < name.size(); ++k) out[k] = name[k];
  }
  // The storage type the reference writes after the name ('#', '&', '$'),
  // or ' ' when it writes none.
  char suffix() const { return m_suffix; }

  // The variable the name stands for: the local one, else the global one.
  struct Found {
    VariableRecord* record = nullptr;
    Value* element = nullptr;  // set only when the indices address an element
  };
  Found find(VariableTable& localTable, VariableTable& globalTable);
  // Whether the name was in neither table when last looked for, and neither
  // has changed since: then it is in neither still.
  bool knownAbsent(const VariableTable& localTable, const VariableTable& globalTable) const {
    return m_absentLocal == &localTable && m_absentLocalGeneration == localTable.generation &&
           m_absentGlobalGeneration == globalTable.generation;
  }
  // Whether no variable has the name, as find() would answer: quickly when
  // it was in neither table last time and neither has changed since.
  bool absent(VariableTable& localTable, VariableTable& globalTable) {
    return knownAbsent(localTable, globalTable) || find(localTable, globalTable).record == nullptr;
  }

  // The variable and its element at the given indices when the variable
  // exists and every index is a whole number from 0 to its bound; no
  // element otherwise (then the store's own operations decide what happens).
  Found element(VariableTable& localTable, VariableTable& globalTable, std::span<const Value> indices);

  // The quick case of element() without indices: the local record found
  // last time still carries the name. nullptr otherwise; element() decides.
  Found localScalar(VariableTable& localTable) const {
    if (m_table != Table::Local || !carriesName(localTable, m_record)) return Found{};
    VariableRecord& record = localTable.records[m_record];
    return Found{&record, &localTable.values[record.firstSlot + 1]};
  }
  // The quick case of element() with one index: the local record found
  // last time still carries the name, and the index is a whole number
  // within its first dimension. Nothing found otherwise; element() decides.
  Found localElement(VariableTable& localTable, double index) const {
    if (m_table != Table::Local || !carriesName(localTable, m_record)) return Found{};
    VariableRecord& record = localTable.records[m_record];
    std::int64_t at = 0;
    if (!WholeIndexWithin(index, record.bound1, at)) return Found{};
    return Found{&record, &localTable.values[record.firstSlot + 1 + static_cast<std::size_t>(at * stride1(record))]};
  }

 private:
  enum class Table : std::uint8_t { Unknown, Local, Global };

  // Names are a few characters long: compared packed, or here, without a
  // library call.
  bool carriesName(const VariableTable& table, std::size_t record) const {
    if (record >= table.records.size()) return false;
    if (m_key != 0) return table.records[record].nameKey == m_key;
    const std::string& name = table.records[record].name;
    if (name.size() != m_name.size()) return false;
    for (std::size_t k = 0; k < name.size(); ++k) {
      if (name[k] != m_name[k]) return false;
    }
    return true;
  }
  std::size_t search(const VariableTable& table) const;
  // Whether the number is a whole index from 0 to the bound, and which.
  // Written so that NaN fails too; within the bound the conversion is
  // exact, so it tells a whole number without a call of std::floor.
  static bool WholeIndexWithin(double number, std::int32_t bound, std::int64_t& at) {
    if (!(number >= 0 && number <= bound)) return false;
    at = static_cast<std::int64_t>(number);
    return static_cast<double>(at) == number;
  }
  // How many slots one step of the first index moves on.
  static std::int64_t stride1(const VariableRecord& record) {
    return (std::int64_t{record.bound2} + 1) * (std::int64_t{record.bound3} + 1);
  }

  std::string m_name;
  std::uint64_t m_key = 0;  // the name packed, 0 when it is longer than seven characters
  char m_suffix = ' ';
  Table m_table = Table::Unknown;
  std::size_t m_record = 0;

  // Where the name was last found in neither table (a built-in function's
  // name, mostly): the local table and both tables' generations then. While
  // neither table has changed, it is still in neither.
  const VariableTable* m_absentLocal = nullptr;
  std::uint64_t m_absentLocalGeneration = 0;
  std::uint64_t m_absentGlobalGeneration = 0;
};

}  // namespace morvane
