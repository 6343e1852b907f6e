#pragma once
// A table of variables: records in order of creation, each owning one
// contiguous block of value slots. Slot 0 of both arrays is never used. A
// record stores no start index; every access adds up the block sizes of the
// records before it while it searches by name.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Value.h"

namespace morvane {

// A name of up to seven characters packed into one number, so that two
// names compare in one step: its length in the top byte, its characters
// below. A longer name packs into 0 and is compared character by character.
inline std::uint64_t NameKey(std::string_view name) {
  if (name.size() > 7) return 0;
  std::uint64_t key = std::uint64_t{name.size()} << 56;
  for (std::size_t k = 0; k < name.size(); ++k) {
    key |= std::uint64_t{static_cast<unsigned char>(name[k])} << (8 * k);
  }
  return key;
}

struct VariableRecord {
  std::string name;   // upper case, without suffix
  char suffix = '#';  // '#' double, '&' long, '$' string
  std::int32_t bound1 = 0;
  std::int32_t bound2 = 0;
  std::int32_t bound3 = 0;
  // Where the record's block begins: its element (i1, i2, i3) lies in value
  // slot firstSlot + 1 + offset. The store itself still finds a block by
  // adding up the sizes before it; this copy serves the fast engine, which
  // keeps the record a name resolved to and goes straight to its slot.
  std::size_t firstSlot = 0;
  // The name packed (NameKey); a record's name never changes.
  std::uint64_t nameKey = NameKey(name);

  std::int64_t blockSize() const {
    return (std::int64_t{bound1} + 1) * (std::int64_t{bound2} + 1) * (std::int64_t{bound3} + 1);
  }
};

struct VariableTable {
  std::vector<VariableRecord> records{VariableRecord{}};  // slot 0 unused
  std::vector<Value> values{Value{}};                    // slot 0 unused
  // Counts the changes of the table's records: every record added and
  // every clearing. A name found absent stays absent while it is unchanged.
  std::uint64_t generation = 0;

  // The records a procedure's own table held when its call ended, kept
  // whole (with slot 0): the procedure's next call declares the same
  // names, and a faster engine may take them back instead of making them
  // anew.
  std::vector<VariableRecord> keptRecords;

  // Empties the table: both arrays redimensioned to slot 0 alone (which
  // nothing ever writes, so it stays as it was made).
  void clear() {
    records.resize(1);
    values.resize(1);
    ++generation;
  }
  // Empties the table as clear() does, its records kept aside.
  void clearKeepingRecords() {
    records.swap(keptRecords);
    records.resize(1);
    values.resize(1);
    ++generation;
  }
  std::int32_t recordCount() const { return static_cast<std::int32_t>(records.size()) - 1; }
};

// The largest block one declaration may create. Larger arrays would exhaust
// memory long before they were useful; DIM refuses them with "Unable to
// dimension this variable ...!". (4,194,304 elements: DIM A(2047, 2047).)
constexpr std::int64_t MaxBlockSize = 4'194'304;

// The values that travel with a variable reference: slot 0 the value itself,
// slots 1 to 3 the indices (or the bounds of a declaration). The evaluator
// hands its argument list here for lookups, a four-slot list otherwise.
using IndexList = std::span<Value>;

}  // namespace morvane
