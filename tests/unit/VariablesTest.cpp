#include "core/Variables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/Messages.h"

namespace morvane {
namespace {

Value num(double d) { return Value::fromDouble(d); }
Value str(std::string s) { return Value::fromString(std::move(s)); }
int count(const std::vector<Value>& indices) { return static_cast<int>(indices.size()); }

// Slot 0 carries the value, the slots after it the indices.
std::vector<Value> listOf(Value value, const std::vector<Value>& indices, std::size_t slots) {
  std::vector<Value> list(std::max(slots, indices.size() + 1));
  list[0] = std::move(value);
  std::copy(indices.begin(), indices.end(), list.begin() + 1);
  return list;
}

// Drives the store as the evaluator does: every call reads the name at the
// start of its own program text, with the index values it would have computed.
class VariableStore : public ::testing::Test {
 protected:
  std::string declare(std::string_view text, std::string_view mode,
                      std::vector<Value> bounds = {}, Value initial = {}) {
    std::vector<Value> list = listOf(initial, bounds, 4);
    std::string error = "untouched";
    chars = ProgramChars::forProgram(text);
    DeclareVariable(mode, 1, chars, list, count(bounds), error, local, global, name);
    return error;
  }

  // An assignment gets a four-slot list; `created` receives a new variable's value.
  std::string assign(std::string_view text, Value value, std::vector<Value> indices = {}) {
    std::vector<Value> list = listOf(value, indices, 4);
    std::string error;
    chars = ProgramChars::forProgram(text);
    AssignVariable(1, chars, list, count(indices), error, local, global, created, name);
    return error;
  }

  // A lookup gets the evaluator's 101-slot argument list.
  std::string lookup(std::string_view text, std::vector<Value> indices = {}) {
    std::vector<Value> list = listOf(Value{}, indices, 101);
    std::string result;
    chars = ProgramChars::forProgram(text);
    LookupVariable(1, chars, list, count(indices), result, local, global, read, name);
    slot0 = list[0];
    return result;
  }

