#pragma once
// A run written down as text, one item to a line: how it ended, what it drew
// and which variables it left. Two engines that run a program alike leave
// the same transcript, and where two transcripts first part tells what one
// of them did differently.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/VariableTable.h"
#include "exec/Document.h"

namespace morvane {

// The window's message and run state.
std::string DescribeRunEnd(const Document& document);

// The drawing calls of a recording canvas, one to a line.
std::string DescribeDrawing(const std::vector<std::string>& calls);

// Every variable's name and suffix, local ones first, and the kind and value
// of each slot up to DescribedSlots per table (a program may dimension
// millions of elements; the first ones tell enough).
inline constexpr std::size_t DescribedSlots = 2000;
std::string DescribeVariables(const VariableTable& locals, const VariableTable& globals);

// Where two transcripts first part: the line's number and both lines, each
// headed by the name of the run it comes from; nothing when they are equal.
std::optional<std::string> FirstDifference(std::string_view first, std::string_view second,
                                           std::string_view firstName, std::string_view secondName);

}  // namespace morvane
