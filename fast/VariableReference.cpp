#include "fast/VariableReference.h"

#include <cmath>
#include <limits>

#include "prepare/Characters.h"

namespace morvane {

namespace {

// The suffix character written after a name, as the storage type it stands for.
char storageSuffix(char written) {
  switch (written) {
    case '#':
    case '!': return '#';
    case '&':
    case '%': return '&';
    case '$': return '$';
    default: return ' ';
  }
}

}  // namespace

void VariableReference::bind(const ProgramChars& chars, Position position) {
  m_name.clear();
  Position last = position;
  for (;;) {
    m_name.push_back(chars.upperAt(last));
    if (last >= chars.size() || !isNameChar(chars.upperAt(last + 1))) break;
    ++last;
  }
  m_key = NameKey(m_name);
  m_suffix = last >= chars.size() ? ' ' : storageSuffix(chars.at(last + 1));
  m_table = Table::Unknown;
  m_absentLocal = nullptr;
}

std::size_t VariableReference::search(const VariableTable& table) const {
  for (std::size_t k = 1; k < table.records.size(); ++k) {
    if (carriesName(table, k)) return k;
  }
  return 0;
}

VariableReference::Found VariableReference::find(VariableTable& localTable, VariableTable& globalTable) {
  if (knownAbsent(localTable, globalTable)) return Found{};
  // The record found last time, if it still carries the name. A global one
  // counts only while no local variable of the name hides it.
  if (m_table == Table::Local && carriesName(localTable, m_record)) {
    return Found{&localTable.records[m_record], nullptr};
  }
  if (m_table == Table::Global && carriesName(globalTable, m_record) && search(localTable) == 0) {
    return Found{&globalTable.records[m_record], nullptr};
  }
  if (const std::size_t local = search(localTable); local != 0) {
    m_table = Table::Local;
    m_record = local;
    return Found{&localTable.records[local], nullptr};
  }
  if (const std::size_t global = search(globalTable); global != 0) {
    m_table = Table::Global;
    m_record = global;
    return Found{&globalTable.records[global], nullptr};
  }
  m_absentLocal = &localTable;
  m_absentLocalGeneration = localTable.generation;
  m_absentGlobalGeneration = globalTable.generation;
  return Found{};
}

VariableReference::Found VariableReference::element(VariableTable& localTable, VariableTable& globalTable,
                                                   std::span<const Value> indices) {
  if (indices.size() > 3) return Found{};
  const Found found = find(localTable, globalTable);
  if (found.record == nullptr) return Found{};
  VariableTable& table = m_table == Table::Local ? localTable : globalTable;
  const VariableRecord& record = *found.record;
  // A name without indices stands for the block's first element.
  if (indices.empty()) return Found{found.record, &table.values[record.firstSlot + 1]};
  const std::int32_t bounds[3] = {record.bound1, record.bound2, record.bound3};
  std::int64_t at[3] = {0, 0, 0};
  for (std::size_t k = 0; k < indices.size(); ++k) {
    const Value& index = indices[k];
    if (index.isString() || !WholeIndexWithin(index.number(), bounds[k], at[k])) return Found{};
  }
  const std::int64_t stride2 = std::int64_t{record.bound3} + 1;
  const std::int64_t offset = at[0] * stride1(record) + at[1] * stride2 + at[2];
  return Found{found.record, &table.values[record.firstSlot + 1 + static_cast<std::size_t>(offset)]};
}

}  // namespace morvane