  VariableTable local, global;
  ProgramChars chars;
  std::string name;
  Value read, slot0, created;
};

TEST_F(VariableStore, DeclaredBlocksFollowEachOtherLastIndexFastest) {
  ASSERT_EQ(declare("a(2,3)", "LOCAL_DIM", {num(2), num(3)}), "");
  ASSERT_EQ(declare("b(1)", "LOCAL_DIM", {num(1)}), "");
  EXPECT_EQ(local.values.size(), 1u + 12 + 2);

  EXPECT_EQ(assign("A(1,2)", num(7), {num(1), num(2)}), "");
  EXPECT_EQ(local.values[1 + 1 * 4 + 2], num(7));
  EXPECT_EQ(assign("B(1)", num(5), {num(1)}), "");
  EXPECT_EQ(local.values[12 + 1 + 1], num(5));

  EXPECT_EQ(lookup("A(1,2)", {num(1), num(2)}), "");
  EXPECT_EQ(read, num(7));
  EXPECT_EQ(slot0, num(7));
}

TEST_F(VariableStore, ScannedNamesAreWrittenBackUpperCased) {
  EXPECT_EQ(declare("abc_1$ = x", "LOCAL_DIM"), "");
  EXPECT_EQ(name, "ABC_1");
  EXPECT_EQ(chars.text().substr(0, 10), "ABC_1$ = x");
  EXPECT_EQ(local.records[1].suffix, '$');

  EXPECT_EQ(lookup("zz9+y"), msg::NoVariable);
  EXPECT_EQ(chars.text().substr(0, 5), "ZZ9+y");
}

TEST_F(VariableStore, DeclarationRefusesBadNamesAndBounds) {
  EXPECT_EQ(declare("1x", "LOCAL_DIM"), msg::IllegalFirstCharacter("1X"));
  for (const Value& bound : {num(2.5), num(-1), num(3e9), str("3")}) {
    EXPECT_EQ(declare("a", "LOCAL_DIM", {bound}), msg::IllegalIndex("A"));
  }
  EXPECT_EQ(declare("a", "LOCAL_DIM", {num(1), num(1), num(1), num(1)}), msg::IllegalIndex("A"));
  EXPECT_EQ(local.recordCount(), 0);
}

TEST_F(VariableStore, SuffixAndTypeWordMustAgree) {
  EXPECT_EQ(declare("a%", "LOCAL_LONG"), "");
  EXPECT_EQ(declare("b", "LOCAL_INTEGER"), "");
  EXPECT_EQ(declare("c!", "LOCAL_DIM"), "");
  EXPECT_EQ(declare("d", "LOCAL_STRING"), "");
  EXPECT_EQ(std::string({local.records[1].suffix, local.records[2].suffix,
                         local.records[3].suffix, local.records[4].suffix}), "&&#$");

  EXPECT_EQ(declare("e#", "LOCAL_LONG"), msg::UseSuffixLong);
  EXPECT_EQ(declare("f$", "LOCAL_SINGLE"), msg::UseSuffixDouble);
  EXPECT_EQ(declare("g&", "LOCAL_STRING"), msg::UseSuffixString);
  EXPECT_EQ(declare("s$", "LOCAL_DIM", {}, num(5)), msg::InitialisationMismatch("S"));
  EXPECT_EQ(declare("x", "LOCAL_DOUBLE", {}, str("5")), msg::InitialisationMismatch("X"));

  EXPECT_EQ(lookup("b"), "");
  EXPECT_EQ(read, num(0));
  EXPECT_EQ(lookup("d"), "");
  EXPECT_EQ(read, str(""));
}

// The storage a declaration would give, asked without declaring: the same
// answers as the declarations above, ' ' where they fail on the suffix.
TEST(DeclaredStorageType, FollowsTheTypeWordOrTheSuffix) {
  const std::vector<std::tuple<std::string_view, char, char>> cases = {
      {"DIM", ' ', '#'},    {"DIM", '#', '#'},     {"DIM", '&', '&'},     {"DIM", '$', '$'},
      {"SINGLE", ' ', '#'}, {"DOUBLE", '#', '#'},  {"SINGLE", '$', ' '},  {"INTEGER", ' ', '&'},
      {"LONG", '&', '&'},   {"INTEGER", '#', ' '}, {"STRING", ' ', '$'},  {"STRING", '$', '$'},
      {"STRING", '&', ' '}, {"RECORD", ' ', ' '},  {"", '#', ' '},
  };
  for (const auto& [word, suffix, storage] : cases) {
    EXPECT_EQ(DeclaredStorageType(word, suffix), storage) << word << " with '" << suffix << "'";
  }
}

// A long variable stores a whole number within its limit at once; every
// number gives the same outcome and the same element that way as by the
// general rule (rounding halves to even, refusing what lies beyond).
TEST(StoreByRecordType, LongShortcutAgreesWithTheGeneralRule) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<Value> values = {
      num(0),          num(-0.0),         num(1),           num(-1),          num(2.5),
      num(3.5),        num(-2.5),         num(0.4),         num(2147483000),  num(-2147483000),
      num(2147483000.5), num(2147483001), num(-2147483001), num(1e10),        num(nan),
      num(HUGE_VAL),   Value::fromLong(7), Value::fromLong(2147483000), Value::fromLong(2147483647),
      Value::fromLong(-2147483647 - 1),
  };
  for (const Value& value : values) {
    Value quick = Value::fromLong(99);
    Value general = Value::fromLong(99);
    EXPECT_EQ(StoreByRecordType('&', value, quick), StoreByRecordTypeOtherwise('&', value, general))
        << value.number();
    EXPECT_EQ(quick, general) << value.number();
  }
}

// A scalar added directly lies where a declared one would, its block after
// the blocks before it, so that a later declaration or lookup finds both.
TEST_F(VariableStore, AddedScalarsFollowTheBlocksBeforeThem) {
  ASSERT_EQ(declare("a(2)", "LOCAL_DIM", {num(2)}), "");
  ASSERT_TRUE(AddScalarVariable(local, VariableRecord{"K", '&'}, num(2.5)));
  ASSERT_TRUE(AddScalarVariable(local, VariableRecord{"T", '$'}, str("x")));
  EXPECT_EQ(local.records[2].firstSlot, 3u);
  EXPECT_EQ(local.records[3].firstSlot, 4u);
  EXPECT_EQ(lookup("k"), "");
  EXPECT_EQ(read, num(2.5));  // kept as given, as a declaration keeps it
  EXPECT_EQ(lookup("t"), "");
  EXPECT_EQ(read, str("x"));
  EXPECT_EQ(declare("k&", "LOCAL_DIM"), "");
  EXPECT_EQ(local.values[4], num(0));
}

TEST_F(VariableStore, RedeclaringTheSameShapeReinitialises) {
  ASSERT_EQ(declare("a(5)", "LOCAL_DIM", {num(5)}), "");
  ASSERT_EQ(assign("a(3)", num(9), {num(3)}), "");
  EXPECT_EQ(declare("a(5)", "LOCAL_DIM", {num(5)}), "");
  for (std::size_t k = 1; k <= 6; ++k) EXPECT_EQ(local.values[k], num(0));

  EXPECT_EQ(declare("a$(5)", "LOCAL_DIM", {num(5)}), "");
  EXPECT_EQ(local.records[1].suffix, '$');
  EXPECT_EQ(local.values[6], str(""));

  EXPECT_EQ(declare("a(6)", "LOCAL_DIM", {num(6)}), msg::AlreadyDimensioned("A"));
  EXPECT_EQ(local.values.size(), 7u);
}

TEST_F(VariableStore, AbsurdlyLargeBlocksAreRefused) {
  EXPECT_EQ(declare("a", "LOCAL_DIM", {num(100000), num(100000), num(100000)}),
            msg::UnableToDimension("A"));
  EXPECT_EQ(declare("b", "LOCAL_DIM", {num(2147483647), num(2147483647), num(2147483647)}),
            msg::UnableToDimension("B"));
  EXPECT_EQ(declare("c", "LOCAL_DIM", {num(2047), num(2048)}), msg::UnableToDimension("C"));
  EXPECT_EQ(local.recordCount(), 0);
  EXPECT_EQ(local.values.size(), 1u);
}

TEST_F(VariableStore, LookupNeedsAnAddressableElement) {
  EXPECT_EQ(lookup("nothing"), msg::NoVariable);
  ASSERT_EQ(declare("a(5)", "LOCAL_DIM", {num(5)}), "");
  for (const Value& index : {num(1.5), num(-1), num(1e10), str("1")}) {
    EXPECT_EQ(lookup("a", {index}), msg::NoVariable);
  }
  EXPECT_EQ(lookup("a", {num(1), num(0), num(0), num(0)}), msg::NoVariable);
  EXPECT_EQ(lookup("a", {num(6)}), msg::IndexOutOfRange("A"));
  EXPECT_EQ(lookup("a$", {num(5)}), "");  // the suffix plays no part

  ASSERT_EQ(assign("b", num(1)), "");
  EXPECT_EQ(lookup("b(1)", {num(1)}), msg::IndexOutOfRange("B"));
}

TEST_F(VariableStore, ScopeChoosesTheTableAndLocalHidesGlobal) {
  EXPECT_EQ(declare("h", "OTHER_DIM"), "untouched");
  ASSERT_EQ(declare("v", "GLOBALDIM", {}, num(1)), "");
  EXPECT_EQ(lookup("v"), "");
  EXPECT_EQ(read, num(1));
  ASSERT_EQ(declare("v", "LOCAL_DIM", {}, num(2)), "");
  EXPECT_EQ(assign("v", num(3)), "");
  EXPECT_EQ(lookup("v"), "");
  EXPECT_EQ(read, num(3));
  EXPECT_EQ(global.values[1], num(1));
}

TEST_F(VariableStore, LongsRoundHalvesToEvenAndRefuseOverflow) {
  ASSERT_EQ(declare("n", "LOCAL_LONG"), "");
  const std::vector<std::pair<double, int>> rounding = {
      {2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.7, 3}, {2147483000, 2147483000}};
  for (const auto& [given, kept] : rounding) {
    EXPECT_EQ(assign("n", num(given)), "");
    EXPECT_EQ(local.values[1], Value::fromLong(kept)) << given;
  }
  EXPECT_EQ(assign("n", num(2147483100)), msg::IntegerOverflow("N"));
  EXPECT_EQ(assign("n", num(-3e9)), msg::IntegerOverflow("N"));
  EXPECT_EQ(assign("n", num(std::nan(""))), msg::IntegerOverflow("N"));

  // A new long takes the integer part, toward minus infinity.
  EXPECT_EQ(assign("m&", num(2.7)), "");
  EXPECT_EQ(created, num(2));
  EXPECT_EQ(assign("k%", num(-2.5)), "");
  EXPECT_EQ(created, num(-3));
}

TEST_F(VariableStore, AssignmentCreatesScalarsAndChecksTypes) {
  EXPECT_EQ(assign("b(7)", num(4), {num(7)}), "");
  EXPECT_EQ(local.records[1].bound1, 0);
  EXPECT_EQ(created, num(4));
  EXPECT_EQ(assign("c(1.5)", num(4), {num(1.5)}), msg::IllegalIndex("C"));
  EXPECT_EQ(assign("c", num(4), {num(0), num(0), num(0), num(0)}), msg::IllegalIndex("C"));
  EXPECT_EQ(assign("s$", num(1)), msg::NewVariableMismatch("S"));
  EXPECT_EQ(assign("t", str("x")), msg::NewVariableMismatch("T"));

  created = Value{};
  EXPECT_EQ(assign("b", Value::fromLong(3)), "");
  EXPECT_EQ(local.values[1], Value::fromLong(3));  // a double variable keeps a Long
  EXPECT_EQ(created, Value{});                      // only a new variable reports its value
  EXPECT_EQ(assign("b$", str("x")), msg::ReferenceTypeMismatch("B"));
  EXPECT_EQ(assign("b", str("x")), msg::LocalTypeMismatch("B"));
  EXPECT_EQ(assign("b(1)", num(1), {num(1)}), msg::IndexOutOfRange("B"));

  ASSERT_EQ(declare("g", "GLOBALDIM"), "");
  EXPECT_EQ(assign("g", str("x")), msg::GlobalTypeMismatch("G"));
}

TEST_F(VariableStore, InfinityAndNaNAreNeverStored) {
  const double infinity = std::numeric_limits<double>::infinity();
  const double nan = std::nan("");
  ASSERT_EQ(declare("d", "LOCAL_DIM", {}, num(1)), "");
  ASSERT_EQ(declare("r&(2)", "LOCAL_DIM", {num(2)}), "");
  for (const double beyond : {infinity, -infinity, nan}) {
    SCOPED_TRACE(beyond);
    // Existing variables keep their value.
    EXPECT_EQ(assign("d", num(beyond)), msg::ArithmeticOverflow);
    EXPECT_EQ(local.values[1], num(1));
    EXPECT_EQ(assign("r&(1)", num(beyond), {num(1)}), msg::IntegerOverflow("R"));
    // New ones are not created.
    EXPECT_EQ(assign("m&", num(beyond)), msg::IntegerOverflow("M"));
    EXPECT_EQ(assign("x", num(beyond)), msg::ArithmeticOverflow);
    EXPECT_EQ(lookup("x"), msg::NoVariable);
    // Nor declared with such an initial value.
    EXPECT_EQ(declare("g&", "GLOBALDIM", {}, num(beyond)), msg::IntegerOverflow("G"));
    EXPECT_EQ(declare("h", "GLOBALDOUBLE", {}, num(beyond)), msg::ArithmeticOverflow);
    EXPECT_TRUE(global.values.size() <= 1);
  }
  EXPECT_EQ(local.records.size(), 3u);
}

// Cuts one item of a declaration list, as DIM, LOCAL and GLOBAL do in a loop.
struct Item {
  std::string type;
  Position itemEnd = 0, nextStart = 0, openParen = 0, closeParen = 0;
  int indexCount = -1;
};
Item cut(const ProgramChars& chars, Position from, Position to) {
  Item i;
  i.type = ScanDeclarationItem(chars, from, to, i.itemEnd, i.nextStart, i.openParen,
                               i.closeParen, i.indexCount);
  return i;
}

TEST(ScanDeclarationItem, CutsAListItemByItem) {
  const ProgramChars chars = ProgramChars::forProgram("a(1, (2)), b as long, s$");
  const Item a = cut(chars, 1, 24);
  EXPECT_EQ(std::tie(a.type, a.itemEnd, a.nextStart, a.openParen, a.closeParen, a.indexCount),
            std::make_tuple("DIM", 9, 11, 2, 9, 2));
  const Item b = cut(chars, a.nextStart, 24);
  EXPECT_EQ(std::tie(b.type, b.itemEnd, b.nextStart, b.openParen, b.indexCount),
            std::make_tuple("LONG", 13, 22, 0, 0));
  const Item s = cut(chars, b.nextStart, 24);
  EXPECT_EQ(std::tie(s.type, s.itemEnd, s.nextStart), std::make_tuple("DIM", 24, 25));
}

TEST(ScanDeclarationItem, SkipsStringsAndContinuations) {
  const std::string text = "a(\"x,y\") _ note, more\r\n, b()";
  const ProgramChars chars = ProgramChars::forProgram(text);
  const auto to = static_cast<Position>(text.size());
  const Item a = cut(chars, 1, to);
  EXPECT_EQ(a.itemEnd, static_cast<Position>(text.find("\n, b")) + 1);
  EXPECT_EQ(a.indexCount, 1);
  const Item b = cut(chars, a.nextStart, to);
  EXPECT_EQ(b.indexCount, 0);
  EXPECT_EQ(b.closeParen, b.openParen + 1);
}

}  // namespace
}  // namespace morvane
