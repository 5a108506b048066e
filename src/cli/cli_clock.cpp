// Today's date and the time of day for the command-line planner.
#include "cli/cli_clock.h"

#include <chrono>
#include <ctime>
#include <string>

namespace tarvel::cli {
namespace {

std::tm LocalNow() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

platform::Date SystemClock::Today() const {
  const std::tm local = LocalNow();
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

platform::TimeOfDay SystemClock::Now() const {
  const std::tm local = LocalNow();
  return {local.tm_hour, local.tm_min, local.tm_sec};
}

std::optional<platform::Date> ParseDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
  }
  const std::string digits(text);
  const int year = std::stoi(digits.substr(0, 4));
  const int month = std::stoi(digits.substr(5, 2));
  const int day = std::stoi(digits.substr(8, 2));
  const std::chrono::year_month_day date{std::chrono::year{year},
                                         std::chrono::month{static_cast<unsigned>(month)},
                                         std::chrono::day{static_cast<unsigned>(day)}};
  if (!date.ok()) return std::nullopt;
  return platform::Date{year, month, day};
}

}  // namespace tarvel::cli
