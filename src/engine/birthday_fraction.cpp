// The part of a year since the planner's last birthday, for a start age with a fraction.
#include "engine/birthday_fraction.h"

#include <algorithm>
#include <array>

namespace tarvel::engine {
namespace {

constexpr std::array<int, 12> kMonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Day of a 365-day year, 0 for January 1; February 29 counts as February 28.
int DayOfYear(int month, int day) {
  int days = 0;
  for (int m = 1; m < month; ++m) days += kMonthDays[m - 1];
  return days + std::min(day, kMonthDays[month - 1]) - 1;
}

bool ValidDate(int month, int day) { return month >= 1 && month <= 12 && day >= 1 && day <= 31; }

}  // namespace

float BirthdayFraction(const platform::Date& today, int birth_month, int birth_day) {
  if (!ValidDate(birth_month, birth_day) || !ValidDate(today.month, today.day)) return 0.0f;
  int days = DayOfYear(today.month, today.day) - DayOfYear(birth_month, birth_day);
  if (days < 0) days += 365;
  days = std::min(days, 364);
  return static_cast<float>(days) / 365.0f;
}

}  // namespace tarvel::engine
