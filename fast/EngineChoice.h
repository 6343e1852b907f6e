#pragma once
// Which engine runs programs: the fast one (the default) or the literal one,
// which defines the behaviour and which every cached path falls back to.
// The environment variable MORVANE_ENGINE=literal selects the literal engine
// for any application; the runner also takes a hidden --engine=literal.

#include <memory>
#include <optional>
#include <string_view>

#include "exec/StatementAccelerator.h"

namespace morvane {

enum class EngineChoice { Fast, Literal };

// "fast" or "literal"; nothing for any other word.
std::optional<EngineChoice> ParseEngineChoice(std::string_view word);

// The choice of MORVANE_ENGINE, Fast when it is unset or names no engine.
EngineChoice EngineChoiceFromEnvironment();

// The accelerator for the choice: none for the literal engine.
std::unique_ptr<StatementAccelerator> MakeAccelerator(EngineChoice choice);

}  // namespace morvane
