#include "fast/EngineChoice.h"

#include <cstdlib>

#include "fast/FastEngine.h"

namespace morvane {

std::optional<EngineChoice> ParseEngineChoice(std::string_view word) {
  if (word == "fast") return EngineChoice::Fast;
  if (word == "literal") return EngineChoice::Literal;
  return std::nullopt;
}

EngineChoice EngineChoiceFromEnvironment() {
  const char* word = std::getenv("MORVANE_ENGINE");
  if (word == nullptr) return EngineChoice::Fast;
  return ParseEngineChoice(word).value_or(EngineChoice::Fast);
}

std::unique_ptr<StatementAccelerator> MakeAccelerator(EngineChoice choice) {
  if (choice == EngineChoice::Literal) return nullptr;
  return std::make_unique<FastEngine>();
}

}  // namespace morvane
