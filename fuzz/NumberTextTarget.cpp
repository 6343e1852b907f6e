// Fuzz target: the texts that become numbers and the numbers that become
// texts. The input's first line is a FORMAT pattern, the rest a text for
// VAL. The number VAL reads is shown by the number text and by the pattern;
// the number text must read back as the same number.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "core/BuiltinNumberReading.h"
#include "core/FormatPattern.h"
#include "core/NumberText.h"

namespace {

using namespace morvane;

[[noreturn]] void fail(std::string_view what, double number, const std::string& text) {
  std::fprintf(stderr, "morvane fuzz: %.*s: %.17g shown as [%s]\n", static_cast<int>(what.size()), what.data(),
               number, text.c_str());
  std::abort();
}

// The number text of a finite number starts with its sign place and reads
// back as the number (to the digits it shows).
void checkNumberText(double number) {
  const std::string text = NumberText(number);
  if (!std::isfinite(number)) return;
  if (text.empty() || (text.front() != ' ' && text.front() != '-')) fail("no sign place", number, text);
  double back = 0;
  if (!ReadWholeNumber(text, back)) fail("unreadable number text", number, text);
  const double tolerance = 1e-9 * std::fabs(number) + std::numeric_limits<double>::denorm_min();
  if (!(std::fabs(back - number) <= tolerance)) fail("number text reads back otherwise", number, text);
}

void format(double number, std::string_view pattern) {
  std::string translated;
  if (!TranslateFormatPattern(pattern, translated) || !std::isfinite(number)) return;
  std::string text = FormatByPattern(number, translated);
  CleanUpFormattedText(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t lineEnd = input.find('\n');
  const std::string_view pattern = input.substr(0, lineEnd);
  const std::string_view valText = lineEnd == std::string_view::npos ? input : input.substr(lineEnd + 1);

  const double number = ReadLeadingNumber(valText);
  double whole = 0;
  const bool isWhole = ReadWholeNumber(valText, whole);

  checkNumberText(number);
  format(number, pattern);
  if (isWhole) {
    checkNumberText(whole);
    format(whole, pattern);
  }
  // The integer form the Long values use.
  if (std::fabs(number) < 2147483647.0) (void)NumberText(static_cast<std::int32_t>(number));
  return 0;
}
