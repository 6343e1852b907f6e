// The default platform services of the built-in functions, made of the
// standard library alone.

#include "core/EngineServices.h"

#include <chrono>
#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>

namespace morvane {

namespace {

// The user's locale as the environment names it; the classic one when the
// environment names none that exists.
std::locale userLocale() {
  try {
    return std::locale("");
  } catch (const std::runtime_error&) {
    return std::locale::classic();
  }
}

std::tm localTime(std::time_t when) {
  std::tm local{};
  if (const std::tm* converted = std::localtime(&when)) local = *converted;
  return local;
}

std::tm localNow() { return localTime(std::time(nullptr)); }

// The local time formatted by a strftime conversion in the user's locale.
std::string localTimeText(const char* conversion) {
  const std::tm local = localNow();
  std::ostringstream text;
  text.imbue(userLocale());
  text << std::put_time(&local, conversion);
  return text.str();
}

}  // namespace

double EngineServices::secondsSinceMidnight() {
  using namespace std::chrono;
  // One reading of the clock gives both the local time and its fraction.
  const system_clock::time_point now = system_clock::now();
  const std::tm local = localTime(system_clock::to_time_t(now));
  const auto milliseconds = duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
  const double fraction = static_cast<double>(milliseconds % 1000) / 1000.0;
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

std::string EngineServices::timeOfDayText() { return localTimeText("%X"); }

std::string EngineServices::dateText() { return localTimeText("%x"); }

std::string EngineServices::inputBox(std::string_view, std::string_view) { return ""; }

bool EngineServices::readWholeFile(std::string_view path, std::string& content) {
  return m_fileSystem.readWholeFile(std::string(path), content);
}

}  // namespace morvane
