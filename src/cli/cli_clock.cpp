// The day fixed by --today.
#include "cli/cli_clock.h"

#include <chrono>
#include <string>

namespace tarvel::cli {

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
